#include "engine/convert/read_progress.h"
#include "support/files.h"
#include "support/media_factory.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

// How a test process holds the file: itself, in a child of a wrapper shell, or in a grandchild.
enum class Holder { Itself, Child, Grandchild };
Q_DECLARE_METATYPE(Holder)

namespace {

// Places the shell's standard input on the file "$1", moves its offset to byte "$2" without
// reading (dd seeks), and waits there holding the file.
const char kHoldAt[] = "exec 0<\"$1\"; dd bs=1 skip=\"$2\" count=0 status=none; exec sleep 60";

// Runs `script` with the file and the offset as $1 and $2, held as `holder` says.
void StartHolding(QProcess &process, Holder holder, const QString &path, qint64 offset)
{
    QString script = QString::fromLatin1(kHoldAt);
    if (holder != Holder::Itself)
        script = QStringLiteral("(%1); true").arg(script);
    if (holder == Holder::Grandchild)
        script = QStringLiteral("sh -c '%1' sh \"$1\" \"$2\"; true").arg(script);
    process.start(
        QStringLiteral("sh"),
        {QStringLiteral("-c"), script, QStringLiteral("sh"), path, QString::number(offset)});
}

// Ends a test process and whatever it started: each runs in a process group of its own.
struct ProcessEnder
{
    QProcess &process;
    ~ProcessEnder()
    {
        if (process.state() != QProcess::NotRunning) {
            ::kill(-pid_t(process.processId()), SIGKILL);
            process.kill();
            process.waitForFinished(10000);
        }
    }
};

void StartInOwnGroup(QProcess &process)
{
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
}

} // namespace

class TestReadProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void position_data();
    void position();
    void emptyFileHasNoPercent();
    void processWithoutTheFile();
    void keepsItsLastValueWhenTheFileIsClosed();
    void neverFallsBackWhenTheReaderSeeksBack();
    void fileOpenTwiceCountsTheFurthest();
    void converterReadingSlowly_data();
    void converterReadingSlowly();

private:
    QString MakeFile(const QString &name, qint64 size);

    QTemporaryDir m_dir;
};

void TestReadProgress::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY2(!testmedia::Ffmpeg().isEmpty(), "ffmpeg is needed as the reading converter");
}

QString TestReadProgress::MakeFile(const QString &name, qint64 size)
{
    const QString path = m_dir.filePath(name);
    const bool written = testfiles::WriteBytes(path, QByteArray(size, 'x'));
    return written ? path : QString();
}

void TestReadProgress::position_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("offset");
    QTest::addColumn<Holder>("holder");
    QTest::addColumn<bool>("throughLink"); // the file is named through a symbolic link
    QTest::addColumn<int>("percent");

    QTest::newRow("nothing read") << qint64(1000000) << qint64(0) << Holder::Itself << false << 0;
    QTest::newRow("a quarter") << qint64(1000000) << qint64(250000) << Holder::Itself << false
                               << 25;
    QTest::newRow("two thirds round down")
        << qint64(999999) << qint64(666666) << Holder::Itself << false << 66;
    QTest::newRow("all of it") << qint64(1000000) << qint64(1000000) << Holder::Itself << false
                               << 100;
    QTest::newRow("beyond the end is all of it")
        << qint64(1000000) << qint64(3000000) << Holder::Itself << false << 100;
    QTest::newRow("named through a link")
        << qint64(1000000) << qint64(500000) << Holder::Itself << true << 50;
    QTest::newRow("in a wrapper's child")
        << qint64(1000000) << qint64(250000) << Holder::Child << false << 25;
    QTest::newRow("in a wrapper's grandchild")
        << qint64(1000000) << qint64(750000) << Holder::Grandchild << false << 75;
}

void TestReadProgress::position()
{
    QFETCH(qint64, size);
    QFETCH(qint64, offset);
    QFETCH(Holder, holder);
    QFETCH(bool, throughLink);
    QFETCH(int, percent);

    const QString path = MakeFile(QStringLiteral("input with blanks.bin"), size);
    QVERIFY(!path.isEmpty());
    QString name = path;
    if (throughLink) {
        name = m_dir.filePath(QStringLiteral("link.bin"));
        QFile::remove(name);
        QVERIFY(QFile::link(path, name));
    }

    QProcess process;
    StartInOwnGroup(process);
    ProcessEnder ender {process};
    StartHolding(process, holder, path, offset);
    QVERIFY(process.waitForStarted());

    ReadProgress group(ReadProgress::GroupLeader {process.processId()}, name);
    QTRY_COMPARE_WITH_TIMEOUT(group.Percent(), percent, 20000);
    ReadProgress itself(process.processId(), name);
    // The wrapper shell does not hold the file; only the search through its children finds it.
    QCOMPARE(itself.Percent(), holder == Holder::Itself ? percent : -1);
    QCOMPARE(group.Percent(), percent);
}

