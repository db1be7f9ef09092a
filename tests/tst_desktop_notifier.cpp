#include "support/media_factory.h"
#include "support/processes.h"
#include "support/scripted_dialogs.h"
#include "ui/app/desktop_notifier.h"
#include "ui/app/kelvora_dlg.h"
#include "ui/media/media_list.h"

#include <QAbstractButton>
#include <QAction>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QLocalServer>
#include <QMessageBox>
#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// A stand-in for the desktop's notification service: records every Notify call.
class StandInNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call
    {
        QString app;
        uint replaces;
        QString summary;
        QString body;
        QVariantMap hints;
    };
    QList<Call> calls;

public Q_SLOTS:
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints,
                int timeout)
    {
        Q_UNUSED(icon);
        Q_UNUSED(actions);
        Q_UNUSED(timeout);
        calls.append({app, replaces, summary, body, hints});
        return uint(100 + calls.size());
    }
};

// A task bar that reads the launcher entry's Update signal.
class StandInLauncher : public QObject
{
    Q_OBJECT

public:
    QStringList uris;
    QList<QVariantMap> updates;

public Q_SLOTS:
    void Update(const QString &uri, const QVariantMap &properties)
    {
        uris << uri;
        updates << properties;
    }
};

// logind's manager, the session's power management and its screen saver in one: what they were
// asked, and how many of logind's locks are held.
class StandInInhibitors
    : public QObject
    , protected QDBusContext
{
    Q_OBJECT

public:
    QStringList calls;
    bool silent = false; // logind takes its calls and never answers
    QList<int> pipes; // the read ends of logind's locks: held while a write end is open
    int Held() const
    {
        return int(std::count_if(pipes.begin(), pipes.end(), [](int end) {
            pollfd readable {end, POLLIN, 0};
            return ::poll(&readable, 1, 0) == 0;
        }));
    }

public Q_SLOTS:
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &why,
                                    const QString &mode)
    {
        calls << QStringList {what, who, why, mode}.join(QLatin1Char('|'));
        if (silent) {
            setDelayedReply(true);
            return {};
        }
        int ends[2] = {-1, -1};
        QDBusUnixFileDescriptor lock;
        pipes << (::pipe2(ends, O_CLOEXEC) == 0 ? ends[0] : -1);
        lock.giveFileDescriptor(ends[1]);
        return lock;
    }
    uint Inhibit(const QString &who, const QString &why)
    {
        calls << who + QLatin1Char('|') + why;
        return 41;
    }
    void UnInhibit(uint cookie) { calls << QString::number(cookie); }
    void Suspend(bool interactive) { calls << QStringLiteral("Suspend|%1").arg(int(interactive)); }
    void PowerOff(bool interactive)
    {
        calls << QStringLiteral("PowerOff|%1").arg(int(interactive));
    }
};

// The desktop's word on a batch, heard on a private bus, session and system bus at once: the test
// runs itself under dbus-run-session, and the notification service, the task bar and the
// inhibitors' services are stand-ins on their own connection to that bus.
class TestDesktopNotifier : public QObject
{
    Q_OBJECT

    QDBusConnection m_desktop {QStringLiteral("none")};
    StandInNotifications m_service;
    StandInLauncher m_launcher;
    StandInInhibitors m_inhibitors;
    QTemporaryDir m_dir;
    const QString m_out = m_dir.filePath(QStringLiteral("out"));
    const QStringList m_quick {m_dir.filePath("a.avi"), m_dir.filePath("b.avi")};
    const QString m_slow = m_dir.filePath(QStringLiteral("slow.mkv"));

