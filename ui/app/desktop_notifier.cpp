// Tells the desktop about a batch: its end as a notification, its progress on the task bar.
#include "ui/app/desktop_notifier.h"

#include "engine/platform/bus_access.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include <cmath>

namespace {

const QString kNotifyService = QStringLiteral("org.freedesktop.Notifications");
const QString kNotifyPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kLauncherPath = QStringLiteral("/com/canonical/unity/launcherentry/kelvora");
const QString kLauncherInterface = QStringLiteral("com.canonical.Unity.LauncherEntry");
const QString kAppUri = QStringLiteral("application://kelvora.desktop");
// How long the desktop shows the notice: its own default.
constexpr int kDefaultExpiry = -1;

} // namespace

DesktopNotifier::DesktopNotifier(QObject *parent)
    : QObject(parent)
{ }

QString DesktopNotifier::Summary(int completed, int failed, int canceled, int partly)
{
    const QString done = completed == 1
        ? QCoreApplication::translate("Notifier", "1 file converted")
        : QCoreApplication::translate("Notifier", "%n files converted", nullptr, completed);
    const QString summary = QCoreApplication::translate("Notifier", "%1, %2 failed, %3 canceled")
                                .arg(done)
                                .arg(failed)
                                .arg(canceled);
    return partly > 0
        ? QCoreApplication::translate("Notifier", "%1, %n partly converted", nullptr, partly)
              .arg(summary)
        : summary;
}

void DesktopNotifier::BatchEnded(int completed, int failed, int canceled, bool windowActive,
                                 int partly)
{
    if (windowActive)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kNotifyService, kNotifyPath, kNotifyService,
                                                       QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("kelvora"));
    hints.insert(QStringLiteral("category"),
                 failed + partly > 0 ? QStringLiteral("transfer.error")
                                     : QStringLiteral("transfer.complete"));
    call << QStringLiteral("Kelvora") << m_lastId << QStringLiteral("kelvora")
         << QCoreApplication::translate("Notifier", "Kelvora: the batch has ended")
         << Summary(completed, failed, canceled, partly) << QStringList() << hints
         << kDefaultExpiry;
    BusAccess::WithBus(false, this, [this, call](QDBusConnection bus) {
        if (!bus.isConnected())
            return;
        // An unknown service is answered with an error by the bus itself, and one that never
        // answers by the timeout: the reply is awaited in the event loop, never here, and an
        // error is dropped without a word.
        auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, BusAccess::kCallMs), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this](QDBusPendingCallWatcher *finished) {
                    const QDBusPendingReply<uint> reply = *finished;
                    const bool shown = !reply.isError();
                    if (shown)
                        m_lastId = reply.value();
                    finished->deleteLater();
                    Q_EMIT NotifyAnswered(shown);
                });
    });
}

void DesktopNotifier::BatchProgress(double fraction)
{
    const bool visible = fraction >= 0 && std::isfinite(fraction);
    const int percent = visible ? int(std::lround(qBound(0.0, fraction, 1.0) * 100)) : -1;
    if (visible == m_progressVisible && percent == m_lastPercent)
        return;
    m_progressVisible = visible;
    m_lastPercent = percent;
    QDBusMessage signal
        = QDBusMessage::createSignal(kLauncherPath, kLauncherInterface, QStringLiteral("Update"));
    QVariantMap properties;
    properties.insert(QStringLiteral("progress"), visible ? percent / 100.0 : 0.0);
    properties.insert(QStringLiteral("progress-visible"), visible);
    signal << kAppUri << properties;
    BusAccess::WithBus(false, this, [signal](QDBusConnection bus) {
        if (bus.isConnected())
            bus.send(signal);
    });
}
