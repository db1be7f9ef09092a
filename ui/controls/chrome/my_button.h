#pragma once

#include <QPushButton>

// A push button that carries a tooltip of its own ("Browse", "Open Folder").
class CMyButton final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMyButton)

public:
    explicit CMyButton(QWidget *parent = nullptr);
    explicit CMyButton(const QString &text, QWidget *parent = nullptr);

    void SetToolTipText(const QString &text);
};
