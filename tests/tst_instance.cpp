#include "engine/settings/session_file.h"
#include "support/files.h"
#include "support/media_factory.h"
#include "support/virtual_display.h"
#include "ui/app/kelvora_app.h"

#include <QProcess>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

// Two copies of the program as separate processes on a virtual X display: files named on the
// command line, files handed from a second copy to the running one, the box of a second copy
// without files, and the socket left behind by a copy that was killed.
class TestInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_media; // clip.mp4, song.mp3, other.mp4
    QProcess m_xvfb; // killed with the test
    QProcessEnvironment m_env;
    QList<QProcess *> m_programs;

    static QString Program()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/../kelvora");
    }

    QString Socket() const
    {
        return m_env.value(QStringLiteral("XDG_RUNTIME_DIR")) + QStringLiteral("/kelvora.socket");
    }

    QString Run(const QString &program, const QStringList &args)
    {
        return RunTool(m_env, program, args);
    }

    QStringList Windows(const QString &title) { return WindowsTitled(m_env, title); }

    // The program started in the media folder with `args`.
    QProcess *Start(const QStringList &args = {}, const QString &folder = QString())
    {
        auto *p = new QProcess(this);
        p->setProcessEnvironment(m_env);
        p->setWorkingDirectory(folder.isEmpty() ? m_media : folder);
        p->start(Program(), args);
        m_programs << p;
        return p;
    }

    // The full path of every file the running copy lists, as its session file keeps them (written
    // soon after each change).
    QStringList Listed() const
    {
        SessionContent content;
        SessionFile::Decode(testfiles::ReadBytes(m_dir.filePath(".local/state/kelvora/session")),
                            &content);
        QStringList paths;
        for (const MediaItem &item : content.items)
            paths << item.path();
        return paths;
    }

    // Closes the main window with File > Exit, as a user does, once it lists exactly `rows`.
    void Close(QProcess *program, const QStringList &rows)
    {
        QTRY_COMPARE_WITH_TIMEOUT(Listed(), rows, 20000);
        const QStringList windows = Windows(QStringLiteral("Kelvora 1.0"));
        QCOMPARE(windows.size(), 1);
        Run(QStringLiteral("xdotool"),
            {QStringLiteral("windowfocus"), QStringLiteral("--sync"), windows.first()});
        Run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+f")});
        // The menu opens as a window of its own; its Exit item has the mnemonic x.
        QTRY_VERIFY_WITH_TIMEOUT(Windows(QStringLiteral(".*")).size() >= 2, 10000);
        Run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("x")});
        QVERIFY(program->waitForFinished(10000));
        QCOMPARE(program->exitCode(), 0);
    }

    void Xdotool(const QStringList &args) { Run(QStringLiteral("xdotool"), args); }

    // Presses Return on the one box titled "Kelvora" until it closes: a key pressed before the
    // box has the keyboard is lost.
    void DismissBox()
    {
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora")).size(), 1, 20000);
        const QString box = Windows(QStringLiteral("Kelvora")).first();
        QVERIFY(QTest::qWaitFor(
            [&] {
                Xdotool({"windowactivate", "--sync", box});
                Xdotool({"key", "--window", box, "Return"});
                return QTest::qWaitFor([&] { return Windows(QStringLiteral("Kelvora")).isEmpty(); },
                                       500);
            },
            10000));
    }

    // The sockets of the running copy's listener: its own and those of connections not taken yet
    // (it is bound in a folder of its own under the runtime folder, then moved).
    int Connections() const
    {
        const QByteArray runtime = QFile::encodeName(m_env.value("XDG_RUNTIME_DIR")) + '/';
        return int(testfiles::ReadBytes(QStringLiteral("/proc/net/unix")).count(runtime));
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QFAIL("Xvfb and xdotool are needed (./test.sh installs them)");
        m_media = m_dir.filePath(QStringLiteral("media")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(m_media));
        QVERIFY(testmedia::MakeSmallClip(m_media + QStringLiteral("clip.mp4")));
        QVERIFY(QFile::copy(m_media + QStringLiteral("clip.mp4"),
                            m_media + QStringLiteral("other.mp4")));
        testmedia::Clip audio;
        audio.video = false;
        audio.seconds = 1;
        QVERIFY(testmedia::Make(m_media + QStringLiteral("song.mp3"), audio));

        const QString display = StartVirtualDisplay(m_xvfb);
        QVERIFY(!display.isEmpty());
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("DISPLAY"), display);
        m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_env.insert(QStringLiteral("HOME"), m_dir.path());
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
        const QString runtime = m_dir.filePath(QStringLiteral("runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        // No desktop notices from these copies.
        m_env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    }

    void cleanup()
    {
        for (QProcess *p : m_programs) {
            p->kill();
            p->waitForFinished();
        }
        qDeleteAll(m_programs);
        m_programs.clear();
        // A killed copy leaves its list to be offered back: each test starts without one.
        QDir(m_dir.filePath(QStringLiteral(".local/state"))).removeRecursively();
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral(".+")).size(), 0, 10000);
    }

    void secondCopyHandsItsFilesOver()
    {
        // The first copy lists the file named on its command line, relative to its folder.
        QProcess *first = Start({QStringLiteral("clip.mp4")});
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora 1.0")).size(), 1, 20000);
        // Only the user may connect to the socket.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(Socket()), 10000);
        QCOMPARE(
            QFileInfo(Socket()).permissions()
                & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
            QFile::Permissions());

        // The second, given two files, one of them already listed, ends at once without a box.
        QProcess *second
            = Start({QStringLiteral("song.mp3"), m_media + QStringLiteral("clip.mp4")});
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(Windows(QStringLiteral("Kelvora")).size(), 0);
        QCOMPARE(second->readAllStandardOutput(), QByteArray());

        QProcess *third = Start({QStringLiteral("other.mp4")});
        QVERIFY(third->waitForFinished(20000));
        QCOMPARE(third->exitCode(), 0);

        Close(
            first,
            QStringList({m_media + QStringLiteral("clip.mp4"), m_media + QStringLiteral("song.mp3"),
                         m_media + QStringLiteral("other.mp4")}));
    }

    void secondCopyWithoutFilesShowsTheBox_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no arguments") << QStringList();
        // Nothing to hand over: a name that is not there is left out.
        QTest::newRow("a missing file") << QStringList {QStringLiteral("gone.mp4")};
    }

    void secondCopyWithoutFilesShowsTheBox()
    {
        QFETCH(QStringList, args);
        QProcess *first = Start();
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora 1.0")).size(), 1, 20000);
        QProcess *second = Start(args);
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora")).size(), 1, 20000);
        QCOMPARE(second->state(), QProcess::Running);
        DismissBox();
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 0);
        Close(first, QStringList());
    }

    void folderOnTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("rows");
        // A folder takes the road of Add Folder: its media files, then the count. The rows
        // follow the order of the arguments.
        QTest::newRow("folder first")
            << QStringList {".", "song.mp3"} << QStringList {"clip.mp4", "other.mp4", "song.mp3"};
        QTest::newRow("file first")
            << QStringList {"song.mp3", "."} << QStringList {"song.mp3", "clip.mp4", "other.mp4"};
    }

    void folderOnTheCommandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, rows);
        QProcess *first = Start(args);
        DismissBox();
        rows.replaceInStrings(QRegularExpression(QStringLiteral("^")), m_media);
        Close(first, rows);
    }

    void handOverDuringTheUsersAdd()
    {
        // Add Folder of many files; while it runs a second copy hands a file over. The first copy
        // runs in that folder, where the folder box opens, so that choosing it takes no typing.
        const QString many = m_dir.filePath(QStringLiteral("many/"));
        QVERIFY(QDir().mkpath(many));
        const QByteArray clip = QFile::encodeName(m_media + QStringLiteral("clip.mp4"));
        for (int i = 0; i < 4000; ++i)
            QCOMPARE(::link(clip, QFile::encodeName(many + QString::number(i) + ".mp4")), 0);
        QProcess *first = Start({}, many);
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora 1.0")).size(), 1, 20000);
        Xdotool({"windowfocus", "--sync", Windows(QStringLiteral("Kelvora 1.0")).first()});
        const int windows = Windows(QStringLiteral(".*")).size();
        Xdotool({"key", "alt+f"});
        QTRY_VERIFY_WITH_TIMEOUT(Windows(QStringLiteral(".*")).size() > windows, 10000); // the menu
        Xdotool({"key", "Down"});
        QVERIFY(QTest::qWaitFor(
            [&] {
                Xdotool({"key", "Return"});
                return QTest::qWaitFor(
                    [&] { return Windows(QStringLiteral("Select a folder")).size() == 1; }, 2000);
            },
            10000));
        QVERIFY(QTest::qWaitFor(
            [&] {
                Xdotool({"key", "Return"});
                return QTest::qWaitFor(
                    [&] { return Windows(QStringLiteral("Select a folder")).isEmpty(); }, 2000);
            },
            10000));
        // The progress window: the add runs. The copy is held while the second one connects, so
        // that the hand-over is waiting when it goes on.
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora")).size(), 1, 20000);
        ::kill(pid_t(first->processId()), SIGSTOP);
        const QStringList progress = Windows(QStringLiteral("Kelvora"));
        QProcess *second = Start({QStringLiteral("song.mp3")});
        QTRY_COMPARE_WITH_TIMEOUT(Connections(), 2, 20000);
        ::kill(pid_t(first->processId()), SIGCONT);
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitCode(), 0);
        // The count follows the progress window once every file is in.
        QTRY_VERIFY_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora")) != progress, 120000);
        DismissBox();
        QTRY_COMPARE_WITH_TIMEOUT(Listed().size(), 4001, 20000);
        QCOMPARE(Listed().last(), m_media + QStringLiteral("song.mp3"));
        Close(first, Listed());
    }

    // The lock and the socket only where no one else can reach them; a lock another user left
    // there ("sudo -E kelvora") does not block.
    void lockOnlyInAPrivateFolder_data()
    {
        QTest::addColumn<int>("runtimeMode"); // -1: no XDG_RUNTIME_DIR
        QTest::addColumn<int>("madeMode"); // kelvora-<uid> made before with this mode, or -1
        QTest::addColumn<QString>("expected"); // the lock's folder: "runtime", "made" or none
        QTest::newRow("runtime folder, another user's lock in it") << 0700 << -1 << "runtime";
        QTest::newRow("runtime folder open to others") << 0755 << -1 << "made";
        QTest::newRow("no runtime folder") << -1 << -1 << "made";
        QTest::newRow("folder open to others") << -1 << 0777 << "";
    }

    void lockOnlyInAPrivateFolder()
    {
        QFETCH(int, runtimeMode);
        QFETCH(int, madeMode);
        QFETCH(QString, expected);
        const QString root = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
        const QString runtime = root + QStringLiteral("/runtime");
        const QString made = root + QStringLiteral("/kelvora-%1").arg(::getuid());
        QVERIFY(QDir().mkpath(runtime) && ::chmod(qPrintable(runtime), 0700) == 0);
        QVERIFY(runtimeMode < 0 || ::chmod(qPrintable(runtime), runtimeMode) == 0);
        QVERIFY(madeMode < 0
                || (::mkdir(qPrintable(made), 0) == 0 && ::chmod(qPrintable(made), madeMode) == 0));
        qputenv("TMPDIR", root.toUtf8());
        qputenv("XDG_RUNTIME_DIR", runtimeMode < 0 ? QByteArray() : runtime.toUtf8());
        const QString lock = CKelvoraApp::LockPath();
        const QString folder = expected.isEmpty()
            ? QString()
            : (expected == QLatin1String("runtime") ? runtime : made) + QLatin1Char('/');
        QCOMPARE(lock.left(lock.lastIndexOf(QLatin1Char('/')) + 1), folder);
        QVERIFY(folder.isEmpty() || (QFileInfo(folder).permissions() & 0x0077) == 0);
        if (expected != QLatin1String("runtime") || ::getuid() != 0)
            return; // only root can make a file of another user's
        // A live lock of the program's name: only its owner tells that it is not the user's.
        QLockFile held(lock);
        QVERIFY(held.tryLock(0) && ::chown(qPrintable(lock), 4242, 4242) == 0);
        CKelvoraApp app;
        QVERIFY(app.TakeInstanceLock());
    }

    void killedCopysSocketDoesNotBlock()
    {
        QProcess *first = Start();
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora 1.0")).size(), 1, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(Socket()), 10000);
        ::kill(pid_t(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished(10000));
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora 1.0")).size(), 0, 10000);
        // The dead copy's lock and socket are still there.
        QVERIFY(QFileInfo::exists(Socket()));

        // A copy started with a file opens its own window and lists it...
        QProcess *next = Start({QStringLiteral("song.mp3")});
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora 1.0")).size(), 1, 20000);
        QCOMPARE(next->state(), QProcess::Running);
        // ...and listens in the dead copy's place: the copy after it hands over.
        QProcess *after = Start({QStringLiteral("clip.mp4")});
        QVERIFY(after->waitForFinished(20000));
        QCOMPARE(after->exitCode(), 0);
        Close(next,
              QStringList(
                  {m_media + QStringLiteral("song.mp3"), m_media + QStringLiteral("clip.mp4")}));
    }
};

QTEST_GUILESS_MAIN(TestInstance)
#include "tst_instance.moc"
