#include "support/media_factory.h"
#include "support/virtual_display.h"

#include <QProcess>
#include <QtTest>

#include <csignal>

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

    QProcess *Start(const QStringList &args = {})
    {
        auto *p = new QProcess(this);
        p->setProcessEnvironment(m_env);
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p->start(Program(), args);
        m_programs << p;
        return p;
    }

    // True while process `pid` exists and is not a zombie.
    static bool Alive(qint64 pid)
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            return false;
        const QByteArray text = stat.readAll();
        const int close = text.lastIndexOf(')');
        return close > 0 && close + 2 < text.size() && text[close + 2] != 'Z';
    }

    // The first child process of `pid` named `name`, or 0.
    static qint64 ChildNamed(qint64 pid, const QByteArray &name)
    {
        const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
        for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile children(tasks.filePath(task) + QStringLiteral("/children"));
            if (!children.open(QIODevice::ReadOnly))
                continue;
            for (const QByteArray &child : children.readAll().split(' ')) {
                QFile comm(QStringLiteral("/proc/%1/comm").arg(QString::fromLatin1(child)));
                if (!child.isEmpty() && comm.open(QIODevice::ReadOnly)
                    && comm.readAll().trimmed() == name)
                    return child.toLongLong();
            }
        }
        return 0;
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
    }

    void cleanup()
    {
        for (QProcess *p : m_programs) {
            p->kill();
            p->waitForFinished();
        }
        m_programs.clear();
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral(".+")).size(), 0, 10000);
    }

    void converterEndsWithTheProgram()
    {
        // A slow preset and a long clip, so that the converter is still at work when the
        // program is killed.
        const QString media = m_dir.filePath(QStringLiteral("media")) + QLatin1Char('/');
        const QString out = m_dir.filePath(QStringLiteral("out")) + QLatin1Char('/');
        QDir().mkpath(media);
        testmedia::Clip clip;
        clip.seconds = 60;
        clip.size = QStringLiteral("1280x720");
        clip.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "mp2"};
        QVERIFY(testmedia::Make(media + QStringLiteral("long clip.mkv"), clip));
        const QString config
            = m_env.value(QStringLiteral("XDG_CONFIG_HOME")) + QStringLiteral("/Orvane");
        QDir().mkpath(config);
        QFile settings(config + QStringLiteral("/kelvora.ini"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Parameters]\nCurrent Solution=8\n[Recent Saving Folder]\nFirst Folder="
                       + out.toUtf8() + "\n");
        settings.close();

        // The file is named on the command line; Convert All is asked again until a converter
        // runs: on a busy machine the row, the menu and the key arrive in their own time.
        QProcess *program = Start({media + QStringLiteral("long clip.mkv")});
        QTRY_COMPARE_WITH_TIMEOUT(Windows(QStringLiteral("Kelvora 1.0")).size(), 1, 20000);
        const QString window = Windows(QStringLiteral("Kelvora 1.0")).first();
        qint64 converter = 0;
        QVERIFY(QTest::qWaitFor(
            [&] {
                Run(QStringLiteral("xdotool"),
                    {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
                Run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+c")});
                if (QTest::qWaitFor([&] { return Windows(QStringLiteral(".*")).size() >= 2; },
                                    2000))
                    Run(QStringLiteral("xdotool"),
                        {QStringLiteral("key"), QStringLiteral("Return")}); // Convert All
                return QTest::qWaitFor(
                    [&] { return (converter = ChildNamed(program->processId(), "ffmpeg")) != 0; },
                    3000);
            },
            60000));
        QVERIFY(Alive(converter));
        ::kill(pid_t(program->processId()), SIGKILL);
        QVERIFY(program->waitForFinished(10000));
        QTRY_VERIFY_WITH_TIMEOUT(!Alive(converter), 10000);
        QFile::remove(config + QStringLiteral("/kelvora.ini"));
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
};

QTEST_GUILESS_MAIN(TestKelvoraApp)
#include "tst_kelvora_app.moc"
