// Any bytes in a file, probed the way adding it to the list probes it.

#include "engine/media/probe.h"
#include "fuzz_support.h"

namespace {

// The media library takes the extension as a hint for some containers; the last byte picks one,
// so the content of a seed file stays whole.
const char *const kNames[]
    = {"input",     "input.mp4", "input.ts",  "input.avi", "input.flv", "input.wmv",
       "input.mpg", "input.rm",  "input.aac", "input.vob", "input.dat", "input.mp3"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const size_t pick = size == 0 ? 0 : data[size - 1] % (sizeof kNames / sizeof *kNames);
    const QString name = QString::fromLatin1(kNames[pick]);
    fuzz::WriteFile(fuzz::ScratchFolder() + name, fuzz::Bytes(data, size));

    // Left over from an earlier file: the probe starts afresh.
    MediaInfo info;
    info.videoCodecId = info.audioCodecId = 1;
    info.durationSeconds = info.width = info.height = info.videoBitRate = 7;
    info.frameRate = 7;
    info.durationKnown = false;
    info.audioBitRate = info.channels = info.sampleRate = 7;
    const ProbeOutcome outcome = ProbeMedia(fuzz::ScratchFolder(), name, info);
    FUZZ_CHECK(outcome == info.outcome);
    const int code = static_cast<int>(outcome);
    FUZZ_CHECK(code >= 0 && code <= 5);
    // A length is a time the list can show (below 100000 hours), or unknown and then zero.
    FUZZ_CHECK(info.durationSeconds >= 0 && info.durationSeconds < 360000000);
    FUZZ_CHECK(info.durationKnown || info.durationSeconds == 0);

    const bool videoEmpty = info.videoCodecId == 0 && info.width == 0 && info.height == 0
        && info.videoBitRate == 0 && info.frameRate == 0;
    const bool audioEmpty = info.audioCodecId == 0 && info.audioBitRate == 0 && info.channels == 0
        && info.sampleRate == 0;
    switch (outcome) {
    case ProbeOutcome::OpenFailed:
    case ProbeOutcome::NoStreams:
        FUZZ_CHECK(videoEmpty && audioEmpty && info.durationSeconds == 0 && info.durationKnown);
        break;
    case ProbeOutcome::AudioOnly:
        FUZZ_CHECK(videoEmpty);
        break;
    case ProbeOutcome::VideoOnly:
        FUZZ_CHECK(audioEmpty);
        break;
    default:
        break;
    }
    return 0;
}
