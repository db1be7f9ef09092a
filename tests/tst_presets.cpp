#include "convert/command_line.h"
#include "convert/converter.h"
#include "convert/presets.h"

#include <QtTest>

// The converter command of every preset, written out by hand, and the preset table's texts.
class TestPresets : public QObject
{
    Q_OBJECT

private:
    static ConversionJob JobFor(int presetId, bool amr)
    {
        const Preset *p = PresetById(presetId);
        ConversionJob job;
        job.location = QStringLiteral("/in/");
        job.fileName = QStringLiteral("clip.avi");
        job.inputPath = job.location + job.fileName;
        job.outputFolder = QStringLiteral("/home/u/Mymedia/");
        ApplyPreset(job, *p, ConverterInfo {QStringLiteral("/opt/kelvora/ffmpeg"), amr});
        return job;
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
    }

    void commandLine()
    {
        QFETCH(int, id);
        QFETCH(bool, amr);
        QFETCH(QString, pieces);
        QFETCH(QString, output);
        const CommandLine command = BuildCommandLine(JobFor(id, amr));
        QCOMPARE(RenderCommandLine(command),
                 QStringLiteral("\"/opt/kelvora/ffmpeg\" -i \"/in/clip.avi\" ") + pieces
                     + QStringLiteral("\"/home/u/Mymedia/") + output + QLatin1Char('"'));
        // The argument list is the same line, split where a shell would split it.
        QStringList expected {QStringLiteral("-i"), QStringLiteral("/in/clip.avi")};
        expected << pieces.split(QLatin1Char(' '), Qt::SkipEmptyParts)
                 << QStringLiteral("/home/u/Mymedia/") + output;
        QCOMPARE(command.arguments, expected);
        QCOMPARE(command.program, QStringLiteral("/opt/kelvora/ffmpeg"));
    }

    void containerOfEveryPreset_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("audioOnlyInput");
        QTest::addColumn<QString>("container"); // the value after -f; empty: no -f at all
        // Written out by hand: the Apple presets and MPEG4 name mp4, the Sony ones psp, and the
        // rest leave the container to the extension.
        const QSet<int> mp4 {0, 1, 2, 3, 4, 5, 19};
        const QSet<int> psp {6, 7, 8, 9, 10, 11};
        for (const Preset &preset : AllPresets()) {
            const QString container = mp4.contains(preset.id)
                ? QStringLiteral("mp4")
                : (psp.contains(preset.id) ? QStringLiteral("psp") : QString());
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
        // The preset's own field says the same.
        QCOMPARE(QString::fromLatin1(PresetById(id)->container),
                 container.isEmpty() ? QString()
                                     : QStringLiteral("-f ") + container + QLatin1Char(' '));
        ConversionJob job = JobFor(id, false);
        job.audioOnlyInput = audioOnlyInput;
        const QStringList arguments = BuildCommandLine(job).arguments;
        QCOMPARE(arguments.count(QStringLiteral("-f")), container.isEmpty() ? 0 : 1);
        if (!container.isEmpty()) {
            const qsizetype at = arguments.indexOf(QStringLiteral("-f"));
            QCOMPARE(arguments.value(at + 1), container);
            // An output option: after the input, before the output.
            QVERIFY(at > arguments.indexOf(QStringLiteral("-i")) + 1);
            QCOMPARE(at + 2, arguments.size() - 1);
        }
    }

    void wmvExample()
    {
        ConversionJob job = JobFor(13, false);
        job.location = QStringLiteral("/d/in/");
        job.inputPath = QStringLiteral("/d/in/clip.avi");
        job.outputFolder = QStringLiteral("/c/Mymedia/");
        job.converterProgram = QStringLiteral("/prog/ffmpeg");
        QCOMPARE(RenderCommandLine(BuildCommandLine(job)),
                 QStringLiteral("\"/prog/ffmpeg\" -i \"/d/in/clip.avi\" -vcodec wmv2 -acodec wmav2 "
                                "-qscale 6 -y \"/c/Mymedia/clip.wmv\""));
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
        ConversionJob job = JobFor(id, false);
        job.audioOnlyInput = true;
        QCOMPARE(BuildCommandLine(job).pieces, pieces);
    }

