// How fast Add Folder walks a tree before it probes anything: ScanFolder with sub folders over a
// tree of N empty files (a tenth of them with other extensions, names in mixed case) in folders
// of 1,000, against the same tree listed by QDirIterator without any of the scan's checks. The
// scan must stay a small part of adding: probing costs about a millisecond a file.
//
// Usage: folder_scan_bench [N]   (default: 100000)

#include "engine/media/folder_scan.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int files = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    QTemporaryDir dir;
    const QString root = dir.path() + QStringLiteral("/tree/");
    for (int i = 0; i < files; ++i) {
        const QString folder = root + QStringLiteral("d%1/").arg(i / 1000);
        if (i % 1000 == 0)
            QDir().mkpath(folder);
        const char *extension = i % 10 == 0 ? "txt" : (i % 2 ? "MP4" : "mkv");
        QFile file(folder + QStringLiteral("clip %1.%2").arg(i).arg(QLatin1String(extension)));
        file.open(QIODevice::WriteOnly);
    }

    std::vector<double> scan;
    std::vector<double> plain;
    int found = 0;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        found = int(ScanFolder(root, true).paths.size());
        scan.push_back(timer.nsecsElapsed() / 1e9);
        timer.start();
        int listed = 0;
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            ++listed;
        }
        plain.push_back(timer.nsecsElapsed() / 1e9);
    }
    std::sort(scan.begin(), scan.end());
    std::sort(plain.begin(), plain.end());
    std::printf("scan of %d files (%d media): median %.3f s (%.0f files/s), %.3f to %.3f s\n",
                files, found, scan[2], files / scan[2], scan.front(), scan.back());
    std::printf("QDirIterator over the same tree: median %.3f s (%.0f files/s)\n", plain[2],
                files / plain[2]);
    return 0;
}
