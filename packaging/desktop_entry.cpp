// Writes the desktop entry from its template, its MimeType list from the media extensions'
// table: the types Kelvora registers to open are exactly the files it takes from a folder.
//
// Usage: kelvora-desktop-entry TEMPLATE OUTPUT

#include "engine/media/media_extensions.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TEMPLATE OUTPUT\n", argv[0]);
        return 2;
    }
    QFile in(QFile::decodeName(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    QByteArray entry = in.readAll();
    const QByteArray marker = "@MEDIA_MIME_TYPES@";
    if (entry.count(marker) != 1) {
        std::fprintf(stderr, "%s: %s holds no single %s\n", argv[0], argv[1], marker.constData());
        return 1;
    }
    entry.replace(marker, (MediaMimeTypes().join(QLatin1Char(';')) + QLatin1Char(';')).toUtf8());
    QSaveFile out(QFile::decodeName(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(entry) != entry.size() || !out.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
