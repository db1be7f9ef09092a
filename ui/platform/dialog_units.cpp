// Turns the layouts' dialog units into pixels.
#include "ui/platform/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QtMath>

#include <cstdint>

QFont DialogFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

DialogBaseUnits BaseUnitsOf(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const std::int64_t half = (c < 0 ? -std::int64_t(c) : c) / 2;
    // Halves go away from zero: push the product away from zero, then let division truncate.
    return int((product + (product < 0 ? -half : half)) / c);
}

QRect MapDialogRect(const QRect &dialogUnits, DialogBaseUnits units)
{
    return QRect(MulDiv(dialogUnits.x(), units.x, 4), MulDiv(dialogUnits.y(), units.y, 8),
                 MulDiv(dialogUnits.width(), units.x, 4), MulDiv(dialogUnits.height(), units.y, 8));
}

QRect MapDialogRect(const QRect &dialogUnits, const QFont &font)
{
    return MapDialogRect(dialogUnits, BaseUnitsOf(font));
}

QSize MapDialogSize(const QSize &dialogUnits, const QFont &font)
{
    return MapDialogRect(QRect(QPoint(0, 0), dialogUnits), font).size();
}

void GrowToFitTexts(QWidget *parent)
{
    const QList<QLabel *> labels
        = parent->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    const auto rightmost = [parent] {
        int right = 0;
        for (const QWidget *child :
             parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            right = qMax(right, child->geometry().right() + 1);
        return right;
    };
    const int margin = parent->width() - rightmost();
    for (QLabel *label : labels) {
        const QFontMetricsF metrics(label->font());
        const QRectF room = label->contentsRect();
        // A wrapped text that fits in its lines keeps them.
        if (label->text().isEmpty()
            || (label->wordWrap()
                && metrics.boundingRect(room, Qt::TextWordWrap, label->text()).height()
                    <= room.height()))
            continue;
        const int need = qCeil(metrics.horizontalAdvance(label->text())) + label->width()
            - label->contentsRect().width();
        if (need > label->width())
            label->resize(need, label->height());
    }
    const int grown = rightmost() + margin - parent->width();
    if (grown > 0 && parent->minimumWidth() == parent->maximumWidth())
        parent->setFixedWidth(parent->width() + grown);
}