// A file of no bytes has no percentage, and the converter's descriptor is there from its start.
void TestReadProgress::emptyFileHasNoPercent()
{
    const QString empty = MakeFile(QStringLiteral("empty.bin"), 0);
    QVERIFY(!empty.isEmpty());
    QProcess process;
    ProcessEnder ender {process};
    process.setStandardInputFile(empty);
    process.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    QVERIFY(process.waitForStarted());
    QCOMPARE(ReadProgress(process.processId(), empty).Percent(), -1);

    const QString full = MakeFile(QStringLiteral("full.bin"), 4096);
    QVERIFY(!full.isEmpty());
    QProcess reader;
    ProcessEnder readerEnder {reader};
    reader.setStandardInputFile(full);
    reader.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    QVERIFY(reader.waitForStarted());
    QCOMPARE(ReadProgress(reader.processId(), full).Percent(), 0);
}

void TestReadProgress::processWithoutTheFile()
{
    const QString held = MakeFile(QStringLiteral("held.bin"), 4096);
    const QString other = MakeFile(QStringLiteral("other.bin"), 4096);
    QVERIFY(!held.isEmpty() && !other.isEmpty());
    QProcess process;
    ProcessEnder ender {process};
    process.setStandardInputFile(held);
    process.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    QVERIFY(process.waitForStarted());
    const qint64 pid = process.processId();
    QCOMPARE(ReadProgress(pid, held).Percent(), 0);

    QCOMPARE(ReadProgress(pid, other).Percent(), -1);
    QCOMPARE(ReadProgress(ReadProgress::GroupLeader {pid}, other).Percent(), -1);
    QCOMPARE(ReadProgress(pid, m_dir.filePath(QStringLiteral("missing.bin"))).Percent(), -1);
    QCOMPARE(ReadProgress(pid, m_dir.path()).Percent(), -1);
    QCOMPARE(ReadProgress(pid, QString()).Percent(), -1);
    // The whole tree under the first process: nobody holds this file.
    QCOMPARE(ReadProgress(ReadProgress::GroupLeader {1}, other).Percent(), -1);
    QCOMPARE(ReadProgress(0, held).Percent(), -1);
    QCOMPARE(ReadProgress(-1, held).Percent(), -1);

    process.kill();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(ReadProgress(pid, held).Percent(), -1);
}

// The converter closes its input before it ends; the bar must not fall back from what was read.
void TestReadProgress::keepsItsLastValueWhenTheFileIsClosed()
{
    const QString path = MakeFile(QStringLiteral("closed.bin"), 1000000);
    QVERIFY(!path.isEmpty());
    QProcess process;
    StartInOwnGroup(process);
    ProcessEnder ender {process};
    StartHolding(process, Holder::Itself, path, 400000);
    QVERIFY(process.waitForStarted());
    ReadProgress progress(process.processId(), path);
    QTRY_COMPARE_WITH_TIMEOUT(progress.Percent(), 40, 20000);

    process.kill();
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(progress.Percent(), 40);
    QCOMPARE(ReadProgress(process.processId(), path).Percent(), -1);
}

// A converter may read an index at the end of the file, then go back to the data: the bar stays
// where it was until the reading passes it.
void TestReadProgress::neverFallsBackWhenTheReaderSeeksBack()
{
    const QString path = MakeFile(QStringLiteral("seeks back.bin"), 1000000);
    QVERIFY(!path.isEmpty());
    QProcess process;
    StartInOwnGroup(process);
    ProcessEnder ender {process};
    // Holds the file at byte 600000, waits for a line from the test on descriptor 3, then opens
    // the file again at byte 200000 and says so.
    process.start(QStringLiteral("sh"),
                  {QStringLiteral("-c"),
                   QStringLiteral("exec 3<&0 0<\"$1\"; dd bs=1 skip=600000 count=0 status=none; "
                                  "read line <&3; exec 0<\"$1\"; "
                                  "dd bs=1 skip=200000 count=0 status=none; echo moved; "
                                  "exec sleep 60"),
                   QStringLiteral("sh"), path});
    QVERIFY(process.waitForStarted());
    ReadProgress progress(process.processId(), path);
    QTRY_COMPARE_WITH_TIMEOUT(progress.Percent(), 60, 20000);

    process.write("go\n");
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += process.readAllStandardOutput()).contains("moved"), 20000);
    QCOMPARE(ReadProgress(process.processId(), path).Percent(), 20);
    QCOMPARE(progress.Percent(), 60);
}

