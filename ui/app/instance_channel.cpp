// The socket over which a second copy of the program hands its files to the running one.
#include "ui/app/instance_channel.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

namespace {

constexpr quint32 kMagic = 0x4b4c564f; // "KLVO"
constexpr quint32 kVersion = 2;
// A copy of the first version sends paths without a token.
constexpr quint32 kPathsOnly = 1;
constexpr char kTaken = 'K';
// A hand-over is a list of paths: anything larger is not one.
constexpr qint64 kMaxMessageBytes = 16 * 1024 * 1024;
// A peer that connects and then says nothing is dropped after this long.
constexpr int kPeerTimeoutMs = 10000;
// How long a second copy waits before it asks a copy that is not listening yet again.
constexpr int kRetryMs = 50;

} // namespace

InstanceChannel::InstanceChannel(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceChannel::OnNewConnection);
}

InstanceChannel::~InstanceChannel()
{
    m_server.close();
}

QString InstanceChannel::SocketPath(const QString &lockPath)
{
    const QFileInfo lock(lockPath);
    return lock.path() + QLatin1Char('/') + lock.completeBaseName() + QStringLiteral(".socket");
}

bool InstanceChannel::Listen(const QString &socketPath)
{
    // The lock is held: no live copy listens here, so a socket file is a dead copy's.
    QLocalServer::removeServer(socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    return m_server.listen(socketPath);
}

void InstanceChannel::OnNewConnection()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kPeerTimeoutMs, socket, [socket] { socket->abort(); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() > kMaxMessageBytes) {
                socket->abort();
                return;
            }
            QDataStream in(socket);
            in.setVersion(QDataStream::Qt_6_0);
            in.startTransaction();
            quint32 magic = 0;
            quint32 version = 0;
            QStringList paths;
            QString token;
            in >> magic >> version;
            if (in.status() == QDataStream::Ok
                && (magic != kMagic || (version != kVersion && version != kPathsOnly))) {
                socket->abort();
                return;
            }
            in >> paths;
            if (version == kVersion)
                in >> token;
            if (!in.commitTransaction()) {
                // An incomplete message waits for more; a corrupt one ends the connection.
                if (in.status() != QDataStream::ReadPastEnd)
                    socket->abort();
                return;
            }
            QStringList absolute;
            for (const QString &path : paths) {
                if (QFileInfo(path).isAbsolute())
                    absolute << path;
            }
            socket->write(&kTaken, 1);
            socket->flush();
            socket->disconnectFromServer();
            Q_EMIT PathsReceived(absolute, token);
        });
    }
}

bool InstanceChannel::Send(const QString &socketPath, const QStringList &paths,
                           const QString &activationToken, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The running copy may hold the lock and not be listening yet: it is asked again for a
    // while.
    for (;;) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        const bool notYet = socket.error() == QLocalSocket::ServerNotFoundError
            || socket.error() == QLocalSocket::ConnectionRefusedError;
        if (!notYet || deadline.remainingTime() < kRetryMs)
            return false;
        socket.abort();
        QThread::msleep(kRetryMs);
    }
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << kVersion << paths << activationToken;
    socket.write(message);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    }
    // The answer may arrive together with the listener's hang-up: what came is read either way.
    while (socket.bytesAvailable() < 1 && socket.waitForReadyRead(int(deadline.remainingTime()))) {
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kTaken;
}
