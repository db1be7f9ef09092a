#include "engine/convert/temporary_outputs.h"

#include "engine/platform/file_stamp.h"
#include "engine/platform/proc_reader.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace {

const QString kPart = QStringLiteral(".part-");

// True while the process that wrote the file `file` may still run: a process of that id exists
// and started before the file was last written (a later one only took the id).
bool OwnerRuns(qint64 pid, const FileStamp &file)
{
    if (pid == ::getpid())
        return true;
    if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return false;
    const double start = ProcessStartTime(pid);
    // A second of slack: the boot time is told in whole seconds.
    return start < 0 || start <= double(file.modifiedNs / 1000000000) + 1;
}

// The device and inode of every plain file some process has open, as far as /proc lets us see.
QSet<QPair<quint64, quint64>> OpenFiles()
{
    QSet<QPair<quint64, quint64>> open;
    for (const qint64 process : RunningProcesses()) {
        for (const int fd : OpenDescriptors(process)) {
            const FileStamp file = DescriptorFile(process, fd);
            if (!file.isEmpty())
                open.insert({file.device, file.inode});
        }
    }
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
        FileStamp file;
    };
    QList<Candidate> candidates;
    const QStringList names = QDir(folder).entryList({QStringLiteral(".*.part-*")},
                                                     QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const qint64 owner = TemporaryOutputOwner(name);
        if (owner == 0)
            continue;
        const QString path = QDir(folder).filePath(name);
        // Only plain files: a link by this name may point at anybody's file.
        const Candidate candidate {path, FileStamp::OfPlainFile(path, false)};
        if (candidate.file.isEmpty() || OwnerRuns(owner, candidate.file))
            continue;
        candidates << candidate;
    }
    if (candidates.isEmpty())
        return removed;
    const QSet<QPair<quint64, quint64>> open = OpenFiles();
    for (const Candidate &candidate : std::as_const(candidates)) {
        if (open.contains({candidate.file.device, candidate.file.inode}))
            continue;
        if (QFile::remove(candidate.path))
            removed << candidate.path;
    }
    return removed;
}
