// The converter's console output as it reaches the progress bar and the failure tooltip: any
// bytes, read in chunks of at most 512 bytes, against a duration the list may hold.

#include "engine/convert/progress_reader.h"
#include "fuzz_support.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

// The bytes before the output: the duration, then the seed of the chunk sizes.
constexpr size_t kHeaderSize = 5;
// The list's duration text reads back as at most 99:99:99, either sign.
constexpr int kDurationRange = 99 * 3600 + 99 * 60 + 99 + 1;

void CheckLastLine(const LastLineTracker &tracker)
{
    const QString line = tracker.lastLine();
    FUZZ_CHECK(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')));
    // A status line is never a reason.
    FUZZ_CHECK(!line.startsWith(QLatin1String("frame="))
               && !line.startsWith(QLatin1String("size=")));
    FUZZ_CHECK(line != QLatin1String("Conversion failed!"));
    // Lines are kept to a bounded length however long the converter's line is.
    FUZZ_CHECK(line.size() <= 4096);
}

void CheckSeconds(const QByteArray &token)
{
    const double seconds = ParseProgressSeconds(token);
    FUZZ_CHECK(!std::isnan(seconds));
    if (token.isEmpty() || (token[0] != '-' && token[0] != '+')) {
        FUZZ_CHECK(seconds >= 0);
        // A sign only turns the value.
        FUZZ_CHECK(ParseProgressSeconds('+' + token) == seconds);
        FUZZ_CHECK(ParseProgressSeconds('-' + token) == -seconds);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CheckSeconds(fuzz::Bytes(data, size));
    if (size < kHeaderSize)
        return 0;

    int32_t raw;
    std::memcpy(&raw, data, sizeof raw);
    const int duration = raw % kDurationRange;
    uint32_t seed = data[4];
    data += kHeaderSize;
    size -= kHeaderSize;

    const QByteArray output = fuzz::Bytes(data, size);
    ProgressReader reader(duration);
    LastLineTracker tracker;
    int previous = 0;
    size_t offset = 0;
    while (offset < size) {
        seed = seed * 1103515245u + 12345u;
        const size_t wanted = 1 + (seed >> 16) % ProgressReader::kChunkSize;
        const int chunk = static_cast<int>(std::min(wanted, size - offset));
        // Each chunk in a buffer of its own size, so reading past the chunk is caught.
        const std::unique_ptr<char[]> copy(new char[static_cast<size_t>(chunk)]);
        std::memcpy(copy.get(), data + offset, static_cast<size_t>(chunk));
        const char *bytes = copy.get();
        tracker.Feed(bytes, chunk);
        const int posted = reader.Feed(bytes, chunk);
        if (posted != -1) {
            FUZZ_CHECK(posted > previous);
            FUZZ_CHECK(posted == reader.lastPosted());
            previous = posted;
        }
        FUZZ_CHECK(reader.lastPosted() == previous);
        FUZZ_CHECK(previous <= 100);
        CheckLastLine(tracker);
        offset += static_cast<size_t>(chunk);
    }

    // Lines are read whole: the same output in full-size chunks gives the same bar and reason.
    ProgressReader whole(duration);
    LastLineTracker wholeTracker;
    for (qsizetype at = 0; at < output.size(); at += ProgressReader::kChunkSize) {
        const int chunk
            = static_cast<int>(qMin<qsizetype>(ProgressReader::kChunkSize, output.size() - at));
        whole.Feed(output.constData() + at, chunk);
        wholeTracker.Feed(output.constData() + at, chunk);
    }
    FUZZ_CHECK(whole.lastPosted() == reader.lastPosted());
    FUZZ_CHECK(wholeTracker.lastLine() == tracker.lastLine());
    // Without a status line nothing moves the bar, whatever "time=" the rest holds.
    if (!output.startsWith("frame=") && !output.startsWith("size=") && !output.contains("\nframe=")
        && !output.contains("\rframe=") && !output.contains("\nsize=")
        && !output.contains("\rsize="))
        FUZZ_CHECK(reader.lastPosted() == 0);
    return 0;
}
