// A progress bar that paints itself, with its caption over it.
#include "ui/controls/listview/text_progress_ctrl.h"

#include "ui/controls/listview/mem_dc.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <cmath>
#include <limits>

namespace {

// Truncates toward zero like a C cast, but a position far outside the range saturates instead of
// overflowing the conversion.
int TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

} // namespace

CTextProgressCtrl::CTextProgressCtrl(QWidget *parent)
    : QProgressBar(parent)
{
    // Every pixel of the bar is painted by paintEvent: nothing underneath needs to be drawn first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CTextProgressCtrl::~CTextProgressCtrl() = default;

double CTextProgressCtrl::Fraction() const
{
    return (static_cast<double>(position) - static_cast<double>(lowerBound))
        / (static_cast<double>(upperBound) - static_cast<double>(lowerBound));
}

int CTextProgressCtrl::SetPos(int pos)
{
    if (!testAttribute(Qt::WA_WState_Created))
        return -1;

    const int previous = position;
    position = pos;
    // What assistive tools read of the bar (its own value would paint it once more).
    if (pos != previous)
        setAccessibleDescription(QStringLiteral("%1%").arg(pos));

    const int width = ClientRect().width();
    const int newFilledWidth = TruncateToInt(Fraction() * width);
    if (newFilledWidth != filledWidth) {
        filledWidth = newFilledWidth;
        repaint();
    }
    return previous;
}

void CTextProgressCtrl::SetWindowText(const QString &text)
{
    if (text == caption)
        return;
    caption = text;
    update();
}

QString CTextProgressCtrl::text() const
{
    return QString();
}

void CTextProgressCtrl::SetThinBorder(bool on)
{
    if (on == thinBorder)
        return;
    thinBorder = on;
    const int margin = on ? 1 : 0;
    setContentsMargins(margin, margin, margin, margin);
    // The client area changed size, as a resize would change it.
    filledWidth = -1;
    update();
}

void CTextProgressCtrl::resizeEvent(QResizeEvent *event)
{
    QProgressBar::resizeEvent(event);
    filledWidth = -1;
}

void CTextProgressCtrl::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    Look look;
    look.bar = barColour;
    look.background = backgroundColour;
    look.textEmpty = textColourEmpty;
    look.textFilled = textColourFilled;
    look.thinBorder = thinBorder;
    // A range without room draws nothing but the frame: there is no fraction to show.
    const bool room = lowerBound < upperBound;
    Paint(&painter, rect(), room ? event->rect() : QRect(), look, room ? Fraction() : 0.0, caption,
          window()->font());
}

void CTextProgressCtrl::Paint(QPainter *painter, const QRect &bounds, const QRect &area,
                              const Look &look, double fraction, const QString &caption, QFont font)
{
    if (look.thinBorder) {
        painter->save();
        painter->setPen(QPen(Qt::black, 0));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(bounds.adjusted(0, 0, -1, -1));
        painter->restore();
    }
    const QRect client = look.thinBorder ? bounds.adjusted(1, 1, -1, -1) : bounds;
    const QRect painted = area & client;
    if (painted.isEmpty())
        return;

    CMemDC dc(painter, painted);
    QPainter *p = dc.Painter();

    // The bar writes in its application window's font, only lighter.
    font.setWeight(QFont::Light);
    p->setFont(font);

    const int split = TruncateToInt(client.width() * fraction);
    const int filledPart = qBound(0, split, client.width());
    const QRect filledRect(client.left(), client.top(), filledPart, client.height());
    const QRect emptyRect(client.left() + filledPart, client.top(), client.width() - filledPart,
                          client.height());
    p->fillRect(filledRect, look.bar);
    p->fillRect(emptyRect, look.background);

    const QString shown
        = !caption.isEmpty() ? caption : QStringLiteral("%1%").arg(TruncateToInt(fraction * 100.0));
    const int flags = Qt::AlignCenter | Qt::TextSingleLine;
    p->save();
    p->setClipRect(filledRect);
    p->setPen(look.textFilled);
    p->drawText(client, flags, shown);
    p->setClipRect(emptyRect);
    p->setPen(look.textEmpty);
    p->drawText(client, flags, shown);
    p->restore();
}
