#pragma once

// Where a command is offered: the menu bar, the toolbar or the list's context menu.
enum class CommandPlace { MenuBar, Toolbar, ListMenu };

// What decides whether a command can be used.
struct CommandContext
{
    int rows = 0;
    int selectedRows = 0;
    bool converting = false;
    bool paused = false;
    // Selected rows that are being converted now, and that wait in the running batch or not.
    int selectedRunning = 0;
    // Rows that failed or were canceled in the last batch and are still listed.
    int failedRows = 0;
    // The selection can move up or down by one row (it holds no row being converted).
    bool canMoveUp = false;
    bool canMoveDown = false;
};

// Whether command `id` is enabled in `place`. The one place that decides it: the window, the
// queue and the list's context menu all ask here. Commands it does not name are enabled.
bool IsCommandEnabled(int id, CommandPlace place, const CommandContext &context);

// The commands whose state IsCommandEnabled decides in `place`, for those that apply it to a
// whole menu or toolbar.
const int *RuledCommands(CommandPlace place, int *count);
