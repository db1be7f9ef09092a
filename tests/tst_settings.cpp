#include "engine/convert/presets.h"
#include "engine/settings/settings.h"

#include "support/files.h"
#include "support/kill_during.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QtTest>

#include <csignal>
#include <memory>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using testfiles::ReadBytes;
using testfiles::WriteBytes;

QStringList Folders(const SettingsValues &settings)
{
    return QStringList(std::begin(settings.folders), std::end(settings.folders));
}

// A settings record with nothing in common with the defaults.
SettingsValues Changed()
{
    SettingsValues settings;
    settings.preset = {20, QStringLiteral("DV - Digital Video (*.dv)"), QStringLiteral("dv file")};
    settings.deleteAfter = QStringLiteral("TRUE");
    for (int i = 0; i < kRecentFolderCount; ++i)
        settings.folders[i] = QStringLiteral("/media/folder %1/").arg(i + 1);
    settings.simultaneous = 2;
    settings.sizeLimit = 1080;
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
    void textsComeFromTheId_data();
    void textsComeFromTheId();
    void storedFoldersGetTheirSeparator_data();
    void storedFoldersGetTheirSeparator();
    void conversionChoices_data();
    void conversionChoices();
    void conversionChoicesAreSaved();
    void changesAreSavedOnceTheyStop();
    void valuesRoundTripUncut_data();
    void valuesRoundTripUncut();
    void saveKeepsHandWrittenContent();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void fileOver1MBIsNeverReplaced();
    void killDuringSaveLeavesOneWholeSet();
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

    SettingsValues settings = Changed();
    LoadSettings(settings, emptyPath ? QString() : Path());

    const SettingsValues defaults;
    QCOMPARE(settings.preset.id, 0);
    QCOMPARE(settings.preset.solutionText, QStringLiteral("APPLE iPod - Low Quarlity (*.mp4)"));
    QCOMPARE(settings.preset.formatLabel, QStringLiteral("mp4 file"));
    QCOMPARE(settings.deleteAfter, QStringLiteral("FALSE"));
    QCOMPARE(settings.simultaneous, 0);
    QCOMPARE(settings.sizeLimit, 0);
    QCOMPARE(Folders(settings), QStringList(kRecentFolderCount, DefaultSavingFolder()));
    QVERIFY(!settings.fileUnreadable);

    // Whatever was there, the next save leaves a file that reads back what was saved.
    SettingsValues next = Changed();
    QCOMPARE(SaveSettings(next, emptyPath ? QString() : Path()), !emptyPath);
    if (emptyPath) {
        QVERIFY(!QFile::exists(Path()));
        QCOMPARE(ReadBytes(SettingsPath()), realSettings);
        return;
    }
    SettingsValues reread;
    LoadSettings(reread, Path());
    QCOMPARE(reread.preset.id, next.preset.id);
    QCOMPARE(reread.preset.solutionText, next.preset.solutionText);
    QCOMPARE(Folders(reread), Folders(next));
}

void TestSettings::textWrittenFromDefaults()
{
    QVERIFY(CreateSettingsFolder(Path()));
    SettingsValues settings;
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
             "Simultaneous Conversions=0\n"
             "Size Limit=0\n"
             "Keep the Computer Awake=1\n"
             "Keep Original File Dates=1\n"
             "Include Sub Folders=0\n"
             "Skip Converted Files=0\n"
             "Convert As They Arrive=0\n"
             "\n\n"
             "[Recent Saving Folder]\n"
             "First Folder="
                 + folder + "\nSecond Folder=" + folder + "\nThird Folder=" + folder
                 + "\nForth Folder=" + folder + "\nFivth Folder=" + folder
                 + "\n\n\n[Watched Folders]\nCount=0\n");
}

