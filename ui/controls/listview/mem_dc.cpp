// Paints off-screen and shows the result at once, so that nothing half-drawn is seen.
#include "ui/controls/listview/mem_dc.h"

#include <QPaintDevice>

CMemDC::CMemDC(QPainter *target, const QRect &rect)
    : target(target)
    , rect(rect)
{
    QPaintDevice *device = target->device();
    if (!device || device->devType() == QInternal::Printer || rect.isEmpty())
        return;

    const qreal ratio = device->devicePixelRatioF();
    buffer = QPixmap(rect.size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    bufferInUse = bufferPainter.begin(&buffer);
    if (!bufferInUse)
        return;
    bufferPainter.translate(-rect.topLeft());
    // Text and shapes take the target's settings, as a compatible surface would.
    bufferPainter.setFont(target->font());
    bufferPainter.setPen(target->pen());
    bufferPainter.setBrush(target->brush());
    bufferPainter.setRenderHints(target->renderHints());
}

CMemDC::~CMemDC()
{
    if (!bufferInUse)
        return;
    bufferPainter.end();
    target->drawPixmap(rect.topLeft(), buffer);
}