    bool ServiceUp()
    {
        return m_desktop.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("KELVORA_PRIVATE_BUS"),
                 "the test runs under dbus-run-session of its own");
        m_desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                  QStringLiteral("stand-in desktop"));
        QVERIFY(m_desktop.isConnected());
        QVERIFY(m_desktop.registerObject(QStringLiteral("/org/freedesktop/Notifications"),
                                         &m_service, QDBusConnection::ExportAllSlots));
        QVERIFY(m_desktop.connect(
            QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
            QStringLiteral("Update"), &m_launcher, SLOT(Update(QString, QVariantMap))));
        for (const char *path : {"login1", "PowerManagement/Inhibit", "ScreenSaver"}) {
            const QString name = "org.freedesktop." + QString(path).replace('/', '.');
            QVERIFY(m_desktop.registerObject(QStringLiteral("/org/freedesktop/") + path,
                                             name + (path[0] == 'l' ? ".Manager" : ""),
                                             &m_inhibitors, QDBusConnection::ExportAllSlots));
        }
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(testmedia::MakeSmallClip(m_quick[0]) && QFile::copy(m_quick[0], m_quick[1]));
        testmedia::Clip clip;
        clip.seconds = 20;
        clip.size = QStringLiteral("640x360");
        QVERIFY(testmedia::Make(m_slow, clip) && QDir().mkdir(m_out));
    }

    void init()
    {
        QVERIFY(ServiceUp());
        m_service.calls.clear();
        m_inhibitors.calls.clear();
        m_inhibitors.silent = false;
    }

    void countsInTheNotice_data()
    {
        QTest::addColumn<int>("completed");
        QTest::addColumn<int>("failed");
        QTest::addColumn<int>("canceled");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("category");
        QTest::newRow("one failed") << 12 << 1 << 0 << "12 files converted, 1 failed, 0 canceled"
                                    << "transfer.error";
        QTest::newRow("one file, two canceled")
            << 1 << 0 << 2 << "1 file converted, 0 failed, 2 canceled"
            << "transfer.complete";
        QTest::newRow("nothing converted")
            << 0 << 3 << 4 << "0 files converted, 3 failed, 4 canceled"
            << "transfer.error";
    }

    void countsInTheNotice()
    {
        QFETCH(int, completed);
        QFETCH(int, failed);
        QFETCH(int, canceled);
        QFETCH(QString, body);
        QFETCH(QString, category);

        DesktopNotifier notifier;
        QSignalSpy answered(&notifier, &DesktopNotifier::NotifyAnswered);
        notifier.BatchEnded(completed, failed, canceled, false);
        QTRY_COMPARE_WITH_TIMEOUT(answered.size(), 1, 10000);
        QCOMPARE(answered.first().first().toBool(), true);
        QCOMPARE(m_service.calls.size(), 1);
        const StandInNotifications::Call &call = m_service.calls.first();
        QCOMPARE(call.app, QStringLiteral("Kelvora"));
        QCOMPARE(call.body, body);
        QCOMPARE(call.replaces, 0u);
        QCOMPARE(call.hints.value(QStringLiteral("desktop-entry")).toString(),
                 QStringLiteral("kelvora"));
        QCOMPARE(call.hints.value(QStringLiteral("category")).toString(), category);
    }

    void nothingWhileTheWindowIsActive()
    {
        DesktopNotifier notifier;
        QSignalSpy answered(&notifier, &DesktopNotifier::NotifyAnswered);
        notifier.BatchEnded(5, 0, 0, true);
        // A notice sent after it arrives after anything the first would have sent.
        notifier.BatchEnded(2, 0, 0, false);
        QTRY_COMPARE_WITH_TIMEOUT(answered.size(), 1, 10000);
        QCOMPARE(m_service.calls.size(), 1);
        QCOMPARE(m_service.calls.first().body,
                 QStringLiteral("2 files converted, 0 failed, 0 canceled"));
    }

    void aLaterNoticeReplacesTheEarlier()
    {
        DesktopNotifier notifier;
        QSignalSpy answered(&notifier, &DesktopNotifier::NotifyAnswered);
        notifier.BatchEnded(1, 0, 0, false);
        QTRY_COMPARE_WITH_TIMEOUT(answered.size(), 1, 10000);
        notifier.BatchEnded(3, 0, 0, false);
        QTRY_COMPARE_WITH_TIMEOUT(answered.size(), 2, 10000);
        QCOMPARE(m_service.calls.size(), 2);
        QCOMPARE(m_service.calls[1].replaces, 101u);
    }

    void quietWithoutAService()
    {
        QVERIFY(m_desktop.unregisterService(QStringLiteral("org.freedesktop.Notifications")));
        QTRY_VERIFY_WITH_TIMEOUT(!QDBusConnection::sessionBus().interface()->isServiceRegistered(
                                     QStringLiteral("org.freedesktop.Notifications")),
                                 10000);
        static QStringList printed;
        printed.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext &, const QString &text) { printed << text; });
        DesktopNotifier notifier;
        QSignalSpy answered(&notifier, &DesktopNotifier::NotifyAnswered);
        notifier.BatchEnded(4, 0, 0, false);
        const bool came = QTest::qWaitFor([&] { return answered.size() == 1; }, 10000);
        qInstallMessageHandler(previous);
        QVERIFY(came);
        QCOMPARE(answered.first().first().toBool(), false);
        QCOMPARE(printed, QStringList());
        QCOMPARE(m_service.calls.size(), 0);
    }

    void progressOnTheLauncherEntry()
    {
        m_launcher.uris.clear();
        m_launcher.updates.clear();
        DesktopNotifier notifier;
        notifier.BatchProgress(-1); // nothing runs, nothing shown yet: nothing to say
        notifier.BatchProgress(0.25);
        notifier.BatchProgress(0.251); // the same percent
        notifier.BatchProgress(0.5);
        notifier.BatchProgress(1.5); // never more than all
        notifier.BatchProgress(-1);
        QTRY_COMPARE_WITH_TIMEOUT(m_launcher.updates.size(), 4, 10000);
        QCOMPARE(m_launcher.uris, QStringList(4, QStringLiteral("application://kelvora.desktop")));
        QList<QPair<double, bool>> seen;
        for (const QVariantMap &update : m_launcher.updates)
            seen << qMakePair(update.value(QStringLiteral("progress")).toDouble(),
                              update.value(QStringLiteral("progress-visible")).toBool());
        QCOMPARE(
            seen,
            (QList<QPair<double, bool>>({{0.25, true}, {0.5, true}, {1.0, true}, {0.0, false}})));
    }

    void awakeWhileABatchConverts_data()
    {
        QTest::addColumn<bool>("inWindow"); // else kelvora-convert
        QTest::addColumn<QString>("service"); // the one that runs
        QTest::addColumn<bool>("stop"); // Stop All in the window, SIGKILL to kelvora-convert
        QTest::addColumn<bool>("off"); // unticked in the window, --no-inhibit
        QTest::addColumn<QStringList>("calls");
        const QStringList logind {"sleep:idle|Kelvora|Converting 2 files|block"};
        const QStringList cookie {"Kelvora|Converting 2 files", "41"};
        QTest::newRow("logind, Pause, Resume, Stop All")
            << true << "login1" << true << false << logind + logind;
        QTest::newRow("power management") << true << "PowerManagement" << false << false << cookie;
        QTest::newRow("screen saver") << true << "ScreenSaver" << false << false << cookie;
        QTest::newRow("unticked") << true << "login1" << false << true << QStringList();
        QTest::newRow("command") << false << "login1" << false << false << logind;
        QTest::newRow("command killed") << false << "login1" << true << false << logind;
        QTest::newRow("--no-inhibit") << false << "login1" << false << true << QStringList();
        QTest::newRow("command, no service") << false << "" << false << false << QStringList();
    }

    void awakeWhileABatchConverts()
    {
        QFETCH(bool, inWindow);
        QFETCH(QString, service);
        QFETCH(bool, stop);
        QFETCH(bool, off);
        QFETCH(QStringList, calls);
        for (const char *name : {"login1", "PowerManagement", "ScreenSaver"})
            m_desktop.unregisterService(QStringLiteral("org.freedesktop.") + name);
        QVERIFY(service.isEmpty() || m_desktop.registerService("org.freedesktop." + service));
        m_inhibitors.calls.clear();
        const QStringList files {stop ? m_slow : m_quick[0], m_quick[1]};
        if (inWindow) {
            QFile::remove(SettingsPath());
            ScriptedDialogs dialogs;
            {
                CKelvoraDlg window;
                dialogs.NextFolder(m_out);
                window.findChild<QAction *>("browse")->trigger();
                dialogs.NextFiles(files);
                window.findChild<QAction *>("addFiles")->trigger();
                QTRY_VERIFY_WITH_TIMEOUT(!window.media()->adding(), 60000);
                if (off)
                    window.findChild<QAction *>("keepAwake")->trigger();
                window.findChild<QAction *>("convertAll")->trigger();
                QTRY_COMPARE_WITH_TIMEOUT(m_inhibitors.Held(), int(stop), 20000);
                if (stop) {
                    // Let go while paused, and taken again on going on.
                    for (int held : {0, 1}) {
                        window.findChild<QAction *>("pause")->trigger();
                        QTRY_COMPARE_WITH_TIMEOUT(m_inhibitors.Held(), held, 10000);
                    }
                    window.findChild<QAction *>("stopAll")->trigger();
                }
                QTRY_VERIFY_WITH_TIMEOUT(!window.queue()->IsConverting(), 120000);
                QTRY_COMPARE_WITH_TIMEOUT(m_inhibitors.Held(), 0, 10000); // the window stays
            }
            QCOMPARE(CKelvoraDlg().settings().keepAwake, !off); // read from the settings file
        } else {
            QProcess program;
            program.start(KELVORA_CONVERT_PROGRAM,
                          QStringList {"-p", "0", "-o", m_out, off ? "--no-inhibit" : "--"}
                              + files);
            QTRY_COMPARE_WITH_TIMEOUT(m_inhibitors.Held(), int(stop), 20000);
            if (stop)
                ::kill(pid_t(program.processId()), SIGKILL);
            // Waited for in the event loop, where the stand-ins answer.
            QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, 120000);
            // Nothing but the summary: not a word about buses or services.
            QCOMPARE(program.readAllStandardError().count('\n'), stop ? 0 : 1);
            QTRY_COMPARE_WITH_TIMEOUT(m_inhibitors.Held(), 0, 10000);
        }
        // A cookie is given back by a call that arrives in the event loop, maybe after the end.
        QTRY_COMPARE_WITH_TIMEOUT(m_inhibitors.calls, calls, 10000);
    }

    // When Done, after a batch that ended on its own, as told; after Stop All, or a failed file
    // with Only If All Succeeded, never.
    void whenDoneAsksLogind_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<int>("end"); // 0 on its own, 1 Stop All, 2 a file fails
        QTest::addColumn<bool>("now"); // the notice's Now, else its Cancel
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("suspend") << "doneSuspend" << 0 << true << QStringList {"Suspend|1"};
        QTest::newRow("power off") << "donePowerOff" << 0 << true << QStringList {"PowerOff|1"};
        QTest::newRow("canceled") << "doneSuspend" << 0 << false << QStringList();
        QTest::newRow("after Stop All") << "doneSuspend" << 1 << true << QStringList();
        QTest::newRow("a file failed") << "donePowerOff" << 2 << true << QStringList();
        QTest::newRow("do nothing") << "doneNothing" << 0 << true << QStringList();
        QTest::newRow("quit") << "doneQuit" << 0 << true << QStringList();
    }
    void whenDoneAsksLogind()
    {
        QFETCH(QString, choice);
        QFETCH(int, end);
        QFETCH(bool, now);
        QFETCH(QStringList, calls);
        QVERIFY(m_desktop.registerService(QStringLiteral("org.freedesktop.login1")));
        m_inhibitors.calls.clear();
        QFile::remove(SettingsPath());
        const QString same = m_out + QStringLiteral("/same.wmv"); // its own output
        QVERIFY(QFile::exists(same) || QFile::copy(m_quick[0], same));
        ScriptedDialogs dialogs;
        CKelvoraDlg window;
        for (const QString name : {"keepAwake", "doneOnlyIfAll", end == 2 ? "preset13" : "preset0"})
            window.findChild<QAction *>(name)->trigger();
        dialogs.NextFolder(m_out);
        window.findChild<QAction *>("browse")->trigger();
        dialogs.NextFiles({end == 2 ? same : end == 1 ? m_slow : m_quick[0]});
        window.findChild<QAction *>("addFiles")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!window.media()->adding(), 60000);
        window.findChild<QAction *>(choice)->trigger();
        window.findChild<QAction *>("convertAll")->trigger();
        if (end == 1)
            window.findChild<QAction *>("stopAll")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!window.queue()->IsConverting(), 120000);
        auto *notice = window.findChild<QMessageBox *>("whenDoneNotice");
        QCOMPARE(notice != nullptr,
                 end == 0 && (choice == "doneSuspend" || choice == "donePowerOff"));
        QTRY_COMPARE_WITH_TIMEOUT(window.result(), int(choice == "doneQuit"), 10000);
        if (notice)
            (now ? notice->findChild<QAbstractButton *>("whenDoneNow")
                 : notice->button(QMessageBox::Cancel))
                ->click();
        QTRY_COMPARE_WITH_TIMEOUT(m_inhibitors.calls, calls, 10000);
    }

    // Silence holds nothing up: a logind that never answers is given up for the next service, a
    // bus that never answers as absent. kelvora-convert converts and ends at once on SIGTERM.
    void silenceHoldsNothingUp_data()
    {
        QTest::addColumn<bool>("silentBus");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("service never answers") << false << QStringList {"sleep:idle", "Kelvora"};
        QTest::newRow("bus never answers") << true << QStringList();
    }
    void silenceHoldsNothingUp()
    {
        QFETCH(bool, silentBus);
        QFETCH(QStringList, calls);
        for (const char *name : {"login1", "PowerManagement"})
            QVERIFY(m_desktop.registerService(QStringLiteral("org.freedesktop.") + name));
        m_inhibitors.silent = true;
        QLocalServer bus; // takes connections and says nothing
        QVERIFY(bus.listen(m_dir.filePath(QStringLiteral("silent-bus"))));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DBUS_SESSION_BUS_ADDRESS", "DBUS_SYSTEM_BUS_ADDRESS"})
            if (silentBus)
                environment.insert(QLatin1String(name), "unix:path=" + bus.fullServerName());
        QProcess program;
        program.setProcessEnvironment(environment);
        // Two slow files one after the other: the batch outlasts a call's timeout.
        const QString second = m_dir.filePath(QStringLiteral("slow 2.mkv"));
        QVERIFY(QFile::exists(second) || QFile::copy(m_slow, second));
        program.start(KELVORA_CONVERT_PROGRAM, {"-p", "8", "-j", "1", "-o", m_out, m_slow, second});
        QTRY_VERIFY_WITH_TIMEOUT(testprocesses::ChildNamed(program.processId(), "ffmpeg"), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(m_inhibitors.calls.size(), calls.size(), 10000);
        for (int i = 0; i < calls.size(); ++i) // who was asked, in this order
            QVERIFY(m_inhibitors.calls[i].startsWith(calls[i]));
        ::kill(pid_t(program.processId()), SIGTERM);
        QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, 10000);
        QCOMPARE(program.exitCode(), 128 + SIGTERM);
    }
};

int main(int argc, char *argv[])
{
    // A bus of its own: the desktop's notices and task bar never see the test.
    if (!qEnvironmentVariableIsSet("KELVORA_PRIVATE_BUS")) {
        qputenv("KELVORA_PRIVATE_BUS", "1");
        std::vector<char *> args {const_cast<char *>("dbus-run-session"), const_cast<char *>("--")};
        args.insert(args.end(), argv, argv + argc);
        args.push_back(nullptr);
        execvp("dbus-run-session", args.data());
        std::perror("dbus-run-session (Debian package dbus-daemon)");
        return 1;
    }
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", qgetenv("DBUS_SESSION_BUS_ADDRESS"));
    QApplication app(argc, argv);
    TestDesktopNotifier test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop_notifier.moc"
