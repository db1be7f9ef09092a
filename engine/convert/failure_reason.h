#pragma once

#include "engine/convert/output_lines.h"

#include <QByteArray>
#include <QString>

struct MediaInfo;

// Why a conversion failed, in plain words, from what the converter printed and how it ended.
// Every reason is the plain words, then the converter's own line (when there is one) on a line of
// its own: "The disk is full\nav_interleaved_write_frame(): No space left on device".

// The plain words for one line of the converter's output ("[aac @ 0x55d0] " prefixes ignored),
// or an empty string when the line says nothing the program can put plainly. `position`: the
// seconds of media converted when the line came, for "The file is damaged at 00:01:12" (-1:
// unknown).
QString PlainReason(const QByteArray &line, double position);

// Reads the converter's output as it comes and keeps the line that tells best why it failed:
// the last line that says something plain, except that damage is told where it began, and any
// other cause (a full disk, a missing encoder) goes before damage.
class FailureCause
{
public:
    // `position`: the seconds of media converted so far (-1: unknown).
    void Feed(const char *data, int size, double position);
    // The plain reason and its line, or an empty string when no line said anything plain.
    QString reason() const;
    // The plain words and line where the converter first said the input is damaged, or empty.
    QString damage() const { return m_damage; }

private:
    void EndLine(const QByteArray &line, double position);

    OutputLines m_lines;
    QString m_cause;
    QString m_damage;
    QString m_said; // the words of the line before, which may say what an encoder refused
};

// How a failed converter ended, as the run saw it.
struct ConverterEnd
{
    QString cause; // FailureCause::reason(), may be empty
    QString writeFailure; // its line saying the output could not be written, may be empty
    QString lastLine; // its last line that is not a status line, may be empty
    int signal = 0; // the signal that ended it, 0 when it exited
    int exitStatus = 0; // its exit status when it exited; -1: ended by the run after lingering
};

// The reason a failed conversion shows: a failure to write the output before anything else,
// then a signal that ended the converter ("The converter crashed (segmentation fault)"), then
// the cause read from its output, then its last line as it stands.
QString ExplainFailure(const ConverterEnd &end);
