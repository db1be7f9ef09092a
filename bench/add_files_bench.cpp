// How fast Add Files fills the list: MediaList::AddPaths over N names of one small clip (hard
// links, or copies where links cannot be made), into a fresh list in a shown window, with the
// progress window it opens for many files. Then the same names again: every one is a duplicate
// and only the listed-index look-up runs. The per-file cost of the largest N against the smallest
// should be close to 1: adding must not slow down as the list grows. Each N is also added in calls
// too small for the progress window, to tell its cost from the list's.
// Usage: add_files_bench [N ...]   (default: 1000 10000)

#include "controls/listview/drag_drop_list_ctrl.h"
#include "media/media_list.h"
#include "media/probe.h"
#include "support/media_factory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

// Below this many paths AddPaths opens no progress window.
constexpr int kNoProgressBatch = 19;

struct Pass
{
    double addSeconds = 0;
    double duplicateSeconds = 0;
};

struct Figures
{
    int files = 0;
    Pass whole; // one AddPaths call, as Add Files makes it
    Pass batched; // calls of kNoProgressBatch paths, without the progress window
    double probeSeconds = 0;
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

double Seconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e9;
}

int AddInCalls(MediaList &media, const QStringList &paths, int perCall)
{
    int added = 0;
    for (int i = 0; i < paths.size(); i += perCall)
        added += media.AddPaths(paths.mid(i, perCall));
    return added;
}

// Adds `paths` to a fresh list in a shown window, then adds them again, `perCall` at a time.
bool AddTwice(const QStringList &paths, int perCall, Pass *pass)
{
    QWidget window;
    CDragDropListCtrl list(&window);
    CurrentPreset preset;
    MediaList media(&list, preset, &window);
    media.SetupColumns();
    list.resize(800, 300);
    window.resize(800, 300);
    window.show();
    QApplication::processEvents();

    const int count = paths.size();
    QElapsedTimer timer;
    timer.start();
    const int added = AddInCalls(media, paths, perCall);
    pass->addSeconds = Seconds(timer);
    if (added != count || media.rowCount() != count) {
        std::fprintf(stderr, "added %d of %d files\n", added, count);
        return false;
    }

    timer.restart();
    const int again = AddInCalls(media, paths, perCall);
    pass->duplicateSeconds = Seconds(timer);
    if (again != 0 || media.rowCount() != count) {
        std::fprintf(stderr, "added %d duplicates\n", again);
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
    if (!AddTwice(paths, count, &figures->whole)
        || !AddTwice(paths, kNoProgressBatch, &figures->batched))
        return false;

    // The probes alone, to tell the list's share from the library's.
    QElapsedTimer timer;
    timer.start();
    for (const QString &path : paths) {
        const auto [name, location] = MediaList::SplitPath(path);
        MediaInfo info;
        if (ProbeMedia(location, name, info) != ProbeOutcome::Ready) {
            std::fprintf(stderr, "%s did not probe as ready\n", qPrintable(path));
            return false;
        }
    }
    figures->probeSeconds = Seconds(timer);
    return true;
}

double Rate(int files, double seconds)
{
    return seconds > 0 ? files / seconds : 0;
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
    testmedia::Clip one;
    one.seconds = 1;
    one.size = QStringLiteral("160x120");
    one.codecArguments = {QStringLiteral("-c:v"), QStringLiteral("libx264"), QStringLiteral("-c:a"),
                          QStringLiteral("aac")};
    QString log;
    if (!testmedia::Make(clip, one, &log)) {
        std::fprintf(stderr, "could not make the clip: %s\n", qPrintable(log));
        return 1;
    }

    std::vector<Figures> all;
    for (int count : counts) {
        Figures figures;
        if (!Measure(clip, root, count, &figures))
            return 1;
        all.push_back(figures);
        const auto perRow = [&](double seconds) {
            return (seconds - figures.probeSeconds) * 1e6 / count;
        };
        std::printf("AddPaths %d new files: %.1f rows/s\n", count,
                    Rate(count, figures.whole.addSeconds));
        std::printf("AddPaths %d duplicates: %.1f paths/s\n", count,
                    Rate(count, figures.whole.duplicateSeconds));
        std::printf("ProbeMedia alone over the %d files: %.1f files/s\n", count,
                    Rate(count, figures.probeSeconds));
        std::printf("AddPaths %d new files, cost beyond probing: %.0f us/row\n", count,
                    perRow(figures.whole.addSeconds));
        std::printf("AddPaths %d new files in calls of %d (no progress window): %.1f rows/s\n",
                    count, kNoProgressBatch, Rate(count, figures.batched.addSeconds));
        std::printf("AddPaths %d new files in calls of %d, cost beyond probing: %.0f us/row\n",
                    count, kNoProgressBatch, perRow(figures.batched.addSeconds));
        std::printf("AddPaths %d duplicates in calls of %d: %.1f paths/s\n", count,
                    kNoProgressBatch, Rate(count, figures.batched.duplicateSeconds));
        std::fflush(stdout);
    }
    if (all.size() > 1) {
        const Figures &small = all.front();
        const Figures &large = all.back();
        const double perFileSmall = small.whole.addSeconds / small.files;
        const double perFileLarge = large.whole.addSeconds / large.files;
        std::printf("AddPaths per-file cost %d vs %d: %.2f\n", large.files, small.files,
                    perFileSmall > 0 ? perFileLarge / perFileSmall : 0);
        const double dupSmall = small.whole.duplicateSeconds / small.files;
        const double dupLarge = large.whole.duplicateSeconds / large.files;
        std::printf("duplicate per-path cost %d vs %d: %.2f\n", large.files, small.files,
                    dupSmall > 0 ? dupLarge / dupSmall : 0);
        const double batchedSmall = small.batched.addSeconds / small.files;
        const double batchedLarge = large.batched.addSeconds / large.files;
        std::printf("AddPaths in calls of %d per-file cost %d vs %d: %.2f\n", kNoProgressBatch,
                    large.files, small.files, batchedSmall > 0 ? batchedLarge / batchedSmall : 0);
    }
    return 0;
}
