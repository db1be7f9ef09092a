#include "convert/progress_reader.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads digits at `i` as an integer part; returns the value and moves `i`.
double ReadDigits(const QByteArray &s, int &i, bool &any)
{
    double value = 0;
    while (i < s.size() && IsDigit(s[i])) {
        value = value * 10 + (s[i] - '0');
        ++i;
        any = true;
    }
    return value;
}

// Reads "[digits][.digits]" at `i`; locale-independent and without exponents, "inf" or "nan".
double ReadDecimal(const QByteArray &s, int &i, bool &any)
{
    double value = ReadDigits(s, i, any);
    if (i < s.size() && s[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < s.size() && IsDigit(s[i])) {
            value += (s[i] - '0') * scale;
            scale /= 10;
            ++i;
            any = true;
        }
    }
    return value;
}

} // namespace

double ParseProgressSeconds(const QByteArray &token)
{
    int i = 0;
    double sign = 1;
    if (i < token.size() && (token[i] == '-' || token[i] == '+')) {
        sign = token[i] == '-' ? -1 : 1;
        ++i;
    }
    bool any = false;
    const int start = i;
    double first = ReadDecimal(token, i, any);
    if (!any)
        return 0;
    if (i >= token.size() || token[i] != ':')
        return sign * first;

    // A clock value: the first field was whole hours.
    i = start;
    double hours = ReadDigits(token, i, any);
    double minutes = 0;
    double seconds = 0;
    if (i < token.size() && token[i] == ':') {
        ++i;
        minutes = ReadDigits(token, i, any);
        if (i < token.size() && token[i] == ':') {
            ++i;
            seconds = ReadDecimal(token, i, any);
        }
    }
    return sign * (hours * 3600 + minutes * 60 + seconds);
}

int ProgressReader::Feed(const char *data, int size)
{
    static const char kMarker[] = "time=";
    const int markerLength = 5;
    int at = -1;
    for (int i = 0; i <= kLastMarkerOffset && i + markerLength <= size; ++i) {
        if (std::memcmp(data + i, kMarker, markerLength) == 0) {
            at = i;
            break;
        }
    }
    if (at < 0)
        return -1;

    // The value is the run of non-blank characters after leading blanks, 80 at most, ending at
    // the chunk's end at the latest.
    int i = at + markerLength;
    while (i < size && IsBlank(data[i]))
        ++i;
    QByteArray token;
    while (i < size && !IsBlank(data[i]) && token.size() < 80)
        token.append(data[i++]);

    const double percent = ParseProgressSeconds(token) * 100.0 / m_duration;
    // A zero duration gives no finite percentage, and nothing is posted for it. A negative one
    // is never posted either, and one beyond int's range cannot be converted to it.
    if (!std::isfinite(percent) || percent < 0
        || percent >= static_cast<double>(std::numeric_limits<int>::max()))
        return -1;
    const int whole = static_cast<int>(percent);
    if (whole <= m_lastPosted)
        return -1;
    m_lastPosted = whole;
    return whole;
}

void LastLineTracker::Feed(const char *data, int size)
{
    for (int i = 0; i < size; ++i) {
        const char c = data[i];
        if (c == '\n' || c == '\r') {
            EndLine();
        } else if (m_pending.size() < 4096) {
            m_pending.append(c);
        }
    }
}

void LastLineTracker::EndLine()
{
    const QByteArray line = m_pending.trimmed();
    m_pending.clear();
    if (line.isEmpty() || line.contains("time="))
        return;
    // The converter closes every failure with this line; the line before it says why.
    if (line == "Conversion failed!")
        return;
    m_last = line;
}

QString LastLineTracker::lastLine() const
{
    const QByteArray pending = m_pending.trimmed();
    if (!pending.isEmpty() && !pending.contains("time=") && pending != "Conversion failed!")
        return QString::fromUtf8(pending);
    return QString::fromUtf8(m_last);
}
