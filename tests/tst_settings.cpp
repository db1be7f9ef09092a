#include "app/settings.h"
#include "convert/presets.h"

#include "support/files.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QtTest>

#include <memory>

namespace {

using testfiles::ReadBytes;
using testfiles::WriteBytes;

QStringList Folders(const Settings &settings)
{
    return QStringList(std::begin(settings.folders), std::end(settings.folders));
}

// A settings record with nothing in common with the defaults.
Settings Changed()
{
    Settings settings;
    settings.preset = {20, QStringLiteral("DV - Digital Video (*.dv)"), QStringLiteral("dv file")};
    settings.deleteAfter = QStringLiteral("TRUE");
    for (int i = 0; i < kRecentFolderCount; ++i)
        settings.folders[i] = QStringLiteral("/media/folder %1/").arg(i + 1);
    return settings;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void settingsPathAndFolder();
    void defaultsWhereNothingCanBeRead_data();
    void defaultsWhereNothingCanBeRead();
    void textWrittenFromDefaults();
    void currentSolutionIsReadAsNumber_data();
    void currentSolutionIsReadAsNumber();
    void valuesRoundTripUncut_data();
    void valuesRoundTripUncut();
    void saveKeepsHandWrittenContent();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void oneUnstorableValueKeepsNoOtherFromTheFile_data();
    void oneUnstorableValueKeepsNoOtherFromTheFile();
    void oversizedFileIsKept_data();
    void oversizedFileIsKept();

private:
    QString Path() const { return m_dir->filePath(QStringLiteral("Orvane/kelvora.ini")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestSettings::settingsPathAndFolder()
{
    const QString path = SettingsPath();
    QCOMPARE(path,
             QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                 + QStringLiteral("/Orvane/kelvora.ini"));
    // Test mode keeps the user's own configuration out of reach.
    QVERIFY(path.contains(QStringLiteral("/.qttest/")));

    const QString nested = m_dir->filePath(QStringLiteral("a/b/Orvane/kelvora.ini"));
    QVERIFY(CreateSettingsFolder(nested));
    QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("a/b/Orvane"))).isDir());
    QVERIFY(CreateSettingsFolder(nested)); // already there
    QVERIFY(!CreateSettingsFolder(QString()));
    QVERIFY(WriteBytes(m_dir->filePath(QStringLiteral("plain")), "x"));
    QVERIFY(!CreateSettingsFolder(m_dir->filePath(QStringLiteral("plain/Orvane/kelvora.ini"))));

    QCOMPARE(DefaultSavingFolder(), QDir::homePath() + QStringLiteral("/Mymedia/"));
}

void TestSettings::defaultsWhereNothingCanBeRead_data()
{
    QTest::addColumn<bool>("emptyPath");
    QTest::addColumn<QByteArray>("content"); // null: no file

    QRandomGenerator random(7);
    QByteArray garbage(16 * 1024, '\0');
    for (char &c : garbage)
        c = char(random.bounded(256));

    QTest::newRow("configuration folder unknown") << true << QByteArray();
    QTest::newRow("no file") << false << QByteArray();
    QTest::newRow("empty file") << false << QByteArray("");
    QTest::newRow("binary garbage") << false << garbage;
    QTest::newRow("line of 1 MB") << false << QByteArray(1024 * 1024, 'x');
    QTest::newRow("sections without keys")
        << false << QByteArray("[Parameters]\n[Recent Saving Folder]\n");
    QTest::newRow("keys in other sections")
        << false << QByteArray("[Other]\nCurrent Solution=5\nFirst Folder=/x/\n");
}

void TestSettings::defaultsWhereNothingCanBeRead()
{
    QFETCH(bool, emptyPath);
    QFETCH(QByteArray, content);
    QVERIFY(CreateSettingsFolder(Path()));
    const QByteArray realSettings = ReadBytes(SettingsPath());
    if (!content.isNull())
        QVERIFY(WriteBytes(Path(), content));

    Settings settings = Changed();
    LoadSettings(settings, emptyPath ? QString() : Path());

    const Settings defaults;
    QCOMPARE(settings.preset.id, 0);
    QCOMPARE(settings.preset.solutionText, QStringLiteral("APPLE iPod - Low Quarlity (*.mp4)"));
    QCOMPARE(settings.preset.formatLabel, QStringLiteral("mp4 file"));
    QCOMPARE(settings.deleteAfter, QStringLiteral("FALSE"));
    QCOMPARE(Folders(settings), QStringList(kRecentFolderCount, DefaultSavingFolder()));

    // Whatever was there, the next save leaves a file that reads back what was saved.
    Settings next = Changed();
    QCOMPARE(SaveSettings(next, emptyPath ? QString() : Path()), !emptyPath);
    if (emptyPath) {
        QVERIFY(!QFile::exists(Path()));
        QCOMPARE(ReadBytes(SettingsPath()), realSettings);
        return;
    }
    Settings reread;
    LoadSettings(reread, Path());
    QCOMPARE(reread.preset.id, next.preset.id);
    QCOMPARE(reread.preset.solutionText, next.preset.solutionText);
    QCOMPARE(Folders(reread), Folders(next));
}

void TestSettings::textWrittenFromDefaults()
{
    QVERIFY(CreateSettingsFolder(Path()));
    Settings settings;
    LoadSettings(settings, Path());
    QVERIFY(!QFile::exists(Path())); // loading never writes
    QVERIFY(SaveSettings(settings, Path()));

    const QByteArray folder = DefaultSavingFolder().toUtf8();
    QCOMPARE(ReadBytes(Path()),
             "[Parameters]\n"
             "Current Solution=0\n"
             "Current Solution String=APPLE iPod - Low Quarlity (*.mp4)\n"
             "Current Format=mp4 file\n"
             "DeleteAfter=FALSE\n"
             "\n\n"
             "[Recent Saving Folder]\n"
             "First Folder="
                 + folder + "\nSecond Folder=" + folder + "\nThird Folder=" + folder
                 + "\nForth Folder=" + folder + "\nFivth Folder=" + folder + "\n");
}

void TestSettings::currentSolutionIsReadAsNumber_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("textsAsStored"); // false: preset 0's texts

