// A push button with a tooltip of its own.
#include "ui/controls/chrome/my_button.h"

CMyButton::CMyButton(QWidget *parent)
    : QPushButton(parent)
{ }

CMyButton::CMyButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{ }

void CMyButton::SetToolTipText(const QString &text)
{
    setToolTip(text);
}
