#include "engine/convert/failure_reason.h"
#include "engine/media/probe.h"
#include "support/media_factory.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavcodec/avcodec.h>
}

using Steps = QList<QStringList>;

namespace {

QStringList VideoInput(const QString &size, const QString &rate, double seconds = 2)
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("testsrc=size=%1:rate=%2:duration=%3").arg(size, rate).arg(seconds)};
}

QStringList AudioInput(int sampleRate, double seconds = 2)
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            QStringLiteral("sine=frequency=440:sample_rate=%1:duration=%2")
                .arg(sampleRate)
                .arg(seconds)};
}

QStringList Args(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The duration column's value for a file whose container states no length.
constexpr qint64 kNoLength = -1;
// The length ffprobe reads, for files whose writer stores no true one.
constexpr qint64 kAsFfprobeReads = -2;

// A record full of values that a probe must overwrite.
MediaInfo Filled()
{
    MediaInfo info;
    info.videoCodecId = info.audioCodecId = info.durationSeconds = 7;
    info.width = info.height = info.videoBitRate = info.audioBitRate = 7;
    info.channels = info.sampleRate = 7;
    info.frameRate = 7;
    info.durationKnown = false;
    info.outcome = ProbeOutcome::NoStreams;
    return info;
}

// What a probe that learns nothing but the outcome leaves: zeros, and a length that is not
// unknown (the file has none to speak of).
bool AllButOutcomeZero(const MediaInfo &info)
{
    return info.videoCodecId == 0 && info.audioCodecId == 0 && info.durationSeconds == 0
        && info.durationKnown && info.width == 0 && info.height == 0 && info.videoBitRate == 0
        && info.frameRate == 0 && info.audioBitRate == 0 && info.channels == 0
        && info.sampleRate == 0;
}

// The bit rate that ffprobe reports for the first stream matching `selector` ("V:0" is the first
// video stream that is not a cover picture, "a:0" the first audio stream); 0 for none.
qint32 FfprobeBitRate(const QString &path, const QString &selector)
{
    QProcess p;
    p.start(testmedia::Ffprobe(),
            {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
             selector, QStringLiteral("-show_entries"), QStringLiteral("stream=bit_rate"),
             QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed().toInt();
}

QString CodecName(int id)
{
    return id == 0 ? QString() : QString::fromLatin1(avcodec_get_name(AVCodecID(id)));
}

// Everything written to the process's standard error while it lives.
class StderrCapture
{
public:
    StderrCapture()
    {
        file_.open();
        std::fflush(stderr);
        saved_ = ::dup(STDERR_FILENO);
        ::dup2(file_.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { Restore(); }
    QByteArray Restore()
    {
        if (saved_ >= 0) {
            std::fflush(stderr);
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
            saved_ = -1;
        }
        file_.seek(0);
        return file_.readAll();
    }

private:
    QTemporaryFile file_;
    int saved_ = -1;
};

// Probes on a thread of its own so that a probe that blocks fails the test instead of hanging
// it. `unblock` is run when the probe has not come back by the time the test gives up.
class ProbeThread
{
public:
    ProbeThread(const QString &folder, const QString &name, const MediaInfo &start,
                std::function<void()> unblock = {})
        : state_(std::make_shared<State>())
        , unblock_(std::move(unblock))
    {
        state_->info = start;
        auto state = state_;
        thread_ = std::thread([state, folder, name] {
            ProbeMedia(folder, name, state->info);
            state->done = true;
        });
    }
    ~ProbeThread()
    {
        if (!state_->done && unblock_)
            unblock_();
        thread_.detach();
    }
    bool Done() const { return state_->done; }
    const MediaInfo &Info() const { return state_->info; }

private:
    struct State
    {
        MediaInfo info;
        std::atomic<bool> done {false};
    };
    std::shared_ptr<State> state_;
    std::function<void()> unblock_;
    std::thread thread_;
};

} // namespace

class TestProbe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void generatedFiles_data();
    void generatedFiles();
    void unknownLength_data();
    void unknownLength();
    void unusableFiles_data();
    void unusableFiles();
    void pathsAreTakenAsTheyAre_data();
    void pathsAreTakenAsTheyAre();
    void unconvertibleVideoCodec_data();
    void unconvertibleVideoCodec();

private:
    QTemporaryDir dir_;
    QString folder_;
};

void TestProbe::initTestCase()
{
    QVERIFY(dir_.isValid());
    QVERIFY2(!testmedia::Ffmpeg().isEmpty(), "ffmpeg is needed to make the test media");
    QVERIFY2(!testmedia::Ffprobe().isEmpty(), "ffprobe is needed to check bit rates");
    folder_ = dir_.path() + QLatin1Char('/');
}

void TestProbe::generatedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Steps>("steps"); // converter runs; "%d/" is the test folder, "%o" the file
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("videoCodec");
    QTest::addColumn<QString>("audioCodec");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<float>("frameRate");
    QTest::addColumn<int>("sampleRate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<qint64>("duration"); // whole seconds, kNoLength or kAsFfprobeReads
    // "old>new": a codec tag rewritten in the file, which holds it once; "old>new>n": its n-th
    // of several occurrences rewritten.
    QTest::addColumn<QByteArray>("relabel");

    const int ready = int(ProbeOutcome::Ready);
    const int unknown = int(ProbeOutcome::UnknownFormat);
    const int audioOnly = int(ProbeOutcome::AudioOnly);
    const int videoOnly = int(ProbeOutcome::VideoOnly);

    QTest::newRow("mp4, h264 and aac, 25 fps")
        << "a.mp4"
        << Steps {VideoInput("320x240", "25") + AudioInput(44100)
                  + Args("-ac 2 -c:v libx264 -c:a aac -shortest %o")}
        << ready << "h264"
        << "aac" << 320 << 240 << 25.0f << 44100 << 2 << qint64(2) << QByteArray();
    QTest::newRow("avi, mpeg4 and mp3, 30000/1001 fps")
        << "b.avi"
        << Steps {VideoInput("640x480", "30000/1001", 3.5) + AudioInput(48000, 3.5)
                  + Args("-c:v mpeg4 -c:a libmp3lame %o")}
        << ready << "mpeg4"
        << "mp3" << 640 << 480 << float(30000.0 / 1001.0) << 48000 << 1 << qint64(3)
        << QByteArray();
    QTest::newRow("wmv, wmv2 and wma")
        << "c.wmv"
        << Steps {VideoInput("352x288", "15") + AudioInput(22050)
                  + Args("-ac 2 -c:v wmv2 -c:a wmav2 %o")}
        << ready << "wmv2"
        << "wmav2" << 352 << 288 << 15.0f << 22050 << 2 << qint64(2) << QByteArray();
    QTest::newRow("RealVideo 2 is convertible")
        << "d.rm"
        << Steps {VideoInput("176x144", "25") + AudioInput(44100) + Args("-c:v rv20 -c:a ac3 %o")}
        << ready << "rv20"
        << "ac3" << 176 << 144 << 25.0f << 44100 << 1 << qint64(2) << QByteArray();
    // No encoder writes RealVideo 3 or 4; a RealVideo 2 file relabelled is one to the library.
    const Steps realVideo {VideoInput("176x144", "25") + AudioInput(44100)
                           + Args("-c:v rv20 -c:a ac3 %o")};
    QTest::newRow("RealVideo 3 is refused, fields filled")
        << "rv30.rm" << realVideo << unknown << "rv30"
        << "ac3" << 176 << 144 << 25.0f << 44100 << 1 << qint64(2)
        << QByteArray("VIDORV20>VIDORV30");
    QTest::newRow("RealVideo 4 is refused, fields filled")
        << "rv40.rm" << realVideo << unknown << "rv40"
        << "ac3" << 176 << 144 << 25.0f << 44100 << 1 << qint64(2)
        << QByteArray("VIDORV20>VIDORV40");
    QTest::newRow("mp3") << "e.mp3" << Steps {AudioInput(44100) + Args("-ac 2 %o")} << audioOnly
                         << ""
                         << "mp3" << 0 << 0 << 0.0f << 44100 << 2 << qint64(2) << QByteArray();
    QTest::newRow("mp3 with a cover picture")
        << "f.mp3"
        << Steps {VideoInput("64x48", "25") + Args("-frames:v 1 %d/cover.png"),
                  AudioInput(32000) + Args("%d/plain.mp3"),
                  Args("-i %d/plain.mp3 -i %d/cover.png -map 0 -map 1 -c copy "
                       "-disposition:v attached_pic %o")}
        << audioOnly << ""
        << "mp3" << 0 << 0 << 0.0f << 32000 << 1 << qint64(2) << QByteArray();
    QTest::newRow("two audio streams, the first counts")
        << "g.mka"
        << Steps {AudioInput(22050) + AudioInput(48000)
                  + Args("-map 0 -map 1 -ac:1 2 -c:a:0 flac -c:a:1 libvorbis %o")}
        << audioOnly << ""
        << "flac" << 0 << 0 << 0.0f << 22050 << 1 << qint64(2) << QByteArray();
    QTest::newRow("video only") << "h.mp4"
                                << Steps {VideoInput("160x120", "30000/1001")
                                          + Args("-c:v mpeg4 %o")}
                                << videoOnly << "mpeg4"
                                << "" << 160 << 120 << float(30000.0 / 1001.0) << 0 << 0
                                << qint64(2) << QByteArray();
    QTest::newRow("two video streams, the first counts")
        << "j.mkv"
        << Steps {VideoInput("320x240", "25") + VideoInput("160x120", "10") + AudioInput(44100)
                  + Args("-map 0 -map 1 -map 2 -c:v:0 mpeg4 -c:v:1 libx264 -c:a aac %o")}
        << ready << "mpeg4"
        << "aac" << 320 << 240 << 25.0f << 44100 << 1 << qint64(2) << QByteArray();
    // The container takes two streams at most: two videos, no audio. Its writer stores no true
    // duration for them; the test takes the duration the converter's own prober reads.
    const Steps twoRealVideos {VideoInput("176x144", "25") + VideoInput("128x96", "10")
                               + Args("-map 0 -map 1 -c:v rv20 %o")};
    QTest::newRow("two RealVideo streams, the first is RealVideo 4")
        << "k.rm" << twoRealVideos << unknown << "rv40"
        << "" << 176 << 144 << 25.0f << 0 << 0 << kAsFfprobeReads
        << QByteArray("VIDORV20>VIDORV40>1");
    QTest::newRow("two RealVideo streams, only the second is RealVideo 4")
        << "l.rm" << twoRealVideos << videoOnly << "rv20"
        << "" << 176 << 144 << 25.0f << 0 << 0 << kAsFfprobeReads
        << QByteArray("VIDORV20>VIDORV40>2");
    // A raw stream has no container to state a length; the stream is still usable.
    QTest::newRow("raw h264, duration unknown")
        << "i.h264" << Steps {VideoInput("128x96", "25") + Args("-c:v libx264 %o")} << videoOnly
        << "h264"
        << "" << 128 << 96 << 25.0f << 0 << 0 << kNoLength << QByteArray();
}

void TestProbe::generatedFiles()
{
    QFETCH(QString, file);
    QFETCH(Steps, steps);
    QFETCH(int, outcome);
    QFETCH(QString, videoCodec);
    QFETCH(QString, audioCodec);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(float, frameRate);
    QFETCH(int, sampleRate);
    QFETCH(int, channels);
    QFETCH(qint64, duration);
    QFETCH(QByteArray, relabel);

    const QString path = folder_ + file;
    for (QStringList step : steps) {
        step.replaceInStrings(QStringLiteral("%d/"), folder_);
        step.replaceInStrings(QStringLiteral("%o"), path);
        QString log;
        QVERIFY2(testmedia::RunFfmpeg(step, &log), qPrintable(log));
    }
    if (!relabel.isEmpty()) {
        const QList<QByteArray> tags = relabel.split('>');
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QByteArray bytes = f.readAll();
        const int nth = tags.size() > 2 ? tags[2].toInt() : 1;
        if (tags.size() > 2)
            QVERIFY(bytes.count(tags[0]) >= nth);
        else
            QCOMPARE(bytes.count(tags[0]), 1);
        qsizetype at = -1;
        for (int i = 0; i < nth; ++i)
            at = bytes.indexOf(tags[0], at + 1);
        bytes.replace(at, tags[0].size(), tags[1]);
        QVERIFY(f.seek(0));
        QCOMPARE(f.write(bytes), bytes.size());
    }

    MediaInfo info = Filled();
    StderrCapture capture;
    const ProbeOutcome result = ProbeMedia(folder_, file, info);
    const QByteArray printed = capture.Restore();
    QVERIFY2(printed.isEmpty(), printed.constData());
    QCOMPARE(int(result), outcome);
    QCOMPARE(int(info.outcome), outcome);
    QCOMPARE(CodecName(info.videoCodecId), videoCodec);
    QCOMPARE(CodecName(info.audioCodecId), audioCodec);
    QCOMPARE(info.width, width);
    QCOMPARE(info.height, height);
    QCOMPARE(info.frameRate, frameRate);
    QCOMPARE(info.sampleRate, sampleRate);
    QCOMPARE(info.channels, channels);
    if (duration == kAsFfprobeReads)
        duration = qint64(testmedia::Duration(path));
    QCOMPARE(info.durationKnown, duration != kNoLength);
    QCOMPARE(qint64(info.durationSeconds), qMax(duration, qint64(0)));
    QCOMPARE(info.videoBitRate, FfprobeBitRate(path, QStringLiteral("V:0")));
    QCOMPARE(info.audioBitRate, FfprobeBitRate(path, QStringLiteral("a:0")));
    if (outcome == int(ProbeOutcome::UnknownFormat)) // the refused codec is named
        QCOMPARE(UnknownFormatReason(path, info),
                 QStringLiteral("The file's video codec (RealVideo %1.0) cannot be converted")
                     .arg(videoCodec.at(2)));
}

void TestProbe::unknownLength_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("headerOnly"); // stream headers and no media data
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("videoCodec");
    QTest::addColumn<QString>("audioCodec");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("sampleRate");

    const int ready = int(ProbeOutcome::Ready);
    const int audioOnly = int(ProbeOutcome::AudioOnly);
    const int videoOnly = int(ProbeOutcome::VideoOnly);
    QTest::newRow("flac") << "a.flac" << false << audioOnly << ""
                          << "flac" << 0 << 44100;
    QTest::newRow("wmv") << "b.wmv" << false << ready << "wmv2"
                         << "wmav2" << 160 << 44100;
    QTest::newRow("mkv") << "c.mkv" << false << ready << "mpeg4"
                         << "aac" << 160 << 44100;
    QTest::newRow("webm") << "d.webm" << false << ready << "vp8"
                          << "vorbis" << 160 << 44100;
    QTest::newRow("raw h264") << "e.h264" << false << videoOnly << "h264"
                              << "" << 160 << 0;
    QTest::newRow("header only") << "f.wmv" << true << videoOnly << "h264"
                                 << "" << 160 << 0;
}

// Files whose container states no length keep the outcome of their streams and every field but
// the length.
void TestProbe::unknownLength()
{
    QFETCH(QString, file);
    QFETCH(bool, headerOnly);
    QFETCH(int, outcome);
    QFETCH(QString, videoCodec);
    QFETCH(QString, audioCodec);
    QFETCH(int, width);
    QFETCH(int, sampleRate);

    const QString path = folder_ + file;
    QString log;
    if (headerOnly)
        QVERIFY2(testmedia::MakeHeaderOnly(path, &log), qPrintable(log));
    else
        QVERIFY2(testmedia::MakeUnknownLength(path, &log), qPrintable(log));
    // The library itself has no length for the file, not just the probe.
    QCOMPARE(testmedia::Duration(path), -1.0);

    MediaInfo info = Filled();
    info.durationKnown = true;
    StderrCapture capture;
    const ProbeOutcome result = ProbeMedia(folder_, file, info);
    const QByteArray printed = capture.Restore();
    QVERIFY2(printed.isEmpty(), printed.constData());
    QCOMPARE(int(result), outcome);
    QCOMPARE(int(info.outcome), outcome);
    QVERIFY(!info.durationKnown);
    QCOMPARE(info.durationSeconds, 0);
    QCOMPARE(CodecName(info.videoCodecId), videoCodec);
    QCOMPARE(CodecName(info.audioCodecId), audioCodec);
    QCOMPARE(info.width, width);
    QCOMPARE(info.height, width * 3 / 4);
    QCOMPARE(info.sampleRate, sampleRate);
}

void TestProbe::unusableFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("reason"); // what the "Unknown Format!" item says

    const int openFailed = int(ProbeOutcome::OpenFailed);
    const int noStreams = int(ProbeOutcome::NoStreams);
    const QString notMedia = QStringLiteral("Not a media file, or damaged");
    const QString noStream = QStringLiteral("The file holds no audio or video stream");
    const QString notFile = QStringLiteral("Not a regular file");
    QTest::newRow("missing file") << "missing" << openFailed << "The file does not exist";
    QTest::newRow("empty file") << "empty" << openFailed << notMedia;
    QTest::newRow("text named .mp4") << "text" << openFailed << notMedia;
    QTest::newRow("random bytes") << "random" << openFailed << notMedia;
    QTest::newRow("mp4 cut before its index") << "truncated" << openFailed << notMedia;
    QTest::newRow("mkv without a length, cut before its media data")
        << "mkv-headers" << openFailed << notMedia;
    QTest::newRow("subtitles only, mkv") << "subtitle-mkv" << noStreams << noStream;
    QTest::newRow("subtitles only, srt") << "subtitle-srt" << noStreams << noStream;
    QTest::newRow("a folder") << "folder" << openFailed << notFile;
    QTest::newRow("a FIFO without writer") << "fifo" << openFailed << notFile;
    QTest::newRow("/dev/null") << "null" << openFailed << notFile;
    QTest::newRow("/dev/zero") << "zero" << openFailed << notFile;
}

void TestProbe::unusableFiles()
{
    QFETCH(QString, kind);
    QFETCH(int, outcome);
    QFETCH(QString, reason);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString folder = dir.path() + QLatin1Char('/');
    QString name = kind + QStringLiteral(".mp4");
    const QString path = folder + name;
    auto write = [&](const QByteArray &bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    std::function<void()> unblock;

    if (kind == QLatin1String("empty")) {
        write(QByteArray());
    } else if (kind == QLatin1String("text")) {
        write("This is not a video, just a note about one.\n");
    } else if (kind == QLatin1String("random")) {
        QRandomGenerator random(20240607);
        QByteArray bytes(64 * 1024, Qt::Uninitialized);
        random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        write(bytes);
    } else if (kind == QLatin1String("truncated")) {
        testmedia::Clip clip;
        clip.codecArguments = Args("-c:v libx264 -c:a aac");
        QString log;
        QVERIFY2(testmedia::Make(path, clip, &log), qPrintable(log));
        QFile f(path);
        QVERIFY(f.resize(f.size() / 2));
    } else if (kind == QLatin1String("mkv-headers")) {
        name = kind + QStringLiteral(".mkv");
        const QString mkv = folder + name;
        QString log;
        QVERIFY2(testmedia::MakeUnknownLength(mkv, &log), qPrintable(log));
        QFile f(mkv);
        QVERIFY(f.open(QIODevice::ReadWrite));
        const qsizetype cluster = f.readAll().indexOf(QByteArray("\x1f\x43\xb6\x75", 4));
        QVERIFY(cluster > 0);
        QVERIFY(f.resize(cluster));
    } else if (kind.startsWith(QLatin1String("subtitle"))) {
        const QString srt = folder + QStringLiteral("lines.srt");
        QFile f(srt);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("1\n00:00:00,000 --> 00:00:01,000\nHello\n\n"
                "2\n00:00:01,000 --> 00:00:02,000\nWorld\n");
        f.close();
        if (kind.endsWith(QLatin1String("srt"))) {
            name = QStringLiteral("lines.srt");
        } else {
            name = QStringLiteral("lines.mkv");
            QString log;
            QVERIFY2(testmedia::RunFfmpeg({QStringLiteral("-i"), srt, folder + name}, &log),
                     qPrintable(log));
        }
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir(folder).mkdir(name));
    } else if (kind == QLatin1String("fifo")) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        // A reader waiting on a FIFO is let go as soon as a writer comes and goes.
        unblock = [path] {
            const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                ::close(fd);
        };
    } else if (kind == QLatin1String("null") || kind == QLatin1String("zero")) {
        folder = QStringLiteral("/dev/");
        name = kind;
    }

    StderrCapture capture;
    ProbeThread probe(folder, name, Filled(), unblock);
    QTRY_VERIFY_WITH_TIMEOUT(probe.Done(), 20000);
    const QByteArray printed = capture.Restore();
    const MediaInfo &info = probe.Info();
    QCOMPARE(int(info.outcome), outcome);
    QVERIFY(AllButOutcomeZero(info));
    QVERIFY2(printed.isEmpty(), printed.constData());
    QCOMPARE(UnknownFormatReason(folder + name, info), reason);
}

