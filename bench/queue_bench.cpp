// The whole conversion of a batch through the conversion queue, against the same converter
// commands run one after another from a shell script. The ratio is what the queue adds: its
// 100 ms timer starts the next file on the first tick after the previous one ended.
// Usage: queue_bench [files, default 10] [seconds per file, default 5] [rounds, default 5]

#include "app/settings.h"
#include "controls/listview/drag_drop_list_ctrl.h"
#include "convert/command_line.h"
#include "convert/conversion_queue.h"
#include "convert/converter.h"
#include "media/duration.h"
#include "media/media_list.h"
#include "support/media_factory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int kWmvPreset = 13;

// The window the queue runs in; nothing to gray in a benchmark.
class BenchWindow : public QueueWindow
{
public:
    void EnableCommand(int, Place, bool) override { }
    void EnableControls(bool) override { }
};

QString ShellQuote(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double ProcessCpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

bool ParseCount(const char *text, int *value)
{
    bool ok = false;
    *value = QString::fromLocal8Bit(text).toInt(&ok);
    return ok && *value > 0;
}

// Converts every row through the queue; the wall time in seconds, or -1 when a row failed.
// Adds to `gaps` the milliseconds from each file's end (its status written) to the next file's
// start (its bar laid over the row): the time the queue lets pass between two conversions.
// Adds to `cpu` the seconds of CPU time this process (the window's thread, the workers, the
// painter's threads) spent while the batch ran; the converters are other processes.
double RunQueue(MediaList &media, ConversionQueue &queue, std::vector<double> *gaps, double *cpu)
{
    const int rows = media.rowCount();
    for (int row = 0; row < rows; ++row)
        media.store().SetState(row, ItemState::Waiting);
    std::vector<qint64> started(rows, -1);
    std::vector<qint64> ended(rows, -1);
    const CDragDropListCtrl *list = media.list();

    QEventLoop loop;
    QTimer poll;
    QElapsedTimer timer;
    // Polled often enough that each start and end is seen within a few milliseconds.
    poll.setInterval(2);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        const qint64 now = timer.nsecsElapsed();
        for (int row = 0; row < rows; ++row) {
            if (started[row] < 0 && list->ProgressBar(row))
                started[row] = now;
            if (ended[row] < 0 && media.store().at(row).state != ItemState::Waiting)
                ended[row] = now;
        }
        if (!queue.IsConverting())
            loop.quit();
    });
    const double cpuBefore = ProcessCpuSeconds();
    timer.start();
    queue.ConvertAll();
    poll.start();
    loop.exec();
    const double seconds = timer.nsecsElapsed() / 1e9;
    *cpu += ProcessCpuSeconds() - cpuBefore;
    for (int row = 0; row < rows; ++row) {
        if (media.Status(row) != QLatin1String("Convertion Completed!")) {
            std::fprintf(stderr, "row %d ended with %s: %s\n", row, qPrintable(media.Status(row)),
                         qPrintable(list->item(row, MediaColumn::Status)->toolTip()));
            return -1;
        }
    }
    for (int row = 1; row < rows; ++row) {
        if (started[row] >= 0 && ended[row - 1] >= 0)
            gaps->push_back((started[row] - ended[row - 1]) / 1e6);
    }
    return seconds;
}

