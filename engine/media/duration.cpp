// Writes and reads the list's duration texts.
#include "engine/media/duration.h"

#include <QCoreApplication>

namespace {

constexpr quint32 kUnknownFromHours = 100000;

} // namespace

QString FormatDuration(quint32 seconds)
{
    const quint32 hours = seconds / 3600;
    const quint32 minutes = seconds % 3600 / 60;
    const quint32 rest = seconds % 60;
    if (hours >= kUnknownFromHours)
        return QCoreApplication::translate("List", "Unknown");
    return QString::asprintf("%.2u:%.2u:%.2u", hours, minutes, rest);
}
