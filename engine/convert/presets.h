#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

enum class VideoCodec {
    None,
    Mpeg1Video,
    Mpeg2Video,
    Mpeg4,
    Wmv2,
    Libx264,
    Msmpeg4,
    DvVideo,
    H263Cif,
    // The modern presets' encoders, each run at a constant quality.
    X264,
    X265,
    Vp9,
    Av1, // SVT-AV1; a converter that only has libaom-av1 makes Av1Aom in its place
    Av1Aom,
    CopyStreams, // every stream of the input copied as it is, audio and subtitles included
};
enum class AudioCodec {
    None,
    Wmav2,
    Mp2,
    Libmp3lame,
    Libfaac,
    PcmS16le,
    LibamrNb, // a converter without an AMR encoder makes AacAmrRate in its place
    AacAmrRate, // AAC at AMR's rate, bit rate and channel count
    // The modern presets' encoders, each with its own bit rate or quality.
    AacVideo, // AAC beside a picture: 128 kbit/s
    AacMusic, // AAC on its own: 192 kbit/s
    OpusVideo, // Opus beside a picture: 96 kbit/s
    OpusMusic, // Opus on its own: 128 kbit/s
    Flac,
    Mp3Vbr, // LAME's variable bit rate at quality 2
    PcmMusic, // 16-bit PCM on its own
};
enum class Quality { Low, Normal, High };

// What a preset asks of the command beyond its codecs, quality and container.
enum PresetOption {
    kNoOptions = 0,
    kFollowsSizeLimit = 0x1, // the picture is scaled down to the chosen size limit
    kKeepsTags = 0x2, // the input's tags (its own and its audio stream's) go into the output
    kFastStart = 0x4, // an MP4 whose index comes first, so that players can start before the end
};

// One target format: one row of the table holds everything about it, its group and text in the
// preset menu included (the window gives each its command). The id is what the settings file
// stores: never renumber.
struct Preset
{
    int id;
    const char *menuGroup; // submenu of the preset menu; empty for a preset the menu does not offer
    const char *menuText; // empty for a preset the menu does not offer
    const char *solutionText; // stored in the settings file
    const char *formatLabel;
    VideoCodec videoCodec;
    AudioCodec audioCodec;
    Quality quality;
    // The converter's name of the output's container ("mp4", "psp", "matroska" ...); empty: the
    // extension decides.
    const char *format;
    const char *extension; // with its dot
    // The text the Solution box shows when it differs from solutionText; nullptr: the same.
    const char *boxText = nullptr;
    int options = kNoOptions; // PresetOption flags
};

// Every preset, in the order of the preset menu (the preset the menu does not offer among them).
const std::vector<Preset> &AllPresets();
// The preset stored under `id`, or nullptr for an id that names none (12, 14, 15, 17, <0, or
// beyond the table).
const Preset *PresetById(int id);

// The preset menu: its submenus in order, each with the preset ids of its items in order. Made
// from the table: a group comes where its first preset is, its items in table order.
struct PresetMenuGroup
{
    const char *title;
    std::vector<int> ids;
};
const std::vector<PresetMenuGroup> &PresetMenuGroups();

// One row of the codec table: how the converter is asked for a codec and what it needs for it.
template<typename Id> struct CodecRow
{
    Id id;
    const char *encoder; // named after -vcodec or -acodec; nullptr: the arguments name none
    std::vector<const char *> arguments; // after the encoder's name
    // The preset menu offers the codec only when the converter lists one of these; none: always
    // (the described presets: the converter's own message tells what it lacks).
    std::vector<const char *> needs;
    // The quality argument ("-qscale", "-crf") and its value for Low, Normal and High; nullptr:
    // none. A preset without video takes its audio codec's.
    const char *qualityOption;
    std::array<int, 3> quality;
    // Made in its place by a converter that does not list `encoder` but has what the fallback
    // needs.
    std::optional<Id> fallback = std::nullopt;
};
using VideoCodecRow = CodecRow<VideoCodec>;
using AudioCodecRow = CodecRow<AudioCodec>;

const VideoCodecRow &CodecOf(VideoCodec codec);
const AudioCodecRow &CodecOf(AudioCodec codec);

// The size limits the modern video presets follow: the shorter side of the picture at most this
// many pixels; 0 keeps the size.
constexpr int kSizeLimits[] = {0, 1080, 720, 480};
// The scale filter for `limit` ("-vf", "scale=..."): never enlarges, keeps the aspect ratio,
// gives even dimensions (which the 4:2:0 encoders need) whatever the limit, 0 included.
QStringList SizeLimitArguments(int limit);

// The current preset: three values loaded and saved separately, never derived from each other
// on load.
struct CurrentPreset
{
    int id = 0;
    QString solutionText = QStringLiteral("APPLE iPod - Low Quarlity (*.mp4)");
    QString formatLabel = QStringLiteral("mp4 file");
};

// The text the "Solution" box shows for a preset.
QString SolutionBoxText(const Preset &preset);
