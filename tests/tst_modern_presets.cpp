#include "engine/convert/command_line.h"
#include "engine/convert/converter.h"
#include "support/files.h"
#include "support/media_factory.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

// Every modern preset run by the real converter over short generated inputs: a clip with video
// and audio, audio only (tagged), video only, and a file with subtitles for the stream copies.
// Each output is checked for its container, codecs, length, picture size and tags.
class TestModernPresets : public QObject
{
    Q_OBJECT

    struct Picture
    {
        int width = 0;
        int height = 0;
        double aspect = 0; // the display aspect ratio
        QString pixelFormat;
        QString tag;
    };

    // What ffprobe tells of a file, read in one run.
    struct Probed
    {
        QString format;
        QStringList streams; // "h264:video", "aac:audio" ...
        double seconds = -1;
        Picture picture; // of the first video stream
        QStringList tags; // of the file and its streams, "key=value", keys in lower case
    };

    struct Input
    {
        bool video;
        bool audio;
        bool subtitles;
        double seconds;
        Probed probed;
    };

    QTemporaryDir m_dir;
    QString m_in;
    QMap<QString, Input> m_inputs;

    bool Make(const QString &name, const QStringList &arguments)
    {
        QString log;
        if (!testmedia::RunFfmpeg(arguments + QStringList {QStringLiteral("-y"), m_in + name},
                                  &log)) {
            qWarning("%s: %s", qPrintable(name), qPrintable(log));
            return false;
        }
        const Probed probed = ProbeFile(m_in + name);
        m_inputs[name] = {!probed.streams.filter(QStringLiteral(":video")).isEmpty(),
                          !probed.streams.filter(QStringLiteral(":audio")).isEmpty(),
                          !probed.streams.filter(QStringLiteral(":subtitle")).isEmpty(),
                          probed.seconds, probed};
        return true;
    }

    static QStringList Lavfi(const QString &source) { return {"-f", "lavfi", "-i", source}; }

