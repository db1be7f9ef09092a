#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

struct AVFormatContext;

// Whether a probed file can be converted, and if not, why.
enum class ProbeOutcome : qint32 {
    Ready = 0, // at least one video and one audio stream
    UnknownFormat = 1, // stream information unreadable, or a video codec the converter refuses
    NoStreams = 2, // opened, but neither video nor audio
    AudioOnly = 3,
    VideoOnly = 4,
    OpenFailed = 5, // missing, unreadable, not a regular file, or not a known container
};

// What one probe learns about a file. The video fields come from the first video stream, the
// audio fields from the first audio stream; a field with nothing to report is zero.
struct MediaInfo
{
    qint32 videoCodecId = 0; // AVCodecID
    qint32 audioCodecId = 0; // AVCodecID
    ProbeOutcome outcome = ProbeOutcome::Ready;
    qint32 durationSeconds = 0; // container duration, whole seconds; see ProbeMedia
    bool durationKnown = true; // false: streams were read but the container states no length
    qint32 width = 0;
    qint32 height = 0;
    qint32 videoBitRate = 0; // bits per second
    float frameRate = 0; // frames per second
    qint32 audioBitRate = 0; // bits per second
    qint32 channels = 0;
    qint32 sampleRate = 0; // Hz
};

// Opens `folder` + `name` (the folder ends with "/", nothing is inserted between them) and fills
// `info`, which is reset first. Returns `info.outcome`. Prints nothing and never throws.
//
// `durationSeconds` is the container duration in whole seconds, truncated. A file with a video or
// audio stream whose container states no length (written to a pipe, a raw stream), a negative one,
// or one of 100000 hours or more (which FormatDuration cannot show as a time) keeps its stream
// outcome (Ready, AudioOnly, VideoOnly; UnknownFormat for a refused video codec) and gets
// `durationKnown` false with `durationSeconds` 0: such a file converts like any other, only its
// progress cannot be measured in time. When the file cannot be opened, its stream information
// cannot be read or it has no audio or video stream, only `outcome` is set (`durationKnown` keeps
// its default, true, with 0 seconds).
ProbeOutcome ProbeMedia(const QString &folder, const QString &name, MediaInfo &info);

// True for a video codec that the converter cannot read (RealVideo 3 and 4): a file whose first
// video stream uses it is reported as UnknownFormat, with every other field filled.
bool IsUnconvertibleVideoCodec(int codecId);

// Why the probe refused the file at `path` (the outcome and codecs in `info`), for the Status
// tooltip of an "Unknown Format!" item: not there, cannot be read, not a media file, no audio or
// video stream, streams that cannot be read, a codec that cannot be converted. Empty for an
// outcome that can be converted.
QString UnknownFormatReason(const QString &path, const MediaInfo &info);
// True when the file at `path` holds at least one audio or video packet that its decoder turns
// into a frame (a few hundred packets are looked at, at most). A file whose streams are declared
// but hold no samples gives false.
bool HasDecodablePacket(const QString &path);

// Opens the local file `path` (in the file system's encoding) for libavformat, as
// avformat_open_input does, never reaching the network or a device through references inside it;
// the library's complaints are silenced. 0 when opened; the caller closes `context`.
int OpenLocalMediaFile(const QByteArray &path, AVFormatContext **context);
