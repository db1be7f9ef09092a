// Names codecs as users know them, for the properties window.
#include "engine/media/codec_names.h"

#include <QHash>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavcodec/codec_id.h>
}

// Identifiers are matched by their names in the library's list, never by number: the numbers
// move between library versions. Names whose identifiers the library no longer has (XvMC
// MPEG-2, XviD, the private WMV9 and WMA9 ones) have nothing left to match.

QString VideoCodecName(int avCodecId)
{
    switch (avCodecId) {
    case AV_CODEC_ID_MPEG1VIDEO:
        return QStringLiteral("Mpeg1 Video");
    case AV_CODEC_ID_MPEG2VIDEO:
        return QStringLiteral("Mpeg2 Video");
    case AV_CODEC_ID_H261:
        return QStringLiteral("H261 Video");
    case AV_CODEC_ID_H263:
    case AV_CODEC_ID_H263P:
    case AV_CODEC_ID_H263I:
        return QStringLiteral("H263 Video");
    case AV_CODEC_ID_RV10:
    case AV_CODEC_ID_RV20:
    case AV_CODEC_ID_RV30:
    case AV_CODEC_ID_RV40:
        return QStringLiteral("RV");
    case AV_CODEC_ID_MJPEG:
    case AV_CODEC_ID_MJPEGB:
        return QStringLiteral("Motion Jpeg Video");
    case AV_CODEC_ID_MPEG4:
        return QStringLiteral("Mpeg4 Video");
    case AV_CODEC_ID_MSMPEG4V1:
        return QStringLiteral("MS Mpeg4 V1");
    case AV_CODEC_ID_MSMPEG4V2:
        return QStringLiteral("MS Mpeg4 V2");
    case AV_CODEC_ID_MSMPEG4V3:
        return QStringLiteral("MS Mpeg4 V3");
    case AV_CODEC_ID_WMV1:
        return QStringLiteral("WMV1");
    case AV_CODEC_ID_WMV2:
        return QStringLiteral("WMV2");
    case AV_CODEC_ID_FLV1:
        return QStringLiteral("FLV");
    case AV_CODEC_ID_DVVIDEO:
        return QStringLiteral("DV Video");
    case AV_CODEC_ID_H264:
        return QStringLiteral("H264 Video");
    case AV_CODEC_ID_FFV1:
        return QStringLiteral("FFV");
    case AV_CODEC_ID_VC1:
        return QStringLiteral("VC1 Video");
    case AV_CODEC_ID_WMV3:
        return QStringLiteral("WMV3");
    case AV_CODEC_ID_AVS:
        return QStringLiteral("AVS Video");
    case AV_CODEC_ID_MPEG2TS:
        return QStringLiteral("Mpeg2-Ts Video");
    // Codecs of later years, which the modern presets make or users bring.
    case AV_CODEC_ID_HEVC:
        return QStringLiteral("H265 Video");
    case AV_CODEC_ID_VP8:
        return QStringLiteral("VP8 Video");
    case AV_CODEC_ID_VP9:
        return QStringLiteral("VP9 Video");
    case AV_CODEC_ID_AV1:
        return QStringLiteral("AV1 Video");
    case AV_CODEC_ID_THEORA:
        return QStringLiteral("Theora Video");
    case AV_CODEC_ID_PRORES:
        return QStringLiteral("ProRes Video");
    case AV_CODEC_ID_DNXHD:
        return QStringLiteral("DNxHD Video");
    default:
        return QString();
    }
}

