#include "engine/convert/temporary_outputs.h"
#include "engine/settings/session_file.h"

#include "support/files.h"
#include "support/media_factory.h"
#include "support/processes.h"
#include "support/virtual_display.h"

#include <QProcess>
#include <QtTest>

#include <csignal>

using testprocesses::Alive;
using testprocesses::ChildNamed;

// The program as a separate process on a virtual X display: one copy at a time, a lock left by a
// crashed copy, and a converter that dies with the program.
class TestKelvoraApp : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QProcess m_xvfb; // killed with the test
    QProcessEnvironment m_env;
    QList<QProcess *> m_programs;

    static QString Program()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/../kelvora");
    }

    QString Run(const QString &program, const QStringList &args)
    {
        return RunTool(m_env, program, args);
    }

    QStringList Windows(const QString &title) { return WindowsTitled(m_env, title); }

    QString State() const { return m_dir.filePath(QStringLiteral("state")); }
    QString Media() const { return m_dir.filePath(QStringLiteral("media")) + QLatin1Char('/'); }
    QString Out() const { return m_dir.filePath(QStringLiteral("out")) + QLatin1Char('/'); }
    QString Ini() const { return m_dir.filePath(QStringLiteral("config/Orvane/kelvora.ini")); }
    // Settings with preset 8 (slow to convert), saving into Out(), and `more` lines.
    void WriteSettings(const QByteArray &more = QByteArray())
    {
        QDir().mkpath(QFileInfo(Ini()).path());
        QVERIFY(testfiles::WriteBytes(Ini(),
                                      "[Parameters]\nCurrent Solution=8\n" + more
                                          + "\n[Recent Saving Folder]\nFirst Folder="
                                          + Out().toUtf8() + "\n"));
    }
    QStringList Leftovers() const
    {
        return QDir(Out()).entryList({QStringLiteral(".*.part-*")}, QDir::Files | QDir::Hidden);
    }
    // Converts all once the window is there, asking again while the program writes no temporary
    // output (a loaded display may lose the keys; a menu opens as a window of its own).
    void ConvertAll(QProcess *program)
    {
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora 1.0")).size(), 1, 20000);
        const QString own = QStringLiteral(".part-%1-").arg(program->processId());
        for (int i = 0; i < 3 && Leftovers().filter(own).isEmpty(); ++i) {
            Run(QStringLiteral("xdotool"),
                {QStringLiteral("windowfocus"), Windows(QStringLiteral("Kelvora 1.0")).first()});
            for (const QString &key : {QStringLiteral("alt+c"), QStringLiteral("Return")}) {
                QTest::qWait(500);
                Run(QStringLiteral("xdotool"), {QStringLiteral("key"), key});
            }
            for (int wait = 0; wait < 30 && Leftovers().filter(own).isEmpty(); ++wait)
                QTest::qWait(200);
        }
    }

    QProcess *Start(const QStringList &args = {})
    {
        auto *p = new QProcess(this);
        p->setProcessEnvironment(m_env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(Program(), args);
        m_programs << p;
        return p;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
            QFAIL("Xvfb and xdotool are needed (./test.sh installs them)");
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
        m_env.insert(QStringLiteral("XDG_STATE_HOME"), State());
        QDir().mkpath(Out());
        QDir().mkpath(Media());
        testmedia::Clip clip;
        clip.seconds = 60;
        clip.size = QStringLiteral("1280x720");
        clip.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "mp2"};
        for (const QString &name : {QStringLiteral("long clip.mkv"), QStringLiteral("long 2.mkv")})
            QVERIFY(testmedia::Make(Media() + name, clip));
        QVERIFY(testmedia::Make(Media() + QStringLiteral("short.mkv")));
    }

    void cleanup()
    {
        for (QProcess *p : m_programs) {
            p->kill();
            p->waitForFinished();
        }
        m_programs.clear();
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral(".+")).size(), 0, 10000);
        QDir(State()).removeRecursively();
    }

    // A display that cannot be opened (a display server going away as the program starts) is
    // said, with status 1, not an abort.
    void noDisplayIsSaidNotAborted()
    {
        QProcess program;
        QProcessEnvironment environment = m_env;
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4242"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        program.setProcessEnvironment(environment);
        program.start(Program(), {});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QVERIFY(program.readAllStandardError().contains("kelvora: "));
    }

    void converterEndsWithTheProgram()
    {
        // A slow preset and a long clip, so that the converter is still at work when the
        // program is killed.
        WriteSettings();
        QProcess *program = Start({Media() + QStringLiteral("long clip.mkv")});
        ConvertAll(program);

        qint64 converter = 0;
        QTRY_VERIFY_WITH_TIMEOUT((converter = ChildNamed(program->processId(), "ffmpeg")) != 0,
                                 60000);
        QVERIFY(Alive(converter));
        ::kill(pid_t(program->processId()), SIGKILL);
        QVERIFY(program->waitForFinished(10000));
        QTRY_VERIFY_WITH_TIMEOUT(!Alive(converter), 10000);
        QFile::remove(Ini());
    }

    void secondCopyIsRefused()
    {
        QProcess *first = Start();
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora 1.0")).size(), 1, 20000);

        QProcess *second = Start();
        // The second copy shows its message box, titled with the application's name, and no
        // window of its own.
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora")).size(), 1, 20000);
        QCOMPARE(Windows(QStringLiteral("Kelvora 1.0")).size(), 1);
        QCOMPARE(second->state(), QProcess::Running);
        const QString box = Windows(QStringLiteral("Kelvora")).first();
        Run(QStringLiteral("xdotool"),
            {QStringLiteral("windowactivate"), QStringLiteral("--sync"), box});
        Run(QStringLiteral("xdotool"),
            {QStringLiteral("key"), QStringLiteral("--window"), box, QStringLiteral("Return")});
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);

        // A copy that dies leaves its lock behind; the next start is not blocked by it.
        first->kill();
        QVERIFY(first->waitForFinished(10000));
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora 1.0")).size(), 0, 10000);
        QProcess *third = Start();
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora 1.0")).size(), 1, 20000);
        QCOMPARE(Windows(QStringLiteral("Kelvora")).size(), 0);
        third->kill();
        third->waitForFinished();
    }

    void stopSignalsCloseAsExit_data()
    {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("menuOpen");
        QTest::addColumn<bool>("kept"); // the list and the batch are kept for the next start
        QTest::newRow("SIGTERM") << int(SIGTERM) << false << true;
        QTest::newRow("SIGHUP") << int(SIGHUP) << false << true;
        QTest::newRow("SIGINT, Ctrl-C in the terminal") << int(SIGINT) << false << false;
        QTest::newRow("SIGTERM with a menu open") << int(SIGTERM) << true << true;
    }
    void stopSignalsCloseAsExit()
    {
        QFETCH(int, signal);
        QFETCH(bool, menuOpen);
        QFETCH(bool, kept);
        WriteSettings();
        QProcess *program = Start(
            {Media() + QStringLiteral("long clip.mkv"), Media() + QStringLiteral("long 2.mkv")});
        ConvertAll(program);
        qint64 converter = 0;
        QTRY_VERIFY_WITH_TIMEOUT((converter = ChildNamed(program->processId(), "ffmpeg")) != 0,
                                 20000);
        QTRY_COMPARE_WITH_TIMEOUT(Leftovers().size(), 2, 20000);
        QVERIFY(QFileInfo::exists(State() + QStringLiteral("/kelvora/session")));
        if (menuOpen) {
            const int windows = Windows(QStringLiteral(".*")).size();
            // The list's own menu, which runs a loop of its own until it closes.
            Run(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QStringLiteral("--window"),
                 Windows(QStringLiteral("Kelvora 1.0")).first(), QStringLiteral("200"),
                 QStringLiteral("150"), QStringLiteral("click"), QStringLiteral("3")});
            QTRY_VERIFY_WITH_TIMEOUT(Windows(QStringLiteral(".*")).size() > windows, 10000);
        }
        ::kill(pid_t(program->processId()), signal);
        QVERIFY(program->waitForFinished(20000));
        QVERIFY(program->exitStatus() == QProcess::NormalExit && program->exitCode() == 0);
        QVERIFY(!Alive(converter));
        QCOMPARE(Leftovers(), QStringList());
        // Saved as on Exit: every value; the list with both files still to convert is kept.
        QVERIFY(testfiles::ReadBytes(Ini()).contains("\nSimultaneous Conversions=0"));
        SessionContent left;
        QCOMPARE(SessionFile::Decode(testfiles::ReadBytes(State() + "/kelvora/session"), &left),
                 kept);
        QCOMPARE(left.batchRows.size(), kept ? 2 : 0);
    }

    void killedProgramComesBack()
    {
        WriteSettings("Simultaneous Conversions=1\n");
        // Temporary outputs of a program on this machine that is gone (no process ever has so
        // high an id), untouched for two minutes: one nobody holds, one a process holds.
        const QString tag = QStringLiteral(".part-999999999-%1-abc.mp4").arg(MachineTag());
        for (const QString &name : {QStringLiteral(".stale"), QStringLiteral(".held")})
            QVERIFY(testfiles::WriteBytes(Out() + name + tag, "x", 120));
        QProcess holder;
        holder.setStandardInputFile(Out() + QStringLiteral(".held") + tag);
        holder.start(QStringLiteral("sleep"), {QStringLiteral("600")});
        QVERIFY(holder.waitForStarted());
        // One whose owner's id a later process has taken: that process did not write it.
        const QString reused = Out() + QStringLiteral(".reused.part-%1-%2-abc.mp4");
        QVERIFY(testfiles::WriteBytes(reused.arg(holder.processId()).arg(MachineTag()), "", 3600));

        QProcess *first = Start(
            {Media() + QStringLiteral("short.mkv"), Media() + QStringLiteral("long clip.mkv")});
        ConvertAll(first);
        SessionContent kept;
        auto readSession = [&] {
            return SessionFile::Decode(
                       testfiles::ReadBytes(State() + QStringLiteral("/kelvora/session")), &kept)
                && kept.items.size() == 2 && kept.items[0].state == ItemState::Completed;
        };
        QTRY_VERIFY_WITH_TIMEOUT(readSession() && !kept.batchRows.isEmpty(), 30000);
        ::kill(pid_t(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished(10000));
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora 1.0")).size(), 0, 10000);

        QProcess *second = Start();
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora")).size(), 1, 20000);
        const QString box = Windows(QStringLiteral("Kelvora")).first();
        Run(QStringLiteral("xdotool"),
            {QStringLiteral("key"), QStringLiteral("--window"), box, QStringLiteral("Return")});
        // Yes: the list is back, and what was not done converts again.
        QTRY_VERIFY_WITH_TIMEOUT(ChildNamed(second->processId(), "ffmpeg") != 0, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(readSession() && kept.batchRows == QList<int>({1}), 10000);
        QCOMPARE(kept.items[0].output, Out() + QStringLiteral("short.mp4"));
        QCOMPARE(kept.items[1].state, ItemState::Waiting);
        QTRY_COMPARE_WITH_TIMEOUT(Leftovers().filter(tag),
                                  QStringList({QStringLiteral(".held") + tag}), 10000);
        QVERIFY(!QFileInfo::exists(reused.arg(holder.processId()).arg(MachineTag())));
        holder.kill();
        holder.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestKelvoraApp)
#include "tst_kelvora_app.moc"
