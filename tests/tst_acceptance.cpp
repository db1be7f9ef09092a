#include "engine/convert/command_line.h"
#include "support/media_factory.h"
#include "support/queue_fixture.h"

#include <QtTest>

// The containers and codecs users bring, each converted through the queue to every preset the
// preset menu offers, and every output checked.
class TestAcceptance : public QObject
{
    Q_OBJECT

    struct Input
    {
        QString name;
        bool video;
        bool audio;
        double seconds;
    };

    QTemporaryDir m_dir;
    QString m_in;
    QList<Input> m_inputs;

    static QString VideoCodecName(VideoCodec codec)
    {
        switch (codec) {
        case VideoCodec::Mpeg1Video:
            return QStringLiteral("mpeg1video");
        case VideoCodec::Mpeg2Video:
            return QStringLiteral("mpeg2video");
        case VideoCodec::Mpeg4:
            return QStringLiteral("mpeg4");
        case VideoCodec::Wmv2:
            return QStringLiteral("wmv2");
        case VideoCodec::Libx264:
            return QStringLiteral("h264");
        case VideoCodec::Msmpeg4:
            return QStringLiteral("msmpeg4v3");
        case VideoCodec::DvVideo:
            return QStringLiteral("dvvideo");
        case VideoCodec::H263Cif:
            return QStringLiteral("h263");
        default: // the modern presets have a test program of their own
            break;
        }
        return QString();
    }

    static QString AudioCodecName(AudioCodec codec)
    {
        switch (codec) {
        case AudioCodec::Wmav2:
            return QStringLiteral("wmav2");
        case AudioCodec::Mp2:
            return QStringLiteral("mp2");
        case AudioCodec::Libmp3lame:
            return QStringLiteral("mp3");
        case AudioCodec::Libfaac:
            return QStringLiteral("aac");
        case AudioCodec::PcmS16le:
            return QStringLiteral("pcm_s16le");
        case AudioCodec::LibamrNb:
            return QStringLiteral("aac"); // no AMR encoder here
        default:
            break;
        }
        return QString();
    }

    void Make(const QString &name, bool video, bool audio, const QStringList &codecs,
              double seconds = 2)
    {
        testmedia::Clip clip;
        clip.size = QStringLiteral("160x120");
        clip.seconds = seconds;
        clip.video = video;
        clip.audio = audio;
        clip.codecArguments = codecs;
        QString log;
        QVERIFY2(testmedia::Make(m_in + name, clip, &log), qPrintable(name + log));
        m_inputs.append({name, video, audio, testmedia::Duration(m_in + name)});
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_in = m_dir.filePath(QStringLiteral("in")) + QLatin1Char('/');
        QDir().mkpath(m_in);
        Make(QStringLiteral("h264 aac.mp4"), true, true,
             {"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"});
        Make(QStringLiteral("matroska.mkv"), true, true,
             {"-c:v", "libx264", "-preset", "ultrafast", "-c:a", "libvorbis"});
        Make(QStringLiteral("vp9 opus.webm"), true, true,
             {"-c:v", "libvpx-vp9", "-deadline", "realtime", "-c:a", "libopus"});
        Make(QStringLiteral("theora vorbis.ogg"), true, true,
             {"-c:v", "libtheora", "-c:a", "libvorbis"});
        Make(QStringLiteral("quicktime.mov"), true, true, {"-c:v", "mpeg4", "-c:a", "aac"});
        Make(QStringLiteral("flash.flv"), true, true,
             {"-c:v", "flv1", "-c:a", "libmp3lame", "-ar", "44100"});
        Make(QStringLiteral("mpeg4 mp3.avi"), true, true, {"-c:v", "mpeg4", "-c:a", "libmp3lame"});
        Make(QStringLiteral("transport.ts"), true, true, {"-c:v", "mpeg2video", "-c:a", "mp2"});
        Make(QStringLiteral("wave.wav"), false, true, {});
        Make(QStringLiteral("lossless.flac"), false, true, {});
        Make(QStringLiteral("song.mp3"), false, true, {});
        Make(QStringLiteral("silent video.mp4"), true, false, {"-c:v", "mpeg4"});
        // An MP3 with a cover picture.
        QString log;
        QVERIFY(testmedia::RunFfmpeg({"-i",
                                      m_in + "song.mp3",
                                      "-f",
                                      "lavfi",
                                      "-i",
                                      "testsrc=size=64x64:duration=1",
                                      "-frames:v",
                                      "1",
                                      "-map",
                                      "0:a",
                                      "-map",
                                      "1:v",
                                      "-c:a",
                                      "copy",
                                      "-c:v",
                                      "mjpeg",
                                      "-disposition:v",
                                      "attached_pic",
                                      "-y",
                                      m_in + "covered song.mp3"},
                                     &log));
        // The cover is no video: the file is listed, and converted, as audio only.
        m_inputs.append({QStringLiteral("covered song.mp3"), false, true,
                         testmedia::Duration(m_in + "covered song.mp3")});
    }

