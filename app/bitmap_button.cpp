#include "app/bitmap_button.h"

#include <QPainter>

CBitmapButton::CBitmapButton(QWidget *parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
}

void CBitmapButton::SetBitmaps(const QPixmap &normal, const QPixmap &pressed)
{
    m_normal = normal;
    m_pressed = pressed.isNull() ? normal : pressed;
    if (!m_normal.isNull())
        resize(m_normal.size());
    update();
}

QSize CBitmapButton::sizeHint() const
{
    return m_normal.isNull() ? QPushButton::sizeHint() : m_normal.size();
}

void CBitmapButton::paintEvent(QPaintEvent *)
{
    if (m_normal.isNull())
        return;
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(0.45);
    painter.drawPixmap(0, 0, isDown() ? m_pressed : m_normal);
}
