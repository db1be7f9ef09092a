// Connects to the desktop's buses only once they are seen to answer.
#include "engine/platform/bus_access.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace BusAccess {
namespace {

enum class Answer { Unknown, Asking, Yes, No };

struct Waiting
{
    QPointer<QObject> context;
    std::function<void(QDBusConnection)> then;
};

struct Bus
{
    Answer answer = Answer::Unknown;
    QList<Waiting> waiting;
};

Bus g_buses[2];

// The first unix socket address of the bus, as sockaddr_un bytes; empty for none (or another
// transport, which is then not probed but left to the D-Bus library).
QByteArray SocketAddress(bool systemBus, bool *otherTransport)
{
    QByteArray addresses
        = qgetenv(systemBus ? "DBUS_SYSTEM_BUS_ADDRESS" : "DBUS_SESSION_BUS_ADDRESS");
    if (addresses.isEmpty() && systemBus)
        addresses = "unix:path=/var/run/dbus/system_bus_socket";
    if (addresses.isEmpty()) {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        if (!runtime.isEmpty() && QFile::exists(QFile::decodeName(runtime + "/bus")))
            addresses = "unix:path=" + runtime + "/bus";
    }
    for (const QByteArray &address : addresses.split(';')) {
        if (!address.startsWith("unix:")) {
            *otherTransport = *otherTransport || !address.isEmpty();
            continue;
        }
        for (const QByteArray &pair : address.mid(5).split(',')) {
            const QByteArray value
                = QByteArray::fromPercentEncoding(pair.mid(pair.indexOf('=') + 1));
            if (pair.startsWith("path="))
                return value;
            if (pair.startsWith("abstract="))
                return '\0' + value;
        }
    }
    return QByteArray();
}

void Answered(int index, bool yes)
{
    Bus &bus = g_buses[index];
    bus.answer = yes ? Answer::Yes : Answer::No;
    const QList<Waiting> waiting = std::exchange(bus.waiting, {});
    for (const Waiting &w : waiting) {
        if (!w.context)
            continue;
        // The library connects once, on the first call, and the bus has just shown it answers.
        QDBusConnection connection = !yes ? QDBusConnection(QStringLiteral("kelvora no bus"))
            : index == 1                  ? QDBusConnection::systemBus()
                                          : QDBusConnection::sessionBus();
        w.then(connection);
    }
}

// Asks the bus's socket to begin a login ("AUTH" alone lists the ways it offers) and waits, in
// the event loop, for any answer.
void Ask(int index)
{
    bool other = false;
    const QByteArray path = SocketAddress(index == 1, &other);
    const auto finish = [index](bool yes) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [index, yes] { Answered(index, yes); },
            Qt::QueuedConnection);
    };
    if (path.isEmpty() || size_t(path.size()) >= sizeof(sockaddr_un::sun_path)) {
        finish(other);
        return;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(path.size())
                                       + (path.startsWith('\0') ? 0 : 1));
    static const char kHello[] = "\0AUTH\r\n";
    if (fd < 0 || ::connect(fd, reinterpret_cast<sockaddr *>(&address), length) != 0
        || ::send(fd, kHello, sizeof(kHello) - 1, MSG_NOSIGNAL) != ssize_t(sizeof(kHello) - 1)) {
        if (fd >= 0)
            ::close(fd);
        finish(false);
        return;
    }
    auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
    auto *timer = new QTimer(notifier);
    const auto end = [notifier, fd, index](bool yes) {
        notifier->setEnabled(false);
        notifier->deleteLater();
        ::close(fd);
        Answered(index, yes);
    };
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [fd, end] {
        char reply[256];
        const ssize_t got = ::recv(fd, reply, sizeof(reply), MSG_DONTWAIT);
        if (got < 0 && errno == EAGAIN)
            return;
        end(got > 0);
    });
    QObject::connect(timer, &QTimer::timeout, notifier, [end] { end(false); });
    timer->setSingleShot(true);
    timer->start(kAnswerMs);
}

} // namespace

void WithBus(bool systemBus, QObject *context, std::function<void(QDBusConnection)> then)
{
    const int index = systemBus ? 1 : 0;
    Bus &bus = g_buses[index];
    bus.waiting << Waiting {context, std::move(then)};
    if (bus.answer == Answer::Asking)
        return;
    if (bus.answer == Answer::Unknown) {
        bus.answer = Answer::Asking;
        Ask(index);
        return;
    }
    QMetaObject::invokeMethod(
        context,
        [index] {
            if (g_buses[index].answer != Answer::Asking)
                Answered(index, g_buses[index].answer == Answer::Yes);
        },
        Qt::QueuedConnection);
}

} // namespace BusAccess
