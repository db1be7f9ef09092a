#pragma once

#include <QByteArrayView>
#include <QPair>
#include <QString>
#include <QStringList>

// File names that are not valid UTF-8 cannot travel through the program: Qt decodes them with
// replacement characters (U+FFFD), and the decoded name names no file, so such a file could be
// neither probed nor converted, nor its output named after it. They are refused, by name.

// True when `bytes` is well-formed UTF-8: no stray or missing continuation bytes, overlong forms,
// surrogates or values past U+10FFFF.
bool IsValidUtf8(QByteArrayView bytes);

// `bytes` for a message: what is valid UTF-8 decoded, every other byte written as "\xNN".
QString EscapedFileName(QByteArrayView bytes);

// Takes out of `paths`, and returns, those that were decoded from names that are not valid
// UTF-8: they hold a replacement character and name no file. A file whose name really holds
// that character stays.
QStringList TakeUndecodablePaths(QStringList &paths);

// The message that names refused files, one per line: "N files were not added because their
// names are not valid UTF-8:" (or its singular), at most 20 names, then how many more.
QString UndecodableNamesMessage(const QStringList &names);

// The file-name part and the folder part (ending with "/") of a path as a file dialog returns
// it; a folder that ends with two separators loses one.
QPair<QString, QString> SplitPath(const QString &path);

// `text` cut, by whole characters, to at most `maxBytes` bytes in the file system's encoding.
QString ShortenToBytes(QString text, qsizetype maxBytes);

// "<base> (<number>)<extension>", with `base` shortened (ShortenToBytes) so that the name takes at
// most `maxBytes` bytes: the number and the extension are always kept whole.
QString NumberedName(const QString &base, int number, const QString &extension, int maxBytes);
