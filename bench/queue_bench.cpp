// A batch through the engine's conversion queue (BatchQueue over a MediaStore, no widget),
// one at a time and with several conversions side by side, against the very same converter
// commands run by `xargs -P <slots>`. The queue's ratio to xargs is what it adds: starting each
// converter, reading its progress, writing under a temporary name, verifying and renaming the
// output. Its CPU time is this process's, converters excluded.
// Usage: queue_bench [files, default 8] [seconds per file, default 10] [rounds, default 3]
//                    [slots, default BatchQueue::DefaultSlots()]

#include "engine/convert/batch_queue.h"
#include "engine/convert/command_line.h"
#include "engine/convert/converter.h"
#include "engine/convert/presets.h"
#include "engine/media/media_store.h"
#include "engine/media/probe.h"
#include "support/media_factory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kIpodNormalPreset = 1; // "APPLE iPod - Normal Quarlity (*.mp4)"
constexpr int kWmvPreset = 13;

QString ShellQuote(const QString &text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The spread of `values` around their median, in percent: (max - min) / median.
double SpreadPercent(const std::vector<double> &values)
{
    const double median = Median(values);
    if (values.empty() || median <= 0)
        return 0;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return (*high - *low) * 100 / median;
}

double ProcessCpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

// CPU time of the children this process has reaped: the converters.
double ChildrenCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double LoadAverage()
{
    double load[1] = {-1};
    getloadavg(load, 1);
    return load[0];
}

bool ParseCount(const char *text, int *value)
{
    bool ok = false;
    *value = QString::fromLocal8Bit(text).toInt(&ok);
    return ok && *value > 0;
}

struct QueueRun
{
    double seconds = -1; // -1: a file failed
    double cpu = 0; // this process
    double converterCpu = 0;
    // Milliseconds from one file's end to the start of the file that took its slot.
    std::vector<double> gaps;
    // Milliseconds from a converter's exit to its row's end: what the queue adds after the
    // converter (reaping it, checking and renaming the output).
    std::vector<double> tails;
};

// Converts every item of `store` through `queue`, `slots` at a time, into `out`.
QueueRun RunQueue(MediaStore &store, BatchQueue &queue, int slots, const QString &out)
{
    QueueRun result;
    queue.SetSlots(slots);
    // Every run writes fresh files under their first names into an empty `out`, as xargs does.
    QDir(out).removeRecursively();
    for (int row = 0; row < store.count(); ++row)
        store.SetOutput(store.at(row).id, QString());
    QElapsedTimer timer;
    std::vector<qint64> ends;
    QEventLoop loop;
    // A pidfd turns readable when its process exits, before anyone reaps it.
    std::map<ItemId, std::unique_ptr<QSocketNotifier>> exitWatch; // by item
    std::map<ItemId, qint64> exited; // by item
    const auto finished
        = QObject::connect(&queue, &BatchQueue::ItemFinished, &loop, [&](ItemId row, ItemState) {
              const qint64 now = timer.nsecsElapsed();
              ends.push_back(now);
              if (exited.count(row))
                  result.tails.push_back((now - exited[row]) / 1e6);
              exitWatch.erase(row);
          });
    const auto started = QObject::connect(&queue, &BatchQueue::ItemStarted, &loop, [&](ItemId row) {
        // The converter starts right after the signal.
        QMetaObject::invokeMethod(
            &loop,
            [&, row] {
                const QList<ItemId> running = queue.RunningItems();
                const QList<qint64> pids = queue.ConverterPids();
                const int at = running.indexOf(row);
                if (at < 0 || pids.size() != running.size() || exitWatch.count(row))
                    return;
                const int fd
                    = static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pids[at]), 0));
                if (fd < 0)
                    return;
                auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
                QObject::connect(notifier.get(), &QSocketNotifier::activated, &loop, [&, row, fd] {
                    exited[row] = timer.nsecsElapsed();
                    exitWatch[row]->setEnabled(false);
                    ::close(fd);
                });
                exitWatch[row] = std::move(notifier);
            },
            Qt::QueuedConnection);
        // Every start after the first `slots` fills the slot of the earliest unmatched end.
        const qint64 now = timer.nsecsElapsed();
        if (!ends.empty()) {
            result.gaps.push_back((now - ends.front()) / 1e6);
            ends.erase(ends.begin());
        }
    });
    const auto ended = QObject::connect(&queue, &BatchQueue::BatchEnded, &loop, &QEventLoop::quit);
    QList<ItemId> rows;
    for (int row = 0; row < store.count(); ++row)
        rows << store.at(row).id;
    const double cpuBefore = ProcessCpuSeconds();
    const double childBefore = ChildrenCpuSeconds();
    timer.start();
    if (!queue.Start(rows)) {
        std::fprintf(stderr, "the queue did not start\n");
        return result;
    }
    loop.exec();
    const double seconds = timer.nsecsElapsed() / 1e9;
    result.cpu = ProcessCpuSeconds() - cpuBefore;
    result.converterCpu = ChildrenCpuSeconds() - childBefore;
    QObject::disconnect(finished);
    QObject::disconnect(started);
    QObject::disconnect(ended);
    for (int row = 0; row < store.count(); ++row) {
        const MediaItem &item = store.at(row);
        if (item.state != ItemState::Completed) {
            std::fprintf(stderr, "%s ended with %s: %s\n", qPrintable(item.name),
                         qPrintable(StateText(item.state)), qPrintable(item.reason));
            return result;
        }
    }
    result.seconds = seconds;
    return result;
}

