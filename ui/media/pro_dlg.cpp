// The information page of the properties window.
#include "ui/media/pro_dlg.h"

#include "engine/media/codec_names.h"
#include "engine/media/duration.h"
#include "engine/media/probe.h"
#include "res/resource.h"
#include "ui/platform/dialog_units.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QtMath>

#include <iterator>

namespace {

struct GroupLayout
{
    const char *name;
    const char *title;
    QRect units;
};

constexpr GroupLayout kGroups[] = {
    {"mediaGroup", QT_TRANSLATE_NOOP("Properties", "Media Information"), QRect(7, 7, 273, 57)},
    {"videoGroup", QT_TRANSLATE_NOOP("Properties", "Video Information"), QRect(7, 72, 274, 79)},
    {"audioGroup", QT_TRANSLATE_NOOP("Properties", "Audio Information"), QRect(7, 159, 274, 96)},
};

struct FieldLayout
{
    int id;
    const char *caption;
    QRect captionUnits;
    int fieldTop;
};

// In control id order, which is also the order of the fields on the page.
constexpr FieldLayout kFields[] = {
    {IDC_MEDIA_DURATION, QT_TRANSLATE_NOOP("Properties", "Media Duration"), QRect(17, 25, 66, 8),
     21},
    {IDC_MEDIA_BITRATE, QT_TRANSLATE_NOOP("Properties", "Media Bitrate"), QRect(17, 44, 67, 8), 40},
    {IDC_VIDEO_FORMAT, QT_TRANSLATE_NOOP("Properties", "Video Format"), QRect(17, 92, 67, 8), 88},
    {IDC_VIDEO_RESOLUTION, QT_TRANSLATE_NOOP("Properties", "Video Resolution"),
     QRect(17, 111, 70, 8), 107},
    {IDC_FRAME_RATE, QT_TRANSLATE_NOOP("Properties", "Frame Rate"), QRect(17, 130, 66, 8), 126},
    {IDC_AUDIO_FORMAT, QT_TRANSLATE_NOOP("Properties", "Audio Format"), QRect(17, 174, 68, 8), 170},
    {IDC_AUDIO_BITRATE, QT_TRANSLATE_NOOP("Properties", "Bit Rate"), QRect(17, 195, 61, 8), 191},
    {IDC_SAMPLE_RATE, QT_TRANSLATE_NOOP("Properties", "Sample Rate"), QRect(17, 214, 63, 8), 210},
    {IDC_CHANNELS, QT_TRANSLATE_NOOP("Properties", "Channels"), QRect(17, 235, 58, 8), 231},
};

constexpr int kFieldLeft = 93;
constexpr QSize kFieldSize(178, 14);

QString NumberOrEmpty(qint64 value)
{
    return value != 0 ? QString::number(value) : QString();
}

} // namespace

CProDlg::CProDlg(QWidget *parent)
    : QWidget(parent)
{
    static_assert(std::size(kFields) == kFieldCount);
    setObjectName(QStringLiteral("propertiesPage"));
    const QFont font = DialogFont();
    setFont(font);
    setFixedSize(MapDialogSize(SizeUnits(), font));

    // Group boxes first: the captions and fields created after them are drawn on top.
    for (const GroupLayout &group : kGroups) {
        auto *box = new QGroupBox(QCoreApplication::translate("Properties", group.title), this);
        box->setObjectName(QString::fromLatin1(group.name));
        box->setGeometry(MapDialogRect(group.units, font));
    }

    QLabel *captions[kFieldCount] = {};
    for (int i = 0; i < kFieldCount; ++i) {
        const FieldLayout &layout = kFields[i];
        auto *caption = new QLabel(QCoreApplication::translate("Properties", layout.caption), this);
        caption->setObjectName(QStringLiteral("label%1").arg(layout.id));
        caption->setTextFormat(Qt::PlainText);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        caption->setGeometry(MapDialogRect(layout.captionUnits, font));

        auto *field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("field%1").arg(layout.id));
        field->setProperty("controlId", layout.id);
        field->setReadOnly(true);
        field->setFrame(true);
        field->setGeometry(
            MapDialogRect(QRect(QPoint(kFieldLeft, layout.fieldTop), kFieldSize), font));
        caption->setBuddy(field);
        m_fields[i] = field;
        captions[i] = caption;
    }

    // A caption longer than its place (a translation) widens the captions' column: the fields
    // move right, and the groups and the page grow by as much.
    int extra = 0;
    for (const QLabel *caption : captions)
        extra = qMax(extra,
                     qCeil(QFontMetricsF(font).horizontalAdvance(caption->text()))
                         - caption->width());
    if (extra > 0) {
        for (int i = 0; i < kFieldCount; ++i) {
            captions[i]->resize(captions[i]->width() + extra, captions[i]->height());
            m_fields[i]->move(m_fields[i]->x() + extra, m_fields[i]->y());
        }
        for (QGroupBox *box : findChildren<QGroupBox *>())
            box->resize(box->width() + extra, box->height());
        setFixedSize(width() + extra, height());
    }
}

QSize CProDlg::sizeHint() const
{
    return size();
}

QLineEdit *CProDlg::Field(int id) const
{
    for (int i = 0; i < kFieldCount; ++i) {
        if (kFields[i].id == id)
            return m_fields[i];
    }
    return nullptr;
}

void CProDlg::FillFields(const MediaInfo &info)
{
    Field(IDC_MEDIA_DURATION)
        ->setText(info.durationKnown ? FormatDuration(quint32(info.durationSeconds))
                                     : QCoreApplication::translate("List", "Unknown"));
    // Summed in 64 bits: two rates near the 32-bit limit would otherwise wrap to a negative
    // total.
    Field(IDC_MEDIA_BITRATE)->setText(NumberOrEmpty(qint64(info.audioBitRate) + info.videoBitRate));
    Field(IDC_VIDEO_FORMAT)->setText(VideoCodecName(info.videoCodecId));
    Field(IDC_VIDEO_RESOLUTION)
        ->setText(info.width != 0 && info.height != 0
                      ? QStringLiteral("%1x%2").arg(info.width).arg(info.height)
                      : QString());
    // QString::number ignores the locale: the rate always reads with a '.' decimal point.
    Field(IDC_FRAME_RATE)
        ->setText(info.frameRate != 0 ? QString::number(double(info.frameRate), 'f', 4)
                                      : QString());
    Field(IDC_AUDIO_FORMAT)->setText(AudioCodecName(info.audioCodecId));
    Field(IDC_AUDIO_BITRATE)->setText(NumberOrEmpty(info.audioBitRate));
    Field(IDC_SAMPLE_RATE)->setText(NumberOrEmpty(info.sampleRate));
    Field(IDC_CHANNELS)->setText(NumberOrEmpty(info.channels));
    // Long texts scroll inside their field; show each from its start.
    for (QLineEdit *field : m_fields)
        field->setCursorPosition(0);
}
