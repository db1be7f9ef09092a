#pragma once

#include <QString>

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
    // The modern presets' encoders, each run at a constant quality (see QualityArgument).
    X264,
    X265,
    Vp9,
    Av1, // SVT-AV1; ApplyPreset turns it into Av1Aom for a converter that only has libaom-av1
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
    LibamrNb,
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
};

// One target format: one row of the table holds everything about it, its place in the preset
// menu included. The id is what the settings file stores: never renumber.
struct Preset
{
    int id;
    int command; // the menu command that selects it
    const char *menuGroup; // submenu of the preset menu; empty for a preset the menu does not offer
    const char *menuText; // empty for a preset the menu does not offer
    const char *solutionText; // stored in the settings file
    const char *formatLabel;
    VideoCodec videoCodec;
    AudioCodec audioCodec;
    Quality quality;
    // The arguments that name the output's container, each ending with one blank: "-f mp4 ",
    // "-f psp ", "" (the extension decides), "-movflags +faststart -f mp4 " ...
    const char *container;
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
// The preset that menu command `command` selects, or nullptr.
const Preset *PresetByCommand(int command);

// The preset menu: its submenus in order, each with the preset ids of its items in order. Made
// from the table: a group comes where its first preset is, its items in table order.
struct PresetMenuGroup
{
    const char *title;
    std::vector<int> ids;
};
const std::vector<PresetMenuGroup> &PresetMenuGroups();

// Argument texts, each ending with one blank; empty for "none".
QString VideoCodecArgument(VideoCodec codec);
// `amrEncoderAvailable`: the converter has an AMR narrow-band encoder; without one the AMR
// presets fall back to AAC at the same rate, bit rate and channel count.
QString AudioCodecArgument(AudioCodec codec, bool amrEncoderAvailable);
// The quality scale of the described presets ("-qscale 3 " ... "-qscale 9 ", audio-only ones
// included); the constant quality of the modern video encoders ("-crf 23 " ...); nothing for the
// modern audio presets and for copied streams.
QString QualityArgument(VideoCodec video, AudioCodec audio, Quality quality);

// The size limits the modern video presets follow: the shorter side of the picture at most this
// many pixels; 0 keeps the size.
constexpr int kSizeLimits[] = {0, 1080, 720, 480};
// The scale filter for `limit` ("-vf scale=... "): never enlarges, keeps the aspect ratio, gives
// even dimensions (which the 4:2:0 encoders need) whatever the limit, 0 included.
QString SizeLimitArgument(int limit);

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
