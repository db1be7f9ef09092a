// How fast Add Files fills the list: MediaList::AddPaths over N names of one small clip (hard
// links, or copies where links cannot be made), into a fresh list in a shown window, with the
// progress window it opens for many files. Then the same names again: every one is a duplicate
// and only the listed-index look-up runs. The per-file cost of the largest N against the smallest
// should be close to 1: adding must not slow down as the list grows. Each N is also added in calls
// too small for the progress window, to tell its cost from the list's.
//
// Each N is added with the probes on the pool (one thread per core), with one probe thread, and
// by probing one file after another on the GUI thread (AppendMediaRow), as adding once worked.
// While the pool adds, a 10 ms timer runs: its longest wait tells how long the window went
// unanswered.
//
// Every figure is given in wall time and in the process's CPU time (all its threads): on a
// machine shared with other work the CPU time is the steadier of the two.
// Usage: add_files_bench [N ...]   (default: 1000 10000)

#include "engine/media/file_names.h"
#include "engine/media/probe.h"
#include "support/media_factory.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/media/media_list.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <vector>

#include <unistd.h>

namespace {

// Below this many paths AddPaths opens no progress window.
constexpr int kNoProgressBatch = 19;

struct Cost
{
    double wall = 0; // seconds
    double cpu = 0; // seconds of the process's CPU time
};

double ProcessCpuSeconds()
{
    timespec t {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + t.tv_nsec / 1e9;
}

class Stopwatch
{
public:
    Stopwatch()
        : m_cpu(ProcessCpuSeconds())
    {
        m_wall.start();
    }
    Cost Elapsed() const { return {m_wall.nsecsElapsed() / 1e9, ProcessCpuSeconds() - m_cpu}; }

private:
    QElapsedTimer m_wall;
    double m_cpu;
};

struct Pass
{
    Cost add;
    Cost duplicates;
    double longestTickMs = 0; // the longest wait of a 10 ms timer during the add
};

struct Figures
{
    int files = 0;
    Pass whole; // one AddPaths call, as Add Files makes it, probes on every core
    Pass single; // the same with one probe thread
    Cost inlined; // AppendMediaRow one file after another on the GUI thread
    Pass batched; // calls of kNoProgressBatch paths, without the progress window
    Cost probe; // ProbeMedia alone over the same files
};

// N names of `clip` in a folder of their own; empty when they could not be made.
QStringList MakeNames(const QString &clip, const QString &folder, int count)
{
    QDir().mkpath(folder);
    QStringList paths;
    paths.reserve(count);
    const QByteArray source = QFile::encodeName(clip);
    for (int i = 0; i < count; ++i) {
        const QString path = folder + QStringLiteral("clip %1.mp4").arg(i, 5, 10, QLatin1Char('0'));
        if (::link(source.constData(), QFile::encodeName(path).constData()) != 0
            && !QFile::copy(clip, path))
            return {};
        paths << path;
    }
    return paths;
}

int AddInCalls(MediaList &media, const QStringList &paths, int perCall)
{
    int added = 0;
    int ended = 0;
    int calls = 0;
    for (int i = 0; i < paths.size(); i += perCall, ++calls)
        media.AddPaths(paths.mid(i, perCall), [&](int count) {
            added += count;
            ++ended;
        });
    QEventLoop loop;
    while (ended < calls)
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    return added;
}

// Adds `paths` to a fresh list in a shown window, then adds them again, `perCall` at a time.
bool AddTwice(const QStringList &paths, int perCall, int threads, Pass *pass)
{
    QWidget window;
    CDragDropListCtrl list(&window);
    CurrentPreset preset;
    MediaList media(&list, preset, &window);
    media.SetupColumns();
    media.SetProbeThreads(threads);
    list.resize(800, 300);
    window.resize(800, 300);
    window.show();
    QApplication::processEvents();

    const int count = paths.size();
    QElapsedTimer sinceTick;
    qint64 longestTick = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestTick = qMax(longestTick, sinceTick.nsecsElapsed());
        sinceTick.start();
    });
    ticker.start(10);
    sinceTick.start();
    const Stopwatch adding;
    const int added = AddInCalls(media, paths, perCall);
    pass->add = adding.Elapsed();
    ticker.stop();
    pass->longestTickMs = longestTick / 1e6;
    if (added != count || media.rowCount() != count) {
        std::fprintf(stderr, "added %d of %d files\n", added, count);
        return false;
    }

    const Stopwatch again;
    const int duplicates = AddInCalls(media, paths, perCall);
    pass->duplicates = again.Elapsed();
    if (duplicates != 0 || media.rowCount() != count) {
        std::fprintf(stderr, "added %d duplicates\n", duplicates);
        return false;
    }
    return true;
}

bool Measure(const QString &clip, const QString &root, int count, Figures *figures)
{
    const QString folder = root + QStringLiteral("n%1/").arg(count);
    const QStringList paths = MakeNames(clip, folder, count);
    if (paths.size() != count) {
        std::fprintf(stderr, "could not make %d names in %s\n", count, qPrintable(folder));
        return false;
    }
    figures->files = count;
    if (!AddTwice(paths, count, 0, &figures->whole) || !AddTwice(paths, count, 1, &figures->single)
        || !AddTwice(paths, kNoProgressBatch, 0, &figures->batched))
        return false;
    {
        QWidget window;
        CDragDropListCtrl list(&window);
        CurrentPreset preset;
        MediaList media(&list, preset, &window);
        media.SetupColumns();
        window.show();
        QApplication::processEvents();
        const Stopwatch adding;
        for (const QString &path : paths) {
            const auto [name, location] = SplitPath(path);
            media.store().Append(ProbeItem(location, name));
        }
        figures->inlined = adding.Elapsed();
    }

    const Stopwatch probing;
    for (const QString &path : paths) {
        const auto [name, location] = SplitPath(path);
        MediaInfo info;
        if (ProbeMedia(location, name, info) != ProbeOutcome::Ready) {
            std::fprintf(stderr, "%s did not probe as ready\n", qPrintable(path));
            return false;
        }
    }
    figures->probe = probing.Elapsed();
    return true;
}

