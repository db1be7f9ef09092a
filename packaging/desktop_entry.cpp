// Writes the desktop entry from its template, its MimeType list from the media extensions'
// table: the types Kelvora registers to open are exactly the files it takes from a folder. The
// menu's texts follow in every language Kelvora is translated into (GenericName[de]=...).
//
// Usage: kelvora-desktop-entry TEMPLATE OUTPUT

#include "engine/media/media_extensions.h"
#include "engine/platform/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTranslator>

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

    // Each translated key after its English line, which the template holds word for word.
    QCoreApplication application(argc, argv);
    const char *const keys[][2] = {
        {"GenericName", QT_TRANSLATE_NOOP("Desktop", "Media Converter")},
        {"Comment",
         QT_TRANSLATE_NOOP("Desktop",
                           "Convert audio and video files to another format in one batch")},
    };
    for (const auto &key : keys) {
        const QByteArray line = QByteArray(key[0]) + '=' + key[1] + '\n';
        const qsizetype at = entry.indexOf('\n' + line);
        if (at < 0) {
            std::fprintf(stderr, "%s: %s has no line %s", argv[0], argv[1], line.constData());
            return 1;
        }
        QByteArray translated;
        for (const QString &language : TranslatedLanguages()) {
            QTranslator translator;
            if (translator.load(QStringLiteral(":/i18n/kelvora_") + language))
                translated += QByteArray(key[0]) + '[' + language.toLatin1()
                    + "]=" + translator.translate("Desktop", key[1]).toUtf8() + '\n';
        }
        entry.insert(at + 1 + line.size(), translated);
    }
    QSaveFile out(QFile::decodeName(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(entry) != entry.size() || !out.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
