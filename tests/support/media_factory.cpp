#include "support/media_factory.h"

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
