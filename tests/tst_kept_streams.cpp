#include "engine/media/media_store.h"
#include "support/media_factory.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

const QString kProgram = QStringLiteral(KELVORA_CONVERT_PROGRAM);

// What ffprobe sees of a file, in short words: "streams v1 a2 s1 c0" (video, audio, subtitles,
// covers), one word a stream ("audio:aac:ger:default", "video:h264:yuv420p:bt709",
// "cover:mjpeg"), the picture's "size=WxH", "chapters=N" and every tag "key=value".
QStringList Summary(const QString &path)
{
    QProcess probe;
    probe.start(
        testmedia::Ffprobe(),
        {"-v", "error", "-show_format", "-show_streams", "-show_chapters", "-of", "json", path});
    probe.waitForFinished(60000);
    const QJsonObject root = QJsonDocument::fromJson(probe.readAllStandardOutput()).object();
    QStringList words;
    QMap<QChar, int> counts {{'v', 0}, {'a', 0}, {'s', 0}, {'c', 0}};
    const auto tags = [&words](const QJsonObject &owner) {
        const QJsonObject all = owner.value("tags").toObject();
        for (auto it = all.begin(); it != all.end(); ++it)
            words << it.key().toLower() + '=' + it.value().toString();
    };
    tags(root.value("format").toObject());
    for (const QJsonValue &value : root.value("streams").toArray()) {
        const QJsonObject stream = value.toObject();
        const QJsonObject disposition = stream.value("disposition").toObject();
        QString type = stream.value("codec_type").toString();
        if (disposition.value("attached_pic").toInt())
            type = QStringLiteral("cover");
        if (!counts.contains(type.at(0)))
            continue;
        ++counts[type.at(0)];
        QStringList word {type, stream.value("codec_name").toString()};
        if (type == QLatin1String("video")) {
            word << stream.value("pix_fmt").toString() << stream.value("color_transfer").toString();
            words << QStringLiteral("size=%1x%2")
                         .arg(stream.value("width").toInt())
                         .arg(stream.value("height").toInt());
        }
        const QString language = stream.value("tags")["language"].toString();
        if (!language.isEmpty() && language != QLatin1String("und"))
            word << language;
        for (const char *flag : {"default", "forced"}) {
            if (disposition.value(flag).toInt() && type != QLatin1String("video"))
                word << flag;
        }
        words << word.join(':');
        tags(stream);
    }
    QString streams = QStringLiteral("streams");
    for (const QChar type : QStringLiteral("vasc"))
        streams += QStringLiteral(" %1%2").arg(type).arg(counts[type]);
    words << streams;
    words << QStringLiteral("chapters=%1").arg(root.value("chapters").toArray().size());
    return words;
}

} // namespace

