#include "engine/media/probe.h"
#include "support/media_factory.h"
#include "ui/media/pro_dlg.h"
#include "ui/media/properties_dlg.h"
#include "ui/platform/dialog_units.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include <limits>

Q_DECLARE_METATYPE(MediaInfo)
Q_DECLARE_METATYPE(testmedia::Clip)

namespace {

constexpr int kFirstField = 1013;
constexpr int kLastField = 1021;

// The nine field texts in id order.
QStringList FieldTexts(const QWidget *page)
{
    QStringList texts;
    for (int id = kFirstField; id <= kLastField; ++id) {
        auto *field = page->findChild<QLineEdit *>(QStringLiteral("field%1").arg(id));
        texts << (field ? field->text() : QStringLiteral("<missing field %1>").arg(id));
    }
    return texts;
}

// A first stream's value as ffprobe reports it; 0 for a missing stream or "N/A".
qint64 StreamValue(const QString &path, const QString &stream, const QString &entry)
{
    QProcess p;
    p.start(testmedia::Ffprobe(),
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
             stream, QStringLiteral("-show_entries"), QStringLiteral("stream=") + entry,
             QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput())
        .section(QLatin1Char('\n'), 0, 0)
        .toLongLong();
}

QString NumberOrEmpty(qint64 value)
{
    return value ? QString::number(value) : QString();
}

// What a tab shows of its text: a single "&" marks a mnemonic and is not drawn, "&&" draws one.
QString ShownTabText(const QString &text)
{
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
                shown += text[++i];
            continue;
        }
        shown += text[i];
    }
    return shown;
}

// The properties window that a modal loop shows, or nullptr.
CPropertiesDlg *OpenPropertiesWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<CPropertiesDlg *>(w); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

} // namespace

class TestPropertiesDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layout_data();
    void layout();
    void sheetHoldsThePage();
    void tabCaption_data();
    void tabCaption();
    void probedMedia_data();
    void probedMedia();
    void unknownLengthFile();
    void unreadableFile_data();
    void unreadableFile();
    void fillFields_data();
    void fillFields();
    void fieldsAreReadOnly();
    void closing_data();
    void closing();
    void resizingMovesNothing_data();
    void resizingMovesNothing();
    void showPropertiesProbesAfreshOverADisabledOwner();
    void streamsPage_data();
    void streamsPage();

private:
    QTemporaryDir m_dir;
};

void TestPropertiesDlg::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("units");
    QTest::newRow("media group") << "mediaGroup"
                                 << "Media Information" << QRect(7, 7, 273, 57);
    QTest::newRow("video group") << "videoGroup"
                                 << "Video Information" << QRect(7, 72, 274, 79);
    QTest::newRow("audio group") << "audioGroup"
                                 << "Audio Information" << QRect(7, 159, 274, 96);
    QTest::newRow("duration label") << "label1013"
                                    << "Media Duration" << QRect(17, 25, 66, 8);
    QTest::newRow("bitrate label") << "label1014"
                                   << "Media Bitrate" << QRect(17, 44, 67, 8);
    QTest::newRow("video format label") << "label1015"
                                        << "Video Format" << QRect(17, 92, 67, 8);
    QTest::newRow("resolution label") << "label1016"
                                      << "Video Resolution" << QRect(17, 111, 70, 8);
    QTest::newRow("frame rate label") << "label1017"
                                      << "Frame Rate" << QRect(17, 130, 66, 8);
    QTest::newRow("audio format label") << "label1018"
                                        << "Audio Format" << QRect(17, 174, 68, 8);
    QTest::newRow("bit rate label") << "label1019"
                                    << "Bit Rate" << QRect(17, 195, 61, 8);
    QTest::newRow("sample rate label") << "label1020"
                                       << "Sample Rate" << QRect(17, 214, 63, 8);
    QTest::newRow("channels label") << "label1021"
                                    << "Channels" << QRect(17, 235, 58, 8);
    QTest::newRow("duration field") << "field1013" << QString() << QRect(93, 21, 178, 14);
    QTest::newRow("resolution field") << "field1016" << QString() << QRect(93, 107, 178, 14);
    QTest::newRow("channels field") << "field1021" << QString() << QRect(93, 231, 178, 14);
    QTest::newRow("close button") << "closeButton"
                                  << "Close" << QRect(253, 293, 50, 14);
}

