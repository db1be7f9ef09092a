#include "engine/convert/command_line.h"
#include "engine/convert/conversion_run.h"
#include "engine/convert/converter.h"
#include "engine/convert/temporary_outputs.h"
#include "support/media_factory.h"
#include "support/processes.h"

#include "support/files.h"

#include <QtEndian>
#include <QtTest>

#include <csignal>

namespace {

using testprocesses::Alive;
using testprocesses::Children;

using testfiles::Checksum;

// A run driven to its end in the event loop, with what it reported.
struct Outcome
{
    QList<int> progress;
    int finishedCount = 0;
};

void Watch(ConversionRun &run, Outcome &outcome)
{
    QObject::connect(&run, &ConversionRun::Advanced, &run,
                     [&outcome](int percent) { outcome.progress << percent; });
    QObject::connect(&run, &ConversionRun::Finished, &run, [&outcome] { ++outcome.finishedCount; });
}

// Writes an executable shell script standing in for the converter.
QString Script(const QString &path, const QByteArray &body)
{
    if (!testfiles::WriteBytes(path, "#!/bin/sh\n" + body + "\n"))
        return QString();
    QFile::setPermissions(path,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

} // namespace

// One conversion with the real converter on generated media, and with stand-ins for a converter
// that misbehaves.
class TestConversionRun : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_in; // folder of the inputs
    QString m_out; // saving folder

    ConversionJob Job(const QString &fileName, int presetId, int duration) const
    {
        ConversionJob job;
        job.input.path = m_in + fileName;
        job.durationSeconds = duration;
        job.outputFolder = m_out;
        job.preset = PresetById(presetId);
        job.converter = Converter();
        return job;
    }
    QString FinalPath(const ConversionJob &job) const
    {
        return job.outputFolder + OutputBaseName(QFileInfo(job.input.path).fileName())
            + job.preset->extension;
    }
    // The saving folder's entries besides the outputs the test expects: temporary leftovers.
    QStringList Hidden() const
    {
        return QDir(m_out).entryList(QDir::Files | QDir::Hidden).filter(QRegularExpression("^\\."));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(!testmedia::Ffmpeg().isEmpty());
        m_in = m_dir.filePath(QStringLiteral("in")) + QLatin1Char('/');
        m_out = m_dir.filePath(QStringLiteral("out/new folder")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(m_in));
        QString log;
        QVERIFY2(testmedia::Make(m_in + QStringLiteral("clip.mkv"), testmedia::Clip(), &log),
                 qPrintable(log));
        testmedia::Clip slow;
        slow.seconds = 120;
        slow.size = QStringLiteral("1280x720");
        slow.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "mp2"};
        QVERIFY(testmedia::Make(m_in + QStringLiteral("slow.mkv"), slow));
        // Audio relabelled MPEG-H 3D Audio, which the converter cannot decode.
        const QString mpegh = m_in + QStringLiteral("mpegh.mp4");
        testmedia::Clip mp4;
        mp4.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "aac"};
        QVERIFY(testmedia::Make(mpegh, mp4));
        QByteArray bytes = testfiles::ReadBytes(mpegh);
        QVERIFY(
            testfiles::WriteBytes(mpegh, bytes.replace("mp4a", "mhm1").replace("esds", "skip")));
        // Video frames after the twelfth are noise: too many to decode, the converter gives up.
        const QString damaged = m_in + QStringLiteral("damaged.avi");
        QVERIFY(testmedia::RunFfmpeg(
            {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:d=2", "-c:v", "mpeg4", damaged}));
        QByteArray avi = testfiles::ReadBytes(damaged);
        int frame = 0;
        for (qsizetype at = avi.indexOf("movi") + 4; at + 8 < avi.size();) {
            const quint32 size = qFromLittleEndian<quint32>(avi.constData() + at + 4);
            const bool noise = avi.mid(at, 4) == "00dc" && ++frame > 12;
            for (quint32 k = 0; noise && k < size; ++k)
                avi[at + 8 + k] = char(k * 7919 % 251);
            at += 8 + size + (size & 1);
        }
        QVERIFY(frame == 50 && testfiles::WriteBytes(damaged, avi));
        QVERIFY(testmedia::MakeCutClip(m_in + QStringLiteral("cut.mp4")));
    }

    void everyOfferedPreset_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("streams");
        const QString mp4 = QStringLiteral("mp4");
        const QStringList mpeg4Aac {QStringLiteral("mpeg4:video"), QStringLiteral("aac:audio")};
        const QStringList h264Aac {QStringLiteral("h264:video"), QStringLiteral("aac:audio")};
        for (const PresetMenuGroup &group : PresetMenuGroups()) {
            for (int id : group.ids) {
                const QByteArray name = QByteArray(PresetById(id)->menuText);
                if (id <= 5 || id == 19)
                    QTest::newRow(name) << id << mp4 << mpeg4Aac;
                else if (id <= 11)
                    QTest::newRow(name) << id << mp4 << h264Aac;
            }
        }
        QTest::newRow("WMV") << 13 << "asf" << QStringList {"wmv2:video", "wmav2:audio"};
        QTest::newRow("MPEG1") << 16 << "mpeg" << QStringList {"mpeg1video:video", "mp2:audio"};
        QTest::newRow("MPEG2") << 18 << "mpeg" << QStringList {"mpeg2video:video", "mp2:audio"};
        QTest::newRow("ASF") << 21 << "asf" << QStringList {"msmpeg4v3:video", "mp3:audio"};
        QTest::newRow("AVI") << 22 << "avi" << QStringList {"mpeg4:video", "mp3:audio"};
        QTest::newRow("WMA") << 23 << "asf" << QStringList {"wmav2:audio"};
        QTest::newRow("MP3") << 24 << "mp3" << QStringList {"mp3:audio"};
        QTest::newRow("BlackBerry 3GP") << 25 << "3gp" << mpeg4Aac;
        QTest::newRow("3GPP") << 26 << "3gp" << QStringList {"h263:video", "aac:audio"};
        QTest::newRow("3GPP2") << 27 << "3g2" << mpeg4Aac;
    }

    void everyOfferedPreset()
    {
        QFETCH(int, id);
        QFETCH(QString, format);
        QFETCH(QStringList, streams);
        const ConversionJob job = Job(QStringLiteral("clip.mkv"), id, 2);
        const QByteArray before = Checksum(job.input.path);
        const QString output = FinalPath(job);
        ConversionRun run(job, output, false, nullptr);
        Outcome outcome;
        Watch(run, outcome);
        run.Launch();
        QTRY_COMPARE_WITH_TIMEOUT(outcome.finishedCount, 1, 60000);

        QVERIFY2(run.state() == ItemState::Completed, qPrintable(run.reason()));
        QCOMPARE(run.output(), output);
        QCOMPARE(run.reason(), output); // a completed row's tooltip names the file written
        QVERIFY2(testmedia::FormatName(output).split(QLatin1Char(',')).contains(format),
                 qPrintable(testmedia::FormatName(output)));
        QCOMPARE(testmedia::Streams(output), streams);
        QVERIFY(qAbs(testmedia::Duration(output) - 2.0) < 0.5);
        QCOMPARE(Checksum(job.input.path), before);
        QCOMPARE(Hidden(), QStringList());
        QFile::remove(output);
    }

    void longestLegalNameConverts()
    {
        // The output's name takes all the folder allows: the temporary name must give way.
        const QString name = QString(251, QLatin1Char('l')) + QStringLiteral(".mkv");
        QVERIFY(QFile::copy(m_in + QStringLiteral("clip.mkv"), m_in + name));
        const ConversionJob job = Job(name, 13, 2);
        ConversionRun run(job, FinalPath(job), false, nullptr);
        Outcome outcome;
        Watch(run, outcome);
        run.Launch();
        QTRY_COMPARE_WITH_TIMEOUT(outcome.finishedCount, 1, 60000);
        QVERIFY2(run.state() == ItemState::Completed, qPrintable(run.reason()));
        QCOMPARE(Hidden(), QStringList());
    }

    void progressRises()
    {
        testmedia::Clip clip;
        clip.seconds = 20;
        clip.size = QStringLiteral("640x480");
        clip.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "mp2"};
        QVERIFY(testmedia::Make(m_in + QStringLiteral("long.mkv"), clip));
        const ConversionJob job = Job(QStringLiteral("long.mkv"), 8, 20);
        ConversionRun run(job, FinalPath(job), false, nullptr);
        Outcome outcome;
        Watch(run, outcome);
        run.Launch();
        QTRY_COMPARE_WITH_TIMEOUT(outcome.finishedCount, 1, 60000);
        QVERIFY(run.state() == ItemState::Completed);
        QVERIFY2(outcome.progress.size() >= 2,
                 qPrintable(QString::number(outcome.progress.size())));
        for (int i = 1; i < outcome.progress.size(); ++i)
            QVERIFY(outcome.progress[i] > outcome.progress[i - 1]);
        QVERIFY(outcome.progress.first() > 0);
        QVERIFY(outcome.progress.last() >= 95 && outcome.progress.last() <= 100);
    }