// Files with several audio languages, subtitles, chapters, dates, a place, a cover or HDR, each
// converted by kelvora-convert as a user runs it, the output read back with ffprobe.
class TestKeptStreams : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        QString log;
        QVERIFY2(testmedia::MakeRichMedia(m_dir.path() + '/', &log), qPrintable(log));
    }

    void everythingArrives_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("expected"); // words the output's summary holds
        QTest::addColumn<QString>("leftOut"); // the JSON reason of the converted file

        const QString date = QStringLiteral("creation_time=2016-07-04T10:00:00.000000Z");
        const QString mp4Pictures = QStringLiteral("2 picture subtitle tracks cannot go into MP4");
        const QStringList none;
        // MP4 enables the first track of each kind, subtitles too.
        QTest::newRow("H.264 MP4: both languages, subtitles as text, chapters, date")
            << 29 << "film.mkv" << none
            << QStringList {"streams v1 a2 s1 c0",
                            "audio:aac:eng",
                            "audio:aac:ger:default",
                            "handler_name=Deutsch",
                            "subtitle:mov_text:eng:default",
                            "chapters=2",
                            date}
            << mp4Pictures;
        QTest::newRow("H.265 MP4")
            << 32 << "film.mkv" << none
            << QStringList {"streams v1 a2 s1 c0", "audio:aac:ger:default",
                            "subtitle:mov_text:eng:default", "chapters=2", date}
            << mp4Pictures;
        QTest::newRow("AV1 MKV keeps picture subtitles as they are")
            << 39 << "film.mkv" << none
            << QStringList {"streams v1 a2 s3 c0",
                            "audio:opus:eng",
                            "audio:opus:ger:default",
                            "title=Deutsch",
                            "subtitle:subrip:eng",
                            "subtitle:hdmv_pgs_subtitle",
                            "chapters=2",
                            date}
            << QString();
        QTest::newRow("VP9 WebM: WebVTT")
            << 36 << "film.mkv" << none
            << QStringList {"streams v1 a2 s1 c0", "subtitle:webvtt:eng"}
            << "2 picture subtitle tracks cannot go into WebM";
        QTest::newRow("MP4 copy: SubRip becomes MP4's own text")
            << 41 << "film.mkv" << none
            << QStringList {"streams v1 a2 s1 c0", "subtitle:mov_text:eng:default",
                            "handler_name=Deutsch"}
            << mp4Pictures;
        QTest::newRow("iPod: the default track alone")
            << 0 << "film.mkv" << none
            << QStringList {"streams v1 a1 s1 c0", "audio:aac:ger:default"} << mp4Pictures;
        QTest::newRow("AVI holds no subtitles")
            << 22 << "film.mkv" << none << QStringList {"streams v1 a2 s0 c0"}
            << "3 subtitle tracks cannot go into AVI";
        QTest::newRow("phone clip: date, place, turn, file date")
            << 29 << "phone.mp4" << none
            << QStringList {date, "location=+48.8577+002.2950/", "size=120x160", "input's date"}
            << QString();
        QTest::newRow("phone clip, --no-keep-dates")
            << 29 << "phone.mp4" << QStringList {"--no-keep-dates"}
            << QStringList {date, "dated now"} << QString();
        for (const int preset : {42, 45, 44, 43})
            QTest::addRow("song's cover, preset %d", preset)
                << preset << "song.mp3" << none
                << QStringList {"streams v0 a1 s0 c1", "cover:mjpeg", "title=Kelvora Song"}
                << QString();
        QTest::newRow("HDR10 into H.264: tone-mapped to BT.709")
            << 29 << "hdr.mp4" << none << QStringList {"video:h264:yuv420p:bt709"} << QString();
        QTest::newRow("HDR10 into H.265: 10-bit PQ")
            << 32 << "hdr.mp4" << none << QStringList {"video:hevc:yuv420p10le:smpte2084"}
            << QString();
    }

    void everythingArrives()
    {
        QFETCH(int, preset);
        QFETCH(QString, input);
        QFETCH(QStringList, options);
        QFETCH(QStringList, expected);
        QFETCH(QString, leftOut);
        const QString in = m_dir.filePath(input);
        const QString out = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        QProcess convert;
        convert.start(kProgram,
                      QStringList {"--json", "-p", QString::number(preset), "-o", out} + options
                          + QStringList {in});
        QVERIFY(convert.waitForFinished(300000));
        const QByteArray report = convert.readAllStandardOutput();
        const QJsonObject line = QJsonDocument::fromJson(report).object();
        QVERIFY2(line.value("status") == StateKey(ItemState::Completed),
                 report + convert.readAllStandardError());
        QCOMPARE(line.value("reason").toString(), leftOut);
        const QString output = line.value("output").toString();
        QStringList words = Summary(output);
        words << (QFileInfo(output).lastModified() == QFileInfo(in).lastModified() ? "input's date"
                                                                                   : "dated now");
        for (const QString &word : expected)
            QVERIFY2(words.contains(word), qPrintable(word + " not in: " + words.join(", ")));
    }
};

QTEST_GUILESS_MAIN(TestKeptStreams)
#include "tst_kept_streams.moc"
