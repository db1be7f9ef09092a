#include "cli/convert_cli.h"
#include "engine/convert/presets.h"
#include "engine/media/media_store.h"
#include "support/files.h"
#include "support/media_factory.h"

#include <QtTest>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace {

const QString kProgram = QStringLiteral(KELVORA_CONVERT_PROGRAM);
constexpr int kWmvPreset = 13;

// What one run of the program did.
struct Result
{
    int exitCode = -1;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    QByteArray out;
    QByteArray err;
};

// The environment of a headless server: no display and no Qt platform named.
QProcessEnvironment Headless()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

Result RunProgram(const QString &program, const QStringList &arguments, const QString &folder,
                  const QByteArray &input = QByteArray(), const QString &outputFile = QString())
{
    QProcess process;
    process.setProcessEnvironment(Headless());
    process.setWorkingDirectory(folder);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(program, arguments);
    Result result;
    if (!process.waitForStarted(30000))
        return result;
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(300000);
    result.exitCode = process.exitCode();
    result.exitStatus = process.exitStatus();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

Result Convert(const QStringList &arguments, const QString &folder,
               const QByteArray &input = QByteArray())
{
    return RunProgram(kProgram, arguments, folder, input);
}

// The JSON objects of --json output, one a line; a line that is not one fails the test.
QList<QJsonObject> JsonLines(const QByteArray &out)
{
    QList<QJsonObject> objects;
    for (const QByteArray &line : out.split('\n')) {
        if (line.isEmpty())
            continue;
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError || !document.isObject()) {
            qWarning("not a JSON object: %s", line.constData());
            return {};
        }
        objects << document.object();
    }
    return objects;
}

QJsonObject ByInput(const QList<QJsonObject> &objects, const QString &input)
{
    for (const QJsonObject &object : objects) {
        if (object.value(QStringLiteral("input")).toString() == input)
            return object;
    }
    return {};
}

// Every entry of `folder`, hidden ones too, sorted.
QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// The converter processes that are children of `pid`.
QList<qint64> ConverterChildren(qint64 pid)
{
    QList<qint64> children;
    QFile file(QStringLiteral("/proc/%1/task/%1/children").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return children;
    for (const QByteArray &word : file.readAll().simplified().split(' ')) {
        const qint64 child = word.toLongLong();
        if (child > 0
            && testfiles::ReadBytes(QStringLiteral("/proc/%1/comm").arg(child)).trimmed()
                == "ffmpeg")
            children << child;
    }
    return children;
}

// The state letter of process `pid` ('R', 'S', 'T' stopped, 'Z'...), or 0 when it is gone.
char State(qint64 pid)
{
    const QByteArray stat = testfiles::ReadBytes(QStringLiteral("/proc/%1/stat").arg(pid));
    const int close = stat.lastIndexOf(')');
    return close > 0 && close + 2 < stat.size() ? stat[close + 2] : 0;
}

} // namespace

class TestKelvoraConvert : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void presetNames_data();
    void presetNames();
    void usageErrors_data();
    void usageErrors();
    void convertsWithJsonAndStatuses();
    void plainLinesAndFolders();
    void listsPresets();
    void liveLinesOnATerminal();
    void fromList_data();
    void fromList();
    void exitsAndReports_data();
    void exitsAndReports();
    void interruptEndsEveryConverter_data();
    void interruptEndsEveryConverter();
    void interruptWhileReadingTheList();
    void parallelSharesGiveTheSameOutputs();
    void keepsTheTreeAndSkipsWhatIsConverted();
    void watchesAFolder();

private:
    QTemporaryDir m_media;
    QString m_a;
    QString m_b;
    QString m_bad;
};

void TestKelvoraConvert::initTestCase()
{
    QVERIFY(QFileInfo(kProgram).isExecutable());
    QVERIFY(m_media.isValid());
    m_a = m_media.filePath(QStringLiteral("a.mp4"));
    m_b = m_media.filePath(QStringLiteral("b.mp4"));
    m_bad = m_media.filePath(QStringLiteral("bad.mp4"));
    QString log;
    QVERIFY2(testmedia::MakeSmallClip(m_a, &log), qPrintable(log));
    QVERIFY2(testmedia::MakeSmallClip(m_b, &log), qPrintable(log));
    QVERIFY(testfiles::WriteBytes(m_bad, "this is no media file\n"));
    QVERIFY(testmedia::MakeCutClip(m_media.filePath(QStringLiteral("cut.mp4"))));
}

