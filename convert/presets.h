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
    H263Cif
};
enum class AudioCodec { None, Wmav2, Mp2, Libmp3lame, Libfaac, PcmS16le, LibamrNb };
enum class Quality { Low, Normal, High };

// One target format. The id is what the settings file stores: never renumber.
struct Preset
{
    int id;
    int command; // the menu command that selects it
    const char *menuGroup; // submenu of the preset menu; empty for a preset the menu does not offer
    const char *menuText; // empty for a preset the menu does not offer
    const char *solutionText;
    const char *formatLabel;
    VideoCodec videoCodec;
    AudioCodec audioCodec;
    Quality quality;
    const char *container; // "-f mp4 ", "-f psp " or ""
    const char *extension; // with its dot
};

// Every preset, in id order.
const std::vector<Preset> &AllPresets();
// The preset stored under `id`, or nullptr for an id that names none (12, 14, 15, 17, <0, >27).
const Preset *PresetById(int id);
// The preset that menu command `command` selects, or nullptr.
const Preset *PresetByCommand(int command);

// The preset menu: its submenus in order, each with the preset ids of its items in order.
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
QString QualityArgument(Quality quality);
// The container flag as the job derives it from the preset id.
QString ContainerArgumentForId(int presetId);

// The current preset: three values loaded and saved separately, never derived from each other
// on load.
struct CurrentPreset
{
    int id = 0;
    QString solutionText = QStringLiteral("APPLE iPod - Low Quarlity (*.mp4)");
    QString formatLabel = QStringLiteral("mp4 file");
};

// The text the "Solution" box shows for a preset; one preset shows its text with a blank less.
QString SolutionBoxText(const Preset &preset);
