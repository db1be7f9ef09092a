#include "engine/media/codec_names.h"
#include "engine/media/probe.h"
#include "support/media_factory.h"

#include <QTemporaryDir>
#include <QtTest>

#include <limits>

extern "C" {
#include <libavcodec/codec_id.h>
}

class TestCodecNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void byIdentifier_data();
    void byIdentifier();
    void ofGeneratedFiles_data();
    void ofGeneratedFiles();
};

void TestCodecNames::byIdentifier_data()
{
    QTest::addColumn<bool>("video");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");

    struct Row
    {
        int id;
        const char *name;
    };
    const Row videoRows[] = {
        {AV_CODEC_ID_MPEG1VIDEO, "Mpeg1 Video"},
        {AV_CODEC_ID_MPEG2VIDEO, "Mpeg2 Video"},
        {AV_CODEC_ID_H261, "H261 Video"},
        {AV_CODEC_ID_H263, "H263 Video"},
        {AV_CODEC_ID_RV10, "RV"},
        {AV_CODEC_ID_RV40, "RV"}, // named, although the probe refuses it
        {AV_CODEC_ID_MJPEG, "Motion Jpeg Video"},
        {AV_CODEC_ID_MPEG4, "Mpeg4 Video"},
        {AV_CODEC_ID_MSMPEG4V1, "MS Mpeg4 V1"},
        {AV_CODEC_ID_MSMPEG4V2, "MS Mpeg4 V2"},
        {AV_CODEC_ID_MSMPEG4V3, "MS Mpeg4 V3"},
        {AV_CODEC_ID_WMV1, "WMV1"},
        {AV_CODEC_ID_WMV2, "WMV2"},
        {AV_CODEC_ID_FLV1, "FLV"},
        {AV_CODEC_ID_DVVIDEO, "DV Video"},
        {AV_CODEC_ID_H264, "H264 Video"},
        {AV_CODEC_ID_FFV1, "FFV"},
        {AV_CODEC_ID_VC1, "VC1 Video"},
        {AV_CODEC_ID_WMV3, "WMV3"},
        {AV_CODEC_ID_AVS, "AVS Video"},
        {AV_CODEC_ID_MPEG2TS, "Mpeg2-Ts Video"},
        // Codecs of later years.
        {AV_CODEC_ID_HEVC, "H265 Video"},
        {AV_CODEC_ID_VP8, "VP8 Video"},
        {AV_CODEC_ID_VP9, "VP9 Video"},
        {AV_CODEC_ID_AV1, "AV1 Video"},
        {AV_CODEC_ID_THEORA, "Theora Video"},
        {AV_CODEC_ID_PRORES, "ProRes Video"},
        {AV_CODEC_ID_DNXHD, "DNxHD Video"},
        // Neighbours and later codecs have no name.
        {0, ""},
        {-1, ""},
        {0x30000, ""},
        {AV_CODEC_ID_CAVS, ""},
        {std::numeric_limits<int>::max(), ""},
        {AV_CODEC_ID_MP3, ""},
    };
    const Row audioRows[] = {
        {AV_CODEC_ID_PCM_S16LE, "PCM-16"},
        {AV_CODEC_ID_PCM_S16LE_PLANAR, "PCM-16"}, // added to the family later than the others
        {AV_CODEC_ID_PCM_U8, "PCM-8"},
        {AV_CODEC_ID_PCM_MULAW, "PCM"},
        {AV_CODEC_ID_PCM_ZORK, "PCM"}, // added to the family later than the others
        {AV_CODEC_ID_PCM_S32LE, "PCM-32"},
        {AV_CODEC_ID_PCM_S24LE, "PCM-24"},
        {AV_CODEC_ID_ADPCM_IMA_QT, "ADPCM"},
        {AV_CODEC_ID_ADPCM_EA_XAS, "ADPCM"}, // the last of the family that has the name
        {AV_CODEC_ID_AMR_NB, "AMR"},
        {AV_CODEC_ID_RA_144, "Real Audio"},
        {AV_CODEC_ID_ROQ_DPCM, "DPCM"},
        {AV_CODEC_ID_SOL_DPCM, "DPCM"},
        {AV_CODEC_ID_MP2, "MP2"},
        {AV_CODEC_ID_MP3, "MP3"},
        {AV_CODEC_ID_MP3ON4, "MP3"},
        {AV_CODEC_ID_AAC, "AAC"},
        {AV_CODEC_ID_AC3, "AC3"},
        {AV_CODEC_ID_DTS, "DTS"},
        {AV_CODEC_ID_VORBIS, "VORBIS"},
        {AV_CODEC_ID_DVAUDIO, "DV Audio"},
        {AV_CODEC_ID_WMAV1, "WMA V1"},
        {AV_CODEC_ID_WMAV2, "WMA V2"},
        {AV_CODEC_ID_MACE3, "MACE3"},
        {AV_CODEC_ID_MACE6, "MACE6"},
        {AV_CODEC_ID_VMDAUDIO, "VMD Audio"},
        {AV_CODEC_ID_SONIC, "SONIC"},
        {AV_CODEC_ID_FLAC, "FLAC"},
        {AV_CODEC_ID_ALAC, "ALAC"},
        {AV_CODEC_ID_COOK, "COOK"},
        {AV_CODEC_ID_WAVPACK, "WAV"},
        {AV_CODEC_ID_ATRAC3, "ATRAC30"},
        {AV_CODEC_ID_WMAVOICE, "WMA"},
        // Codecs of later years.
        {AV_CODEC_ID_OPUS, "OPUS"},
        {AV_CODEC_ID_EAC3, "EAC3"},
        {AV_CODEC_ID_TRUEHD, "TRUEHD"},
        {AV_CODEC_ID_PCM_F32LE, "PCM-32 Float"},
        {AV_CODEC_ID_PCM_F64BE, "PCM-64 Float"},
        {AV_CODEC_ID_SPEEX, "SPEEX"},
        {AV_CODEC_ID_APE, "APE"},
        // Left without a name.
        {0, ""},
        {-1, ""},
        {0x30001, ""},
        {AV_CODEC_ID_PCM_S24DAUD, ""},
        {AV_CODEC_ID_ADPCM_EA_MAXIS_XA, ""},
        {AV_CODEC_ID_ADPCM_G722, ""},
        {AV_CODEC_ID_VP9, ""},
        {AV_CODEC_ID_H264, ""},
    };
    for (const Row &row : videoRows)
        QTest::addRow("video %d", row.id) << true << row.id << QString::fromLatin1(row.name);
    for (const Row &row : audioRows)
        QTest::addRow("audio %d", row.id) << false << row.id << QString::fromLatin1(row.name);
}

