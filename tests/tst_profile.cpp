#include "engine/settings/profile.h"

#include "support/files.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QtTest>

#include <memory>
#include <sys/stat.h>

namespace {

using testfiles::ReadBytes;
using testfiles::WriteBytes;

using Entry = QStringList; // section, key, value

ino_t Inode(const QString &path)
{
    struct stat info
    { };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

class TestProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void valuesReadBackUnchanged_data();
    void valuesReadBackUnchanged();
    void writeKeepsTheRestOfTheFile_data();
    void writeKeepsTheRestOfTheFile();
    void badFilesLoadWhatTheyCan_data();
    void badFilesLoadWhatTheyCan();
    void refusedWritesChangeNothing_data();
    void refusedWritesChangeNothing();
    void writeReplacesTheFileWhole();
    void oversizeFileIsLeftAlone_data();
    void oversizeFileIsLeftAlone();
    void manyValuesInOneReplace();
    void refusedEntryRefusesAll();

private:
    QString Path(const QString &name = QStringLiteral("kelvora.ini")) const
    {
        return m_dir->filePath(name);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProfile::valuesReadBackUnchanged_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("blanks inside") << QStringLiteral("/home/me/My Media/");
    QTest::newRow("trailing blanks") << QStringLiteral("/home/me/dir  ");
    QTest::newRow("leading blank and tab") << QStringLiteral(" \t/home/me/");
    QTest::newRow("only blanks") << QStringLiteral("   ");
    QTest::newRow("backslashes") << QStringLiteral("C:\\Mymedia\\");
    QTest::newRow("quotes inside") << QStringLiteral("/tmp/\"quoted\" dir/");
    QTest::newRow("wrapped in quotes") << QStringLiteral("\"/tmp/x/\"");
    QTest::newRow("two quotes") << QStringLiteral("\"\"");
    QTest::newRow("one quote") << QStringLiteral("\"");
    QTest::newRow("quote and blank at the end") << QStringLiteral("\"a\" ");
    QTest::newRow("equals and semicolon") << QStringLiteral("/tmp/a=b;c #d/");
    QTest::newRow("comment characters first") << QStringLiteral("; not a comment");
    QTest::newRow("section-like") << QStringLiteral("[Parameters]");
    QTest::newRow("multi-line tag") << QStringLiteral("<<<END_OF_TEXT");
    QTest::newRow("utf-8") << QStringLiteral("/home/me/视频/Ünïcödé/");
    QTest::newRow("empty") << QString();
    QTest::newRow("longer than 260") << QStringLiteral("/very/long/").repeated(80);
}

void TestProfile::valuesReadBackUnchanged()
{
    QFETCH(QString, value);
    ProfileFile file(Path());
    QVERIFY(file.WriteString(QStringLiteral("Recent Saving Folder"), QStringLiteral("First Folder"),
                             value));
    QVERIFY(file.WriteString(QStringLiteral("Recent Saving Folder"),
                             QStringLiteral("Second Folder"), QStringLiteral("/second/")));
    QVERIFY(
        file.WriteString(QStringLiteral("Parameters"), QStringLiteral("Current Solution"), value));

    const ProfileFile reread(Path());
    QCOMPARE(reread.ReadString(QStringLiteral("Recent Saving Folder"),
                               QStringLiteral("First Folder"), QStringLiteral("default")),
             value);
    QCOMPARE(reread.ReadString(QStringLiteral("Parameters"), QStringLiteral("Current Solution"),
                               QStringLiteral("default")),
             value);
    QCOMPARE(reread.ReadString(QStringLiteral("Recent Saving Folder"),
                               QStringLiteral("Second Folder"), QStringLiteral("default")),
             QStringLiteral("/second/"));
}

void TestProfile::writeKeepsTheRestOfTheFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<Entry>>("others"); // entries that must read the same afterwards
    QTest::addColumn<QByteArrayList>("keptLines"); // comments and other text that must stay
    QTest::addColumn<QString>("oldValue"); // what the written key read before

    QTest::newRow("other sections and comments")
        << QByteArray("; settings of a tool\n\n[Other]\nname = value with blanks\n\n"
                      "; the folders\n[Recent Saving Folder]\n; newest\nFirst Folder=/a/\n"
                      "Second Folder=/b/\n\n[Last]\nx=1\n; the very end\n")
        << QList<Entry> {{"Other", "name", "value with blanks"},
                         {"Recent Saving Folder", "Second Folder", "/b/"},
                         {"Last", "x", "1"}}
        << QByteArrayList {"; settings of a tool", "; the folders", "; newest", "; the very end"}
        << QStringLiteral("/a/");
    QTest::newRow("odd spacing and CRLF")
        << QByteArray("[Parameters]\r\n   Current Solution   =    3   \r\n"
                      "\tDeleteAfter=TRUE\r\n\r\n\r\n  [ Recent Saving Folder ]  \r\n"
                      "First Folder   =   /a/\r\n#hash comment\r\nThird Folder=\"/c/\"\r\n")
        << QList<Entry> {{"Parameters", "Current Solution", "3"},
                         {"Parameters", "DeleteAfter", "TRUE"},
                         {"Recent Saving Folder", "Third Folder", "/c/"}}
        << QByteArrayList {"#hash comment"} << QStringLiteral("/a/");
    QTest::newRow("utf-8 signature, names in other case")
        << QByteArray("\xEF\xBB\xBF[recent saving folder]\nfirst folder=/视频/\nZ=\xFF\xFE\n")
        << QList<Entry> {{"Recent Saving Folder", "Z", QString::fromUtf8("\xFF\xFE")}}
        << QByteArrayList {"Z=\xFF\xFE"} << QStringLiteral("/视频/");
    QTest::newRow("duplicate keys and sections")
        << QByteArray("[Recent Saving Folder]\nFirst Folder=/first/\nFirst Folder=/second/\n"
                      "[Other]\nk=1\nk=2\n[Recent Saving Folder]\nFifth=/e/\n")
        << QList<Entry> {{"Other", "k", "1"}, {"Recent Saving Folder", "Fifth", "/e/"}}
        << QByteArrayList {} << QStringLiteral("/first/");
    QTest::newRow("keys before any section, empty section")
        << QByteArray("loose=yes\n[Empty]\n[Recent Saving Folder]\n")
        << QList<Entry> {{"", "loose", "yes"}} << QByteArrayList {"[Empty]"}
        << QStringLiteral("none");
}

void TestProfile::writeKeepsTheRestOfTheFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<Entry>, others);
    QFETCH(QByteArrayList, keptLines);
    QFETCH(QString, oldValue);
    QVERIFY(WriteBytes(Path(), content));
    const QString section = QStringLiteral("Recent Saving Folder");
    const QString key = QStringLiteral("First Folder");
    ProfileFile file(Path());
    QCOMPARE(file.ReadString(section, key, QStringLiteral("none")), oldValue);

    QVERIFY(file.WriteString(section, key, QStringLiteral("/new folder/")));

    QCOMPARE(file.ReadString(section, key, QStringLiteral("none")), QStringLiteral("/new folder/"));
    for (const Entry &other : others)
        QCOMPARE(file.ReadString(other[0], other[1], QStringLiteral("missing")), other[2]);
    const QByteArray after = ReadBytes(Path());
    for (const QByteArray &line : keptLines)
        QVERIFY2(after.contains(line), line.constData());
    QCOMPARE(after.startsWith("\xEF\xBB\xBF"), content.startsWith("\xEF\xBB\xBF"));
    if (content.contains("\r\n"))
        QCOMPARE(after.count("\r\n"), after.count('\n'));
    else
        QVERIFY(!after.contains('\r'));
}

