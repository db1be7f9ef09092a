#pragma once

#include <QPixmap>
#include <QPushButton>

// A button drawn entirely by two pictures: one for its normal face, one while it is pressed.
// A button larger than its pictures keeps their corners and middle at their own size and
// stretches only the edges between them, so the face stays crisp at any size and pixel ratio.
class CBitmapButton final : public QPushButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CBitmapButton)

public:
    explicit CBitmapButton(QWidget *parent = nullptr);
    // Sets the two faces and sizes the button to the normal one.
    void SetBitmaps(const QPixmap &normal, const QPixmap &pressed);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_normal;
    QPixmap m_pressed;
};
