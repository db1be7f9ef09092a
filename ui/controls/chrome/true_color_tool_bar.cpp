// The toolbar with true-colour button images and their grayed twins.
#include "ui/controls/chrome/true_color_tool_bar.h"

#include "res/resource.h"
#include "res/strings.h"
#include "ui/res/bitmaps.h"

#include <QAction>
#include <QIcon>
#include <QImage>
#include <QtEndian>

namespace {

constexpr int kImageSize = 48;
const QColor kLayoutStripBackground(192, 192, 192);

int SlotIndex(CTrueColorToolBar::ImageSlot slot)
{
    return static_cast<int>(slot);
}

} // namespace

const QVector<int> &CTrueColorToolBar::Layout()
{
    static const QVector<int> layout = {ID_LIST_ADD_FILES, ID_ADD_FOLDER,   ID_LIST_REMOVE_ALL, 0,
                                        ID_CONVERT_ALL,    ID_STOP_CURRENT, ID_STOP_ALL,        0,
                                        ID_APP_ABOUT};
    return layout;
}

CTrueColorToolBar::CTrueColorToolBar(QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("toolBar"));
    setProperty("barId", AFX_IDW_TOOLBAR);
    setIconSize(QSize(kImageSize, kImageSize));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setMovable(true); // shows the gripper
    setFloatable(false);

    for (int id : Layout()) {
        if (id == 0) {
            addSeparator();
            continue;
        }
        const QString tip = TooltipText(id);
        QAction *action = addAction(tip);
        action->setData(id);
        action->setToolTip(tip);
        action->setObjectName(QStringLiteral("command%1").arg(id));
        m_buttons.append(action);
    }
    connect(this, &QToolBar::actionTriggered, this, [this](QAction *action) {
        bool ok = false;
        const int id = action->data().toInt(&ok);
        if (ok && m_commandHandler)
            m_commandHandler(id);
    });

    // The layout's own 16-colour images until the true-colour strips replace them. Like every
    // classic toolbar bitmap, its silver background stands for the bar's own face.
    CutStrip(ImageSlot::Normal, LoadBitmapResource(IDR_TOOLBAR), kLayoutStripBackground);
}

QAction *CTrueColorToolBar::ActionById(int id) const
{
    for (QAction *action : m_buttons) {
        if (action->data().toInt() == id)
            return action;
    }
    return nullptr;
}

QVector<int> CTrueColorToolBar::ButtonIds() const
{
    QVector<int> ids;
    for (const QAction *action : actions())
        ids.append(action->isSeparator() ? 0 : action->data().toInt());
    return ids;
}

QColor CTrueColorToolBar::KeyColourOf(const QByteArray &bmpFile)
{
    // BITMAPFILEHEADER: "BM", file size, two reserved words, then the offset of the pixels.
    if (bmpFile.size() < 14 + 40 || !bmpFile.startsWith("BM"))
        return QColor();
    const quint32 offBits = qFromLittleEndian<quint32>(bmpFile.constData() + 10);
    if (offBits < 14 + 40 || qint64(offBits) + 3 > bmpFile.size())
        return QColor();
    // BITMAPINFOHEADER: width, height (negative when stored top-down), planes, bits per pixel.
    const qint64 width = qFromLittleEndian<qint32>(bmpFile.constData() + 18);
    const qint64 height = qAbs(qFromLittleEndian<qint32>(bmpFile.constData() + 22));
    const qint64 bits = qFromLittleEndian<quint16>(bmpFile.constData() + 28);
    const qint64 stride = (width * bits + 31) / 32 * 4;
    if (width <= 0 || height <= 0 || bits <= 0 || offBits + stride * height > bmpFile.size())
        return QColor(); // a cut-off file is not a bitmap
    const auto *pixels = reinterpret_cast<const uchar *>(bmpFile.constData()) + offBits;
    // Read as blue, green, red whatever the pixel format: for a palette strip these are three
    // palette indices, which is how the strips were made to give their background grey.
    return QColor(pixels[2], pixels[1], pixels[0]);
}

bool CTrueColorToolBar::SetImageStrip(ImageSlot slot, int bitmapId)
{
    return SetImageStrip(slot, LoadBitmapResourceData(bitmapId));
}

bool CTrueColorToolBar::SetImageStrip(ImageSlot slot, const QByteArray &bmpFile)
{
    const QColor key = KeyColourOf(bmpFile);
    if (!key.isValid())
        return false;
    return CutStrip(slot, QImage::fromData(bmpFile, "BMP"), key);
}

bool CTrueColorToolBar::CutStrip(ImageSlot slot, QImage strip, const QColor &key)
{
    if (strip.isNull() || strip.width() < kImageSize)
        return false;
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = key.rgb() & RGB_MASK;
    for (int y = 0; y < strip.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
            if ((line[x] & RGB_MASK) == keyRgb)
                line[x] = 0;
        }
    }
    QVector<QPixmap> images;
    for (int x = 0; x + kImageSize <= strip.width(); x += kImageSize)
        images.append(QPixmap::fromImage(strip.copy(x, 0, kImageSize, strip.height())));
    m_images[SlotIndex(slot)] = images;
    UpdateIcons();
    return true;
}

int CTrueColorToolBar::SetImageStrips(int normalId, int hotId, int disabledId)
{
    if (!SetImageStrip(ImageSlot::Normal, normalId))
        return 0;
    if (!SetImageStrip(ImageSlot::Hot, hotId))
        return 1;
    if (!SetImageStrip(ImageSlot::Disabled, disabledId))
        return 2;
    return 3;
}

QVector<QPixmap> CTrueColorToolBar::Images(ImageSlot slot) const
{
    return m_images[SlotIndex(slot)];
}

void CTrueColorToolBar::UpdateIcons()
{
    static const QIcon::Mode kModes[3] = {QIcon::Normal, QIcon::Active, QIcon::Disabled};
    for (int i = 0; i < m_buttons.size(); ++i) {
        QIcon icon;
        for (int slot = 0; slot < 3; ++slot) {
            if (i < m_images[slot].size())
                icon.addPixmap(m_images[slot][i], kModes[slot]);
        }
        m_buttons[i]->setIcon(icon);
    }
}

void CTrueColorToolBar::SetCommandHandler(std::function<void(int)> handler)
{
    m_commandHandler = std::move(handler);
}
