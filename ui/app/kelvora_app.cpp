// Runs the window program: one copy at a time, its window, its session and its stop signals.
#include "ui/app/kelvora_app.h"

#include "engine/convert/temporary_outputs.h"
#include "engine/platform/file_system_pool.h"
#include "engine/platform/stop_signals.h"
#include "res/strings.h"
#include "ui/app/commands.h"
#include "ui/app/drop_target.h"
#include "ui/app/instance_channel.h"
#include "ui/app/kelvora_dlg.h"
#include "ui/app/session_keeper.h"
#include "ui/controls/chrome/kelvora_palette.h"
#include "ui/convert/conversion_queue.h"
#include "ui/media/media_list.h"
#include "ui/platform/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QThreadPool>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How long a second copy waits for the running one to take its files. Its window may be busy
// probing an earlier add before it reads the socket.
constexpr int kHandOverMs = 10000;
// With no files, the hand-over only brings the running window forward: the box is not held up
// for long by a copy that does not answer.
constexpr int kRaiseOnlyMs = 2000;
// The variable through which a launcher gives a program its Wayland activation token.
const char kActivationToken[] = "XDG_ACTIVATION_TOKEN";

} // namespace

CKelvoraApp::CKelvoraApp() = default;
CKelvoraApp::~CKelvoraApp() = default;

namespace {

// True for a folder (not a link to one) of this user's that no one else may enter.
bool IsPrivateFolder(const QString &folder)
{
    struct stat st;
    return !folder.isEmpty() && ::lstat(QFile::encodeName(folder).constData(), &st) == 0
        && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() && (st.st_mode & 077) == 0;
}

} // namespace

QString CKelvoraApp::LockPath()
{
    // Whoever can write the lock's folder can take the name or listen in the program's place:
    // only a folder of the user's own that is closed to others will do.
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!IsPrivateFolder(folder)) {
        folder = QDir::tempPath() + QStringLiteral("/kelvora-%1").arg(::getuid());
        ::mkdir(QFile::encodeName(folder).constData(), 0700);
        if (!IsPrivateFolder(folder))
            return QString();
    }
    QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("kelvora");
    return folder + QLatin1Char('/') + name + QStringLiteral(".lock");
}

bool CKelvoraApp::TakeInstanceLock()
{
    const QString path = LockPath();
    // A lock that another user left in the user's own folder (after "sudo -E") cannot be read
    // or taken over; it is no copy of this user's and goes.
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) == 0 && st.st_uid != ::getuid())
        ::unlink(QFile::encodeName(path).constData());
    m_lock = std::make_unique<QLockFile>(path);
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
            std::fputs(qPrintable(QCoreApplication::translate(
                                      "Startup", "kelvora: %1: no such file or folder\n")
                                      .arg(QDir::toNativeSeparators(argument))),
                       stderr);
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

void CKelvoraApp::BringForward(const QString &activationToken)
{
    if (m_window->isMinimized())
        m_window->showNormal();
    m_window->raise();
    // Qt's Wayland plugin presents the window with the token found in this variable, and takes
    // it out once used; without a token a compositor keeps the window where it is.
    if (!activationToken.isEmpty())
        qputenv(kActivationToken, activationToken.toUtf8());
    m_window->activateWindow();
}

