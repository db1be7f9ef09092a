// Tells which file names the program can carry, and names the others for messages.
#include "engine/media/file_names.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr QChar kReplacement(0xFFFD);
// A message box longer than this would run off the screen.
constexpr int kMostNamesShown = 20;

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed sequence at `i`, or 0 when the byte there starts none.
int SequenceLength(QByteArrayView bytes, qsizetype i)
{
    const auto at = [&](qsizetype k) {
        return static_cast<unsigned char>(bytes[k]);
    };
    const unsigned char lead = at(i);
    if (lead < 0x80)
        return 1;
    int length = 0;
    // The range the second byte must fall in: it rules out overlong forms, surrogates and
    // values past U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        else if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        else if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > bytes.size() || at(i + 1) < low || at(i + 1) > high)
        return 0;
    for (int k = 2; k < length; ++k) {
        if (!IsContinuation(at(i + k)))
            return 0;
    }
    return length;
}

} // namespace

bool IsValidUtf8(QByteArrayView bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = SequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

QString EscapedFileName(QByteArrayView bytes)
{
    QString name;
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = SequenceLength(bytes, i);
        if (length == 0) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            name += QStringLiteral("\\x")
                + QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0'));
            ++i;
        } else {
            name += QString::fromUtf8(bytes.sliced(i, length));
            i += length;
        }
    }
    return name;
}

QStringList TakeUndecodablePaths(QStringList &paths)
{
    QStringList taken;
    paths.removeIf([&taken](const QString &path) {
        if (!path.contains(kReplacement) || QFileInfo::exists(path))
            return false;
        taken << path;
        return true;
    });
    return taken;
}

QString UndecodableNamesMessage(const QStringList &names)
{
    QString text = names.size() == 1
        ? QCoreApplication::translate("Adding",
                                      "1 file was not added because its name is not valid UTF-8:")
        : QCoreApplication::translate(
            "Adding", "%n files were not added because their names are not valid UTF-8:", nullptr,
            int(names.size()));
    for (qsizetype i = 0; i < names.size() && i < kMostNamesShown; ++i)
        text += QLatin1Char('\n') + names[i];
    if (names.size() > kMostNamesShown)
        text += QLatin1Char('\n')
            + QCoreApplication::translate("Adding", "... and %n more", nullptr,
                                          int(names.size() - kMostNamesShown));
    return text;
}

QString ShortenToBytes(QString text, qsizetype maxBytes)
{
    while (!text.isEmpty() && QFile::encodeName(text).size() > maxBytes) {
        text.chop(1);
        // Never half of a surrogate pair.
        if (!text.isEmpty() && text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

QString NumberedName(const QString &base, int number, const QString &extension, int maxBytes)
{
    const QString rest = QStringLiteral(" (%1)%2").arg(number).arg(extension);
    return ShortenToBytes(base, maxBytes - QFile::encodeName(rest).size()) + rest;
}

QPair<QString, QString> SplitPath(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = slash < 0 ? path : path.mid(slash + 1);
    QString folder = slash < 0 ? QString() : path.left(slash + 1);
    if (folder.endsWith(QLatin1String("//")))
        folder.chop(1);
    return qMakePair(name, folder);
}