void TestKelvoraConvert::presetNames_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("id"); // -1: none
    QTest::addColumn<QList<int>>("candidates"); // empty: every preset

    QTest::newRow("id") << "22" << 22 << QList<int>();
    QTest::newRow("id naming none") << "14" << -1 << QList<int>();
    QTest::newRow("menu text, other case") << "ipod - high quarlity (*.mp4)" << 2 << QList<int>();
    QTest::newRow("solution text") << "APPLE iPhone - Low Quarlity (*.mp4)" << 3 << QList<int>();
    QTest::newRow("only preset not in the menu") << "digital video" << 20 << QList<int>();
    // "3GPP2 (*.3g2)" holds "3GPP" too: the whole text wins over a part.
    QTest::newRow("exact beats part, blanks folded") << "3gpp (*.3gp)" << 26 << QList<int>();
    // "BlackBerry 3GP (*.3gp)" holds the whole of another preset's text.
    QTest::newRow("exact inside another") << "3gp (*.3gp)" << 26 << QList<int>();
    QTest::newRow("unique part") << "windows media video" << 13 << QList<int>();
    QTest::newRow("ambiguous part") << "ps3 -" << -1 << QList<int> {9, 10, 11};
    QTest::newRow("unknown") << "no such format" << -1 << QList<int>();
}

void TestKelvoraConvert::presetNames()
{
    QFETCH(QString, text);
    QFETCH(int, id);
    QFETCH(QList<int>, candidates);
    QList<const Preset *> matched;
    const Preset *preset = FindPreset(text, &matched);
    QCOMPARE(preset ? preset->id : -1, id);
    if (preset)
        return;
    QList<int> ids;
    for (const Preset *candidate : matched)
        ids << candidate->id;
    std::sort(ids.begin(), ids.end());
    if (candidates.isEmpty())
        QCOMPARE(ids.size(), static_cast<int>(AllPresets().size()));
    else
        QCOMPARE(ids, candidates);
}

void TestKelvoraConvert::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown preset")
        << QStringList {QStringLiteral("--preset"), QStringLiteral("betamax"), QStringLiteral("A")}
        << "unknown preset 'betamax'";
    QTest::newRow("ambiguous preset")
        << QStringList {QStringLiteral("--preset=ipod"), QStringLiteral("A")}
        << "ambiguous preset 'ipod'";
    QTest::newRow("no preset") << QStringList {QStringLiteral("A")} << "no preset";
    QTest::newRow("no files") << QStringList {QStringLiteral("-p"), QStringLiteral("13")}
                              << "no files";
    QTest::newRow("folder of no media")
        << QStringList {QStringLiteral("-p"), QStringLiteral("13"), QStringLiteral("EMPTY")}
        << "no files";
    QTest::newRow("folders of no media, -r")
        << QStringList {"-p", "13", "-r", "EMPTY"} << "no files";
    // A regular file stands where the folder would be made: no one, not even root, writes there.
    QTest::newRow("output under a file")
        << QStringList {QStringLiteral("-p"), QStringLiteral("13"), QStringLiteral("--output"),
                        QStringLiteral("A/sub"), QStringLiteral("A")}
        << "cannot be made or written to";
    QTest::newRow("bad jobs") << QStringList {
        QStringLiteral("-p"), QStringLiteral("13"), QStringLiteral("-j"), QStringLiteral("0"),
        QStringLiteral("A")} << "--jobs takes";
    QTest::newRow("bad size") << QStringList {
        QStringLiteral("-p"), QStringLiteral("13"), QStringLiteral("--size"), QStringLiteral("4k"),
        QStringLiteral("A")} << "--size takes";
    QTest::newRow("unknown option")
        << QStringList {QStringLiteral("--fast"), QStringLiteral("A")} << "unknown option '--fast'";
    QTest::newRow("watched output") << QStringList {"-p", "13", "-o", "EMPTY", "--watch", "EMPTY"}
                                    << "cannot be a watched folder";
}

void TestKelvoraConvert::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QTemporaryDir work;
    QVERIFY(QFile::copy(m_a, work.filePath(QStringLiteral("A"))));
    QVERIFY(QDir(work.path()).mkdir(QStringLiteral("EMPTY")));
    QVERIFY(testfiles::WriteBytes(work.filePath(QStringLiteral("EMPTY/notes.txt")), "x"));
    const QStringList before = Entries(work.path());

    const Result result = Convert(arguments, work.path());
    QCOMPARE(result.exitStatus, QProcess::NormalExit);
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(QString::fromUtf8(result.err).contains(message), result.err.constData());
    QVERIFY(result.out.isEmpty());
    QCOMPARE(Entries(work.path()), before); // nothing converted
}