QString AudioCodecName(int avCodecId)
{
    switch (avCodecId) {
    case AV_CODEC_ID_PCM_S16LE:
    case AV_CODEC_ID_PCM_S16BE:
    case AV_CODEC_ID_PCM_U16LE:
    case AV_CODEC_ID_PCM_U16BE:
    case AV_CODEC_ID_PCM_S16LE_PLANAR:
        return QStringLiteral("PCM-16");
    case AV_CODEC_ID_PCM_S8:
    case AV_CODEC_ID_PCM_U8:
        return QStringLiteral("PCM-8");
    case AV_CODEC_ID_PCM_MULAW:
    case AV_CODEC_ID_PCM_ALAW:
    case AV_CODEC_ID_PCM_ZORK:
        return QStringLiteral("PCM");
    case AV_CODEC_ID_PCM_S32LE:
    case AV_CODEC_ID_PCM_S32BE:
    case AV_CODEC_ID_PCM_U32LE:
    case AV_CODEC_ID_PCM_U32BE:
        return QStringLiteral("PCM-32");
    case AV_CODEC_ID_PCM_S24LE:
    case AV_CODEC_ID_PCM_S24BE:
    case AV_CODEC_ID_PCM_U24LE:
    case AV_CODEC_ID_PCM_U24BE:
        return QStringLiteral("PCM-24");
    // The ADPCM family as the program first knew it; later members have no name here.
    case AV_CODEC_ID_ADPCM_IMA_QT:
    case AV_CODEC_ID_ADPCM_IMA_WAV:
    case AV_CODEC_ID_ADPCM_IMA_DK3:
    case AV_CODEC_ID_ADPCM_IMA_DK4:
    case AV_CODEC_ID_ADPCM_IMA_WS:
    case AV_CODEC_ID_ADPCM_IMA_SMJPEG:
    case AV_CODEC_ID_ADPCM_MS:
    case AV_CODEC_ID_ADPCM_4XM:
    case AV_CODEC_ID_ADPCM_XA:
    case AV_CODEC_ID_ADPCM_ADX:
    case AV_CODEC_ID_ADPCM_EA:
    case AV_CODEC_ID_ADPCM_G726:
    case AV_CODEC_ID_ADPCM_CT:
    case AV_CODEC_ID_ADPCM_SWF:
    case AV_CODEC_ID_ADPCM_YAMAHA:
    case AV_CODEC_ID_ADPCM_SBPRO_4:
    case AV_CODEC_ID_ADPCM_SBPRO_3:
    case AV_CODEC_ID_ADPCM_SBPRO_2:
    case AV_CODEC_ID_ADPCM_THP:
    case AV_CODEC_ID_ADPCM_IMA_AMV:
    case AV_CODEC_ID_ADPCM_EA_R1:
    case AV_CODEC_ID_ADPCM_EA_R3:
    case AV_CODEC_ID_ADPCM_EA_R2:
    case AV_CODEC_ID_ADPCM_IMA_EA_SEAD:
    case AV_CODEC_ID_ADPCM_IMA_EA_EACS:
    case AV_CODEC_ID_ADPCM_EA_XAS:
        return QStringLiteral("ADPCM");
    case AV_CODEC_ID_AMR_NB:
    case AV_CODEC_ID_AMR_WB:
        return QStringLiteral("AMR");
    case AV_CODEC_ID_RA_144:
    case AV_CODEC_ID_RA_288:
        return QStringLiteral("Real Audio");
    case AV_CODEC_ID_ROQ_DPCM:
    case AV_CODEC_ID_INTERPLAY_DPCM:
    case AV_CODEC_ID_XAN_DPCM:
    case AV_CODEC_ID_SOL_DPCM:
        return QStringLiteral("DPCM");
    case AV_CODEC_ID_MP2:
        return QStringLiteral("MP2");
    case AV_CODEC_ID_MP3:
    case AV_CODEC_ID_MP3ADU:
    case AV_CODEC_ID_MP3ON4:
        return QStringLiteral("MP3");
    case AV_CODEC_ID_AAC:
        return QStringLiteral("AAC");
    case AV_CODEC_ID_AC3:
        return QStringLiteral("AC3");
    case AV_CODEC_ID_DTS:
        return QStringLiteral("DTS");
    case AV_CODEC_ID_VORBIS:
        return QStringLiteral("VORBIS");
    case AV_CODEC_ID_DVAUDIO:
        return QStringLiteral("DV Audio");
    case AV_CODEC_ID_WMAV1:
        return QStringLiteral("WMA V1");
    case AV_CODEC_ID_WMAV2:
        return QStringLiteral("WMA V2");
    case AV_CODEC_ID_MACE3:
        return QStringLiteral("MACE3");
    case AV_CODEC_ID_MACE6:
        return QStringLiteral("MACE6");
    case AV_CODEC_ID_VMDAUDIO:
        return QStringLiteral("VMD Audio");
    case AV_CODEC_ID_SONIC:
    case AV_CODEC_ID_SONIC_LS:
        return QStringLiteral("SONIC");
    case AV_CODEC_ID_FLAC:
        return QStringLiteral("FLAC");
    case AV_CODEC_ID_ALAC:
        return QStringLiteral("ALAC");
    case AV_CODEC_ID_COOK:
        return QStringLiteral("COOK");
    case AV_CODEC_ID_WAVPACK:
        return QStringLiteral("WAV");
    case AV_CODEC_ID_ATRAC3:
        return QStringLiteral("ATRAC30");
    case AV_CODEC_ID_WMAVOICE:
    case AV_CODEC_ID_WMAPRO:
    case AV_CODEC_ID_WMALOSSLESS:
        return QStringLiteral("WMA");
    // Codecs of later years, which the modern presets make or users bring.
    case AV_CODEC_ID_OPUS:
        return QStringLiteral("OPUS");
    case AV_CODEC_ID_EAC3:
        return QStringLiteral("EAC3");
    case AV_CODEC_ID_TRUEHD:
        return QStringLiteral("TRUEHD");
    case AV_CODEC_ID_PCM_F32LE:
    case AV_CODEC_ID_PCM_F32BE:
        return QStringLiteral("PCM-32 Float");
    case AV_CODEC_ID_PCM_F64LE:
    case AV_CODEC_ID_PCM_F64BE:
        return QStringLiteral("PCM-64 Float");
    case AV_CODEC_ID_SPEEX:
        return QStringLiteral("SPEEX");
    case AV_CODEC_ID_APE:
        return QStringLiteral("APE");
    default:
        return QString();
    }
}

