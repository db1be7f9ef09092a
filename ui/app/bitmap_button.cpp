// A button drawn by two pictures, stretched only at its edges.
#include "ui/app/bitmap_button.h"

#include <QPainter>

namespace {

// The rim of a face: its rounded corners and border lines. Only the band between corners is
// stretched, so a face drawn larger than its picture keeps crisp corners and an unscaled arrow.
constexpr int kRim = 3;

// Draws `face` into `target`: corners as they are, edges stretched along their length, the
// centre filled with the face's own centre colour and the picture's middle (the arrow) drawn
// unscaled in the middle of `target`.
void DrawFace(QPainter *painter, const QRect &target, const QPixmap &face)
{
    const QSize size = face.deviceIndependentSize().toSize();
    if (target.size() == size || size.width() <= 2 * kRim || size.height() <= 2 * kRim) {
        painter->drawPixmap(target.topLeft(), face);
        return;
    }
    const int w = size.width();
    const int h = size.height();
    const int tw = target.width();
    const int th = target.height();
    const QPoint o = target.topLeft();
    auto part = [&](int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh) {
        if (sw > 0 && sh > 0 && dw > 0 && dh > 0)
            painter->drawPixmap(QRect(o.x() + dx, o.y() + dy, dw, dh), face, QRect(sx, sy, sw, sh));
    };
    const int innerW = tw - 2 * kRim;
    const int innerH = th - 2 * kRim;
    // Corners.
    part(0, 0, kRim, kRim, 0, 0, kRim, kRim);
    part(w - kRim, 0, kRim, kRim, tw - kRim, 0, kRim, kRim);
    part(0, h - kRim, kRim, kRim, 0, th - kRim, kRim, kRim);
    part(w - kRim, h - kRim, kRim, kRim, tw - kRim, th - kRim, kRim, kRim);
    // Edges, one pixel of the face stretched along each.
    part(w / 2, 0, 1, kRim, kRim, 0, innerW, kRim);
    part(w / 2, h - kRim, 1, kRim, kRim, th - kRim, innerW, kRim);
    part(0, h / 2, kRim, 1, 0, kRim, kRim, innerH);
    part(w - kRim, h / 2, kRim, 1, tw - kRim, kRim, kRim, innerH);
    // Centre: the face's plain colour beside its arrow, then the middle of the face unscaled.
    part(kRim, kRim, 1, 1, kRim, kRim, innerW, innerH);
    const int mw = qMin(w - 2 * kRim, innerW);
    const int mh = qMin(h - 2 * kRim, innerH);
    part((w - mw) / 2, (h - mh) / 2, mw, mh, (tw - mw) / 2, (th - mh) / 2, mw, mh);
}

} // namespace

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
        resize(m_normal.deviceIndependentSize().toSize());
    update();
}

QSize CBitmapButton::sizeHint() const
{
    return m_normal.isNull() ? QPushButton::sizeHint() : m_normal.deviceIndependentSize().toSize();
}

void CBitmapButton::paintEvent(QPaintEvent *)
{
    if (m_normal.isNull())
        return;
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(0.45);
    // At a whole pixel ratio each pixel of the face is repeated and stays sharp; at any other,
    // repeated pixels would be of uneven widths.
    const qreal ratio = devicePixelRatioF();
    if (!qFuzzyCompare(ratio, qreal(qRound(ratio))))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    DrawFace(&painter, rect(), isDown() ? m_pressed : m_normal);
    // The face is a picture: a keyboard user sees the focus only by a ring of its own, dark on
    // the light face and light on a dark one.
    if (hasFocus()) {
        painter.setOpacity(1);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}
