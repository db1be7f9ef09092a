#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

// The hand-over between two copies of the program: the running copy listens on a local socket in
// the user's runtime folder (readable by that user alone), and a second copy started with files
// sends their paths there instead of opening a window of its own.
//
// The message is a QDataStream: a magic number, a version, a QStringList of absolute paths and
// (version 2) the second copy's activation token, empty when it was given none. The listener
// answers one byte, 'K', once it has taken the paths.
class InstanceChannel final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InstanceChannel)

public:
    explicit InstanceChannel(QObject *parent = nullptr);
    ~InstanceChannel() override;

    // The socket's path: `lockPath` with its extension replaced by ".socket".
    static QString SocketPath(const QString &lockPath);

    // Starts listening on `socketPath`. Only the holder of the single-instance lock calls this:
    // a socket file left there by a copy that died is removed first. False when the socket
    // cannot be made.
    bool Listen(const QString &socketPath);
    QString errorString() const { return m_server.errorString(); }

    // Sends `paths` (possibly none) and the desktop's activation token for the running window
    // to the copy listening on `socketPath` and waits up to `timeoutMs` for its answer, asking
    // again meanwhile while nothing listens there yet. True when the running copy took them.
    static bool Send(const QString &socketPath, const QStringList &paths,
                     const QString &activationToken, int timeoutMs = 5000);

Q_SIGNALS:
    // A second copy handed over these absolute paths, and the token that lets the running window
    // come to the front (empty when the second copy had none).
    void PathsReceived(const QStringList &paths, const QString &activationToken);

private:
    void OnNewConnection();

    QLocalServer m_server;
};
