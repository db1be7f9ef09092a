// Tells which media files arrive in watched folders, from the kernel's file notifications.
#include "engine/media/folder_watch.h"

#include "engine/media/media_extensions.h"
#include "engine/platform/proc_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

// What a watched folder reports: files written and closed, moved in or out, changed or removed,
// folders made, and the folder itself going away or changing its permissions.
constexpr uint32_t kEvents = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_MODIFY | IN_CREATE
    | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF | IN_ATTRIB | IN_ONLYDIR;

QString ErrorText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// Qt decodes a name that is not valid UTF-8 with replacement characters: such a name names no
// file.
bool Takeable(const QString &name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.'))
        && !name.contains(QChar::ReplacementCharacter);
}

// The device and inode of every plain file some process has open for writing, as far as /proc
// lets us see.
QSet<QPair<quint64, quint64>> FilesBeingWritten()
{
    QSet<QPair<quint64, quint64>> files;
    for (const qint64 process : RunningProcesses()) {
        for (const int fd : OpenDescriptors(process)) {
            const int flags = DescriptorFlags(process, fd);
            if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY)
                continue;
            const FileStamp file = DescriptorFile(process, fd);
            if (!file.isEmpty())
                files.insert({file.device, file.inode});
        }
    }
    return files;
}

} // namespace

FolderWatch::FolderWatch(QObject *parent)
    : QObject(parent)
    , m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    if (m_fd >= 0) {
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        connect(m_notifier.get(), &QSocketNotifier::activated, this, &FolderWatch::OnEvents);
    }
    m_check.setSingleShot(true);
    connect(&m_check, &QTimer::timeout, this, &FolderWatch::CheckDue);
    m_lookAgain.setInterval(kLookAgainMs);
    connect(&m_lookAgain, &QTimer::timeout, this, &FolderWatch::LookAgain);
}

FolderWatch::~FolderWatch()
{
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

void FolderWatch::Watch(const QString &folder, bool subFolders, bool existing)
{
    const QString root = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    if (m_roots.contains(root)) {
        m_roots[root].subFolders = subFolders;
        return;
    }
    m_roots.insert(root, Root {subFolders, false, QString()});
    m_order << root;
    QString problem;
    if (Enter(root, root, existing, &problem)) {
        m_roots[root].present = true;
        Q_EMIT FolderChanged(root, QString());
        return;
    }
    m_roots[root].problem = problem;
    Q_EMIT FolderChanged(root, problem);
    m_lookAgain.start();
}

void FolderWatch::Unwatch(const QString &folder)
{
    const QString root = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    if (!m_roots.contains(root))
        return;
    Forget(root, root);
    m_roots.remove(root);
    m_order.removeAll(root);
}

bool FolderWatch::IsPresent(const QString &folder) const
{
    const QString root = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return m_roots.value(root).present;
}

bool FolderWatch::IsSubFolders(const QString &folder) const
{
    const QString root = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return m_roots.value(root).subFolders;
}

bool FolderWatch::Enter(const QString &root, const QString &folder, bool existing, QString *problem)
{
    if (m_fd < 0) {
        *problem = ErrorText(EMFILE);
        return false;
    }
    const int wd = ::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), kEvents);
    if (wd < 0) {
        *problem = ErrorText(errno);
        return false;
    }
    // The same folder reached again (a bind mount of a folder below itself) is watched once.
    if (m_watched.contains(wd))
        return true;
    m_watched.insert(wd, Watched {root, folder});
    const bool subFolders = m_roots.value(root).subFolders;
    const QFileInfoList entries
        = QDir(folder).entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (!Takeable(entry.fileName()))
            continue;
        const QString path = folder + entry.fileName();
        // As the folder scan does: the tree is what lies below the folder, not what links point
        // at.
        if (entry.isDir()) {
            QString ignored;
            if (subFolders && !entry.isSymLink())
                Enter(root, path + QLatin1Char('/'), existing, &ignored);
        } else if (existing && entry.isFile()) {
            Offer(root, path, true);
        }
    }
    return true;
}

