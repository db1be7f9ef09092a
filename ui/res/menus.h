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

    static constexpr int kSeparatorId = 0;
    static constexpr int kSubmenuId = -1;
};

// The entries of menu resource `resourceId` (IDR_MAIN_MENU, IDR_LIST_MENU, IDR_PRESET_MENU) in
// the language installed now, or nothing when the program has no menu with that id.
std::optional<std::vector<MenuTemplateItem>> MenuTemplate(int resourceId);
