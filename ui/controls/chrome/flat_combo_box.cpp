// The flat drop-down list of the saving folder, raised while hovered.
#include "ui/controls/chrome/flat_combo_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace {

// A rectangle with an exclusive right and bottom edge, as the frame steps count them.
struct Box
{
    int left, top, right, bottom;

    void Deflate(int d)
    {
        left += d;
        top += d;
        right -= d;
        bottom -= d;
    }
};

// A one-pixel outline: top and left edges in `topLeft`, right and bottom edges in `bottomRight`,
// which also takes the top-right and bottom-left corners.
void Frame3d(QPainter &p, const Box &r, const QColor &topLeft, const QColor &bottomRight)
{
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return;
    p.fillRect(r.left, r.top, w - 1, 1, topLeft);
    p.fillRect(r.left, r.top, 1, h - 1, topLeft);
    p.fillRect(r.right - 1, r.top, 1, h, bottomRight);
    p.fillRect(r.left, r.bottom - 1, w, 1, bottomRight);
}

} // namespace

CFlatComboBox::CFlatComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setObjectName(QStringLiteral("flatComboBox"));
    setMouseTracking(true); // every move restarts the watch, not only drags
}

int CFlatComboBox::DropButtonWidth() const
{
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void CFlatComboBox::DrawFrame(QPainter &p, FrameState state, const QColor &topLeft,
                              const QColor &bottomRight) const
{
    const QPalette &pal = palette();
    const QColor face = pal.color(QPalette::Button);
    const QColor shadow = pal.color(QPalette::Dark);
    const QColor highlight = pal.color(QPalette::Light);

    Box r {0, 0, width(), height()};
    Frame3d(p, r, topLeft, bottomRight);
    r.Deflate(1);
    const QColor inner = isEnabled() ? face : highlight;
    Frame3d(p, r, inner, inner);
    r.Deflate(1);

    r.left = r.right - DropButtonWidth();
    Frame3d(p, r, face, face);
    r.Deflate(1);
    Frame3d(p, r, face, face);

    if (!isEnabled())
        return;

    switch (state) {
    case FrameState::Normal:
        --r.top;
        ++r.bottom;
        Frame3d(p, r, highlight, highlight);
        --r.left;
        Frame3d(p, r, highlight, highlight);
        break;
    case FrameState::Raised:
        --r.top;
        ++r.bottom;
        Frame3d(p, r, highlight, shadow);
        break;
    case FrameState::Pressed:
        --r.top;
        ++r.bottom;
        r.left += 1;
        r.top += 1;
        r.right += 1;
        r.bottom += 1;
        Frame3d(p, r, shadow, highlight);
        break;
    }
}

void CFlatComboBox::mouseMoveEvent(QMouseEvent *event)
{
    // A move also hovers again once the list closed with the cursor still over the control.
    Hover();
    QComboBox::mouseMoveEvent(event);
}

void CFlatComboBox::enterEvent(QEnterEvent *event)
{
    Hover();
    QComboBox::enterEvent(event);
}

void CFlatComboBox::leaveEvent(QEvent *event)
{
    if (m_hoverPainted) {
        m_hoverPainted = false;
        ShowFrame(FrameState::Normal);
    }
    QComboBox::leaveEvent(event);
}

void CFlatComboBox::Hover()
{
    if (m_buttonDown || m_hoverPainted)
        return;
    m_hoverPainted = true;
    ShowFrame(FrameState::Raised);
}

void CFlatComboBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_buttonDown = true;
        if (m_hoverPainted) {
            m_hoverPainted = false;
            ShowFrame(FrameState::Pressed);
        }
    }
    QComboBox::mousePressEvent(event);
}

void CFlatComboBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        ButtonUp();
    QComboBox::mouseReleaseEvent(event);
}

void CFlatComboBox::hidePopup()
{
    // The press opens the list, which then takes the mouse: the release goes to the list, so
    // closing the list is where the button comes up for this control.
    if (m_buttonDown)
        ButtonUp();
    QComboBox::hidePopup();
}

void CFlatComboBox::ButtonUp()
{
    m_buttonDown = false;
    m_shownFrame = FrameState::Normal;
    update();
}

void CFlatComboBox::ShowFrame(FrameState state)
{
    // Qt paints only inside paint events, so the frame drawn here is kept and the control
    // repainted at once; the paint draws it over the normal frame.
    m_shownFrame = state;
    ++m_frameChanges;
    repaint();
}

void CFlatComboBox::paintEvent(QPaintEvent *event)
{
    QComboBox::paintEvent(event);
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    DrawFrame(painter, FrameState::Normal, face, face);
    switch (m_shownFrame) {
    case FrameState::Normal:
        break;
    case FrameState::Raised:
        DrawFrame(painter, FrameState::Raised, palette().color(QPalette::Dark),
                  palette().color(QPalette::Light));
        break;
    case FrameState::Pressed:
        DrawFrame(painter, FrameState::Pressed, palette().color(QPalette::Dark),
                  palette().color(QPalette::Light));
        break;
    }
}
