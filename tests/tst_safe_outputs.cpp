#include "engine/convert/batch_queue.h"
#include "engine/convert/converter.h"
#include "engine/convert/temporary_outputs.h"
#include "engine/media/media_store.h"
#include "support/files.h"
#include "support/media_factory.h"
#include "support/processes.h"
#include "support/queue_fixture.h"
#include "support/store_watch.h"

#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

using testprocesses::Alive;
using testprocesses::ChildNamed;
using testprocesses::Children;

using testfiles::Checksum;

// Set in the environment of a copy of this program that runs one conversion and waits to be
// killed (see RunQueueChild).
const char kChildMode[] = "KELVORA_SAFE_OUTPUTS_CHILD";

// Every file under `folder` with its checksum.
QMap<QString, QByteArray> Checksums(const QString &folder)
{
    QMap<QString, QByteArray> sums;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        sums[path] = Checksum(path);
    }
    return sums;
}

// The names in `folder`, hidden ones included, sorted.
QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The total size of the hidden files in `folder`: the outputs being written.
qint64 HiddenBytes(const QString &folder)
{
    qint64 total = 0;
    for (const QFileInfo &info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden)) {
        if (info.fileName().startsWith(QLatin1Char('.')))
            total += info.size();
    }
    return total;
}

quint64 Inode(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
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

// A copy of this program that converts one file through `converter` with a queue of its own,
// prints the converter's process id and waits, to be killed by the test.
// Arguments: folder, name, saving folder, converter.
int RunQueueChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    SetConverterForTesting({args[4]});
    MediaStore store;
    store.Append(ProbeItem(args[1], args[2]));
    BatchQueue queue(&store);
    queue.SetSlots(1);
    queue.SetSettingsSource([&args] {
        BatchSettings settings;
        settings.presetId = 13;
        settings.outputFolder = args[3];
        return settings;
    });
    if (!queue.Start({store.at(0).id}))
        return 3;
    QTextStream(stdout) << queue.ConverterPids().value(0) << Qt::endl;
    return app.exec();
}

} // namespace