void TestCodecNames::byIdentifier()
{
    QFETCH(bool, video);
    QFETCH(int, id);
    QFETCH(QString, name);
    QCOMPARE(video ? VideoCodecName(id) : AudioCodecName(id), name);
}

void TestCodecNames::ofGeneratedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("arguments"); // converter arguments after the generated inputs
    QTest::addColumn<QString>("videoName");
    QTest::addColumn<QString>("audioName");

    QTest::newRow("mpg") << "a.mpg"
                         << "320x240"
                         << "-c:v mpeg1video -c:a mp2"
                         << "Mpeg1 Video"
                         << "MP2";
    QTest::newRow("vob") << "b.vob"
                         << "320x240"
                         << "-c:v mpeg2video -c:a ac3"
                         << "Mpeg2 Video"
                         << "AC3";
    QTest::newRow("3gp") << "c.3gp"
                         << "176x144"
                         << "-c:v h263 -c:a aac -ar 8000 -ac 1"
                         << "H263 Video"
                         << "AAC";
    QTest::newRow("h261") << "d.avi"
                          << "176x144"
                          << "-c:v h261 -c:a pcm_u8"
                          << "H261 Video"
                          << "PCM-8";
    QTest::newRow("rm") << "e.rm"
                        << "176x144"
                        << "-c:v rv10 -c:a ac3"
                        << "RV"
                        << "AC3";
    QTest::newRow("mjpeg") << "f.avi"
                           << "160x120"
                           << "-c:v mjpeg -c:a pcm_s16le"
                           << "Motion Jpeg Video"
                           << "PCM-16";
    QTest::newRow("xvid-like") << "g.avi"
                               << "160x120"
                               << "-c:v mpeg4 -c:a libmp3lame"
                               << "Mpeg4 Video"
                               << "MP3";
    QTest::newRow("msmpeg4v2") << "h.avi"
                               << "160x120"
                               << "-c:v msmpeg4v2 -c:a adpcm_ms"
                               << "MS Mpeg4 V2"
                               << "ADPCM";
    QTest::newRow("msmpeg4v3") << "i.avi"
                               << "160x120"
                               << "-c:v msmpeg4 -c:a adpcm_ima_wav"
                               << "MS Mpeg4 V3"
                               << "ADPCM";
    QTest::newRow("wmv1") << "j.wmv"
                          << "160x120"
                          << "-c:v wmv1 -c:a wmav1"
                          << "WMV1"
                          << "WMA V1";
    QTest::newRow("wmv2") << "k.wmv"
                          << "160x120"
                          << "-c:v wmv2 -c:a wmav2"
                          << "WMV2"
                          << "WMA V2";
    QTest::newRow("flv") << "l.flv"
                         << "160x120"
                         << "-c:v flv1 -c:a libmp3lame -ar 22050"
                         << "FLV"
                         << "MP3";
    QTest::newRow("dv") << "m.dv"
                        << "720x576"
                        << "-c:v dvvideo -pix_fmt yuv420p -c:a pcm_s16le -ar 48000"
                        << "DV Video"
                        << "PCM-16";
    QTest::newRow("mp4") << "n.mp4"
                         << "160x120"
                         << "-c:v libx264 -c:a aac"
                         << "H264 Video"
                         << "AAC";
    QTest::newRow("ffv1") << "o.mkv"
                          << "160x120"
                          << "-c:v ffv1 -c:a flac"
                          << "FFV"
                          << "FLAC";
    QTest::newRow("vorbis") << "p.mkv"
                            << "160x120"
                            << "-c:v libvpx -c:a libvorbis"
                            << "VP8 Video"
                            << "VORBIS";
    QTest::newRow("hevc") << "w.mp4"
                          << "160x120"
                          << "-c:v libx265 -preset ultrafast -tag:v hvc1 -c:a aac"
                          << "H265 Video"
                          << "AAC";
    QTest::newRow("vp9 opus") << "x.webm"
                              << "160x120"
                              << "-c:v libvpx-vp9 -deadline realtime -c:a libopus"
                              << "VP9 Video"
                              << "OPUS";
    QTest::newRow("av1 flac") << "y.mkv"
                              << "160x120"
                              << "-c:v libsvtav1 -preset 12 -c:a flac"
                              << "AV1 Video"
                              << "FLAC";
    QTest::newRow("theora eac3") << "z.mkv"
                                 << "160x120"
                                 << "-c:v libtheora -c:a eac3"
                                 << "Theora Video"
                                 << "EAC3";
    QTest::newRow("pcm 24") << "q.mov"
                            << "160x120"
                            << "-c:v mpeg4 -c:a pcm_s24le"
                            << "Mpeg4 Video"
                            << "PCM-24";
    QTest::newRow("pcm 32") << "r.mov"
                            << "160x120"
                            << "-c:v mpeg4 -c:a pcm_s32be"
                            << "Mpeg4 Video"
                            << "PCM-32";
    QTest::newRow("mu-law") << "s.mov"
                            << "160x120"
                            << "-c:v mpeg4 -c:a pcm_mulaw"
                            << "Mpeg4 Video"
                            << "PCM";
    QTest::newRow("alac") << "t.mov"
                          << "160x120"
                          << "-c:v mpeg4 -c:a alac"
                          << "Mpeg4 Video"
                          << "ALAC";
    QTest::newRow("wavpack") << "u.mkv"
                             << "160x120"
                             << "-c:v mpeg4 -c:a wavpack"
                             << "Mpeg4 Video"
                             << "WAV";
    QTest::newRow("dts") << "v.mkv"
                         << "160x120"
                         << "-c:v mpeg4 -c:a dca -strict -2 -ar 48000"
                         << "Mpeg4 Video"
                         << "DTS";
}

// The names follow the identifiers that the library itself reports for real files.
void TestCodecNames::ofGeneratedFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, size);
    QFETCH(QString, arguments);
    QFETCH(QString, videoName);
    QFETCH(QString, audioName);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    testmedia::Clip clip;
    clip.seconds = 1;
    clip.size = size;
    clip.sampleRate = 44100;
    clip.codecArguments = arguments.split(QLatin1Char(' '));
    QString log;
    QVERIFY2(testmedia::Make(dir.filePath(file), clip, &log), qPrintable(log));

    MediaInfo info;
    ProbeMedia(dir.path() + QLatin1Char('/'), file, info);
    QCOMPARE(info.outcome, ProbeOutcome::Ready);
    QCOMPARE(VideoCodecName(info.videoCodecId), videoName);
    QCOMPARE(AudioCodecName(info.audioCodecId), audioName);
}

QTEST_GUILESS_MAIN(TestCodecNames)
#include "tst_codec_names.moc"
