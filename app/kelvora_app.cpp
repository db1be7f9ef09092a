#include "app/kelvora_app.h"

#include "app/drop_target.h"
#include "app/instance_channel.h"
#include "app/kelvora_dlg.h"
#include "media/media_list.h"
#include "platform/dialogs.h"
#include "res/strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

namespace {

// How long a second copy waits for the running one to take its files. Its window may be busy
// probing an earlier add before it reads the socket.
constexpr int kHandOverMs = 10000;

} // namespace

CKelvoraApp::CKelvoraApp() = default;
CKelvoraApp::~CKelvoraApp() = default;

QString CKelvoraApp::LockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("kelvora");
    return folder + QLatin1Char('/') + name + QStringLiteral(".lock");
}

bool CKelvoraApp::TakeInstanceLock()
{
    m_lock = std::make_unique<QLockFile>(LockPath());
    // Only a running copy holds the lock: one whose process is gone is stale at once, whatever
    // its age.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError && m_lock->removeStaleLockFile())
        return m_lock->tryLock(0);
    return false;
}

QStringList CKelvoraApp::ResolvePaths(const QStringList &arguments)
{
    QStringList paths;
    for (const QString &argument : arguments) {
        const QFileInfo info(QDir::current(), argument);
        if (!info.exists()) {
            std::fprintf(stderr, "kelvora: %s: no such file or folder\n",
                         qPrintable(QDir::toNativeSeparators(argument)));
            continue;
        }
        paths << QDir::cleanPath(info.absoluteFilePath());
    }
    return paths;
}

void CKelvoraApp::HandIn(const QStringList &paths)
{
    // After any add that runs now, in the order handed in.
    if (m_window)
        DropTarget::AddLocalPaths(*m_window->media(), paths);
}

int CKelvoraApp::Run(const QStringList &arguments)
{
    const QStringList paths = ResolvePaths(arguments);
    const QString socketPath = InstanceChannel::SocketPath(LockPath());
    if (!TakeInstanceLock()) {
        // The running copy may have taken the lock a moment ago and not be listening yet.
        if (!paths.isEmpty() && InstanceChannel::Send(socketPath, paths, kHandOverMs))
            return 0;
        CurrentDialogs().Message(nullptr, QStringLiteral("Kelvora Already Running!"),
                                 ApplicationName(), MessageIcon::None);
        return 0;
    }
    m_channel = std::make_unique<InstanceChannel>();
    // Without the socket the window still works; only hand-overs do not reach it.
    if (!m_channel->Listen(socketPath))
        std::fprintf(stderr, "kelvora: cannot listen on %s: %s\n", qPrintable(socketPath),
                     qPrintable(m_channel->errorString()));

    CKelvoraDlg window;
    m_window = &window;
    new DropTarget(window.media());
    QObject::connect(m_channel.get(), &InstanceChannel::PathsReceived, &window,
                     [this](const QStringList &received) {
                         if (m_window->isMinimized())
                             m_window->showNormal();
                         m_window->raise();
                         m_window->activateWindow();
                         HandIn(received);
                     });
    if (!paths.isEmpty())
        QTimer::singleShot(0, &window, [this, paths] { HandIn(paths); });
    window.exec();
    m_channel.reset();

    if (qEnvironmentVariable("KELVORA_DUMP_ROWS_ON_EXIT") == QLatin1String("1")) {
        const MediaList *media = window.media();
        for (int row = 0; row < media->rowCount(); ++row)
            std::printf("%s\n", qPrintable(media->Location(row) + media->FileName(row)));
        std::fflush(stdout);
    }
    m_window = nullptr;
    return 0;
}
