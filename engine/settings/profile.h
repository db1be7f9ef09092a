#pragma once

#include <QList>
#include <QString>

#include <memory>

struct ParsedProfile;

// The whole content of a profile file as read at one moment, for reading many values that
// belong together.
class ProfileSnapshot
{
public:
    enum class State {
        Missing, // no file: every value is its default
        Loaded,
        // The file exists but was not read: not a regular file, larger than a profile can be,
        // or a read error. Every value is its default, and the file must not be replaced.
        Unreadable,
    };

    State state() const { return m_state; }
    // The value of `key` in `section`; `defaultValue` when the file, the section or the key is
    // missing or the file was not read.
    QString ReadString(const QString &section, const QString &key,
                       const QString &defaultValue) const;

private:
    friend class ProfileFile;
    State m_state = State::Missing;
    std::shared_ptr<const ParsedProfile> m_parsed;
};

// An INI file read and written the way a private profile is: every read parses the file as it
// is on disk, every write replaces the whole file at once.
//
// Section and key names match without regard to ASCII case; the first of duplicate keys wins.
// Values are stored as they are (blanks, backslashes, quotes, '=' and ';' included) in UTF-8; a
// value with blanks at either end, or one that is itself wrapped in double quotes, is written
// inside one more pair of double quotes, and one pair of enclosing double quotes is taken off
// when reading. A write keeps every other section, key and comment of the file and its line
// ends (CRLF stays CRLF); spacing around '=' and blank lines are laid out anew.
class ProfileFile
{
public:
    explicit ProfileFile(QString path);

    // A file larger than this (1 MB) is not a profile and counts as unreadable: parsing one of
    // many megabytes would stall the window, and replacing it would lose it.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

    struct Entry
    {
        QString section;
        QString key;
        QString value;
    };

    // The file as it is now on disk, parsed once.
    ProfileSnapshot Read() const;

    // The value of `key` in `section`; `defaultValue` when the file, the section or the key is
    // missing or the file cannot be read. A file with binary garbage yields what can be parsed.
    QString ReadString(const QString &section, const QString &key,
                       const QString &defaultValue) const;

    // Stores `value` under `key` in `section`, creating both when missing. The file is replaced
    // atomically (a new file renamed over the old one), so a crash never leaves half a file.
    // False, with nothing changed on disk, when the file cannot be written, when an existing file
    // cannot be read (its content would be lost), or when the text cannot be stored in an INI
    // line: a line break or NUL anywhere, a section name with ']', a key with '=', a name that is
    // empty, has blanks at either end, or a key that would read as a comment or a section.
    bool WriteString(const QString &section, const QString &key, const QString &value);

    // True when WriteString would take these texts (the file aside).
    static bool CanStore(const QString &section, const QString &key, const QString &value);

    // Stores every entry, in order, in one replace of the file: a crash leaves either the old
    // file or the new one with all of them. Refused as a whole, with nothing changed on disk,
    // for the same reasons as WriteString for any one entry. An empty list writes nothing.
    bool WriteStrings(const QList<Entry> &entries);

private:
    QString m_path;
};