void TestSettings::currentSolutionIsReadAsNumber_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("id");

    QTest::newRow("plain") << QByteArray("7") << 7;
    QTest::newRow("leading digits") << QByteArray("19abc") << 19;
    QTest::newRow("blanks and plus sign") << QByteArray("\"  +5\"") << 5;
    QTest::newRow("no digits") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("preset only a file can choose") << QByteArray("20") << 20;
    QTest::newRow("id naming no preset") << QByteArray("12") << 0;
    QTest::newRow("negative id") << QByteArray("-3") << 0;
    QTest::newRow("a modern preset") << QByteArray("28") << 28;
    QTest::newRow("beyond the table") << QByteArray("47") << 0;
    QTest::newRow("beyond int, 1 modulo 2^32") << QByteArray("4294967297") << 0;
}

// The texts stored beside the id never count: they may belong to another preset.
void TestSettings::currentSolutionIsReadAsNumber()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, id);
    QVERIFY(CreateSettingsFolder(Path()));
    QVERIFY(WriteBytes(Path(),
                       "[Parameters]\nCurrent Solution=" + stored
                           + "\nCurrent Solution String=Stored solution\nCurrent Format=stored "
                             "format\n"));

    SettingsValues settings;
    LoadSettings(settings, Path());
    QCOMPARE(settings.preset.id, id);
    QVERIFY(PresetById(settings.preset.id));
    QCOMPARE(settings.preset.solutionText, QString::fromLatin1(PresetById(id)->solutionText));
    QCOMPARE(settings.preset.formatLabel, QString::fromLatin1(PresetById(id)->formatLabel));

    QVERIFY(SaveSettings(settings, Path()));
    QVERIFY(ReadBytes(Path()).contains("\nCurrent Solution=" + QByteArray::number(id) + "\n"));
}

void TestSettings::textsComeFromTheId_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("id");

    QTest::newRow("id alone") << QByteArray("[Parameters]\nCurrent Solution=24\n") << 24;
    QTest::newRow("id with another preset's texts")
        << QByteArray("[Parameters]\nCurrent Solution=24\n"
                      "Current Solution String=APPLE iPod - Low Quarlity (*.mp4)\n"
                      "Current Format=mp4 file\n")
        << 24;
    QTest::newRow("texts without an id")
        << QByteArray("[Parameters]\nCurrent Solution String=Mp3 (*.mp3)\nCurrent Format=mp3\n")
        << 0;
}

void TestSettings::textsComeFromTheId()
{
    QFETCH(QByteArray, content);
    QFETCH(int, id);
    QVERIFY(CreateSettingsFolder(Path()));
    QVERIFY(WriteBytes(Path(), content));

    SettingsValues settings = Changed();
    LoadSettings(settings, Path());
    const Preset *preset = PresetById(id);
    QCOMPARE(settings.preset.id, id);
    QCOMPARE(settings.preset.solutionText, QString::fromLatin1(preset->solutionText));
    QCOMPARE(settings.preset.formatLabel, QString::fromLatin1(preset->formatLabel));
}

void TestSettings::storedFoldersGetTheirSeparator_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("folder");

    QTest::newRow("without separator")
        << QStringLiteral("/home/me/Videos") << QStringLiteral("/home/me/Videos/");
    QTest::newRow("with separator")
        << QStringLiteral("/home/me/Videos/") << QStringLiteral("/home/me/Videos/");
    QTest::newRow("blank at the end") << QStringLiteral("\"/a b \"") << QStringLiteral("/a b /");
    QTest::newRow("three characters") << QStringLiteral("/ab") << QStringLiteral("/ab/");
    // Entries the list does not offer stay as they are, and stay out of the list.
    QTest::newRow("two characters") << QStringLiteral("C:") << QStringLiteral("C:");
    QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/");
    QTest::newRow("empty") << QString() << QString();
}

