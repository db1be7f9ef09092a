#pragma once

#include <QString>
#include <QStringList>

// Media for tests, made with the converter's own generators.
namespace testmedia {

// The converter used to make media (from PATH).
QString Ffmpeg();
QString Ffprobe();

struct Clip
{
    double seconds = 2;
    bool video = true;
    bool audio = true;
    QString size = QStringLiteral("320x240");
    QString frameRate = QStringLiteral("25");
    int sampleRate = 44100;
    int channels = 2;
    QStringList codecArguments; // e.g. {"-c:v", "mpeg4", "-c:a", "aac"}; empty: container's default
};

// Writes `clip` to `path` (the container follows the extension). False, with the converter's
// output in `log`, when it fails.
bool Make(const QString &path, const Clip &clip = Clip(), QString *log = nullptr);

// A one-second 160x120 H.264/AAC clip at `path`, the kind the benchmarks list many times over.
bool MakeSmallClip(const QString &path, QString *log = nullptr);

// A 10-second 320x240 H.264/AAC MP4 whose index, at its start, promises all 10 seconds while its
// data ends after about 3, as when a card is pulled out while the camera writes.
bool MakeCutClip(const QString &path);

// Runs the converter with `arguments`; true when it exits with 0.
bool RunFfmpeg(const QStringList &arguments, QString *log = nullptr);

// A 2-second clip whose container states no length, written the way the converter writes to a
// pipe (it cannot go back to fill in the length). The extension of `path` picks the shape:
//   .flac       FLAC audio (no sample count in its stream information)
//   .wmv, .asf  WMV2 video, 160x120 at 25 fps, with WMA2 audio
//   .mkv        MPEG-4 video, 160x120 at 25 fps, with AAC audio (Matroska)
//   .webm       VP8 video, 160x120 at 25 fps, with Vorbis audio
//   .h264       a raw H.264 stream, 160x120 at 25 fps, no audio
// False, with the reason in `log`, for any other extension or when the converter fails.
// `seconds`: how long the clip lasts.
bool MakeUnknownLength(const QString &path, QString *log = nullptr, double seconds = 2);

// An ASF file (name it .wmv or .asf) with the stream header of an H.264 video stream, 160x120,
// and no media data at all: it states no length, probes as video only, and every conversion of it
// fails (to a video format: the picture format of the stream cannot be determined; to an audio
// format: the output has no stream).
bool MakeHeaderOnly(const QString &path, QString *log = nullptr);

// Files that hold more than one picture and one sound, each 1 s, 160x120, made in `folder`
// (which ends with "/"); false, with the converter's words in `log`, when one cannot be made:
//   film.mkv   H.264; AAC "eng", AAC "ger" titled "Deutsch" (the default track); SubRip "eng";
//              two PGS picture subtitle tracks; 2 chapters; recorded 2016-07-04T10:00:00Z
//   phone.mp4  H.264 turned 90 degrees, AAC; recorded 2016-07-04T10:00:00Z at
//              +48.8577+002.2950/; the file dated 2016 too
//   song.mp3   MP3 titled "Kelvora Song" with a JPEG cover
//   hdr.mp4    10-bit H.265 tagged BT.2020 and PQ (HDR10), with AAC
bool MakeRichMedia(const QString &folder, QString *log = nullptr);

// The streams of a file as ffprobe sees them: "video:mpeg4", "audio:aac", ...
QStringList Streams(const QString &path);
// The container's format name(s) as ffprobe reports them ("mov,mp4,m4a,3gp,3g2,mj2", "asf" ...).
QString FormatName(const QString &path);
// The container's duration in seconds, or -1.
double Duration(const QString &path);

} // namespace testmedia