// Runs `script` with sh; the wall time in seconds, or -1 when it failed.
double RunScript(const QString &script)
{
    QProcess sh;
    sh.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer timer;
    timer.start();
    sh.start(QStringLiteral("sh"), {script});
    if (!sh.waitForFinished(-1) || sh.exitStatus() != QProcess::NormalExit || sh.exitCode() != 0) {
        std::fprintf(stderr, "the script failed with %d\n", sh.exitCode());
        return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int count = 10;
    int seconds = 5;
    int rounds = 5;
    if ((argc > 1 && !ParseCount(argv[1], &count)) || (argc > 2 && !ParseCount(argv[2], &seconds))
        || (argc > 3 && !ParseCount(argv[3], &rounds))) {
        std::fprintf(stderr, "usage: %s [files] [seconds per file] [rounds]\n", argv[0]);
        return 2;
    }
    if (testmedia::Ffmpeg().isEmpty()) {
        std::fprintf(stderr, "ffmpeg is needed\n");
        return 1;
    }

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString in = dir.filePath(QStringLiteral("in")) + QLatin1Char('/');
    const QString queueOut = dir.filePath(QStringLiteral("queue")) + QLatin1Char('/');
    const QString scriptOut = dir.filePath(QStringLiteral("script")) + QLatin1Char('/');
    QDir().mkpath(in);
    testmedia::Clip clip;
    clip.seconds = seconds;
    clip.size = QStringLiteral("320x240");
    clip.codecArguments = {QStringLiteral("-c:v"), QStringLiteral("libx264"),
                           QStringLiteral("-c:a"), QStringLiteral("aac")};
    for (int i = 0; i < count; ++i) {
        QString log;
        const QString name = QStringLiteral("clip %1.mp4").arg(i, 3, 10, QLatin1Char('0'));
        if (!testmedia::Make(in + name, clip, &log)) {
            std::fprintf(stderr, "could not make %s: %s\n", qPrintable(name), qPrintable(log));
            return 1;
        }
    }

    QWidget window;
    CDragDropListCtrl list(&window);
    CurrentPreset preset;
    preset.id = kWmvPreset;
    Settings settings;
    settings.currentFolder = queueOut;
    MediaList media(&list, preset, &window);
    media.SetupColumns();
    list.resize(800, 300);
    window.resize(800, 300);
    window.show();
    BenchWindow ui;
    ConversionQueue queue(&media, &preset, &settings, &ui, &window);
    for (const QString &name : QDir(in).entryList(QDir::Files, QDir::Name))
        media.AppendMediaRow(in, name);

    // The script runs the commands the queue's worker builds, into their own folder.
    const QString script = dir.filePath(QStringLiteral("convert.sh"));
    {
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write("set -e\n");
        file.write(QStringLiteral("mkdir -p %1\n").arg(ShellQuote(scriptOut)).toLocal8Bit());
        const Preset *wmv = PresetById(kWmvPreset);
        for (int row = 0; row < media.rowCount(); ++row) {
            ConversionJob job;
            job.fileName = media.FileName(row);
            job.location = media.Location(row);
            job.inputPath = job.location + job.fileName;
            job.durationSeconds = ParseDuration(media.DurationText(row));
            job.outputFolder = scriptOut;
            ApplyPreset(job, *wmv, Converter());
            const CommandLine command = BuildCommandLine(job);
            QString line = ShellQuote(command.program);
            for (const QString &argument : command.arguments)
                line += QLatin1Char(' ') + ShellQuote(argument);
            // The queue's converter reads nothing and its output goes to a pipe it reads.
            line += QStringLiteral(" </dev/null >/dev/null 2>&1\n");
            file.write(line.toLocal8Bit());
        }
    }

    queue.StartTimer();
    // One untimed run so that every round starts with the converter and the inputs cached.
    if (RunScript(script) < 0)
        return 1;

    std::vector<double> queueTimes;
    std::vector<double> scriptTimes;
    std::vector<double> gaps;
    double queueCpu = 0;
    for (int round = 0; round < rounds; ++round) {
        const double q = RunQueue(media, queue, &gaps, &queueCpu);
        const double s = RunScript(script);
        if (q < 0 || s < 0)
            return 1;
        queueTimes.push_back(q);
        scriptTimes.push_back(s);
        std::printf("round %d wall time, queue / script: %.3f s / %.3f s\n", round + 1, q, s);
    }
    for (int row = 0; row < media.rowCount(); ++row) {
        const QString output
            = queueOut + OutputBaseName(media.FileName(row)) + QStringLiteral(".wmv");
        if (testmedia::Streams(output) != QStringList {"wmv2:video", "wmav2:audio"}) {
            std::fprintf(stderr, "%s is not a WMV file\n", qPrintable(output));
            return 1;
        }
    }

    const double q = Median(queueTimes);
    const double s = Median(scriptTimes);
    std::printf("batch: %d files of %d s, 320x240 h264/aac mp4 to WMV (preset %d), median of %d "
                "rounds\n",
                count, seconds, kWmvPreset, rounds);
    std::printf("queue wall time: %.3f s\n", q);
    std::printf("script wall time: %.3f s\n", s);
    std::printf("queue / script: %.3f\n", s > 0 ? q / s : 0);
    std::printf("queue overhead per file: %.1f ms\n", (q - s) * 1000 / count);
    std::printf("queue's own CPU time (converters excluded): %.1f ms per file\n",
                queueCpu * 1000 / (double(count) * rounds));
    if (!gaps.empty()) {
        double sum = 0;
        for (double gap : gaps)
            sum += gap;
        std::printf("queue gap between files, mean: %.1f ms\n", sum / gaps.size());
        std::printf("queue gap between files, median: %.1f ms\n", Median(gaps));
        std::printf("queue gap between files, max: %.1f ms\n",
                    *std::max_element(gaps.begin(), gaps.end()));
    }
    return 0;
}
