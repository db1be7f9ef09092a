#include "platform/profile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

// Only the narrow, byte-preserving flavour is used: values keep whatever bytes the file holds,
// so a write never mangles another key's text that is not valid UTF-8.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <string>
#include <utility>

namespace {

// A settings file is a few hundred bytes; anything far larger is not ours to parse or replace.
constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

// Appended to the text before parsing so that comments after the last key belong to an entry:
// the parser drops a comment that no section or key follows.
constexpr char kEndMarker[] = "\x01kelvora end of file\x01";

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

enum class FileState { Missing, Loaded, Unreadable };

struct FileText
{
    FileState state = FileState::Missing;
    QByteArray bytes;
};

FileText ReadWholeFile(const QString &path)
{
    FileText text;
    const QFileInfo info(path);
    if (!info.exists())
        return text;
    text.state = FileState::Unreadable;
    if (!info.isFile() || info.size() > kMaxFileSize)
        return text;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return text;
    text.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return text;
    text.state = FileState::Loaded;
    return text;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// The parser files every key after a "[name" line without its ']' under a garbled section name;
// such a line is kept as a comment instead, so the keys after it stay in the section before it.
QByteArray CommentOutUnclosedSections(const QByteArray &bytes)
{
    QByteArray out;
    out.reserve(bytes.size());
    qsizetype lineStart = 0;
    while (lineStart < bytes.size()) {
        qsizetype lineEnd = lineStart;
        while (lineEnd < bytes.size() && !IsLineEnd(bytes.at(lineEnd)))
            ++lineEnd;
        qsizetype first = lineStart;
        while (first < lineEnd && IsBlank(bytes.at(first)))
            ++first;
        const QByteArrayView line(bytes.constData() + lineStart, lineEnd - lineStart);
        if (first < lineEnd && bytes.at(first) == '[' && !line.contains(']'))
            out.append(';');
        qsizetype next = lineEnd;
        while (next < bytes.size() && IsLineEnd(bytes.at(next)))
            ++next;
        out.append(bytes.constData() + lineStart, next - lineStart);
        lineStart = next;
    }
    return out;
}

void Parse(CSimpleIniA &ini, QByteArray bytes)
{
    ini.SetUnicode(true);
    // Keeping duplicates lets the first one win, as a private profile does, and keeps the others
    // in the file.
    ini.SetMultiKey(true);
    // Values are single lines; "<<<TAG" is plain text, quotes are handled here, not by the parser.
    ini.SetMultiLine(false);
    ini.SetQuotes(false);
    ini.SetSpaces(false);
    ini.SetAllowKeyOnly(false);
    // The parser stops at a NUL byte; treating it as a line break loads the rest of the file.
    bytes.replace('\0', '\n');
    bytes = CommentOutUnclosedSections(bytes);
    bytes.append("\n[").append(kEndMarker).append("]\n");
    ini.LoadData(bytes.constData(), size_t(bytes.size()));
}

bool IsWrappedInQuotes(const QByteArray &bytes)
{
    return bytes.size() >= 2 && bytes.front() == '"' && bytes.back() == '"';
}

bool HasLineBreakOrNul(const QString &text)
{
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))
        || text.contains(QChar(0));
}

bool IsStorableName(const QString &name)
{
    return !name.isEmpty() && !HasLineBreakOrNul(name) && !IsBlank(name.front().toLatin1())
        && !IsBlank(name.back().toLatin1());
}

bool IsStorableSection(const QString &section)
{
    return IsStorableName(section) && !section.contains(QLatin1Char(']'));
}

bool IsStorableKey(const QString &key)
{
    return IsStorableName(key) && !key.contains(QLatin1Char('='))
        && !key.startsWith(QLatin1Char(';')) && !key.startsWith(QLatin1Char('#'))
        && !key.startsWith(QLatin1Char('['));
}

// The parser trims blanks around a value, so such a value, and one whose own first and last
// characters are quotes, travels inside a pair of quotes that reading takes off again.
QByteArray EncodeValue(const QString &value)
{
    const QByteArray bytes = value.toUtf8();
    if (bytes.isEmpty())
        return bytes;
    if (IsBlank(bytes.front()) || IsBlank(bytes.back()) || IsWrappedInQuotes(bytes))
        return '"' + bytes + '"';
    return bytes;
}

QString DecodeValue(const char *stored)
{
    QByteArray bytes(stored);
    if (IsWrappedInQuotes(bytes))
        bytes = bytes.mid(1, bytes.size() - 2);
    return QString::fromUtf8(bytes);
}

// The parser's output with the end marker taken out again, in the line ends the file had.
QByteArray Render(const CSimpleIniA &ini, bool withBom, bool crlf)
{
    std::string out;
    if (ini.Save(out, withBom) < 0)
        return {};
    QByteArray text = QByteArray::fromStdString(out);
    const QByteArray markerLine = QByteArray("[") + kEndMarker + "]\n";
    const qsizetype at = text.indexOf(markerLine);
    if (at >= 0) {
        text.remove(at, markerLine.size());
        // Without a trailing comment the marker leaves the blank lines that open a section.
        if (at >= 3 && text.mid(at - 3, 3) == "\n\n\n")
            text.remove(at - 2, 2);
    }
    if (crlf)
        text.replace("\n", "\r\n");
    return text;
}

} // namespace

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path))
{ }

QString ProfileFile::ReadString(const QString &section, const QString &key,
                                const QString &defaultValue) const
{
    const FileText file = ReadWholeFile(m_path);
    if (file.state != FileState::Loaded)
        return defaultValue;
    CSimpleIniA ini;
    Parse(ini, file.bytes);
    const char *stored = ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData());
    return stored ? DecodeValue(stored) : defaultValue;
}

bool ProfileFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    if (m_path.isEmpty() || !IsStorableSection(section) || !IsStorableKey(key)
        || HasLineBreakOrNul(value))
        return false;
    const FileText file = ReadWholeFile(m_path);
    if (file.state == FileState::Unreadable)
        return false;

    CSimpleIniA ini;
    Parse(ini, file.bytes);
    const QByteArray sectionBytes = section.toUtf8();
    const QByteArray keyBytes = key.toUtf8();
    const QByteArray encoded = EncodeValue(value);

    bool hasDuplicates = false;
    const char *stored
        = ini.GetValue(sectionBytes.constData(), keyBytes.constData(), nullptr, &hasDuplicates);
    if (stored && !hasDuplicates && encoded == stored)
        return true;

    if (ini.SetValue(sectionBytes.constData(), keyBytes.constData(), encoded.constData(), nullptr,
                     true)
        < 0)
        return false;
    const bool withBom = file.bytes.startsWith(kUtf8Bom);
    const bool crlf = file.bytes.contains("\r\n");
    const QByteArray text = Render(ini, withBom, crlf);
    if (text.isEmpty())
        return false;

    QSaveFile out(m_path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(text) != text.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}
