// Tells in plain words why a conversion failed, from the converter's output and end.
#include "engine/convert/failure_reason.h"

#include "engine/media/codec_names.h"
#include "engine/media/probe.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

// The line without the "[aac @ 0x55d0] " or "[out#0/mp4 @ 0x5] " that names who said it.
QString Words(const QByteArray &line)
{
    QString text = QString::fromUtf8(line).trimmed();
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1String("] "));
        if (close > 0)
            text = text.mid(close + 2).trimmed();
    }
    return text;
}

QString Clock(double seconds)
{
    const qint64 whole = static_cast<qint64>(seconds);
    return QStringLiteral("%1:%2:%3")
        .arg(whole / 3600, 2, 10, QLatin1Char('0'))
        .arg(whole / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QString DecoderMissing(const QString &codec)
{
    const AVCodecDescriptor *descriptor
        = avcodec_descriptor_get_by_name(codec.toLatin1().constData());
    if (!descriptor)
        return QCoreApplication::translate("Reasons",
                                           "The file holds a stream that cannot be decoded");
    const QString name = CodecDisplayName(codec);
    switch (descriptor->type) {
    case AVMEDIA_TYPE_AUDIO:
        return QCoreApplication::translate("Reasons",
                                           "The file's audio codec (%1) cannot be decoded")
            .arg(name);
    case AVMEDIA_TYPE_VIDEO:
        return QCoreApplication::translate("Reasons",
                                           "The file's video codec (%1) cannot be decoded")
            .arg(name);
    default:
        return QCoreApplication::translate("Reasons", "The file's codec %1 cannot be decoded")
            .arg(name);
    }
}

// What the system's error texts at the end of a line mean for the user.
struct ErrorEnding
{
    const char *ending;
    const char *reason;
};

constexpr ErrorEnding kErrorEndings[] = {
    {"No space left on device", QT_TRANSLATE_NOOP("Reasons", "The disk is full")},
    {"Disk quota exceeded", QT_TRANSLATE_NOOP("Reasons", "The disk quota is used up")},
    {"File too large",
     QT_TRANSLATE_NOOP("Reasons", "The output is too large for the saving folder's file system")},
    {"Read-only file system",
     QT_TRANSLATE_NOOP("Reasons", "The saving folder is on a read-only disk")},
    {"Input/output error",
     QT_TRANSLATE_NOOP("Reasons", "The disk cannot be read or written (input/output error)")},
    {"Cannot allocate memory", QT_TRANSLATE_NOOP("Reasons", "The converter ran out of memory")},
};

bool IsDamage(const QString &words)
{
    static const QRegularExpression kPatterns(
        QStringLiteral("^Error while decoding stream|Invalid data found when processing input$"
                       "|^error while decoding MB|^header damaged$|^Packet corrupt"
                       "|corrupt input packet in stream \\d+$|^moov atom not found$"
                       "|frames successfully decoded, \\d+ decoding errors$"));
    return kPatterns.match(words).hasMatch();
}

QString DamageReason(double position)
{
    return position >= 0
        ? QCoreApplication::translate("Reasons", "The file is damaged at %1").arg(Clock(position))
        : QCoreApplication::translate("Reasons", "The file is damaged");
}

QString SignalWords(int signal)
{
    switch (signal) {
    case SIGSEGV:
        return QCoreApplication::translate("Reasons", "The converter crashed (segmentation fault)");
    case SIGBUS:
        return QCoreApplication::translate("Reasons", "The converter crashed (bus error)");
    case SIGILL:
        return QCoreApplication::translate("Reasons",
                                           "The converter crashed (illegal instruction)");
    case SIGFPE:
        return QCoreApplication::translate("Reasons", "The converter crashed (arithmetic fault)");
    case SIGABRT:
        return QCoreApplication::translate("Reasons", "The converter crashed (aborted)");
    default:
        break;
    }
    const char *name = sigabbrev_np(signal);
    return QCoreApplication::translate("Reasons", "The converter was killed (%1)")
        .arg(name ? QStringLiteral("SIG") + QLatin1String(name)
                  : QCoreApplication::translate("Reasons", "signal %1").arg(signal));
}

} // namespace

QString PlainReason(const QByteArray &line, double position)
{
    const QString words = Words(line);
    if (words.isEmpty())
        return QString();
    static const QRegularExpression kDecoder(QStringLiteral(
        "^Decoder \\(codec ([\\w-]+)\\) not found|no decoder found for: ([\\w-]+)$"));
    static const QRegularExpression kEncoder(
        QStringLiteral("^Unknown encoder '([^']+)'$|^Encoder \\(codec ([\\w-]+)\\) not found"
                       "|^Automatic encoder selection failed.*\\(codec ([\\w-]+)\\)"));
    if (const QRegularExpressionMatch match = kDecoder.match(words); match.hasMatch())
        return DecoderMissing(match.captured(1) + match.captured(2));
    if (const QRegularExpressionMatch match = kEncoder.match(words); match.hasMatch()) {
        return QCoreApplication::translate("Reasons", "The encoder for %1 is not installed")
            .arg(CodecDisplayName(match.captured(1) + match.captured(2) + match.captured(3)));
    }
    if (words.contains(QLatin1String("Error while opening encoder")))
        return QCoreApplication::translate(
            "Reasons", "The encoder cannot make this file with the preset's settings");
    for (const ErrorEnding &error : kErrorEndings) {
        if (words.endsWith(QLatin1String(error.ending)))
            return QCoreApplication::translate("Reasons", error.reason);
    }
    if (IsDamage(words))
        return DamageReason(position);
    return QString();
}

void FailureCause::Feed(const char *data, int size, double position)
{
    m_lines.Feed(data, size,
                 [this, position](const QByteArray &line) { EndLine(line.trimmed(), position); });
}

void FailureCause::EndLine(const QByteArray &line, double position)
{
    QString plain = PlainReason(line, position);
    const QString words = Words(line);
    // The converter's own line on a refused encoder names only the stream; the encoder said why
    // on the line before.
    if (words.startsWith(QLatin1String("Error initializing output stream")) && !m_said.isEmpty())
        plain = QCoreApplication::translate("Reasons", "The encoder refused these settings: %1")
                    .arg(m_said);
    // Only a line a library or encoder signed ("[h263 @ 0x5] ...") says what it refused.
    m_said = line.startsWith('[') ? words : QString();
    if (plain.isEmpty())
        return;
    const QString reason = plain + QLatin1Char('\n') + QString::fromUtf8(line);
    if (!IsDamage(Words(line)))
        m_cause = reason;
    else if (m_damage.isEmpty())
        m_damage = reason; // where the damage began; what follows is its echo
}

QString FailureCause::reason() const
{
    return m_cause.isEmpty() ? m_damage : m_cause;
}

QString ExplainFailure(const ConverterEnd &end)
{
    if (!end.writeFailure.isEmpty()) {
        const QString plain = PlainReason(end.writeFailure.toUtf8(), -1);
        return plain.isEmpty() ? end.writeFailure : plain + QLatin1Char('\n') + end.writeFailure;
    }
    if (end.signal != 0)
        return SignalWords(end.signal);
    if (!end.cause.isEmpty())
        return end.cause;
    if (!end.lastLine.isEmpty())
        return end.lastLine;
    if (end.exitStatus < 0)
        return QCoreApplication::translate(
            "Reasons", "The converter went on running after closing its output");
    return QCoreApplication::translate("Reasons", "The converter stopped with exit status %1")
        .arg(end.exitStatus);
}
