#include "app/kelvora_app.h"

#include "app/drop_target.h"
#include "app/instance_channel.h"
#include "app/kelvora_dlg.h"
#include "app/session_keeper.h"
#include "convert/temporary_outputs.h"
#include "media/media_list.h"
#include "platform/dialogs.h"
#include "platform/stop_signals.h"
#include "res/resource.h"
#include "res/strings.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QScopedValueRollback>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTimer>

#include <cstdio>

namespace {

// How often a hand-over that arrived during another add looks again.
constexpr int kRetryMs = 100;
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
    m_pending << paths;
    AddPending();
}

void CKelvoraApp::AddPending()
{
    if (!m_window || m_pending.isEmpty() || m_handingIn)
        return;
    // The progress window of a running add lets events in: this add waits for it to end.
    if (m_window->media()->adding()) {
        QTimer::singleShot(kRetryMs, m_window, [this] { AddPending(); });
        return;
    }
    const QScopedValueRollback<bool> handingIn(m_handingIn, true);
    while (!m_pending.isEmpty()) {
        const QStringList paths = m_pending;
        m_pending.clear();
        DropTarget::AddLocalPaths(*m_window->media(), paths);
    }
}

void CKelvoraApp::KeepSession(CKelvoraDlg &window)
{
    m_session = std::make_unique<SessionKeeper>(&window.media()->store(), &window.queue()->batch(),
                                                &window);
    QObject::connect(&window, &QDialog::finished, m_session.get(), &SessionKeeper::Close);
    // First of all once the window runs: the rows of the last list come before any others.
    QTimer::singleShot(0, &window, [this, &window] {
        window.queue()->Resume(m_session->Restore());
        const QStringList folders(std::begin(window.settings().folders),
                                  std::end(window.settings().folders));
        QThreadPool::globalInstance()->start([folders] {
            for (const QString &folder : folders)
                RemoveDeadLeftovers(folder);
        });
    });

    // A stop signal, or the desktop session's end, closes the window as Exit does: conversions
    // end, their temporary files go, the settings are saved and the session file removed.
    auto closeAsExit = [&window] {
        // A box or dialog open over the window would hold the close up until answered.
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *progress = qobject_cast<QProgressDialog *>(top))
                progress->cancel();
            else if (auto *dialog = qobject_cast<QDialog *>(top);
                     dialog && dialog != &window && dialog->isVisible())
                dialog->reject();
        }
        window.OnCommand(ID_FILE_EXIT);
    };
    m_stops = std::make_unique<StopSignals>();
    if (!m_stops->Install())
        std::fprintf(stderr, "kelvora: cannot catch the stop signals\n");
    QObject::connect(m_stops.get(), &StopSignals::Arrived, &window, closeAsExit);
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window, closeAsExit);
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
    KeepSession(window);
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
    m_session.reset();
    m_window = nullptr;
    return 0;
}
