#pragma once

#include <QString>
#include <QtGlobal>

// What tells one file from another under the same name: a file written earlier is still that
// file only while its device, inode, size and modification time are all unchanged. The device and
// inode alone say which file a name or a descriptor leads to, whatever its name.
struct FileStamp
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0;

    // The stamp of the file at `path` now (not following a final symbolic link); an empty stamp
    // when there is none.
    static FileStamp Of(const QString &path);
    // The stamp of the file `path` leads to, following symbolic links; an empty stamp when there
    // is none.
    static FileStamp OfTarget(const QString &path);
    // The stamp of the plain file at `path`; an empty stamp when there is none or `path` names
    // anything else: a folder, a device, a pipe, a socket, or a symbolic link itself unless
    // `followLinks`.
    static FileStamp OfPlainFile(const QString &path, bool followLinks);

    bool isEmpty() const { return inode == 0 && size < 0; }
    // True when both stamps are of one and the same file, written since or not.
    bool IsSameFile(const FileStamp &other) const
    {
        return !isEmpty() && device == other.device && inode == other.inode;
    }
    bool operator==(const FileStamp &other) const
    {
        return device == other.device && inode == other.inode && size == other.size
            && modifiedNs == other.modifiedNs;
    }
    bool operator!=(const FileStamp &other) const { return !(*this == other); }
};