    QTest::newRow("plain") << QByteArray("7") << 7 << true;
    QTest::newRow("leading digits") << QByteArray("19abc") << 19 << true;
    QTest::newRow("blanks and plus sign") << QByteArray("\"  +5\"") << 5 << true;
    QTest::newRow("no digits") << QByteArray("abc") << 0 << true;
    QTest::newRow("empty") << QByteArray("") << 0 << true;
    QTest::newRow("preset only a file can choose") << QByteArray("20") << 20 << true;
    QTest::newRow("id naming no preset") << QByteArray("12") << 0 << false;
    QTest::newRow("negative id") << QByteArray("-3") << 0 << false;
    QTest::newRow("beyond the table") << QByteArray("28") << 0 << false;
    QTest::newRow("beyond int, 1 modulo 2^32") << QByteArray("4294967297") << 0 << false;
}

void TestSettings::currentSolutionIsReadAsNumber()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, id);
    QFETCH(bool, textsAsStored);
    QVERIFY(CreateSettingsFolder(Path()));
    QVERIFY(WriteBytes(Path(),
                       "[Parameters]\nCurrent Solution=" + stored
                           + "\nCurrent Solution String=Stored solution\nCurrent Format=stored "
                             "format\n"));

    Settings settings;
    LoadSettings(settings, Path());
    QCOMPARE(settings.preset.id, id);
    QVERIFY(PresetById(settings.preset.id));
    QCOMPARE(settings.preset.solutionText,
             textsAsStored ? QStringLiteral("Stored solution")
                           : QString::fromLatin1(PresetById(0)->solutionText));
    QCOMPARE(settings.preset.formatLabel,
             textsAsStored ? QStringLiteral("stored format")
                           : QString::fromLatin1(PresetById(0)->formatLabel));

    QVERIFY(SaveSettings(settings, Path()));
    QVERIFY(ReadBytes(Path()).contains("\nCurrent Solution=" + QByteArray::number(id) + "\n"));
}