    static QString Probe(const QStringList &arguments)
    {
        QProcess p;
        p.start(testmedia::Ffprobe(), QStringList {"-v", "error"} + arguments);
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    static Probed ProbeFile(const QString &path)
    {
        const QJsonObject root
            = QJsonDocument::fromJson(
                  Probe({"-show_format", "-show_streams", "-of", "json", path}).toUtf8())
                  .object();
        Probed probed;
        const QJsonObject format = root.value("format").toObject();
        probed.format = format.value("format_name").toString();
        probed.seconds = format.value("duration").toString().toDouble();
        auto addTags = [&probed](const QJsonObject &owner) {
            const QJsonObject tags = owner.value("tags").toObject();
            for (auto it = tags.begin(); it != tags.end(); ++it)
                probed.tags << it.key().toLower() + '=' + it.value().toString();
        };
        addTags(format);
        for (const QJsonValue &value : root.value("streams").toArray()) {
            const QJsonObject stream = value.toObject();
            const QString type = stream.value("codec_type").toString();
            probed.streams << stream.value("codec_name").toString() + ':' + type;
            addTags(stream);
            if (type != QLatin1String("video") || probed.picture.width)
                continue;
            Picture &picture = probed.picture;
            picture.width = stream.value("width").toInt();
            picture.height = stream.value("height").toInt();
            picture.pixelFormat = stream.value("pix_fmt").toString();
            picture.tag = stream.value("codec_tag_string").toString();
            const QString sar = stream.value("sample_aspect_ratio").toString();
            double sarValue = 1;
            if (sar.contains(':') && !sar.startsWith(QLatin1String("0:")))
                sarValue = sar.section(':', 0, 0).toDouble() / sar.section(':', 1).toDouble();
            if (picture.height > 0)
                picture.aspect = picture.width * sarValue / picture.height;
        }
        return probed;
    }

    // The checksum of every packet of the streams `which` ("v", "a") selects, as the converter
    // computes it without decoding.
    static QString StreamHash(const QString &path, const QString &which)
    {
        QProcess p;
        p.start(testmedia::Ffmpeg(),
                {"-v", "error", "-nostdin", "-i", path, "-map", "0:" + which, "-c", "copy", "-f",
                 "streamhash", "-hash", "md5", "-"});
        p.waitForFinished(60000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    static QString CodecOf(VideoCodec codec)
    {
        switch (codec) {
        case VideoCodec::X264:
            return QStringLiteral("h264");
        case VideoCodec::X265:
            return QStringLiteral("hevc");
        case VideoCodec::Vp9:
            return QStringLiteral("vp9");
        case VideoCodec::Av1:
        case VideoCodec::Av1Aom:
            return QStringLiteral("av1");
        default:
            return QString();
        }
    }

    static QString CodecOf(AudioCodec codec)
    {
        switch (codec) {
        case AudioCodec::AacVideo:
        case AudioCodec::AacMusic:
            return QStringLiteral("aac");
        case AudioCodec::OpusVideo:
        case AudioCodec::OpusMusic:
            return QStringLiteral("opus");
        case AudioCodec::Flac:
            return QStringLiteral("flac");
        case AudioCodec::Mp3Vbr:
            return QStringLiteral("mp3");
        case AudioCodec::PcmMusic:
            return QStringLiteral("pcm_s16le");
        default:
            return QString();
        }
    }

    static QString ContainerOf(const QString &extension)
    {
        if (extension == QLatin1String(".mp4") || extension == QLatin1String(".m4a"))
            return QStringLiteral("mov,mp4,m4a,3gp,3g2,mj2");
        if (extension == QLatin1String(".webm") || extension == QLatin1String(".mkv"))
            return QStringLiteral("matroska,webm");
        if (extension == QLatin1String(".opus"))
            return QStringLiteral("ogg");
        return extension.mid(1);
    }

    // Runs preset `id` over input `name` as the program would; the converter's last words go to
    // `log`. True when the converter succeeded.
    bool Convert(int id, const QString &name, int sizeLimit, QString *output, QString *log)
    {
        const QString folder = m_dir.filePath(QStringLiteral("out-%1-%2/").arg(id).arg(sizeLimit));
        QDir().mkpath(folder);
        const Preset &preset = *PresetById(id);
        *output = folder + OutputBaseName(name) + preset.extension;
        const CommandInput input {m_in + name, m_inputs[name].audio && !m_inputs[name].video,
                                  sizeLimit, ReadStreams(m_in + name)};
        const QStringList arguments = BuildCommandLine(preset, Converter(), input, *output);
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(Converter().program, arguments);
        if (!p.waitForFinished(120000))
            p.kill();
        *log = arguments.join(QLatin1Char(' ')) + QLatin1Char('\n')
            + QString::fromUtf8(p.readAll()).trimmed();
        return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(!testmedia::Ffmpeg().isEmpty());
        QVERIFY(Converter().listed);
        m_in = m_dir.filePath(QStringLiteral("in")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(m_in));
        const QString video = QStringLiteral("testsrc=size=%1:rate=25:duration=1");
        const QString audio = QStringLiteral("sine=frequency=440:sample_rate=44100:duration=1");
        const QStringList x264 {"-c:v", "libx264", "-preset", "ultrafast"};
        QVERIFY(Make("av.mp4",
                     Lavfi(video.arg("160x120")) + Lavfi(audio) + x264
                         + QStringList {"-c:a", "aac", "-ac", "2"}));
        QVERIFY(Make("song.mp3",
                     Lavfi(audio)
                         + QStringList {"-metadata", "title=Kelvora Song", "-metadata",
                                        "artist=The Testers"}));
        // Ogg keeps its tags on the stream, not on the file.
        QVERIFY(Make("song.ogg",
                     Lavfi(audio)
                         + QStringList {"-c:a", "libvorbis", "-metadata:s:a", "title=Kelvora Song",
                                        "-metadata:s:a", "artist=The Testers"}));
        QVERIFY(Make("silent.mp4", Lavfi(video.arg("160x120")) + x264));
        QVERIFY(testfiles::WriteBytes(m_in + "subs.srt",
                                      "1\n00:00:00,000 --> 00:00:00,800\nHello\n\n"));
        QVERIFY(Make("subtitled.mkv",
                     QStringList {"-i", m_in + "av.mp4", "-i", m_in + "subs.srt", "-map", "0",
                                  "-map", "1", "-c", "copy"}));
        QCOMPARE(m_inputs["subtitled.mkv"].probed.streams,
                 (QStringList {"h264:video", "aac:audio", "subrip:subtitle"}));
        // Pictures larger than the limits, landscape, portrait and of odd size.
        QVERIFY(Make("landscape.mp4",
                     Lavfi("testsrc=size=720x540:rate=5:duration=1") + x264 + QStringList {}));
        QVERIFY(Make("portrait.mp4", Lavfi("testsrc=size=540x720:rate=5:duration=1") + x264));
        QVERIFY(Make("odd.mkv",
                     Lavfi("testsrc=size=161x121:rate=25:duration=1") + x264
                         + QStringList {"-pix_fmt", "yuv444p"}));
    }

    void everyModernPreset_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("input");
        for (const Preset &p : AllPresets()) {
            if (p.id < 28)
                continue;
            QStringList inputs {"av.mp4", "song.mp3", "silent.mp4"};
            if (p.videoCodec == VideoCodec::CopyStreams)
                inputs << QStringLiteral("subtitled.mkv");
            if (p.videoCodec == VideoCodec::None)
                inputs << QStringLiteral("song.ogg");
            for (const QString &input : inputs)
                QTest::addRow("%s, %s", p.menuText, qPrintable(input)) << p.id << input;
        }
    }

    void everyModernPreset()
    {
        QFETCH(int, id);
        QFETCH(QString, input);
        const Preset &preset = *PresetById(id);
        const Input in = m_inputs[input];
        const QByteArray before = testfiles::Checksum(m_in + input);
        QString output;
        QString log;
        const bool ok = Convert(id, input, 0, &output, &log);
        QCOMPARE(testfiles::Checksum(m_in + input), before);

        const bool copy = preset.videoCodec == VideoCodec::CopyStreams;
        const bool audioPreset = preset.videoCodec == VideoCodec::None;
        // What cannot be made: audio from a file without any; the converter says why.
        if (audioPreset && !in.audio) {
            QVERIFY2(!ok, qPrintable(log));
            return;
        }
        QVERIFY2(ok, qPrintable(log));
        const Probed out = ProbeFile(output);
        QCOMPARE(out.format, ContainerOf(QString(preset.extension)));

        QStringList expected;
        if (copy) {
            // MP4 holds SubRip subtitles as its own text.
            expected = in.probed.streams;
            if (QByteArray(preset.extension) == ".mp4")
                expected.replaceInStrings(QStringLiteral("subrip:"), QStringLiteral("mov_text:"));
        } else {
            if (in.video && !audioPreset)
                expected << CodecOf(preset.videoCodec) + QStringLiteral(":video");
            if (in.audio)
                expected << CodecOf(preset.audioCodec) + QStringLiteral(":audio");
        }
        QStringList streams = out.streams;
        if (!copy) {
            std::sort(streams.begin(), streams.end());
            std::sort(expected.begin(), expected.end());
        }
        QVERIFY2(streams == expected, qPrintable(streams.join(' ') + "\n" + log));
        QVERIFY2(qAbs(out.seconds - in.seconds) <= 0.5, qPrintable(QString::number(out.seconds)));

        if (in.video && !audioPreset) {
            const Picture &picture = out.picture;
            const Picture &source = in.probed.picture;
            QCOMPARE(picture.width, source.width);
            QCOMPARE(picture.height, source.height);
            if (!copy) {
                QCOMPARE(picture.pixelFormat, QStringLiteral("yuv420p"));
                if (preset.videoCodec == VideoCodec::X265)
                    QCOMPARE(picture.tag, QStringLiteral("hvc1"));
            }
        }
        if (copy && in.video)
            QCOMPARE(StreamHash(output, "v"), StreamHash(m_in + input, "v"));
        if (copy && in.audio)
            QCOMPARE(StreamHash(output, "a"), StreamHash(m_in + input, "a"));
        // MP4s start with their index, so that players can begin before the whole file is in.
        if (QByteArray(preset.extension) == ".mp4") {
            const QByteArray bytes = testfiles::ReadBytes(output);
            QVERIFY(bytes.indexOf("moov") >= 0);
            QVERIFY(bytes.indexOf("moov") < bytes.indexOf("mdat"));
        }
        if (audioPreset && (input == QLatin1String("song.mp3") || input == "song.ogg")) {
            const QStringList &tags = out.tags;
            QVERIFY2(tags.contains(QStringLiteral("title=Kelvora Song")),
                     qPrintable(tags.join(' ')));
            QVERIFY2(tags.contains(QStringLiteral("artist=The Testers")),
                     qPrintable(tags.join(' ')));
        }
    }

    // The three streams of a subtitled file come through the MKV copy unchanged: the same codecs
    // in the same order, the picture and the sound bit for bit.
    void remuxKeepsEveryStream()
    {
        QString output;
        QString log;
        QVERIFY2(Convert(40, QStringLiteral("subtitled.mkv"), 0, &output, &log), qPrintable(log));
        QCOMPARE(ProbeFile(output).streams,
                 (QStringList {"h264:video", "aac:audio", "subrip:subtitle"}));
        const QString videoHash = StreamHash(output, QStringLiteral("v"));
        QVERIFY(videoHash.contains(QLatin1String("MD5=")));
        QCOMPARE(videoHash, StreamHash(m_in + "subtitled.mkv", QStringLiteral("v")));
    }

    void sizeLimit_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QSize>("size");
        QTest::newRow("H.264, 480p") << 29 << "landscape.mp4" << 480 << QSize(640, 480);
        QTest::newRow("H.264, portrait, 480p") << 29 << "portrait.mp4" << 480 << QSize(480, 640);
        QTest::newRow("H.264, 720p never enlarges")
            << 29 << "landscape.mp4" << 720 << QSize(720, 540);
        QTest::newRow("H.265, 480p") << 32 << "landscape.mp4" << 480 << QSize(640, 480);
        QTest::newRow("VP9, portrait, 480p") << 36 << "portrait.mp4" << 480 << QSize(480, 640);
        QTest::newRow("AV1, 480p") << 39 << "landscape.mp4" << 480 << QSize(640, 480);
        QTest::newRow("H.264, odd size kept even") << 29 << "odd.mkv" << 0 << QSize(160, 120);
        QTest::newRow("AV1, odd size kept even") << 39 << "odd.mkv" << 1080 << QSize(160, 120);
        QTest::newRow("iPod ignores the limit") << 1 << "landscape.mp4" << 480 << QSize(720, 540);
    }

    void sizeLimit()
    {
        QFETCH(int, id);
        QFETCH(QString, input);
        QFETCH(int, limit);
        QFETCH(QSize, size);
        QString output;
        QString log;
        QVERIFY2(Convert(id, input, limit, &output, &log), qPrintable(log));
        const Probed out = ProbeFile(output);
        const Picture &picture = out.picture;
        QCOMPARE(QSize(picture.width, picture.height), size);
        QCOMPARE(picture.width % 2, 0);
        QCOMPARE(picture.height % 2, 0);
        const Picture &source = m_inputs[input].probed.picture;
        QVERIFY2(
            qAbs(picture.aspect / source.aspect - 1) < 0.01,
            qPrintable(QStringLiteral("%1 against %2").arg(picture.aspect).arg(source.aspect)));
        QVERIFY(qAbs(out.seconds - m_inputs[input].seconds) <= 0.5);
    }
};

QTEST_GUILESS_MAIN(TestModernPresets)
#include "tst_modern_presets.moc"
