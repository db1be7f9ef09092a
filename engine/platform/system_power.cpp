// Suspends or powers off the computer through logind when a batch has ended.
#include "engine/platform/system_power.h"

#include "engine/platform/bus_access.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QPointer>

bool WhenDoneApplies(WhenDone action, bool stopped, int failed, bool onlyIfAllSucceeded)
{
    return action != WhenDone::Nothing && !stopped && !(onlyIfAllSucceeded && failed > 0);
}

namespace SystemPower {

void Request(WhenDone action, QObject *context, std::function<void(const QString &error)> done)
{
    const QLatin1String method(action == WhenDone::PowerOff ? "PowerOff" : "Suspend");
    BusAccess::WithBus(true, context, [context, method, done](QDBusConnection bus) {
        if (!bus.isConnected()) {
            done(QCoreApplication::translate("Batch", "The system bus cannot be reached."));
            return;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), method);
        // logind asks the user for leave where its rules want that.
        call << true;
        call.setInteractiveAuthorizationAllowed(true);
        auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kAnswerMs), context);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
                         [done](QDBusPendingCallWatcher *finished) {
                             finished->deleteLater();
                             const QDBusMessage reply = finished->reply();
                             done(reply.type() == QDBusMessage::ReplyMessage ? QString()
                                      : reply.errorMessage().isEmpty()       ? reply.errorName()
                                                                       : reply.errorMessage());
                         });
    });
}

} // namespace SystemPower
