// The one table of media extensions, and the lists and filters made from it.
#include "engine/media/media_extensions.h"

#include <QSet>

namespace {

struct MediaExtension
{
    const char *extension; // lower case, without the dot
    // The desktop's MIME types of such files, separated by ";" (empty: none of its own).
    const char *mimeTypes;
};

// Files named .dat are VCD tracks here, but the name is common to far more than media: the
// desktop is not told that Kelvora opens every .dat file.
const MediaExtension kExtensions[] = {
    {"mp4", "video/mp4"},
    {"m4v", "video/mp4;video/x-m4v"},
    {"m4a", "audio/mp4"},
    {"mov", "video/quicktime"},
    {"mkv", "video/x-matroska"},
    {"mka", "audio/x-matroska"},
    {"webm", "video/webm"},
    {"3gp", "video/3gpp"},
    {"3g2", "video/3gpp2"},
    {"mpg", "video/mpeg"},
    {"mpeg", "video/mpeg"},
    {"vob", "video/mpeg"},
    {"dat", ""},
    {"ts", "video/mp2t"},
    {"mts", "video/mp2t"},
    {"m2ts", "video/mp2t"},
    {"wmv", "video/x-ms-wmv"},
    {"wma", "audio/x-ms-wma"},
    {"asf", "application/vnd.ms-asf;video/x-ms-asf"},
    {"avi", "video/x-msvideo"},
    {"flv", "video/x-flv"},
    {"rm", "application/vnd.rn-realmedia"},
    {"dv", "video/dv"},
    {"ogv", "video/ogg"},
    {"ogg", "audio/ogg;video/ogg;audio/x-vorbis+ogg"},
    {"oga", "audio/ogg"},
    {"opus", "audio/x-opus+ogg"},
    {"mp3", "audio/mpeg"},
    {"aac", "audio/aac"},
    {"ac3", "audio/ac3"},
    {"flac", "audio/flac"},
    {"wav", "audio/x-wav"},
    {"aiff", "audio/x-aiff"},
    {"aif", "audio/x-aiff"},
    {"amr", "audio/AMR"},
    // Audio books, MPEG audio layer II and raw MPEG video, as cameras, recorders and DVD tools
    // write them; the converter reads them all.
    {"m4b", "audio/mp4;audio/x-m4b"},
    {"mp2", "audio/mpeg;audio/mp2"},
    {"m2v", "video/mpeg"},
    {"mxf", "application/mxf"},
    {"wv", "audio/x-wavpack"},
    {"ape", "audio/x-ape"},
};

} // namespace

bool HasMediaExtension(const QString &fullPath)
{
    static const QSet<QString> kLookup = [] {
        QSet<QString> lookup;
        for (const MediaExtension &entry : kExtensions)
            lookup.insert(QString::fromLatin1(entry.extension));
        return lookup;
    }();
    const int dot = fullPath.lastIndexOf(QLatin1Char('.'));
    // A dot in a folder's name is no extension of the file.
    if (dot < 0 || fullPath.indexOf(QLatin1Char('/'), dot) >= 0)
        return false;
    return kLookup.contains(fullPath.mid(dot + 1).toLower());
}

QString MediaNamePatterns()
{
    QStringList patterns;
    for (const MediaExtension &entry : kExtensions)
        patterns << QStringLiteral("*.") + QLatin1String(entry.extension);
    return patterns.join(QLatin1Char(' '));
}

QStringList MediaMimeTypes()
{
    QStringList types;
    for (const MediaExtension &entry : kExtensions) {
        for (const QString &type :
             QString::fromLatin1(entry.mimeTypes).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            if (!types.contains(type))
                types << type;
        }
    }
    return types;
}