    void cancelKillsTheWholeGroup_data()
    {
        QTest::addColumn<bool>("throughWrapper");
        QTest::addColumn<bool>("beforeStart");
        QTest::newRow("converter") << false << false;
        QTest::newRow("converter started by a script") << true << false;
        QTest::newRow("cancel before the converter runs") << false << true;
    }

    void cancelKillsTheWholeGroup()
    {
        QFETCH(bool, throughWrapper);
        QFETCH(bool, beforeStart);
        ConversionJob job = Job(QStringLiteral("slow.mkv"), 8, 120);
        const QString earlier = FinalPath(job);
        QVERIFY(QDir().mkpath(m_out));
        QVERIFY(testfiles::WriteBytes(earlier, "an earlier good output"));
        if (throughWrapper) {
            // Not exec: the script stays the parent, and the converter is its child.
            job.converter.program = Script(m_dir.filePath(QStringLiteral("wrapper.sh")),
                                           "'" + testmedia::Ffmpeg().toUtf8() + "' \"$@\"\ntrue");
        }
        ConversionRun run(job, earlier, true, nullptr);
        Outcome outcome;
        Watch(run, outcome);
        run.Launch();
        if (beforeStart) {
            run.Abort();
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(!outcome.progress.isEmpty(), 60000);
        }
        const qint64 pid = run.pid();
        QList<qint64> family {pid};
        if (throughWrapper) {
            QTRY_VERIFY_WITH_TIMEOUT(!Children(pid).isEmpty(), 10000);
            family << Children(pid);
        }
        run.Abort();
        QTRY_COMPARE_WITH_TIMEOUT(outcome.finishedCount, 1, 10000);
        QVERIFY(run.state() == ItemState::Canceled);
        QVERIFY(run.reason().isEmpty());
        for (qint64 member : family)
            QTRY_VERIFY_WITH_TIMEOUT(!Alive(member), 5000);
        // The partial output is gone and the earlier file under the final name is untouched.
        QCOMPARE(testfiles::ReadBytes(earlier), QByteArray("an earlier good output"));
        QCOMPARE(Hidden(), QStringList());
        QFile::remove(earlier);
    }