// Runs the scripts in `folder` with `xargs -P slots`; the wall time in seconds, or -1.
double RunXargs(const QString &folder, int slots)
{
    QProcess sh;
    sh.setProcessChannelMode(QProcess::ForwardedChannels);
    sh.setWorkingDirectory(folder);
    QElapsedTimer timer;
    timer.start();
    sh.start(QStringLiteral("sh"),
             {QStringLiteral("-c"),
              QStringLiteral("printf '%s\\0' *.sh | xargs -0 -n 1 -P %1 sh").arg(slots)});
    if (!sh.waitForFinished(-1) || sh.exitStatus() != QProcess::NormalExit || sh.exitCode() != 0) {
        std::fprintf(stderr, "xargs failed with %d\n", sh.exitCode());
        return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

// Writes one script per item into `scripts`: the command the queue builds for it, writing into
// `out` under the final name (the queue writes a temporary name and renames it).
bool WriteScripts(const MediaStore &store, int presetId, const QString &out, const QString &scripts)
{
    QDir().mkpath(scripts);
    QDir().mkpath(out);
    const Preset *preset = PresetById(presetId);
    for (int row = 0; row < store.count(); ++row) {
        const MediaItem &item = store.at(row);
        const QString output
            = out + OutputBaseName(item.name) + QString::fromLatin1(preset->extension);
        const ConverterInfo &converter = Converter();
        QString line = QStringLiteral("exec ") + ShellQuote(converter.program);
        for (const QString &argument :
             BuildCommandLine(*preset, converter, {item.path(), item.audioOnly()}, output))
            line += QLatin1Char(' ') + ShellQuote(argument);
        // Like the queue's converter: nothing to read, its output read by someone (here: nobody).
        line += QStringLiteral(" </dev/null >/dev/null 2>&1\n");
        QFile file(scripts + QStringLiteral("/%1.sh").arg(row, 3, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) || file.write(line.toLocal8Bit()) < 0)
            return false;
    }
    return true;
}

struct Figures
{
    std::vector<double> queueOne, queueMany, xargsOne, xargsMany;
    std::vector<double> cpuPerFile; // ms, with `slots`
    std::vector<double> cpuPerFileOne; // ms, one at a time
    std::vector<double> converterCpuPerFile; // ms
    std::vector<double> converterCoresOne; // converter CPU time over wall time, one at a time
    std::vector<double> gapsOne; // ms
    std::vector<double> tails; // ms, every run
};

void Report(const char *name, int presetId, int slots, const Figures &f)
{
    const double q1 = Median(f.queueOne);
    const double qn = Median(f.queueMany);
    const double x1 = Median(f.xargsOne);
    const double xn = Median(f.xargsMany);
    std::printf("\n%s (preset %d), medians of %zu rounds (spread max-min over median):\n", name,
                presetId, f.queueOne.size());
    std::printf("  queue, one at a time:      %6.3f s  (%4.1f %%)\n", q1,
                SpreadPercent(f.queueOne));
    std::printf("  queue, %d slots:            %6.3f s  (%4.1f %%)\n", slots, qn,
                SpreadPercent(f.queueMany));
    std::printf("  xargs -P 1:                %6.3f s  (%4.1f %%)\n", x1,
                SpreadPercent(f.xargsOne));
    std::printf("  xargs -P %d:                %6.3f s  (%4.1f %%)\n", slots, xn,
                SpreadPercent(f.xargsMany));
    std::printf("  queue %d slots / one at a time:  %.3f  (goal <= 0.65)\n", slots, qn / q1);
    std::printf("  xargs -P %d / xargs -P 1:        %.3f\n", slots, xn / x1);
    std::printf("  queue / xargs, one at a time:   %.3f\n", q1 / x1);
    std::printf("  queue / xargs, %d slots:         %.3f  (goal <= 1.05)\n", slots, qn / xn);
    std::printf("  queue's own CPU per file, %d slots / one at a time: %.1f / %.1f ms  (goal <= "
                "10)\n",
                slots, Median(f.cpuPerFile), Median(f.cpuPerFileOne));
    std::printf("  converter CPU per file: %.0f ms; cores it keeps busy one at a time: %.2f\n",
                Median(f.converterCpuPerFile), Median(f.converterCoresOne));
    std::printf("  a converter's exit to its row's end (%zu files): median %.2f ms, max %.2f ms\n",
                f.tails.size(), Median(f.tails),
                f.tails.empty() ? 0 : *std::max_element(f.tails.begin(), f.tails.end()));
    std::printf("  one at a time, one file's end to the next one's start: median %.2f ms, max "
                "%.2f ms\n",
                Median(f.gapsOne),
                f.gapsOne.empty() ? 0 : *std::max_element(f.gapsOne.begin(), f.gapsOne.end()));
}

} // namespace

int main(int argc, char **argv)
{
    // No widget anywhere: the queue and the store are the engine's.
    QCoreApplication app(argc, argv);
    int count = 8;
    int seconds = 10;
    int rounds = 3;
    int slots = BatchQueue::DefaultSlots();
    if ((argc > 1 && !ParseCount(argv[1], &count)) || (argc > 2 && !ParseCount(argv[2], &seconds))
        || (argc > 3 && !ParseCount(argv[3], &rounds))
        || (argc > 4 && !ParseCount(argv[4], &slots))) {
        std::fprintf(stderr, "usage: %s [files] [seconds per file] [rounds] [slots]\n", argv[0]);
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
    QDir().mkpath(in);
    testmedia::Clip clip;
    clip.seconds = seconds;
    clip.size = QStringLiteral("640x360");
    clip.codecArguments = {QStringLiteral("-c:v"), QStringLiteral("libx264"),
                           QStringLiteral("-c:a"), QStringLiteral("aac")};
    MediaStore store;
    for (int i = 0; i < count; ++i) {
        QString log;
        const QString name = QStringLiteral("clip %1.mp4").arg(i, 3, 10, QLatin1Char('0'));
        if (!testmedia::Make(in + name, clip, &log)) {
            std::fprintf(stderr, "could not make %s: %s\n", qPrintable(name), qPrintable(log));
            return 1;
        }
        store.Append(ProbeItem(in, name));
    }

    std::printf("batch: %d files of %d s, 640x360 h264/aac mp4; %d slots by default "
                "(BatchQueue::DefaultSlots() = %d); load average at start %.2f\n",
                count, seconds, slots, BatchQueue::DefaultSlots(), LoadAverage());

    const std::vector<std::pair<const char *, int>> presets
        = {{"iPod Normal", kIpodNormalPreset}, {"WMV", kWmvPreset}};
    std::map<int, Figures> figures;
    for (const auto &[name, presetId] : presets) {
        const QString tag = QString::number(presetId);
        if (!WriteScripts(store, presetId, dir.filePath(QStringLiteral("xargs-out-") + tag),
                          dir.filePath(QStringLiteral("scripts-") + tag)))
            return 1;
        // One untimed run so that every round starts with the converter and the inputs cached.
        if (RunXargs(dir.filePath(QStringLiteral("scripts-") + tag), slots) < 0)
            return 1;
    }

    BatchQueue queue(&store);
    int presetNow = 0;
    const QString queueOut = dir.filePath(QStringLiteral("queue-out"));
    queue.SetSettingsSource([&] {
        BatchSettings settings;
        settings.presetId = presetNow;
        settings.outputFolder = queueOut + QLatin1Char('/') + QString::number(presetNow);
        return settings;
    });

    std::vector<double> loads;
    for (int round = 0; round < rounds; ++round) {
        for (const auto &[name, presetId] : presets) {
            presetNow = presetId;
            Figures &f = figures[presetId];
            const QString scripts
                = dir.filePath(QStringLiteral("scripts-") + QString::number(presetId));
            const QString out = queueOut + QLatin1Char('/') + QString::number(presetId);
            loads.push_back(LoadAverage());
            const QueueRun one = RunQueue(store, queue, 1, out);
            const double x1 = RunXargs(scripts, 1);
            const QueueRun many = RunQueue(store, queue, slots, out);
            const double xn = RunXargs(scripts, slots);
            if (one.seconds < 0 || many.seconds < 0 || x1 < 0 || xn < 0)
                return 1;
            f.queueOne.push_back(one.seconds);
            f.queueMany.push_back(many.seconds);
            f.xargsOne.push_back(x1);
            f.xargsMany.push_back(xn);
            f.cpuPerFile.push_back(many.cpu * 1000 / count);
            f.cpuPerFileOne.push_back(one.cpu * 1000 / count);
            f.converterCpuPerFile.push_back(many.converterCpu * 1000 / count);
            f.converterCoresOne.push_back(one.converterCpu / one.seconds);
            f.gapsOne.insert(f.gapsOne.end(), one.gaps.begin(), one.gaps.end());
            f.tails.insert(f.tails.end(), one.tails.begin(), one.tails.end());
            f.tails.insert(f.tails.end(), many.tails.begin(), many.tails.end());
            std::printf("round %d %-11s queue 1 / %d: %.3f / %.3f s, xargs -P 1 / %d: %.3f / "
                        "%.3f s, queue CPU %.1f / %.1f ms per file, load %.2f\n",
                        round + 1, name, slots, one.seconds, many.seconds, slots, x1, xn,
                        one.cpu * 1000 / count, many.cpu * 1000 / count, loads.back());
            std::fflush(stdout);
        }
    }

    // The queue's outputs are what each preset makes.
    const std::map<int, QStringList> streams
        = {{kIpodNormalPreset, {QStringLiteral("mpeg4:video"), QStringLiteral("aac:audio")}},
           {kWmvPreset, {QStringLiteral("wmv2:video"), QStringLiteral("wmav2:audio")}}};
    std::map<int, double> verifyMs;
    for (const auto &[presetId, expected] : streams) {
        const QDir out(queueOut + QLatin1Char('/') + QString::number(presetId));
        const QStringList files = out.entryList(QDir::Files);
        if (files.size() != count) {
            std::fprintf(stderr, "%s holds %lld files\n", qPrintable(out.path()),
                         static_cast<long long>(files.size()));
            return 1;
        }
        std::vector<double> probeMs;
        for (const QString &file : files) {
            // What the queue's check of each output costs (off the event loop's thread).
            MediaInfo info;
            QElapsedTimer probe;
            probe.start();
            ProbeMedia(out.path() + QLatin1Char('/'), file, info);
            probeMs.push_back(probe.nsecsElapsed() / 1e6);
            const QStringList got = testmedia::Streams(out.filePath(file));
            if (got != expected) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(out.filePath(file)),
                             qPrintable(got.join(QLatin1Char(' '))));
                return 1;
            }
        }
        verifyMs[presetId] = Median(probeMs);
    }

    for (const auto &[name, presetId] : presets) {
        Report(name, presetId, slots, figures[presetId]);
        std::printf("  probing one output (the queue's check before the rename): median %.2f ms\n",
                    verifyMs[presetId]);
    }
    std::printf("\nload average during the rounds: median %.2f, min %.2f, max %.2f\n",
                Median(loads), *std::min_element(loads.begin(), loads.end()),
                *std::max_element(loads.begin(), loads.end()));
    return 0;
}
