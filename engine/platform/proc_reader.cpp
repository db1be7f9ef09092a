// Reads the kernel's /proc files about processes, their descriptors and their start.
#include "engine/platform/proc_reader.h"

#include <QByteArray>

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The whole of a small /proc file; empty when it cannot be read.
QByteArray ReadProcFile(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QByteArray();
    QByteArray text;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        // The files are small; a bound all the same, as a read never ends on some of them.
        if (n <= 0 || text.size() > 1024 * 1024)
            break;
        text.append(buffer, n);
    }
    ::close(fd);
    return text;
}

QByteArray ProcessFolder(qint64 pid)
{
    return "/proc/" + QByteArray::number(pid);
}

// The entries of `folder` whose names are numbers: processes, threads or descriptors.
QList<qint64> NumericEntries(const QByteArray &folder)
{
    QList<qint64> entries;
    DIR *dir = ::opendir(folder.constData());
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

// The fields of /proc/<pid>/stat after the command name, from the state (the third field) on.
// The name in parentheses may hold blanks and parentheses itself, so the fields are counted from
// the last ')'.
QList<QByteArray> StatFields(qint64 pid)
{
    const QByteArray stat = ReadProcFile(ProcessFolder(pid) + "/stat");
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return {};
    return stat.mid(close + 1).simplified().split(' ');
}

// When the system booted, in seconds since the epoch; -1 when it cannot be told.
double BootTime()
{
    const QByteArray text = ReadProcFile("/proc/stat");
    const qsizetype line = text.indexOf("\nbtime ");
    if (line < 0)
        return -1;
    const qsizetype end = text.indexOf('\n', line + 1);
    bool ok = false;
    const double boot = text.mid(line + 7, end - line - 7).trimmed().toDouble(&ok);
    return ok ? boot : -1;
}

} // namespace

QList<qint64> RunningProcesses()
{
    return NumericEntries("/proc");
}

qint64 ParentProcess(qint64 pid)
{
    const QList<QByteArray> fields = StatFields(pid);
    bool ok = false;
    const qint64 parent = fields.size() > 1 ? fields[1].toLongLong(&ok) : -1;
    return ok ? parent : -1;
}

double ProcessStartTime(qint64 pid)
{
    const QList<QByteArray> fields = StatFields(pid);
    // The start time is the 22nd field of the whole line, in clock ticks after the boot.
    bool ok = false;
    const double ticks = fields.size() > 19 ? fields[19].toDouble(&ok) : -1;
    const double boot = ok ? BootTime() : -1;
    if (boot < 0)
        return -1;
    return boot + ticks / double(::sysconf(_SC_CLK_TCK));
}

QList<qint64> ChildProcesses(qint64 pid)
{
    const QByteArray tasks = ProcessFolder(pid) + "/task";
    const QList<qint64> threads = NumericEntries(tasks);
    QList<qint64> children;
    bool listed = false;
    for (const qint64 tid : threads) {
        const QByteArray path = tasks + '/' + QByteArray::number(tid) + "/children";
        if (::access(path.constData(), R_OK) != 0)
            continue;
        listed = true;
        children += Numbers(ReadProcFile(path));
    }
    if (listed || threads.isEmpty())
        return children;
    for (const qint64 other : RunningProcesses()) {
        if (other != pid && ParentProcess(other) == pid)
            children.append(other);
    }
    return children;
}

QList<int> OpenDescriptors(qint64 pid)
{
    QList<int> descriptors;
    for (const qint64 fd : NumericEntries(ProcessFolder(pid) + "/fd"))
        descriptors.append(static_cast<int>(fd));
    return descriptors;
}

FileStamp DescriptorFile(qint64 pid, int fd)
{
    return FileStamp::OfPlainFile(
        QString::fromLatin1(ProcessFolder(pid) + "/fd/" + QByteArray::number(fd)), true);
}

int DescriptorFlags(qint64 pid, int fd)
{
    const QByteArray fdinfo
        = ReadProcFile(ProcessFolder(pid) + "/fdinfo/" + QByteArray::number(fd));
    const qsizetype at = fdinfo.indexOf("flags:");
    if (at < 0)
        return -1;
    char *end = nullptr;
    const long value = std::strtol(fdinfo.constData() + at + 6, &end, 8);
    return end == fdinfo.constData() + at + 6 ? -1 : int(value);
}

qint64 DescriptorPosition(qint64 pid, int fd)
{
    const QByteArray fdinfo
        = ReadProcFile(ProcessFolder(pid) + "/fdinfo/" + QByteArray::number(fd));
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
