#include "convert/presets.h"

namespace {

using V = VideoCodec;
using A = AudioCodec;
using Q = Quality;

const std::vector<Preset> kPresets = {
    {0, 32854, "Apple iPod", "iPod - Low Quarlity (*.mp4)", "APPLE iPod - Low Quarlity (*.mp4)",
     "mp4 file", V::Mpeg4, A::Libfaac, Q::Low, "-f mp4 ", ".mp4"},
    {1, 32855, "Apple iPod", "iPod - Normal Quarlity (*.mp4)",
     "APPLE iPod - Normal Quarlity (*.mp4)", "mp4 file", V::Mpeg4, A::Libfaac, Q::Normal, "-f mp4 ",
     ".mp4"},
    {2, 32856, "Apple iPod", "iPod - High Quarlity (*.mp4)", "APPLE iPod - High Quarlity (*.mp4)",
     "mp4 file", V::Mpeg4, A::Libfaac, Q::High, "-f mp4 ", ".mp4"},
    {3, 32853, "Apple iPhone", "iPhone - Low Quarlity (*.mp4)",
     "APPLE iPhone - Low Quarlity (*.mp4)", "mp4 file", V::Mpeg4, A::Libfaac, Q::Low, "-f mp4 ",
     ".mp4"},
    {4, 32852, "Apple iPhone", "iPhone - Normal Quarlity (*.mp4)",
     "APPLE iPhone - Normal Quarlity (*.mp4)", "mp4 file", V::Mpeg4, A::Libfaac, Q::Normal,
     "-f mp4 ", ".mp4"},
    {5, 32851, "Apple iPhone", "iPhone - High Quarlity (*.mp4)",
     "APPLE iPhone - High Quarlity (*.mp4)", "mp4 file", V::Mpeg4, A::Libfaac, Q::High, "-f mp4 ",
     ".mp4"},
    {6, 32833, "Sony PSP/PS3", "PSP - Low Quarlity (*.mp4)", "SONY PSP - Low Quarlity (*.mp4)",
     "mp4 file", V::Libx264, A::Libfaac, Q::Low, "-f psp ", ".mp4"},
    {7, 32832, "Sony PSP/PS3", "PSP - Normal Quarlity (*.mp4)",
     "SONY PSP - Normal Quarlity (*.mp4)", "mp4 file", V::Libx264, A::Libfaac, Q::Normal, "-f psp ",
     ".mp4"},
    {8, 32831, "Sony PSP/PS3", "PSP - High Quarlity (*.mp4)", "SONY PSP - High Quarlity (*.mp4)",
     "mp4 file", V::Libx264, A::Libfaac, Q::High, "-f psp ", ".mp4"},
    {9, 32836, "Sony PSP/PS3", "PS3 - Low Quarlity (*.mp4)", "SONY PS3 - Low Quarlity (*.mp4)",
     "mp4 file", V::Libx264, A::Libfaac, Q::Low, "-f psp ", ".mp4"},
    {10, 32835, "Sony PSP/PS3", "PS3 - Normal Quarlity (*.mp4)",
     "SONY PS3 - Normal Quarlity (*.mp4)", "mp4 file", V::Libx264, A::Libfaac, Q::Normal, "-f psp ",
     ".mp4"},
    {11, 32834, "Sony PSP/PS3", "PS3 - High Quarlity (*.mp4)", "SONY PS3 - High Quarlity (*.mp4)",
     "mp4 file", V::Libx264, A::Libfaac, Q::High, "-f psp ", ".mp4"},
    {13, 32859, "General Video", "WMV - Windows Media Video (*.wmv)",
     "WMV - Windows Media Video (*.wmv)", "wmv file", V::Wmv2, A::Wmav2, Q::Normal, "", ".wmv"},
    {16, 32848, "General Video", "MPEG1 Movie (*.mpg)", "MPEG1 Movie (*.mpg)", "mpg file",
     V::Mpeg1Video, A::Mp2, Q::Normal, "", ".mpg"},
    {18, 32857, "General Video", "MPEG2 Movie (*.vob)", "MPEG2 Movie (*.vob)", "vob file",
     V::Mpeg2Video, A::Mp2, Q::Normal, "", ".vob"},
    {19, 32858, "General Video", "MPEG4 Movie (*.mp4)", "MPEG4 Movie (*.mp4)", "mp4 file", V::Mpeg4,
     A::Libfaac, Q::Normal, "-f mp4 ", ".mp4"},
    {20, 32846, "", "", "DV - Digital Video (*.dv)", "dv file", V::DvVideo, A::PcmS16le, Q::Normal,
     "", ".dv"},
    {21, 32847, "General Video", "ASF - Advanced Streaming Format (*.asf)",
     "ASF - Advanced Streaming Format (*.asf)", "asf file", V::Msmpeg4, A::Libmp3lame, Q::Normal,
     "", ".asf"},
    {22, 32845, "General Video", "Divx Video (*.avi)", "AVI - Audio-Video Interleave (*.avi)",
     "avi file", V::Mpeg4, A::Libmp3lame, Q::Normal, "", ".avi"},
    {23, 32844, "General Audio", "WMA - Windows Media Audio (*.wma)",
     "WMA - Windows Media Audio (*.wma)", "wma file", V::None, A::Wmav2, Q::Normal, "", ".wma"},
    {24, 32863, "General Audio", "Mp3 - Mpeg Audio Layer3 (*.mp3)", "Mp3 Audio (*.mp3)", "mp3 file",
     V::None, A::Libmp3lame, Q::Normal, "", ".mp3"},
    {25, 32865, "Mobile Phone", "BlackBerry 3GP (*.3gp)", "BlackBerry 3GP (*.3gp)",
     "BlackBerry 3GP file", V::Mpeg4, A::LibamrNb, Q::Normal, "", ".3gp"},
    {26, 32866, "Mobile Phone", "3GPP  (*.3gp)", "3GP  (*.3gp)", "3gp file", V::H263Cif,
     A::LibamrNb, Q::Normal, "", ".3gp"},
    {27, 32867, "Mobile Phone", "3GPP2 (*.3g2)", "3GPP2 (*.3g2)", "3g2 file", V::Mpeg4, A::Libfaac,
     Q::Normal, "", ".3g2"},
};

const std::vector<PresetMenuGroup> kMenuGroups = {
    {"General Video", {13, 22, 21, 16, 18, 19}},
    {"General Audio", {23, 24}},
    {"Mobile Phone", {26, 27, 25}},
    {"Apple iPod", {2, 1, 0}},
    {"Apple iPhone", {5, 4, 3}},
    {"Sony PSP/PS3", {8, 7, 6, 11, 10, 9}},
};

} // namespace

