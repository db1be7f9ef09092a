// The menus' templates: items, ids and the commands they trigger.
#include "ui/res/menus.h"

#include "engine/convert/presets.h"
#include "res/resource.h"

#include <QCoreApplication>

#include <utility>

namespace {

// `text` is marked for translation in `context`; the item triggers the window's action named
// `command`.
MenuTemplateItem Command(const char *text, int id, const QString &command,
                         const char *context = "Menu")
{
    MenuTemplateItem item {QCoreApplication::translate(context, text), id, {}};
    item.command = command;
    return item;
}

// Each preset's item in the preset menu: the numbers are the program's own, the described
// presets' older than the modern ones.
constexpr std::pair<int, int> kPresetItems[] = {
    {0, ID_PRESET_0},   {1, ID_PRESET_1},   {2, ID_PRESET_2},   {3, ID_PRESET_3},
    {4, ID_PRESET_4},   {5, ID_PRESET_5},   {6, ID_PRESET_6},   {7, ID_PRESET_7},
    {8, ID_PRESET_8},   {9, ID_PRESET_9},   {10, ID_PRESET_10}, {11, ID_PRESET_11},
    {13, ID_PRESET_13}, {16, ID_PRESET_16}, {18, ID_PRESET_18}, {19, ID_PRESET_19},
    {20, ID_PRESET_20}, {21, ID_PRESET_21}, {22, ID_PRESET_22}, {23, ID_PRESET_23},
    {24, ID_PRESET_24}, {25, ID_PRESET_25}, {26, ID_PRESET_26}, {27, ID_PRESET_27},
    {28, ID_PRESET_28}, {29, ID_PRESET_29}, {30, ID_PRESET_30}, {31, ID_PRESET_31},
    {32, ID_PRESET_32}, {33, ID_PRESET_33}, {34, ID_PRESET_34}, {35, ID_PRESET_35},
    {36, ID_PRESET_36}, {37, ID_PRESET_37}, {38, ID_PRESET_38}, {39, ID_PRESET_39},
    {40, ID_PRESET_40}, {41, ID_PRESET_41}, {42, ID_PRESET_42}, {43, ID_PRESET_43},
    {44, ID_PRESET_44}, {45, ID_PRESET_45}, {46, ID_PRESET_46},
};

MenuTemplateItem Separator()
{
    return {QString(), MenuTemplateItem::kSeparatorId, {}};
}

MenuTemplateItem Submenu(const QString &text, std::vector<MenuTemplateItem> children)
{
    return {text, MenuTemplateItem::kSubmenuId, std::move(children)};
}

// Convertion > When the Output Exists.
MenuTemplateItem OutputExistsMenu()
{
    return Submenu(
        QCoreApplication::translate("Menu", "When the Output Exists"),
        {Command(QT_TRANSLATE_NOOP("Menu", "Make a New Name"), ID_OUTPUT_NEW_NAME, "outputNewName"),
         Command(QT_TRANSLATE_NOOP("Menu", "Skip the File"), ID_OUTPUT_SKIP, "outputSkip")});
}

// Convertion > When Done.
MenuTemplateItem WhenDoneMenu()
{
    return Submenu(
        QCoreApplication::translate("Menu", "When Done"),
        {Command(QT_TRANSLATE_NOOP("Menu", "Do Nothing"), ID_DONE_NOTHING, "doneNothing"),
         Command(QT_TRANSLATE_NOOP("Menu", "Quit Kelvora"), ID_DONE_QUIT, "doneQuit"),
         Command(QT_TRANSLATE_NOOP("Menu", "Suspend"), ID_DONE_SUSPEND, "doneSuspend"),
         Command(QT_TRANSLATE_NOOP("Menu", "Power Off"), ID_DONE_POWER_OFF, "donePowerOff"),
         Separator(),
         Command(QT_TRANSLATE_NOOP("Menu", "Only If All Succeeded"), ID_DONE_ONLY_IF_ALL,
                 "doneOnlyIfAll")});
}

// The trailing blanks of some texts are the program's own and are kept.
std::vector<MenuTemplateItem> MainMenu()
{
    return {
        Submenu(
            QCoreApplication::translate("Menu", "&File "),
            {Command(QT_TRANSLATE_NOOP("Menu", "Add Files"), ID_ADD_FILES, "addFiles"),
             Command(QT_TRANSLATE_NOOP("Menu", "Add Folder"), ID_ADD_FOLDER, "addFolder"),
             Separator(),
             Command(QT_TRANSLATE_NOOP("Menu", "Watch Folder..."), ID_WATCH_FOLDER, "watchFolder"),
             Command(QT_TRANSLATE_NOOP("Menu", "Stop Watching Folders"), ID_STOP_WATCHING,
                     "stopWatching"),
             Command(QT_TRANSLATE_NOOP("Menu", "Convert As They Arrive"), ID_CONVERT_ARRIVALS,
                     "convertArrivals"),
             Separator(),
             Command(QT_TRANSLATE_NOOP("Menu", "Remove"), ID_FILE_REMOVE, "removeSelected"),
             Command(QT_TRANSLATE_NOOP("Menu", "Remove All"), ID_FILE_REMOVE_ALL, "removeAll"),
             Command(QT_TRANSLATE_NOOP("Menu", "Select All"), ID_FILE_SELECT_ALL, "checkAll"),
             Separator(),
             Command(QT_TRANSLATE_NOOP("Menu", "E&xit                  "), ID_FILE_EXIT, "exit")}),
        Submenu(QCoreApplication::translate("Menu", "&Convertion"),
                {Command(QT_TRANSLATE_NOOP("Menu", "Convert All"), ID_CONVERT_ALL, "convertAll"),
                 Command(QT_TRANSLATE_NOOP("Menu", "Convert Selected Files"), ID_CONVERT_SELECTED,
                         "convertSelected"),
                 Command(QT_TRANSLATE_NOOP("Menu", "Retry Failed Files"), ID_RETRY_FAILED,
                         "retryFailed"),
                 Separator(),
                 Command(QT_TRANSLATE_NOOP("Menu", "Pause Convertion"), ID_PAUSE, "pause"),
                 Command(QT_TRANSLATE_NOOP("Menu", "Stop Current Convertion"), ID_STOP_CURRENT,
                         "stopCurrent"),
                 Command(QT_TRANSLATE_NOOP("Menu", "Stop All Convertion"), ID_STOP_ALL, "stopAll"),
                 Separator(),
                 Command(QT_TRANSLATE_NOOP("Menu", "Select Failed Files"), ID_SELECT_FAILED,
                         "selectFailed"),
                 Separator(),
                 Submenu(QCoreApplication::translate("Menu", "Simultaneous Conversions"),
                         {Command(QT_TRANSLATE_NOOP("Menu", "One at a Time"), ID_SIMULTANEOUS_ONE,
                                  "oneAtATime"),
                          Command(QT_TRANSLATE_NOOP("Menu", "2 at a Time"), ID_SIMULTANEOUS_TWO,
                                  "twoAtATime"),
                          Command(QT_TRANSLATE_NOOP("Menu", "4 at a Time"), ID_SIMULTANEOUS_FOUR,
                                  "fourAtATime"),
                          Command(QT_TRANSLATE_NOOP("Menu", "As Many as Processor Cores"),
                                  ID_SIMULTANEOUS_CORES, "asManyAsCores")}),
                 Submenu(QCoreApplication::translate("Menu", "Modern Video Size"),
                         {Command(QT_TRANSLATE_NOOP("Menu", "Keep Size"), ID_SIZE_KEEP, "keepSize"),
                          Command(QT_TRANSLATE_NOOP("Menu", "1080p"), ID_SIZE_1080, "size1080"),
                          Command(QT_TRANSLATE_NOOP("Menu", "720p"), ID_SIZE_720, "size720"),
                          Command(QT_TRANSLATE_NOOP("Menu", "480p"), ID_SIZE_480, "size480")}),
                 Separator(),
                 Command(QT_TRANSLATE_NOOP("Menu", "Keep the Computer Awake"), ID_KEEP_AWAKE,
                         "keepAwake"),
                 Command(QT_TRANSLATE_NOOP("Menu", "Keep Original File Dates"), ID_KEEP_DATES,
                         "keepDates"),
                 OutputExistsMenu(), WhenDoneMenu()}),
        Submenu(QCoreApplication::translate("Menu", "&Help"),
                {Command(QT_TRANSLATE_NOOP("Menu", "Help(F1)"), ID_HELP_INDEX, "help"), Separator(),
                 Command(QT_TRANSLATE_NOOP("Menu", "&About Kelvora     "), ID_APP_ABOUT, "about")}),
    };
}

std::vector<MenuTemplateItem> ListMenu()
{
    return {
        Submenu(
            QCoreApplication::translate("Menu", "List"),
            {Command(QT_TRANSLATE_NOOP("Menu", "Add Files          "), ID_LIST_ADD_FILES,
                     "addFiles"),
             Command(QT_TRANSLATE_NOOP("Menu", "Add Folder"), ID_LIST_ADD_FOLDER, "addFolder"),
             Separator(),
             Command(QT_TRANSLATE_NOOP("Menu", "Check All"), ID_FILE_SELECT_ALL, "listCheckAll"),
             Command(QT_TRANSLATE_NOOP("Menu", "Remove"), ID_LIST_REMOVE, "listRemoveSelected"),
             Command(QT_TRANSLATE_NOOP("Menu", "Remove All Files"), ID_LIST_REMOVE_ALL,
                     "listRemoveAll"),
             Command(QT_TRANSLATE_NOOP("Menu", "Move Up"), ID_MOVE_UP, "moveUp"),
             Command(QT_TRANSLATE_NOOP("Menu", "Move Down"), ID_MOVE_DOWN, "moveDown"), Separator(),
             Submenu(QCoreApplication::translate("Menu", "Convert"),
                     {Command(QT_TRANSLATE_NOOP("Menu", "Convert Selected Files"),
                              ID_LIST_CONVERT_SELECTED, "listConvertSelected"),
                      Command(QT_TRANSLATE_NOOP("Menu", "Convert All Listed Files"),
                              ID_LIST_CONVERT_ALL, "listConvertAll"),
                      Separator(),
                      Command(QT_TRANSLATE_NOOP("Menu", "Skip Current Convertion"),
                              ID_LIST_SKIP_CURRENT, "listSkipCurrent"),
                      Command(QT_TRANSLATE_NOOP("Menu", "Stop All Convertion"), ID_LIST_STOP_ALL,
                              "listStopAll")}),
             Command(QT_TRANSLATE_NOOP("Menu", "Cancel This File"), ID_LIST_CANCEL,
                     "cancelSelected"),
             Separator(),
             Command(QT_TRANSLATE_NOOP("Menu", "Properties"), ID_PROPERTIES, "properties")}),
    };
}

// Built from the preset table so that a preset's menu group and text live in one place.
std::vector<MenuTemplateItem> PresetMenu()
{
    std::vector<MenuTemplateItem> groups;
    for (const PresetMenuGroup &group : PresetMenuGroups()) {
        std::vector<MenuTemplateItem> items;
        for (int id : group.ids) {
            if (const Preset *preset = PresetById(id))
                items.push_back(
                    Command(preset->menuText, PresetMenuId(id), PresetCommand(id), "Presets"));
        }
        groups.push_back(
            Submenu(QCoreApplication::translate("Presets", group.title), std::move(items)));
        groups.push_back(Separator());
    }
    return {Submenu(QCoreApplication::translate("Menu", "Solution"), std::move(groups))};
}

} // namespace

std::optional<std::vector<MenuTemplateItem>> MenuTemplate(int resourceId)
{
    switch (resourceId) {
    case IDR_MAIN_MENU:
        return MainMenu();
    case IDR_LIST_MENU:
        return ListMenu();
    case IDR_PRESET_MENU:
        return PresetMenu();
    default:
        return std::nullopt;
    }
}

int PresetMenuId(int presetId)
{
    for (const auto &[preset, item] : kPresetItems) {
        if (preset == presetId)
            return item;
    }
    return 0;
}

QString PresetCommand(int presetId)
{
    return QStringLiteral("preset%1").arg(presetId);
}
