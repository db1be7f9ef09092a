#include "convert/progress_reader.h"

#include <QtTest>

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
            = "frame=  120 fps= 25 q=6.0 size=    512kB time=4.80 bitrate= 873.8kbits/s";
        QTest::newRow("seconds") << 48 << QByteArrayList {line} << QList<int> {10};
        QTest::newRow("clock value")
            << 48 << QByteArrayList {"size=  512kB time=00:00:04.80 bitrate=873.8kbits/s"}
            << QList<int> {10};
        QTest::newRow("hours in a clock value")
            << 7200 << QByteArrayList {"time=01:00:00.00 bitrate="} << QList<int> {50};
        QTest::newRow("two values in one chunk: the first counts")
            << 100 << QByteArrayList {"time=10.0 x\rtime=20.0 y"} << QList<int> {10};
        QTest::newRow("equal percentage posts nothing")
            << 100 << QByteArrayList {"time=10.5 ", "time=10.9 ", "time=11.0 "}
            << QList<int> {10, -1, 11};
        QTest::newRow("lower value posts nothing")
            << 100 << QByteArrayList {"time=50 ", "time=20 "} << QList<int> {50, -1};
        QTest::newRow("N/A") << 100 << QByteArrayList {"time=N/A bitrate=N/A"} << QList<int> {-1};
        QTest::newRow("negative clock")
            << 100 << QByteArrayList {"time=-577014:32:22.77 "} << QList<int> {-1};
        QTest::newRow("zero duration posts nothing")
            << 0 << QByteArrayList {"time=5.0 ", "time=00:00:09.00 "} << QList<int> {-1, -1};
        QTest::newRow("above the duration")
            << 10 << QByteArrayList {"time=15 "} << QList<int> {150};
        QTest::newRow("no marker") << 10 << QByteArrayList {"frame= 10 fps=0.0"} << QList<int> {-1};
        QTest::newRow("blanks after the marker")
            << 10 << QByteArrayList {"time=   5 "} << QList<int> {50};
        QTest::newRow("value ends at the chunk's end")
            << 10 << QByteArrayList {"xx time=5"} << QList<int> {50};
        QTest::newRow("marker at the chunk's very end")
            << 10 << QByteArrayList {"frame= 1 time="} << QList<int> {-1};
        // A split value reads short, never long; the next whole value is read in full.
        QTest::newRow("value split across chunks")
            << 100
            << QByteArrayList {"size= 1kB time=00:00:2", "3.00 bitrate=", "time=00:00:40.00 "}
            << QList<int> {2, -1, 40};
        QTest::newRow("no exponents or words")
            << 100 << QByteArrayList {"time=inf ", "time=nan ", "time=1e9 "}
            << QList<int> {-1, -1, 1};
        QTest::newRow("huge value is not posted")
            << 1 << QByteArrayList {"time=99999999999999999999 "} << QList<int> {-1};
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

    void markerOffsetLimit_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("posted");
        QTest::newRow("at 0") << 0 << 50;
        QTest::newRow("at 490") << 490 << 50;
        QTest::newRow("at 491") << 491 << -1;
        QTest::newRow("at 500") << 500 << -1;
    }

    void markerOffsetLimit()
    {
        QFETCH(int, offset);
        QFETCH(int, posted);
        QByteArray chunk(offset, 'x');
        chunk += "time=5 ";
        chunk = chunk.left(ProgressReader::kChunkSize);
        ProgressReader reader(10);
        QCOMPARE(reader.Feed(chunk.constData(), chunk.size()), posted);
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
};

QTEST_GUILESS_MAIN(TestProgressReader)
#include "tst_progress_reader.moc"
