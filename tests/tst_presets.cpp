#include "engine/convert/command_line.h"
#include "engine/convert/converter.h"
#include "engine/convert/presets.h"

#include <QtTest>

// The converter command of every preset, written out by hand, and the preset table's texts.
class TestPresets : public QObject
{
    Q_OBJECT

private:
    static QString OutputOf(int presetId)
    {
        return QStringLiteral("/home/u/Mymedia/clip") + PresetById(presetId)->extension;
    }
    static QStringList Arguments(int presetId, CommandInput input = {}, bool amr = false)
    {
        if (input.path.isEmpty())
            input.path = QStringLiteral("/in/clip.avi");
        ConverterInfo converter(QStringLiteral("ffmpeg"));
        if (amr)
            converter.encoders << QStringLiteral("libopencore_amrnb");
        return BuildCommandLine(*PresetById(presetId), converter, input, OutputOf(presetId));
    }
    // The arguments a test writes as one line, as the converter gets them.
    static QStringList Expected(const QString &pieces, int presetId)
    {
        return QStringList {QStringLiteral("-i"), QStringLiteral("/in/clip.avi")}
        + pieces.split(QLatin1Char(' '), Qt::SkipEmptyParts) + QStringList {OutputOf(presetId)};
    }

private Q_SLOTS:
    void commandLine_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("amr");
        QTest::addColumn<QString>("pieces");
        QTest::addColumn<QString>("output");

        const QString mp4Low = QStringLiteral("-vcodec mpeg4 -acodec aac -qscale 3 -y -f mp4 ");
        const QString mp4Normal = QStringLiteral("-vcodec mpeg4 -acodec aac -qscale 6 -y -f mp4 ");
        const QString mp4High = QStringLiteral("-vcodec mpeg4 -acodec aac -qscale 9 -y -f mp4 ");
        const QString pspLow = QStringLiteral("-vcodec libx264 -acodec aac -qscale 3 -y -f psp ");
        const QString pspNormal
            = QStringLiteral("-vcodec libx264 -acodec aac -qscale 6 -y -f psp ");
        const QString pspHigh = QStringLiteral("-vcodec libx264 -acodec aac -qscale 9 -y -f psp ");
        const QString mp4 = QStringLiteral("clip.mp4");
        QTest::newRow("iPod low") << 0 << false << mp4Low << mp4;
        QTest::newRow("iPod normal") << 1 << false << mp4Normal << mp4;
        QTest::newRow("iPod high") << 2 << false << mp4High << mp4;
        QTest::newRow("iPhone low") << 3 << false << mp4Low << mp4;
        QTest::newRow("iPhone normal") << 4 << false << mp4Normal << mp4;
        QTest::newRow("iPhone high") << 5 << false << mp4High << mp4;
        QTest::newRow("PSP low") << 6 << false << pspLow << mp4;
        QTest::newRow("PSP normal") << 7 << false << pspNormal << mp4;
        QTest::newRow("PSP high") << 8 << false << pspHigh << mp4;
        QTest::newRow("PS3 low") << 9 << false << pspLow << mp4;
        QTest::newRow("PS3 normal") << 10 << false << pspNormal << mp4;
        QTest::newRow("PS3 high") << 11 << false << pspHigh << mp4;
        QTest::newRow("WMV") << 13 << false
                             << QStringLiteral("-vcodec wmv2 -acodec wmav2 -qscale 6 -y ")
                             << QStringLiteral("clip.wmv");
        QTest::newRow("MPEG1") << 16 << false
                               << QStringLiteral("-vcodec mpeg1video -acodec mp2 -qscale 6 -y ")
                               << QStringLiteral("clip.mpg");
        QTest::newRow("MPEG2") << 18 << false
                               << QStringLiteral("-vcodec mpeg2video -acodec mp2 -qscale 6 -y ")
                               << QStringLiteral("clip.vob");
        QTest::newRow("MPEG4") << 19 << false << mp4Normal << mp4;
        QTest::newRow("DV") << 20 << false
                            << QStringLiteral("-vcodec dvvideo -acodec pcm_s16le -qscale 6 -y ")
                            << QStringLiteral("clip.dv");
        QTest::newRow("ASF") << 21 << false
                             << QStringLiteral("-vcodec msmpeg4 -acodec libmp3lame -qscale 6 -y ")
                             << QStringLiteral("clip.asf");
        QTest::newRow("AVI") << 22 << false
                             << QStringLiteral("-vcodec mpeg4 -acodec libmp3lame -qscale 6 -y ")
                             << QStringLiteral("clip.avi");
        QTest::newRow("WMA") << 23 << false << QStringLiteral("-vn -acodec wmav2 -qscale 6 -y ")
                             << QStringLiteral("clip.wma");
        QTest::newRow("MP3") << 24 << false
                             << QStringLiteral("-vn -acodec libmp3lame -qscale 6 -y ")
                             << QStringLiteral("clip.mp3");
        QTest::newRow("BlackBerry, no AMR encoder")
            << 25 << false
            << QStringLiteral("-vcodec mpeg4 -acodec aac -ar 8000 -ab 12200 -ac 1 -qscale 6 -y ")
            << QStringLiteral("clip.3gp");
        QTest::newRow("BlackBerry, AMR encoder")
            << 25 << true
            << QStringLiteral("-vcodec mpeg4 -acodec libopencore_amrnb -ar 8000 -ab 12200 -ac 1 "
                              "-qscale 6 -y ")
            << QStringLiteral("clip.3gp");
        QTest::newRow("3GPP, no AMR encoder")
            << 26 << false
            << QStringLiteral("-vcodec h263 -s 352x288 -acodec aac -ar 8000 -ab 12200 -ac 1 "
                              "-qscale 6 -y ")
            << QStringLiteral("clip.3gp");
        QTest::newRow("3GPP, AMR encoder")
            << 26 << true
            << QStringLiteral(
                   "-vcodec h263 -s 352x288 -acodec libopencore_amrnb -ar 8000 -ab 12200 "
                   "-ac 1 -qscale 6 -y ")
            << QStringLiteral("clip.3gp");
        QTest::newRow("3GPP2") << 27 << false
                               << QStringLiteral("-vcodec mpeg4 -acodec aac -qscale 6 -y ")
                               << QStringLiteral("clip.3g2");