void FolderWatch::OnEvents()
{
    alignas(inotify_event) char buffer[16 * (sizeof(inotify_event) + NAME_MAX + 1)];
    for (;;) {
        const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
        if (length <= 0)
            break;
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) {
                // Events were lost: every folder is read again; the files known already are
                // told again and left out by whoever listens.
                const QStringList roots = m_order;
                for (const QString &root : roots) {
                    if (m_roots.value(root).present) {
                        Forget(root, root);
                        QString problem;
                        if (!Enter(root, root, true, &problem))
                            Lose(root, problem);
                    }
                }
                continue;
            }
            const auto found = m_watched.constFind(event->wd);
            if (found == m_watched.constEnd())
                continue;
            const Watched watched = found.value();
            if (event->len == 0) {
                // The folder itself: gone, moved away, or maybe no longer readable.
                if (event->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) {
                    if (watched.folder == watched.root)
                        Lose(watched.root, ErrorText(ENOENT));
                    else
                        Forget(watched.root, watched.folder);
                } else if ((event->mask & IN_ATTRIB) && watched.folder == watched.root
                           && ::access(QFile::encodeName(watched.root).constData(), R_OK | X_OK)
                               != 0) {
                    Lose(watched.root, ErrorText(errno));
                }
                continue;
            }
            const QString name = QFile::decodeName(event->name);
            if (!Takeable(name))
                continue;
            const QString path = watched.folder + name;
            if (event->mask & IN_ISDIR) {
                if ((event->mask & (IN_CREATE | IN_MOVED_TO))
                    && m_roots.value(watched.root).subFolders) {
                    // Files may have been written into it before it was watched.
                    QString ignored;
                    Enter(watched.root, path + QLatin1Char('/'), true, &ignored);
                } else if (event->mask & IN_MOVED_FROM) {
                    Forget(watched.root, path + QLatin1Char('/'));
                }
            } else if (event->mask & (IN_CLOSE_WRITE | IN_MOVED_TO)) {
                Offer(watched.root, path, true);
            } else if (event->mask & IN_MODIFY) {
                // Written again: it waits for the next close.
                if (m_candidates.contains(path))
                    m_candidates[path].closed = false;
            } else if (event->mask & (IN_DELETE | IN_MOVED_FROM)) {
                m_candidates.remove(path);
            }
        }
    }
    ScheduleCheck();
}

void FolderWatch::Offer(const QString &root, const QString &path, bool closed)
{
    if (!HasMediaExtension(path))
        return;
    Candidate &candidate = m_candidates[path];
    candidate.root = root;
    candidate.closed = closed;
    candidate.size = QFileInfo(path).size();
    candidate.due = QDeadlineTimer(kSteadyMs);
    ScheduleCheck();
}

void FolderWatch::CheckDue()
{
    QList<QPair<QString, QString>> arrived;
    // A file closed by one of its writers may still be written by another (a shell that opened
    // it for a program, a copy that reopens it): read once, when a file is due.
    std::optional<QSet<QPair<quint64, quint64>>> written;
    for (auto it = m_candidates.begin(); it != m_candidates.end();) {
        Candidate &candidate = it.value();
        if (!candidate.closed || !candidate.due.hasExpired()) {
            ++it;
            continue;
        }
        const QFileInfo info(it.key());
        if (!info.isFile()) {
            it = m_candidates.erase(it);
            continue;
        }
        // Still growing, or nothing written yet: it is looked at again a while later.
        if (info.size() != candidate.size || info.size() == 0) {
            candidate.size = info.size();
            candidate.due = QDeadlineTimer(kSteadyMs);
            ++it;
            continue;
        }
        if (!written)
            written = FilesBeingWritten();
        const FileStamp stamp = FileStamp::OfPlainFile(it.key(), true);
        if (written->contains({stamp.device, stamp.inode})) {
            candidate.due = QDeadlineTimer(kSteadyMs);
            ++it;
            continue;
        }
        arrived << qMakePair(candidate.root, it.key());
        it = m_candidates.erase(it);
    }
    ScheduleCheck();
    for (const auto &[root, path] : std::as_const(arrived))
        Q_EMIT Arrived(root, path);
}

void FolderWatch::ScheduleCheck()
{
    qint64 soonest = -1;
    for (const Candidate &candidate : std::as_const(m_candidates)) {
        if (!candidate.closed)
            continue;
        const qint64 left = candidate.due.remainingTime();
        if (soonest < 0 || left < soonest)
            soonest = left;
    }
    if (soonest < 0)
        m_check.stop();
    else
        m_check.start(int(soonest));
}

void FolderWatch::LookAgain()
{
    bool missing = false;
    // A copy: whoever hears of a folder's return may stop watching another.
    const QStringList roots = m_order;
    for (const QString &root : roots) {
        if (!m_roots.contains(root) || m_roots[root].present)
            continue;
        QString problem;
        if (Enter(root, root, true, &problem)) {
            m_roots[root].present = true;
            m_roots[root].problem.clear();
            Q_EMIT FolderChanged(root, QString());
        } else {
            missing = true;
        }
    }
    if (!missing)
        m_lookAgain.stop();
}

void FolderWatch::Lose(const QString &root, const QString &problem)
{
    if (!m_roots.contains(root) || !m_roots[root].present)
        return;
    Forget(root, root);
    m_roots[root].present = false;
    m_roots[root].problem = problem;
    Q_EMIT FolderChanged(root, problem);
    m_lookAgain.start();
}

void FolderWatch::Forget(const QString &root, const QString &folder)
{
    for (auto it = m_watched.begin(); it != m_watched.end();) {
        if (it.value().root == root && it.value().folder.startsWith(folder)) {
            ::inotify_rm_watch(m_fd, it.key());
            it = m_watched.erase(it);
        } else {
            ++it;
        }
    }
    for (auto it = m_candidates.begin(); it != m_candidates.end();) {
        if (it.value().root == root && it.key().startsWith(folder))
            it = m_candidates.erase(it);
        else
            ++it;
    }
}
