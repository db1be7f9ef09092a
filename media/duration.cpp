#include "media/duration.h"

#include <limits>

namespace {

constexpr quint32 kUnknownFromHours = 100000;

// Reads the text the way scanf reads it in the C locale, without depending on the process
// locale or on a narrow copy of the text.
class Scanner
{
public:
    static constexpr int kWhole = std::numeric_limits<int>::max();

    explicit Scanner(const QString &text)
        : text_(text)
    { }

    // "%2d": skips white space, then an optional sign and digits, at most `width` characters
    // together (no limit for kWhole). False, with nothing stored, when no digit follows. A value
    // with more digits than any duration stops growing, long before it could overflow.
    bool ReadInt(int width, qint64 &value)
    {
        while (IsSpace(Peek()))
            ++pos_;
        bool negative = false;
        if ((Peek() == u'-' || Peek() == u'+') && width > 0) {
            negative = Peek() == u'-';
            ++pos_;
            --width;
        }
        int digits = 0;
        qint64 result = 0;
        while (width > 0 && IsDigit(Peek())) {
            if (result <= kCeiling)
                result = result * 10 + (Peek().unicode() - u'0');
            ++pos_;
            --width;
            ++digits;
        }
        if (digits == 0)
            return false;
        value = negative ? -result : result;
        return true;
    }

    // An ordinary character of the pattern must match the next character exactly.
    bool ReadLiteral(char16_t c)
    {
        if (Peek() != c)
            return false;
        ++pos_;
        return true;
    }

private:
    // scanf stops at a terminating zero; QString may hold one inside.
    QChar Peek() const { return pos_ < text_.size() ? text_.at(pos_) : QChar(u'\0'); }
    static bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
    static bool IsSpace(QChar c)
    {
        return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
    }

    // Far beyond any duration, and far from overflowing once multiplied by an hour's seconds.
    static constexpr qint64 kCeiling = qint64(1) << 40;

    const QString &text_;
    qsizetype pos_ = 0;
};

} // namespace

QString FormatDuration(quint32 seconds)
{
    const quint32 hours = seconds / 3600;
    const quint32 minutes = seconds % 3600 / 60;
    const quint32 rest = seconds % 60;
    if (hours >= kUnknownFromHours)
        return QStringLiteral("Unknown");
    return QString::asprintf("%.2u:%.2u:%.2u", hours, minutes, rest);
}

int ParseDuration(const QString &text)
{
    qint64 hours = 0;
    qint64 minutes = 0;
    qint64 seconds = 0;
    Scanner scan(text);
    if (scan.ReadInt(Scanner::kWhole, hours) && scan.ReadLiteral(u':') && scan.ReadInt(2, minutes)
        && scan.ReadLiteral(u':'))
        scan.ReadInt(2, seconds);
    const qint64 total = hours * 3600 + minutes * 60 + seconds;
    constexpr qint64 kLowest = std::numeric_limits<int>::min();
    constexpr qint64 kHighest = std::numeric_limits<int>::max();
    return int(qBound(kLowest, total, kHighest));
}
