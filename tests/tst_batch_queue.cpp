#include "engine/convert/batch_queue.h"
#include "engine/media/media_store.h"
#include "support/files.h"
#include "support/media_factory.h"
#include "support/processes.h"
#include "support/store_watch.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using testprocesses::Alive;

// Set in the environment of the child program that the program-killed test runs: the folder of
// the slow clips, and the saving folder.
constexpr char kChildInput[] = "KELVORA_BATCH_CHILD_INPUT";
constexpr char kChildOutput[] = "KELVORA_BATCH_CHILD_OUTPUT";
constexpr char kChildPause[] = "KELVORA_BATCH_CHILD_PAUSE"; // set: pause before telling

const QString kDone = StateText(ItemState::Completed);
const QString kCanceled = StateText(ItemState::Canceled);
const QString kFailed = StateText(ItemState::Failed);
const QString kWaiting = StateText(ItemState::Waiting);

// What /proc says of one process.
struct ProcessView
{
    qint64 pid = 0;
    char state = 0; // 0: no such process
    qint64 parent = 0;
    qint64 group = 0;
};

ProcessView ViewProcess(qint64 pid)
{
    ProcessView view;
    view.pid = pid;
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return view;
    const QByteArray stat = file.readAll();
    // "pid (comm) state ppid pgrp ...": the name may hold spaces and parentheses.
    const int close = stat.lastIndexOf(')');
    if (close < 0)
        return view;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    if (fields.size() < 3 || fields[0].isEmpty())
        return view;
    view.state = fields[0].at(0);
    view.parent = fields[1].toLongLong();
    view.group = fields[2].toLongLong();
    return view;
}

// Every process whose group is one of `groups`, zombies included.
QList<ProcessView> GroupMembers(const QList<qint64> &groups)
{
    QList<ProcessView> members;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (!number)
            continue;
        const ProcessView view = ViewProcess(pid);
        if (view.state != 0 && groups.contains(view.group))
            members << view;
    }
    return members;
}

// Gone: no process by that id, not even a zombie waiting to be reaped.
bool Gone(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH;
}

// Every process of the groups of `pids` is stopped ('T' in /proc), and there is one at least.
bool AllStopped(const QList<qint64> &pids)
{
    const QList<ProcessView> members = GroupMembers(pids);
    return !members.isEmpty()
        && std::all_of(members.cbegin(), members.cend(),
                       [](const ProcessView &member) { return member.state == 'T'; });
}

// The temporary outputs a conversion left behind in `folder`.
QStringList Leftovers(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral(".*.part-*")}, QDir::Files | QDir::Hidden);
}

// Everything a batch tells, recorded as it comes; and how many converters were seen alive at
// once, looked up in /proc at every sign of life of the batch and on a short timer.
struct BatchRecorder
{
    BatchQueue *batch;
    QList<int> started;
    QList<int> finished;
    QList<double> progress;
    QList<QList<int>> ended; // {completed, failed, canceled} of each BatchEnded
    int batchStarts = 0;
    int mostAlive = 0;
    QTimer sampler;

    explicit BatchRecorder(BatchQueue *queue, MediaStore *store)
        : batch(queue)
    {
        QObject::connect(batch, &BatchQueue::BatchStarted, batch, [this] { ++batchStarts; });
        QObject::connect(batch, &BatchQueue::ItemStarted, batch, [this, store](ItemId id) {
            started << store->RowOf(id);
            Sample();
        });
        QObject::connect(batch, &BatchQueue::ItemFinished, batch,
                         [this, store](ItemId id, ItemState) {
                             finished << store->RowOf(id);
                             Sample();
                         });
        QObject::connect(batch, &BatchQueue::Progress, batch, [this](double p) { progress << p; });
        QObject::connect(batch, &BatchQueue::BatchEnded, batch, [this](int c, int f, int x) {
            ended << QList<int> {c, f, x};
        });
        OnProgress(*store, batch, [this](int, int) { Sample(); });
        sampler.setInterval(5);
        QObject::connect(&sampler, &QTimer::timeout, [this] { Sample(); });
        sampler.start();
    }

    void Sample()
    {
        int alive = 0;
        for (qint64 pid : batch->ConverterPids())
            alive += Alive(pid) ? 1 : 0;
        mostAlive = qMax(mostAlive, alive);
    }

    // The fraction never went back, and started at 0.
    bool ProgressRises() const
    {
        if (progress.isEmpty() || progress.first() != 0.0)
            return false;
        for (int i = 1; i < progress.size(); ++i) {
            if (progress[i] < progress[i - 1])
                return false;
        }
        return true;
    }
};

