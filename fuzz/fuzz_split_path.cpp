// Paths as the file dialog hands them to Add Files, and the extension test of Add Folder.

#include "engine/media/file_names.h"
#include "fuzz_support.h"
#include "ui/media/media_list.h"

namespace {

void CheckSplit(const QString &path)
{
    const auto [name, folder] = SplitPath(path);
    FUZZ_CHECK(!name.contains(QLatin1Char('/')));
    FUZZ_CHECK(name.size() <= path.size() && path.endsWith(name));
    if (!path.contains(QLatin1Char('/'))) {
        FUZZ_CHECK(folder.isEmpty() && name == path);
        return;
    }
    FUZZ_CHECK(folder.endsWith(QLatin1Char('/')));
    if (folder + name != path) {
        // Only a folder that ended with two separators gives one of them up.
        FUZZ_CHECK(folder + QLatin1Char('/') + name == path);
        FUZZ_CHECK(path.chopped(name.size()).endsWith(QLatin1String("//")));
    } else {
        FUZZ_CHECK(!path.chopped(name.size()).endsWith(QLatin1String("//")));
    }
}

void CheckExtension(const QString &path)
{
    const bool media = MediaList::IsMediaExtension(path);
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    if (media) {
        // Every media extension is two or three lower-case ASCII letters or digits.
        const QString extension = dot < 0 ? path : path.mid(dot + 1);
        FUZZ_CHECK(extension.size() >= 2 && extension.size() <= 3);
        for (QChar c : extension)
            FUZZ_CHECK((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'));
    }
    // Only the text after the last dot counts, whatever folder the name is in.
    if (dot >= 0) {
        FUZZ_CHECK(MediaList::IsMediaExtension(QStringLiteral("/some.mp4/") + path) == media);
        FUZZ_CHECK(MediaList::IsMediaExtension(path.mid(dot)) == media);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::Bytes(data, size);
    const QString path = QString::fromUtf8(bytes);
    CheckSplit(path);
    CheckExtension(path);
    // Names the file system hands over as they are, however they decode.
    CheckSplit(QFile::decodeName(bytes));
    return 0;
}
