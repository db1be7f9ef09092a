#include "media/media_extensions.h"

#include <QSet>

bool HasMediaExtension(const QString &fullPath)
{
    static const QSet<QString> kExtensions = {
        QStringLiteral("mp4"), QStringLiteral("mpg"), QStringLiteral("wmv"), QStringLiteral("wma"),
        QStringLiteral("asf"), QStringLiteral("vob"), QStringLiteral("aac"), QStringLiteral("flv"),
        QStringLiteral("avi"), QStringLiteral("dat"), QStringLiteral("rm"),  QStringLiteral("ts")};
    const int dot = fullPath.lastIndexOf(QLatin1Char('.'));
    return kExtensions.contains(dot < 0 ? fullPath : fullPath.mid(dot + 1));
}