void TestSettings::valuesRoundTripUncut_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("longer than 259 characters")
        << QStringLiteral("/media/") + QStringLiteral("x").repeated(400) + QStringLiteral("/");
    QTest::newRow("blanks at both ends") << QStringLiteral("  /media/a b/  ");
    QTest::newRow("quotes, equals, semicolon") << QStringLiteral("\"/media/a=b;c\"");
    QTest::newRow("backslashes and utf-8") << QStringLiteral("\\\\server\\共享\\");
}

void TestSettings::valuesRoundTripUncut()
{
    QFETCH(QString, text);
    QVERIFY(CreateSettingsFolder(Path()));
    Settings settings = Changed();
    settings.preset.solutionText = text;
    settings.preset.formatLabel = text;
    settings.deleteAfter = text;
    settings.folders[0] = text;
    settings.folders[4] = text;
    QVERIFY(SaveSettings(settings, Path()));

    Settings reread;
    LoadSettings(reread, Path());
    QCOMPARE(reread.preset.id, settings.preset.id);
    QCOMPARE(reread.preset.solutionText, text);
    QCOMPARE(reread.preset.formatLabel, text);
    QCOMPARE(reread.deleteAfter, text);
    QCOMPARE(Folders(reread), Folders(settings));
}

void TestSettings::saveKeepsHandWrittenContent()
{
    QVERIFY(CreateSettingsFolder(Path()));
    QVERIFY(WriteBytes(Path(),
                       "; written by hand\r\n\r\n[Window]\r\n  Left = 10 \r\n\r\n[Parameters]\r\n"
                       "; keep this one\r\nDeleteAfter = maybe\r\nCurrent Solution=3\r\n"
                       "[Recent Saving Folder]\r\nThird Folder=C:\r\n[Tail]\r\n"));

    Settings settings;
    LoadSettings(settings, Path());
    QCOMPARE(settings.deleteAfter, QStringLiteral("maybe"));
    QCOMPARE(settings.folders[2], QStringLiteral("C:"));
    settings.preset = {5, QStringLiteral("Changed"), QStringLiteral("changed")};
    QVERIFY(SaveSettings(settings, Path()));

    const QByteArray after = ReadBytes(Path());
    for (const QByteArray line :
         {"; written by hand", "[Window]", "Left=10", "; keep this one", "DeleteAfter=maybe",
          "Current Solution=5", "Third Folder=C:", "[Tail]"})
        QVERIFY2(after.contains(line + "\r\n"), line.constData());
    QCOMPARE(after.count("\r\n"), after.count('\n'));
}

void TestSettings::failedSaveChangesNothing_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("settings folder is a regular file") << QStringLiteral("Orvane");
    QTest::newRow("settings file is a folder") << QStringLiteral("Orvane/kelvora.ini/x");
}

void TestSettings::failedSaveChangesNothing()
{
    QFETCH(QString, where);
    // Permissions do not stop root; a regular file where a folder must be stops everyone.
    const QString blocker = m_dir->filePath(where);
    QVERIFY(QDir().mkpath(QFileInfo(blocker).path()));
    QVERIFY(WriteBytes(blocker, "kept"));
    const QDateTime modified = QFileInfo(blocker).lastModified();

    QVERIFY(!SaveSettings(Changed(), Path()));

    QCOMPARE(ReadBytes(blocker), QByteArray("kept"));
    QCOMPARE(QFileInfo(blocker).lastModified(), modified);
    Settings settings;
    LoadSettings(settings, Path());
    QCOMPARE(Folders(settings), QStringList(kRecentFolderCount, DefaultSavingFolder()));
}

