#pragma once

#include <QPainter>
#include <QPixmap>
#include <QRect>

// Paints off-screen and shows the result in one copy, so that a control repainting many times a
// second never shows a half-drawn state. Everything painted between construction and destruction
// goes to Painter(); the destructor copies the covered rectangle to the target in one
// drawPixmap. Coordinates are those of the target: the buffer is shifted to the rectangle's
// top-left corner.
class CMemDC
{
public:
    // `rect` is the part of the target to cover, in the target's logical coordinates (the
    // rectangle a paint event asks for). A printer target, or an empty rectangle, gets no buffer:
    // drawing then goes straight to the target.
    CMemDC(QPainter *target, const QRect &rect);
    ~CMemDC();

    CMemDC(const CMemDC &) = delete;
    CMemDC &operator=(const CMemDC &) = delete;

    QPainter *Painter() { return bufferInUse ? &bufferPainter : target; }
    QPainter *operator->() { return Painter(); }

    bool BufferInUse() const { return bufferInUse; }

private:
    QPainter bufferPainter;
    QPixmap buffer;
    QPainter *target;
    QRect rect;
    bool bufferInUse = false;
};
