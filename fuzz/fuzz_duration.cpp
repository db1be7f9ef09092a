// The text the list writes for a number of seconds.

#include "engine/media/duration.h"
#include "fuzz_support.h"

#include <QRegularExpression>

#include <cstring>

namespace {

void CheckFormat(quint32 seconds)
{
    static const QRegularExpression kShape(QStringLiteral("^(\\d{2,5}):(\\d{2}):(\\d{2})$"));
    const QString text = FormatDuration(seconds);
    if (seconds / 3600 >= 100000) {
        FUZZ_CHECK(text == QLatin1String("Unknown"));
        return;
    }
    const QRegularExpressionMatch match = kShape.match(text);
    FUZZ_CHECK(match.hasMatch());
    const quint64 back = match.captured(1).toULongLong() * 3600 + match.captured(2).toUInt() * 60
        + match.captured(3).toUInt();
    FUZZ_CHECK(back == seconds);
    FUZZ_CHECK(match.captured(2).toUInt() < 60 && match.captured(3).toUInt() < 60);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size >= sizeof(quint32)) {
        quint32 seconds;
        std::memcpy(&seconds, data, sizeof seconds);
        CheckFormat(seconds);
        CheckFormat(seconds % (100 * 3600));
    }
    return 0;
}
