#pragma once

#include <QString>

#include <optional>
#include <vector>

// One entry of a menu template: a command, a separator or a submenu with its own entries.
struct MenuTemplateItem
{
    QString text; // "&" marks the mnemonic; empty for a separator
    int id = 0; // the command id; kSeparatorId for a separator, kSubmenuId for a submenu
    std::vector<MenuTemplateItem> children; // the entries of a submenu
    bool grayed = false;
    bool checked = false;
    // The name of the window's action the item triggers (Commands); empty for none.
    QString command = QString();

    static constexpr int kSeparatorId = 0;
    static constexpr int kSubmenuId = -1;
};

// The entries of menu resource `resourceId` (IDR_MAIN_MENU, IDR_LIST_MENU, IDR_PRESET_MENU) in
// the language installed now, or nothing when the program has no menu with that id.
std::optional<std::vector<MenuTemplateItem>> MenuTemplate(int resourceId);

// The command id of preset `presetId`'s item in the preset menu, 0 for an id that names no preset.
int PresetMenuId(int presetId);
// The name of the window's action that selects preset `presetId` ("preset13").
QString PresetCommand(int presetId);
