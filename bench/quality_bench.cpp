// Every video preset, described and modern, over one generated 10-second 1280x720 clip with
// motion and fine detail (a zooming fractal blended with moving test patterns over a fixed fine
// texture, and a tone): the output's size, the converter's wall time, and the SSIM of its picture
// against the lossless source (the converter's ssim filter; pictures of another size are scaled
// back to 1280x720 first). Prints one Markdown table.
// Usage: quality_bench [preset ids ..., default every video preset]

#include "engine/convert/command_line.h"
#include "engine/convert/converter.h"
#include "support/media_factory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const QString kSource = QStringLiteral(
    "mandelbrot=s=1280x720:r=25:maxiter=300:start_scale=3:end_scale=0.3,format=yuv420p[m];"
    "testsrc2=s=1280x720:r=25,format=yuv420p[t];"
    "[m][t]blend=all_mode=average,noise=alls=10:allf=p");

// The SSIM of the picture of `output` against `source` ("All" of the converter's summary), or -1.
double Ssim(const QString &output, const QString &source)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(testmedia::Ffmpeg(),
            {"-hide_banner", "-nostdin", "-i", output, "-i", source, "-lavfi",
             "[0:v]scale=1280:720:flags=bicubic,format=yuv420p,setpts=PTS-STARTPTS[a];"
             "[1:v]format=yuv420p,setpts=PTS-STARTPTS[b];[a][b]ssim",
             "-f", "null", "-"});
    p.waitForFinished(-1);
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("SSIM .* All:([0-9.]+)"))
                                          .match(QString::fromUtf8(p.readAll()));
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QList<int> ids;
    for (int i = 1; i < argc; ++i)
        ids << QString::fromLocal8Bit(argv[i]).toInt();
    if (ids.isEmpty()) {
        for (const Preset &p : AllPresets()) {
            if (p.videoCodec != VideoCodec::None && p.videoCodec != VideoCodec::CopyStreams)
                ids << p.id;
        }
    }

    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in")) + QLatin1Char('/');
    QDir().mkpath(in);
    const QString source = in + QStringLiteral("detail.mkv");
    QString log;
    if (!testmedia::RunFfmpeg({"-f", "lavfi", "-i", kSource, "-f", "lavfi", "-i",
                               "sine=frequency=440:sample_rate=48000", "-t", "10", "-ac", "2",
                               "-c:v", "ffv1", "-c:a", "flac", "-y", source},
                              &log)) {
        std::fprintf(stderr, "cannot make the clip: %s\n", qPrintable(log));
        return 1;
    }

    std::printf("| Preset | Size (KB) | Encode time (s) | SSIM |\n|---|---:|---:|---:|\n");
    for (int id : ids) {
        const Preset *preset = PresetById(id);
        if (!preset)
            continue;
        const QString folder = dir.filePath(QStringLiteral("out-%1/").arg(id));
        QDir().mkpath(folder);
        const QString output = folder + QStringLiteral("detail") + preset->extension;
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.setStandardInputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        p.start(Converter().program, BuildCommandLine(*preset, Converter(), {source}, output));
        p.waitForFinished(-1);
        const double seconds = timer.elapsed() / 1000.0;
        const char *name = *preset->menuText ? preset->menuText : preset->solutionText;
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
            const QString last
                = QString::fromUtf8(p.readAll()).trimmed().section(QLatin1Char('\n'), -1);
            std::printf("| %s (%d) | failed: %s | | |\n", name, id, qPrintable(last));
            std::fflush(stdout);
            continue;
        }
        const qint64 bytes = QFileInfo(output).size();
        std::printf("| %s (%d) | %lld | %.1f | %.4f |\n", name, id, bytes / 1024, seconds,
                    Ssim(output, source));
        std::fflush(stdout);
    }
    return 0;
}