void TestProfile::badFilesLoadWhatTheyCan_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected"); // First Folder before writing

    QRandomGenerator random(20240517);
    QByteArray garbage(64 * 1024, '\0');
    for (char &c : garbage)
        c = char(random.bounded(256));
    // A NUL, a stray '[' and '=' in the middle of the bytes must not hide the keys after them.
    QTest::newRow("binary garbage before the keys") << garbage + QByteArray(1, '\0')
            + "[x=\n[Recent Saving Folder]\nFirst Folder=/after garbage/\n"
                                                    << QStringLiteral("/after garbage/");
    QTest::newRow("binary garbage only") << garbage << QStringLiteral("none");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("none");
    // Long lines, in a file as large as a profile may be.
    const int longLine = int(ProfileFile::kMaxFileSize) - 100;
    QTest::newRow("line of almost 1 MB") << "[Recent Saving Folder]\nSecond Folder="
            + QByteArray(longLine, 'x') + "\nFirst Folder=/after long line/\n"
                                         << QStringLiteral("/after long line/");
    QTest::newRow("key of almost 1 MB without a value")
        << QByteArray(longLine, 'k') + "\n[Recent Saving Folder]\nFirst Folder=/f/\n"
        << QStringLiteral("/f/");
    QTest::newRow("section without keys, unclosed section")
        << QByteArray("[Recent Saving Folder]\n[Unclosed\nFirst Folder=/in unclosed/\n")
        << QStringLiteral("/in unclosed/");
    QTest::newRow("duplicate keys: first wins")
        << QByteArray("[Recent Saving Folder]\nFirst Folder=/one/\nFirst Folder=/two/\n")
        << QStringLiteral("/one/");
    QTest::newRow("multi-line value marker is text")
        << QByteArray("[Recent Saving Folder]\nFirst Folder=<<<EOT\nline\nEOT\n")
        << QStringLiteral("<<<EOT");
}

