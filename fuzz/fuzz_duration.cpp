// The list's duration text read back by the queue, against the C library's own "%2d:%2d:%2d",
// and the text the list writes for a number of seconds.

#include "fuzz_support.h"
#include "media/duration.h"

#include <QRegularExpression>

#include <clocale>
#include <cstring>
#include <string>

namespace {

// What scanf makes of the same text: it stops at the first NUL, and fields it did not read
// stay 0.
int ReferenceParse(const QByteArray &bytes)
{
    const std::string text(bytes.constData(), strnlen(bytes.constData(), size_t(bytes.size())));
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    std::sscanf(text.c_str(), "%2d:%2d:%2d", &hours, &minutes, &seconds);
    return hours * 3600 + minutes * 60 + seconds;
}

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
    // Two-digit hours come back whole through the queue.
    if (seconds < 100 * 3600)
        FUZZ_CHECK(ParseDuration(text) == int(seconds));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::setlocale(LC_ALL, "C");
    const QByteArray bytes = fuzz::Bytes(data, size);
    const int parsed = ParseDuration(QString::fromLatin1(bytes));
    FUZZ_CHECK(parsed == ReferenceParse(bytes));
    // Only ASCII is ever read, so how the rest decodes does not matter.
    FUZZ_CHECK(ParseDuration(QString::fromUtf8(bytes)) == parsed);

    if (size >= sizeof(quint32)) {
        quint32 seconds;
        std::memcpy(&seconds, data, sizeof seconds);
        CheckFormat(seconds);
        CheckFormat(seconds % (100 * 3600));
    }
    return 0;
}