void CKelvoraApp::KeepSession(CKelvoraDlg &window)
{
    m_session = std::make_unique<SessionKeeper>(&window.media()->items(), &window);
    QObject::connect(&window, &QDialog::finished, m_session.get(), &SessionKeeper::EndSession);
    QObject::connect(m_session.get(), &SessionKeeper::LeftListRestored, window.queue(),
                     &ConversionQueue::Resume);
    // First of all once the window runs: the rows of the last list come before any others.
    QTimer::singleShot(0, &window, [this, &window] {
        m_session->OfferLeftList();
        const QStringList folders(std::begin(window.settings().folders),
                                  std::end(window.settings().folders));
        FileSystemPool()->start([folders] {
            for (const QString &folder : folders)
                RemoveDeadLeftovers(folder);
        });
    });

    // A stop signal, or the desktop session's end, closes the window as Exit does: conversions
    // end, their temporary files go and the settings are saved; but the list is kept for the next
    // start, which offers it back: the user did not choose to end.
    auto closeAsExit = [&window] {
        // A box, dialog or menu open over the window would hold the close up until answered.
        for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
            QApplication::activePopupWidget()->close();
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *progress = qobject_cast<QProgressDialog *>(top))
                progress->cancel();
            else if (auto *dialog = qobject_cast<QDialog *>(top);
                     dialog && dialog != &window && dialog->isVisible())
                dialog->reject();
        }
        window.commands().Find(QStringLiteral("exit"))->trigger();
    };
    m_stops = std::make_unique<StopSignals>();
    if (!m_stops->Install())
        std::fputs(qPrintable(QCoreApplication::translate(
                       "Startup", "kelvora: cannot catch the stop signals\n")),
                   stderr);
    // Ctrl-C in the terminal is the user's own Exit; the others come from elsewhere.
    QObject::connect(m_stops.get(), &StopSignals::Arrived, &window,
                     [this, closeAsExit](int signal) {
                         if (signal != SIGINT)
                             m_session->KeepForNextStart();
                         closeAsExit();
                     });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window, [this, closeAsExit] {
        m_session->KeepForNextStart();
        closeAsExit();
    });
}

int CKelvoraApp::Run(const QStringList &arguments)
{
    ApplyKelvoraLook();
    const QStringList paths = ResolvePaths(arguments);
    const QString lockPath = LockPath();
    const QString socketPath
        = lockPath.isEmpty() ? QString() : InstanceChannel::SocketPath(lockPath);
    if (lockPath.isEmpty()) {
        std::fputs(qPrintable(QCoreApplication::translate(
                                  "Startup",
                                  "kelvora: no private runtime folder (XDG_RUNTIME_DIR, or "
                                  "%1/kelvora-%2 of this user's, mode 700): running without "
                                  "the single-instance hand-over\n")
                                  .arg(QDir::tempPath())
                                  .arg(::getuid())),
                   stderr);
    } else if (!TakeInstanceLock()) {
        // The running copy may have taken the lock a moment ago and not be listening yet. The
        // token this copy was started with is the running window's leave to come forward.
        const QString token = qEnvironmentVariable(kActivationToken);
        qunsetenv(kActivationToken);
        if (InstanceChannel::Send(socketPath, paths, token,
                                  paths.isEmpty() ? kRaiseOnlyMs : kHandOverMs)
            && !paths.isEmpty())
            return 0;
        CurrentDialogs().Message(nullptr,
                                 QCoreApplication::translate("Window", "Kelvora Already Running!"),
                                 ApplicationName(), MessageIcon::None);
        return 0;
    }
    m_channel = std::make_unique<InstanceChannel>();
    // Without the socket the window still works; only hand-overs do not reach it.
    if (!socketPath.isEmpty() && !m_channel->Listen(socketPath))
        std::fputs(
            qPrintable(QCoreApplication::translate("Startup", "kelvora: cannot listen on %1: %2\n")
                           .arg(socketPath, m_channel->errorString())),
            stderr);

    CKelvoraDlg window;
    m_window = &window;
    (new DropTarget(window.media()))->Watch(&window);
    QObject::connect(m_channel.get(), &InstanceChannel::PathsReceived, &window,
                     [this](const QStringList &received, const QString &token) {
                         BringForward(token);
                         if (!received.isEmpty())
                             HandIn(received);
                     });
    KeepSession(window);
    if (!paths.isEmpty())
        QTimer::singleShot(0, &window, [this, paths] { HandIn(paths); });
    window.exec();
    m_channel.reset();

    m_session.reset();
    m_window = nullptr;
    return 0;
}