void PrintRate(const char *what, const char *unit, int count, const Cost &cost)
{
    std::printf("%s: %.1f %s/s\n", what, cost.wall > 0 ? count / cost.wall : 0, unit);
    std::printf("%s, CPU: %.1f us each\n", what, cost.cpu * 1e6 / count);
}

void PrintFigures(const Figures &f)
{
    const int n = f.files;
    char what[160];
    std::snprintf(what, sizeof what, "AddPaths %d new files, %d probe threads", n,
                  QThread::idealThreadCount());
    PrintRate(what, "rows", n, f.whole.add);
    std::printf("AddPaths %d new files, longest wait of a 10 ms timer: %.1f ms\n", n,
                f.whole.longestTickMs);
    std::snprintf(what, sizeof what, "AddPaths %d new files, one probe thread", n);
    PrintRate(what, "rows", n, f.single.add);
    std::snprintf(what, sizeof what, "AppendMediaRow %d new files on the GUI thread", n);
    PrintRate(what, "rows", n, f.inlined);
    std::printf("AddPaths %d new files, pool against one probe thread: %.2fx\n", n,
                f.single.add.wall / f.whole.add.wall);
    std::printf("AddPaths %d new files, pool against the GUI thread alone: %.2fx\n", n,
                f.inlined.wall / f.whole.add.wall);
    std::snprintf(what, sizeof what, "AddPaths %d duplicates", n);
    PrintRate(what, "paths", n, f.whole.duplicates);
    std::snprintf(what, sizeof what, "AddPaths %d new files in calls of %d (no progress window)", n,
                  kNoProgressBatch);
    PrintRate(what, "rows", n, f.batched.add);
    std::snprintf(what, sizeof what, "AddPaths %d duplicates in calls of %d", n, kNoProgressBatch);
    PrintRate(what, "paths", n, f.batched.duplicates);
    std::snprintf(what, sizeof what, "ProbeMedia alone over the %d files", n);
    PrintRate(what, "files", n, f.probe);
    // What the list and the progress window add to each file's probe.
    std::printf("AddPaths %d new files, CPU beyond probing: %.0f us/row\n", n,
                (f.whole.add.cpu - f.probe.cpu) * 1e6 / n);
    std::printf("AddPaths %d new files in calls of %d, CPU beyond probing: %.0f us/row\n", n,
                kNoProgressBatch, (f.batched.add.cpu - f.probe.cpu) * 1e6 / n);
    std::fflush(stdout);
}

void PrintRatio(const char *what, const Figures &small, const Figures &large,
                Cost (*pick)(const Figures &))
{
    const Cost a = pick(small);
    const Cost b = pick(large);
    const auto ratio = [&](double x, double y) {
        return x > 0 ? (y / large.files) / (x / small.files) : 0;
    };
    std::printf("%s per-file cost %d vs %d, wall: %.2f\n", what, large.files, small.files,
                ratio(a.wall, b.wall));
    std::printf("%s per-file cost %d vs %d, CPU: %.2f\n", what, large.files, small.files,
                ratio(a.cpu, b.cpu));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::vector<int> counts;
    for (int i = 1; i < argc; ++i) {
        bool ok = false;
        const int n = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || n < 1) {
            std::fprintf(stderr, "usage: %s [N ...]\n", argv[0]);
            return 2;
        }
        counts.push_back(n);
    }
    if (counts.empty())
        counts = {1000, 10000};
    if (testmedia::Ffmpeg().isEmpty()) {
        std::fprintf(stderr, "ffmpeg is needed\n");
        return 1;
    }

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString root = dir.path() + QLatin1Char('/');
    const QString clip = root + QStringLiteral("clip.mp4");
    QString log;
    if (!testmedia::MakeSmallClip(clip, &log)) {
        std::fprintf(stderr, "could not make the clip: %s\n", qPrintable(log));
        return 1;
    }

    // The first add of a process pays for loading fonts, the progress window and the library's
    // codecs: a small add first keeps that out of the figures.
    Figures warmUp;
    if (!Measure(clip, root + QStringLiteral("warm/"), 200, &warmUp))
        return 1;

    std::vector<Figures> all;
    for (int count : counts) {
        Figures figures;
        if (!Measure(clip, root, count, &figures))
            return 1;
        PrintFigures(figures);
        all.push_back(figures);
    }
    if (all.size() > 1) {
        const Figures &small = all.front();
        const Figures &large = all.back();
        PrintRatio("AddPaths", small, large, [](const Figures &f) { return f.whole.add; });
        PrintRatio("AddPaths one probe thread", small, large,
                   [](const Figures &f) { return f.single.add; });
        PrintRatio("AddPaths duplicates", small, large,
                   [](const Figures &f) { return f.whole.duplicates; });
        PrintRatio("AddPaths in calls of 19", small, large,
                   [](const Figures &f) { return f.batched.add; });
        PrintRatio("ProbeMedia", small, large, [](const Figures &f) { return f.probe; });
    }
    return 0;
}
