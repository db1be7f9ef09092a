#include "app/desktop_notifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QtTest>

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

// The desktop's word on a batch, heard on a private session bus: the test runs itself under
// dbus-run-session, and the notification service and the task bar are stand-ins on their own
// connection to that bus.
class TestDesktopNotifier : public QObject
{
    Q_OBJECT

    QDBusConnection m_desktop {QStringLiteral("none")};
    StandInNotifications m_service;
    StandInLauncher m_launcher;

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
    }

    void init()
    {
        QVERIFY(ServiceUp());
        m_service.calls.clear();
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
    QApplication app(argc, argv);
    TestDesktopNotifier test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop_notifier.moc"