void TestPropertiesDlg::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, units);
    CPropertiesDlg dialog(m_dir.filePath(QString()), QStringLiteral("none.mp4"));
    auto *widget = dialog.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), MapDialogRect(units, DialogFont()));
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *box = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(box->title(), text);
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
}

void TestPropertiesDlg::sheetHoldsThePage()
{
    CPropertiesDlg dialog(m_dir.filePath(QString()), QStringLiteral("none.mp4"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Properties"));
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.size(), MapDialogSize(QSize(316, 314), DialogFont()));

    auto *sheet = dialog.findChild<QTabWidget *>(QStringLiteral("propertySheet"));
    QVERIFY(sheet);
    QCOMPARE(sheet->pos(), QPoint(10, 8));
    QCOMPARE(sheet->count(), 1);
    auto *page = sheet->findChild<CProDlg *>(QStringLiteral("propertiesPage"));
    QVERIFY(page);
    QCOMPARE(sheet->widget(0), page);
    // The sheet takes the size that shows the whole page.
    QCOMPARE(page->size(), MapDialogSize(QSize(290, 266), DialogFont()));
    QVERIFY(sheet->rect().contains(QRect(page->mapTo(sheet, QPoint(0, 0)), page->size())));
    // The button stays clickable where the sheet reaches down to it.
    auto *close = dialog.findChild<QPushButton *>(QStringLiteral("closeButton"));
    QCOMPARE(dialog.childAt(close->geometry().center()), close);
}

void TestPropertiesDlg::tabCaption_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plain") << "holiday clip.mp4";
    QTest::newRow("ampersand") << "Tom & Jerry.avi";
    QTest::newRow("non-Latin") << QString::fromUtf8("\xe5\xa4\x8f\xe5\xa4\xa9.mp3");
}

void TestPropertiesDlg::tabCaption()
{
    QFETCH(QString, fileName);
    CPropertiesDlg dialog(m_dir.filePath(QString()), fileName);
    auto *sheet = dialog.findChild<QTabWidget *>(QStringLiteral("propertySheet"));
    QVERIFY(sheet);
    QCOMPARE(ShownTabText(sheet->tabText(0)), fileName);
}

void TestPropertiesDlg::probedMedia_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<testmedia::Clip>("clip");
    QTest::addColumn<QString>("videoFormat");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<QString>("audioFormat");

    testmedia::Clip mp4;
    mp4.size = QStringLiteral("640x480");
    mp4.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "aac"};
    QTest::newRow("MPEG-4 and AAC at 25 fps") << "pal.mp4" << mp4 << "Mpeg4 Video"
                                              << "640x480"
                                              << "25.0000"
                                              << "AAC";

    testmedia::Clip ntsc = mp4;
    ntsc.frameRate = QStringLiteral("30000/1001");
    ntsc.sampleRate = 48000;
    ntsc.channels = 1;
    ntsc.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "libmp3lame"};
    QTest::newRow("MPEG-4 and MP3 at 30000/1001 fps") << "ntsc.avi" << ntsc << "Mpeg4 Video"
                                                      << "640x480"
                                                      << "29.9700"
                                                      << "MP3";

    testmedia::Clip mp3;
    mp3.video = false;
    mp3.codecArguments = QStringList {"-c:a", "libmp3lame", "-b:a", "128k"};
    QTest::newRow("audio-only MP3")
        << "song.mp3" << mp3 << QString() << QString() << QString() << "MP3";
}

