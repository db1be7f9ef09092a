#include "convert/presets.h"

#include "res/resource.h"

#include <algorithm>
#include <cstring>

namespace {

using V = VideoCodec;
using A = AudioCodec;
using Q = Quality;

const std::vector<Preset> kPresets = {
    {13, 32859, "General Video", "WMV - Windows Media Video (*.wmv)",
     "WMV - Windows Media Video (*.wmv)", "wmv file", V::Wmv2, A::Wmav2, Q::Normal, "", ".wmv"},
    {22, 32845, "General Video", "Divx Video (*.avi)", "AVI - Audio-Video Interleave (*.avi)",
     "avi file", V::Mpeg4, A::Libmp3lame, Q::Normal, "", ".avi"},
    {21, 32847, "General Video", "ASF - Advanced Streaming Format (*.asf)",
     "ASF - Advanced Streaming Format (*.asf)", "asf file", V::Msmpeg4, A::Libmp3lame, Q::Normal,
     "", ".asf"},
    {16, 32848, "General Video", "MPEG1 Movie (*.mpg)", "MPEG1 Movie (*.mpg)", "mpg file",
     V::Mpeg1Video, A::Mp2, Q::Normal, "", ".mpg"},
    {18, 32857, "General Video", "MPEG2 Movie (*.vob)", "MPEG2 Movie (*.vob)", "vob file",
     V::Mpeg2Video, A::Mp2, Q::Normal, "", ".vob"},
    {19, 32858, "General Video", "MPEG4 Movie (*.mp4)", "MPEG4 Movie (*.mp4)", "mp4 file", V::Mpeg4,
     A::Libfaac, Q::Normal, "-f mp4 ", ".mp4"},
    {23, 32844, "General Audio", "WMA - Windows Media Audio (*.wma)",
     "WMA - Windows Media Audio (*.wma)", "wma file", V::None, A::Wmav2, Q::Normal, "", ".wma"},
    {24, 32863, "General Audio", "Mp3 - Mpeg Audio Layer3 (*.mp3)", "Mp3 Audio (*.mp3)", "mp3 file",
     V::None, A::Libmp3lame, Q::Normal, "", ".mp3"},
    {26, 32866, "Mobile Phone", "3GPP  (*.3gp)", "3GP  (*.3gp)", "3gp file", V::H263Cif,
     A::LibamrNb, Q::Normal, "", ".3gp", "3GP (*.3gp)"},
    {27, 32867, "Mobile Phone", "3GPP2 (*.3g2)", "3GPP2 (*.3g2)", "3g2 file", V::Mpeg4, A::Libfaac,
     Q::Normal, "", ".3g2"},
    {25, 32865, "Mobile Phone", "BlackBerry 3GP (*.3gp)", "BlackBerry 3GP (*.3gp)",
     "BlackBerry 3GP file", V::Mpeg4, A::LibamrNb, Q::Normal, "", ".3gp"},
    {2, 32856, "Apple iPod", "iPod - High Quarlity (*.mp4)", "APPLE iPod - High Quarlity (*.mp4)",
     "mp4 file", V::Mpeg4, A::Libfaac, Q::High, "-f mp4 ", ".mp4"},
    {1, 32855, "Apple iPod", "iPod - Normal Quarlity (*.mp4)",
     "APPLE iPod - Normal Quarlity (*.mp4)", "mp4 file", V::Mpeg4, A::Libfaac, Q::Normal, "-f mp4 ",
     ".mp4"},
    {0, 32854, "Apple iPod", "iPod - Low Quarlity (*.mp4)", "APPLE iPod - Low Quarlity (*.mp4)",
     "mp4 file", V::Mpeg4, A::Libfaac, Q::Low, "-f mp4 ", ".mp4"},
    {5, 32851, "Apple iPhone", "iPhone - High Quarlity (*.mp4)",
     "APPLE iPhone - High Quarlity (*.mp4)", "mp4 file", V::Mpeg4, A::Libfaac, Q::High, "-f mp4 ",
     ".mp4"},
    {4, 32852, "Apple iPhone", "iPhone - Normal Quarlity (*.mp4)",
     "APPLE iPhone - Normal Quarlity (*.mp4)", "mp4 file", V::Mpeg4, A::Libfaac, Q::Normal,
     "-f mp4 ", ".mp4"},
    {3, 32853, "Apple iPhone", "iPhone - Low Quarlity (*.mp4)",
     "APPLE iPhone - Low Quarlity (*.mp4)", "mp4 file", V::Mpeg4, A::Libfaac, Q::Low, "-f mp4 ",
     ".mp4"},
    {8, 32831, "Sony PSP/PS3", "PSP - High Quarlity (*.mp4)", "SONY PSP - High Quarlity (*.mp4)",
     "mp4 file", V::Libx264, A::Libfaac, Q::High, "-f psp ", ".mp4"},
    {7, 32832, "Sony PSP/PS3", "PSP - Normal Quarlity (*.mp4)",
     "SONY PSP - Normal Quarlity (*.mp4)", "mp4 file", V::Libx264, A::Libfaac, Q::Normal, "-f psp ",
     ".mp4"},
    {6, 32833, "Sony PSP/PS3", "PSP - Low Quarlity (*.mp4)", "SONY PSP - Low Quarlity (*.mp4)",
     "mp4 file", V::Libx264, A::Libfaac, Q::Low, "-f psp ", ".mp4"},
    {11, 32834, "Sony PSP/PS3", "PS3 - High Quarlity (*.mp4)", "SONY PS3 - High Quarlity (*.mp4)",
     "mp4 file", V::Libx264, A::Libfaac, Q::High, "-f psp ", ".mp4"},
    {10, 32835, "Sony PSP/PS3", "PS3 - Normal Quarlity (*.mp4)",
     "SONY PS3 - Normal Quarlity (*.mp4)", "mp4 file", V::Libx264, A::Libfaac, Q::Normal, "-f psp ",
     ".mp4"},
    {9, 32836, "Sony PSP/PS3", "PS3 - Low Quarlity (*.mp4)", "SONY PS3 - Low Quarlity (*.mp4)",
     "mp4 file", V::Libx264, A::Libfaac, Q::Low, "-f psp ", ".mp4"},
    {20, 32846, "", "", "DV - Digital Video (*.dv)", "dv file", V::DvVideo, A::PcmS16le, Q::Normal,
     "", ".dv"},
    // The modern presets: one row each, in menu order.
    {28, ID_PRESET_28, "Modern Video", "MP4 - H.264/AAC - High Quality (*.mp4)",
     "MP4 - H.264/AAC - High Quality (*.mp4)", "mp4 file", V::X264, A::AacVideo, Q::High,
     "-movflags +faststart -f mp4 ", ".mp4", nullptr, kFollowsSizeLimit},
    {29, ID_PRESET_29, "Modern Video", "MP4 - H.264/AAC - Normal Quality (*.mp4)",
     "MP4 - H.264/AAC - Normal Quality (*.mp4)", "mp4 file", V::X264, A::AacVideo, Q::Normal,
     "-movflags +faststart -f mp4 ", ".mp4", nullptr, kFollowsSizeLimit},
    {30, ID_PRESET_30, "Modern Video", "MP4 - H.264/AAC - Low Quality (*.mp4)",
     "MP4 - H.264/AAC - Low Quality (*.mp4)", "mp4 file", V::X264, A::AacVideo, Q::Low,
     "-movflags +faststart -f mp4 ", ".mp4", nullptr, kFollowsSizeLimit},
    {31, ID_PRESET_31, "Modern Video", "MP4 - H.265/AAC - High Quality (*.mp4)",
     "MP4 - H.265/AAC - High Quality (*.mp4)", "mp4 file", V::X265, A::AacVideo, Q::High,
     "-movflags +faststart -f mp4 ", ".mp4", nullptr, kFollowsSizeLimit},
    {32, ID_PRESET_32, "Modern Video", "MP4 - H.265/AAC - Normal Quality (*.mp4)",
     "MP4 - H.265/AAC - Normal Quality (*.mp4)", "mp4 file", V::X265, A::AacVideo, Q::Normal,
     "-movflags +faststart -f mp4 ", ".mp4", nullptr, kFollowsSizeLimit},
    {33, ID_PRESET_33, "Modern Video", "MP4 - H.265/AAC - Low Quality (*.mp4)",
     "MP4 - H.265/AAC - Low Quality (*.mp4)", "mp4 file", V::X265, A::AacVideo, Q::Low,
     "-movflags +faststart -f mp4 ", ".mp4", nullptr, kFollowsSizeLimit},
    {34, ID_PRESET_34, "Modern Video", "WebM - VP9/Opus - High Quality (*.webm)",
     "WebM - VP9/Opus - High Quality (*.webm)", "webm file", V::Vp9, A::OpusVideo, Q::High,
     "-f webm ", ".webm", nullptr, kFollowsSizeLimit},
    {35, ID_PRESET_35, "Modern Video", "WebM - VP9/Opus - Normal Quality (*.webm)",
     "WebM - VP9/Opus - Normal Quality (*.webm)", "webm file", V::Vp9, A::OpusVideo, Q::Normal,
     "-f webm ", ".webm", nullptr, kFollowsSizeLimit},
    {36, ID_PRESET_36, "Modern Video", "WebM - VP9/Opus - Low Quality (*.webm)",
     "WebM - VP9/Opus - Low Quality (*.webm)", "webm file", V::Vp9, A::OpusVideo, Q::Low,
     "-f webm ", ".webm", nullptr, kFollowsSizeLimit},
    {37, ID_PRESET_37, "Modern Video", "MKV - AV1/Opus - High Quality (*.mkv)",
     "MKV - AV1/Opus - High Quality (*.mkv)", "mkv file", V::Av1, A::OpusVideo, Q::High,
     "-f matroska ", ".mkv", nullptr, kFollowsSizeLimit},
    {38, ID_PRESET_38, "Modern Video", "MKV - AV1/Opus - Normal Quality (*.mkv)",
     "MKV - AV1/Opus - Normal Quality (*.mkv)", "mkv file", V::Av1, A::OpusVideo, Q::Normal,
     "-f matroska ", ".mkv", nullptr, kFollowsSizeLimit},
    {39, ID_PRESET_39, "Modern Video", "MKV - AV1/Opus - Low Quality (*.mkv)",
     "MKV - AV1/Opus - Low Quality (*.mkv)", "mkv file", V::Av1, A::OpusVideo, Q::Low,
     "-f matroska ", ".mkv", nullptr, kFollowsSizeLimit},
    {40, ID_PRESET_40, "Same Quality", "MKV - Keep Streams, No Re-encoding (*.mkv)",
     "MKV - Keep Streams, No Re-encoding (*.mkv)", "mkv file", V::CopyStreams, A::None, Q::Normal,
     "-f matroska ", ".mkv", nullptr, kNoOptions},
    {41, ID_PRESET_41, "Same Quality", "MP4 - Keep Streams, No Re-encoding (*.mp4)",
     "MP4 - Keep Streams, No Re-encoding (*.mp4)", "mp4 file", V::CopyStreams, A::None, Q::Normal,
     "-movflags +faststart -f mp4 ", ".mp4", nullptr, kNoOptions},
    {42, ID_PRESET_42, "Modern Audio", "M4A - AAC (*.m4a)", "M4A - AAC (*.m4a)", "m4a file",
     V::None, A::AacMusic, Q::Normal, "-f ipod ", ".m4a", nullptr, kKeepsTags},
    {43, ID_PRESET_43, "Modern Audio", "Opus (*.opus)", "Opus (*.opus)", "opus file", V::None,
     A::OpusMusic, Q::Normal, "-f opus ", ".opus", nullptr, kKeepsTags},
    {44, ID_PRESET_44, "Modern Audio", "FLAC - Lossless (*.flac)", "FLAC - Lossless (*.flac)",
     "flac file", V::None, A::Flac, Q::Normal, "-f flac ", ".flac", nullptr, kKeepsTags},
    {45, ID_PRESET_45, "Modern Audio", "MP3 - High Quality VBR (*.mp3)",
     "MP3 - High Quality VBR (*.mp3)", "mp3 file", V::None, A::Mp3Vbr, Q::Normal, "-f mp3 ", ".mp3",
     nullptr, kKeepsTags},
    {46, ID_PRESET_46, "Modern Audio", "WAV - Uncompressed (*.wav)", "WAV - Uncompressed (*.wav)",
     "wav file", V::None, A::PcmMusic, Q::Normal, "-f wav ", ".wav", nullptr, kKeepsTags},
};

// The menu's groups, gathered from the table: a group where its first preset is, its items in
// table order.
std::vector<PresetMenuGroup> GatherMenuGroups()
{
    std::vector<PresetMenuGroup> groups;
    for (const Preset &preset : kPresets) {
        if (!*preset.menuGroup)
            continue;
        auto group = std::find_if(groups.begin(), groups.end(), [&](const PresetMenuGroup &g) {
            return std::strcmp(g.title, preset.menuGroup) == 0;
        });
        if (group == groups.end())
            group = groups.insert(groups.end(), PresetMenuGroup {preset.menuGroup, {}});
        group->ids.push_back(preset.id);
    }
    return groups;
}

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
    static const std::vector<PresetMenuGroup> groups = GatherMenuGroups();
    return groups;
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
    // 4:2:0 pictures, which every player decodes. Subtitles are left out: a picture-based one
    // could not be turned into the text the containers want, and the whole conversion would fail.
    case V::X264:
        return QStringLiteral("-vcodec libx264 -preset medium -pix_fmt yuv420p -sn ");
    // Tagged hvc1 so that Apple's players accept it; the encoder's own report is kept out of the
    // converter's last words.
    case V::X265:
        return QStringLiteral("-vcodec libx265 -preset medium -pix_fmt yuv420p -tag:v hvc1 "
                              "-x265-params log-level=error -sn ");
    // A bit rate of 0 makes the quality value a constant quality rather than a ceiling.
    case V::Vp9:
        return QStringLiteral("-vcodec libvpx-vp9 -b:v 0 -deadline good -cpu-used 4 -row-mt 1 "
                              "-pix_fmt yuv420p -sn ");
    case V::Av1:
        return QStringLiteral("-vcodec libsvtav1 -preset 8 -pix_fmt yuv420p -sn ");
    case V::Av1Aom:
        return QStringLiteral("-vcodec libaom-av1 -b:v 0 -cpu-used 6 -row-mt 1 -pix_fmt yuv420p "
                              "-sn ");
    case V::CopyStreams:
        // Data streams (time codes, camera records) are no video, audio or subtitles and most
        // containers refuse them.
        return QStringLiteral("-map 0 -dn -c copy ");
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
    case A::AacVideo:
        return QStringLiteral("-acodec aac -b:a 128k ");
    case A::AacMusic:
        return QStringLiteral("-acodec aac -b:a 192k ");
    case A::OpusVideo:
        return QStringLiteral("-acodec libopus -b:a 96k ");
    case A::OpusMusic:
        return QStringLiteral("-acodec libopus -b:a 128k ");
    case A::Flac:
        return QStringLiteral("-acodec flac ");
    case A::Mp3Vbr:
        return QStringLiteral("-acodec libmp3lame -q:a 2 ");
    case A::PcmMusic:
        return QStringLiteral("-acodec pcm_s16le ");
    }
    return QString();
}

