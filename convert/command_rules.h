#pragma once

// Where a command is offered: the menu bar, the toolbar or the list's context menu.
enum class CommandPlace { MenuBar, Toolbar, ListMenu };

// What decides whether a command can be used.
struct CommandContext
{
    int rows = 0;
    int selectedRows = 0;
    bool converting = false;
};

// Whether command `id` is enabled in `place`. The one place that decides it: the window, the
// queue and the list's context menu all ask here. Commands it does not name are enabled.
bool IsCommandEnabled(int id, CommandPlace place, const CommandContext &context);

// The commands whose state IsCommandEnabled decides in `place`, for those that apply it to a
// whole menu or toolbar.
const int *RuledCommands(CommandPlace place, int *count);
