// Keeps the computer awake while a batch converts, through logind or the session's services.
#include "engine/platform/sleep_inhibitor.h"

#include "engine/platform/bus_access.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusUnixFileDescriptor>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Service
{
    bool systemBus;
    const char *name;
    const char *path;
    const char *interface;
};

// In the order they are asked. logind comes first: its lock is a descriptor, which the kernel
// closes however the program ends.
const Service kServices[] = {
    {true, "org.freedesktop.login1", "/org/freedesktop/login1", "org.freedesktop.login1.Manager"},
    {false, "org.freedesktop.PowerManagement", "/org/freedesktop/PowerManagement/Inhibit",
     "org.freedesktop.PowerManagement.Inhibit"},
    {false, "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
     "org.freedesktop.ScreenSaver"},
};
constexpr int kServiceCount = int(std::size(kServices));
constexpr int kLogind = 0;

QDBusConnection Bus(const Service &service)
{
    return service.systemBus ? QDBusConnection::systemBus() : QDBusConnection::sessionBus();
}

QDBusMessage Call(const Service &service, const char *method)
{
    return QDBusMessage::createMethodCall(QLatin1String(service.name), QLatin1String(service.path),
                                          QLatin1String(service.interface), QLatin1String(method));
}

} // namespace

SleepInhibitor::SleepInhibitor(QObject *parent)
    : QObject(parent)
{ }

SleepInhibitor::~SleepInhibitor()
{
    GiveBack(m_lock);
}

QString SleepInhibitor::BatchReason(int files)
{
    return files == 1 ? QCoreApplication::translate("Batch", "Converting 1 file")
                      : QCoreApplication::translate("Batch", "Converting %n files", nullptr, files);
}

void SleepInhibitor::Hold(const QString &why)
{
    m_wanted = true;
    m_why = why;
    Update();
}

void SleepInhibitor::Release()
{
    m_wanted = false;
    Update();
}

void SleepInhibitor::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    Update();
}

void SleepInhibitor::Update()
{
    if (!m_enabled || !m_wanted) {
        ++m_generation;
        m_asking = false;
        GiveBack(m_lock);
        m_lock = Lock();
        return;
    }
    if (m_lock.service >= 0 || m_asking)
        return;
    m_asking = true;
    // From the event loop: connecting to a bus never holds up the batch that wants the lock.
    QMetaObject::invokeMethod(
        this,
        [this, generation = m_generation] {
            if (generation == m_generation)
                Ask(0);
        },
        Qt::QueuedConnection);
}

void SleepInhibitor::Ask(int service)
{
    if (service >= kServiceCount) {
        m_asking = false;
        return;
    }
    BusAccess::WithBus(kServices[service].systemBus, this,
                       [this, service, generation = m_generation](QDBusConnection bus) {
                           if (generation != m_generation)
                               return;
                           if (!bus.isConnected()) {
                               Ask(service + 1);
                               return;
                           }
                           QDBusMessage call = Call(kServices[service], "Inhibit");
                           if (service == kLogind)
                               call << QStringLiteral("sleep:idle") << QStringLiteral("Kelvora")
                                    << m_why << QStringLiteral("block");
                           else
                               call << QStringLiteral("Kelvora") << m_why;
                           // A missing service is answered with an error by the bus itself, and one
                           // that never answers by the timeout: the next service is asked then.
                           auto *watcher = new QDBusPendingCallWatcher(
                               bus.asyncCall(call, BusAccess::kCallMs), this);
                           connect(watcher, &QDBusPendingCallWatcher::finished, this,
                                   [this, service, generation](QDBusPendingCallWatcher *finished) {
                                       finished->deleteLater();
                                       OnAnswer(service, generation, finished->reply());
                                   });
                       });
}

void SleepInhibitor::OnAnswer(int service, int generation, const QDBusMessage &reply)
{
    const QVariant value = reply.arguments().value(0);
    Lock lock;
    if (reply.type() == QDBusMessage::ReplyMessage && service == kLogind) {
        // A copy of our own: the reply's descriptor closes when the reply goes, and the
        // converters started later must not inherit the lock.
        const int fd = value.value<QDBusUnixFileDescriptor>().fileDescriptor();
        lock.fd = fd < 0 ? -1 : ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
        lock.service = lock.fd < 0 ? -1 : service;
    } else if (reply.type() == QDBusMessage::ReplyMessage && value.canConvert<uint>()) {
        lock.cookie = value.toUInt();
        lock.service = service;
    }
    if (generation != m_generation) {
        GiveBack(lock);
    } else if (lock.service >= 0) {
        m_asking = false;
        m_lock = lock;
    } else {
        Ask(service + 1);
    }
}

void SleepInhibitor::GiveBack(const Lock &lock)
{
    if (lock.service == kLogind) {
        ::close(lock.fd);
    } else if (lock.service > kLogind) {
        QDBusMessage call = Call(kServices[lock.service], "UnInhibit");
        call << lock.cookie;
        // The bus answered when the lock was granted through it: it is connected already.
        Bus(kServices[lock.service]).asyncCall(call, BusAccess::kCallMs);
    }
}
