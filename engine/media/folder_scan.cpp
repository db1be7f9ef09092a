// Finds the media files of a folder, and says what it left out and why.
#include "engine/media/folder_scan.h"

#include "engine/media/file_names.h"
#include "engine/media/media_extensions.h"

#include <QCoreApplication>
#include <QFile>
#include <QPair>
#include <QSet>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A message box taller than a few lines per reason would run off the screen.
constexpr int kNamesShown = 3;

struct Entry
{
    enum Kind { Media, Other, Unreadable, Undecodable, Folder, LinkedFolder };
    QString name;
    Kind kind;
};

class Scanner
{
public:
    Scanner(bool subFolders, const ListedCheck &listed)
        : m_subFolders(subFolders)
        , m_listed(listed)
    { }

    FolderScan result;

    // Scans `path` (ending with "/"); `relative` is its name under the scanned folder.
    void Scan(const QString &path, const QString &relative)
    {
        const QByteArray raw = QFile::encodeName(path);
        const int fd = ::open(raw.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat self
        { };
        if (fd < 0 || ::fstat(fd, &self) != 0) {
            if (fd >= 0)
                ::close(fd);
            result.leftOut.unreadable << (relative.isEmpty() ? path : relative);
            return;
        }
        // A folder reached twice (the scanned one below itself through a bind mount) would go
        // round forever.
        if (m_entered.contains(qMakePair(quint64(self.st_dev), quint64(self.st_ino)))) {
            ::close(fd);
            return;
        }
        m_entered.insert(qMakePair(quint64(self.st_dev), quint64(self.st_ino)));
        DIR *dir = ::fdopendir(fd);
        if (!dir) {
            ::close(fd);
            result.leftOut.unreadable << (relative.isEmpty() ? path : relative);
            return;
        }
        std::vector<Entry> files;
        std::vector<Entry> folders;
        while (const dirent *entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name.startsWith('.'))
                continue;
            struct stat info
            { };
            // Follows links: a link to a media file is that file. A dangling one cannot be read.
            const bool known = ::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0;
            if (known && S_ISDIR(info.st_mode)) {
                if (!m_subFolders)
                    continue;
                struct stat link
                { };
                // As find does: the tree is what lies below the folder, not what links point at.
                if (::fstatat(::dirfd(dir), entry->d_name, &link, AT_SYMLINK_NOFOLLOW) != 0
                    || S_ISLNK(link.st_mode)) {
                    files.push_back(
                        {(IsValidUtf8(name) ? QFile::decodeName(name) : EscapedFileName(name))
                             + QLatin1Char('/'),
                         Entry::LinkedFolder});
                    continue;
                }
                if (!IsValidUtf8(name))
                    files.push_back({EscapedFileName(name) + QLatin1Char('/'), Entry::Undecodable});
                else
                    folders.push_back({QFile::decodeName(name), Entry::Folder});
                continue;
            }
            const QString decoded = QFile::decodeName(name);
            if (!HasMediaExtension(decoded)) {
                files.push_back(
                    {IsValidUtf8(name) ? decoded : EscapedFileName(name), Entry::Other});
                continue;
            }
            if (!IsValidUtf8(name)) {
                files.push_back({EscapedFileName(name), Entry::Undecodable});
                continue;
            }
            // Never opened here: a FIFO would wait for a writer, a device never end.
            const bool readable = known && S_ISREG(info.st_mode)
                && ::faccessat(::dirfd(dir), entry->d_name, R_OK, 0) == 0;
            files.push_back({decoded, readable ? Entry::Media : Entry::Unreadable});
        }
        ::closedir(dir);

        const auto byName = [](const Entry &a, const Entry &b) {
            return a.name < b.name;
        };
        std::sort(files.begin(), files.end(), byName);
        std::sort(folders.begin(), folders.end(), byName);
        for (const Entry &file : files) {
            if (file.kind == Entry::Unreadable) {
                result.leftOut.unreadable << relative + file.name;
            } else if (file.kind == Entry::Undecodable) {
                result.leftOut.undecodable << relative + file.name;
            } else if (file.kind == Entry::LinkedFolder) {
                result.leftOut.linkedFolders << relative + file.name;
            } else if (file.kind == Entry::Other) {
                result.leftOut.otherExtensions << relative + file.name;
            } else if (m_listed && m_listed(path, file.name)) {
                result.leftOut.listed << relative + file.name;
            } else {
                result.paths << path + file.name;
            }
        }
        for (const Entry &folder : folders)
            Scan(path + folder.name + QLatin1Char('/'), relative + folder.name + QLatin1Char('/'));
    }

private:
    bool m_subFolders;
    const ListedCheck &m_listed;
    QSet<QPair<quint64, quint64>> m_entered;
};

