#include "support/media_factory.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace testmedia {

QString Ffmpeg()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

QString Ffprobe()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffprobe"));
}

bool RunFfmpeg(const QStringList &arguments, QString *log)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(Ffmpeg(),
            QStringList {QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"),
                         QStringLiteral("-loglevel"), QStringLiteral("error")}
                + arguments);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
    }
    if (log)
        *log = QString::fromUtf8(p.readAll());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool Make(const QString &path, const Clip &clip, QString *log)
{
    const QString seconds = QString::number(clip.seconds);
    QStringList args;
    if (clip.video) {
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("testsrc=size=%1:rate=%2:duration=%3")
                    .arg(clip.size, clip.frameRate, seconds);
    }
    if (clip.audio) {
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("sine=frequency=440:sample_rate=%1:duration=%2")
                    .arg(clip.sampleRate)
                    .arg(seconds);
        if (clip.channels != 1)
            args << QStringLiteral("-ac") << QString::number(clip.channels);
    }
    args << clip.codecArguments << QStringLiteral("-y") << path;
    return RunFfmpeg(args, log);
}

bool MakeSmallClip(const QString &path, QString *log)
{
    Clip clip;
    clip.seconds = 1;
    clip.size = QStringLiteral("160x120");
    clip.codecArguments = {QStringLiteral("-c:v"), QStringLiteral("libx264"),
                           QStringLiteral("-c:a"), QStringLiteral("aac")};
    return Make(path, clip, log);
}

bool MakeCutClip(const QString &path)
{
    Clip clip;
    clip.seconds = 10;
    clip.codecArguments = QStringList {"-c:v", "libx264", "-c:a", "aac", "-movflags", "+faststart"};
    QFile file(path);
    return Make(path, clip) && file.resize(file.size() * 3 / 10);
}

namespace {

const QString kSmallPicture = QStringLiteral("testsrc=size=160x120:rate=25:duration=%1");
const QString kTone = QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1");

// Runs the converter with its output going to `path` through its standard output: a pipe to the
// converter, which therefore leaves out anything it would have to seek back for.
bool RunFfmpegToPipe(const QStringList &arguments, const QString &path, QString *log)
{
    QProcess p;
    p.setStandardOutputFile(path, QIODevice::Truncate);
    p.start(Ffmpeg(),
            QStringList {QStringLiteral("-hide_banner"), QStringLiteral("-nostdin"),
                         QStringLiteral("-loglevel"), QStringLiteral("error")}
                + arguments + QStringList {QStringLiteral("pipe:1")});
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
    }
    if (log)
        *log = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QStringList Lavfi(const QString &source, double seconds)
{
    return {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
            source.arg(seconds)};
}

} // namespace

bool MakeUnknownLength(const QString &path, QString *log, double seconds)
{
    const QString suffix = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1).toLower();
    const QStringList picture = Lavfi(kSmallPicture, seconds);
    const QStringList tone = Lavfi(kTone, seconds);
    QStringList args;
    if (suffix == QLatin1String("flac")) {
        args = tone + QStringList {"-c:a", "flac", "-f", "flac"};
    } else if (suffix == QLatin1String("wmv") || suffix == QLatin1String("asf")) {
        args = picture + tone + QStringList {"-c:v", "wmv2", "-c:a", "wmav2", "-f", "asf"};
    } else if (suffix == QLatin1String("mkv")) {
        args = picture + tone + QStringList {"-c:v", "mpeg4", "-c:a", "aac", "-f", "matroska"};
    } else if (suffix == QLatin1String("webm")) {
        args = picture + tone + QStringList {"-c:v", "libvpx", "-c:a", "libvorbis", "-f", "webm"};
    } else if (suffix == QLatin1String("h264")) {
        args = picture + QStringList {"-c:v", "libx264", "-f", "h264"};
    } else {
        if (log)
            *log = QStringLiteral("no unknown-length shape for \"%1\"").arg(path);
        return false;
    }
    return RunFfmpegToPipe(args, path, log);
}

bool MakeHeaderOnly(const QString &path, QString *log)
{
    // With no frame to encode the converter still writes the stream header, and an ASF header
    // written to a pipe has no length in it.
    const QStringList args
        = Lavfi(kSmallPicture, 1) + QStringList {"-t", "0", "-c:v", "libx264", "-f", "asf"};
    return RunFfmpegToPipe(args, path, log);
}

namespace {

QString RunProbe(const QStringList &arguments)
{
    QProcess p;
    p.start(Ffprobe(), QStringList {QStringLiteral("-v"), QStringLiteral("error")} + arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

} // namespace

QStringList Streams(const QString &path)
{
    const QString out
        = RunProbe({QStringLiteral("-show_entries"), QStringLiteral("stream=codec_type,codec_name"),
                    QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
    QStringList streams;
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList parts = line.trimmed().split(QLatin1Char(','));
        if (parts.size() >= 2)
            streams << parts[0] + QLatin1Char(':') + parts[1];
    }
    return streams;
}

QString FormatName(const QString &path)
{
    return RunProbe({QStringLiteral("-show_entries"), QStringLiteral("format=format_name"),
                     QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
}

double Duration(const QString &path)
{
    bool ok = false;
    const double d = RunProbe({QStringLiteral("-show_entries"), QStringLiteral("format=duration"),
                               QStringLiteral("-of"), QStringLiteral("csv=p=0"), path})
                         .toDouble(&ok);
    return ok ? d : -1;
}

} // namespace testmedia
