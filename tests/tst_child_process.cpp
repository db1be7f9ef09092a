#include "platform/child_process.h"

#include <QtTest>

#include <csignal>
#include <sys/wait.h>
#include <thread>

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
        child.Terminate(); // nothing to kill, nothing happens
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
        child.Terminate(); // after the reap this must not signal anything
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

QTEST_GUILESS_MAIN(TestChildProcess)
#include "tst_child_process.moc"