void TestPropertiesDlg::probedMedia()
{
    QFETCH(QString, fileName);
    QFETCH(testmedia::Clip, clip);
    QFETCH(QString, videoFormat);
    QFETCH(QString, resolution);
    QFETCH(QString, frameRate);
    QFETCH(QString, audioFormat);
    const QString path = m_dir.filePath(fileName);
    QString log;
    QVERIFY2(testmedia::Make(path, clip, &log), qPrintable(log));

    const qint64 audioBitRate
        = StreamValue(path, QStringLiteral("a:0"), QStringLiteral("bit_rate"));
    const qint64 videoBitRate
        = StreamValue(path, QStringLiteral("v:0"), QStringLiteral("bit_rate"));
    QVERIFY(audioBitRate > 0);

    CPropertiesDlg dialog(m_dir.path() + QLatin1Char('/'), fileName);
    dialog.show();
    const QStringList expected {QStringLiteral("00:00:02"),
                                NumberOrEmpty(audioBitRate + videoBitRate),
                                videoFormat,
                                resolution,
                                frameRate,
                                audioFormat,
                                QString::number(audioBitRate),
                                QString::number(clip.sampleRate),
                                QString::number(clip.channels)};
    const QStringList shown = FieldTexts(dialog.Page());
    QCOMPARE(shown, expected);
    if (!clip.video)
        QCOMPARE(shown[1], shown[6]);
}

// A file whose container states no length: the length reads "Unknown", the rest is filled.
void TestPropertiesDlg::unknownLengthFile()
{
    const QString fileName = QStringLiteral("piped.flac");
    QString log;
    QVERIFY2(testmedia::MakeUnknownLength(m_dir.filePath(fileName), &log), qPrintable(log));

    CPropertiesDlg dialog(m_dir.path() + QLatin1Char('/'), fileName);
    dialog.show();
    const QStringList shown = FieldTexts(dialog.Page());
    QCOMPARE(shown[0], QStringLiteral("Unknown"));
    QCOMPARE(shown[7], QStringLiteral("44100"));
    QCOMPARE(shown[8], QStringLiteral("1"));
}

void TestPropertiesDlg::unreadableFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << "gone.mp4" << QByteArray() << false;
    QTest::newRow("text named .mp4") << "notes.mp4" << QByteArray("just some text\n") << true;
    QTest::newRow("empty") << "empty.avi" << QByteArray() << true;
    QTest::newRow("subtitles only")
        << "words.srt" << QByteArray("1\n00:00:01,000 --> 00:00:02,000\nHello\n\n") << true;
}

