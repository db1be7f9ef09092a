#include "engine/media/file_names.h"
#include "engine/media/media_adder.h"
#include "engine/platform/file_system_pool.h"
#include "support/files.h"
#include "support/media_factory.h"
#include "support/queue_fixture.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/media/media_list.h"

#include <QApplication>
#include <QMutex>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QSemaphore>
#include <QThreadPool>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <random>

#include <sys/stat.h>
#include <unistd.h>

// Adding files with their probes on a pool of threads: the rows land in the order of the paths,
// exactly as probing one file after another on the GUI thread gives them, while the event loop
// runs; Cancel keeps what was added and nothing more.
class TestMediaAdder : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_clip; // one second, 160x120
    QString m_long; // two seconds, 320x240
    QString m_song; // audio only

    struct Fixture
    {
        QWidget window;
        CDragDropListCtrl list {&window};
        CurrentPreset preset;
        MediaList media {&list, preset, &window};
        Fixture()
        {
            preset.formatLabel = QStringLiteral("wmv file");
            media.SetupColumns();
            window.show();
        }
        QStringList Names() const
        {
            QStringList names;
            for (int row = 0; row < media.rowCount(); ++row)
                names << media.Location(row) + media.FileName(row);
            return names;
        }
    };

    // The progress window of the running add once it is shown, or null.
    static QProgressDialog *ShownProgress()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            for (QProgressDialog *dialog : widget->findChildren<QProgressDialog *>()) {
                if (dialog->isVisible())
                    return dialog;
            }
        }
        return nullptr;
    }

    static void ClickCancel(QProgressDialog *dialog)
    {
        QPushButton *cancel = dialog->findChild<QPushButton *>();
        QVERIFY(cancel);
        cancel->click();
    }

    // Lets every probe still running end, then delivers what they sent.
    static void SettleProbes()
    {
        QVERIFY(FileSystemPool()->waitForDone(60000));
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    // `count` names of `source` in `folder` (hard links).
    static QStringList Links(const QString &source, const QString &folder, const QString &pattern,
                             int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            paths << folder + pattern.arg(i, 4, 10, QLatin1Char('0'));
            if (::link(QFile::encodeName(source).constData(),
                       QFile::encodeName(paths.last()).constData())
                != 0)
                return {};
        }
        return paths;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_clip = m_dir.filePath(QStringLiteral("clip.mp4"));
        m_long = m_dir.filePath(QStringLiteral("long.mp4"));
        m_song = m_dir.filePath(QStringLiteral("song.mp3"));
        QVERIFY(testmedia::MakeSmallClip(m_clip));
        QVERIFY(testmedia::Make(m_long));
        testmedia::Clip audio;
        audio.video = false;
        QVERIFY(testmedia::Make(m_song, audio));
    }

    void sameRowsAsOneThread_data()
    {
        QTest::addColumn<int>("threads");
        QTest::newRow("one per core") << 0;
        QTest::newRow("eight") << 8;
    }

    // 500 paths of every kind, in no sorted order, with duplicates: the pool's rows are the rows
    // of probing one path after another, cell for cell, and each new file is probed once.
    void sameRowsAsOneThread()
    {
        QFETCH(int, threads);
        const QString folder = m_dir.filePath(QStringLiteral("order-%1/").arg(threads));
        QVERIFY(QDir().mkpath(folder));
        QStringList paths;
        for (const QString &path : Links(m_clip, folder, QStringLiteral("clip %1.mp4"), 200)
                 + Links(m_long, folder, QStringLiteral("long %1.mp4"), 100)
                 + Links(m_song, folder, QStringLiteral("song %1.mp3"), 60))
            paths.append(path);
        QCOMPARE(paths.size(), 360);
        for (int i = 0; i < 40; ++i) {
            paths << folder + QStringLiteral("text %1.mp4").arg(i);
            QVERIFY(testfiles::WriteBytes(paths.last(), "not media " + QByteArray::number(i)));
        }
        for (int i = 0; i < 40; ++i)
            paths << folder + QStringLiteral("gone %1.avi").arg(i);
        paths << folder + QStringLiteral("pipe.mp4") << folder; // a FIFO, a path without a name
        QCOMPARE(::mkfifo(QFile::encodeName(paths[paths.size() - 2]).constData(), 0600), 0);
        QStringList repeats; // the same paths again
        for (int i = 0; paths.size() + repeats.size() < 500; i += 7)
            repeats << paths.at(i);
        for (const QString &path : repeats)
            paths.append(path);
        std::mt19937 random(18);
        std::shuffle(paths.begin(), paths.end(), random);
        QCOMPARE(paths.size(), 500);

        Fixture one;
        QStringList expectedProbes;
        for (const QString &path : paths) {
            const auto [name, location] = SplitPath(path);
            if (!name.isEmpty() && !one.media.store().IsListed(location, name)) {
                one.media.store().Append(ProbeItem(location, name));
                expectedProbes << path;
            }
        }

        Fixture pool;
        pool.media.SetProbeThreads(threads);
        QMutex mutex;
        QStringList probed;
        pool.media.SetProbe([&](const QString &location, const QString &name) {
            {
                const QMutexLocker lock(&mutex);
                probed << location + name;
            }
            return ProbeItem(location, name);
        });
        QCOMPARE(AddAndWait(pool.media, paths), one.media.rowCount());

        QCOMPARE(pool.media.rowCount(), expectedProbes.size());
        QCOMPARE(pool.list.model()->rowCount(), expectedProbes.size());
        QCOMPARE(pool.Names(), expectedProbes);
        for (int row = 0; row < one.media.rowCount(); ++row) {
            for (int column = 0; column < MediaColumn::Count; ++column)
                QCOMPARE(pool.media.Text(row, column), one.media.Text(row, column));
            QCOMPARE(pool.media.store()
                         .data(pool.media.store().index(row, 0), MediaStore::RowImageRole)
                         .toInt(),
                     one.media.store()
                         .data(one.media.store().index(row, 0), MediaStore::RowImageRole)
                         .toInt());
            QCOMPARE(pool.media.IsChecked(row), one.media.IsChecked(row));
            const MediaItem &a = pool.media.store().at(row);
            const MediaItem &b = one.media.store().at(row);
            QCOMPARE(a.info.durationSeconds, b.info.durationSeconds);
            QCOMPARE(a.info.width, b.info.width);
            QCOMPARE(a.info.outcome, b.info.outcome);
            QCOMPARE(a.inode, b.inode);
        }
        // Every kind made it into the list.
        QStringList statuses;
        for (int row = 0; row < pool.media.rowCount(); ++row)
            statuses << pool.media.Status(row) + pool.media.Text(row, MediaColumn::Duration);
        statuses.removeDuplicates();
        statuses.sort();
        QCOMPARE(statuses,
                 (QStringList {"Unknown Format!Unknown", "Waiting Convertion...00:00:01",
                               "Waiting Convertion...00:00:02"}));
        // Duplicates were refused before probing: each new file was probed once.
        probed.sort();
        expectedProbes.sort();
        QCOMPARE(probed, expectedProbes);
        // Adding them all again probes nothing.
        probed.clear();
        QCOMPARE(AddAndWait(pool.media, paths), 0);
        QVERIFY(probed.isEmpty());
    }

    // Cancel in the middle of 5,000 files: the files from the 2,500th on are held until Cancel is
    // pressed, so their probes end after it. The rows kept are the first ones in order, and
    // nothing arrives after Cancel.
    void cancelKeepsAPrefix()
    {
        const QString folder = m_dir.filePath(QStringLiteral("cancel/"));
        QVERIFY(QDir().mkpath(folder));
        QStringList paths;
        QHash<QString, int> positions;
        for (int i = 0; i < 5000; ++i) {
            // Not in the order of the names.
            paths << folder + QStringLiteral("n%1.mp4").arg(4999 - i, 4, 10, QLatin1Char('0'));
            QVERIFY(testfiles::WriteBytes(paths.last(), "text " + QByteArray::number(i)));
            positions.insert(paths.last(), i);
        }
        constexpr int kHeldFrom = 2500;

        Fixture f;
        QSemaphore gate;
        const auto openGate = qScopeGuard([&] {
            gate.release(100);
            SettleProbes();
        });
        f.media.SetProbe([&](const QString &location, const QString &name) {
            if (positions.value(location + name) >= kHeldFrom && gate.tryAcquire(1, 60000))
                gate.release();
            return ProbeItem(location, name);
        });
        int rowsAtCancel = -1;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QProgressDialog *dialog = ShownProgress();
            if (rowsAtCancel < 0 && dialog && f.media.rowCount() == kHeldFrom) {
                rowsAtCancel = f.media.rowCount();
                ClickCancel(dialog);
                gate.release(); // the held probes end now, after Cancel
            }
        });
        poll.start(20);
        const int added = AddAndWait(f.media, paths);
        QCOMPARE(rowsAtCancel, kHeldFrom);
        QCOMPARE(added, rowsAtCancel);
        QCOMPARE(f.Names(), paths.mid(0, added));
        SettleProbes();
        QCOMPARE(f.media.rowCount(), added);
        QCOMPARE(f.list.model()->rowCount(), added);
        QVERIFY(!f.media.adding());
    }

    void stalledFile_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("it returns") << false;
        QTest::newRow("Cancel while it hangs") << true;
    }

    // A file whose probe hangs, as one on a hung network mount does (here a probe that waits),
    // and a FIFO, among ordinary files: the other files are probed meanwhile and the event loop
    // keeps running; the rows after the hung one wait for it, in order, or Cancel ends the add
    // with the rows before it.
    void stalledFile()
    {
        QFETCH(bool, cancel);
        const QString folder = m_dir.filePath(QStringLiteral("stalled-%1/").arg(cancel));
        QVERIFY(QDir().mkpath(folder));
        QStringList paths = Links(m_clip, folder, QStringLiteral("clip %1.mp4"), 30);
        QCOMPARE(paths.size(), 30);
        constexpr int kStalled = 3;
        const QString stalled = paths[kStalled];
        paths[5] = folder + QStringLiteral("pipe.mp4");
        QCOMPARE(::mkfifo(QFile::encodeName(paths[5]).constData(), 0600), 0);

        Fixture f;
        QSemaphore hang;
        std::atomic<int> othersProbed {0};
        const auto release = qScopeGuard([&] {
            hang.release();
            SettleProbes();
        });
        f.media.SetProbe([&](const QString &location, const QString &name) {
            if (location + name == stalled)
                hang.tryAcquire(1, 60000);
            else
                ++othersProbed;
            return ProbeItem(location, name);
        });
        int ticksWhileStalled = 0;
        bool acted = false;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            // Everything but the hung file is probed, and the rows before it are in.
            if (acted || othersProbed.load() != 29 || f.media.rowCount() != kStalled)
                return;
            ++ticksWhileStalled;
            if (ticksWhileStalled < 5)
                return;
            if (cancel) {
                if (QProgressDialog *dialog = ShownProgress()) {
                    acted = true;
                    ClickCancel(dialog);
                }
            } else {
                acted = true;
                hang.release();
            }
        });
        ticker.start(10);
        const int added = AddAndWait(f.media, paths);
        QVERIFY(acted);
        QVERIFY(ticksWhileStalled >= 5);
        if (cancel) {
            QCOMPARE(added, kStalled);
            hang.release();
            SettleProbes();
        } else {
            QCOMPARE(added, paths.size());
            QCOMPARE(f.media.Status(5), QStringLiteral("Unknown Format!"));
            QCOMPARE(f.media.Status(kStalled), QStringLiteral("Waiting Convertion..."));
        }
        QCOMPARE(f.Names(), paths.mid(0, added));
        QCOMPARE(f.media.rowCount(), added);
    }
};

QTEST_MAIN(TestMediaAdder)
#include "tst_media_adder.moc"
