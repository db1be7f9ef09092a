#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>

#include <memory>

class CKelvoraDlg;
class InstanceChannel;
class SessionKeeper;
class StopSignals;

// The application: makes sure that one copy runs at a time, then runs the main window until it
// closes. Files and folders named on the command line are added once the window is open; a
// second copy started with some hands them to the running copy instead.
class CKelvoraApp
{
public:
    CKelvoraApp();
    ~CKelvoraApp();

    // The lock that keeps the name taken, named after the program, in a folder of the user's
    // own that others cannot enter: $XDG_RUNTIME_DIR, else a "kelvora-<uid>" folder in the
    // temporary folder (made with mode 700). Empty when neither is such a folder.
    static QString LockPath();

    // Takes the single-instance lock; false when another copy holds it. A lock left behind by a
    // copy that died, or by another user, does not count.
    bool TakeInstanceLock();

    // `arguments` (the program's name left out) made absolute against the current folder; names
    // that do not exist are left out with a word on standard error.
    static QStringList ResolvePaths(const QStringList &arguments);

    // The whole program: the lock, then either the main window run modally (with `arguments`
    // added once it is open), or for a second copy the hand-over of `arguments` and of its
    // activation token to the running one, which comes forward; "Kelvora Already Running!" when
    // there is nothing to hand over or the running copy does not answer. Returns the exit code.
    int Run(const QStringList &arguments = QStringList());

private:
    // Adds `paths` to the window's list the way a drop does, after the adds asked for before.
    void HandIn(const QStringList &paths);
    // Restores, raises and activates the window, presenting `activationToken` to the desktop.
    void BringForward(const QString &activationToken);
    // Keeps the window's list in the session file and offers a left one back; closes the window
    // as Exit does on SIGTERM, SIGHUP, SIGINT and at the desktop session's end.
    void KeepSession(CKelvoraDlg &window);

    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<InstanceChannel> m_channel;
    std::unique_ptr<SessionKeeper> m_session;
    std::unique_ptr<StopSignals> m_stops;
    CKelvoraDlg *m_window = nullptr;
};