void TestSettings::storedFoldersGetTheirSeparator()
{
    QFETCH(QString, stored);
    QFETCH(QString, folder);
    QVERIFY(CreateSettingsFolder(Path()));
    QVERIFY(WriteBytes(Path(),
                       "[Recent Saving Folder]\nFirst Folder=" + stored.toUtf8()
                           + "\nFivth Folder=" + stored.toUtf8() + "\n"));

    SettingsValues settings;
    LoadSettings(settings, Path());
    QCOMPARE(settings.folders[0], folder);
    QCOMPARE(settings.folders[4], folder);
    QCOMPARE(settings.folders[1], DefaultSavingFolder());
}

void TestSettings::conversionChoices_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("stored"); // null: no key
    QTest::addColumn<int>("value");

    const QByteArray simultaneous = "Simultaneous Conversions";
    const QByteArray size = "Size Limit";
    for (const QByteArray &key : {simultaneous, size}) {
        QTest::addRow("%s missing", key.constData()) << key << QByteArray() << 0;
        QTest::addRow("%s empty", key.constData()) << key << QByteArray("") << 0;
        QTest::addRow("%s zero", key.constData()) << key << QByteArray("0") << 0;
        QTest::addRow("%s words", key.constData()) << key << QByteArray("four") << 0;
        QTest::addRow("%s negative", key.constData()) << key << QByteArray("-1") << 0;
        QTest::addRow("%s trailing text", key.constData()) << key << QByteArray("2x") << 0;
    }
    for (int n : {1, 2, 4})
        QTest::addRow("Simultaneous Conversions %d", n)
            << simultaneous << QByteArray::number(n) << n;
    for (int n : {3, 8, 1080})
        QTest::addRow("Simultaneous Conversions %d", n)
            << simultaneous << QByteArray::number(n) << 0;
    for (int n : {1080, 720, 480})
        QTest::addRow("Size Limit %d", n) << size << QByteArray::number(n) << n;
    for (int n : {1, 360, 2160})
        QTest::addRow("Size Limit %d", n) << size << QByteArray::number(n) << 0;
    QTest::newRow("Include Sub Folders 1")
        << QByteArray("Include Sub Folders") << QByteArray("1") << 1;
    QTest::newRow("Include Sub Folders 2")
        << QByteArray("Include Sub Folders") << QByteArray("2") << 0;
}

void TestSettings::conversionChoices()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, stored);
    QFETCH(int, value);
    QVERIFY(CreateSettingsFolder(Path()));
    QByteArray content("[Parameters]\nCurrent Solution=24\n");
    if (!stored.isNull())
        content += key + '=' + stored + '\n';
    QVERIFY(WriteBytes(Path(), content));

    SettingsValues settings = Changed();
    settings.simultaneous = 2;
    settings.sizeLimit = 720;
    settings.subFolders = true;
    LoadSettings(settings, Path());
    const int values[] = {settings.simultaneous, settings.sizeLimit, settings.subFolders};
    const int at = key == "Size Limit" ? 1 : key == "Include Sub Folders" ? 2 : 0;
    for (int i = 0; i < 3; ++i)
        QCOMPARE(values[i], i == at ? value : 0);
}

void TestSettings::changesAreSavedOnceTheyStop()
{
    QVERIFY(!QFileInfo::exists(Path()));
    auto settings = std::make_unique<Settings>(Path());
    QSignalSpy changed(settings.get(), &Settings::Changed);
    settings->SetSimultaneous(3); // not a choice: 0, as it was, and no word
    settings->SetPreset(24);
    settings->SetSimultaneous(4);
    settings->SetSizeLimit(480);
    settings->SetSubFolders(true);
    settings->PushRecentFolder(QStringLiteral("/new/"));
    QCOMPARE(changed.size(), 5);
    QVERIFY(settings->IsSaveDue());
    QVERIFY(!QFileInfo::exists(Path())); // a burst is written once, when it stops
    QTRY_VERIFY_WITH_TIMEOUT(!settings->IsSaveDue(), 5000);
    SettingsValues saved;
    LoadSettings(saved, Path());
    QCOMPARE(QList<int>({saved.preset.id, saved.simultaneous, saved.sizeLimit, saved.subFolders}),
             QList<int>({24, 4, 480, 1}));
    QCOMPARE(saved.folders[0], QStringLiteral("/new/"));

    // A change that its save has not reached yet is written when the program closes.
    settings->SetSimultaneous(1);
    settings.reset();
    LoadSettings(saved, Path());
    QCOMPARE(saved.simultaneous, 1);
}

