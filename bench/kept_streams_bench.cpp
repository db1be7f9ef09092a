// What keeping every stream costs on a file that has only one picture and one sound: the H.264
// preset (29) converts a generated 10-second 640x360 clip with one audio track, alternately as
// the converter picks its streams on its own (the streams not read) and as a conversion runs now
// (the file's streams read, each chosen by its number, its tags mapped). The wall time of each
// includes reading the streams. Prints the median of each and the extra cost; the goal is at most
// 5 %, and the program exits with 1 when the measurement exceeds it.
// Usage: kept_streams_bench [rounds, default 7] [preset id, default 29]

#include "engine/convert/command_line.h"
#include "engine/convert/converter.h"
#include "support/media_factory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// Seconds one conversion of `input` takes, the streams read first when `readStreams`.
double Convert(const Preset &preset, const QString &input, const QString &output, bool readStreams)
{
    QElapsedTimer clock;
    clock.start();
    CommandInput command {input, false, 0};
    if (readStreams)
        command.streams = ReadStreams(input);
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(Converter().program, BuildCommandLine(preset, Converter(), command, output));
    if (!p.waitForFinished(-1) || p.exitCode() != 0) {
        std::fprintf(stderr, "the conversion failed: %s\n", p.readAllStandardError().constData());
        return -1;
    }
    return clock.elapsed() / 1000.0;
}

double Median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    const Preset *preset = PresetById(argc > 2 ? atoi(argv[2]) : 29);
    if (!preset)
        return 2;
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("one-track.mp4"));
    QString log;
    if (!testmedia::RunFfmpeg({"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25:duration=10",
                               "-f", "lavfi", "-i", "sine=frequency=440:duration=10", "-c:v",
                               "libx264", "-preset", "ultrafast", "-c:a", "aac", "-y", input},
                              &log)) {
        std::fprintf(stderr, "cannot make the clip: %s\n", qPrintable(log));
        return 1;
    }
    const QString output = dir.filePath(QStringLiteral("out")) + preset->extension;
    QList<double> picked;
    QList<double> kept;
    Convert(*preset, input, output, true); // warms the caches
    for (int i = 0; i < rounds; ++i) {
        // Alternated, so that a machine growing busier weighs on both alike.
        const double a = Convert(*preset, input, output, false);
        const double b = Convert(*preset, input, output, true);
        if (a < 0 || b < 0)
            return 1;
        picked << a;
        kept << b;
    }
    const double extra = (Median(kept) / Median(picked) - 1) * 100;
    std::printf("| Streams | Median of %d (s) |\n|---|---:|\n", rounds);
    std::printf("| picked by the converter | %.3f |\n| every one kept | %.3f |\n", Median(picked),
                Median(kept));
    std::printf("Extra cost of keeping every stream: %+.1f %% (goal: at most 5 %%)\n", extra);
    return extra <= 5 ? 0 : 1;
}
