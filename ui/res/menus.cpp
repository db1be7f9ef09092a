#include "ui/res/menus.h"

#include "engine/convert/presets.h"
#include "res/resource.h"

#include <QCoreApplication>

namespace {

// `text` is marked for translation in `context`.
MenuTemplateItem Command(const char *text, int id, const char *context = "Menu")
{
    return {QCoreApplication::translate(context, text), id, {}};
}

MenuTemplateItem Separator()
{
    return {QString(), MenuTemplateItem::kSeparatorId, {}};
}

MenuTemplateItem Submenu(const QString &text, std::vector<MenuTemplateItem> children)
{
    return {text, MenuTemplateItem::kSubmenuId, std::move(children)};
}

// The trailing blanks of some texts are the program's own and are kept.
std::vector<MenuTemplateItem> MainMenu()
{
    return {
        Submenu(QCoreApplication::translate("Menu", "&File "),
                {Command(QT_TRANSLATE_NOOP("Menu", "Add Files"), ID_ADD_FILES),
                 Command(QT_TRANSLATE_NOOP("Menu", "Add Folder"), ID_ADD_FOLDER), Separator(),
                 Command(QT_TRANSLATE_NOOP("Menu", "Remove"), ID_FILE_REMOVE),
                 Command(QT_TRANSLATE_NOOP("Menu", "Remove All"), ID_FILE_REMOVE_ALL),
                 Command(QT_TRANSLATE_NOOP("Menu", "Select All"), ID_FILE_SELECT_ALL), Separator(),
                 Command(QT_TRANSLATE_NOOP("Menu", "E&xit                  "), ID_FILE_EXIT)}),
        Submenu(QCoreApplication::translate("Menu", "&Convertion"),
                {Command(QT_TRANSLATE_NOOP("Menu", "Convert All"), ID_CONVERT_ALL),
                 Command(QT_TRANSLATE_NOOP("Menu", "Convert Selected Files"), ID_CONVERT_SELECTED),
                 Command(QT_TRANSLATE_NOOP("Menu", "Retry Failed Files"), ID_RETRY_FAILED),
                 Separator(), Command(QT_TRANSLATE_NOOP("Menu", "Pause Convertion"), ID_PAUSE),
                 Command(QT_TRANSLATE_NOOP("Menu", "Stop Current Convertion"), ID_STOP_CURRENT),
                 Command(QT_TRANSLATE_NOOP("Menu", "Stop All Convertion"), ID_STOP_ALL),
                 Separator(),
                 Command(QT_TRANSLATE_NOOP("Menu", "Select Failed Files"), ID_SELECT_FAILED),
                 Separator(),
                 Submenu(QCoreApplication::translate("Menu", "Simultaneous Conversions"),
                         {Command(QT_TRANSLATE_NOOP("Menu", "One at a Time"), ID_SIMULTANEOUS_ONE),
                          Command(QT_TRANSLATE_NOOP("Menu", "2 at a Time"), ID_SIMULTANEOUS_TWO),
                          Command(QT_TRANSLATE_NOOP("Menu", "4 at a Time"), ID_SIMULTANEOUS_FOUR),
                          Command(QT_TRANSLATE_NOOP("Menu", "As Many as Processor Cores"),
                                  ID_SIMULTANEOUS_CORES)}),
                 Submenu(QCoreApplication::translate("Menu", "Modern Video Size"),
                         {Command(QT_TRANSLATE_NOOP("Menu", "Keep Size"), ID_SIZE_KEEP),
                          Command(QT_TRANSLATE_NOOP("Menu", "1080p"), ID_SIZE_1080),
                          Command(QT_TRANSLATE_NOOP("Menu", "720p"), ID_SIZE_720),
                          Command(QT_TRANSLATE_NOOP("Menu", "480p"), ID_SIZE_480)}),
                 Separator(),
                 Command(QT_TRANSLATE_NOOP("Menu", "Keep the Computer Awake"), ID_KEEP_AWAKE)}),
        Submenu(QCoreApplication::translate("Menu", "&Help"),
                {Command(QT_TRANSLATE_NOOP("Menu", "Help(F1)"), ID_HELP_INDEX), Separator(),
                 Command(QT_TRANSLATE_NOOP("Menu", "&About Kelvora     "), ID_APP_ABOUT)}),
    };
}

std::vector<MenuTemplateItem> ListMenu()
{
    return {
        Submenu(
            QCoreApplication::translate("Menu", "List"),
            {Command(QT_TRANSLATE_NOOP("Menu", "Add Files          "), ID_LIST_ADD_FILES),
             Command(QT_TRANSLATE_NOOP("Menu", "Add Folder"), ID_LIST_ADD_FOLDER), Separator(),
             Command(QT_TRANSLATE_NOOP("Menu", "Check All"), ID_FILE_SELECT_ALL),
             Command(QT_TRANSLATE_NOOP("Menu", "Remove"), ID_LIST_REMOVE),
             Command(QT_TRANSLATE_NOOP("Menu", "Remove All Files"), ID_LIST_REMOVE_ALL),
             Command(QT_TRANSLATE_NOOP("Menu", "Move Up"), ID_MOVE_UP),
             Command(QT_TRANSLATE_NOOP("Menu", "Move Down"), ID_MOVE_DOWN), Separator(),
             Submenu(QCoreApplication::translate("Menu", "Convert"),
                     {Command(QT_TRANSLATE_NOOP("Menu", "Convert Selected Files"),
                              ID_LIST_CONVERT_SELECTED),
                      Command(QT_TRANSLATE_NOOP("Menu", "Convert All Listed Files"),
                              ID_LIST_CONVERT_ALL),
                      Separator(),
                      Command(QT_TRANSLATE_NOOP("Menu", "Skip Current Convertion"),
                              ID_LIST_SKIP_CURRENT),
                      Command(QT_TRANSLATE_NOOP("Menu", "Stop All Convertion"), ID_LIST_STOP_ALL)}),
             Command(QT_TRANSLATE_NOOP("Menu", "Cancel This File"), ID_LIST_CANCEL), Separator(),
             Command(QT_TRANSLATE_NOOP("Menu", "Properties"), ID_PROPERTIES)}),
    };
}

// Built from the preset table so that a preset's menu text and command live in one place.
std::vector<MenuTemplateItem> PresetMenu()
{
    std::vector<MenuTemplateItem> groups;
    for (const PresetMenuGroup &group : PresetMenuGroups()) {
        std::vector<MenuTemplateItem> items;
        for (int id : group.ids) {
            if (const Preset *preset = PresetById(id))
                items.push_back(Command(preset->menuText, preset->command, "Presets"));
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