void TestProbe::pathsAreTakenAsTheyAre_data()
{
    QTest::addColumn<QString>("subfolder"); // under the test folder; "" for the current folder
    QTest::addColumn<QString>("name");

    QTest::newRow("blanks and letters beyond ASCII")
        << QStringLiteral("Mé dia ö 視頻/") << QStringLiteral("clip ü ß.mp4");
    QTest::newRow("name longer than old path buffers")
        << QString(QStringLiteral("very long folder name/")).repeated(14)
        << QStringLiteral("clip.mp4");
    // Relative to the current folder a name like this could be taken for the library's
    // standard-input protocol; it must be read as the file it is.
    QTest::newRow("name that looks like a protocol") << QString() << QStringLiteral("pipe:0");
}

void TestProbe::pathsAreTakenAsTheyAre()
{
    QFETCH(QString, subfolder);
    QFETCH(QString, name);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString base = dir.path() + QLatin1Char('/');
    QVERIFY(QDir().mkpath(base + subfolder));
    testmedia::Clip clip;
    clip.seconds = 1;
    clip.codecArguments = Args("-c:v mpeg4 -c:a mp2 -f mp4");
    QString log;
    QVERIFY2(testmedia::Make(base + subfolder + name, clip, &log), qPrintable(log));

    const QString previous = QDir::currentPath();
    QString folder = base + subfolder;
    if (subfolder.isEmpty()) {
        QVERIFY(QDir::setCurrent(base));
        folder.clear();
    }
    ProbeThread probe(folder, name, Filled());
    QTRY_VERIFY_WITH_TIMEOUT(probe.Done(), 20000);
    QVERIFY(QDir::setCurrent(previous));
    const MediaInfo &info = probe.Info();
    QCOMPARE(info.outcome, ProbeOutcome::Ready);
    QCOMPARE(CodecName(info.videoCodecId), QStringLiteral("mpeg4"));
    QCOMPARE(info.width, 320);
    QCOMPARE(info.durationSeconds, 1);
}

void TestProbe::unconvertibleVideoCodec_data()
{
    QTest::addColumn<int>("codecId");
    QTest::addColumn<bool>("unconvertible");

    QTest::newRow("RealVideo 3") << int(AV_CODEC_ID_RV30) << true;
    QTest::newRow("RealVideo 4") << int(AV_CODEC_ID_RV40) << true;
    QTest::newRow("RealVideo 1") << int(AV_CODEC_ID_RV10) << false;
    QTest::newRow("RealVideo 2") << int(AV_CODEC_ID_RV20) << false;
    QTest::newRow("h264") << int(AV_CODEC_ID_H264) << false;
    QTest::newRow("RealAudio cook") << int(AV_CODEC_ID_COOK) << false;
    QTest::newRow("no stream") << 0 << false;
    QTest::newRow("negative") << -1 << false;
}

void TestProbe::unconvertibleVideoCodec()
{
    QFETCH(int, codecId);
    QFETCH(bool, unconvertible);
    QCOMPARE(IsUnconvertibleVideoCodec(codecId), unconvertible);
}

QTEST_GUILESS_MAIN(TestProbe)
#include "tst_probe.moc"
