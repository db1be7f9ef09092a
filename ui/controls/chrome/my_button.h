#pragma once

#include <QPushButton>

// A push button that carries a tooltip of its own ("Browse", "Open Folder").
class CMyButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CMyButton(QWidget *parent = nullptr);
    explicit CMyButton(const QString &text, QWidget *parent = nullptr);

    void SetToolTipText(const QString &text);
};
