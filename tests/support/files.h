#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>

// Small file helpers the tests share.
namespace testfiles {

// The whole content of `path`; empty when it cannot be read.
inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Replaces `path` with `bytes`, dated `secondsAgo` back; false when it cannot be written whole.
[[nodiscard]] inline bool WriteBytes(const QString &path, const QByteArray &bytes,
                                     int secondsAgo = 0)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && (secondsAgo == 0
            || file.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo),
                                QFileDevice::FileModificationTime));
}

// The folder `name` in `dir`, made when missing, with a trailing "/".
inline QString MakeFolder(const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name) + QLatin1Char('/');
    QDir().mkpath(path);
    return path;
}

// A fingerprint of the content of `path`, to tell that a file was left exactly as it was.
inline QByteArray Checksum(const QString &path)
{
    return QCryptographicHash::hash(ReadBytes(path), QCryptographicHash::Sha256);
}

} // namespace testfiles