void TestKelvoraConvert::convertsWithJsonAndStatuses()
{
    QTemporaryDir out;
    // The same file twice is listed once, as in the window.
    const QStringList arguments {QStringLiteral("--json"),
                                 QStringLiteral("--preset"),
                                 QStringLiteral("WMV - Windows Media Video (*.wmv)"),
                                 QStringLiteral("--output"),
                                 out.path(),
                                 QStringLiteral("-j"),
                                 QStringLiteral("2"),
                                 m_a,
                                 m_bad,
                                 m_b,
                                 m_a};
    Result result = Convert(arguments, m_media.path());
    QCOMPARE(result.exitCode, 1); // the unknown file was not converted
    QList<QJsonObject> lines = JsonLines(result.out);
    QCOMPARE(lines.size(), 3);

    const QJsonObject bad = ByInput(lines, m_bad);
    QCOMPARE(bad.value(QStringLiteral("status")).toString(), StateText(ItemState::UnknownFormat));
    QCOMPARE(bad.value(QStringLiteral("output")).toString(), QString());
    for (const QString &input : {m_a, m_b}) {
        const QJsonObject line = ByInput(lines, input);
        QCOMPARE(line.value(QStringLiteral("status")).toString(), StateText(ItemState::Completed));
        QCOMPARE(line.value(QStringLiteral("reason")).toString(), QString());
        QVERIFY(line.value(QStringLiteral("seconds")).toDouble() > 0);
        QVERIFY(line.value(QStringLiteral("speed")).toDouble() > 0);
        const QString output = line.value(QStringLiteral("output")).toString();
        QCOMPARE(output, out.filePath(QFileInfo(input).completeBaseName() + ".wmv"));
        QCOMPARE(testmedia::Streams(output),
                 (QStringList {QStringLiteral("wmv2:video"), QStringLiteral("wmav2:audio")}));
    }
    QVERIFY(QString::fromUtf8(result.err).contains(QStringLiteral("2 converted, 1 not converted")));

    // Once more, good files only: earlier outputs stay, the new ones take the next free names.
    result = Convert({QStringLiteral("--json"), QStringLiteral("-p"), QStringLiteral("13"),
                      QStringLiteral("-o"), out.path(), m_a},
                     m_media.path());
    QCOMPARE(result.exitCode, 0);
    lines = JsonLines(result.out);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0].value(QStringLiteral("output")).toString(),
             out.filePath(QStringLiteral("a (2).wmv")));
    QCOMPARE(Entries(out.path()),
             (QStringList {QStringLiteral("a (2).wmv"), QStringLiteral("a.wmv"),
                           QStringLiteral("b.wmv")}));
}

