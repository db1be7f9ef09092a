#include "platform/child_process.h"

#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// The program's stand-in for the death-signal check: run as "--hold-child <program> <args>", it
// starts <program> as a ChildProcess, forks a keeper that holds the child's output pipe open
// after this process is gone, prints "<child pid> <keeper pid>" and waits to be killed.
int HoldChild(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 3; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    ChildProcess child;
    if (!child.Start(QString::fromLocal8Bit(argv[2]), arguments))
        return 1;
    const pid_t keeper = ::fork();
    if (keeper == 0) {
        // Owns a copy of every descriptor, the pipe's reading end included.
        ::close(STDOUT_FILENO);
        for (;;)
            ::pause();
    }
    std::printf("%d %d\n", int(child.pid()), int(keeper));
    std::fflush(stdout);
    for (;;)
        ::pause();
}

// True while process `pid` exists and is not a zombie.
bool Alive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const int close = text.lastIndexOf(')');
    return close > 0 && close + 2 < text.size() && text[close + 2] != 'Z';
}

} // namespace

// Starting, reading, ending and killing child programs.
class TestChildProcess : public QObject
{
    Q_OBJECT

private:
    static QByteArray ReadAll(ChildProcess &child)
    {
        QByteArray all;
        char buffer[512];
        qint64 n;
        while ((n = child.Read(buffer, sizeof buffer)) > 0)
            all.append(buffer, static_cast<int>(n));
        return all;
    }

private Q_SLOTS:
    void endings_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("ending");
        QTest::addColumn<int>("code");
        QTest::newRow("both streams on one pipe")
            << "echo out; echo err >&2" << QByteArray("out\nerr\n")
            << int(ChildProcess::Ending::Exited) << 0;
        QTest::newRow("exit code")
            << "exit 3" << QByteArray() << int(ChildProcess::Ending::Exited) << 3;
        QTest::newRow("input is empty")
            << "cat; echo end" << QByteArray("end\n") << int(ChildProcess::Ending::Exited) << 0;
        QTest::newRow("killed by a signal") << "kill -TERM $$" << QByteArray()
                                            << int(ChildProcess::Ending::Signalled) << int(SIGTERM);
    }

    void endings()
    {
        QFETCH(QString, script);
        QFETCH(QByteArray, output);
        QFETCH(int, ending);
        QFETCH(int, code);
        ChildProcess child;
        QVERIFY(child.Start(QStringLiteral("sh"), {QStringLiteral("-c"), script}));
        QCOMPARE(ReadAll(child), output);
        QVERIFY(child.Wait(10000));
        QCOMPARE(int(child.ending()), ending);
        QCOMPARE(child.code(), code);
        QVERIFY(!child.IsRunning());
    }

    void argumentsArePassedAsTheyAre()
    {
        const QStringList args {QStringLiteral("a b"),       QStringLiteral("$(echo no)"),
                                QStringLiteral("\"q\" 'r'"), QStringLiteral("-x"),
                                QStringLiteral("ünï"),       QString()};
        ChildProcess child;
        QVERIFY(
            child.Start(QStringLiteral("printf"), QStringList {QStringLiteral("[%s]\n")} + args));
        QByteArray expected;
        for (const QString &a : args)
            expected += '[' + a.toUtf8() + "]\n";
        QCOMPARE(ReadAll(child), expected);
        QVERIFY(child.Wait(10000));
    }

    void programThatCannotStart_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<int>("error");
        QTest::newRow("missing path") << "/nonexistent/ffmpeg" << ENOENT;
        QTest::newRow("missing name") << "kelvora-no-such-program" << ENOENT;
        QTest::newRow("not executable") << "%plain-file%" << EACCES;
        QTest::newRow("not a program") << "%script-without-interpreter%" << ENOEXEC;
        QTest::newRow("a folder") << "/tmp" << EACCES;
    }

    void programThatCannotStart()
    {
        QFETCH(QString, program);
        QFETCH(int, error);
        QTemporaryDir dir;
        if (program.startsWith(QLatin1Char('%'))) {
            QFile file(dir.filePath(QStringLiteral("file")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("\x7f\x01garbage");
            file.close();
            if (program == QLatin1String("%script-without-interpreter%"))
                file.setPermissions(file.permissions() | QFile::ExeOwner);
            program = file.fileName();
        }
        ChildProcess child;
        QVERIFY(!child.Start(program, {}));
        QCOMPARE(child.ending(), ChildProcess::Ending::StartFailed);
        QCOMPARE(child.startError(), error);
        QVERIFY(!child.IsRunning());
        QVERIFY(child.Wait(0));
        // Nothing to kill: nothing happens, neither to this record nor to any other process.
        ChildProcess bystander;
        QVERIFY(bystander.Start(QStringLiteral("sleep"), {QStringLiteral("30")}));
        child.Terminate();
        QCOMPARE(child.ending(), ChildProcess::Ending::StartFailed);
        QCOMPARE(child.startError(), error);
        QVERIFY(!child.IsRunning());
        QVERIFY(!bystander.Wait(50));
        QVERIFY(Alive(bystander.pid()));
    }

    void terminateFromAnotherThread()
    {
        ChildProcess child;
        QVERIFY(child.Start(QStringLiteral("sleep"), {QStringLiteral("30")}));
        const pid_t pid = child.pid();
        std::thread killer([&child] { child.Terminate(); });
        QCOMPARE(ReadAll(child), QByteArray()); // the pipe closes when the child dies
        killer.join();
        QVERIFY(child.Wait(10000));
        QCOMPARE(child.ending(), ChildProcess::Ending::Signalled);
        QCOMPARE(child.code(), int(SIGKILL));
        // Reaped: no zombie is left behind.
        QCOMPARE(::waitpid(pid, nullptr, WNOHANG), -1);
        QCOMPARE(errno, ECHILD);
        // After the reap this must not signal anything: the record keeps how the child ended,
        // and another child (which may even have been given the same id) lives on.
        ChildProcess bystander;
        QVERIFY(bystander.Start(QStringLiteral("sleep"), {QStringLiteral("30")}));
        child.Terminate();
        QCOMPARE(child.ending(), ChildProcess::Ending::Signalled);
        QCOMPARE(child.code(), int(SIGKILL));
        QVERIFY(!child.IsRunning());
        QVERIFY(child.Wait(0));
        QVERIFY(!bystander.Wait(50));
        QVERIFY(Alive(bystander.pid()));
    }

    void waitWithTimeout()
    {
        ChildProcess child;
        QVERIFY(child.Start(QStringLiteral("sleep"), {QStringLiteral("30")}));
        QVERIFY(!child.Wait(100));
        QVERIFY(child.IsRunning());
        child.Terminate();
        QVERIFY(child.Wait(10000));
        QVERIFY(!child.IsRunning());
    }

    void childDiesWithTheThreadThatStartedIt()
    {
        ChildProcess child;
        std::thread starter(
            [&child] { child.Start(QStringLiteral("sleep"), {QStringLiteral("30")}); });
        starter.join();
        QVERIFY(child.Wait(10000));
        QCOMPARE(child.ending(), ChildProcess::Ending::Signalled);
    }

    void childDiesWithTheProgramByItsDeathSignalAlone()
    {
        // The child writes for ever with the default SIGPIPE; a keeper process holds the pipe's
        // reading end, so a broken pipe cannot end it: only the death signal can.
        QProcess program;
        program.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--hold-child"), QStringLiteral("/bin/sh"),
                       QStringLiteral("-c"), QStringLiteral("while :; do echo converting; done")});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(program.canReadLine(), 10000);
        const QList<QByteArray> pids = program.readLine().trimmed().split(' ');
        QCOMPARE(pids.size(), 2);
        const qint64 child = pids[0].toLongLong();
        const qint64 keeper = pids[1].toLongLong();
        QVERIFY(child > 0 && keeper > 0);
        auto cleanUp = qScopeGuard([child, keeper] {
            ::kill(pid_t(keeper), SIGKILL);
            ::kill(pid_t(child), SIGKILL);
        });
        QVERIFY(Alive(child));
        QVERIFY(Alive(keeper));

        ::kill(pid_t(program.processId()), SIGKILL);
        QVERIFY(program.waitForFinished(10000));
        QTRY_VERIFY_WITH_TIMEOUT(!Alive(child), 10000);
        QVERIFY(Alive(keeper)); // the pipe stayed open until the child was gone
    }

    void destructorLeavesNoChild()
    {
        pid_t pid;
        {
            ChildProcess child;
            QVERIFY(child.Start(QStringLiteral("sleep"), {QStringLiteral("30")}));
            pid = child.pid();
        }
        QCOMPARE(::kill(pid, 0), -1);
        QCOMPARE(errno, ESRCH);
    }
};

int main(int argc, char **argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--hold-child") == 0)
        return HoldChild(argc, argv);
    QCoreApplication app(argc, argv);
    TestChildProcess test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_child_process.moc"
