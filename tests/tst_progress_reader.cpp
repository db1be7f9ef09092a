#include "engine/convert/failure_reason.h"
#include "engine/convert/progress_reader.h"
#include "support/media_factory.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Every percentage posted while `output` is fed in chunks of `chunkSize`.
QList<int> FeedAll(const QByteArray &output, int chunkSize, int duration)
{
    ProgressReader reader(duration);
    QList<int> posted;
    for (qsizetype at = 0; at < output.size(); at += chunkSize) {
        const QByteArray chunk = output.mid(at, chunkSize);
        const int percent = reader.Feed(chunk.constData(), int(chunk.size()));
        if (percent >= 0)
            posted << percent;
    }
    return posted;
}

// The converter's whole console output (both streams) for `arguments`, as a conversion reads it.
QByteArray RunConverter(const QStringList &arguments)
{
    QProcess converter;
    converter.setProcessChannelMode(QProcess::MergedChannels);
    converter.setStandardInputFile(QProcess::nullDevice());
    converter.start(testmedia::Ffmpeg(), arguments);
    if (!converter.waitForFinished(60000))
        converter.kill();
    return converter.readAll();
}

} // namespace

// Reading the converter's console output chunk by chunk into rising percentages.
class TestProgressReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void chunks_data()
    {
        QTest::addColumn<int>("duration");
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QList<int>>("posted"); // -1: nothing posted for that chunk

        const QByteArray line
            = "frame=  120 fps= 25 q=6.0 size=    512kB time=4.80 bitrate= 873.8kbits/s\r";
        QTest::newRow("seconds") << 48 << QByteArrayList {line} << QList<int> {10};
        QTest::newRow("clock value, audio only")
            << 48 << QByteArrayList {"size=  512kB time=00:00:04.80 bitrate=873.8kbits/s\r"}
            << QList<int> {10};
        QTest::newRow("hours in a clock value")
            << 7200 << QByteArrayList {"size=N/A time=01:00:00.00 bitrate=\r"} << QList<int> {50};
        QTest::newRow("two status lines in one chunk: the later counts")
            << 100 << QByteArrayList {"size= time=10.0 x\rsize= time=20.0 y\r"} << QList<int> {20};
        QTest::newRow("line ended by a line feed")
            << 100 << QByteArrayList {"frame= 9 Lsize= 1kB time=30.0 bitrate=\n"}
            << QList<int> {30};
        QTest::newRow("equal percentage posts nothing")
            << 100
            << QByteArrayList {"size= time=10.5 \r", "size= time=10.9 \r", "size= time=11 \r"}
            << QList<int> {10, -1, 11};
        QTest::newRow("lower value posts nothing")
            << 100 << QByteArrayList {"size= time=50 \r", "size= time=20 \r"}
            << QList<int> {50, -1};
        QTest::newRow("N/A") << 100 << QByteArrayList {"size=N/A time=N/A bitrate=N/A\r"}
                             << QList<int> {-1};
        QTest::newRow("negative clock")
            << 100 << QByteArrayList {"size= time=-577014:32:22.77 \r"} << QList<int> {-1};
        QTest::newRow("zero duration posts nothing")
            << 0 << QByteArrayList {"size= time=5.0 \r", "size= time=00:00:09.00 \r"}
            << QList<int> {-1, -1};
        QTest::newRow("negative duration posts nothing")
            << -100 << QByteArrayList {"size= time=-50 \r"} << QList<int> {-1};
        QTest::newRow("past the duration: full, never more")
            << 10 << QByteArrayList {"size= time=8 \r", "size= time=15 \r", "size= time=99 \r"}
            << QList<int> {80, 100, -1};
        QTest::newRow("status line without a time")
            << 10 << QByteArrayList {"frame= 10 fps=0.0\r"} << QList<int> {-1};
        QTest::newRow("blanks after the marker")
            << 10 << QByteArrayList {"size= time=   5 \r"} << QList<int> {50};
        // A line is read when it ends, whole, however the reads cut it.
        QTest::newRow("line split across chunks")
            << 100
            << QByteArrayList {"size= 1kB time=00:00:2", "3.00 bitrate=\rsize= 2kB time=00:00:4",
                               "0.00 \r"}
            << QList<int> {-1, 23, 40};
        QTest::newRow("line start split across chunks")
            << 100 << QByteArrayList {"fra", "me= 1 time=7 \r"} << QList<int> {-1, 7};
        QTest::newRow("no exponents or words")
            << 100 << QByteArrayList {"size= time=inf \r", "size= time=nan \r", "size= time=1e9 \r"}
            << QList<int> {-1, -1, 1};
        QTest::newRow("huge value is full")
            << 1 << QByteArrayList {"size= time=99999999999999999999 \r"} << QList<int> {100};
        // What the converter prints before its first status line repeats the input's name and
        // tags, which may hold anything.
        QTest::newRow("input's name")
            << 2 << QByteArrayList {"Input #0, avi, from 'time=99999.avi':\n"} << QList<int> {-1};
        QTest::newRow("output's name")
            << 2 << QByteArrayList {"Output #0, mp4, to '/out/time=99999.mp4':\n"}
            << QList<int> {-1};
        QTest::newRow("tag")
            << 20 << QByteArrayList {"  Metadata:\n    title           : time=00:00:19.00\n"}
            << QList<int> {-1};
        QTest::newRow("tag holding a whole status line")
            << 20 << QByteArrayList {"    comment         : frame= 1 size= 1kB time=19.00\r\n"}
            << QList<int> {-1};
        QTest::newRow("failure naming the file")
            << 20 << QByteArrayList {"time=19.mkv: No such file or directory\n"} << QList<int> {-1};
        QTest::newRow("name, then the status line")
            << 20
            << QByteArrayList {"Input #0, avi, from 'time=00:00:19.00.avi':\nStream mapping:\n",
                               "frame=    1 fps=0.0 q=3.8 size=       0kB time=00:00:01.00 \r"}
            << QList<int> {-1, 5};
        QTest::newRow("unended line posts nothing yet")
            << 10 << QByteArrayList {"size= time=5"} << QList<int> {-1};
    }

    void chunks()
    {
        QFETCH(int, duration);
        QFETCH(QByteArrayList, chunks);
        QFETCH(QList<int>, posted);
        ProgressReader reader(duration);
        QList<int> got;
        for (const QByteArray &chunk : chunks)
            got << reader.Feed(chunk.constData(), chunk.size());
        QCOMPARE(got, posted);
    }

    // The converter's own output for a clip named "time=99999.avi" whose title is
    // "time=00:00:19.00", cut at every place: the result never depends on the cut.
    void everyCutOfRealOutput_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("duration");
        // What each status line gives, in order. A chunk posts the last of the lines it ends.
        QTest::addColumn<QList<int>>("lines");

        const QByteArray head = "Input #0, avi, from 'time=99999.avi':\n"
                                "  Metadata:\n"
                                "    title           : time=00:00:19.00\n"
                                "    software        : Lavf59.27.100\n"
                                "  Duration: 00:00:02.04, start: 0.000000, bitrate: 327 kb/s\n"
                                "Stream mapping:\n"
                                "  Stream #0:0 -> #0:0 (mpeg4 (native) -> mpeg4 (native))\n"
                                "Press [q] to stop, [?] for help\n"
                                "Output #0, mp4, to '/tmp/out/time=99999.mp4':\n"
                                "  Metadata:\n"
                                "    title           : time=00:00:19.00\n";
        QTest::newRow("video") << head
                + "frame=    1 fps=0.0 q=3.8 size=       0kB time=00:00:00.06 bitrate=   "
                  "5.1kbits/s "
                  "speed=6.59x    \r"
                  "frame=   26 fps=0.0 q=2.0 size=      36kB time=00:00:01.04 bitrate= "
                  "283.5kbits/s "
                  "speed=10.1x    \r"
                  "frame=   51 fps=0.0 q=2.0 Lsize=      72kB time=00:00:02.04 bitrate= "
                  "289.7kbits/s "
                  "dup=1 drop=0 speed=13.5x    \n"
                  "video:52kB audio:17kB subtitle:0kB other streams:0kB global headers:0kB muxing "
                  "overhead: 3.964430%\n"
                               << 2 << QList<int> {3, 52, 100};
        QTest::newRow("audio only") << head
                + "size=       0kB time=00:00:00.00 bitrate=N/A speed=   0x    \r"
                  "size=      16kB time=00:00:01.50 bitrate=  65.9kbits/s speed=24.9x    \n"
                  "video:0kB audio:16kB subtitle:0kB other streams:0kB global headers:0kB muxing "
                  "overhead: 1.750560%\n"
                                    << 2 << QList<int> {75};
    }

    void everyCutOfRealOutput()
    {
        QFETCH(QByteArray, output);
        QFETCH(int, duration);
        QFETCH(QList<int>, lines);
        QCOMPARE(FeedAll(output, 1, duration), lines);
        for (int cut = 1; cut < output.size(); ++cut) {
            QList<int> got;
            ProgressReader reader(duration);
            for (const QByteArray &part : {output.left(cut), output.mid(cut)}) {
                for (qsizetype at = 0; at < part.size(); at += ProgressReader::kChunkSize) {
                    const QByteArray chunk = part.mid(at, ProgressReader::kChunkSize);
                    const int percent = reader.Feed(chunk.constData(), int(chunk.size()));
                    if (percent >= 0)
                        got << percent;
                }
            }
            const QString where = QStringLiteral("cut at %1").arg(cut);
            QVERIFY2(!got.isEmpty() && got.last() == lines.last(), qPrintable(where));
            for (int i = 0; i < got.size(); ++i)
                QVERIFY2(lines.contains(got[i]) && (i == 0 || got[i] > got[i - 1]),
                         qPrintable(where));
        }
    }

    // The real converter, on a clip whose name and title hold "time=": only its status lines
    // move the bar, which ends full and never passes it; a missing "time=1.mkv" is named as
    // the reason.
    void realConverter()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString input = dir.filePath(QStringLiteral("time=99999.avi"));
        testmedia::Clip clip;
        clip.seconds = 2;
        clip.size = QStringLiteral("160x120");
        clip.codecArguments
            = {QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-metadata"),
               QStringLiteral("title=time=00:00:19.00")};
        QString log;
        QVERIFY2(testmedia::Make(input, clip, &log), qPrintable(log));

        const QByteArray output = RunConverter({QStringLiteral("-i"), input, QStringLiteral("-y"),
                                                dir.filePath(QStringLiteral("out.mp4"))});
        // The test means nothing unless the converter echoed both before its status lines.
        QVERIFY(output.contains("from '" + QFile::encodeName(input) + "'"));
        QVERIFY(output.contains(": time=00:00:19.00"));
        for (int chunkSize : {ProgressReader::kChunkSize, 1, 37}) {
            const QList<int> posted = FeedAll(output, chunkSize, 2);
            QVERIFY(!posted.isEmpty());
            QCOMPARE(posted.last(), 100);
            for (int i = 1; i < posted.size(); ++i)
                QVERIFY(posted[i] > posted[i - 1]);
        }

        const QByteArray failure
            = RunConverter({QStringLiteral("-i"), dir.filePath(QStringLiteral("time=1.mkv")),
                            QStringLiteral("-y"), dir.filePath(QStringLiteral("x.mp4"))});
        LastLineTracker tracker;
        for (qsizetype at = 0; at < failure.size(); at += ProgressReader::kChunkSize)
            tracker.Feed(failure.constData() + at,
                         int(qMin<qsizetype>(ProgressReader::kChunkSize, failure.size() - at)));
        QVERIFY2(
            tracker.lastLine().endsWith(QStringLiteral("time=1.mkv: No such file or directory")),
            qPrintable(tracker.lastLine()));
        QCOMPARE(FeedAll(failure, ProgressReader::kChunkSize, 2), QList<int>());
    }

    void seconds_data()
    {
        QTest::addColumn<QByteArray>("token");
        QTest::addColumn<double>("seconds");
        QTest::newRow("plain") << QByteArray("4.80") << 4.8;
        QTest::newRow("integer") << QByteArray("12") << 12.0;
        QTest::newRow("clock") << QByteArray("00:01:02.50") << 62.5;
        QTest::newRow("long hours") << QByteArray("100:00:00.00") << 360000.0;
        QTest::newRow("trailing text") << QByteArray("7.5kB") << 7.5;
        QTest::newRow("nothing numeric") << QByteArray("N/A") << 0.0;
        QTest::newRow("empty") << QByteArray() << 0.0;
        QTest::newRow("comma is not a decimal point") << QByteArray("4,80") << 4.0;
    }

    void seconds()
    {
        QFETCH(QByteArray, token);
        QFETCH(double, seconds);
        QCOMPARE(ParseProgressSeconds(token), seconds);
    }

    void lastLine_data()
    {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<QString>("line");
        QTest::newRow("error before the closing line") << QByteArrayList {
            "Input #0\n", "/x/in.mp4: Invalid data found when processing input\n",
            "Conversion failed!\n"} << "/x/in.mp4: Invalid data found when processing input";
        QTest::newRow("progress lines are passed over")
            << QByteArrayList {"Unknown encoder 'foo'\nframe= 1 time=00:00:01.00\r",
                               "frame= 2 time=00:00:02.00\r"}
            << "Unknown encoder 'foo'";
        QTest::newRow("line split across chunks")
            << QByteArrayList {"No such fi", "le or directory\n"} << "No such file or directory";
        QTest::newRow("pending line without end")
            << QByteArrayList {"a\nlast words"} << "last words";
        QTest::newRow("a name holding time= is a reason")
            << QByteArrayList {"frame= 1 time=00:00:01.00\r", "time=1.mkv: Invalid data found\n",
                               "Conversion failed!\n"}
            << "time=1.mkv: Invalid data found";
        QTest::newRow("audio status line is passed over")
            << QByteArrayList {"Error while decoding stream\nsize= 1kB time=00:00:01.00 \r"}
            << "Error while decoding stream";
        QTest::newRow("nothing") << QByteArrayList {} << "";
    }

    void lastLine()
    {
        QFETCH(QByteArrayList, chunks);
        QFETCH(QString, line);
        LastLineTracker tracker;
        for (const QByteArray &chunk : chunks)
            tracker.Feed(chunk.constData(), chunk.size());
        QCOMPARE(tracker.lastLine(), line);
    }

    // The reason a failure is told by: line i read when the converter had reached i seconds.
    void failureCause_data()
    {
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QString>("reason");
        const QByteArray damage = "[h264 @ 0x5] error while decoding MB 3 4\n";
        QTest::newRow("damage where it began")
            << QByteArrayList {"x\n", damage, damage} << "The file is damaged at 00:00:01";
        QTest::newRow("a full disk over damage")
            << QByteArrayList {damage, "av_interleaved_write_frame(): No space left on device\n",
                               damage}
            << "The disk is full";
    }

    void failureCause()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QString, reason);
        FailureCause cause;
        for (int i = 0; i < lines.size(); ++i)
            cause.Feed(lines[i].constData(), int(lines[i].size()), i);
        QCOMPARE(cause.reason().section(QLatin1Char('\n'), 0, 0), reason);
    }
};

QTEST_GUILESS_MAIN(TestProgressReader)
#include "tst_progress_reader.moc"