void TestPropertiesDlg::unreadableFile()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    if (exists) {
        QFile file(m_dir.filePath(fileName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    CPropertiesDlg dialog(m_dir.path() + QLatin1Char('/'), fileName);
    dialog.show();
    QStringList expected(kLastField - kFirstField + 1, QString());
    expected[0] = QStringLiteral("00:00:00");
    QCOMPARE(FieldTexts(dialog.Page()), expected);
}

void TestPropertiesDlg::fillFields_data()
{
    QTest::addColumn<MediaInfo>("info");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("expected");

    const auto blankBut = [](int index, const QString &text) {
        QStringList texts(kLastField - kFirstField + 1, QString());
        texts[0] = QStringLiteral("00:00:00");
        texts[index] = text;
        return texts;
    };
    MediaInfo info;
    QTest::newRow("nothing known") << info << "C" << blankBut(0, QStringLiteral("00:00:00"));

    info = MediaInfo();
    info.width = 640;
    QTest::newRow("zero height") << info << "C" << blankBut(3, QString());
    info.height = 480;
    QTest::newRow("640 by 480") << info << "C" << blankBut(3, QStringLiteral("640x480"));
    info.width = 0;
    QTest::newRow("zero width") << info << "C" << blankBut(3, QString());

    info = MediaInfo();
    info.frameRate = float(30000.0 / 1001.0);
    QTest::newRow("30000/1001 fps") << info << "C" << blankBut(4, QStringLiteral("29.9700"));
    info.frameRate = 25;
    QTest::newRow("25 fps, German locale")
        << info << "de_DE" << blankBut(4, QStringLiteral("25.0000"));

    info = MediaInfo();
    info.durationSeconds = 3723;
    QTest::newRow("duration") << info << "C" << blankBut(0, QStringLiteral("01:02:03"));
    // A container that states no length.
    info.durationSeconds = 0;
    info.durationKnown = false;
    QTest::newRow("unknown duration") << info << "C" << blankBut(0, QStringLiteral("Unknown"));

    info = MediaInfo();
    info.audioBitRate = 2'100'000'000;
    info.videoBitRate = 2'000'000'000;
    QStringList texts = blankBut(1, QStringLiteral("4100000000"));
    texts[6] = QStringLiteral("2100000000");
    QTest::newRow("two large bit rates") << info << "C" << texts;

    info = MediaInfo();
    info.videoBitRate = 800000;
    QTest::newRow("video bit rate only") << info << "C" << blankBut(1, QStringLiteral("800000"));

    info = MediaInfo();
    info.videoCodecId = AV_CODEC_ID_H264;
    info.audioCodecId = AV_CODEC_ID_VORBIS;
    info.sampleRate = 22050;
    info.channels = 6;
    texts = blankBut(2, QStringLiteral("H264 Video"));
    texts[5] = QStringLiteral("VORBIS");
    texts[7] = QStringLiteral("22050");
    texts[8] = QStringLiteral("6");
    QTest::newRow("codecs, sample rate, channels") << info << "C" << texts;
}

void TestPropertiesDlg::fillFields()
{
    QFETCH(MediaInfo, info);
    QFETCH(QString, locale);
    QFETCH(QStringList, expected);
    const QLocale previous;
    QLocale::setDefault(QLocale(locale));

    CProDlg page;
    // Every field holds something first, so that what must be empty is seen to be emptied.
    MediaInfo busy;
    busy.videoCodecId = AV_CODEC_ID_MPEG4;
    busy.audioCodecId = AV_CODEC_ID_AAC;
    busy.durationSeconds = 59;
    busy.width = 320;
    busy.height = 240;
    busy.videoBitRate = 1000;
    busy.frameRate = 10;
    busy.audioBitRate = 64000;
    busy.channels = 2;
    busy.sampleRate = 44100;
    page.FillFields(busy);
    QVERIFY(!FieldTexts(&page).contains(QString()));

    page.FillFields(info);
    const QStringList shown = FieldTexts(&page);
    QLocale::setDefault(previous);
    QCOMPARE(shown, expected);
}

void TestPropertiesDlg::fieldsAreReadOnly()
{
    CProDlg page;
    MediaInfo info;
    page.FillFields(info);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    for (int id = kFirstField; id <= kLastField; ++id) {
        QLineEdit *field = page.Field(id);
        QVERIFY(field);
        const QString before = field->text();
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("12"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), before);
    }
}

void TestPropertiesDlg::closing_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Close button") << true;
    QTest::newRow("title bar") << false;
}

