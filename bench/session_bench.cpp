// The session file of a long list: how long one write of N rows takes (the list is written at
// most four times a second while it changes), its size, and how long the next start takes to
// read it and put the rows back into the store (each file checked on disk).
// Usage: session_bench [rows, default 10000]

#include "engine/media/conversion_list.h"
#include "engine/settings/session_file.h"
#include "support/scripted_dialogs.h"
#include "ui/app/session_keeper.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

#include <sys/stat.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    if (rows < 1) {
        std::fprintf(stderr, "usage: %s [rows]\n", argv[0]);
        return 2;
    }
    QTemporaryDir dir;
    const QString files = dir.filePath(QStringLiteral("media/"));
    QDir().mkpath(files);
    ConversionList list;
    MediaStore &store = list.store();
    for (int i = 0; i < rows; ++i) {
        const QString name = QStringLiteral("clip number %1 from the camera.mp4").arg(i);
        QFile file(files + name);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        MediaItem item;
        item.folder = files;
        item.name = name;
        item.state = i % 3 == 0 ? ItemState::Completed : ItemState::Waiting;
        item.output = QStringLiteral("/home/user/Mymedia/clip number %1.mp4").arg(i);
        // As the adder records them: the same file when the list comes back.
        struct stat st;
        ::stat(QFile::encodeName(files + name).constData(), &st);
        item.device = st.st_dev;
        item.inode = st.st_ino;
        store.Append(item);
    }
    const QString folder = dir.filePath(QStringLiteral("state/"));
    {
        SessionKeeper keeper(&list, nullptr, folder);
        keeper.OfferLeftList();
        const int repeats = 20;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < repeats; ++i)
            keeper.sessionFile().WriteNow();
        std::printf("session write: %d rows, %.1f ms a write, %.2f MB\n", rows,
                    clock.nsecsElapsed() / 1e6 / repeats,
                    QFileInfo(keeper.sessionFile().path()).size() / (1024.0 * 1024.0));
    } // left as a killed program leaves it

    ScriptedDialogs dialogs;
    dialogs.NextAnswer(true);
    ConversionList restoredList;
    const MediaStore &restored = restoredList.store();
    QElapsedTimer clock;
    clock.start();
    SessionKeeper next(&restoredList, nullptr, folder);
    QEventLoop wait;
    QObject::connect(&next, &SessionKeeper::LeftListRestored, &wait, &QEventLoop::quit);
    next.OfferLeftList();
    wait.exec();
    std::printf("session restore: %d rows back in %.1f ms\n", restored.count(),
                clock.nsecsElapsed() / 1e6);
    next.EndSession();
    return restored.count() == rows ? 0 : 1;
}