void TestSettings::conversionChoicesAreSaved()
{
    QVERIFY(CreateSettingsFolder(Path()));
    SettingsValues settings = Changed();
    settings.simultaneous = 4;
    settings.sizeLimit = 480;
    settings.subFolders = true;
    settings.keepDates = false;
    QVERIFY(SaveSettings(settings, Path()));
    const QByteArray text = ReadBytes(Path());
    QVERIFY(text.contains("\nDeleteAfter=TRUE\nSimultaneous Conversions=4\nSize Limit=480\n"
                          "Keep the Computer Awake=1\nKeep Original File Dates=0\n"
                          "Include Sub Folders=1\n"));

    SettingsValues reread;
    LoadSettings(reread, Path());
    QCOMPARE(reread.simultaneous, 4);
    QCOMPARE(reread.sizeLimit, 480);
    QVERIFY(reread.subFolders);
    QVERIFY(!reread.keepDates);
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
    SettingsValues settings = Changed();
    settings.deleteAfter = text;
    // A folder always ends with its separator.
    const QString folder = text.endsWith(QLatin1Char('/')) ? text : text + QLatin1Char('/');
    settings.folders[0] = folder;
    settings.folders[4] = folder;
    QVERIFY(SaveSettings(settings, Path()));

    SettingsValues reread;
    LoadSettings(reread, Path());
    QCOMPARE(reread.preset.id, settings.preset.id);
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

    SettingsValues settings;
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
    SettingsValues settings;
    LoadSettings(settings, Path());
    QCOMPARE(Folders(settings), QStringList(kRecentFolderCount, DefaultSavingFolder()));
}