    void pathsWithBlanksStayOneArgument()
    {
        ConversionJob job = JobFor(24, false);
        job.fileName = QStringLiteral("-my \"song\" $(x).wav");
        job.inputPath = QStringLiteral("/a b/") + job.fileName;
        job.outputFolder = QStringLiteral("/out dir/");
        const CommandLine command = BuildCommandLine(job);
        QCOMPARE(command.arguments.at(1), job.inputPath);
        QCOMPARE(command.arguments.last(), QStringLiteral("/out dir/-my \"song\" $(x).mp3"));
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
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("menuText");
        QTest::addColumn<QString>("solutionText");
        QTest::addColumn<QString>("formatLabel");
        QTest::addColumn<QString>("box");
        QTest::newRow("0") << 0 << 32854 << "iPod - Low Quarlity (*.mp4)"
                           << "APPLE iPod - Low Quarlity (*.mp4)"
                           << "mp4 file"
                           << "APPLE iPod - Low Quarlity (*.mp4)";
        QTest::newRow("8") << 8 << 32831 << "PSP - High Quarlity (*.mp4)"
                           << "SONY PSP - High Quarlity (*.mp4)"
                           << "mp4 file"
                           << "SONY PSP - High Quarlity (*.mp4)";
        QTest::newRow("20") << 20 << 32846 << ""
                            << "DV - Digital Video (*.dv)"
                            << "dv file"
                            << "DV - Digital Video (*.dv)";
        QTest::newRow("22") << 22 << 32845 << "Divx Video (*.avi)"
                            << "AVI - Audio-Video Interleave (*.avi)"
                            << "avi file"
                            << "AVI - Audio-Video Interleave (*.avi)";
        QTest::newRow("24") << 24 << 32863 << "Mp3 - Mpeg Audio Layer3 (*.mp3)"
                            << "Mp3 Audio (*.mp3)"
                            << "mp3 file"
                            << "Mp3 Audio (*.mp3)";
        QTest::newRow("25") << 25 << 32865 << "BlackBerry 3GP (*.3gp)"
                            << "BlackBerry 3GP (*.3gp)"
                            << "BlackBerry 3GP file"
                            << "BlackBerry 3GP (*.3gp)";
        QTest::newRow("26") << 26 << 32866 << "3GPP  (*.3gp)"
                            << "3GP  (*.3gp)"
                            << "3gp file"
                            << "3GP (*.3gp)";
        QTest::newRow("27") << 27 << 32867 << "3GPP2 (*.3g2)"
                            << "3GPP2 (*.3g2)"
                            << "3g2 file"
                            << "3GPP2 (*.3g2)";
    }

    void table()
    {
        QFETCH(int, id);
        QFETCH(int, command);
        QFETCH(QString, menuText);
        QFETCH(QString, solutionText);
        QFETCH(QString, formatLabel);
        QFETCH(QString, box);
        const Preset *p = PresetById(id);
        QVERIFY(p);
        QCOMPARE(p->command, command);
        QCOMPARE(PresetByCommand(command), p);
        QCOMPARE(QString::fromLatin1(p->menuText), menuText);
        QCOMPARE(QString::fromLatin1(p->solutionText), solutionText);
        QCOMPARE(QString::fromLatin1(p->formatLabel), formatLabel);
        QCOMPARE(SolutionBoxText(*p), box);
    }

    void idsThatNameNoPreset()
    {
        for (int id : {-1, 12, 14, 15, 17, 28, 1000})
            QVERIFY2(!PresetById(id), qPrintable(QString::number(id)));
        int named = 0;
        for (int id = 0; id <= 27; ++id)
            named += PresetById(id) ? 1 : 0;
        QCOMPARE(named, 24);
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
        QCOMPARE(offered, (QList<int> {13, 22, 21, 16, 18, 19, 23, 24, 26, 27, 25, 2,
                                       1,  0,  5,  4,  3,  8,  7,  6,  11, 10, 9}));
    }
};

QTEST_GUILESS_MAIN(TestPresets)
#include "tst_presets.moc"
