#pragma once

#include "engine/convert/output_lines.h"

#include <QByteArray>
#include <QString>

// Turns the converter's console output, read in chunks of at most 512 bytes, into rising
// percentages of the media's duration.
//
// Only the converter's status lines count: lines that begin with "frame=" (media with video) or
// "size=" (audio only), each ended by '\r' or '\n'. Everything else the converter prints, the
// input's name and its tags among it, may hold "time=" too and is passed over. A line split
// across chunks is read once it is complete, so how the output is cut into chunks does not
// change what is posted.
class ProgressReader
{
public:
    static constexpr int kChunkSize = 512;

    // A zero or negative duration never posts anything.
    explicit ProgressReader(int durationSeconds)
        : m_duration(durationSeconds)
    { }

    // Reads one chunk; returns the percentage to post (rising, 100 at most), or -1 when the
    // status lines ended in this chunk post nothing new.
    int Feed(const char *data, int size);
    int lastPosted() const { return m_lastPosted; }
    // The furthest position the status lines told, in seconds (-1 before any, or without a
    // duration), and the converter's last told speed, in seconds of media per second (0 before
    // it told one).
    double seconds() const { return m_seconds; }
    double speed() const { return m_speed; }

private:
    void EndLine(const QByteArray &line);

    int m_duration;
    int m_lastPosted = 0;
    double m_seconds = -1;
    double m_speed = 0;
    OutputLines m_lines;
};

// True for a line of the converter's that reports progress: it begins with "frame=" or "size="
// (its console status), or "out_time=" (its -progress output, which names no file).
bool IsStatusLine(const QByteArray &line);

// The seconds of a "time=" value: a clock value hh:mm:ss.cc, or a plain number of seconds;
// the leading part that reads as one of them counts, anything else gives 0.
double ParseProgressSeconds(const QByteArray &token);

// Keeps the converter's last line of output that is not a status line, to tell the user why a
// conversion failed. Lines that merely hold "time=" (a file named "time=1.mkv") are kept.
class LastLineTracker
{
public:
    void Feed(const char *data, int size);
    // The last complete or pending line, blanks trimmed, that is neither empty, a status line
    // nor the converter's closing "Conversion failed!".
    QString lastLine() const;

private:
    void EndLine(const QByteArray &line);
    OutputLines m_lines;
    QByteArray m_last;
};