// The child program of the program-killed test: two slow clips converting side by side. It
// prints the converters' process ids once both run, then waits to be killed.
int RunBatchChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString in = qEnvironmentVariable(kChildInput);
    const QString out = qEnvironmentVariable(kChildOutput);
    MediaStore store;
    for (const char *name : {"slow.mkv", "slow2.mkv"}) {
        if (store.Append(ProbeItem(in, QString::fromLatin1(name))) == 0)
            return 2;
    }
    BatchQueue batch(&store);
    batch.SetSlots(2);
    batch.SetSettingsSource([out] {
        BatchSettings settings;
        settings.presetId = 8;
        settings.outputFolder = out;
        return settings;
    });
    if (!batch.Start(Ids(store, {0, 1})))
        return 3;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        const QList<qint64> pids = batch.ConverterPids();
        if (pids.size() < 2)
            return;
        poll.stop();
        if (qEnvironmentVariableIsSet(kChildPause))
            batch.Pause();
        QTextStream(stdout) << "pids " << pids[0] << ' ' << pids[1] << Qt::endl;
    });
    QObject::connect(&batch, &BatchQueue::BatchEnded, &app,
                     [] { QTextStream(stdout) << "ended" << Qt::endl; });
    poll.start(10);
    return app.exec();
}

} // namespace

