#pragma once

#include <QColor>
#include <QFont>
#include <QProgressBar>
#include <QString>

class QPainter;

// A progress bar that paints itself completely: a solid filled part from the left, a solid empty
// part beside it and a caption centred over the whole bar, by default the percentage reached.
// The caption takes one colour over the filled part and another over the empty part. Painting
// goes through an off-screen buffer and the background is never erased on its own, so the bar
// does not flicker while a conversion reports progress many times a second.
//
// QProgressBar's own range, value and text are not used; the owner writes the bounds directly.
//
// The bar "has a window" once Qt has created it, which happens when it is shown inside a shown
// top-level window (or when its window id is asked for). Until then SetPos stores nothing.
class CTextProgressCtrl final : public QProgressBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CTextProgressCtrl)

public:
    explicit CTextProgressCtrl(QWidget *parent = nullptr);
    ~CTextProgressCtrl() override;

    // Stores the position and repaints at once when the filled width in pixels changes; the
    // position is not clamped to the range. Returns the previous position, or -1 without a
    // window (nothing is stored then).
    int SetPos(int pos);
    int GetPos() const { return position; }

    // Replaces the caption drawn instead of the percentage; an empty text brings the percentage
    // back. Schedules a repaint only when the caption changes.
    void SetWindowText(const QString &text);

    // The caption is never read back through the bar's text.
    QString text() const override;

    // A one-pixel frame around the bar, inside its geometry: the client area the bar fills and
    // measures shrinks by one pixel on every side.
    void SetThinBorder(bool on);

    // The client area: the part of the bar inside its frame.
    QRect ClientRect() const { return contentsRect(); }

    int lowerBound = 0;
    int upperBound = 100;
    QColor barColour {0, 255, 0};

    // How a bar looks, for painting one where no bar widget exists (a list cell).
    struct Look
    {
        QColor bar {0, 255, 0};
        QColor background {255, 255, 255};
        QColor textEmpty {176, 0, 0};
        QColor textFilled {176, 0, 0};
        bool thinBorder = false;
    };
    // Paints a bar as the control paints itself into `bounds` (its whole rectangle, frame
    // included): `fraction` of it filled, `caption` over it (empty: the percentage), in `font`
    // made lighter. Only `area` (within bounds) is painted; the frame is drawn whole.
    static void Paint(QPainter *painter, const QRect &bounds, const QRect &area, const Look &look,
                      double fraction, const QString &caption, QFont font);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    double Fraction() const;

    int position = 0;
    int step = 1; // kept for the owner; nothing steps the bar
    QString caption;
    int filledWidth = -1; // as computed by the last SetPos; -1 until known again after a resize
    QColor backgroundColour {255, 255, 255};
    QColor textColourEmpty {176, 0, 0};
    QColor textColourFilled {176, 0, 0};
    bool thinBorder = false;
};