// `one` and `many` are marked for translation in the "Adding" context; `many` counts with %n.
QString ReasonLine(const QStringList &names, const char *one, const char *many)
{
    const int count = int(names.size());
    const QString shown = names.mid(0, kNamesShown).join(QStringLiteral(", "));
    const QString what = count == 1 ? QCoreApplication::translate("Adding", one)
                                    : QCoreApplication::translate("Adding", many, nullptr, count);
    if (count <= kNamesShown)
        return QCoreApplication::translate("Adding", "%1: %2").arg(what, shown);
    return QCoreApplication::translate("Adding", "%1: %2 and %n more", nullptr, count - kNamesShown)
        .arg(what, shown);
}

} // namespace

FolderScan ScanFolder(const QString &folder, bool subFolders, const ListedCheck &listed)
{
    Scanner scanner(subFolders, listed);
    scanner.Scan(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'), QString());
    // A camera's card keeps its clips in folders below: a scan that found none at the top says
    // how many lie there rather than only "0 media files added!".
    if (!subFolders && scanner.result.paths.isEmpty() && scanner.result.leftOut.listed.isEmpty())
        scanner.result.leftOut.inSubFolders = int(ScanFolder(folder, true).paths.size());
    return scanner.result;
}

QStringList LeftOutLines(const LeftOut &leftOut)
{
    QStringList lines;
    if (!leftOut.otherExtensions.isEmpty())
        lines << ReasonLine(leftOut.otherExtensions,
                            QT_TRANSLATE_NOOP("Adding", "1 file with another extension"),
                            QT_TRANSLATE_N_NOOP("Adding", "%n files with other extensions"));
    if (!leftOut.listed.isEmpty())
        lines << ReasonLine(leftOut.listed, QT_TRANSLATE_NOOP("Adding", "1 file already listed"),
                            QT_TRANSLATE_N_NOOP("Adding", "%n files already listed"));
    if (!leftOut.undecodable.isEmpty())
        lines << ReasonLine(leftOut.undecodable,
                            QT_TRANSLATE_NOOP("Adding", "1 name that is not valid UTF-8"),
                            QT_TRANSLATE_N_NOOP("Adding", "%n names that are not valid UTF-8"));
    if (!leftOut.unreadable.isEmpty())
        lines << ReasonLine(
            leftOut.unreadable, QT_TRANSLATE_NOOP("Adding", "1 file or folder that cannot be read"),
            QT_TRANSLATE_N_NOOP("Adding", "%n files or folders that cannot be read"));
    if (!leftOut.linkedFolders.isEmpty())
        lines << ReasonLine(leftOut.linkedFolders,
                            QT_TRANSLATE_NOOP("Adding", "1 link to a folder not followed"),
                            QT_TRANSLATE_N_NOOP("Adding", "%n links to folders not followed"));
    return lines;
}

QString FolderAddedMessage(int added, const LeftOut &leftOut)
{
    const QString count
        = QCoreApplication::translate("Adding", "%n media files added!", nullptr, added);
    QStringList lines = LeftOutLines(leftOut);
    const int below = leftOut.inSubFolders;
    if (below > 0)
        lines << (below == 1
                      ? QCoreApplication::translate(
                          "Adding", "1 media file in a sub folder: tick Include sub folders")
                      : QCoreApplication::translate(
                          "Adding", "%n media files in sub folders: tick Include sub folders",
                          nullptr, below));
    return lines.isEmpty() ? count : count + QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'));
}

QString NotAddedMessage(const QStringList &items)
{
    const QString names = items.join(QStringLiteral(", "));
    return items.size() == 1
        ? QCoreApplication::translate("Adding", "1 item was not added: %1").arg(names)
        : QCoreApplication::translate("Adding", "%n items were not added: %1", nullptr,
                                      int(items.size()))
              .arg(names);
}