void TestProfile::badFilesLoadWhatTheyCan()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    QVERIFY(WriteBytes(Path(), content));
    const QString section = QStringLiteral("Recent Saving Folder");
    ProfileFile file(Path());
    QCOMPARE(file.ReadString(section, QStringLiteral("First Folder"), QStringLiteral("none")),
             expected);

    QVERIFY(file.WriteString(section, QStringLiteral("Third Folder"), QStringLiteral("/third/")));
    QVERIFY(file.WriteString(section, QStringLiteral("First Folder"), QStringLiteral("/first/")));
    QCOMPARE(file.ReadString(section, QStringLiteral("Third Folder"), QStringLiteral("none")),
             QStringLiteral("/third/"));
    QCOMPARE(file.ReadString(section, QStringLiteral("First Folder"), QStringLiteral("none")),
             QStringLiteral("/first/"));
}

void TestProfile::refusedWritesChangeNothing_data()
{
    QTest::addColumn<QString>("where"); // "parent is a file", "path is a folder", "file"
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    const QString s = QStringLiteral("Recent Saving Folder");
    const QString k = QStringLiteral("First Folder");
    QTest::newRow("parent is a regular file") << "parent is a file" << s << k << "/x/";
    QTest::newRow("path is a folder") << "path is a folder" << s << k << "/x/";
    QTest::newRow("line break in the value") << "file" << s << k << "/a\nb/";
    QTest::newRow("carriage return in the value") << "file" << s << k << "/a\rb/";
    QTest::newRow("NUL in the value") << "file" << s << k << QStringLiteral("/a%1b/").arg(QChar(0));
    QTest::newRow("equals sign in the key") << "file" << s << "a=b"
                                            << "/x/";
    QTest::newRow("key reads as a comment") << "file" << s << "; k"
                                            << "/x/";
    QTest::newRow("key with a trailing blank") << "file" << s << "k "
                                               << "/x/";
    QTest::newRow("bracket in the section") << "file"
                                            << "a]b" << k << "/x/";
    QTest::newRow("empty section") << "file"
                                   << "" << k << "/x/";
}

void TestProfile::refusedWritesChangeNothing()
{
    QFETCH(QString, where);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const QByteArray original("[Recent Saving Folder]\nFirst Folder=/kept/\n");
    QString path;
    QString witness; // the file whose bytes must stay as they are
    if (where == QLatin1String("parent is a file")) {
        witness = Path(QStringLiteral("plain"));
        path = witness + QStringLiteral("/kelvora.ini");
    } else if (where == QLatin1String("path is a folder")) {
        path = Path(QStringLiteral("folder.ini"));
        QVERIFY(QDir().mkpath(path));
        witness = Path(QStringLiteral("folder.ini/inside"));
    } else {
        path = witness = Path();
    }
    QVERIFY(WriteBytes(witness, original));
    const QDateTime modified = QFileInfo(witness).lastModified();

    ProfileFile file(path);
    QVERIFY(!file.WriteString(section, key, value));

    QCOMPARE(ReadBytes(witness), original);
    QCOMPARE(QFileInfo(witness).lastModified(), modified);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(),
             where == QLatin1String("path is a folder") ? 0 : 1);
}

void TestProfile::writeReplacesTheFileWhole()
{
    const QString s = QStringLiteral("Parameters");
    const QString k = QStringLiteral("DeleteAfter");
    ProfileFile file(Path());
    QVERIFY(file.WriteString(s, k, QStringLiteral("FALSE")));
    const ino_t first = Inode(Path());

    // The same value again leaves the file alone; a new one arrives as a new file renamed over
    // the old, and no temporary file stays behind.
    QVERIFY(file.WriteString(s, k, QStringLiteral("FALSE")));
    QCOMPARE(Inode(Path()), first);
    QVERIFY(file.WriteString(s, k, QStringLiteral("TRUE")));
    QVERIFY(Inode(Path()) != first);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList {QStringLiteral("kelvora.ini")});
    QCOMPARE(ReadBytes(Path()), QByteArray("[Parameters]\nDeleteAfter=TRUE\n"));
}