        const QString keepSize = QStringLiteral(
            "-vf scale=w='if(gte(iw,ih),-2,max(2,2*trunc(iw/2)))':h='if(gte(iw,ih),"
            "max(2,2*trunc(ih/2)),-2)' ");
        QTest::newRow("H.264 normal") << 29 << false
                                      << "-vcodec libx264 -preset medium -pix_fmt yuv420p -sn "
                + keepSize + "-acodec aac -b:a 128k -crf 25 -y -movflags +faststart -f mp4 "
                                      << QStringLiteral("clip.mp4");
        QTest::newRow("H.265 high")
            << 31 << false
            << "-vcodec libx265 -preset medium -pix_fmt yuv420p -tag:v hvc1 "
               "-x265-params log-level=error -sn "
                + keepSize + "-acodec aac -b:a 128k -crf 22 -y -movflags +faststart -f mp4 "
            << QStringLiteral("clip.mp4");
        QTest::newRow("VP9 low")
            << 36 << false
            << "-vcodec libvpx-vp9 -b:v 0 -deadline good -cpu-used 4 -row-mt 1 -pix_fmt yuv420p "
               "-sn "
                + keepSize + "-acodec libopus -b:a 96k -crf 42 -y -f webm "
            << QStringLiteral("clip.webm");
        QTest::newRow("AV1 normal") << 38 << false
                                    << "-vcodec libsvtav1 -preset 8 -pix_fmt yuv420p -sn "
                + keepSize + "-acodec libopus -b:a 96k -crf 38 -y -f matroska "
                                    << QStringLiteral("clip.mkv");
        QTest::newRow("MKV keep streams")
            << 40 << false << QStringLiteral("-map 0 -dn -c copy -y -f matroska ")
            << QStringLiteral("clip.mkv");
        QTest::newRow("MP4 keep streams")
            << 41 << false << QStringLiteral("-map 0 -dn -c copy -y -movflags +faststart -f mp4 ")
            << QStringLiteral("clip.mp4");
        const QString tags = QStringLiteral("-map_metadata:g 0:g -map_metadata:g 0:s:a:0 ");
        QTest::newRow("M4A") << 42 << false << "-vn -acodec aac -b:a 192k " + tags + "-y -f ipod "
                             << QStringLiteral("clip.m4a");
        QTest::newRow("Opus") << 43 << false
                              << "-vn -acodec libopus -b:a 128k " + tags + "-y -f opus "
                              << QStringLiteral("clip.opus");
        QTest::newRow("FLAC") << 44 << false << "-vn -acodec flac " + tags + "-y -f flac "
                              << QStringLiteral("clip.flac");
        QTest::newRow("MP3 VBR") << 45 << false
                                 << "-vn -acodec libmp3lame -q:a 2 " + tags + "-y -f mp3 "
                                 << QStringLiteral("clip.mp3");
        QTest::newRow("WAV") << 46 << false << "-vn -acodec pcm_s16le " + tags + "-y -f wav "
                             << QStringLiteral("clip.wav");
    }

    void commandLine()
    {
        QFETCH(int, id);
        QFETCH(bool, amr);
        QFETCH(QString, pieces);
        QFETCH(QString, output);
        QCOMPARE(OutputOf(id), QStringLiteral("/home/u/Mymedia/") + output);
        QCOMPARE(Arguments(id, {}, amr), Expected(pieces, id));
    }

    void containerOfEveryPreset_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("audioOnlyInput");
        QTest::addColumn<QString>("container"); // the value after -f; empty: no -f at all
        // Written out by hand: the Apple presets and MPEG4 name mp4, the Sony ones psp, and the
        // rest leave the container to the extension.
        // Every modern preset names its container.
        const QSet<int> mp4 {0, 1, 2, 3, 4, 5, 19, 28, 29, 30, 31, 32, 33, 41};
        const QSet<int> psp {6, 7, 8, 9, 10, 11};
        const QMap<int, QString> modern {{34, "webm"},     {35, "webm"},     {36, "webm"},
                                         {37, "matroska"}, {38, "matroska"}, {39, "matroska"},
                                         {40, "matroska"}, {42, "ipod"},     {43, "opus"},
                                         {44, "flac"},     {45, "mp3"},      {46, "wav"}};
        for (const Preset &preset : AllPresets()) {
            const QString container = mp4.contains(preset.id)
                ? QStringLiteral("mp4")
                : (psp.contains(preset.id) ? QStringLiteral("psp") : modern.value(preset.id));
            for (bool audioOnly : {false, true})
                QTest::addRow("%d %s, %s", preset.id, preset.solutionText,
                              audioOnly ? "audio-only input" : "video input")
                    << preset.id << audioOnly << container;
        }
    }

    void containerOfEveryPreset()
    {
        QFETCH(int, id);
        QFETCH(bool, audioOnlyInput);
        QFETCH(QString, container);
        QCOMPARE(QString::fromLatin1(PresetById(id)->format), container);
        const QStringList arguments = Arguments(id, {QString(), audioOnlyInput});
        QCOMPARE(arguments.count(QStringLiteral("-f")), container.isEmpty() ? 0 : 1);
        if (!container.isEmpty()) {
            const qsizetype at = arguments.indexOf(QStringLiteral("-f"));
            QCOMPARE(arguments.value(at + 1), container);
            // An output option: after the input, before the output.
            QVERIFY(at > arguments.indexOf(QStringLiteral("-i")) + 1);
            QCOMPARE(at + 2, arguments.size() - 1);
        }
    }

    void audioOnlyInputLeavesVideoOut_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("pieces");
        QTest::newRow("iPod low") << 0 << "-vn -acodec aac -qscale 3 -y -f mp4 ";
        QTest::newRow("3GPP") << 26 << "-vn -acodec aac -ar 8000 -ab 12200 -ac 1 -qscale 6 -y ";
        QTest::newRow("MP3") << 24 << "-vn -acodec libmp3lame -qscale 6 -y ";
    }

    void audioOnlyInputLeavesVideoOut()
    {
        QFETCH(int, id);
        QFETCH(QString, pieces);
        QCOMPARE(Arguments(id, {QString(), true}), Expected(pieces, id));
    }

    void pathsWithBlanksStayOneArgument()
    {
        const QString input = QStringLiteral("/a b/-my \"song\" $(x).wav");
        const QString output = QStringLiteral("/out dir/-my \"song\" $(x).mp3");
        const QStringList arguments
            = BuildCommandLine(*PresetById(24), ConverterInfo(), {input}, output);
        QCOMPARE(arguments.at(1), input);
        QCOMPARE(arguments.last(), output);
        QCOMPARE(arguments.size(), 9);
    }

    void outputBaseName_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("base");
        QTest::newRow("three letters") << "clip.avi"
                                       << "clip";
        QTest::newRow("two letters") << "clip.ts"
                                     << "clip";
        QTest::newRow("one letter, short name") << "a.ts"
                                                << "a";
        QTest::newRow("four letters") << "movie.mpeg"
                                      << "movie";
        QTest::newRow("two dots") << "a.b.mp4"
                                  << "a.b";
        QTest::newRow("no extension") << "README"
                                      << "README";
        QTest::newRow("non-ASCII") << QStringLiteral("фильм.mkv") << QStringLiteral("фильм");
    }

    void outputBaseName()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, base);
        QCOMPARE(OutputBaseName(fileName), base);
    }

    void table_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("menuText");
        QTest::addColumn<QString>("solutionText");
        QTest::addColumn<QString>("formatLabel");
        QTest::addColumn<QString>("box");
        QTest::newRow("0") << 0 << "iPod - Low Quarlity (*.mp4)"
                           << "APPLE iPod - Low Quarlity (*.mp4)"
                           << "mp4 file"
                           << "APPLE iPod - Low Quarlity (*.mp4)";
        QTest::newRow("8") << 8 << "PSP - High Quarlity (*.mp4)"
                           << "SONY PSP - High Quarlity (*.mp4)"
                           << "mp4 file"
                           << "SONY PSP - High Quarlity (*.mp4)";
        QTest::newRow("20") << 20 << ""
                            << "DV - Digital Video (*.dv)"
                            << "dv file"
                            << "DV - Digital Video (*.dv)";
        QTest::newRow("22") << 22 << "Divx Video (*.avi)"
                            << "AVI - Audio-Video Interleave (*.avi)"
                            << "avi file"
                            << "AVI - Audio-Video Interleave (*.avi)";
        QTest::newRow("24") << 24 << "Mp3 - Mpeg Audio Layer3 (*.mp3)"
                            << "Mp3 Audio (*.mp3)"
                            << "mp3 file"
                            << "Mp3 Audio (*.mp3)";
        QTest::newRow("25") << 25 << "BlackBerry 3GP (*.3gp)"
                            << "BlackBerry 3GP (*.3gp)"
                            << "BlackBerry 3GP file"
                            << "BlackBerry 3GP (*.3gp)";
        QTest::newRow("26") << 26 << "3GPP  (*.3gp)"
                            << "3GP  (*.3gp)"
                            << "3gp file"
                            << "3GP (*.3gp)";
        QTest::newRow("27") << 27 << "3GPP2 (*.3g2)"
                            << "3GPP2 (*.3g2)"
                            << "3g2 file"
                            << "3GPP2 (*.3g2)";
        QTest::newRow("28") << 28 << "MP4 - H.264/AAC - High Quality (*.mp4)"
                            << "MP4 - H.264/AAC - High Quality (*.mp4)"
                            << "mp4 file"
                            << "MP4 - H.264/AAC - High Quality (*.mp4)";
        QTest::newRow("33") << 33 << "MP4 - H.265/AAC - Low Quality (*.mp4)"
                            << "MP4 - H.265/AAC - Low Quality (*.mp4)"
                            << "mp4 file"
                            << "MP4 - H.265/AAC - Low Quality (*.mp4)";
        QTest::newRow("35") << 35 << "WebM - VP9/Opus - Normal Quality (*.webm)"
                            << "WebM - VP9/Opus - Normal Quality (*.webm)"
                            << "webm file"
                            << "WebM - VP9/Opus - Normal Quality (*.webm)";
        QTest::newRow("39") << 39 << "MKV - AV1/Opus - Low Quality (*.mkv)"
                            << "MKV - AV1/Opus - Low Quality (*.mkv)"
                            << "mkv file"
                            << "MKV - AV1/Opus - Low Quality (*.mkv)";
        QTest::newRow("40") << 40 << "MKV - Keep Streams, No Re-encoding (*.mkv)"
                            << "MKV - Keep Streams, No Re-encoding (*.mkv)"
                            << "mkv file"
                            << "MKV - Keep Streams, No Re-encoding (*.mkv)";
        QTest::newRow("41") << 41 << "MP4 - Keep Streams, No Re-encoding (*.mp4)"
                            << "MP4 - Keep Streams, No Re-encoding (*.mp4)"
                            << "mp4 file"
                            << "MP4 - Keep Streams, No Re-encoding (*.mp4)";
        QTest::newRow("42") << 42 << "M4A - AAC (*.m4a)"
                            << "M4A - AAC (*.m4a)"
                            << "m4a file"
                            << "M4A - AAC (*.m4a)";
        QTest::newRow("46") << 46 << "WAV - Uncompressed (*.wav)"
                            << "WAV - Uncompressed (*.wav)"
                            << "wav file"
                            << "WAV - Uncompressed (*.wav)";
    }

    void table()
    {
        QFETCH(int, id);
        QFETCH(QString, menuText);
        QFETCH(QString, solutionText);
        QFETCH(QString, formatLabel);
        QFETCH(QString, box);
        const Preset *p = PresetById(id);
        QVERIFY(p);
        QCOMPARE(QString::fromLatin1(p->menuText), menuText);
        QCOMPARE(QString::fromLatin1(p->solutionText), solutionText);
        QCOMPARE(QString::fromLatin1(p->formatLabel), formatLabel);
        QCOMPARE(SolutionBoxText(*p), box);
    }

    // The size limit reaches the modern video presets only, as the shorter side's bound.
    void sizeLimit_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("scale");
        QTest::newRow("iPod ignores it") << 0 << 720 << QString();
        QTest::newRow("PSP ignores it") << 7 << 480 << QString();
        QTest::newRow("3GPP ignores it") << 26 << 1080 << QString();
        QTest::newRow("remux ignores it") << 40 << 720 << QString();
        QTest::newRow("audio ignores it") << 42 << 480 << QString();
        QTest::newRow("H.264 720p")
            << 29 << 720
            << "scale=w='if(gte(iw,ih),-2,max(2,2*trunc(min(720,iw)/2)))':h='if(gte(iw,ih),"
               "max(2,2*trunc(min(720,ih)/2)),-2)'";
        QTest::newRow("AV1 480p")
            << 37 << 480
            << "scale=w='if(gte(iw,ih),-2,max(2,2*trunc(min(480,iw)/2)))':h='if(gte(iw,ih),"
               "max(2,2*trunc(min(480,ih)/2)),-2)'";
    }

    void sizeLimit()
    {
        QFETCH(int, id);
        QFETCH(int, limit);
        QFETCH(QString, scale);
        const QStringList unlimited = Arguments(id);
        const QStringList arguments = Arguments(id, {QString(), false, limit});
        if (scale.isEmpty()) {
            QCOMPARE(arguments, unlimited);
            QVERIFY(arguments.filter(QLatin1String("scale=")).isEmpty());
        } else {
            QCOMPARE(arguments.count(QStringLiteral("-vf")), 1);
            QCOMPARE(arguments.value(arguments.indexOf(QStringLiteral("-vf")) + 1), scale);
        }
        // An audio-only input leaves the picture, and so the scale filter, out.
        QVERIFY(Arguments(id, {QString(), true, limit}).filter(QLatin1String("scale=")).isEmpty());
    }

    // Copied streams stay copied whatever the input holds: an audio-only file is not turned into
    // an encoded one.
    void remuxCopiesAudioOnlyInput()
    {
        QCOMPARE(
            Arguments(41, {QString(), true}),
            Expected(QStringLiteral("-map 0 -dn -c copy -y -movflags +faststart -f mp4 "), 41));
    }

    // Which presets a converter can make, from its encoder list.
    void availability_data()
    {
        QTest::addColumn<QStringList>("encoders");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QList<int>>("missing");
        QTest::addColumn<QString>("av1Encoder");
        const QStringList all {"libx264", "libx265", "libvpx-vp9", "libsvtav1",  "libaom-av1",
                               "aac",     "libopus", "flac",       "libmp3lame", "pcm_s16le"};
        QTest::newRow("everything") << all << true << QList<int> {} << "libsvtav1";
        QStringList noX265NoAv1 = all;
        for (const char *gone : {"libx265", "libsvtav1", "libaom-av1"})
            noX265NoAv1.removeAll(QLatin1String(gone));
        QTest::newRow("no H.265, no AV1")
            << noX265NoAv1 << true << QList<int> {31, 32, 33, 37, 38, 39} << "libsvtav1";
        QStringList aomOnly = all;
        aomOnly.removeAll(QStringLiteral("libsvtav1"));
        QTest::newRow("libaom-av1 only") << aomOnly << true << QList<int> {} << "libaom-av1";
        QStringList noOpus = all;
        noOpus.removeAll(QStringLiteral("libopus"));
        QTest::newRow("no Opus") << noOpus << true << QList<int> {34, 35, 36, 37, 38, 39, 43}
                                 << "libsvtav1";
        QList<int> modern;
        for (int id = 28; id <= 46; ++id) {
            if (id != 40 && id != 41 && id != 46) // copying and PCM need no encoder of their own
                modern << id;
        }
        QTest::newRow("converter did not answer")
            << QStringList {} << false << modern << "libsvtav1";
    }

    void availability()
    {
        QFETCH(QStringList, encoders);
        QFETCH(bool, listed);
        QFETCH(QList<int>, missing);
        QFETCH(QString, av1Encoder);
        ConverterInfo converter(QStringLiteral("ffmpeg"));
        converter.encoders = QSet<QString>(encoders.begin(), encoders.end());
        converter.listed = listed;
        QList<int> unavailable;
        for (const Preset &p : AllPresets()) {
            const QString reason = PresetUnavailableReason(p, converter);
            QCOMPARE(PresetAvailable(p, converter), reason.isEmpty());
            if (!reason.isEmpty()) {
                unavailable << p.id;
                QVERIFY2(reason.startsWith(QLatin1String("The converter ")), qPrintable(reason));
            }
        }
        std::sort(unavailable.begin(), unavailable.end());
        QCOMPARE(unavailable, missing);
        QVERIFY(BuildCommandLine(*PresetById(38), converter, {}, {}).contains(av1Encoder));
        QCOMPARE(PresetEncoders(*PresetById(38), converter).value(0), av1Encoder);
    }

    void reasonNamesTheEncoder()
    {
        ConverterInfo converter(QStringLiteral("ffmpeg"));
        converter.listed = true;
        converter.encoders = {QStringLiteral("aac")};
        QCOMPARE(PresetUnavailableReason(*PresetById(31), converter),
                 QStringLiteral("The converter has no libx265 encoder."));
        QCOMPARE(PresetUnavailableReason(*PresetById(38), converter),
                 QStringLiteral("The converter has neither the libsvtav1 nor the libaom-av1 "
                                "encoder. The converter has no libopus encoder."));
    }

    // The real converter's listing, as it prints it.
    void encoderListOfTheConverter()
    {
        bool listed = false;
        const QSet<QString> encoders
            = ReadConverterEncoders(QStringLiteral("ffmpeg"), kConverterAnswerMs, &listed);
        QVERIFY(listed);
        for (const char *name : {"libx264", "aac", "pcm_s16le", "flac", "mpeg4"})
            QVERIFY2(encoders.contains(QLatin1String(name)), name);
        QVERIFY(!encoders.contains(QStringLiteral("Encoders:")));
        QVERIFY(!encoders.contains(QStringLiteral("=")));
        ReadConverterEncoders(QStringLiteral("/nonexistent/ffmpeg"), kConverterAnswerMs, &listed);
        QVERIFY(!listed);
    }

    void idsThatNameNoPreset()
    {
        for (int id : {-1, 12, 14, 15, 17, 47, 1000})
            QVERIFY2(!PresetById(id), qPrintable(QString::number(id)));
        int named = 0;
        for (int id = 0; id <= 27; ++id)
            named += PresetById(id) ? 1 : 0;
        QCOMPARE(named, 24);
        // The modern presets follow without a gap.
        for (int id = 28; id <= 46; ++id)
            QVERIFY2(PresetById(id), qPrintable(QString::number(id)));
    }

    void menuOffersEveryPresetButDv()
    {
        QList<int> offered;
        for (const PresetMenuGroup &group : PresetMenuGroups()) {
            for (int id : group.ids) {
                QVERIFY(PresetById(id));
                QCOMPARE(QString::fromLatin1(PresetById(id)->menuGroup),
                         QString::fromLatin1(group.title));
                offered << id;
            }
        }
        QList<int> expected {13, 22, 21, 16, 18, 19, 23, 24, 26, 27, 25, 2,
                             1,  0,  5,  4,  3,  8,  7,  6,  11, 10, 9};
        for (int id = 28; id <= 46; ++id)
            expected << id;
        QCOMPARE(offered, expected);
        QStringList titles;
        for (const PresetMenuGroup &group : PresetMenuGroups())
            titles << QString::fromLatin1(group.title);
        QCOMPARE(titles,
                 (QStringList {"General Video", "General Audio", "Mobile Phone", "Apple iPod",
                               "Apple iPhone", "Sony PSP/PS3", "Modern Video", "Same Quality",
                               "Modern Audio"}));
    }
};

QTEST_GUILESS_MAIN(TestPresets)
#include "tst_presets.moc"
