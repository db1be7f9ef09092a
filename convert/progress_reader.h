#pragma once

#include <QByteArray>
#include <QString>

// Turns the converter's console output, read in chunks of at most 512 bytes, into rising
// percentages of the media's duration.
class ProgressReader
{
public:
    static constexpr int kChunkSize = 512;
    // A "time=" is looked for only where it starts this far into a chunk at most.
    static constexpr int kLastMarkerOffset = 490;

    explicit ProgressReader(int durationSeconds)
        : m_duration(durationSeconds)
    { }

    // Reads one chunk; returns the percentage to post, or -1 when this chunk posts nothing.
    int Feed(const char *data, int size);
    int lastPosted() const { return m_lastPosted; }

private:
    int m_duration;
    int m_lastPosted = 0;
};

// The seconds of a "time=" value: a clock value hh:mm:ss.cc, or a plain number of seconds;
// the leading part that reads as one of them counts, anything else gives 0.
double ParseProgressSeconds(const QByteArray &token);

// Keeps the converter's last line of output that is not a progress line, to tell the user why a
// conversion failed.
class LastLineTracker
{
public:
    void Feed(const char *data, int size);
    // The last complete or pending line that is not a progress line.
    QString lastLine() const;

private:
    void EndLine();
    QByteArray m_pending;
    QByteArray m_last;
};
