// Reads the identity of files from the file system.
#include "engine/platform/file_stamp.h"

#include <QFile>

#include <sys/stat.h>

namespace {

FileStamp Read(const QString &path, bool followLinks, bool plainOnly)
{
    FileStamp stamp;
    struct stat st;
    if (path.isEmpty())
        return stamp;
    const QByteArray native = QFile::encodeName(path);
    // A name with a NUL in it would stand for a shorter one.
    if (native.contains('\0')
        || (followLinks ? ::stat(native.constData(), &st) : ::lstat(native.constData(), &st)) != 0
        || (plainOnly && !S_ISREG(st.st_mode)))
        return stamp;
    stamp.device = static_cast<quint64>(st.st_dev);
    stamp.inode = static_cast<quint64>(st.st_ino);
    stamp.size = static_cast<qint64>(st.st_size);
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

} // namespace

FileStamp FileStamp::Of(const QString &path)
{
    return Read(path, false, false);
}

FileStamp FileStamp::OfTarget(const QString &path)
{
    return Read(path, true, false);
}

FileStamp FileStamp::OfPlainFile(const QString &path, bool followLinks)
{
    return Read(path, followLinks, true);
}