void TestKelvoraConvert::plainLinesAndFolders()
{
    // A folder is taken as Add Folder takes it: media extensions in any case, top level only
    // unless --recursive, and what was left out named on standard error.
    QTemporaryDir work;
    QVERIFY(QDir(work.path()).mkpath(QStringLiteral("in/sub")));
    QVERIFY(QFile::copy(m_a, work.filePath(QStringLiteral("in/one.mp4"))));
    QVERIFY(QFile::copy(m_b, work.filePath(QStringLiteral("in/two.avi"))));
    QVERIFY(QFile::copy(m_a, work.filePath(QStringLiteral("in/three.MKV"))));
    QVERIFY(testfiles::WriteBytes(work.filePath(QStringLiteral("in/notes.txt")), "notes\n"));
    QVERIFY(QFile::copy(m_a, work.filePath(QStringLiteral("in/sub/four.mp4"))));
    // A newline in a name is written as "\n": each finished file keeps one line.
    QVERIFY(QFile::copy(m_a, work.filePath(QStringLiteral("in/new\nline.mp4"))));
    // Hidden files are left out: another run's half-written output among them.
    QVERIFY(QFile::copy(m_a, work.filePath(QStringLiteral("in/.five.part-1f.mp4"))));

    // Relative paths, and no --output: the current folder.
    const Result result
        = Convert({QStringLiteral("-p"), QStringLiteral("24"), QStringLiteral("in")}, work.path());
    QCOMPARE(result.exitCode, 0);
    const QString inFolder = QDir(work.filePath(QStringLiteral("in"))).canonicalPath();
    const QString outFolder = QDir(work.path()).canonicalPath();
    const QStringList lines
        = QString::fromUtf8(result.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QVERIFY2(
        result.err.contains(
            QStringLiteral("kelvora-convert: in %1/: 1 file with another extension: notes.txt\n")
                .arg(inFolder)
                .toUtf8()),
        result.err.constData());
    QVERIFY2(
        lines.filter(QStringLiteral("/new\\nline.mp4 -> %1/new\\nline.mp3 (").arg(outFolder)).size()
            == 1,
        qPrintable(lines.join('\n')));
    QVERIFY(QFileInfo(work.filePath(QStringLiteral("new\nline.mp3"))).size() > 0);
    for (const QString &name : {QStringLiteral("one"), QStringLiteral("two")}) {
        const QString expected
            = QStringLiteral("%1 %2/%3.%4 -> %5/%3.mp3 (")
                  .arg(StateText(ItemState::Completed), inFolder, name,
                       name == QLatin1String("one") ? QStringLiteral("mp4") : QStringLiteral("avi"),
                       outFolder);
        QVERIFY2(lines.filter(expected).size() == 1, qPrintable(lines.join('\n')));
        QCOMPARE(testmedia::Streams(work.filePath(name + ".mp3")),
                 QStringList {QStringLiteral("mp3:audio")});
    }
    QVERIFY(QFile::exists(work.filePath(QStringLiteral("three.mp3"))));
    QVERIFY(!QFile::exists(work.filePath(QStringLiteral("four.mp3"))));
    const Result deep = Convert({"-p", "24", "--recursive", "-o", "deep", "in"}, work.path());
    QCOMPARE(deep.exitCode, 0);
    QVERIFY(QFile::exists(work.filePath(QStringLiteral("deep/sub/four.mp3"))));
    const Result flat = Convert({"-p", "24", "-r", "--flat", "-o", "flat", "in"}, work.path());
    QVERIFY(flat.exitCode == 0 && QFile::exists(work.filePath(QStringLiteral("flat/four.mp3"))));
    // No terminal: no control characters, only the finished lines.
    QVERIFY(!result.out.contains('\x1b'));
    QVERIFY(!result.out.contains('\r'));
}

void TestKelvoraConvert::listsPresets()
{
    const Result result = Convert({QStringLiteral("--list-presets")}, m_media.path());
    QCOMPARE(result.exitCode, 0);
    QStringList lines = QString::fromUtf8(result.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(!lines.isEmpty());
    lines.removeFirst(); // the column names
    QCOMPARE(lines.size(), static_cast<int>(AllPresets().size()));
    for (int i = 0; i < lines.size(); ++i) {
        const Preset &preset = AllPresets()[static_cast<size_t>(i)];
        const QString &line = lines[i];
        QVERIFY2(line.startsWith(QStringLiteral("%1  ").arg(preset.id, 3)), qPrintable(line));
        QVERIFY2(line.contains(PresetName(preset)), qPrintable(line));
        QVERIFY2(line.endsWith(QLatin1String(" yes")) || line.endsWith(QLatin1String(" no")),
                 qPrintable(line));
    }
    // The converter's own encoders: WMV and MPEG-1 it always has.
    for (int id : {13, 16}) {
        QVERIFY2(lines.filter(QRegularExpression(QStringLiteral("^ *%1 .* yes$").arg(id))).size()
                     == 1,
                 qPrintable(lines.join('\n')));
    }
}

void TestKelvoraConvert::liveLinesOnATerminal()
{
    // script(1) gives the program a terminal for its standard output.
    const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
    if (script.isEmpty())
        QSKIP("script(1) is missing");
    QTemporaryDir work;
    const QString command
        = QStringLiteral("'%1' -p 13 -o '%2' '%3' '%4'").arg(kProgram, work.path(), m_a, m_b);
    const Result result = RunProgram(
        script, {QStringLiteral("-qec"), command, QStringLiteral("/dev/null")}, work.path());
    QCOMPARE(result.exitCode, 0);
    const QString text = QString::fromUtf8(result.out);
    QVERIFY2(text.contains(QStringLiteral("\r\x1b[2K")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("files done  elapsed ")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("  a.mp4")), qPrintable(text)); // a running file's line
    QVERIFY2(text.contains(QStringLiteral("%1 %2 -> %3/a.wmv (")
                               .arg(StateText(ItemState::Completed), m_a, work.path())),
             qPrintable(text));
    QVERIFY(QFileInfo(work.filePath(QStringLiteral("b.wmv"))).size() > 0);
}

void TestKelvoraConvert::fromList_data()
{
    QTest::addColumn<bool>("fromStdin");
    QTest::addColumn<bool>("nullSeparated");
    QTest::addColumn<QStringList>("names");

    const QStringList odd {QStringLiteral("with blank.mp4"), QStringLiteral("new\nline.mp4"),
                           QStringLiteral(" lead and trail .mp4")};
    QTest::newRow("NUL-separated, standard input") << true << true << odd;
    QTest::newRow("NUL-separated, list file") << false << true << odd;
    QTest::newRow("lines, list file")
        << false << false
        << QStringList {QStringLiteral("with blank.mp4"), QStringLiteral("plain.mp4")};
}

void TestKelvoraConvert::fromList()
{
    QFETCH(bool, fromStdin);
    QFETCH(bool, nullSeparated);
    QFETCH(QStringList, names);

    QTemporaryDir work;
    QVERIFY(QDir(work.path()).mkdir(QStringLiteral("out")));
    QByteArray list;
    for (const QString &name : names) {
        QVERIFY(QFile::copy(m_a, work.filePath(name)));
        list += name.toUtf8() + (nullSeparated ? '\0' : '\n');
    }
    const QString listFile = work.filePath(QStringLiteral("list"));
    if (!fromStdin)
        QVERIFY(testfiles::WriteBytes(listFile, list));
    QStringList arguments {QStringLiteral("--json"),
                           QStringLiteral("-p"),
                           QStringLiteral("13"),
                           QStringLiteral("-o"),
                           QStringLiteral("out"),
                           QStringLiteral("--from"),
                           fromStdin ? QStringLiteral("-") : listFile};
    if (nullSeparated)
        arguments << QStringLiteral("--null");

    const Result result = Convert(arguments, work.path(), fromStdin ? list : QByteArray());
    QCOMPARE(result.exitCode, 0);
    const QList<QJsonObject> lines = JsonLines(result.out);
    QCOMPARE(lines.size(), names.size());
    const QString folder = QDir(work.path()).canonicalPath() + QLatin1Char('/');
    for (const QString &name : names) {
        const QJsonObject line = ByInput(lines, folder + name);
        QCOMPARE(line.value(QStringLiteral("status")).toString(), StateText(ItemState::Completed));
        const QString output
            = folder + QStringLiteral("out/") + QFileInfo(name).completeBaseName() + ".wmv";
        QCOMPARE(line.value(QStringLiteral("output")).toString(), output);
        QVERIFY(QFileInfo(output).size() > 0);
    }
}

// How the program ends and what it says, for scripts: each row's files are A.mp4, same.wmv (a
// copy of A) and subtitles.srt in a folder of its own, with a link lnk to real/sub; standard
// input holds a NUL-separated list of two names, one of them not UTF-8.
void TestKelvoraConvert::exitsAndReports_data()
{
    QTest::addColumn<QString>("arguments"); // after "-p 13", split at blanks
    // standard output: 0 a pipe, 1 /dev/full, 2 a reader gone, 3 closed with input and error
    QTest::addColumn<int>("out");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says"); // on standard output or error
    QTest::newRow("every file ends at once") << "same.wmv" << 0 << 1 << "Output Equals Input!";
    QTest::newRow("its own output") << "--skip-existing same.wmv" << 0 << 1 << "Equals Input!";
    QTest::newRow("a name that is not UTF-8")
        << "--json -0 --from -" << 0 << 1 << "/bad\\\\xFF.mp4\"";
    QTest::newRow("a file without audio or video")
        << "--json subtitles.srt" << 0 << 1 << StateText(ItemState::UnknownFormat);
    QTest::newRow("a missing file") << "gone.mp4 A.mp4" << 0 << 1 << "gone.mp4: No such file";
    QTest::newRow("output to a full disk")
        << "--json A.mp4" << 1 << 1 << "cannot write standard output: No space left on device";
    QTest::newRow("output to a reader that is gone") << "A.mp4" << 2 << 1 << "1 converted";
    // Converted, not stopped by its own words, not waiting for input: the report is lost.
    QTest::newRow("standard input, output and error closed")
        << "--json --from - A.mp4" << 3 << 1 << "";
    QTest::newRow("a clip cut short, its output kept")
        << "--json cut.mp4" << 0 << 1 << "cut.wmv\",\"reason\":\"Converted 0:";
    QTest::newRow("jobs joined to -j, output through a link and ..")
        << "-j4 -o lnk/.. A.mp4" << 0 << 0 << "/real/A.wmv (";
}

void TestKelvoraConvert::exitsAndReports()
{
    QFETCH(QString, arguments);
    QFETCH(int, out);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    QTemporaryDir work;
    QVERIFY(QFile::copy(m_a, work.filePath(QStringLiteral("A.mp4"))));
    QVERIFY(QFile::copy(m_a, work.filePath(QStringLiteral("same.wmv"))));
    QVERIFY(QFile::copy(m_media.filePath(QStringLiteral("cut.mp4")), work.filePath("cut.mp4")));
    QVERIFY(testfiles::WriteBytes(work.filePath(QStringLiteral("subtitles.srt")),
                                  "1\n00:00:00,000 --> 00:00:01,000\nHello\n"));
    QVERIFY(QDir(work.path()).mkpath(QStringLiteral("real/sub")));
    QVERIFY(QFile::link(QStringLiteral("real/sub"), work.filePath(QStringLiteral("lnk"))));
    int ends[2];
    QVERIFY(::pipe(ends) == 0);
    ::close(ends[0]); // a pipe whose reader has gone, as after "| head -1"
    const QStringList outputs {QString(), QStringLiteral("/dev/full"),
                               QStringLiteral("/proc/self/fd/%1").arg(ends[1])};
    const QStringList closed {QStringLiteral("-c"),
                              QStringLiteral("exec \"$0\" \"$@\" <&- >&- 2>&-"), kProgram};
    const Result result
        = RunProgram(out == 3 ? QStringLiteral("sh") : kProgram,
                     (out == 3 ? closed : QStringList())
                         + QStringLiteral("-p 13 ").append(arguments).split(QLatin1Char(' ')),
                     work.path(), QByteArray("bad\xff.mp4\0A.mp4", 14), outputs.value(out));
    ::close(ends[1]);
    QCOMPARE(result.exitStatus, QProcess::NormalExit);
    QVERIFY2(result.exitCode == exitCode, result.err.constData());
    QVERIFY2((result.out + result.err).contains(says.toUtf8()), result.out + result.err);
    QCOMPARE(Entries(work.path()).filter(QStringLiteral(".part")), QStringList());
    QVERIFY(out != 3 || QFileInfo(work.filePath(QStringLiteral("A.wmv"))).size() > 0);
}

void TestKelvoraConvert::interruptEndsEveryConverter_data()
{
    QTest::addColumn<int>("stopSignal");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("pauseFirst"); // Ctrl-Z, then fg, before the signal
    QTest::newRow("SIGINT") << int(SIGINT) << 130 << "SIGINT" << false;
    QTest::newRow("SIGTERM") << int(SIGTERM) << 143 << "SIGTERM" << false;
    QTest::newRow("SIGHUP, a closed terminal") << int(SIGHUP) << 129 << "SIGHUP" << false;
    QTest::newRow("SIGTERM after Ctrl-Z and fg") << int(SIGTERM) << 143 << "SIGTERM" << true;
}

void TestKelvoraConvert::interruptEndsEveryConverter()
{
    QFETCH(int, stopSignal);
    QFETCH(int, exitCode);
    QFETCH(QString, name);
    QFETCH(bool, pauseFirst);
    // Clips long enough that both are still converting when the signal comes.
    const QStringList inputs {m_media.filePath(QStringLiteral("long1.mp4")),
                              m_media.filePath(QStringLiteral("long2.mp4"))};
    if (!QFile::exists(inputs[1])) {
        testmedia::Clip clip;
        clip.seconds = 30;
        clip.codecArguments = {QStringLiteral("-c:v"), QStringLiteral("mpeg4"),
                               QStringLiteral("-c:a"), QStringLiteral("aac")};
        QString log;
        for (const QString &input : inputs)
            QVERIFY2(testmedia::Make(input, clip, &log), qPrintable(log));
    }
    QTemporaryDir work;
    const QString out = work.filePath(QStringLiteral("out"));

    QProcess process;
    process.setProcessEnvironment(Headless());
    // Sony PS3 - High: the slowest encoder of the presets.
    process.start(kProgram,
                  QStringList {QStringLiteral("--json"), QStringLiteral("-p"), QStringLiteral("11"),
                               QStringLiteral("-j"), QStringLiteral("2"), QStringLiteral("-o"), out}
                      << inputs);
    QVERIFY(process.waitForStarted());
    QList<qint64> converters;
    QTRY_VERIFY_WITH_TIMEOUT((converters = ConverterChildren(process.processId())).size() == 2,
                             60000);
    if (pauseFirst) {
        // The converters run in groups of their own, which the terminal's Ctrl-Z does not reach.
        const auto stopped = [&] {
            return State(process.processId()) == 'T' && State(converters[0]) == 'T'
                && State(converters[1]) == 'T';
        };
        QVERIFY(::kill(static_cast<pid_t>(process.processId()), SIGTSTP) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(stopped(), 10000);
        QVERIFY(::kill(static_cast<pid_t>(process.processId()), SIGCONT) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(State(converters[0]) != 'T' && State(converters[1]) != 'T', 10000);
    }
    QVERIFY(::kill(static_cast<pid_t>(process.processId()), stopSignal) == 0);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    for (qint64 pid : converters)
        QTRY_VERIFY_WITH_TIMEOUT(State(pid) == 0 || State(pid) == 'Z', 10000);
    QCOMPARE(Entries(out), QStringList()); // no output and no hidden partial file

    const QList<QJsonObject> lines = JsonLines(process.readAllStandardOutput());
    QCOMPARE(lines.size(), 2);
    for (const QJsonObject &line : lines) {
        QCOMPARE(line.value(QStringLiteral("status")).toString(), StateText(ItemState::Canceled));
        QCOMPARE(line.value(QStringLiteral("output")).toString(), QString());
    }
    QVERIFY(QString::fromUtf8(process.readAllStandardError()).contains(name));
}

// Ctrl-C while the list is still being read from a terminal or a stalled pipe.
void TestKelvoraConvert::interruptWhileReadingTheList()
{
    QTemporaryDir work;
    QProcess process;
    process.setProcessEnvironment(Headless());
    process.start(kProgram, {"-p", "13", "-o", work.filePath("out"), "--from", "-"});
    process.write(m_a.toUtf8() + '\n'); // and no end of input
    // The saving folder is made after the signals are caught and before the list is read.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(work.filePath("out")), 10000);
    QVERIFY(::kill(static_cast<pid_t>(process.processId()), SIGINT) == 0);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 130);
}

void TestKelvoraConvert::parallelSharesGiveTheSameOutputs()
{
    const QString parallel = QStandardPaths::findExecutable(QStringLiteral("parallel"));
    QVERIFY2(!parallel.isEmpty(), "GNU parallel is not installed (Debian package parallel)");
    QTemporaryDir work;
    const QString one = work.filePath(QStringLiteral("one"));
    const QString shares = work.filePath(QStringLiteral("shares"));

    Result result
        = Convert({QStringLiteral("-p"), QStringLiteral("19"), QStringLiteral("-o"), one, m_a, m_b},
                  work.path());
    QCOMPARE(result.exitCode, 0);
    // One program a file, two at a time, as a share of a larger batch is run.
    result = RunProgram(parallel,
                        {QStringLiteral("--will-cite"), QStringLiteral("--halt"),
                         QStringLiteral("now,fail=1"), QStringLiteral("-j2"), kProgram,
                         QStringLiteral("-p"), QStringLiteral("19"), QStringLiteral("-o"), shares,
                         QStringLiteral(":::"), m_a, m_b},
                        work.path());
    QVERIFY2(result.exitCode == 0, result.err.constData());

    QCOMPARE(Entries(shares), Entries(one));
    QCOMPARE(Entries(one), (QStringList {QStringLiteral("a.mp4"), QStringLiteral("b.mp4")}));
    for (const QString &name : Entries(one)) {
        const QString single = one + QLatin1Char('/') + name;
        const QString shared = shares + QLatin1Char('/') + name;
        QCOMPARE(testmedia::Streams(shared), testmedia::Streams(single));
        QCOMPARE(testmedia::FormatName(shared), testmedia::FormatName(single));
        QVERIFY(testmedia::Duration(single) > 0.5);
        QVERIFY(qAbs(testmedia::Duration(shared) - testmedia::Duration(single)) < 0.05);
    }
}

QTEST_GUILESS_MAIN(TestKelvoraConvert)
void TestKelvoraConvert::keepsTheTreeAndSkipsWhatIsConverted()
{
    // Two albums with songs of one name, a third whose folder a file blocks, then a second run.
    QTemporaryDir work;
    testmedia::Clip song;
    song.video = false;
    song.seconds = 1;
    for (const QString path : {"lib/Album A/01 Intro.mp3", "lib/Album B/01 Intro.flac",
                               "lib/Album B/Disc 2/02 Song.wav", "lib/Album C/03 End.wav"})
        QVERIFY(QDir(work.path()).mkpath(QFileInfo(path).path())
                && testmedia::Make(work.filePath(path), song));
    QVERIFY(QDir(work.path()).mkpath("out")
            && testfiles::WriteBytes(work.filePath("out/Album C"), ""));
    const QStringList arguments {"-p", "24", "-r", "--skip-existing", "--json", "-o", "out", "lib"};
    const Result first = Convert(arguments, work.path());
    QCOMPARE(first.exitCode, 1);
    const QString blocked = QDir(work.path()).canonicalPath() + "/out/Album C";
    QCOMPARE(
        ByInput(JsonLines(first.out), QDir(work.path()).canonicalPath() + "/lib/Album C/03 End.wav")
            .value("reason")
            .toString(),
        blocked + ": the folder cannot be made: Not a directory");
    for (const QString name : {"Album A", "Album B", "Album B/Disc 2"})
        QCOMPARE(Entries(work.filePath("out/" + name)).filter(".mp3").size(), 1);
    QVERIFY(QFile::remove(blocked));
    const Result second = Convert(arguments, work.path());
    QCOMPARE(second.exitCode, 0);
    QVERIFY2(second.err.contains("4 files: 1 converted, 3 already converted, 0 not converted"),
             second.err.constData());
    QCOMPARE(QString::fromUtf8(second.out).count(StateKey(ItemState::AlreadyConverted)), 3);
    QCOMPARE(Entries(work.filePath("out/Album B")), QStringList({"01 Intro.mp3", "Disc 2"}));
}

void TestKelvoraConvert::watchesAFolder()
{
    // A slow writer, a moved-in file, a hidden partial one; a restart; the folder gone and back.
    QTemporaryDir work;
    const QString in = work.filePath("in");
    const QString out = work.filePath("out");
    const QString wav = work.filePath("song.wav");
    testmedia::Clip song;
    song.video = false;
    song.seconds = 3;
    QVERIFY(QDir().mkpath(in + "/sub") && testmedia::Make(wav, song));
    QVERIFY(QFile::copy(wav, work.filePath("moved.wav")) && QFile::copy(wav, in + "/.c.part.wav"));
    QProcess watch;
    QByteArray report;
    const auto start = [&] {
        watch.setProcessEnvironment(Headless());
        watch.start(kProgram, {"-p", "24", "--json", "-r", "-o", out, "--watch", in});
    };
    const auto reported = [&](int lines) {
        report += watch.readAllStandardOutput();
        return report.count('\n') == lines;
    };
    const auto stop = [&] {
        ::kill(pid_t(watch.processId()), SIGTERM);
        return watch.waitForFinished(60000) && watch.exitCode() == 128 + SIGTERM;
    };
    start();
    // Three chunks, the first alone for longer than a file must stay unchanged to be taken.
    const qint64 third = QFileInfo(wav).size() / 3;
    QProcess writer;
    writer.setStandardOutputFile(in + "/slow.wav");
    writer.start("sh",
                 {"-c",
                  QString("head -c %1 $0; sleep 2.5; tail -c +%2 $0 | head -c %1; sleep 0.5; "
                          "tail -c +%3 $0")
                      .arg(third)
                      .arg(third + 1)
                      .arg(2 * third + 1),
                  wav});
    QVERIFY(QFile::rename(work.filePath("moved.wav"), in + "/sub/moved.wav"));
    QTRY_VERIFY_WITH_TIMEOUT(reported(2), 60000);
    QVERIFY(stop());
    QVERIFY(testmedia::Duration(out + "/slow.mp3") > 2.5);
    QCOMPARE(Entries(out), QStringList({"slow.mp3", "sub"}));
    QCOMPARE(Entries(out + "/sub"), QStringList {"moved.mp3"});
    // Converted once: after a restart only what arrived meanwhile is.
    QVERIFY(QFile::copy(wav, in + "/late.wav") && testfiles::WriteBytes(in + "/bad.mp3", "x"));
    start();
    QTRY_VERIFY_WITH_TIMEOUT(reported(6), 60000);
    QVERIFY(report.contains(StateKey(ItemState::UnknownFormat).toUtf8()));
    QCOMPARE(QString::fromUtf8(report).count(StateKey(ItemState::AlreadyConverted)), 2);
    QVERIFY(QDir(in).removeRecursively() && QDir().mkpath(in)
            && QFile::copy(wav, in + "/back.wav"));
    QTRY_VERIFY_WITH_TIMEOUT(reported(7), 60000);
    QVERIFY(stop());
    QCOMPARE(Entries(out), QStringList({"back.mp3", "late.mp3", "slow.mp3", "sub"}));
}

#include "tst_kelvora_convert.moc"
