// Makes, places and cleans up the hidden files that conversions write into.
#include "engine/convert/temporary_outputs.h"

#include "engine/convert/presets.h"
#include "engine/media/file_names.h"
#include "engine/platform/file_stamp.h"
#include "engine/platform/proc_reader.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kPart = QStringLiteral(".part-");

QString ErrnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

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

QString MachineTag()
{
    static const QString tag = [] {
        for (const char *path : {"/proc/sys/kernel/random/boot_id", "/etc/machine-id"}) {
            QFile file {QLatin1String(path)};
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray id = file.read(64).trimmed().replace('-', QByteArray()).toLower();
            if (id.size() >= 8)
                return QString::fromLatin1(id.left(8));
        }
        // Neither: a tag no other system is likely to share, for as long as this copy runs.
        return QString::number(QRandomGenerator::system()->generate() | 0x10000000u, 16);
    }();
    return tag;
}

QString TemporaryOutputName(const QString &base, const QString &extension, qint64 owner,
                            const QString &tag, int maxBytes)
{
    const QString rest = kPart + QString::number(owner) + QLatin1Char('-') + MachineTag()
        + QLatin1Char('-') + tag + extension;
    const qsizetype room = maxBytes - 1 - QFile::encodeName(rest).size();
    if (room < 0)
        return {};
    return QLatin1Char('.') + ShortenToBytes(base, room) + rest;
}

qint64 TemporaryOutputOwner(const QString &fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\..*\\.part-([1-9][0-9]{0,9})-([0-9a-f]{8})-[0-9a-f]{1,6}(\\.[^./]+)$"));
    static const QSet<QString> extensions = [] {
        QSet<QString> written;
        for (const Preset &preset : AllPresets())
            written.insert(QLatin1String(preset.extension));
        return written;
    }();
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch() || match.captured(2) != MachineTag()
        || !extensions.contains(match.captured(3)))
        return 0;
    return match.captured(1).toLongLong();
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
    const qint64 now = QDateTime::currentMSecsSinceEpoch() * 1000000;
    const QStringList names = QDir(folder).entryList({QStringLiteral(".*.part-*")},
                                                     QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const qint64 owner = TemporaryOutputOwner(name);
        if (owner == 0)
            continue;
        const QString path = QDir(folder).filePath(name);
        // Only plain files: a link by this name may point at anybody's file.
        const Candidate candidate {path, FileStamp::OfPlainFile(path, false)};
        // A writer that is not seen to run (on a file system shared in ways /proc cannot see)
        // still touches its file: a file written lately is somebody's work in progress.
        if (candidate.file.isEmpty() || OwnerRuns(owner, candidate.file)
            || now - candidate.file.modifiedNs < qint64(kLeftoverQuietSeconds) * 1000000000)
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

QString CreateTemporaryOutput(const QString &folder, const QString &baseName,
                              const QString &extension, QString *error)
{
    // The output's own name must fit; the temporary one is made to fit by shortening its base.
    const int maxBytes = MaxNameBytes(folder);
    if (QFile::encodeName(baseName + extension).size() > maxBytes) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(folder + baseName + extension,
                                                  ErrnoText(ENAMETOOLONG));
        return QString();
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString suffix
            = QString::number(QRandomGenerator::global()->generate() & 0xffffff, 16);
        const QString path
            = folder + TemporaryOutputName(baseName, extension, ::getpid(), suffix, maxBytes);
        const int fd = ::open(QFile::encodeName(path).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST) {
            if (error)
                *error = QStringLiteral("%1: %2").arg(folder, ErrnoText(errno));
            return QString();
        }
    }
    if (error)
        *error = QCoreApplication::translate("Reasons", "%1: no free temporary name").arg(folder);
    return QString();
}

bool RenameNoReplace(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE)
        == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without the flag: a hard link fails as well when the target exists.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return true;
    }
    if (errno == EEXIST)
        return false;
    return RenameOverPlaceholder(from, to);
}

bool RenameOverPlaceholder(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    const int fd = ::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    if (::rename(source.constData(), target.constData()) == 0)
        return true;
    const int error = errno;
    ::unlink(target.constData());
    errno = error;
    return false;
}

bool MakeFolders(const QString &folder, QString *reason)
{
    const QStringList parts = QDir::cleanPath(folder).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path;
    for (const QString &part : parts) {
        path += QLatin1Char('/') + part;
        const QByteArray raw = QFile::encodeName(path);
        if (::mkdir(raw.constData(), 0777) == 0)
            continue;
        int code = errno;
        struct stat st
        { };
        // Taken already: fine when it is a folder (or a link to one), a file in the way is not.
        if (code == EEXIST) {
            if (::stat(raw.constData(), &st) == 0 && S_ISDIR(st.st_mode))
                continue;
            code = ENOTDIR;
        }
        *reason = QCoreApplication::translate("Reasons", "%1: the folder cannot be made: %2")
                      .arg(path, QString::fromLocal8Bit(std::strerror(code)));
        return false;
    }
    return true;
}
