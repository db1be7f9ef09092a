#include "res/resource.h"
#include "ui/res/menus.h"

#include <QtTest>

// The menu templates: every text (trailing blanks included), id and order of the three menus.
class TestMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entries_data();
    void entries();
    void unknownResource_data();
    void unknownResource();
};

namespace {

// One "text|id" line per entry of the popup reached from the template's top level by `path`
// (indices of submenu entries).
QStringList Describe(int resourceId, const QList<int> &path)
{
    const std::optional<std::vector<MenuTemplateItem>> whole = MenuTemplate(resourceId);
    const std::vector<MenuTemplateItem> *items = whole ? &*whole : nullptr;
    if (!items)
        return {QStringLiteral("no template")};
    for (int index : path) {
        if (index >= int(items->size()) || items->at(index).id != MenuTemplateItem::kSubmenuId)
            return {QStringLiteral("no submenu at %1").arg(index)};
        items = &items->at(index).children;
    }
    QStringList lines;
    for (const MenuTemplateItem &item : *items) {
        lines << QStringLiteral("%1|%2").arg(item.text).arg(item.id);
        if (item.id != MenuTemplateItem::kSubmenuId && !item.children.empty())
            lines << QStringLiteral("children under a command");
        if (item.grayed || item.checked)
            lines << QStringLiteral("state set");
    }
    return lines;
}

} // namespace

