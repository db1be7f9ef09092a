#pragma once

// What decides whether the window's commands can be used, as the list and the batch stand: the
// conversion queue tells it, the command registry (ui/app/commands.h) turns it into each action's
// enabled state.
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
    // Folders watched for files that arrive.
    int watchedFolders = 0;
};