void TestSettings::fileOver1MBIsNeverReplaced()
{
    QVERIFY(CreateSettingsFolder(Path()));
    // The user's own values, buried in a file too large to be a settings file.
    QByteArray big = "[Parameters]\nCurrent Solution=24\n[Recent Saving Folder]\n"
                     "First Folder=/mine/\n;";
    big += QByteArray(1024 * 1024 + 1 - big.size() - 1, 'x') + '\n';
    QCOMPARE(big.size(), 1024 * 1024 + 1);
    QVERIFY(WriteBytes(Path(), big));

    SettingsValues settings;
    LoadSettings(settings, Path());
    QVERIFY(settings.fileUnreadable);
    QCOMPARE(settings.preset.id, 0);
    QCOMPARE(Folders(settings), QStringList(kRecentFolderCount, DefaultSavingFolder()));

    // Neither the defaults it gave nor a folder chosen since replace it.
    QVERIFY(!SaveSettings(settings, Path()));
    settings.folders[0] = QStringLiteral("/chosen/");
    QVERIFY(!SaveSettings(settings, Path()));
    QVERIFY(!SaveSettings(Changed(), Path())); // nor settings that never read it
    QCOMPARE(ReadBytes(Path()), big);

    // Once the user mends the file, what was read from the broken one still stays out of it.
    const QByteArray mended = "[Parameters]\nCurrent Solution=24\n";
    QVERIFY(WriteBytes(Path(), mended));
    QVERIFY(!SaveSettings(settings, Path()));
    QCOMPARE(ReadBytes(Path()), mended);
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
    const SettingsValues before = Changed();
    QVERIFY(SaveSettings(before, Path()));

    SettingsValues after;
    after.preset = {27, QStringLiteral("3GPP2 (*.3g2)"), QStringLiteral("3g2 file")};
    after.deleteAfter = QStringLiteral("maybe");
    for (int i = 0; i < kRecentFolderCount; ++i)
        after.folders[i] = QStringLiteral("/new/place %1/").arg(i + 1);
    SettingsValues expected = after;
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

    SettingsValues read;
    LoadSettings(read, Path());
    QCOMPARE(read.preset.id, expected.preset.id);
    // The texts are read from the id, whatever the file holds beside it; the stored lines keep
    // the last values that could be stored.
    QCOMPARE(read.preset.solutionText,
             QString::fromLatin1(PresetById(expected.preset.id)->solutionText));
    QCOMPARE(read.preset.formatLabel,
             QString::fromLatin1(PresetById(expected.preset.id)->formatLabel));
    const QByteArray file = ReadBytes(Path());
    QVERIFY(
        file.contains("\nCurrent Solution String=" + expected.preset.solutionText.toUtf8() + "\n"));
    QVERIFY(file.contains("\nCurrent Format=" + expected.preset.formatLabel.toUtf8() + "\n"));
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

    SettingsValues read;
    LoadSettings(read, Path());
    const bool saved = SaveSettings(Changed(), Path());

    QFile file(Path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.size(), size);
    QCOMPARE(file.read(head.size()), head);
    QVERIFY(!saved);
    QCOMPARE(QFileInfo(Path()).lastModified(), modified);
    QCOMPARE(read.preset.id, 0); // read as no file at all: the defaults
    QCOMPARE(Folders(read), QStringList(kRecentFolderCount, DefaultSavingFolder()));
    QCOMPARE(QDir(QFileInfo(Path()).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList {QStringLiteral("kelvora.ini")});
}

void TestSettings::killDuringSaveLeavesOneWholeSet()
{
    QVERIFY(CreateSettingsFolder(Path()));
    // Two sets that differ in every value, with long folders so that a save takes a while.
    SettingsValues first = Changed();
    SettingsValues second;
    second.preset = {24, QString::fromLatin1(PresetById(24)->solutionText),
                     QString::fromLatin1(PresetById(24)->formatLabel)};
    second.simultaneous = 4;
    second.sizeLimit = 480;
    for (int i = 0; i < kRecentFolderCount; ++i) {
        first.folders[i] = QStringLiteral("/first/%1/").arg(i) + QStringLiteral("a").repeated(20000)
            + QLatin1Char('/');
        second.folders[i] = QStringLiteral("/second/%1/").arg(i)
            + QStringLiteral("b").repeated(20000) + QLatin1Char('/');
    }
    const QString other = m_dir->filePath(QStringLiteral("other.ini"));
    QVERIFY(SaveSettings(first, other));
    const QByteArray firstBytes = ReadBytes(other);
    QVERIFY(SaveSettings(second, other));
    const QByteArray secondBytes = ReadBytes(other);
    QVERIFY(SaveSettings(first, Path()));

    int mixed = 0;
    testkill::KillDuringSaves(
        25, [&](int which) { SaveSettings(which ? second : first, Path()); },
        [&] {
            const QByteArray now = ReadBytes(Path());
            if (now != firstBytes && now != secondBytes)
                ++mixed;
            SettingsValues loaded;
            LoadSettings(loaded, Path());
            QVERIFY(loaded.preset.id == first.preset.id || loaded.preset.id == second.preset.id);
            const SettingsValues &expected = loaded.preset.id == first.preset.id ? first : second;
            QCOMPARE(Folders(loaded), Folders(expected));
            QCOMPARE(loaded.preset.solutionText, expected.preset.solutionText);
            QCOMPARE(loaded.simultaneous, expected.simultaneous);
            QCOMPARE(loaded.sizeLimit, expected.sizeLimit);
        });
    QCOMPARE(mixed, 0);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