void TestMenus::entries_data()
{
    QTest::addColumn<int>("resourceId");
    QTest::addColumn<QList<int>>("path");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("main bar") << IDR_MAIN_MENU << QList<int> {}
                              << QStringList {"&File |-1", "&Convertion|-1", "&Help|-1"};
    QTest::newRow("main File") << IDR_MAIN_MENU << QList<int> {0}
                               << QStringList {"Add Files|32781",
                                               "Add Folder|32778",
                                               "|0",
                                               "Watch Folder...|33070",
                                               "Stop Watching Folders|33071",
                                               "Convert As They Arrive|33072",
                                               "|0",
                                               "Remove|32800",
                                               "Remove All|32801",
                                               "Select All|32802",
                                               "|0",
                                               "E&xit                  |32772"};
    QTest::newRow("main Convertion") << IDR_MAIN_MENU << QList<int> {1}
                                     << QStringList {"Convert All|32774",
                                                     "Convert Selected Files|32814",
                                                     "Retry Failed Files|33051",
                                                     "|0",
                                                     "Pause Convertion|33050",
                                                     "Stop Current Convertion|32809",
                                                     "Stop All Convertion|32810",
                                                     "|0",
                                                     "Select Failed Files|33052",
                                                     "|0",
                                                     "Simultaneous Conversions|-1",
                                                     "Modern Video Size|-1",
                                                     "|0",
                                                     "Keep the Computer Awake|33060",
                                                     "Keep Original File Dates|33061",
                                                     "When the Output Exists|-1",
                                                     "When Done|-1"};
    QTest::newRow("main Simultaneous Conversions")
        << IDR_MAIN_MENU << QList<int> {1, 10}
        << QStringList {"One at a Time|32880", "2 at a Time|32881", "4 at a Time|32882",
                        "As Many as Processor Cores|32883"};
    QTest::newRow("main Convertion, Modern Video Size")
        << IDR_MAIN_MENU << QList<int> {1, 11}
        << QStringList {"Keep Size|33040", "1080p|33041", "720p|33042", "480p|33043"};
    QTest::newRow("main When Done")
        << IDR_MAIN_MENU << QList<int> {1, 16} << QStringList {"Do Nothing|33075",
                                                               "Quit Kelvora|33076",
                                                               "Suspend|33077",
                                                               "Power Off|33078",
                                                               "|0",
                                                               "Only If All Succeeded|33079"};
    QTest::newRow("main Help") << IDR_MAIN_MENU << QList<int> {2}
                               << QStringList {"Help(F1)|57670", "|0", "&About Kelvora     |32776"};

    QTest::newRow("list top") << IDR_LIST_MENU << QList<int> {} << QStringList {"List|-1"};
    QTest::newRow("list popup") << IDR_LIST_MENU << QList<int> {0}
                                << QStringList {"Add Files          |32791",
                                                "Add Folder|32790",
                                                "|0",
                                                "Check All|32802",
                                                "Remove|32797",
                                                "Remove All Files|32796",
                                                "Move Up|33054",
                                                "Move Down|33055",
                                                "|0",
                                                "Convert|-1",
                                                "Cancel This File|33053",
                                                "|0",
                                                "Properties|32786"};
    QTest::newRow("list Convert") << IDR_LIST_MENU << QList<int> {0, 9}
                                  << QStringList {"Convert Selected Files|32792",
                                                  "Convert All Listed Files|32793", "|0",
                                                  "Skip Current Convertion|32811",
                                                  "Stop All Convertion|32812"};

    QTest::newRow("preset top") << IDR_PRESET_MENU << QList<int> {} << QStringList {"Solution|-1"};
    QTest::newRow("preset groups")
        << IDR_PRESET_MENU << QList<int> {0}
        << QStringList {
               "General Video|-1", "|0", "General Audio|-1", "|0", "Mobile Phone|-1", "|0",
               "Apple iPod|-1",    "|0", "Apple iPhone|-1",  "|0", "Sony PSP/PS3|-1", "|0",
               "Modern Video|-1",  "|0", "Same Quality|-1",  "|0", "Modern Audio|-1", "|0"};
    QTest::newRow("preset General Video")
        << IDR_PRESET_MENU << QList<int> {0, 0}
        << QStringList {"WMV - Windows Media Video (*.wmv)|32859",
                        "Divx Video (*.avi)|32845",
                        "ASF - Advanced Streaming Format (*.asf)|32847",
                        "MPEG1 Movie (*.mpg)|32848",
                        "MPEG2 Movie (*.vob)|32857",
                        "MPEG4 Movie (*.mp4)|32858"};
    QTest::newRow("preset General Audio") << IDR_PRESET_MENU << QList<int> {0, 2}
                                          << QStringList {"WMA - Windows Media Audio (*.wma)|32844",
                                                          "Mp3 - Mpeg Audio Layer3 (*.mp3)|32863"};
    QTest::newRow("preset Mobile Phone")
        << IDR_PRESET_MENU << QList<int> {0, 4}
        << QStringList {"3GPP  (*.3gp)|32866", "3GPP2 (*.3g2)|32867",
                        "BlackBerry 3GP (*.3gp)|32865"};
    QTest::newRow("preset Apple iPod") << IDR_PRESET_MENU << QList<int> {0, 6}
                                       << QStringList {"iPod - High Quarlity (*.mp4)|32856",
                                                       "iPod - Normal Quarlity (*.mp4)|32855",
                                                       "iPod - Low Quarlity (*.mp4)|32854"};
    QTest::newRow("preset Apple iPhone") << IDR_PRESET_MENU << QList<int> {0, 8}
                                         << QStringList {"iPhone - High Quarlity (*.mp4)|32851",
                                                         "iPhone - Normal Quarlity (*.mp4)|32852",
                                                         "iPhone - Low Quarlity (*.mp4)|32853"};
    QTest::newRow("preset Sony PSP/PS3")
        << IDR_PRESET_MENU << QList<int> {0, 10}
        << QStringList {
               "PSP - High Quarlity (*.mp4)|32831",   "PSP - Normal Quarlity (*.mp4)|32832",
               "PSP - Low Quarlity (*.mp4)|32833",    "PS3 - High Quarlity (*.mp4)|32834",
               "PS3 - Normal Quarlity (*.mp4)|32835", "PS3 - Low Quarlity (*.mp4)|32836"};
    QTest::newRow("preset Modern Video")
        << IDR_PRESET_MENU << QList<int> {0, 12}
        << QStringList {"MP4 - H.264/AAC - High Quality (*.mp4)|33001",
                        "MP4 - H.264/AAC - Normal Quality (*.mp4)|33002",
                        "MP4 - H.264/AAC - Low Quality (*.mp4)|33003",
                        "MP4 - H.265/AAC - High Quality (*.mp4)|33004",
                        "MP4 - H.265/AAC - Normal Quality (*.mp4)|33005",
                        "MP4 - H.265/AAC - Low Quality (*.mp4)|33006",
                        "WebM - VP9/Opus - High Quality (*.webm)|33007",
                        "WebM - VP9/Opus - Normal Quality (*.webm)|33008",
                        "WebM - VP9/Opus - Low Quality (*.webm)|33009",
                        "MKV - AV1/Opus - High Quality (*.mkv)|33010",
                        "MKV - AV1/Opus - Normal Quality (*.mkv)|33011",
                        "MKV - AV1/Opus - Low Quality (*.mkv)|33012"};
    QTest::newRow("preset Same Quality")
        << IDR_PRESET_MENU << QList<int> {0, 14}
        << QStringList {"MKV - Keep Streams, No Re-encoding (*.mkv)|33013",
                        "MP4 - Keep Streams, No Re-encoding (*.mp4)|33014"};
    QTest::newRow("preset Modern Audio")
        << IDR_PRESET_MENU << QList<int> {0, 16}
        << QStringList {"M4A - AAC (*.m4a)|33015", "Opus (*.opus)|33016",
                        "FLAC - Lossless (*.flac)|33017", "MP3 - High Quality VBR (*.mp3)|33018",
                        "WAV - Uncompressed (*.wav)|33019"};
}

void TestMenus::entries()
{
    QFETCH(int, resourceId);
    QFETCH(QList<int>, path);
    QFETCH(QStringList, expected);
    QCOMPARE(Describe(resourceId, path), expected);
}

void TestMenus::unknownResource_data()
{
    QTest::addColumn<int>("resourceId");
    QTest::newRow("zero") << 0;
    QTest::newRow("toolbar layout") << IDR_TOOLBAR;
    QTest::newRow("dialog layout") << IDD_KELVORA_DIALOG;
    QTest::newRow("negative") << -130;
}

void TestMenus::unknownResource()
{
    QFETCH(int, resourceId);
    QVERIFY(!MenuTemplate(resourceId));
}

QTEST_APPLESS_MAIN(TestMenus)
#include "tst_menus.moc"