void TestProfile::oversizeFileIsLeftAlone_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("read");
    QTest::newRow("1 MB is read") << int(ProfileFile::kMaxFileSize) << true;
    QTest::newRow("a byte more is not") << int(ProfileFile::kMaxFileSize) + 1 << false;
    QTest::newRow("60 MB") << 60 * 1024 * 1024 << false;
}

void TestProfile::oversizeFileIsLeftAlone()
{
    QFETCH(int, size);
    QFETCH(bool, read);
    QByteArray content("[Recent Saving Folder]\nFirst Folder=/kept/\n;");
    content += QByteArray(size - content.size() - 1, 'x') + '\n';
    QVERIFY(WriteBytes(Path(), content));
    const QString section = QStringLiteral("Recent Saving Folder");
    const QString key = QStringLiteral("First Folder");

    ProfileFile file(Path());
    QCOMPARE(file.Read().state(),
             read ? ProfileSnapshot::State::Loaded : ProfileSnapshot::State::Unreadable);
    QCOMPARE(file.ReadString(section, key, QStringLiteral("none")),
             read ? QStringLiteral("/kept/") : QStringLiteral("none"));
    QCOMPARE(file.WriteString(section, key, QStringLiteral("/new/")), read);
    if (!read)
        QCOMPARE(ReadBytes(Path()), content);
}

void TestProfile::manyValuesInOneReplace()
{
    QVERIFY(WriteBytes(Path(), "; mine\n[Other]\nk=v\n[Parameters]\nDeleteAfter=FALSE\n"));
    ProfileFile file(Path());
    const QList<ProfileFile::Entry> entries {
        {QStringLiteral("Parameters"), QStringLiteral("Current Solution"), QStringLiteral("24")},
        {QStringLiteral("Parameters"), QStringLiteral("DeleteAfter"), QStringLiteral("FALSE")},
        {QStringLiteral("Recent Saving Folder"), QStringLiteral("First Folder"),
         QStringLiteral(" /a/")},
        {QStringLiteral("Recent Saving Folder"), QStringLiteral("Second Folder"),
         QStringLiteral("/b/")},
    };
    const ino_t before = Inode(Path());
    QVERIFY(file.WriteStrings(entries));
    QVERIFY(Inode(Path()) != before);
    QCOMPARE(ReadBytes(Path()),
             QByteArray("; mine\n\n\n[Other]\nk=v\n\n\n[Parameters]\nDeleteAfter=FALSE\n"
                        "Current Solution=24\n\n\n[Recent Saving Folder]\n"
                        "First Folder=\" /a/\"\nSecond Folder=/b/\n"));
    const ProfileSnapshot snapshot = file.Read();
    for (const ProfileFile::Entry &entry : entries)
        QCOMPARE(snapshot.ReadString(entry.section, entry.key, QStringLiteral("none")),
                 entry.value);

    // All of them in place already: the file is left as it is.
    const ino_t written = Inode(Path());
    QVERIFY(file.WriteStrings(entries));
    QCOMPARE(Inode(Path()), written);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList {QStringLiteral("kelvora.ini")});
}

void TestProfile::refusedEntryRefusesAll()
{
    const QByteArray original("[Recent Saving Folder]\nFirst Folder=/kept/\n");
    QVERIFY(WriteBytes(Path(), original));
    ProfileFile file(Path());
    QVERIFY(!file.WriteStrings({
        {QStringLiteral("Recent Saving Folder"), QStringLiteral("First Folder"),
         QStringLiteral("/new/")},
        {QStringLiteral("Recent Saving Folder"), QStringLiteral("Second Folder"),
         QStringLiteral("/line\nbreak/")},
    }));
    QCOMPARE(ReadBytes(Path()), original);
    QVERIFY(ProfileFile::CanStore(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("v")));
    QVERIFY(
        !ProfileFile::CanStore(QStringLiteral("s"), QStringLiteral("k"), QStringLiteral("a\rb")));
}

QTEST_GUILESS_MAIN(TestProfile)
#include "tst_profile.moc"