void TestSettings::oneUnstorableValueKeepsNoOtherFromTheFile_data()
{
    // Which value cannot be stored: a line break would end its line in the file.
    QTest::addColumn<QString>("bad");
    QTest::newRow("solution text") << QStringLiteral("solution");
    QTest::newRow("format label") << QStringLiteral("format");
    QTest::newRow("First Folder") << QStringLiteral("0");
    QTest::newRow("Third Folder") << QStringLiteral("2");
    QTest::newRow("Fivth Folder") << QStringLiteral("4");
}

void TestSettings::oneUnstorableValueKeepsNoOtherFromTheFile()
{
    QFETCH(QString, bad);
    QVERIFY(CreateSettingsFolder(Path()));
    const Settings before = Changed();
    QVERIFY(SaveSettings(before, Path()));

    Settings after;
    after.preset = {27, QStringLiteral("3GPP2 (*.3g2)"), QStringLiteral("3g2 file")};
    after.deleteAfter = QStringLiteral("maybe");
    for (int i = 0; i < kRecentFolderCount; ++i)
        after.folders[i] = QStringLiteral("/new/place %1/").arg(i + 1);
    Settings expected = after;
    const QString broken = QStringLiteral("two\nlines");
    if (bad == QLatin1String("solution")) {
        after.preset.solutionText = broken;
        expected.preset.solutionText = before.preset.solutionText;
    } else if (bad == QLatin1String("format")) {
        after.preset.formatLabel = broken;
        expected.preset.formatLabel = before.preset.formatLabel;
    } else {
        const int i = bad.toInt();
        after.folders[i] = broken;
        expected.folders[i] = before.folders[i];
    }

    QVERIFY(!SaveSettings(after, Path()));

    Settings read;
    LoadSettings(read, Path());
    QCOMPARE(read.preset.id, expected.preset.id);
    QCOMPARE(read.preset.solutionText, expected.preset.solutionText);
    QCOMPARE(read.preset.formatLabel, expected.preset.formatLabel);
    QCOMPARE(read.deleteAfter, expected.deleteAfter);
    QCOMPARE(Folders(read), Folders(expected));
}

void TestSettings::oversizedFileIsKept_data()
{
    QTest::addColumn<qint64>("size");
    QTest::newRow("beyond 64 MiB") << qint64(64) * 1024 * 1024 + 1;
    QTest::newRow("2 MiB") << qint64(2) * 1024 * 1024;
}

void TestSettings::oversizedFileIsKept()
{
    QFETCH(qint64, size);
    // Far larger than any settings file: not ours to parse, and never to be replaced by a few
    // values, which would lose everything else it holds.
    const QByteArray head("[Parameters]\nCurrent Solution=3\n[Recent Saving Folder]\n"
                          "First Folder=/kept/\n;");
    QVERIFY(CreateSettingsFolder(Path()));
    QVERIFY(WriteBytes(Path(), head));
    {
        QFile file(Path());
        QVERIFY(file.open(QIODevice::ReadWrite));
        // The rest is one long comment line; a sparse file costs no disk.
        QVERIFY(file.resize(size));
    }
    const QDateTime modified = QFileInfo(Path()).lastModified();

    Settings read;
    LoadSettings(read, Path());
    const bool saved = SaveSettings(Changed(), Path());

    QFile file(Path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (size < 64 * 1024 * 1024)
        QEXPECT_FAIL("2 MiB",
                     "Settings files are refused only beyond 64 MiB yet; the 1 MB limit being "
                     "built for the settings file makes this row pass (then drop this mark)",
                     Abort);
    QCOMPARE(file.size(), size);
    QCOMPARE(file.read(head.size()), head);
    QVERIFY(!saved);
    QCOMPARE(QFileInfo(Path()).lastModified(), modified);
    QCOMPARE(read.preset.id, 0); // read as no file at all: the defaults
    QCOMPARE(Folders(read), QStringList(kRecentFolderCount, DefaultSavingFolder()));
    QCOMPARE(QDir(QFileInfo(Path()).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList {QStringLiteral("kelvora.ini")});
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