// What the user's files and the saving folder look like after conversions that go wrong in
// every way a hostile user or a full disk can make them: the real queue and the real converter
// on generated clips, with stand-in converters where the converter itself misbehaves.
class TestSafeOutputs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_media; // the generated clips
    QString m_paced; // the converter, reading its input at four times its speed
    // A script that runs the converter as its child; it reads files named "endless..." over and
    // over, so that their conversion runs until it is ended (a minute at most).
    QString m_wrapper;
    QString m_mountPoint; // a small file system mounted by fullDisk, or empty

    struct Fixture : QueueFixture
    {
        QMap<int, QList<int>> progress; // by row: every percentage the list's bar was given
        Fixture(const QString &out, int presetId)
            : QueueFixture(out, presetId)
        {
            OnProgress(media.store(), &window, [this](int row, int percent) {
                if (percent != MediaItem::kNoProgress)
                    progress[row] << percent;
            });
        }
    };

    // A new folder for one test, ending with "/".
    QString Folder(const QString &name) const { return testfiles::MakeFolder(m_dir.path(), name); }
    // Copies generated clip `clip` to `folder` + `name`.
    bool Place(const QString &clip, const QString &folder, const QString &name) const
    {
        return QFile::copy(m_media + clip, folder + name);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(!testmedia::Ffmpeg().isEmpty());
        m_media = Folder(QStringLiteral("media"));
        testmedia::Clip clip;
        clip.size = QStringLiteral("160x120");
        clip.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "mp2"};
        QString log;
        const auto make = [&](const QString &name, double seconds, QStringList extra = {}) {
            testmedia::Clip c = clip;
            c.seconds = seconds;
            c.codecArguments += extra;
            return testmedia::Make(m_media + name, c, &log);
        };
        // Of different lengths, so that each output shows which input it came from.
        QVERIFY2(make(QStringLiteral("one.mkv"), 1), qPrintable(log));
        QVERIFY2(make(QStringLiteral("two.mkv"), 2), qPrintable(log));
        QVERIFY2(make(QStringLiteral("three.avi"), 3), qPrintable(log));
        QVERIFY2(make(QStringLiteral("long.mkv"), 20), qPrintable(log));
        QVERIFY2(make(QStringLiteral("long.avi"), 20), qPrintable(log));
        QVERIFY2(make(QStringLiteral("tagged.mkv"), 20, {"-metadata", "title=time=00:00:19.00"}),
                 qPrintable(log));
        testmedia::Clip mp4 = clip;
        mp4.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "aac"};
        QVERIFY2(testmedia::Make(m_media + QStringLiteral("two.mp4"), mp4, &log), qPrintable(log));
        // Larger than the small disk of fullDisk once converted.
        testmedia::Clip big = clip;
        big.seconds = 20;
        big.size = QStringLiteral("320x240");
        QVERIFY2(testmedia::Make(m_media + QStringLiteral("big.mkv"), big, &log), qPrintable(log));
        testmedia::Clip tone;
        tone.video = false;
        tone.channels = 1;
        tone.seconds = 1;
        tone.codecArguments = QStringList {"-c:a", "mp2"};
        QVERIFY2(testmedia::Make(m_media + QStringLiteral("tone.mka"), tone, &log),
                 qPrintable(log));
        tone.seconds = 8;
        QVERIFY2(testmedia::Make(m_media + QStringLiteral("tone8.mka"), tone, &log),
                 qPrintable(log));

        const QByteArray ffmpeg = "'" + testmedia::Ffmpeg().toUtf8() + "'";
        m_paced = Script(m_dir.filePath(QStringLiteral("paced.sh")),
                         "exec " + ffmpeg + " -readrate 4 \"$@\"");
        // Not exec: the script stays the converter's parent, as wrappers often do. Files named
        // "endless..." are read over and over at eight times their speed: the output grows
        // (the WMV muxer writes 256 KB at a time), and the conversion runs for a minute unless
        // it is ended (and no longer should a converter that the program failed to end).
        m_wrapper
            = Script(m_dir.filePath(QStringLiteral("wrapper.sh")),
                     "case \"$2\" in */endless*) set -- -stream_loop 480 -readrate 8 \"$@\";; "
                     "esac\n"
                         + ffmpeg + " \"$@\"\nexit $?");
        QVERIFY(!m_paced.isEmpty() && !m_wrapper.isEmpty());
    }

    void cleanup()
    {
        SetConverterForTesting({});
        if (!m_mountPoint.isEmpty()) {
            ::umount2(QFile::encodeName(m_mountPoint).constData(), MNT_DETACH);
            m_mountPoint.clear();
        }
    }

    // The saving folder reaches the listed files through another spelling: every output would
    // be a listed file and none is written.
    void outputEqualsInput_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("saving"); // relative to root
        QTest::newRow("symbolic link to the folder") << "link"
                                                     << "link";
        QTest::newRow("folder/./") << "dot"
                                   << "in/./";
        QTest::newRow("folder/../folder/") << "dotdot"
                                           << "in/../in/";
    }

    void outputEqualsInput()
    {
        QFETCH(QString, root);
        QFETCH(QString, saving);
        const QString in = Folder(QStringLiteral("equal/%1/in").arg(root));
        root = Folder(QStringLiteral("equal/") + root);
        QVERIFY(Place(QStringLiteral("three.avi"), in, QStringLiteral("clip.avi")));
        QVERIFY(Place(QStringLiteral("two.mp4"), in, QStringLiteral("clip.mp4")));
        QVERIFY(QFile::link(in, root + QStringLiteral("link")));
        const QMap<QString, QByteArray> before = Checksums(in);

        Fixture f(root + saving, 0); // iPod: clip.avi becomes clip.mp4
        f.media.store().Append(ProbeItem(in, QStringLiteral("clip.avi")));
        f.media.store().Append(ProbeItem(in, QStringLiteral("clip.mp4")));
        f.ConvertAllAndWait();
        QCOMPARE(f.Statuses(), QStringList(2, StateText(ItemState::OutputEqualsInput)));
        QCOMPARE(Checksums(in), before);
        QCOMPARE(Entries(in), (QStringList {"clip.avi", "clip.mp4"}));
    }

    // Files of one name from several folders, converted into one saving folder, each get an
    // output of their own, in list order also when a later one ends first.
    void distinctOutputs_data()
    {
        QTest::addColumn<int>("slots");
        QTest::addColumn<QString>("base"); // of every input's name
        QTest::addColumn<QString>("numbered"); // of the outputs numbered 2 and 3
        QTest::newRow("one at a time") << 1 << QStringLiteral("clip") << QStringLiteral("clip");
        QTest::newRow("side by side") << 3 << QStringLiteral("clip") << QStringLiteral("clip");
        // The longest name a folder takes: the numbered ones give way, keeping number and type.
        QTest::newRow("a name of 255 bytes")
            << 1 << QString(251, QLatin1Char('n')) << QString(247, QLatin1Char('n'));
    }

    void distinctOutputs()
    {
        QFETCH(int, slots);
        QFETCH(QString, base);
        QFETCH(QString, numbered);
        const QString root = QStringLiteral("distinct/%1").arg(QTest::currentDataTag());
        const QString a = Folder(root + QStringLiteral("/a"));
        const QString b = Folder(root + QStringLiteral("/b"));
        const QString out = Folder(root + QStringLiteral("/out"));
        QVERIFY(Place(QStringLiteral("long.avi"), a, base + QStringLiteral(".avi")));
        QVERIFY(Place(QStringLiteral("two.mkv"), b, base + QStringLiteral(".mkv")));
        QVERIFY(Place(QStringLiteral("one.mkv"), a, base + QStringLiteral(".mkv")));
        const QMap<QString, QByteArray> before = Checksums(m_dir.filePath(root));

        Fixture f(out, 13);
        f.queue.SetSlots(slots);
        f.media.store().Append(ProbeItem(a, base + QStringLiteral(".avi")));
        f.media.store().Append(ProbeItem(b, base + QStringLiteral(".mkv")));
        f.media.store().Append(ProbeItem(a, base + QStringLiteral(".mkv")));
        f.ConvertAllAndWait();
        QCOMPARE(f.Statuses(), QStringList(3, StateText(ItemState::Completed)));
        const QStringList names {base + ".wmv", numbered + " (2).wmv", numbered + " (3).wmv"};
        QCOMPARE(Entries(out), (QStringList {names[1], names[2], names[0]}));
        for (int row = 0; row < 3; ++row) {
            const QString output = out + names[row];
            // The tooltip names the file written; its length tells which input it holds.
            QCOMPARE(f.StatusTip(row), output);
            QVERIFY2(
                qAbs(testmedia::Duration(output) - QList<int> {20, 2, 1}[row]) < 0.5,
                qPrintable(QStringLiteral("%1: %2").arg(output).arg(testmedia::Duration(output))));
            QCOMPARE(testmedia::Streams(output), (QStringList {"wmv2:video", "wmav2:audio"}));
        }
        // Only the outputs were added.
        const QMap<QString, QByteArray> after = Checksums(m_dir.filePath(root));
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(after.value(it.key()), it.value());
        QCOMPARE(after.size(), before.size() + 3);
    }

    // The saving folder is the source folder, and holds a file of the output's name the user
    // put there: it stays, and the output takes the next free name.
    void unlistedFileStays()
    {
        const QString folder = Folder(QStringLiteral("unlisted"));
        QVERIFY(Place(QStringLiteral("one.mkv"), folder, QStringLiteral("clip.mkv")));
        QVERIFY(Place(QStringLiteral("two.mp4"), folder, QStringLiteral("clip.mp4")));
        const QMap<QString, QByteArray> before = Checksums(folder);

        Fixture f(folder, 0);
        f.media.store().Append(ProbeItem(folder, QStringLiteral("clip.mkv")));
        f.ConvertAllAndWait();
        QCOMPARE(f.media.Status(0), StateText(ItemState::Completed));
        const QString output = folder + QStringLiteral("clip (2).mp4");
        QCOMPARE(f.StatusTip(0), output);
        QVERIFY(qAbs(testmedia::Duration(output) - 1.0) < 0.5);
        QCOMPARE(Entries(folder), (QStringList {"clip (2).mp4", "clip.mkv", "clip.mp4"}));
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(Checksum(it.key()), it.value());
    }

    // A converter that says it succeeded is not believed without a file that reads as media.
    void missingOrBrokenOutputFails_data()
    {
        QTest::addColumn<QByteArray>("converter");
        QTest::addColumn<QString>("reasonHas");
        QTest::newRow("exits 0 and writes nothing")
            << QByteArray("for a; do last=$a; done; rm -f \"$last\"; exit 0") << "no output";
        QTest::newRow("exits 0 with 0 bytes") << QByteArray("exit 0") << "empty";
        QTest::newRow("exits 0 with a file that is no media")
            << QByteArray("for a; do last=$a; done; echo junk > \"$last\"; exit 0")
            << "cannot be read";
        // A good file, but the converter says it could not write its end: what it does on a
        // full disk, where the part written may still read as media.
        const QByteArray convert = "'" + testmedia::Ffmpeg().toUtf8() + "' \"$@\" || exit 1\n";
        QTest::newRow("exits 0 after failing to write the end") << convert
                + "echo \"Error writing trailer of the output: No space left on device\"; exit 0"
                                                                << "No space left on device";
        QTest::newRow("exits 0 after failing to close the file")
            << convert + "printf '[out#0/asf @ 0x5] Error closing file: I/O error'; exit 0"
            << "I/O error";
        // More words than a pipe holds before the failure: the converter waits to be read.
        QTest::newRow("exits 0 after failing, after many words") << convert
                + "head -c 1000000 /dev/zero | tr '\\0' x; echo; echo 'Error writing trailer of "
                  "o: No space left on device'; exit 0"
                                                                 << "No space left on device";
        QTest::newRow("exits 0 with a file that holds no samples")
            << "for a; do last=$a; done; '" + testmedia::Ffmpeg().toUtf8()
                + "' -v error -f lavfi -i anullsrc -frames:a 0 -y \"$last\"; exit 0"
            << "no audio or video";
    }

    void missingOrBrokenOutputFails()
    {
        QFETCH(QByteArray, converter);
        QFETCH(QString, reasonHas);
        const QString in = Folder(QStringLiteral("broken-in"));
        const QString out = Folder(QStringLiteral("broken-out/") + QTest::currentDataTag());
        QFile::copy(m_media + QStringLiteral("one.mkv"), in + QStringLiteral("clip.mkv"));
        const QByteArray before = Checksum(in + QStringLiteral("clip.mkv"));
        SetConverterForTesting({Script(m_dir.filePath(QStringLiteral("standin.sh")), converter)});

        Fixture f(out, 13);
        f.media.store().Append(ProbeItem(in, QStringLiteral("clip.mkv")));
        f.ConvertAllAndWait();
        QCOMPARE(f.media.Status(0), StateText(ItemState::Failed));
        QVERIFY2(f.StatusTip(0).contains(reasonHas), qPrintable(f.StatusTip(0)));
        QCOMPARE(Entries(out), QStringList());
        QCOMPARE(Checksum(in + QStringLiteral("clip.mkv")), before);
    }

    // A conversion that ends without success, after the row wrote a good output earlier:
    // the partial file goes, the earlier output stays exactly as it was.
    void noPartialOutputs_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::newRow("skipped") << "skip";
        QTest::newRow("stopped") << "stop";
        QTest::newRow("converter killed") << "kill";
        QTest::newRow("converter fails after writing") << "fail";
    }

    void noPartialOutputs()
    {
        QFETCH(QString, ending);
        const QString in = Folder(QStringLiteral("partial-in"));
        const QString out = Folder(QStringLiteral("partial-out/") + ending);
        QFile::copy(m_media + QStringLiteral("one.mkv"), in + QStringLiteral("endless.mkv"));
        QFile::copy(m_media + QStringLiteral("one.mkv"), in + QStringLiteral("next.mkv"));
        const QMap<QString, QByteArray> inputs = Checksums(in);

        Fixture f(out, 13);
        f.media.store().Append(ProbeItem(in, QStringLiteral("endless.mkv")));
        f.ConvertAllAndWait();
        QCOMPARE(f.media.Status(0), StateText(ItemState::Completed));
        const QString earlier = out + QStringLiteral("endless.wmv");
        const QByteArray good = Checksum(earlier);
        QVERIFY(!testmedia::Streams(earlier).isEmpty());

        f.media.store().Append(ProbeItem(in, QStringLiteral("next.mkv")));
        if (ending == QLatin1String("fail")) {
            SetConverterForTesting({Script(m_dir.filePath(QStringLiteral("fails.sh")),
                                           "'" + testmedia::Ffmpeg().toUtf8()
                                               + "' \"$@\"\necho 'it went wrong'\nexit 1")});
            f.ConvertAllAndWait();
            QCOMPARE(f.Statuses(), QStringList(2, StateText(ItemState::Failed)));
            QCOMPARE(f.StatusTip(0), QStringLiteral("it went wrong"));
        } else {
            SetConverterForTesting({m_wrapper});
            f.queue.ConvertAll();
            // The converter has written part of the output, and goes on until it is ended.
            QTRY_VERIFY_WITH_TIMEOUT(HiddenBytes(out) > 0, 60000);
            const qint64 wrapper = f.queue.batch().ConverterPids().value(0);
            if (ending == QLatin1String("skip")) {
                f.queue.SkipCurrent();
            } else if (ending == QLatin1String("stop")) {
                f.queue.StopAll();
            } else {
                QTRY_VERIFY_WITH_TIMEOUT(ChildNamed(wrapper, "ffmpeg") > 0, 10000);
                QCOMPARE(::kill(pid_t(ChildNamed(wrapper, "ffmpeg")), SIGKILL), 0);
            }
            QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 60000);
            const QString first = ending == QLatin1String("kill") ? StateText(ItemState::Failed)
                                                                  : StateText(ItemState::Canceled);
            const QString second = ending == QLatin1String("stop")
                ? StateText(ItemState::Waiting)
                : StateText(ItemState::Completed);
            QCOMPARE(f.Statuses(), (QStringList {first, second}));
        }
        QCOMPARE(Checksum(earlier), good);
        QStringList expected {"endless.wmv"};
        if (f.media.Status(1) == StateText(ItemState::Completed))
            expected << QStringLiteral("next.wmv");
        QCOMPARE(Entries(out), expected);
        QCOMPARE(Checksums(in), inputs);
    }

    // Names and tags that hold "time=" do not move the bar; only the converter's status lines
    // do.
    void progressFromStatusLinesOnly()
    {
        const QString in = Folder(QStringLiteral("progress-in"));
        const QString out = Folder(QStringLiteral("progress-out"));
        QVERIFY(Place(QStringLiteral("long.avi"), in, QStringLiteral("time=99999.avi")));
        QVERIFY(Place(QStringLiteral("long.mkv"), in, QStringLiteral("time=00:00:19.00.mkv")));
        QVERIFY(Place(QStringLiteral("tagged.mkv"), in, QStringLiteral("tagged.mkv")));
        // The converter echoes names in its log: lines of a name are no status and no failure.
        QVERIFY(Place(QStringLiteral("long.mkv"), in,
                      QStringLiteral("n\nframe=1 time=99:00:00.00 \n.mkv")));
        QVERIFY(Place(QStringLiteral("long.mkv"), in,
                      QStringLiteral("w\nError writing trailer of x\n.mkv")));
        const QMap<QString, QByteArray> inputs = Checksums(in);
        // Each 20-second clip takes five seconds to read: the converter reports ten times on
        // the way, a tenth of the clip apart, and a chunk of its output read at once holds
        // few of those reports.
        SetConverterForTesting({m_paced});

        Fixture f(out, 13);
        f.queue.SetSlots(5);
        for (const QString &name : QDir(in).entryList(QDir::Files, QDir::Name))
            f.media.store().Append(ProbeItem(in, name));
        QCOMPARE(f.media.rowCount(), 5);
        f.ConvertAllAndWait();
        QCOMPARE(f.Statuses(), QStringList(5, StateText(ItemState::Completed)));
        for (int row = 0; row < 5; ++row) {
            const QList<int> progress = f.progress.value(row);
            const QByteArray what = f.media.FileName(row).toUtf8() + ": "
                + QByteArray::number(progress.size()) + " values, the second "
                + QByteArray::number(progress.value(1));
            QVERIFY2(progress.size() >= 3, what);
            QCOMPARE(progress.first(), 0); // the bar appears empty
            QVERIFY2(progress[1] < 95, what);
            for (int i = 1; i < progress.size(); ++i) {
                QVERIFY(progress[i] > progress[i - 1]);
                QVERIFY(progress[i] <= 100);
            }
            QVERIFY(progress.last() >= 90);
        }
        QCOMPARE(Checksums(in), inputs);
    }

    // A failure's reason is the converter's last line even when it holds "time=".
    void failureReasonWithTimeInTheName()
    {
        const QString in = Folder(QStringLiteral("reason-in"));
        const QString aside = Folder(QStringLiteral("reason-aside"));
        QVERIFY(Place(QStringLiteral("one.mkv"), in, QStringLiteral("time=1.mkv")));
        const QByteArray before = Checksum(in + QStringLiteral("time=1.mkv"));

        Fixture f(Folder(QStringLiteral("reason-out")), 13);
        f.media.store().Append(ProbeItem(in, QStringLiteral("time=1.mkv")));
        // Moved away after it was listed: the converter cannot open it.
        QVERIFY(QFile::rename(in + QStringLiteral("time=1.mkv"), aside + QStringLiteral("t.mkv")));
        f.ConvertAllAndWait();
        QVERIFY(QFile::rename(aside + QStringLiteral("t.mkv"), in + QStringLiteral("time=1.mkv")));
        QCOMPARE(f.media.Status(0), StateText(ItemState::Failed));
        QCOMPARE(f.StatusTip(0), in + QStringLiteral("time=1.mkv: No such file or directory"));
        QCOMPARE(Checksum(in + QStringLiteral("time=1.mkv")), before);
    }

    // A converter started by a script that stays its parent: skip, stop and exit end the
    // converter itself, not only the script.
    void wrapperEndsWithTheConverter_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("skip") << "skip";
        QTest::newRow("stop") << "stop";
        QTest::newRow("exit") << "shutdown";
    }

    void wrapperEndsWithTheConverter()
    {
        QFETCH(QString, action);
        const QString in = Folder(QStringLiteral("wrapper-in"));
        const QString out = Folder(QStringLiteral("wrapper-out/") + action);
        QFile::copy(m_media + QStringLiteral("one.mkv"), in + QStringLiteral("endless.mkv"));
        QFile::copy(m_media + QStringLiteral("one.mkv"), in + QStringLiteral("one.mkv"));
        const QMap<QString, QByteArray> inputs = Checksums(in);
        SetConverterForTesting({m_wrapper});

        Fixture f(out, 13);
        f.media.store().Append(ProbeItem(in, QStringLiteral("endless.mkv")));
        f.media.store().Append(ProbeItem(in, QStringLiteral("one.mkv")));
        f.queue.ConvertAll();
        QTRY_VERIFY_WITH_TIMEOUT(f.queue.batch().ConverterPids().value(0) > 0, 30000);
        const qint64 wrapper = f.queue.batch().ConverterPids().value(0);
        QTRY_VERIFY_WITH_TIMEOUT(ChildNamed(wrapper, "ffmpeg") > 0, 10000);
        const qint64 converter = ChildNamed(wrapper, "ffmpeg");
        const QList<qint64> family = QList<qint64> {wrapper} + Children(wrapper);
        QTRY_VERIFY_WITH_TIMEOUT(HiddenBytes(out) > 0, 60000);

        QString second = StateText(ItemState::Waiting);
        if (action == QLatin1String("skip")) {
            f.queue.SkipCurrent();
            second = StateText(ItemState::Completed);
        } else if (action == QLatin1String("stop")) {
            f.queue.StopAll();
        } else {
            // What the window does on Exit: it returns with the converters gone.
            f.queue.Shutdown();
            QVERIFY(!f.queue.IsConverting());
        }
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(!Alive(converter), 5000);
        for (qint64 member : family)
            QTRY_VERIFY_WITH_TIMEOUT(!Alive(member), 5000);
        QCOMPARE(f.Statuses(), (QStringList {StateText(ItemState::Canceled), second}));
        QCOMPARE(Entries(out),
                 action == QLatin1String("skip") ? QStringList {"one.wmv"} : QStringList());
        QCOMPARE(Checksums(in), inputs);
    }

    // The program killed outright while a wrapper script's converter runs: the converter goes
    // too.
    void killedProgramLeavesNoConverter()
    {
        const QString in = Folder(QStringLiteral("killed-in"));
        const QString out = Folder(QStringLiteral("killed-out"));
        QFile::copy(m_media + QStringLiteral("one.mkv"), in + QStringLiteral("endless.mkv"));
        const QByteArray before = Checksum(in + QStringLiteral("endless.mkv"));

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildMode), QStringLiteral("1"));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(),
                      {in, QStringLiteral("endless.mkv"), out, m_wrapper});
        QVERIFY(program.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(program.canReadLine(), 30000);
        const qint64 wrapper = program.readLine().trimmed().toLongLong();
        QVERIFY(wrapper > 0);
        QTRY_VERIFY_WITH_TIMEOUT(ChildNamed(wrapper, "ffmpeg") > 0, 10000);
        const qint64 converter = ChildNamed(wrapper, "ffmpeg");
        const QList<qint64> family = QList<qint64> {wrapper} + Children(wrapper);
        QTRY_VERIFY_WITH_TIMEOUT(HiddenBytes(out) > 0, 60000);

        QCOMPARE(::kill(pid_t(program.processId()), SIGKILL), 0);
        QVERIFY(program.waitForFinished(10000));
        QTRY_VERIFY_WITH_TIMEOUT(!Alive(converter), 5000);
        for (qint64 member : family)
            QTRY_VERIFY_WITH_TIMEOUT(!Alive(member), 5000);
        QVERIFY(!QFileInfo::exists(out + QStringLiteral("endless.wmv")));
        QCOMPARE(Checksum(in + QStringLiteral("endless.mkv")), before);
    }

    // What a program killed outright left goes, and only that: this machine's temporary outputs
    // of a converter that is gone, untouched for a minute. A user's files of a like name and
    // another machine's outputs in a shared folder stay.
    void onlyOwnDeadLeftoversGo_data()
    {
        QTest::addColumn<QString>("name"); // %m: this machine's tag, %o: another's, %t: as made
        QTest::addColumn<int>("age"); // seconds since the file was written
        QTest::addColumn<bool>("removed");
        QTest::newRow("as named for a conversion") << "%t" << 120 << true;
        QTest::newRow("this machine's, owner gone")
            << ".clip.part-999999999-%m-abc.mp4" << 120 << true;
        QTest::newRow("written a moment ago") << ".clip.part-999999999-%m-abc.mp4" << 0 << false;
        QTest::newRow("another machine's") << ".clip.part-999999999-%o-abc.mp4" << 120 << false;
        QTest::newRow("an extension no preset writes")
            << ".clip.part-999999999-%m-abc.txt" << 120 << false;
        QTest::newRow("a user's notes") << ".notes.part-99999-1.txt" << 120 << false;
        QTest::newRow("no extension") << ".thesis.part-99999-beef" << 120 << false;
        QTest::newRow("no machine") << ".holiday.part-4000000-ab.mkv" << 120 << false;
    }

    void onlyOwnDeadLeftoversGo()
    {
        QFETCH(QString, name);
        QFETCH(int, age);
        QFETCH(bool, removed);
        const QString other = MachineTag() == "ffffffff" ? "00000000" : "ffffffff";
        name.replace(QStringLiteral("%m"), MachineTag()).replace(QStringLiteral("%o"), other);
        name.replace(QStringLiteral("%t"),
                     TemporaryOutputName("clip", ".mp4", 999999999, "1", 255));
        const QString folder = Folder(QStringLiteral("leftovers/") + QTest::currentDataTag());
        QVERIFY(testfiles::WriteBytes(folder + name, "x", age));
        QCOMPARE(RemoveDeadLeftovers(folder),
                 removed ? QStringList {folder + name} : QStringList());
        QCOMPARE(Entries(folder), removed ? QStringList() : QStringList {name});
    }

    // Never into the program's working folder.
    void invalidSavingFolder_data()
    {
        QTest::addColumn<QString>("saving");
        QTest::newRow("empty") << "";
        QTest::newRow("relative") << "relative/out/";
    }

    void invalidSavingFolder()
    {
        QFETCH(QString, saving);
        const QString in = Folder(QStringLiteral("invalid-in"));
        const QString cwd = Folder(QStringLiteral("invalid-cwd/") + QTest::currentDataTag());
        QFile::copy(m_media + QStringLiteral("one.mkv"), in + QStringLiteral("one.mkv"));
        const QByteArray before = Checksum(in + QStringLiteral("one.mkv"));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(cwd));

        Fixture f(saving, 13);
        f.media.store().Append(ProbeItem(in, QStringLiteral("one.mkv")));
        f.queue.ConvertAll();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 60000);
        QVERIFY(QDir::setCurrent(previous));
        QCOMPARE(f.media.Status(0), StateText(ItemState::InvalidSavingFolder));
        QVERIFY(!f.StatusTip(0).isEmpty());
        QCOMPARE(Entries(cwd), QStringList());
        QCOMPARE(Entries(in), QStringList {"one.mkv"});
        QCOMPARE(Checksum(in + QStringLiteral("one.mkv")), before);
    }

    // A saving folder on a disk that fills up. The disk holds a file of the user's that leaves
    // room for a small output only.
    void fullDisk()
    {
        const QString disk = Folder(QStringLiteral("disk"));
        if (::mount("tmpfs", QFile::encodeName(disk).constData(), "tmpfs", 0, "size=600k") != 0)
            QSKIP(qPrintable(QStringLiteral("a small disk cannot be mounted here: %1")
                                 .arg(QString::fromLocal8Bit(std::strerror(errno)))));
        m_mountPoint = disk;
        QByteArray filler(560000, '\0');
        for (int i = 0; i < filler.size(); ++i)
            filler[i] = char(qint64(i) * 7919 % 251);
        QVERIFY(testfiles::WriteBytes(disk + QStringLiteral("keep.bin"), filler));
        const QString in = Folder(QStringLiteral("disk-in"));
        for (const char *name : {"big.mkv", "tone8.mka", "tone.mka"})
            QVERIFY(Place(QString::fromLatin1(name), in, QString::fromLatin1(name)));
        const QMap<QString, QByteArray> inputs = Checksums(in);

        Fixture f(disk, 13);
        f.media.store().Append(ProbeItem(in, QStringLiteral("big.mkv"))); // far too large
        // Too large as well, by little: the converter fails to write the file's end, and
        // exits with 0 all the same.
        f.media.store().Append(ProbeItem(in, QStringLiteral("tone8.mka")));
        f.media.store().Append(ProbeItem(in, QStringLiteral("tone.mka"))); // fits
        f.ConvertAllAndWait();
        QCOMPARE(f.Statuses(),
                 (QStringList {StateText(ItemState::Failed), StateText(ItemState::Failed),
                               StateText(ItemState::Completed)}));
        // The write failure, not a later line of the converter's, is the cause.
        for (int row : {0, 1}) {
            QVERIFY2(f.StatusTip(row).startsWith(QStringLiteral("The disk is full\n"))
                         && f.StatusTip(row).contains(QStringLiteral("No space left")),
                     qPrintable(f.StatusTip(row)));
        }
        QCOMPARE(f.StatusTip(2), disk + QStringLiteral("tone.wmv"));
        QCOMPARE(Entries(disk), (QStringList {"keep.bin", "tone.wmv"}));
        QVERIFY(qAbs(testmedia::Duration(disk + QStringLiteral("tone.wmv")) - 1.0) < 0.5);
        QCOMPARE(testfiles::ReadBytes(disk + QStringLiteral("keep.bin")), filler);
        QCOMPARE(Checksums(in), inputs);
    }

    // Another program creates a file under the output's name while the converter runs: that
    // file stays, the output takes the next free name, and a later run replaces only its own.
    void fileCreatedUnderTheFinalNameStays()
    {
        const QString in = Folder(QStringLiteral("appear-in"));
        const QString out = Folder(QStringLiteral("appear-out"));
        QVERIFY(Place(QStringLiteral("two.mkv"), in, QStringLiteral("clip.mkv")));
        const QByteArray before = Checksum(in + QStringLiteral("clip.mkv"));
        // The converter, and then a wait until the test has made its file: the conversion runs
        // until the gate opens.
        const QString gate = m_dir.filePath(QStringLiteral("appear-gate"));
        SetConverterForTesting(
            {Script(m_dir.filePath(QStringLiteral("gated.sh")),
                    "'" + testmedia::Ffmpeg().toUtf8() + "' \"$@\"\nstatus=$?\nwhile [ ! -e '"
                        + gate.toUtf8() + "' ]; do sleep 0.05; done\nexit $status")});

        Fixture f(out, 13);
        f.media.store().Append(ProbeItem(in, QStringLiteral("clip.mkv")));
        f.queue.ConvertAll();
        QTRY_VERIFY_WITH_TIMEOUT(HiddenBytes(out) > 0, 60000);
        QVERIFY(f.queue.IsConverting());
        const QString taken = out + QStringLiteral("clip.wmv");
        QVERIFY(testfiles::WriteBytes(taken, "not yours\n"));
        QVERIFY(testfiles::WriteBytes(gate, QByteArray()));
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 60000);
        QCOMPARE(f.media.Status(0), StateText(ItemState::Completed));
        const QString output = out + QStringLiteral("clip (2).wmv");
        QCOMPARE(f.StatusTip(0), output);
        QCOMPARE(testfiles::ReadBytes(taken), QByteArray("not yours\n"));
        QVERIFY(qAbs(testmedia::Duration(output) - 2.0) < 0.5);

        // Converted again: its own "clip (2).wmv" is replaced, the other file still stays.
        const quint64 first = Inode(output);
        f.ConvertAllAndWait();
        QCOMPARE(f.media.Status(0), StateText(ItemState::Completed));
        QCOMPARE(f.StatusTip(0), output);
        QVERIFY(Inode(output) != first);
        QCOMPARE(Entries(out), (QStringList {"clip (2).wmv", "clip.wmv"}));
        QCOMPARE(testfiles::ReadBytes(taken), QByteArray("not yours\n"));
        QCOMPARE(Checksum(in + QStringLiteral("clip.mkv")), before);
    }

    // Convert All again: a run writes over the row's earlier output while that is the file it
    // wrote, and only then.
    void secondRunReplacesItsOwnOutputs()
    {
        const QString in = Folder(QStringLiteral("again-in"));
        const QString out = Folder(QStringLiteral("again-out"));
        QVERIFY(Place(QStringLiteral("one.mkv"), in, QStringLiteral("one.mkv")));
        QVERIFY(Place(QStringLiteral("two.mkv"), in, QStringLiteral("two.mkv")));
        const QMap<QString, QByteArray> inputs = Checksums(in);

        Fixture f(out, 13);
        f.media.store().Append(ProbeItem(in, QStringLiteral("one.mkv")));
        f.media.store().Append(ProbeItem(in, QStringLiteral("two.mkv")));
        f.ConvertAllAndWait();
        QCOMPARE(f.Statuses(), QStringList(2, StateText(ItemState::Completed)));
        const QStringList names {"one.wmv", "two.wmv"};
        QCOMPARE(Entries(out), names);
        const quint64 oneInode = Inode(out + names[0]);
        const quint64 twoInode = Inode(out + names[1]);

        f.ConvertAllAndWait();
        QCOMPARE(f.Statuses(), QStringList(2, StateText(ItemState::Completed)));
        QCOMPARE(Entries(out), names);
        QVERIFY(Inode(out + names[0]) != oneInode);
        QVERIFY(Inode(out + names[1]) != twoInode);
        for (int row = 0; row < 2; ++row) {
            QCOMPARE(f.StatusTip(row), out + names[row]);
            QVERIFY(qAbs(testmedia::Duration(out + names[row]) - (row + 1)) < 0.5);
        }

        // A file of the user's over one output stays; a row whose run failed still owns its
        // earlier output.
        QVERIFY(testfiles::WriteBytes(out + names[0], "mine\n"));
        QVERIFY(QFile::rename(in + QStringLiteral("two.mkv"), out + QStringLiteral("two.mkv")));
        f.ConvertAllAndWait();
        QCOMPARE(f.Statuses(),
                 (QStringList {StateText(ItemState::Completed), StateText(ItemState::Failed)}));
        QCOMPARE(testfiles::ReadBytes(out + names[0]), QByteArray("mine\n"));
        QCOMPARE(f.StatusTip(0), out + QStringLiteral("one (2).wmv"));
        QVERIFY(QFile::rename(out + QStringLiteral("two.mkv"), in + QStringLiteral("two.mkv")));
        f.ConvertAllAndWait();
        QCOMPARE(f.StatusTip(1), out + names[1]);
        QCOMPARE(Entries(out), (QStringList {"one (2).wmv", "one.wmv", "two.wmv"}));
        // Earlier outputs listed themselves since are the rows' inputs now, never replaced.
        for (const QString &name : {QStringLiteral("one (2).wmv"), names[1]})
            f.media.store().Append(ProbeItem(out, name));
        const QMap<QString, QByteArray> outputs = Checksums(out);
        f.ConvertAllAndWait();
        QCOMPARE(f.StatusTip(0), out + QStringLiteral("one (3).wmv"));
        QCOMPARE(f.media.Status(1), QStringLiteral("Output Equals Input!"));
        QVERIFY(QFile::remove(out + QStringLiteral("one (3).wmv")) && Checksums(out) == outputs);
        QCOMPARE(Checksums(in), inputs);
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kChildMode))
        return RunQueueChild(argc, argv);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestSafeOutputs test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_safe_outputs.moc"
