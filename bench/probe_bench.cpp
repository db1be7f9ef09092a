// How fast files are probed in-process, against one ffprobe process per file.
// Usage: probe_bench [number of files, default 200]

#include "engine/media/probe.h"
#include "support/media_factory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int kProbePasses = 5;

double PerSecond(int files, qint64 nanoseconds)
{
    return nanoseconds > 0 ? files * 1e9 / double(nanoseconds) : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int count = 200;
    if (argc > 1) {
        bool ok = false;
        count = QString::fromLocal8Bit(argv[1]).toInt(&ok);
        if (!ok || count < 1) {
            std::fprintf(stderr, "usage: %s [number of files]\n", argv[0]);
            return 2;
        }
    }
    if (testmedia::Ffmpeg().isEmpty() || testmedia::Ffprobe().isEmpty()) {
        std::fprintf(stderr, "ffmpeg and ffprobe are needed\n");
        return 1;
    }

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString folder = dir.path() + QLatin1Char('/');
    QStringList names;
    testmedia::Clip clip;
    clip.size = QStringLiteral("160x120");
    clip.codecArguments = {QStringLiteral("-c:v"), QStringLiteral("libx264"),
                           QStringLiteral("-c:a"), QStringLiteral("aac")};
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("clip %1.mp4").arg(i, 4, 10, QLatin1Char('0'));
        QString log;
        if (!testmedia::Make(folder + name, clip, &log)) {
            std::fprintf(stderr, "could not make %s: %s\n", qPrintable(name), qPrintable(log));
            return 1;
        }
        names << name;
    }

    // One untimed pass so that both sides read the files from the page cache.
    int ready = 0;
    for (const QString &name : names) {
        MediaInfo info;
        ready += ProbeMedia(folder, name, info) == ProbeOutcome::Ready;
    }
    if (ready != count) {
        std::fprintf(stderr, "only %d of %d files probed as ready\n", ready, count);
        return 1;
    }

    QElapsedTimer timer;
    timer.start();
    for (int pass = 0; pass < kProbePasses; ++pass) {
        for (const QString &name : names) {
            MediaInfo info;
            ProbeMedia(folder, name, info);
        }
    }
    const double probeRate = PerSecond(count * kProbePasses, timer.nsecsElapsed());

    timer.restart();
    for (const QString &name : names) {
        QProcess p;
        p.start(testmedia::Ffprobe(),
                {QStringLiteral("-v"), QStringLiteral("quiet"), QStringLiteral("-show_format"),
                 QStringLiteral("-show_streams"), folder + name});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            std::fprintf(stderr, "ffprobe failed on %s\n", qPrintable(name));
            return 1;
        }
    }
    const double ffprobeRate = PerSecond(count, timer.nsecsElapsed());

    std::printf("files: %d two-second mp4 clips (h264, aac)\n", count);
    std::printf("ProbeMedia: %.1f files/s\n", probeRate);
    std::printf("ffprobe process per file: %.1f files/s\n", ffprobeRate);
    std::printf("ProbeMedia / ffprobe: %.1fx\n", ffprobeRate > 0 ? probeRate / ffprobeRate : 0);
    return 0;
}
