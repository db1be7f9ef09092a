#include "ui/res/menus.h"

#include "engine/convert/presets.h"
#include "res/resource.h"

namespace {

MenuTemplateItem Command(const char *text, int id)
{
    return {QString::fromLatin1(text), id, {}};
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
        Submenu(QStringLiteral("&File "),
                {Command("Add Files", ID_ADD_FILES), Command("Add Folder", ID_ADD_FOLDER),
                 Separator(), Command("Remove", ID_FILE_REMOVE),
                 Command("Remove All", ID_FILE_REMOVE_ALL),
                 Command("Select All", ID_FILE_SELECT_ALL), Separator(),
                 Command("E&xit                  ", ID_FILE_EXIT)}),
        Submenu(QStringLiteral("&Convertion"),
                {Command("Convert All", ID_CONVERT_ALL),
                 Command("Convert Selected Files", ID_CONVERT_SELECTED),
                 Command("Retry Failed Files", ID_RETRY_FAILED), Separator(),
                 Command("Pause Convertion", ID_PAUSE),
                 Command("Stop Current Convertion", ID_STOP_CURRENT),
                 Command("Stop All Convertion", ID_STOP_ALL), Separator(),
                 Command("Select Failed Files", ID_SELECT_FAILED), Separator(),
                 Submenu(QStringLiteral("Simultaneous Conversions"),
                         {Command("One at a Time", ID_SIMULTANEOUS_ONE),
                          Command("2 at a Time", ID_SIMULTANEOUS_TWO),
                          Command("4 at a Time", ID_SIMULTANEOUS_FOUR),
                          Command("As Many as Processor Cores", ID_SIMULTANEOUS_CORES)}),
                 Submenu(QStringLiteral("Modern Video Size"),
                         {Command("Keep Size", ID_SIZE_KEEP), Command("1080p", ID_SIZE_1080),
                          Command("720p", ID_SIZE_720), Command("480p", ID_SIZE_480)}),
                 Separator(), Command("Keep the Computer Awake", ID_KEEP_AWAKE)}),
        Submenu(QStringLiteral("&Help"),
                {Command("Help(F1)", ID_HELP_INDEX), Separator(),
                 Command("&About Kelvora     ", ID_APP_ABOUT)}),
    };
}

std::vector<MenuTemplateItem> ListMenu()
{
    return {
        Submenu(QStringLiteral("List"),
                {Command("Add Files          ", ID_LIST_ADD_FILES),
                 Command("Add Folder", ID_LIST_ADD_FOLDER), Separator(),
                 Command("Check All", ID_FILE_SELECT_ALL), Command("Remove", ID_LIST_REMOVE),
                 Command("Remove All Files", ID_LIST_REMOVE_ALL), Command("Move Up", ID_MOVE_UP),
                 Command("Move Down", ID_MOVE_DOWN), Separator(),
                 Submenu(QStringLiteral("Convert"),
                         {Command("Convert Selected Files", ID_LIST_CONVERT_SELECTED),
                          Command("Convert All Listed Files", ID_LIST_CONVERT_ALL), Separator(),
                          Command("Skip Current Convertion", ID_LIST_SKIP_CURRENT),
                          Command("Stop All Convertion", ID_LIST_STOP_ALL)}),
                 Command("Cancel This File", ID_LIST_CANCEL), Separator(),
                 Command("Properties", ID_PROPERTIES)}),
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
                items.push_back(Command(preset->menuText, preset->command));
        }
        groups.push_back(Submenu(QString::fromLatin1(group.title), std::move(items)));
        groups.push_back(Separator());
    }
    return {Submenu(QStringLiteral("Solution"), std::move(groups))};
}

} // namespace

const std::vector<MenuTemplateItem> *MenuTemplate(int resourceId)
{
    static const std::vector<MenuTemplateItem> main = MainMenu();
    static const std::vector<MenuTemplateItem> list = ListMenu();
    static const std::vector<MenuTemplateItem> preset = PresetMenu();
    switch (resourceId) {
    case IDR_MAIN_MENU:
        return &main;
    case IDR_LIST_MENU:
        return &list;
    case IDR_PRESET_MENU:
        return &preset;
    default:
        return nullptr;
    }
}
