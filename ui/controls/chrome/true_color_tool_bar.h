#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QToolBar>
#include <QVector>

#include <functional>

class QAction;

// The main window's toolbar: seven 48 x 48 buttons in the order of the toolbar layout (132),
// each a QAction whose data() is its command id, drawn from true-colour strips: a normal, a hot
// (hovered) and a disabled strip of 48-pixel images side by side. Until a normal strip is set
// the buttons show the layout's own 16-colour strip, whose silver background is transparent.
class CTrueColorToolBar : public QToolBar
{
    Q_OBJECT

public:
    enum class ImageSlot { Normal, Hot, Disabled };

    // The command ids of the toolbar layout, 0 for a separator.
    static const QVector<int> &Layout();

    explicit CTrueColorToolBar(QWidget *parent = nullptr);

    // The action of button `id`; nullptr when the bar has no such button.
    QAction *ActionById(int id) const;
    // The command ids of the buttons in their order, 0 for a separator.
    QVector<int> ButtonIds() const;

    // Cuts bitmap `bitmapId` into 48-pixel images for `slot`; every pixel of the colour of the
    // bitmap's first stored pixel is transparent. False (and nothing changed) when the bitmap is
    // missing or cannot be read.
    bool SetImageStrip(ImageSlot slot, int bitmapId);
    // The same from the bytes of a BMP file.
    bool SetImageStrip(ImageSlot slot, const QByteArray &bmpFile);
    // Normal, hot and disabled strips in turn, each only when the one before succeeded. Returns
    // how many were set.
    int SetImageStrips(int normalId, int hotId, int disabledId);

    // The images of `slot`, one per button in order; empty when the slot was never filled (the
    // normal slot starts with the layout's own strip).
    QVector<QPixmap> Images(ImageSlot slot) const;

    // Triggered buttons call `handler` with their command id.
    void SetCommandHandler(std::function<void(int)> handler);

    // The colour that the first stored pixel of `bmpFile` gives when its bytes are read as blue,
    // green, red; invalid when the bytes are not a whole BMP file.
    static QColor KeyColourOf(const QByteArray &bmpFile);

private:
    bool CutStrip(ImageSlot slot, QImage strip, const QColor &key);
    void UpdateIcons();

    QList<QAction *> m_buttons; // without separators, in layout order
    QVector<QPixmap> m_images[3];
    std::function<void(int)> m_commandHandler;
};
