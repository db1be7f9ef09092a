// The properties window of one listed file.
#include "ui/media/properties_dlg.h"

#include "engine/media/codec_names.h"
#include "engine/media/probe.h"
#include "engine/media/streams.h"
#include "res/resource.h"
#include "ui/media/pro_dlg.h"
#include "ui/platform/dialog_units.h"

#include <QCoreApplication>
#include <QHash>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

QString KindText(StreamFacts::Kind kind)
{
    static const char *const kTexts[] = {
        QT_TRANSLATE_NOOP("Properties", "Video"),         QT_TRANSLATE_NOOP("Properties", "Audio"),
        QT_TRANSLATE_NOOP("Properties", "Subtitles"),     QT_TRANSLATE_NOOP("Properties", "Cover"),
        QT_TRANSLATE_NOOP("Properties", "Attached file"), QT_TRANSLATE_NOOP("Properties", "Data"),
    };
    return QCoreApplication::translate("Properties", kTexts[static_cast<int>(kind)]);
}

// The language's name with the file's code: "German (ger)".
QString LanguageText(const QString &code)
{
    const QLocale::Language language = QLocale::codeToLanguage(code, QLocale::AnyLanguageCode);
    if (code.isEmpty() || language == QLocale::AnyLanguage)
        return code;
    return QStringLiteral("%1 (%2)").arg(QLocale::languageToString(language), code);
}

// Subtitle formats by the names users know them by; the library's are long descriptions.
QString CodecText(const QString &codec)
{
    static const QHash<QString, QString> kSubtitles {
        {QStringLiteral("hdmv_pgs_subtitle"), QStringLiteral("PGS")},
        {QStringLiteral("dvd_subtitle"), QStringLiteral("VobSub")},
        {QStringLiteral("dvb_subtitle"), QStringLiteral("DVB")},
        {QStringLiteral("subrip"), QStringLiteral("SubRip")},
        {QStringLiteral("ass"), QStringLiteral("ASS")},
        {QStringLiteral("webvtt"), QStringLiteral("WebVTT")},
        {QStringLiteral("mov_text"), QStringLiteral("MP4 text")},
    };
    return kSubtitles.value(codec, CodecDisplayName(codec));
}

QString DetailText(const StreamFacts &stream)
{
    QStringList details;
    if (stream.width > 0 && stream.kind != StreamFacts::Kind::Subtitle)
        details << QStringLiteral("%1x%2").arg(stream.width).arg(stream.height);
    if (stream.channels == 1)
        details << QCoreApplication::translate("Properties", "1 channel");
    else if (stream.channels > 1)
        details << QCoreApplication::translate("Properties", "%n channels", nullptr,
                                               stream.channels);
    if (stream.pictureSubtitle)
        details << QCoreApplication::translate("Properties", "pictures");
    if (stream.isDefault)
        details << QCoreApplication::translate("Properties", "default");
    if (stream.forced)
        details << QCoreApplication::translate("Properties", "forced");
    return details.join(QStringLiteral(", "));
}

// The page that lists every stream of the file, so that a user sees what a conversion carries.
QTreeWidget *StreamList(const InputStreams &streams)
{
    auto *list = new QTreeWidget;
    list->setObjectName(QStringLiteral("streamList"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({QCoreApplication::translate("Properties", "#"),
                           QCoreApplication::translate("Properties", "Type"),
                           QCoreApplication::translate("Properties", "Codec"),
                           QCoreApplication::translate("Properties", "Language"),
                           QCoreApplication::translate("Properties", "Title"),
                           QCoreApplication::translate("Properties", "Details")});
    for (const StreamFacts &stream : streams.streams)
        list->addTopLevelItem(new QTreeWidgetItem(
            {QString::number(stream.index), KindText(stream.kind), CodecText(stream.codec),
             LanguageText(stream.language), stream.title, DetailText(stream)}));
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return list;
}

} // namespace

CPropertiesDlg::CPropertiesDlg(const QString &location, const QString &fileName, QWidget *parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("propertiesDialog"));
    setWindowTitle(QCoreApplication::translate("Properties", "Properties"));
    setModal(true);
    const QFont font = DialogFont();
    setFont(font);
    // No size limits and no layouts: the user may resize the window, and what it holds stays
    // where the layout puts it.
    resize(MapDialogSize(SizeUnits(), font));

    m_close = new QPushButton(QCoreApplication::translate("Properties", "Close"), this);
    m_close->setObjectName(QStringLiteral("closeButton"));
    m_close->setProperty("controlId", IDC_PROPERTIES_CLOSE);
    m_close->setGeometry(MapDialogRect(CloseUnits(), font));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    OnInitDialog(location, fileName);
}

void CPropertiesDlg::OnInitDialog(const QString &location, const QString &fileName)
{
    m_sheet = new QTabWidget(this);
    m_sheet->setObjectName(QStringLiteral("propertySheet"));
    m_page = new CProDlg(m_sheet);
    // A tab text treats "&" as a mnemonic mark; doubled, it shows as itself.
    QString caption = fileName;
    m_sheet->addTab(m_page, caption.replace(QLatin1Char('&'), QLatin1String("&&")));
    m_sheet->setGeometry(QRect(SheetPosition(), m_sheet->sizeHint()));
    // A page widened for its captions widens the window, the Close button keeping its place at
    // the right.
    const int grown = m_page->width() - MapDialogSize(CProDlg::SizeUnits(), font()).width();
    if (grown > 0) {
        resize(width() + grown, height());
        m_close->move(m_close->x() + grown, m_close->y());
    }
    // Created after the button, the sheet would cover it where the two overlap.
    m_close->raise();

    MediaInfo info;
    ProbeMedia(location, fileName, info);
    m_page->FillFields(info);
    const InputStreams streams = ReadStreams(location + fileName);
    if (!streams.streams.empty())
        m_sheet->addTab(StreamList(streams), QCoreApplication::translate("Properties", "Streams"));
}

void CPropertiesDlg::ShowProperties(QWidget *mainWindow, const QString &location,
                                    const QString &fileName)
{
    // Only what is disabled here is enabled again: an owner that was disabled already stays so.
    const bool disableOwner = mainWindow && mainWindow->isEnabled();
    if (disableOwner)
        mainWindow->setEnabled(false);
    CPropertiesDlg dialog(location, fileName, mainWindow);
    dialog.exec();
    if (disableOwner)
        mainWindow->setEnabled(true);
}