    void faults_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("converter"); // a stand-in script's body; empty: the real one
        QTest::addColumn<QString>("outputFolder");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("reasonHas");
        const int failed = int(ItemState::Failed);
        QTest::newRow("missing converter") << "clip.mkv" << QByteArray("%missing%") << ""
                                           << int(ItemState::ConverterNotFound) << "No such file";
        QTest::newRow("broken input")
            << "broken.avi" << QByteArray() << "" << failed << "broken.avi";
        QTest::newRow("missing input")
            << "gone.mkv" << QByteArray() << "" << failed << "No such file";
        QTest::newRow("saving folder cannot be made")
            << "clip.mkv" << QByteArray() << "%file%" << failed << "cannot be created";
        QTest::newRow("exits 0 and writes nothing")
            << "clip.mkv" << QByteArray("for a; do last=$a; done; rm -f \"$last\"; exit 0") << ""
            << failed << "no output";
        QTest::newRow("exits 0 with an empty file")
            << "clip.mkv" << QByteArray("echo working; exit 0") << "" << failed << "empty";
        QTest::newRow("exits 0 with a file that is no media")
            << "clip.mkv" << QByteArray("for a; do last=$a; done; echo junk > \"$last\"; exit 0")
            << "" << failed << "cannot be read";
        // A file the media library opens, as a metadata file, but that holds no stream.
        QTest::newRow("exits 0 with a file that holds no stream")
            << "clip.mkv"
            << QByteArray(
                   "for a; do last=$a; done; printf ';FFMETADATA1\\ntitle=x\\n' > \"$last\"; "
                   "exit 0")
            << "" << failed << "cannot be read";
        QTest::newRow("last line unfinished")
            << "clip.mkv" << QByteArray("printf 'first line\\nwhy it failed'; exit 1") << ""
            << failed << "why it failed";
        QTest::newRow("closes its output and lingers")
            << "clip.mkv" << QByteArray("exec >/dev/null 2>&1; sleep 60") << "" << failed
            << "The converter went on running after closing its output";
        QTest::newRow("fails without a word") << "clip.mkv" << QByteArray("exit 3") << "" << failed
                                              << "The converter stopped with exit status 3";
        QTest::newRow("encoder refuses the settings")
            << "clip.mkv"
            << QByteArray(
                   "echo '[h263 @ 0x5] Too big'; echo 'Error initializing output stream'; exit 1")
            << "" << failed << "The encoder refused these settings: Too big\nError initializing";
        QTest::newRow("encoder refuses, saying nothing")
            << "clip.mkv"
            << QByteArray("echo 'Stream #0:0'; echo 'Error initializing output stream: Error while "
                          "opening encoder'; exit 1")
            << "" << failed
            << "The encoder cannot make this file with the preset's settings\nError";
        // A name the folder cannot take is named in the reason.
        QTest::newRow("output name too long")
            << QString(252, QLatin1Char('n')) + QStringLiteral(".ts") << QByteArray() << ""
            << failed
            << QString(252, QLatin1Char('n')) + QStringLiteral(".wmv: File name too long");
        // The reason says the cause, plainly, with the converter's own line after it.
        QTest::newRow("killed by a signal") << "clip.mkv" << QByteArray("echo dying; kill -9 $$")
                                            << "" << failed << "The converter was killed (SIGKILL)";
        QTest::newRow("crashed") << "clip.mkv"
                                 << QByteArray("echo 'encoder : Lavc59.37.100 aac'; kill -SEGV $$")
                                 << "" << failed << "The converter crashed (segmentation fault)";
        QTest::newRow("write failure, then other lines")
            << "clip.mkv"
            << QByteArray("echo 'Error writing trailer of x: Operation not permitted'; "
                          "echo '[aac @ 0x5] Qavg: 133.276'; exit 1")
            << "" << failed << "Error writing trailer of x: Operation not permitted";
        QTest::newRow("audio codec that cannot be decoded")
            << "mpegh.mp4" << QByteArray() << "" << failed
            << "The file's audio codec (MPEG-H 3D Audio) cannot be decoded\nDecoder (codec "
               "mpegh_3d_audio) not found for input stream #0:1";
        QTest::newRow("damaged file")
            << "damaged.avi" << QByteArray() << "" << failed
            << "The file is damaged"; // "at 00:00:00" once the converter told a position
        // A converter that copies its input and says how far it got (0:10 of 0:10 unless told).
        const QByteArray copy = "for a; do [ \"$p\" = -i ] && in=$a; case $a in pipe:*) "
                                "fd=${a#pipe:};; esac; p=$a; last=$a; done; cp \"$in\" \"$last\"; ";
        const QByteArray at10 = "; echo out_time=00:00:10.000000 >/dev/fd/$fd";
        const int partly = int(ItemState::PartlyConverted);
        QTest::newRow("clip cut short") << "cut.mp4" << QByteArray() << "" << partly
                                        << "of 0:10: the input file ends early\n" + m_out;
        QTest::newRow("output 7 s short")
            << "cut.mp4" << copy + "echo out_time=00:00:03 >/dev/fd/$fd"
            << "" << partly << "Converted 0:03 of 0:10: the input";
        QTest::newRow("output 1 s short")
            << "cut.mp4" << copy + "echo out_time=00:00:09 >/dev/fd/$fd"
            << "" << int(ItemState::Completed) << m_out;
        QTest::newRow("partial file told") << "cut.mp4" << copy + "echo 'x: partial file'" + at10
                                           << "" << partly << "0:10 of 0:10: the input file ends";
        QTest::newRow("damage told")
            << "cut.mp4" << copy + "echo 'error while decoding MB 1 2'" + at10 << "" << partly
            << "0:10 of 0:10: The file is damaged";
        QTest::newRow("encoder not installed")
            << "clip.mkv" << QByteArray("%amr%") << "" << failed
            << "The encoder for AMR-NB is not installed\nUnknown encoder 'libopencore_amrnb'";
    }

    void faults()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, converter);
        QFETCH(QString, outputFolder);
        QFETCH(int, state);
        QFETCH(QString, reasonHas);

        QVERIFY(testfiles::WriteBytes(m_in + QStringLiteral("broken.avi"),
                                      "this is not a video at all\n"));
        QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        ConversionJob job
            = Job(fileName, converter == "%amr%" ? 25 : 13, fileName == "cut.mp4" ? 10 : 2);
        if (converter == "%amr%") // listed as there, which the converter lacks
            job.converter.encoders.insert(QStringLiteral("libopencore_amrnb"));
        if (converter == "%missing%")
            job.converter.program = QStringLiteral("/nonexistent/ffmpeg");
        else if (!converter.isEmpty() && converter != "%amr%")
            job.converter.program = Script(m_dir.filePath(QStringLiteral("standin.sh")), converter);
        if (outputFolder == QLatin1String("%file%"))
            job.outputFolder = blocker.fileName() + QStringLiteral("/sub/");

        QMap<QString, QByteArray> before;
        for (const QString &name : QDir(m_in).entryList(QDir::Files))
            before[name] = Checksum(m_in + name);

        const QString output = FinalPath(job);
        ConversionRun run(job, output, false, nullptr);
        Outcome outcome;
        Watch(run, outcome);
        run.Launch();
        QTRY_COMPARE_WITH_TIMEOUT(outcome.finishedCount, 1, 30000);
        QVERIFY2(int(run.state()) == state, qPrintable(run.reason()));
        QVERIFY2(run.reason().contains(reasonHas), qPrintable(run.reason()));
        if (reasonHas.isEmpty())
            QVERIFY(run.reason().isEmpty() || !run.reason().contains(QLatin1String("time=")));
        const bool kept
            = state == int(ItemState::PartlyConverted) || state == int(ItemState::Completed);
        QVERIFY(outcome.progress.isEmpty() || kept || fileName == QLatin1String("damaged.avi"));
        QCOMPARE(QFileInfo::exists(output), kept);
        if (QFileInfo::exists(m_out))
            QCOMPARE(Hidden(), QStringList());
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(Checksum(m_in + it.key()), it.value());
        QFile::remove(output);
    }

    void cancelBeforeTheStartEndsTheRunAtOnce()
    {
        // A cancel that comes before the start ends the run as soon as the converter is there:
        // a converter that would take long to get going is not waited for.
        ConversionJob job = Job(QStringLiteral("clip.mkv"), 13, 2);
        job.converter.program
            = Script(m_dir.filePath(QStringLiteral("late.sh")),
                     "sleep 30\nexec '" + testmedia::Ffmpeg().toUtf8() + "' \"$@\"");
        ConversionRun run(job, FinalPath(job), false, nullptr);
        Outcome outcome;
        Watch(run, outcome);
        run.Abort();
        run.Launch();
        QTRY_COMPARE_WITH_TIMEOUT(outcome.finishedCount, 1, 10000);
        QVERIFY(run.state() == ItemState::Canceled);
        QVERIFY(!QFileInfo::exists(FinalPath(job)));
        QCOMPARE(Hidden(), QStringList());
    }

    void fileAppearingUnderTheFinalNameStays()
    {
        // The converter's stand-in creates the final name's file while it runs, as another
        // program might, then writes a real output under the name it was given.
        ConversionJob job = Job(QStringLiteral("clip.mkv"), 13, 2);
        const QString output = FinalPath(job);
        const QString other = m_out + QStringLiteral("clip (2).wmv");
        QVERIFY(QDir().mkpath(m_out));
        job.converter.program = Script(m_dir.filePath(QStringLiteral("appear.sh")),
                                       "echo 'not yours' > '" + output.toUtf8() + "'\nexec '"
                                           + testmedia::Ffmpeg().toUtf8() + "' \"$@\"");
        int asked = 0;
        ConversionRun run(job, output, false, [&asked, other] {
            ++asked;
            return other;
        });
        Outcome outcome;
        Watch(run, outcome);
        run.Launch();
        QTRY_COMPARE_WITH_TIMEOUT(outcome.finishedCount, 1, 60000);
        QVERIFY2(run.state() == ItemState::Completed, qPrintable(run.reason()));
        QCOMPARE(asked, 1);
        QCOMPARE(run.output(), other);
        QCOMPARE(testfiles::ReadBytes(output), QByteArray("not yours\n"));
        QCOMPARE(testmedia::Streams(other), (QStringList {"wmv2:video", "wmav2:audio"}));
        QFile::remove(output);
        QFile::remove(other);
    }

    // Where the file system has neither an exclusive rename nor links: the final name is taken
    // by an exclusive create, and a file already there stays.
    void renameOverPlaceholder()
    {
        QTemporaryDir dir;
        const QString from = dir.filePath(QStringLiteral(".out.part"));
        const QString to = dir.filePath(QStringLiteral("out.wmv"));
        QVERIFY(testfiles::WriteBytes(from, "output\n") && testfiles::WriteBytes(to, "yours\n"));
        QVERIFY(!RenameOverPlaceholder(from, to));
        QCOMPARE(testfiles::ReadBytes(to), QByteArray("yours\n"));
        QVERIFY(QFile::remove(to) && RenameOverPlaceholder(from, to) && !QFile::exists(from));
        QCOMPARE(testfiles::ReadBytes(to), QByteArray("output\n"));
    }
};

QTEST_GUILESS_MAIN(TestConversionRun)
#include "tst_conversion_run.moc"
