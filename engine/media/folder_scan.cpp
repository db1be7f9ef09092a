#include "engine/media/folder_scan.h"

#include "engine/media/file_names.h"
#include "engine/media/media_extensions.h"

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
    enum Kind { Media, Other, Unreadable, Undecodable, Folder };
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
        // A link back to a folder scanned already would go round forever.
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

QString ReasonLine(const QStringList &names, const char *one, const char *many)
{
    QString line = names.size() == 1 ? QString::fromLatin1(one)
                                     : QString::fromLatin1(many).arg(names.size());
    line += QStringLiteral(": ") + names.mid(0, kNamesShown).join(QStringLiteral(", "));
    if (names.size() > kNamesShown)
        line += QStringLiteral(" and %1 more").arg(names.size() - kNamesShown);
    return line;
}

} // namespace

FolderScan ScanFolder(const QString &folder, bool subFolders, const ListedCheck &listed)
{
    Scanner scanner(subFolders, listed);
    scanner.Scan(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'), QString());
    return scanner.result;
}

QStringList LeftOutLines(const LeftOut &leftOut)
{
    QStringList lines;
    if (!leftOut.otherExtensions.isEmpty())
        lines << ReasonLine(leftOut.otherExtensions, "1 file with another extension",
                            "%1 files with other extensions");
    if (!leftOut.listed.isEmpty())
        lines << ReasonLine(leftOut.listed, "1 file already listed", "%1 files already listed");
    if (!leftOut.undecodable.isEmpty())
        lines << ReasonLine(leftOut.undecodable, "1 name that is not valid UTF-8",
                            "%1 names that are not valid UTF-8");
    if (!leftOut.unreadable.isEmpty())
        lines << ReasonLine(leftOut.unreadable, "1 file or folder that cannot be read",
                            "%1 files or folders that cannot be read");
    return lines;
}

QString FolderAddedMessage(int added, const LeftOut &leftOut)
{
    const QString count = QStringLiteral("%1 media files added!").arg(added);
    return leftOut.isEmpty()
        ? count
        : count + QStringLiteral("\n\n") + LeftOutLines(leftOut).join(QLatin1Char('\n'));
}

QString NotAddedMessage(const QStringList &items)
{
    return (items.size() == 1 ? QStringLiteral("1 item was not added: ")
                              : QStringLiteral("%1 items were not added: ").arg(items.size()))
        + items.join(QStringLiteral(", "));
}
