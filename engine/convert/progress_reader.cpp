// Reads the converter's progress and its last words from what it prints.
#include "engine/convert/progress_reader.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsClosingLine(const QByteArray &line)
{
    return line == "Conversion failed!";
}

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

bool IsStatusLine(const QByteArray &line)
{
    return line.startsWith("frame=") || line.startsWith("size=") || line.startsWith("out_time=");
}

int ProgressReader::Feed(const char *data, int size)
{
    const int before = m_lastPosted;
    m_lines.Feed(data, size, [this](const QByteArray &line) { EndLine(line); });
    return m_lastPosted > before ? m_lastPosted : -1;
}

namespace {

// The value of `marker` in a status line: the run of non-blank characters after leading blanks,
// 80 at most. Empty when the line does not hold the marker.
QByteArray StatusValue(const QByteArray &line, const QByteArray &marker)
{
    const qsizetype at = line.indexOf(marker);
    if (at < 0)
        return QByteArray();
    qsizetype i = at + marker.size();
    while (i < line.size() && IsBlank(line[i]))
        ++i;
    QByteArray token;
    while (i < line.size() && !IsBlank(line[i]) && token.size() < 80)
        token.append(line[i++]);
    return token;
}

} // namespace

void ProgressReader::EndLine(const QByteArray &line)
{
    // The console's status line holds the speed; the -progress output gives it a line of its own.
    if (IsStatusLine(line) || line.startsWith("speed=")) {
        // "speed=1.5x", or "speed=N/A" before the converter can tell.
        const double speed = ParseProgressSeconds(StatusValue(line, "speed="));
        m_speed = std::isfinite(speed) && speed > 0 ? speed : m_speed;
    }
    if (m_duration <= 0 || !IsStatusLine(line))
        return;
    const QByteArray token = StatusValue(line, "time=");
    if (token.isEmpty())
        return;

    const double seconds = ParseProgressSeconds(token);
    if (std::isfinite(seconds) && seconds > m_seconds)
        m_seconds = seconds;
    const double percent = seconds * 100.0 / m_duration;
    // The converter's clock runs a little past the whole seconds the list knows, and a stream
    // may be longer than the container says: the bar stops at full.
    if (!std::isfinite(percent) || percent < 0)
        return;
    const int whole = static_cast<int>(std::min(percent, 100.0));
    if (whole > m_lastPosted)
        m_lastPosted = whole;
}

void LastLineTracker::Feed(const char *data, int size)
{
    m_lines.Feed(data, size, [this](const QByteArray &line) { EndLine(line.trimmed()); });
}

void LastLineTracker::EndLine(const QByteArray &line)
{
    // The converter closes every failure with its closing line; the line before it says why.
    if (line.isEmpty() || IsStatusLine(line) || IsClosingLine(line))
        return;
    m_last = line;
}

QString LastLineTracker::lastLine() const
{
    const QByteArray pending = m_lines.pending().trimmed();
    if (!pending.isEmpty() && !IsStatusLine(pending) && !IsClosingLine(pending))
        return QString::fromUtf8(pending);
    return QString::fromUtf8(m_last);
}