void TestPropertiesDlg::closing()
{
    QFETCH(bool, byButton);
    CPropertiesDlg dialog(m_dir.filePath(QString()), QStringLiteral("none.mp4"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy finished(&dialog, &QDialog::finished);
    if (byButton) {
        auto *close = dialog.findChild<QPushButton *>(QStringLiteral("closeButton"));
        QVERIFY(close);
        QTest::mouseClick(close, Qt::LeftButton);
    } else {
        dialog.close();
    }
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
    QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
}

void TestPropertiesDlg::resizingMovesNothing_data()
{
    QTest::addColumn<QSize>("change");
    QTest::newRow("larger") << QSize(240, 160);
    QTest::newRow("smaller") << QSize(-200, -180);
}

void TestPropertiesDlg::resizingMovesNothing()
{
    QFETCH(QSize, change);
    CPropertiesDlg dialog(m_dir.filePath(QString()), QStringLiteral("none.mp4"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QList<QWidget *> children = dialog.findChildren<QWidget *>();
    QVERIFY(children.size() > 20);
    QList<QRect> before;
    for (const QWidget *child : children)
        before << child->geometry();

    const QSize wanted = dialog.size() + change;
    dialog.resize(wanted);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.size(), wanted, 5000);
    for (int i = 0; i < children.size(); ++i)
        QCOMPARE(children[i]->geometry(), before[i]);
}

void TestPropertiesDlg::showPropertiesProbesAfreshOverADisabledOwner()
{
    const QString folder = m_dir.path() + QStringLiteral("/changing/");
    QVERIFY(QDir().mkpath(folder));
    const QString name = QStringLiteral("clip.mp4");
    QWidget mainWindow;
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));

    struct Seen
    {
        bool found = false;
        bool ownerEnabled = true;
        bool dialogEnabled = false;
        bool modal = false;
        QString resolution;
    };
    const auto showAndClose = [&]() {
        Seen seen;
        QTimer::singleShot(0, [&seen, &mainWindow]() {
            CPropertiesDlg *dialog = OpenPropertiesWindow();
            if (!dialog)
                return;
            seen.found = true;
            seen.ownerEnabled = mainWindow.isEnabled();
            seen.dialogEnabled = dialog->isEnabled();
            seen.modal = QApplication::activeModalWidget() == dialog;
            seen.resolution = dialog->Page()->Field(1016)->text();
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("closeButton")),
                              Qt::LeftButton);
        });
        CPropertiesDlg::ShowProperties(&mainWindow, folder, name);
        return seen;
    };

    const QStringList sizes {QStringLiteral("640x480"), QStringLiteral("320x240")};
    for (const QString &size : sizes) {
        testmedia::Clip clip;
        clip.seconds = 1;
        clip.size = size;
        QString log;
        QVERIFY2(testmedia::Make(folder + name, clip, &log), qPrintable(log));

        const Seen seen = showAndClose();
        QVERIFY(seen.found);
        QVERIFY(!seen.ownerEnabled);
        QVERIFY(seen.dialogEnabled);
        QVERIFY(seen.modal);
        QCOMPARE(seen.resolution, size);
        QVERIFY(mainWindow.isEnabled());
        QVERIFY(!OpenPropertiesWindow());
    }
}

QTEST_MAIN(TestPropertiesDlg)
#include "tst_properties_dlg.moc"

void TestPropertiesDlg::streamsPage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("rows"); // each stream's cells, joined by "|"
    QTest::newRow("a film") << "film.mkv"
                            << QStringList {"0|Video|H.264|||160x120",
                                            "1|Audio|AAC|English (eng)||1 channel",
                                            "2|Audio|AAC|German (ger)|Deutsch|1 channel, default",
                                            "3|Subtitles|SubRip|English (eng)||",
                                            "4|Subtitles|PGS|||pictures",
                                            "5|Subtitles|PGS|||pictures"};
    QTest::newRow("a song") << "song.mp3"
                            << QStringList {"0|Audio|MP3|||1 channel",
                                            "1|Cover|Motion JPEG|||64x64"};
}

// Every stream is listed, so that a user sees before converting what the file holds.
void TestPropertiesDlg::streamsPage()
{
    QFETCH(QString, file);
    QFETCH(QStringList, rows);
    const QString folder = m_dir.filePath(QStringLiteral("rich/"));
    QString log;
    QVERIFY2(QFileInfo::exists(folder + file)
                 || (QDir().mkpath(folder) && testmedia::MakeRichMedia(folder, &log)),
             qPrintable(log));
    CPropertiesDlg dialog(folder, file);
    auto *list = dialog.findChild<QTreeWidget *>(QStringLiteral("streamList"));
    QVERIFY(list);
    QStringList shown;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells << list->topLevelItem(row)->text(column);
        shown << cells.join(QLatin1Char('|'));
    }
    QCOMPARE(shown, rows);
}
