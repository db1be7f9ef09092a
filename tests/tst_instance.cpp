#include "support/media_factory.h"

#include <QProcess>
#include <QtTest>

#include <csignal>

// Two copies of the program as separate processes on a virtual X display: files named on the
// command line, files handed from a second copy to the running one, the box of a second copy
// without files, and the socket left behind by a copy that was killed.
class TestInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_media; // clip.mp4, song.mp3, other.mp4
    QProcess m_xvfb;
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
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(program, args);
        p.waitForFinished(10000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    // Ids of the windows whose title is exactly `title`.
    QStringList Windows(const QString &title)
    {
        const QString out
            = Run(QStringLiteral("xdotool"),
                  {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                   QStringLiteral("--name"), QLatin1Char('^') + title + QLatin1Char('$')});
        return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The program started in the media folder with `args`; it lists its rows when it closes.
    QProcess *Start(const QStringList &args = {})
    {
        auto *p = new QProcess(this);
        QProcessEnvironment env = m_env;
        env.insert(QStringLiteral("KELVORA_DUMP_ROWS_ON_EXIT"), QStringLiteral("1"));
        p->setProcessEnvironment(env);
        p->setWorkingDirectory(m_media);
        p->start(Program(), args);
        m_programs << p;
        return p;
    }

    // Closes the main window with File > Exit, as a user does, and returns the rows it listed.
    QStringList Close(QProcess *program)
    {
        const QStringList windows = Windows(QStringLiteral("Kelvora 1.0"));
        if (windows.size() != 1)
            return {QStringLiteral("no single main window")};
        Run(QStringLiteral("xdotool"),
            {QStringLiteral("windowfocus"), QStringLiteral("--sync"), windows.first()});
        Run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+f")});
        // The menu opens as a window of its own; its Exit item has the mnemonic x.
        if (!QTest::qWaitFor([this] { return Windows(QStringLiteral(".*")).size() >= 2; }, 10000))
            return {QStringLiteral("no File menu")};
        Run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("x")});
        if (!program->waitForFinished(10000) || program->exitCode() != 0)
            return {QStringLiteral("the program did not end well")};
        return QString::fromUtf8(program->readAllStandardOutput())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
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

        int display = 0;
        for (display = 160; display < 200; ++display) {
            if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display))
                && !QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(display)))
                break;
        }
        m_xvfb.start(QStringLiteral("Xvfb"),
                     {QStringLiteral(":%1").arg(display), QStringLiteral("-screen"),
                      QStringLiteral("0"), QStringLiteral("1280x900x24"),
                      QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                      // Kept up between programs: a reset refuses connections.
                      QStringLiteral("-noreset")});
        QVERIFY(m_xvfb.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(
            QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(display)), 10000);
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":%1").arg(display));
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

    void cleanupTestCase()
    {
        m_xvfb.terminate();
        m_xvfb.waitForFinished();
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

        QCOMPARE(
            Close(first),
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
        const QString box = Windows(QStringLiteral("Kelvora")).first();
        // A key pressed before the box has the keyboard is lost: pressed again until it closes.
        QVERIFY(QTest::qWaitFor(
            [&] {
                Run(QStringLiteral("xdotool"),
                    {QStringLiteral("windowactivate"), QStringLiteral("--sync"), box});
                Run(QStringLiteral("xdotool"),
                    {QStringLiteral("key"), QStringLiteral("--window"), box,
                     QStringLiteral("Return")});
                return second->waitForFinished(500);
            },
            10000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(Close(first), QStringList());
    }

    void folderOnTheCommandLine()
    {
        // A folder takes the road of Add Folder: its media files, then the count.
        QProcess *first = Start({QStringLiteral("."), QStringLiteral("song.mp3")});
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora")).size(), 1, 20000);
        const QString box = Windows(QStringLiteral("Kelvora")).first();
        QVERIFY(QTest::qWaitFor(
            [&] {
                Run(QStringLiteral("xdotool"),
                    {QStringLiteral("windowactivate"), QStringLiteral("--sync"), box});
                Run(QStringLiteral("xdotool"),
                    {QStringLiteral("key"), QStringLiteral("--window"), box,
                     QStringLiteral("Return")});
                return QTest::qWaitFor([&] { return Windows(QStringLiteral("Kelvora")).isEmpty(); },
                                       500);
            },
            10000));
        QCOMPARE(Close(first),
                 QStringList({m_media + QStringLiteral("clip.mp4"),
                              m_media + QStringLiteral("other.mp4"),
                              m_media + QStringLiteral("song.mp3")}));
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
        QCOMPARE(Close(next),
                 QStringList(
                     {m_media + QStringLiteral("song.mp3"), m_media + QStringLiteral("clip.mp4")}));
    }
};

QTEST_GUILESS_MAIN(TestInstance)
#include "tst_instance.moc"