    void everyInputToEveryPreset_data()
    {
        QTest::addColumn<int>("presetId");
        // The described presets; the modern ones (ids 28 and up) have their own matrix of inputs
        // and checks in tst_modern_presets.
        for (const PresetMenuGroup &group : PresetMenuGroups()) {
            for (int id : group.ids) {
                if (id <= 27)
                    QTest::newRow(PresetById(id)->menuText) << id;
            }
        }
    }

    void everyInputToEveryPreset()
    {
        QFETCH(int, presetId);
        const Preset *preset = PresetById(presetId);
        const QString out
            = m_dir.filePath(QStringLiteral("out-%1").arg(presetId)) + QLatin1Char('/');
        QueueFixture f(out, presetId);
        // Side by side, as the program converts by default: every output must still be right.
        f.queue.SetSlots(0);
        for (const Input &input : m_inputs)
            f.media.store().Append(ProbeItem(m_in, input.name));
        for (int row = 0; row < m_inputs.size(); ++row)
            QCOMPARE(f.media.Status(row), StateText(ItemState::Waiting));
        f.queue.ConvertAll();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 300000);

        const bool audioOnlyPreset = preset->videoCodec == VideoCodec::None;
        const bool needsBoth = QByteArray(preset->format) == "psp";
        for (int row = 0; row < m_inputs.size(); ++row) {
            const Input &input = m_inputs[row];
            const QString output
                = out + OutputBaseName(input.name) + QLatin1String(preset->extension);
            const QString what = input.name + QStringLiteral(": ") + f.StatusTip(row);
            // What the converter cannot make: no stream to write, or a container that wants both.
            const bool impossible
                = (audioOnlyPreset && !input.audio) || (needsBoth && !(input.video && input.audio));
            if (impossible) {
                QVERIFY2(f.media.Status(row) == StateText(ItemState::Failed), qPrintable(what));
                QVERIFY2(!f.StatusTip(row).isEmpty(), qPrintable(what));
                continue;
            }
            QVERIFY2(f.media.Status(row) == StateText(ItemState::Completed), qPrintable(what));
            QStringList expected;
            if (input.video && !audioOnlyPreset)
                expected << VideoCodecName(preset->videoCodec) + QStringLiteral(":video");
            if (input.audio)
                expected << AudioCodecName(preset->audioCodec) + QStringLiteral(":audio");
            QStringList streams = testmedia::Streams(output);
            if (audioOnlyPreset && !input.video) // a cover rides along where the container takes it
                streams.removeAll(QStringLiteral("mjpeg:video"));
            std::sort(streams.begin(), streams.end());
            std::sort(expected.begin(), expected.end());
            QVERIFY2(streams == expected, qPrintable(what + streams.join(QLatin1Char(' '))));
            const double duration = testmedia::Duration(output);
            QVERIFY2(qAbs(duration - input.seconds) <= 0.5,
                     qPrintable(what + QString::number(duration)));
        }
    }
};

QTEST_MAIN(TestAcceptance)
#include "tst_acceptance.moc"