namespace {

// The constant-quality value of each modern video encoder for Low, Normal and High (lower is
// better; docs/FORMATS.md tells how they were chosen).
struct ConstantQuality
{
    VideoCodec codec;
    int low;
    int normal;
    int high;
};
constexpr ConstantQuality kConstantQualities[] = {
    {V::X264, 30, 25, 20}, {V::X265, 31, 27, 22},   {V::Vp9, 42, 36, 28},
    {V::Av1, 46, 38, 30},  {V::Av1Aom, 42, 34, 27},
};

} // namespace

QString QualityArgument(VideoCodec video, AudioCodec audio, Quality quality)
{
    for (const ConstantQuality &q : kConstantQualities) {
        if (q.codec == video) {
            const int value = quality == Q::Low ? q.low : quality == Q::High ? q.high : q.normal;
            return QStringLiteral("-crf %1 ").arg(value);
        }
    }
    if (video == V::CopyStreams)
        return QString();
    switch (audio) {
    case A::AacMusic:
    case A::OpusMusic:
    case A::Flac:
    case A::Mp3Vbr:
    case A::PcmMusic:
        return QString();
    default:
        break;
    }
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

QString SizeLimitArgument(int limit)
{
    // The shorter side is limited, so that a portrait video (a phone held upright) comes out as
    // sharp as a landscape one: 1080x1920 stays 1080p. min() never enlarges; the other side
    // follows the aspect ratio, rounded to an even number (-2). The quotes keep the commas from
    // the converter's filter-chain parser; no shell ever sees them.
    const auto even = [limit](const char *side) {
        const QString bounded = limit > 0 ? QStringLiteral("min(%1,%2)").arg(limit).arg(side)
                                          : QString::fromLatin1(side);
        return QStringLiteral("max(2,2*trunc(%1/2))").arg(bounded);
    };
    return QStringLiteral("-vf scale=w='if(gte(iw,ih),-2,%1)':h='if(gte(iw,ih),%2,-2)' ")
        .arg(even("iw"), even("ih"));
}

QString SolutionBoxText(const Preset &preset)
{
    return QString::fromLatin1(preset.boxText ? preset.boxText : preset.solutionText);
}