// With the input open twice, the descriptor that got furthest tells how far the reading is.
void TestReadProgress::fileOpenTwiceCountsTheFurthest()
{
    const QString path = MakeFile(QStringLiteral("open twice.bin"), 1000000);
    QVERIFY(!path.isEmpty());
    QProcess process;
    StartInOwnGroup(process);
    ProcessEnder ender {process};
    // Descriptor 3 stays at the file's start; standard input moves on to byte 700000.
    process.start(QStringLiteral("sh"),
                  {QStringLiteral("-c"),
                   QStringLiteral("exec 3<\"$1\"; ") + QString::fromLatin1(kHoldAt),
                   QStringLiteral("sh"), path, QStringLiteral("700000")});
    QVERIFY(process.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(ReadProgress(process.processId(), path).Percent(), 70, 20000);
}

void TestReadProgress::converterReadingSlowly_data()
{
    QTest::addColumn<QString>("wrapper"); // "" runs the converter itself
    QTest::addColumn<bool>("group");

    QTest::newRow("the converter itself") << QString() << false;
    QTest::newRow("a script that execs it") << QStringLiteral("exec \"$0\" \"$@\"") << false;
    QTest::newRow("a script that runs it as a child")
        << QStringLiteral("\"$0\" \"$@\"; true") << true;
}

// The real converter reading at the pace of playback: samples rise, never fall, end within 100.
void TestReadProgress::converterReadingSlowly()
{
    QFETCH(QString, wrapper);
    QFETCH(bool, group);

    // Uncompressed noise: large enough that the converter reads it in many steps.
    const QString input = m_dir.filePath(QStringLiteral("noise.wav"));
    QString log;
    if (!QFile::exists(input)) {
        QVERIFY2(testmedia::RunFfmpeg({QStringLiteral("-f"), QStringLiteral("lavfi"),
                                       QStringLiteral("-i"),
                                       QStringLiteral("anoisesrc=duration=2:sample_rate=44100"),
                                       QStringLiteral("-ac"), QStringLiteral("2"),
                                       QStringLiteral("-c:a"), QStringLiteral("pcm_s16le"), input},
                                      &log),
                 qPrintable(log));
    }
    const QString output = m_dir.filePath(QStringLiteral("noise.mp3"));
    const QStringList arguments {QStringLiteral("-nostdin"), QStringLiteral("-v"),
                                 QStringLiteral("error"),    QStringLiteral("-re"),
                                 QStringLiteral("-i"),       input,
                                 QStringLiteral("-y"),       output};

    QProcess process;
    StartInOwnGroup(process);
    ProcessEnder ender {process};
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (wrapper.isEmpty()) {
        process.start(testmedia::Ffmpeg(), arguments);
    } else {
        process.start(QStringLiteral("sh"),
                      QStringList {QStringLiteral("-c"), wrapper, testmedia::Ffmpeg()} + arguments);
    }
    QVERIFY(process.waitForStarted());
    std::unique_ptr<ReadProgress> progress = group
        ? std::make_unique<ReadProgress>(ReadProgress::GroupLeader {process.processId()}, input)
        : std::make_unique<ReadProgress>(process.processId(), input);

    QList<int> samples;
    QTimer timer;
    connect(&timer, &QTimer::timeout, this, [&] { samples.append(progress->Percent()); });
    timer.start(40);
    QTRY_VERIFY_WITH_TIMEOUT(process.state() == QProcess::NotRunning, 60000);
    timer.stop();
    QVERIFY2(process.exitCode() == 0, process.readAll().constData());
    samples.append(progress->Percent());

    QList<int> seen;
    for (int i = 0; i < samples.size(); ++i) {
        QVERIFY2(samples[i] <= 100, qPrintable(QString::number(samples[i])));
        if (i > 0)
            QVERIFY2(samples[i] >= samples[i - 1], qPrintable(QString::number(i)));
        if (samples[i] >= 0 && !seen.contains(samples[i]))
            seen.append(samples[i]);
    }
    // Reading in playback time over two seconds is seen in several steps, most of the way.
    QVERIFY2(seen.size() >= 3, qPrintable(QString::number(seen.size())));
    QVERIFY2(samples.last() >= 50, qPrintable(QString::number(samples.last())));
}

QTEST_GUILESS_MAIN(TestReadProgress)
#include "tst_read_progress.moc"
