// The memory a long media list takes: the program's resident size before and after appending N
// real media rows (each probed, as Add Files does) to a list in a shown window.
// Usage: memory_bench [rows, default 10000]

#include "engine/media/file_names.h"
#include "support/media_factory.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/media/media_list.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include <unistd.h>

namespace {

struct Memory
{
    qint64 rss = -1; // bytes
    qint64 hwm = -1; // bytes, the highest resident size so far
};

qint64 StatusKilobytes(const QByteArray &status, const char *key)
{
    for (const QByteArray &line : status.split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

Memory ReadMemory()
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray status = file.readAll();
    return {StatusKilobytes(status, "VmRSS:") * 1024, StatusKilobytes(status, "VmHWM:") * 1024};
}

double Megabytes(qint64 bytes)
{
    return bytes / (1024.0 * 1024.0);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    int rows = 10000;
    if (argc > 1) {
        bool ok = false;
        rows = QString::fromLocal8Bit(argv[1]).toInt(&ok);
        if (!ok || rows < 1) {
            std::fprintf(stderr, "usage: %s [rows]\n", argv[0]);
            return 2;
        }
    }
    if (testmedia::Ffmpeg().isEmpty()) {
        std::fprintf(stderr, "ffmpeg is needed\n");
        return 1;
    }

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString clip = folder + QStringLiteral("clip.mp4");
    QString log;
    if (!testmedia::MakeSmallClip(clip, &log)) {
        std::fprintf(stderr, "could not make the clip: %s\n", qPrintable(log));
        return 1;
    }
    // Names as long as a real library's: the rows keep them.
    QStringList names;
    const QByteArray source = QFile::encodeName(clip);
    for (int i = 0; i < rows; ++i) {
        const QString name = QStringLiteral("holiday clip %1.mp4").arg(i, 5, 10, QLatin1Char('0'));
        if (::link(source.constData(), QFile::encodeName(folder + name).constData()) != 0
            && !QFile::copy(clip, folder + name)) {
            std::fprintf(stderr, "could not make %s\n", qPrintable(name));
            return 1;
        }
        names << name;
    }

    QWidget window;
    CDragDropListCtrl list(&window);
    CurrentPreset preset;
    MediaList media(&list, preset, &window);
    media.SetupColumns();
    media.LoadRowImages();
    list.resize(800, 300);
    window.resize(800, 300);
    window.show();
    // The first row and a paint load the probing library's and the painter's own state, which a
    // list of any length pays once.
    media.store().Append(ProbeItem(folder, QStringLiteral("clip.mp4")));
    QApplication::processEvents();

    // Each row gets its own folder text, as when Add Files splits every picked path.
    QStringList paths;
    for (const QString &name : names)
        paths << folder + name;
    const Memory before = ReadMemory();
    for (const QString &path : paths) {
        const auto [name, location] = SplitPath(path);
        media.store().Append(ProbeItem(location, name));
    }
    QApplication::processEvents();
    const Memory after = ReadMemory();
    if (media.rowCount() != rows + 1 || before.rss < 0 || after.rss < 0) {
        std::fprintf(stderr, "%d rows listed, memory %lld -> %lld\n", media.rowCount(), before.rss,
                     after.rss);
        return 1;
    }

    std::printf("rows: %d real media rows (one probed clip under %d names)\n", rows, rows);
    std::printf("VmRSS before: %.1f MiB\n", Megabytes(before.rss));
    std::printf("VmRSS after: %.1f MiB\n", Megabytes(after.rss));
    std::printf("VmHWM before: %.1f MiB\n", Megabytes(before.hwm));
    std::printf("VmHWM after: %.1f MiB\n", Megabytes(after.hwm));
    std::printf("VmRSS per row: %.0f bytes\n", double(after.rss - before.rss) / rows);
    std::printf("VmHWM per row: %.0f bytes\n", double(after.hwm - before.hwm) / rows);
    return 0;
}
