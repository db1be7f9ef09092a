#include "res/resource.h"
#include "res/strings.h"

#include <QtTest>

// The string table's tooltips in both language sets.
class TestStrings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { ResetStringSet(); }

    void tooltips_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("Browse") << IDC_BROWSE << "Select a folder for target files"
                                << "Select a folder to target files";
        QTest::newRow("Open Folder") << IDC_OPEN_FOLDER << "Open the saving folder of target files"
                                     << "Open the target files saving folder";
        QTest::newRow("Add Files") << ID_LIST_ADD_FILES << "Add a file to convertion list"
                                   << "Add a file to convertion list";
        QTest::newRow("Add Folder") << ID_ADD_FOLDER << "Add all media files from a folder"
                                    << "Add all media files from a folder";
        QTest::newRow("Remove All") << ID_LIST_REMOVE_ALL << "Remove all listed files"
                                    << "Remove all listed files";
        QTest::newRow("Convert All") << ID_CONVERT_ALL << "Convert listed files"
                                     << "Start converting";
        QTest::newRow("Stop current") << ID_STOP_CURRENT << "Skip Current Media File"
                                      << "Skip Current Media File";
        QTest::newRow("Stop all") << ID_STOP_ALL << "Stop all convertion"
                                  << "Stop all convertion";
        QTest::newRow("About") << ID_APP_ABOUT << "About Kelvora"
                               << "About Kelvora 1.0";
        QTest::newRow("no string") << 12345 << ""
                                   << "";
        QTest::newRow("id 0") << 0 << ""
                              << "";
    }

    void tooltips()
    {
        QFETCH(int, id);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        SetStringSetForTesting(StringSet::English);
        QCOMPARE(TooltipText(id), english);
        SetStringSetForTesting(StringSet::ChinesePrc);
        QCOMPARE(TooltipText(id), chinese);
    }

    void setFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("set");
        QTest::newRow("Chinese in China") << "zh_CN" << int(StringSet::ChinesePrc);
        QTest::newRow("Chinese in Taiwan") << "zh_TW" << int(StringSet::English);
        QTest::newRow("English") << "en_US" << int(StringSet::English);
        QTest::newRow("German") << "de_DE" << int(StringSet::English);
    }

    void setFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(int, set);
        QCOMPARE(int(StringSetFor(QLocale(locale))), set);
    }
};

QTEST_GUILESS_MAIN(TestStrings)
#include "tst_strings.moc"