const std::vector<Preset> &AllPresets()
{
    return kPresets;
}

const Preset *PresetById(int id)
{
    for (const Preset &p : kPresets) {
        if (p.id == id)
            return &p;
    }
    return nullptr;
}

const Preset *PresetByCommand(int command)
{
    for (const Preset &p : kPresets) {
        if (p.command == command)
            return &p;
    }
    return nullptr;
}

const std::vector<PresetMenuGroup> &PresetMenuGroups()
{
    return kMenuGroups;
}

QString VideoCodecArgument(VideoCodec codec)
{
    switch (codec) {
    case V::None:
        return QString();
    case V::Mpeg1Video:
        return QStringLiteral("-vcodec mpeg1video ");
    case V::Mpeg2Video:
        return QStringLiteral("-vcodec mpeg2video ");
    case V::Mpeg4:
        return QStringLiteral("-vcodec mpeg4 ");
    case V::Wmv2:
        return QStringLiteral("-vcodec wmv2 ");
    case V::Libx264:
        return QStringLiteral("-vcodec libx264 ");
    case V::Msmpeg4:
        return QStringLiteral("-vcodec msmpeg4 ");
    case V::DvVideo:
        return QStringLiteral("-vcodec dvvideo ");
    case V::H263Cif:
        return QStringLiteral("-vcodec h263 -s 352x288 ");
    }
    return QString();
}

QString AudioCodecArgument(AudioCodec codec, bool amrEncoderAvailable)
{
    switch (codec) {
    case A::None:
        return QString();
    case A::Wmav2:
        return QStringLiteral("-acodec wmav2 ");
    case A::Mp2:
        return QStringLiteral("-acodec mp2 ");
    case A::Libmp3lame:
        return QStringLiteral("-acodec libmp3lame ");
    // The converter lost its libfaac encoder long ago; its own AAC encoder takes the place.
    case A::Libfaac:
        return QStringLiteral("-acodec aac ");
    case A::PcmS16le:
        return QStringLiteral("-acodec pcm_s16le ");
    case A::LibamrNb:
        return amrEncoderAvailable
            ? QStringLiteral("-acodec libopencore_amrnb -ar 8000 -ab 12200 -ac 1 ")
            : QStringLiteral("-acodec aac -ar 8000 -ab 12200 -ac 1 ");
    }
    return QString();
}

QString QualityArgument(Quality quality)
{
    switch (quality) {
    case Q::Low:
        return QStringLiteral("-qscale 3 ");
    case Q::Normal:
        return QStringLiteral("-qscale 6 ");
    case Q::High:
        return QStringLiteral("-qscale 9 ");
    }
    return QString();
}

QString ContainerArgumentForId(int presetId)
{
    if ((presetId >= 0 && presetId <= 5) || presetId == 19)
        return QStringLiteral("-f mp4 ");
    if (presetId >= 6 && presetId <= 11)
        return QStringLiteral("-f psp ");
    return QString();
}

QString SolutionBoxText(const Preset &preset)
{
    if (preset.id == 26)
        return QStringLiteral("3GP (*.3gp)");
    return QString::fromLatin1(preset.solutionText);
}
