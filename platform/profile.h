#pragma once

#include <QString>

// An INI file read and written one value at a time, the way a private profile is: every read
// parses the file as it is on disk, every write replaces the whole file at once.
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

    const QString &Path() const { return m_path; }

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

private:
    QString m_path;
};
