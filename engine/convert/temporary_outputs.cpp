#include "engine/convert/temporary_outputs.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kPart = QStringLiteral(".part-");

// When process `pid` started, in seconds since the epoch; -1 when it cannot be told.
double ProcessStart(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    QFile system(QStringLiteral("/proc/stat"));
    if (!stat.open(QIODevice::ReadOnly) || !system.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // The fields after the name, which may hold blanks and parentheses itself.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const QByteArray systemText = system.readAll();
    const qsizetype bootLine = systemText.indexOf("\nbtime ");
    if (fields.size() < 20 || bootLine < 0)
        return -1;
    const qsizetype end = systemText.indexOf('\n', bootLine + 1);
    const double boot = systemText.mid(bootLine + 7, end - bootLine - 7).trimmed().toDouble();
    // The start time is the 22nd field of the whole line, in clock ticks after the boot.
    return boot + fields[19].toDouble() / double(::sysconf(_SC_CLK_TCK));
}

// True while the process that wrote the file modified at `modified` may still run: a process of
// that id exists and started before the file was last written (a later one only took the id).
bool OwnerRuns(qint64 pid, const struct stat &file)
{
    if (pid == ::getpid())
        return true;
    if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return false;
    const double start = ProcessStart(pid);
    // A second of slack: the boot time is told in whole seconds.
    return start < 0 || start <= double(file.st_mtim.tv_sec) + 1;
}

// The device and inode of every file some process has open, as far as /proc lets us see.
QSet<QPair<quint64, quint64>> OpenFiles()
{
    QSet<QPair<quint64, quint64>> open;
    DIR *processes = ::opendir("/proc");
    if (!processes)
        return open;
    while (const dirent *process = ::readdir(processes)) {
        if (process->d_name[0] < '1' || process->d_name[0] > '9')
            continue;
        const QByteArray fds = QByteArray("/proc/") + process->d_name + "/fd/";
        DIR *list = ::opendir(fds.constData());
        if (!list)
            continue; // another user's process, or one that just ended
        while (const dirent *fd = ::readdir(list)) {
            struct stat st;
            if (fd->d_name[0] != '.' && ::stat((fds + fd->d_name).constData(), &st) == 0)
                open.insert({quint64(st.st_dev), quint64(st.st_ino)});
        }
        ::closedir(list);
    }
    ::closedir(processes);
    return open;
}

} // namespace

QString TemporaryOutputName(const QString &base, const QString &extension, qint64 owner,
                            const QString &tag, int maxBytes)
{
    const QString rest = kPart + QString::number(owner) + QLatin1Char('-') + tag + extension;
    const qsizetype room = maxBytes - 1 - QFile::encodeName(rest).size();
    if (room < 0)
        return {};
    QString kept = base;
    while (QFile::encodeName(kept).size() > room) {
        kept.chop(1);
        // Never half of a surrogate pair.
        if (!kept.isEmpty() && kept.back().isHighSurrogate())
            kept.chop(1);
    }
    return QLatin1Char('.') + kept + rest;
}

qint64 TemporaryOutputOwner(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\..*\\.part-([1-9][0-9]{0,9})-[0-9a-f]{1,8}(\\.[^./]*)?$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

int MaxNameBytes(const QString &folder)
{
    const long max = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return max > 0 && max < 4096 ? int(max) : 255;
}

QStringList RemoveDeadLeftovers(const QString &folder)
{
    QStringList removed;
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        return removed;
    struct Candidate
    {
        QString path;
        struct stat st;
    };
    QList<Candidate> candidates;
    const QStringList names = QDir(folder).entryList({QStringLiteral(".*.part-*")},
                                                     QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const qint64 owner = TemporaryOutputOwner(name);
        Candidate candidate {QDir(folder).filePath(name), {}};
        // Only plain files: a link by this name may point at anybody's file.
        if (owner == 0 || ::lstat(QFile::encodeName(candidate.path).constData(), &candidate.st) != 0
            || !S_ISREG(candidate.st.st_mode) || OwnerRuns(owner, candidate.st))
            continue;
        candidates << candidate;
    }
    if (candidates.isEmpty())
        return removed;
    const QSet<QPair<quint64, quint64>> open = OpenFiles();
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (open.contains({quint64(candidate.st.st_dev), quint64(candidate.st.st_ino)}))
            continue;
        if (QFile::remove(candidate.path))
            removed << candidate.path;
    }
    return removed;
}
