// The list's duration text read back by the queue, against the C library's own "%d:%2d:%2d",
// and the text the list writes for a number of seconds.

#include "fuzz_support.h"
#include "media/duration.h"

#include <QRegularExpression>

#include <algorithm>
#include <cctype>
#include <climits>
#include <clocale>
#include <cstring>
#include <string>

namespace {

// What scanf's "%d:%2d:%2d" makes of the same text: it stops at the first NUL, and fields it did
// not read stay 0. The hours are read as at most 15 characters, where scanf cannot overflow;
// false when the hour field is longer than that, so that scanf cannot be the reference.
bool ReferenceParse(const QByteArray &bytes, int &total)
{
    const std::string text(bytes.constData(), strnlen(bytes.constData(), size_t(bytes.size())));
    long long hours = 0;
    int minutes = 0;
    int seconds = 0;
    int afterHours = -1;
    std::sscanf(text.c_str(), "%15lld%n:%2d:%2d", &hours, &afterHours, &minutes, &seconds);
    if (afterHours >= 0 && size_t(afterHours) < text.size()
        && std::isdigit(static_cast<unsigned char>(text[size_t(afterHours)])))
        return false;
    const long long sum = hours * 3600 + minutes * 60 + seconds;
    total = int(std::clamp<long long>(sum, INT_MIN, INT_MAX));
    return true;
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
    // Every duration the list shows comes back whole through the queue.
    FUZZ_CHECK(ParseDuration(text) == int(seconds));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::setlocale(LC_ALL, "C");
    const QByteArray bytes = fuzz::Bytes(data, size);
    const int parsed = ParseDuration(QString::fromLatin1(bytes));
    int reference = 0;
    if (ReferenceParse(bytes, reference))
        FUZZ_CHECK(parsed == reference);
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
