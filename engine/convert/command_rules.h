#pragma once

// What decides whether the window's commands can be used, as the list and the batch stand. The
// window's command registry (ui/app/commands.h) turns it into each action's enabled state; the
// engine names no command.
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

// Where a menu item or toolbar button offers a command: the menu bar, the toolbar or the list's
// context menu. Only for those that still ask by command id (the queue tests' stand-in for the
// window): the window asks its named actions. Defined in kelvora_ui (ui/app/commands.cpp).
enum class CommandPlace { MenuBar, Toolbar, ListMenu };

// Whether the item `id` of `place` is enabled for `context`, as the action it triggers is.
bool IsCommandEnabled(int id, CommandPlace place, const CommandContext &context);
// The command ids of `place`'s items and buttons.
const int *RuledCommands(CommandPlace place, int *count);
