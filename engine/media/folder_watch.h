#pragma once

#include <QDeadlineTimer>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

class QSocketNotifier;

// Watches folders for media files that arrive, through the kernel's file notifications
// (inotify), never by listing the folders again and again. A file arrives once it is complete:
// written and closed, or moved in, not empty, its size unchanged for kSteadyMs after that, and
// no process (that /proc shows) holding it open for writing any more.
// Hidden files and folders (names that start with "."), files without a media extension
// (HasMediaExtension: "song.mp3.part", "clip.crdownload") and names that are not valid UTF-8 are
// never taken; a symbolic link to a folder is not followed. A watched folder that vanishes or
// cannot be read is told (FolderChanged) and watched again once it is back: then the files in it
// are taken as if they had just arrived. Widget-free; for the thread that owns it.
class FolderWatch final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FolderWatch)

public:
    explicit FolderWatch(QObject *parent = nullptr);
    ~FolderWatch() override;

    // Watches `folder` (an absolute path), with every folder below it when `subFolders`. With
    // `existing`, the media files already there arrive too (after kSteadyMs, as any other).
    // Watching a folder again only changes its choices for files that arrive from then on.
    void Watch(const QString &folder, bool subFolders, bool existing);
    // Stops watching `folder`; its files on the way are dropped.
    void Unwatch(const QString &folder);
    // The watched folders, each ending with "/", in the order they were first watched.
    QStringList folders() const { return m_order; }
    // Whether `folder` is watched now (false while it is gone or cannot be read).
    bool IsPresent(const QString &folder) const;
    // Whether `folder` is watched with its sub folders.
    bool IsSubFolders(const QString &folder) const;

    static constexpr int kSteadyMs = 2000;
    // How often a folder that is gone is looked for.
    static constexpr int kLookAgainMs = 2000;

Q_SIGNALS:
    // The complete file `path` arrived under the watched folder `folder` (ending with "/").
    void Arrived(const QString &folder, const QString &path);
    // The watched folder `folder` is gone or cannot be read (`problem` says why), or is watched
    // again (`problem` empty).
    void FolderChanged(const QString &folder, const QString &problem);

private:
    struct Root
    {
        bool subFolders = false;
        bool present = false;
        QString problem;
    };
    struct Watched
    {
        QString root;
        QString folder;
    };
    struct Candidate
    {
        QString root;
        qint64 size = -1;
        bool closed = false; // written and closed, or moved in, since it last changed
        QDeadlineTimer due;
    };

    // Watches `folder` (ending with "/") below `root`, and with `existing` takes its files; then
    // the same for its sub folders when the root takes them. False when `folder` itself cannot
    // be watched, with the reason in `problem`.
    bool Enter(const QString &root, const QString &folder, bool existing, QString *problem);
    void OnEvents();
    void Offer(const QString &root, const QString &path, bool closed);
    void CheckDue();
    void ScheduleCheck();
    void LookAgain();
    void Lose(const QString &root, const QString &problem);
    // Stops watching every folder of `root`'s tree at and below `folder`, and drops their files
    // on the way.
    void Forget(const QString &root, const QString &folder);

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QHash<QString, Root> m_roots;
    QStringList m_order;
    QHash<int, Watched> m_watched; // by watch descriptor
    QHash<QString, Candidate> m_candidates; // by path
    QTimer m_check;
    QTimer m_lookAgain;
};
