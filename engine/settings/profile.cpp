// Reads and writes the INI files the settings are kept in.
#include "engine/settings/profile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

// Only the narrow, byte-preserving flavour is used: values keep whatever bytes the file holds,
// so a write never mangles another key's text that is not valid UTF-8.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <algorithm>
#include <string>
#include <utility>

namespace {

// Appended to the text before parsing so that comments after the last key belong to an entry:
// the parser drops a comment that no section or key follows.
constexpr char kEndMarker[] = "\x01kelvora end of file\x01";

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

using State = ProfileSnapshot::State;

struct FileText
{
    State state = State::Missing;
    QByteArray bytes;
};

FileText ReadWholeFile(const QString &path)
{
    FileText text;
    const QFileInfo info(path);
    if (!info.exists())
        return text;
    text.state = State::Unreadable;
    if (!info.isFile() || info.size() > ProfileFile::kMaxFileSize)
        return text;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return text;
    // One byte more than allowed tells a file that grew since it was looked at.
    text.bytes = file.read(ProfileFile::kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError || text.bytes.size() > ProfileFile::kMaxFileSize) {
        text.bytes.clear();
        return text;
    }
    text.state = State::Loaded;
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

bool IsStorable(const ProfileFile::Entry &entry)
{
    return IsStorableSection(entry.section) && IsStorableKey(entry.key)
        && !HasLineBreakOrNul(entry.value);
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
    const qsizetype start = withBom ? qsizetype(sizeof kUtf8Bom - 1) : 0;
    if (at == start) {
        // The marker is first only in a file that held nothing: the sections written into it
        // follow, after the blank lines that open a section.
        text.remove(at, markerLine.size());
        while (text.mid(at, 1) == "\n")
            text.remove(at, 1);
    } else if (at > start) {
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

struct ParsedProfile
{
    CSimpleIniA ini;
};

QString ProfileSnapshot::ReadString(const QString &section, const QString &key,
                                    const QString &defaultValue) const
{
    if (!m_parsed)
        return defaultValue;
    const char *stored
        = m_parsed->ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData());
    return stored ? DecodeValue(stored) : defaultValue;
}

ProfileFile::ProfileFile(QString path)
    : m_path(std::move(path))
{ }

ProfileSnapshot ProfileFile::Read() const
{
    ProfileSnapshot snapshot;
    const FileText file = ReadWholeFile(m_path);
    snapshot.m_state = file.state;
    if (file.state == State::Loaded) {
        auto parsed = std::make_shared<ParsedProfile>();
        Parse(parsed->ini, file.bytes);
        snapshot.m_parsed = std::move(parsed);
    }
    return snapshot;
}

QString ProfileFile::ReadString(const QString &section, const QString &key,
                                const QString &defaultValue) const
{
    return Read().ReadString(section, key, defaultValue);
}

bool ProfileFile::CanStore(const QString &section, const QString &key, const QString &value)
{
    return IsStorable({section, key, value});
}

bool ProfileFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    return WriteStrings({{section, key, value}});
}

bool ProfileFile::WriteStrings(const QList<Entry> &entries)
{
    if (m_path.isEmpty() || !std::all_of(entries.begin(), entries.end(), IsStorable))
        return false;
    const FileText file = ReadWholeFile(m_path);
    if (file.state == State::Unreadable)
        return false;

    CSimpleIniA ini;
    Parse(ini, file.bytes);
    bool changed = false;
    for (const Entry &entry : entries) {
        const QByteArray sectionBytes = entry.section.toUtf8();
        const QByteArray keyBytes = entry.key.toUtf8();
        const QByteArray encoded = EncodeValue(entry.value);
        bool hasDuplicates = false;
        const char *stored
            = ini.GetValue(sectionBytes.constData(), keyBytes.constData(), nullptr, &hasDuplicates);
        if (stored && !hasDuplicates && encoded == stored)
            continue;
        if (ini.SetValue(sectionBytes.constData(), keyBytes.constData(), encoded.constData(),
                         nullptr, true)
            < 0)
            return false;
        changed = true;
    }
    // Values that are all in place already leave the file as it is.
    if (!changed)
        return true;

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