// The batch queue over the headless store with the real converter, and no widget at all.
class TestBatchQueue : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_in;

    QString Folder(const QString &name) const { return testfiles::MakeFolder(m_dir.path(), name); }

    // Lists `names` of `folder`; false when one of them is not listed.
    static bool Append(MediaStore &store, const QString &folder, const QStringList &names)
    {
        for (const QString &name : names) {
            if (store.Append(ProbeItem(folder, name)) == 0)
                return false;
        }
        return store.count() == names.size();
    }

    static void Configure(BatchQueue &batch, int presetId, const QString &out)
    {
        batch.SetSlots(2);
        batch.SetSettingsSource([presetId, out] {
            BatchSettings settings;
            settings.presetId = presetId;
            settings.outputFolder = out;
            return settings;
        });
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_in = Folder(QStringLiteral("in"));
        testmedia::Clip clip;
        clip.size = QStringLiteral("160x120");
        clip.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "mp2"};
        for (int i = 0; i < 5; ++i)
            QVERIFY(testmedia::Make(m_in + QStringLiteral("c%1.mkv").arg(i), clip));
        // Long enough to convert that a failing file ends while it still converts.
        testmedia::Clip longer = clip;
        longer.seconds = 6;
        longer.size = QStringLiteral("320x240");
        QVERIFY(testmedia::Make(m_in + QStringLiteral("longer.mkv"), longer));
        // Clips slow enough to convert to be skipped, stopped or killed midway.
        testmedia::Clip slow = clip;
        slow.seconds = 60;
        slow.size = QStringLiteral("1280x720");
        QVERIFY(testmedia::Make(m_in + QStringLiteral("slow.mkv"), slow));
        QVERIFY(QFile::copy(m_in + QStringLiteral("slow.mkv"), m_in + QStringLiteral("slow2.mkv")));
        QString log;
        QVERIFY2(testmedia::MakeHeaderOnly(m_in + QStringLiteral("broken.wmv"), &log),
                 qPrintable(log));
    }

    void fiveClipsInTwoSlots()
    {
        const QString out = Folder(QStringLiteral("five"));
        MediaStore store;
        QVERIFY(Append(store, m_in, {"c0.mkv", "c1.mkv", "c2.mkv", "c3.mkv", "c4.mkv"}));
        BatchQueue batch(&store);
        Configure(batch, 13, out);
        BatchRecorder record(&batch, &store);

        QVERIFY(batch.Start(Ids(store, {0, 1, 2, 3, 4})));
        QVERIFY(batch.IsConverting());
        QVERIFY(!batch.Start(Ids(store, {0}))); // nothing starts twice
        QTRY_VERIFY_WITH_TIMEOUT(!batch.IsConverting(), 60000);

        QCOMPARE(record.batchStarts, 1);
        QCOMPARE(record.started, (QList<int> {0, 1, 2, 3, 4}));
        QCOMPARE(record.mostAlive, 2);
        QCOMPARE(Statuses(store), QStringList(5, kDone));
        QCOMPARE(record.ended, (QList<QList<int>> {{5, 0, 0}}));
        QVERIFY(record.ProgressRises());
        QCOMPARE(record.progress.last(), 1.0);
        for (int row = 0; row < 5; ++row) {
            const QString output = out + QStringLiteral("c%1.wmv").arg(row);
            QCOMPARE(store.at(row).output, output);
            QCOMPARE(store.at(row).reason, output);
            QCOMPARE(store.at(row).progress, MediaItem::kNoProgress);
            QCOMPARE(testmedia::Streams(output), (QStringList {"wmv2:video", "wmav2:audio"}));
        }
        QVERIFY(batch.ConverterPids().isEmpty());
        QCOMPARE(Leftovers(out), QStringList());
    }

    void skipAndStopWithTwoRunning_data()
    {
        QTest::addColumn<int>("end"); // 0: skip, 1: stop all, 2: shut down (the program's exit)
        QTest::addColumn<bool>("paused"); // the converters are stopped first
        QTest::addColumn<QStringList>("statuses");
        QTest::addColumn<QList<int>>("started");
        QTest::addColumn<QList<int>>("counts");
        const QStringList stopped {kDone, kCanceled, kCanceled, kWaiting, kWaiting};
        QTest::newRow("skip") << 0 << false
                              << QStringList {kDone, kCanceled, kCanceled, kDone, kDone}
                              << QList<int> {0, 1, 2, 3, 4} << QList<int> {3, 0, 2};
        QTest::newRow("stop all") << 1 << false << stopped << QList<int> {0, 1, 2}
                                  << QList<int> {1, 0, 2};
        QTest::newRow("stop all while paused")
            << 1 << true << stopped << QList<int> {0, 1, 2} << QList<int> {1, 0, 2};
        QTest::newRow("shut down while paused")
            << 2 << true << stopped << QList<int> {0, 1, 2} << QList<int> {1, 0, 2};
    }

    void skipAndStopWithTwoRunning()
    {
        QFETCH(int, end);
        QFETCH(bool, paused);
        QFETCH(QStringList, statuses);
        QFETCH(QList<int>, started);
        QFETCH(QList<int>, counts);
        const bool stopAll = end != 0;
        const QString out = Folder(QString::fromLatin1(QTest::currentDataTag()));
        MediaStore store;
        QVERIFY(Append(store, m_in, {"c0.mkv", "slow.mkv", "slow2.mkv", "c3.mkv", "c4.mkv"}));
        BatchQueue batch(&store);
        Configure(batch, 8, out);
        BatchRecorder record(&batch, &store);

        QVERIFY(batch.Start(Ids(store, {0, 1, 2, 3, 4})));
        // Both slow clips convert, and both converters have told some progress.
        QTRY_VERIFY_WITH_TIMEOUT(Rows(store, batch.RunningItems()) == (QList<int> {1, 2})
                                     && store.at(1).progress > 0 && store.at(2).progress > 0,
                                 60000);
        // The first clip is done and the two running ones count with their shares.
        QVERIFY2(record.progress.last() > 0.2, qPrintable(QString::number(record.progress.last())));
        const QList<qint64> pids = batch.ConverterPids();
        QCOMPARE(pids.size(), 2);
        for (qint64 pid : pids) {
            QVERIFY(Alive(pid));
            QCOMPARE(ViewProcess(pid).group, pid); // each converter leads a group of its own
        }

        if (paused) {
            batch.Pause();
            QTRY_VERIFY_WITH_TIMEOUT(AllStopped(pids), 20000);
        }
        if (end == 2)
            batch.Shutdown();
        else
            stopAll ? batch.StopAll() : batch.SkipCurrent();
        QTRY_VERIFY_WITH_TIMEOUT(!batch.IsConverting(), 60000);
        QVERIFY(!batch.IsPaused());

        QCOMPARE(Statuses(store), statuses);
        QCOMPARE(record.started, started);
        QCOMPARE(record.ended, QList<QList<int>> {counts});
        QVERIFY(record.ProgressRises());
        if (!stopAll)
            QCOMPARE(record.progress.last(), 1.0);
        // The converters were reaped, and nothing of their groups runs on.
        for (qint64 pid : pids)
            QVERIFY2(Gone(pid), qPrintable(QString::number(pid)));
        for (const ProcessView &member : GroupMembers(pids))
            QVERIFY2(member.state == 'Z',
                     qPrintable(
                         QStringLiteral("%1 of group %2 runs").arg(member.pid).arg(member.group)));
        for (int row : {1, 2}) {
            QCOMPARE(store.at(row).reason, QString());
            QCOMPARE(store.at(row).output, QString());
            QCOMPARE(store.at(row).progress, MediaItem::kNoProgress);
        }
        QVERIFY(!QFileInfo::exists(out + QStringLiteral("slow.mp4")));
        QVERIFY(!QFileInfo::exists(out + QStringLiteral("slow2.mp4")));
        QCOMPARE(QFileInfo::exists(out + QStringLiteral("c3.mp4")), !stopAll);
        QCOMPARE(Leftovers(out), QStringList());
    }

    void aFailingFileLeavesTheOthersAlone()
    {
        const QString out = Folder(QStringLiteral("failing"));
        const QStringList names {"longer.mkv", "broken.wmv", "c1.mkv", "c2.mkv", "c3.mkv"};
        QMap<QString, QByteArray> inputs;
        for (const QString &name : names)
            inputs[name] = testfiles::Checksum(m_in + name);
        MediaStore store;
        QVERIFY(Append(store, m_in, names));
        QCOMPARE(store.at(1).state, ItemState::Waiting); // it reads as media until converted
        BatchQueue batch(&store);
        Configure(batch, 13, out);
        BatchRecorder record(&batch, &store);
        // Whether the first row still converted when the broken one ended. Its converter is held
        // (stopped) from its start until then, so that a loaded machine cannot end it first.
        bool otherRan = false;
        qint64 held = 0;
        connect(&batch, &BatchQueue::ItemFinished, this, [&](ItemId id, ItemState) {
            if (store.RowOf(id) == 1) {
                otherRan = Rows(store, batch.RunningItems()) == QList<int> {0} && Alive(held);
                ::kill(-pid_t(held), SIGCONT);
            }
        });

        QVERIFY(batch.Start(Ids(store, {0, 1, 2, 3, 4})));
        held = batch.ConverterPids().value(0);
        // The group exists once the child has made it, just after the start.
        QTRY_VERIFY_WITH_TIMEOUT(held > 0 && ::kill(-pid_t(held), SIGSTOP) == 0, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!batch.IsConverting(), 60000);

        QVERIFY2(otherRan, "the broken file did not fail while another converted");
        QCOMPARE(Statuses(store), (QStringList {kDone, kFailed, kDone, kDone, kDone}));
        QVERIFY(!store.at(1).reason.isEmpty());
        QCOMPARE(store.at(1).output, QString());
        QCOMPARE(record.ended, (QList<QList<int>> {{4, 1, 0}}));
        QCOMPARE(record.progress.last(), 1.0);
        QVERIFY(!QFileInfo::exists(out + QStringLiteral("broken.wmv")));
        const QMap<int, double> seconds {{0, 6}, {2, 2}, {3, 2}, {4, 2}};
        for (auto it = seconds.cbegin(); it != seconds.cend(); ++it) {
            const QString output
                = out + QFileInfo(names[it.key()]).completeBaseName() + QStringLiteral(".wmv");
            QCOMPARE(store.at(it.key()).output, output);
            QCOMPARE(testmedia::Streams(output), (QStringList {"wmv2:video", "wmav2:audio"}));
            QVERIFY2(qAbs(testmedia::Duration(output) - it.value()) < 0.5, qPrintable(output));
        }
        for (auto it = inputs.cbegin(); it != inputs.cend(); ++it)
            QCOMPARE(testfiles::Checksum(m_in + it.key()), it.value());
        QCOMPARE(Leftovers(out), QStringList());
    }

    // Paused, every converter's group stops, nothing new starts and the time left stands still;
    // resumed, the batch goes on to complete outputs.
    void pauseAndResume()
    {
        const QString out = Folder(QStringLiteral("pause"));
        MediaStore store;
        QVERIFY(Append(store, m_in, {"slow.mkv", "slow2.mkv", "c0.mkv"}));
        BatchQueue batch(&store);
        Configure(batch, 8, out);
        BatchRecorder record(&batch, &store);
        QSignalSpy paused(&batch, &BatchQueue::PauseChanged);

        QVERIFY(batch.Start(Ids(store, {0, 1, 2})));
        QTRY_VERIFY_WITH_TIMEOUT(Rows(store, batch.RunningItems()) == (QList<int> {0, 1})
                                     && batch.ConverterPids().size() == 2
                                     && batch.BatchTimeLeft() > 0
                                     && batch.TimeLeft(store.at(0).id) > 0,
                                 60000);
        const QList<qint64> pids = batch.ConverterPids();
        batch.Pause();
        QTRY_VERIFY_WITH_TIMEOUT(batch.IsPaused() && AllStopped(pids), 20000);
        // Time passes and the estimate stands still (read again after any late progress).
        bool told = true;
        OnProgress(store, this, [&told](int, int) { told = true; });
        double left = 0;
        while (told) {
            told = false;
            left = batch.BatchTimeLeft();
            QDeadlineTimer passes(1500);
            QTRY_VERIFY_WITH_TIMEOUT(passes.hasExpired(), 5000);
        }
        QCOMPARE(batch.BatchTimeLeft(), left);
        // A canceled file frees its slot, and still nothing starts.
        QVERIFY(batch.Cancel(store.at(1).id));
        QTRY_VERIFY_WITH_TIMEOUT(Rows(store, batch.RunningItems()) == QList<int> {0}, 20000);
        QCoreApplication::processEvents();
        QCOMPARE(record.started, (QList<int> {0, 1}));

        // Resumed, the freed slot takes the last file at once and the converter goes on.
        const int progress = store.at(0).progress;
        batch.Resume();
        QCOMPARE(record.started, (QList<int> {0, 1, 2}));
        QTRY_VERIFY_WITH_TIMEOUT(!batch.IsPaused() && store.at(0).progress > progress, 60000);
        QVERIFY(batch.Cancel(store.at(0).id));
        QTRY_VERIFY_WITH_TIMEOUT(!batch.IsConverting(), 60000);
        QCOMPARE(paused, (QList<QList<QVariant>> {{true}, {false}}));
        QCOMPARE(Statuses(store), (QStringList {kCanceled, kCanceled, kDone}));
        QCOMPARE(record.started, (QList<int> {0, 1, 2}));
        QVERIFY(qAbs(testmedia::Duration(store.at(2).output) - 2) < 0.5
                && batch.Speed(store.at(2).id) > 0);
        QCOMPARE(Leftovers(out), QStringList());
    }

    void killedProgramLeavesNoConverter_data()
    {
        QTest::addColumn<bool>("paused");
        QTest::newRow("converting") << false;
        QTest::newRow("paused") << true;
    }

    void killedProgramLeavesNoConverter()
    {
        QFETCH(bool, paused);
        // The converters, orphaned when the program dies, come to this process to be reaped,
        // whatever the first process of the machine does with orphans.
        QCOMPARE(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
        auto reaper = qScopeGuard([] { ::prctl(PR_SET_CHILD_SUBREAPER, 0); });

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(kChildInput), m_in);
        const QString out = Folder(QStringLiteral("killed-") + QTest::currentDataTag());
        environment.insert(QLatin1String(kChildOutput), out);
        if (paused)
            environment.insert(QLatin1String(kChildPause), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start();
        QVERIFY(child.waitForStarted());
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += child.readAllStandardOutput()).contains('\n'), 60000);
        const QList<QByteArray> words = said.trimmed().split(' ');
        QCOMPARE(words.size(), 3);
        QCOMPARE(words[0], QByteArray("pids"));
        const QList<qint64> pids {words[1].toLongLong(), words[2].toLongLong()};
        for (qint64 pid : pids) {
            QVERIFY(Alive(pid));
            QCOMPARE(ViewProcess(pid).parent, child.processId());
            QCOMPARE(ViewProcess(pid).group, pid);
        }
        if (paused)
            QTRY_VERIFY_WITH_TIMEOUT(AllStopped(pids), 20000);

        child.kill(); // SIGKILL: the program has no say
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        // Reaps what died of the converters' groups, then asks whether anything is left. The
        // converters must die of the kill the program arranged, not of a broken pipe later on.
        QMap<qint64, int> ends;
        auto leftInGroups = [&pids, &ends] {
            QList<ProcessView> left;
            for (const ProcessView &member : GroupMembers(pids)) {
                int status = 0;
                if (member.state == 'Z' && member.parent == ::getpid()
                    && ::waitpid(static_cast<pid_t>(member.pid), &status, WNOHANG) > 0)
                    ends[member.pid] = status;
                else
                    left << member;
            }
            return left;
        };
        QTRY_VERIFY_WITH_TIMEOUT(leftInGroups().isEmpty(), 20000);
        for (qint64 pid : pids) {
            QVERIFY2(Gone(pid), qPrintable(QString::number(pid)));
            QCOMPARE(::kill(-static_cast<pid_t>(pid), 0), -1);
            QVERIFY(ends.contains(pid));
            const int status = ends.value(pid);
            QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                     qPrintable(
                         QStringLiteral("converter %1 ended with status %2").arg(pid).arg(status)));
        }
        QTRY_COMPARE_WITH_TIMEOUT(Leftovers(out), QStringList(), 20000);
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kChildInput))
        return RunBatchChild(argc, argv);
    QCoreApplication app(argc, argv);
    TestBatchQueue test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_batch_queue.moc"
