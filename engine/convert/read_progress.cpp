#include "engine/convert/read_progress.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <limits>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A wrapper script is one level, a shell inside it another.
constexpr int kChildLevels = 2;

// The whole of a small /proc file; empty when it cannot be read.
QByteArray ReadSmallFile(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    QByteArray text;
    char buffer[1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || text.size() > 64 * 1024)
            break;
        text.append(buffer, n);
    }
    ::close(fd);
    return text;
}

// The value of the "pos:" line of an fdinfo file, or -1.
qint64 PositionField(const QByteArray &fdinfo)
{
    qsizetype at = 0;
    if (!fdinfo.startsWith("pos:")) {
        at = fdinfo.indexOf("\npos:");
        if (at < 0)
            return -1;
        ++at;
    }
    const char *text = fdinfo.constData() + at + 4;
    char *end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text || errno != 0 || value < 0)
        return -1;
    return value;
}

// Numbers from a whitespace-separated list such as /proc/<pid>/task/<tid>/children.
QList<qint64> Numbers(const QByteArray &text)
{
    QList<qint64> numbers;
    for (const QByteArray &word : text.simplified().split(' ')) {
        bool ok = false;
        const qint64 n = word.toLongLong(&ok);
        if (ok && n > 0)
            numbers.append(n);
    }
    return numbers;
}

QList<qint64> NumericEntries(const char *folder)
{
    QList<qint64> entries;
    DIR *dir = ::opendir(folder);
    if (!dir)
        return entries;
    while (const dirent *entry = ::readdir(dir)) {
        char *end = nullptr;
        const long long n = std::strtoll(entry->d_name, &end, 10);
        if (end != entry->d_name && *end == '\0' && n >= 0)
            entries.append(n);
    }
    ::closedir(dir);
    return entries;
}

// The parent process id from /proc/<pid>/stat, or -1. The command name in parentheses may hold
// blanks and parentheses itself, so the fields are counted from the last ')'.
qint64 ParentOf(qint64 pid)
{
    const QByteArray stat = ReadSmallFile("/proc/" + QByteArray::number(pid) + "/stat");
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = stat.mid(close + 1).simplified().split(' ');
    bool ok = false;
    const qint64 parent = fields.size() > 1 ? fields[1].toLongLong(&ok) : -1;
    return ok ? parent : -1;
}

// The children of `pid`: from the kernel's per-thread list when it has one, else by looking for
// processes whose parent is `pid`.
QList<qint64> ChildrenOf(qint64 pid)
{
    const QByteArray tasks = "/proc/" + QByteArray::number(pid) + "/task";
    const QList<qint64> threads = NumericEntries(tasks.constData());
    QList<qint64> children;
    bool listed = false;
    for (const qint64 tid : threads) {
        const QByteArray path = tasks + '/' + QByteArray::number(tid) + "/children";
        if (::access(path.constData(), R_OK) != 0)
            continue;
        listed = true;
        children += Numbers(ReadSmallFile(path));
    }
    if (listed || threads.isEmpty())
        return children;
    for (const qint64 other : NumericEntries("/proc")) {
        if (other != pid && ParentOf(other) == pid)
            children.append(other);
    }
    return children;
}

int PercentOf(qint64 offset, qint64 size)
{
    if (offset >= size)
        return 100;
    // Below the end, offset * 100 only overflows for files of many petabytes.
    if (offset <= std::numeric_limits<qint64>::max() / 100)
        return int(offset * 100 / size);
    return int(double(offset) / double(size) * 100.0);
}

} // namespace

ReadProgress::ReadProgress(qint64 pid, const QString &inputPath)
    : m_pid(pid)
    , m_childLevels(0)
    , m_inputPath(QFile::encodeName(inputPath))
{ }

ReadProgress::ReadProgress(GroupLeader leader, const QString &inputPath)
    : m_pid(leader.pid)
    , m_childLevels(kChildLevels)
    , m_inputPath(QFile::encodeName(inputPath))
{ }

int ReadProgress::Percent()
{
    const int now = Sample();
    if (now >= 0)
        m_last = std::max(m_last, now);
    return m_last;
}

int ReadProgress::Sample()
{
#ifdef __linux__
    if (m_pid <= 0 || !IdentifyInput())
        return -1;
    Position position;
    // The process found last is asked first: it keeps the file open until it is done with it.
    const bool found = (m_holder > 0 && ReadPositionIn(m_holder, position))
        || FindHolder(m_pid, m_childLevels, position);
    if (!found || position.size <= 0)
        return -1;
    return PercentOf(position.offset, position.size);
#else
    return -1;
#endif
}

bool ReadProgress::IdentifyInput()
{
    // The input's identity is taken once: the converter has it open by then, and a name that
    // later points elsewhere must not change which descriptor is followed.
    if (m_identified)
        return true;
    struct stat st;
    if (m_inputPath.isEmpty() || m_inputPath.contains('\0')
        || ::stat(m_inputPath.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    m_device = quint64(st.st_dev);
    m_inode = quint64(st.st_ino);
    m_identified = true;
    return true;
}

bool ReadProgress::ReadPositionIn(qint64 pid, Position &position) const
{
    const QByteArray base = "/proc/" + QByteArray::number(pid);
    const QList<qint64> fds = NumericEntries(QByteArray(base + "/fd").constData());
    bool found = false;
    for (const qint64 fd : fds) {
        const QByteArray number = QByteArray::number(fd);
        struct stat st;
        if (::stat(QByteArray(base + "/fd/" + number).constData(), &st) != 0
            || quint64(st.st_dev) != m_device || quint64(st.st_ino) != m_inode)
            continue;
        const qint64 offset = PositionField(ReadSmallFile(base + "/fdinfo/" + number));
        if (offset < 0)
            continue;
        // Should the file be open more than once, the descriptor that got furthest counts.
        if (!found || offset > position.offset)
            position.offset = offset;
        position.size = st.st_size;
        found = true;
    }
    return found;
}

bool ReadProgress::FindHolder(qint64 pid, int levels, Position &position)
{
    if (ReadPositionIn(pid, position)) {
        m_holder = pid;
        return true;
    }
    if (levels <= 0)
        return false;
    for (const qint64 child : ChildrenOf(pid)) {
        if (FindHolder(child, levels - 1, position))
            return true;
    }
    return false;
}
