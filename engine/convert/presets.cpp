// The presets: each target format with its container, codecs and converter arguments.
#include "engine/convert/presets.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

using V = VideoCodec;
using A = AudioCodec;
using Q = Quality;

const std::vector<Preset> kPresets = {
    {13, QT_TRANSLATE_NOOP("Presets", "General Video"),
     QT_TRANSLATE_NOOP("Presets", "WMV - Windows Media Video (*.wmv)"),
     QT_TRANSLATE_NOOP("Presets", "WMV - Windows Media Video (*.wmv)"),
     QT_TRANSLATE_NOOP("Presets", "wmv file"), V::Wmv2, A::Wmav2, Q::Normal, "", ".wmv"},
    {22, QT_TRANSLATE_NOOP("Presets", "General Video"),
     QT_TRANSLATE_NOOP("Presets", "Divx Video (*.avi)"),
     QT_TRANSLATE_NOOP("Presets", "AVI - Audio-Video Interleave (*.avi)"),
     QT_TRANSLATE_NOOP("Presets", "avi file"), V::Mpeg4, A::Libmp3lame, Q::Normal, "", ".avi"},
    {21, QT_TRANSLATE_NOOP("Presets", "General Video"),
     QT_TRANSLATE_NOOP("Presets", "ASF - Advanced Streaming Format (*.asf)"),
     QT_TRANSLATE_NOOP("Presets", "ASF - Advanced Streaming Format (*.asf)"),
     QT_TRANSLATE_NOOP("Presets", "asf file"), V::Msmpeg4, A::Libmp3lame, Q::Normal, "", ".asf"},
    {16, QT_TRANSLATE_NOOP("Presets", "General Video"),
     QT_TRANSLATE_NOOP("Presets", "MPEG1 Movie (*.mpg)"),
     QT_TRANSLATE_NOOP("Presets", "MPEG1 Movie (*.mpg)"), QT_TRANSLATE_NOOP("Presets", "mpg file"),
     V::Mpeg1Video, A::Mp2, Q::Normal, "", ".mpg"},
    {18, QT_TRANSLATE_NOOP("Presets", "General Video"),
     QT_TRANSLATE_NOOP("Presets", "MPEG2 Movie (*.vob)"),
     QT_TRANSLATE_NOOP("Presets", "MPEG2 Movie (*.vob)"), QT_TRANSLATE_NOOP("Presets", "vob file"),
     V::Mpeg2Video, A::Mp2, Q::Normal, "", ".vob"},
    {19, QT_TRANSLATE_NOOP("Presets", "General Video"),
     QT_TRANSLATE_NOOP("Presets", "MPEG4 Movie (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "MPEG4 Movie (*.mp4)"), QT_TRANSLATE_NOOP("Presets", "mp4 file"),
     V::Mpeg4, A::Libfaac, Q::Normal, "mp4", ".mp4"},
    {23, QT_TRANSLATE_NOOP("Presets", "General Audio"),
     QT_TRANSLATE_NOOP("Presets", "WMA - Windows Media Audio (*.wma)"),
     QT_TRANSLATE_NOOP("Presets", "WMA - Windows Media Audio (*.wma)"),
     QT_TRANSLATE_NOOP("Presets", "wma file"), V::None, A::Wmav2, Q::Normal, "", ".wma"},
    {24, QT_TRANSLATE_NOOP("Presets", "General Audio"),
     QT_TRANSLATE_NOOP("Presets", "Mp3 - Mpeg Audio Layer3 (*.mp3)"),
     QT_TRANSLATE_NOOP("Presets", "Mp3 Audio (*.mp3)"), QT_TRANSLATE_NOOP("Presets", "mp3 file"),
     V::None, A::Libmp3lame, Q::Normal, "", ".mp3"},
    {26, QT_TRANSLATE_NOOP("Presets", "Mobile Phone"),
     QT_TRANSLATE_NOOP("Presets", "3GPP  (*.3gp)"), QT_TRANSLATE_NOOP("Presets", "3GP  (*.3gp)"),
     QT_TRANSLATE_NOOP("Presets", "3gp file"), V::H263Cif, A::LibamrNb, Q::Normal, "", ".3gp",
     QT_TRANSLATE_NOOP("Presets", "3GP (*.3gp)")},
    {27, QT_TRANSLATE_NOOP("Presets", "Mobile Phone"),
     QT_TRANSLATE_NOOP("Presets", "3GPP2 (*.3g2)"), QT_TRANSLATE_NOOP("Presets", "3GPP2 (*.3g2)"),
     QT_TRANSLATE_NOOP("Presets", "3g2 file"), V::Mpeg4, A::Libfaac, Q::Normal, "", ".3g2"},
    {25, QT_TRANSLATE_NOOP("Presets", "Mobile Phone"),
     QT_TRANSLATE_NOOP("Presets", "BlackBerry 3GP (*.3gp)"),
     QT_TRANSLATE_NOOP("Presets", "BlackBerry 3GP (*.3gp)"),
     QT_TRANSLATE_NOOP("Presets", "BlackBerry 3GP file"), V::Mpeg4, A::LibamrNb, Q::Normal, "",
     ".3gp"},
    {2, QT_TRANSLATE_NOOP("Presets", "Apple iPod"),
     QT_TRANSLATE_NOOP("Presets", "iPod - High Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "APPLE iPod - High Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::Mpeg4, A::Libfaac, Q::High, "mp4", ".mp4"},
    {1, QT_TRANSLATE_NOOP("Presets", "Apple iPod"),
     QT_TRANSLATE_NOOP("Presets", "iPod - Normal Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "APPLE iPod - Normal Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::Mpeg4, A::Libfaac, Q::Normal, "mp4", ".mp4"},
    {0, QT_TRANSLATE_NOOP("Presets", "Apple iPod"),
     QT_TRANSLATE_NOOP("Presets", "iPod - Low Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "APPLE iPod - Low Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::Mpeg4, A::Libfaac, Q::Low, "mp4", ".mp4"},
    {5, QT_TRANSLATE_NOOP("Presets", "Apple iPhone"),
     QT_TRANSLATE_NOOP("Presets", "iPhone - High Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "APPLE iPhone - High Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::Mpeg4, A::Libfaac, Q::High, "mp4", ".mp4"},
    {4, QT_TRANSLATE_NOOP("Presets", "Apple iPhone"),
     QT_TRANSLATE_NOOP("Presets", "iPhone - Normal Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "APPLE iPhone - Normal Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::Mpeg4, A::Libfaac, Q::Normal, "mp4", ".mp4"},
    {3, QT_TRANSLATE_NOOP("Presets", "Apple iPhone"),
     QT_TRANSLATE_NOOP("Presets", "iPhone - Low Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "APPLE iPhone - Low Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::Mpeg4, A::Libfaac, Q::Low, "mp4", ".mp4"},
    {8, QT_TRANSLATE_NOOP("Presets", "Sony PSP/PS3"),
     QT_TRANSLATE_NOOP("Presets", "PSP - High Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "SONY PSP - High Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::Libx264, A::Libfaac, Q::High, "psp", ".mp4"},
    {7, QT_TRANSLATE_NOOP("Presets", "Sony PSP/PS3"),
     QT_TRANSLATE_NOOP("Presets", "PSP - Normal Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "SONY PSP - Normal Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::Libx264, A::Libfaac, Q::Normal, "psp", ".mp4"},
    {6, QT_TRANSLATE_NOOP("Presets", "Sony PSP/PS3"),
     QT_TRANSLATE_NOOP("Presets", "PSP - Low Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "SONY PSP - Low Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::Libx264, A::Libfaac, Q::Low, "psp", ".mp4"},
    {11, QT_TRANSLATE_NOOP("Presets", "Sony PSP/PS3"),
     QT_TRANSLATE_NOOP("Presets", "PS3 - High Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "SONY PS3 - High Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::Libx264, A::Libfaac, Q::High, "psp", ".mp4"},
    {10, QT_TRANSLATE_NOOP("Presets", "Sony PSP/PS3"),
     QT_TRANSLATE_NOOP("Presets", "PS3 - Normal Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "SONY PS3 - Normal Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::Libx264, A::Libfaac, Q::Normal, "psp", ".mp4"},
    {9, QT_TRANSLATE_NOOP("Presets", "Sony PSP/PS3"),
     QT_TRANSLATE_NOOP("Presets", "PS3 - Low Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "SONY PS3 - Low Quarlity (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::Libx264, A::Libfaac, Q::Low, "psp", ".mp4"},
    {20, "", "", QT_TRANSLATE_NOOP("Presets", "DV - Digital Video (*.dv)"),
     QT_TRANSLATE_NOOP("Presets", "dv file"), V::DvVideo, A::PcmS16le, Q::Normal, "", ".dv"},
    // The modern presets: one row each, in menu order.
    {28, QT_TRANSLATE_NOOP("Presets", "Modern Video"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - H.264/AAC - High Quality (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - H.264/AAC - High Quality (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::X264, A::AacVideo, Q::High, "mp4", ".mp4",
     nullptr, kFollowsSizeLimit | kFastStart},
    {29, QT_TRANSLATE_NOOP("Presets", "Modern Video"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - H.264/AAC - Normal Quality (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - H.264/AAC - Normal Quality (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::X264, A::AacVideo, Q::Normal, "mp4", ".mp4",
     nullptr, kFollowsSizeLimit | kFastStart},
    {30, QT_TRANSLATE_NOOP("Presets", "Modern Video"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - H.264/AAC - Low Quality (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - H.264/AAC - Low Quality (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::X264, A::AacVideo, Q::Low, "mp4", ".mp4", nullptr,
     kFollowsSizeLimit | kFastStart},
    {31, QT_TRANSLATE_NOOP("Presets", "Modern Video"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - H.265/AAC - High Quality (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - H.265/AAC - High Quality (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::X265, A::AacVideo, Q::High, "mp4", ".mp4",
     nullptr, kFollowsSizeLimit | kFastStart},
    {32, QT_TRANSLATE_NOOP("Presets", "Modern Video"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - H.265/AAC - Normal Quality (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - H.265/AAC - Normal Quality (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::X265, A::AacVideo, Q::Normal, "mp4", ".mp4",
     nullptr, kFollowsSizeLimit | kFastStart},
    {33, QT_TRANSLATE_NOOP("Presets", "Modern Video"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - H.265/AAC - Low Quality (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - H.265/AAC - Low Quality (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::X265, A::AacVideo, Q::Low, "mp4", ".mp4", nullptr,
     kFollowsSizeLimit | kFastStart},
    {34, QT_TRANSLATE_NOOP("Presets", "Modern Video"),
     QT_TRANSLATE_NOOP("Presets", "WebM - VP9/Opus - High Quality (*.webm)"),
     QT_TRANSLATE_NOOP("Presets", "WebM - VP9/Opus - High Quality (*.webm)"),
     QT_TRANSLATE_NOOP("Presets", "webm file"), V::Vp9, A::OpusVideo, Q::High, "webm", ".webm",
     nullptr, kFollowsSizeLimit},
    {35, QT_TRANSLATE_NOOP("Presets", "Modern Video"),
     QT_TRANSLATE_NOOP("Presets", "WebM - VP9/Opus - Normal Quality (*.webm)"),
     QT_TRANSLATE_NOOP("Presets", "WebM - VP9/Opus - Normal Quality (*.webm)"),
     QT_TRANSLATE_NOOP("Presets", "webm file"), V::Vp9, A::OpusVideo, Q::Normal, "webm", ".webm",
     nullptr, kFollowsSizeLimit},
    {36, QT_TRANSLATE_NOOP("Presets", "Modern Video"),
     QT_TRANSLATE_NOOP("Presets", "WebM - VP9/Opus - Low Quality (*.webm)"),
     QT_TRANSLATE_NOOP("Presets", "WebM - VP9/Opus - Low Quality (*.webm)"),
     QT_TRANSLATE_NOOP("Presets", "webm file"), V::Vp9, A::OpusVideo, Q::Low, "webm", ".webm",
     nullptr, kFollowsSizeLimit},
    {37, QT_TRANSLATE_NOOP("Presets", "Modern Video"),
     QT_TRANSLATE_NOOP("Presets", "MKV - AV1/Opus - High Quality (*.mkv)"),
     QT_TRANSLATE_NOOP("Presets", "MKV - AV1/Opus - High Quality (*.mkv)"),
     QT_TRANSLATE_NOOP("Presets", "mkv file"), V::Av1, A::OpusVideo, Q::High, "matroska", ".mkv",
     nullptr, kFollowsSizeLimit},
    {38, QT_TRANSLATE_NOOP("Presets", "Modern Video"),
     QT_TRANSLATE_NOOP("Presets", "MKV - AV1/Opus - Normal Quality (*.mkv)"),
     QT_TRANSLATE_NOOP("Presets", "MKV - AV1/Opus - Normal Quality (*.mkv)"),
     QT_TRANSLATE_NOOP("Presets", "mkv file"), V::Av1, A::OpusVideo, Q::Normal, "matroska", ".mkv",
     nullptr, kFollowsSizeLimit},
    {39, QT_TRANSLATE_NOOP("Presets", "Modern Video"),
     QT_TRANSLATE_NOOP("Presets", "MKV - AV1/Opus - Low Quality (*.mkv)"),
     QT_TRANSLATE_NOOP("Presets", "MKV - AV1/Opus - Low Quality (*.mkv)"),
     QT_TRANSLATE_NOOP("Presets", "mkv file"), V::Av1, A::OpusVideo, Q::Low, "matroska", ".mkv",
     nullptr, kFollowsSizeLimit},
    {40, QT_TRANSLATE_NOOP("Presets", "Same Quality"),
     QT_TRANSLATE_NOOP("Presets", "MKV - Keep Streams, No Re-encoding (*.mkv)"),
     QT_TRANSLATE_NOOP("Presets", "MKV - Keep Streams, No Re-encoding (*.mkv)"),
     QT_TRANSLATE_NOOP("Presets", "mkv file"), V::CopyStreams, A::None, Q::Normal, "matroska",
     ".mkv", nullptr, kNoOptions},
    {41, QT_TRANSLATE_NOOP("Presets", "Same Quality"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - Keep Streams, No Re-encoding (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "MP4 - Keep Streams, No Re-encoding (*.mp4)"),
     QT_TRANSLATE_NOOP("Presets", "mp4 file"), V::CopyStreams, A::None, Q::Normal, "mp4", ".mp4",
     nullptr, kFastStart},
    {42, QT_TRANSLATE_NOOP("Presets", "Modern Audio"),
     QT_TRANSLATE_NOOP("Presets", "M4A - AAC (*.m4a)"),
     QT_TRANSLATE_NOOP("Presets", "M4A - AAC (*.m4a)"), QT_TRANSLATE_NOOP("Presets", "m4a file"),
     V::None, A::AacMusic, Q::Normal, "ipod", ".m4a", nullptr, kKeepsTags},
    {43, QT_TRANSLATE_NOOP("Presets", "Modern Audio"),
     QT_TRANSLATE_NOOP("Presets", "Opus (*.opus)"), QT_TRANSLATE_NOOP("Presets", "Opus (*.opus)"),
     QT_TRANSLATE_NOOP("Presets", "opus file"), V::None, A::OpusMusic, Q::Normal, "opus", ".opus",
     nullptr, kKeepsTags},
    {44, QT_TRANSLATE_NOOP("Presets", "Modern Audio"),
     QT_TRANSLATE_NOOP("Presets", "FLAC - Lossless (*.flac)"),
     QT_TRANSLATE_NOOP("Presets", "FLAC - Lossless (*.flac)"),
     QT_TRANSLATE_NOOP("Presets", "flac file"), V::None, A::Flac, Q::Normal, "flac", ".flac",
     nullptr, kKeepsTags},
    {45, QT_TRANSLATE_NOOP("Presets", "Modern Audio"),
     QT_TRANSLATE_NOOP("Presets", "MP3 - High Quality VBR (*.mp3)"),
     QT_TRANSLATE_NOOP("Presets", "MP3 - High Quality VBR (*.mp3)"),
     QT_TRANSLATE_NOOP("Presets", "mp3 file"), V::None, A::Mp3Vbr, Q::Normal, "mp3", ".mp3",
     nullptr, kKeepsTags},
    {46, QT_TRANSLATE_NOOP("Presets", "Modern Audio"),
     QT_TRANSLATE_NOOP("Presets", "WAV - Uncompressed (*.wav)"),
     QT_TRANSLATE_NOOP("Presets", "WAV - Uncompressed (*.wav)"),
     QT_TRANSLATE_NOOP("Presets", "wav file"), V::None, A::PcmMusic, Q::Normal, "wav", ".wav",
     nullptr, kKeepsTags},
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

const std::vector<PresetMenuGroup> &PresetMenuGroups()
{
    static const std::vector<PresetMenuGroup> groups = GatherMenuGroups();
    return groups;
}

namespace {

constexpr const char *kQScale = "-qscale";
constexpr const char *kCrf = "-crf";
// The quality scale of the described presets, for Low, Normal and High.
constexpr std::array<int, 3> kScale = {3, 6, 9};

// The constant-quality values of the modern video encoders (lower is better) are told in
// docs/FORMATS.md.
const std::vector<VideoCodecRow> kVideoCodecs = {
    {V::None, nullptr, {}, {}, nullptr, {}},
    {V::Mpeg1Video, "mpeg1video", {}, {}, kQScale, kScale},
    {V::Mpeg2Video, "mpeg2video", {}, {}, kQScale, kScale},
    {V::Mpeg4, "mpeg4", {}, {}, kQScale, kScale},
    {V::Wmv2, "wmv2", {}, {}, kQScale, kScale},
    {V::Libx264, "libx264", {}, {}, kQScale, kScale},
    {V::Msmpeg4, "msmpeg4", {}, {}, kQScale, kScale},
    {V::DvVideo, "dvvideo", {}, {}, kQScale, kScale},
    {V::H263Cif, "h263", {"-s", "352x288"}, {}, kQScale, kScale},
    // 4:2:0 pictures, which every player decodes. Subtitles are left out: a picture-based one
    // could not be turned into the text the containers want, and the whole conversion would fail.
    {V::X264,
     "libx264",
     {"-preset", "medium", "-pix_fmt", "yuv420p", "-sn"},
     {"libx264"},
     kCrf,
     {30, 25, 20}},
    // Tagged hvc1 so that Apple's players accept it; the encoder's own report is kept out of the
    // converter's last words.
    {V::X265,
     "libx265",
     {"-preset", "medium", "-pix_fmt", "yuv420p", "-tag:v", "hvc1", "-x265-params",
      "log-level=error", "-sn"},
     {"libx265"},
     kCrf,
     {31, 27, 22}},
    // A bit rate of 0 makes the quality value a constant quality rather than a ceiling.
    {V::Vp9,
     "libvpx-vp9",
     {"-b:v", "0", "-deadline", "good", "-cpu-used", "4", "-row-mt", "1", "-pix_fmt", "yuv420p",
      "-sn"},
     {"libvpx-vp9"},
     kCrf,
     {42, 36, 28}},
    // SVT-AV1, the faster encoder, or libaom-av1 where the converter lacks it.
    {V::Av1,
     "libsvtav1",
     {"-preset", "8", "-pix_fmt", "yuv420p", "-sn"},
     {"libsvtav1", "libaom-av1"},
     kCrf,
     {46, 38, 30},
     V::Av1Aom},
    {V::Av1Aom,
     "libaom-av1",
     {"-b:v", "0", "-cpu-used", "6", "-row-mt", "1", "-pix_fmt", "yuv420p", "-sn"},
     {"libaom-av1"},
     kCrf,
     {42, 34, 27}},
    // Data streams (time codes, camera records) are no video, audio or subtitles and most
    // containers refuse them.
    {V::CopyStreams, nullptr, {"-map", "0", "-dn", "-c", "copy"}, {}, nullptr, {}},
};

const std::vector<AudioCodecRow> kAudioCodecs = {
    {A::None, nullptr, {}, {}, nullptr, {}},
    {A::Wmav2, "wmav2", {}, {}, kQScale, kScale},
    {A::Mp2, "mp2", {}, {}, kQScale, kScale},
    {A::Libmp3lame, "libmp3lame", {}, {}, kQScale, kScale},
    // The converter lost its libfaac encoder long ago; its own AAC encoder takes the place.
    {A::Libfaac, "aac", {}, {}, kQScale, kScale},
    {A::PcmS16le, "pcm_s16le", {}, {}, kQScale, kScale},
    // Without an AMR narrow-band encoder, AAC at the same rate, bit rate and channel count.
    {A::LibamrNb,
     "libopencore_amrnb",
     {"-ar", "8000", "-ab", "12200", "-ac", "1"},
     {},
     kQScale,
     kScale,
     A::AacAmrRate},
    {A::AacAmrRate, "aac", {"-ar", "8000", "-ab", "12200", "-ac", "1"}, {}, kQScale, kScale},
    // The modern audio encoders leave the quality to their bit rate or their own scale.
    {A::AacVideo, "aac", {"-b:a", "128k"}, {"aac"}, nullptr, {}},
    {A::AacMusic, "aac", {"-b:a", "192k"}, {"aac"}, nullptr, {}},
    {A::OpusVideo, "libopus", {"-b:a", "96k"}, {"libopus"}, nullptr, {}},
    {A::OpusMusic, "libopus", {"-b:a", "128k"}, {"libopus"}, nullptr, {}},
    {A::Flac, "flac", {}, {"flac"}, nullptr, {}},
    {A::Mp3Vbr, "libmp3lame", {"-q:a", "2"}, {"libmp3lame"}, nullptr, {}},
    {A::PcmMusic, "pcm_s16le", {}, {}, nullptr, {}},
};

template<typename Row, typename Id> const Row &Find(const std::vector<Row> &rows, Id id)
{
    const auto row
        = std::find_if(rows.begin(), rows.end(), [id](const Row &r) { return r.id == id; });
    return row == rows.end() ? rows.front() : *row;
}

} // namespace

const VideoCodecRow &CodecOf(VideoCodec codec)
{
    return Find(kVideoCodecs, codec);
}

const AudioCodecRow &CodecOf(AudioCodec codec)
{
    return Find(kAudioCodecs, codec);
}

QStringList SizeLimitArguments(int limit)
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
    return {QStringLiteral("-vf"),
            QStringLiteral("scale=w='if(gte(iw,ih),-2,%1)':h='if(gte(iw,ih),%2,-2)'")
                .arg(even("iw"), even("ih"))};
}

QString SolutionBoxText(const Preset &preset)
{
    return QCoreApplication::translate("Presets",
                                       preset.boxText ? preset.boxText : preset.solutionText);
}
