#pragma once

#include <QByteArray>

// Cuts the converter's output, read in chunks of any size, into lines. Either '\r' (which ends
// each of its status lines on a terminal) or '\n' ends a line, and a line split across chunks
// comes out whole. A line longer than kMaxLineBytes keeps only its first kMaxLineBytes bytes:
// the words that count come first, and a converter that prints without end cannot make the
// program hold its output.
class OutputLines
{
public:
    static constexpr int kMaxLineBytes = 4096;

    // Reads `size` bytes at `data`; calls `lineEnded(const QByteArray &line)` for every line they
    // end, in order (empty lines too), without its end.
    template<typename LineEnded> void Feed(const char *data, int size, LineEnded &&lineEnded)
    {
        for (int i = 0; i < size; ++i) {
            const char c = data[i];
            if (c == '\n' || c == '\r') {
                lineEnded(m_line);
                m_line.clear();
            } else if (m_line.size() < kMaxLineBytes) {
                m_line.append(c);
            }
        }
    }

    // The line begun and not yet ended.
    const QByteArray &pending() const { return m_line; }

private:
    QByteArray m_line;
};