QString CodecDisplayName(const QString &name)
{
    // The converter's libraries' encoders, which the program's own library may lack.
    static const QHash<QString, QString> kEncoderCodecs {
        {QStringLiteral("libx264"), QStringLiteral("h264")},
        {QStringLiteral("libx265"), QStringLiteral("hevc")},
        {QStringLiteral("libkvazaar"), QStringLiteral("hevc")},
        {QStringLiteral("libvpx"), QStringLiteral("vp8")},
        {QStringLiteral("libvpx-vp9"), QStringLiteral("vp9")},
        {QStringLiteral("libaom-av1"), QStringLiteral("av1")},
        {QStringLiteral("libsvtav1"), QStringLiteral("av1")},
        {QStringLiteral("librav1e"), QStringLiteral("av1")},
        {QStringLiteral("libopus"), QStringLiteral("opus")},
        {QStringLiteral("libvorbis"), QStringLiteral("vorbis")},
        {QStringLiteral("libmp3lame"), QStringLiteral("mp3")},
        {QStringLiteral("libopencore_amrnb"), QStringLiteral("amr_nb")},
        {QStringLiteral("libvo_amrwbenc"), QStringLiteral("amr_wb")},
        {QStringLiteral("libfdk_aac"), QStringLiteral("aac")},
        {QStringLiteral("libtheora"), QStringLiteral("theora")},
        {QStringLiteral("libxvid"), QStringLiteral("mpeg4")},
        {QStringLiteral("libtwolame"), QStringLiteral("mp2")},
    };
    // Where the library's long name is not what users call the codec.
    static const QHash<QString, QString> kKnownAs {
        {QStringLiteral("h264"), QStringLiteral("H.264")},
        {QStringLiteral("hevc"), QStringLiteral("H.265")},
        {QStringLiteral("vp8"), QStringLiteral("VP8")},
        {QStringLiteral("vp9"), QStringLiteral("VP9")},
        {QStringLiteral("av1"), QStringLiteral("AV1")},
        {QStringLiteral("ac3"), QStringLiteral("AC-3")},
        {QStringLiteral("eac3"), QStringLiteral("E-AC-3")},
        {QStringLiteral("ac4"), QStringLiteral("AC-4")},
        {QStringLiteral("amr_nb"), QStringLiteral("AMR-NB")},
        {QStringLiteral("amr_wb"), QStringLiteral("AMR-WB")},
    };
    QString codec = kEncoderCodecs.value(name, name);
    if (const AVCodec *encoder = avcodec_find_encoder_by_name(name.toLatin1().constData()))
        codec = QLatin1String(avcodec_get_name(encoder->id));
    if (kKnownAs.contains(codec))
        return kKnownAs.value(codec);
    const AVCodecDescriptor *descriptor
        = avcodec_descriptor_get_by_name(codec.toLatin1().constData());
    if (!descriptor || !descriptor->long_name)
        return name;
    QString text = QString::fromUtf8(descriptor->long_name);
    for (const char *cut : {" / ", " ("}) {
        const qsizetype at = text.indexOf(QLatin1String(cut));
        if (at > 0)
            text.truncate(at);
    }
    return text;
}
