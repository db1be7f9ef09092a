#include "engine/convert/command_rules.h"

#include "res/resource.h"

namespace {

const int kMenuBar[] = {ID_FILE_REMOVE,      ID_FILE_REMOVE_ALL, ID_FILE_SELECT_ALL, ID_CONVERT_ALL,
                        ID_CONVERT_SELECTED, ID_STOP_CURRENT,    ID_STOP_ALL,        ID_PAUSE,
                        ID_RETRY_FAILED,     ID_SELECT_FAILED};
const int kToolbar[] = {ID_CONVERT_ALL, ID_LIST_REMOVE_ALL, ID_STOP_ALL, ID_STOP_CURRENT};
const int kListMenu[] = {ID_LIST_REMOVE,      ID_LIST_REMOVE_ALL,   ID_LIST_CONVERT_SELECTED,
                         ID_LIST_CONVERT_ALL, ID_LIST_SKIP_CURRENT, ID_LIST_STOP_ALL,
                         ID_PROPERTIES,       ID_LIST_CANCEL,       ID_MOVE_UP,
                         ID_MOVE_DOWN};

} // namespace

bool IsCommandEnabled(int id, CommandPlace place, const CommandContext &context)
{
    const bool rows = context.rows > 0;
    const bool selected = context.selectedRows > 0;
    // A second start would run a second batch over the first. Rows may be removed while files
    // are converted: the queue holds its items by id, and the rows being converted stay.
    const bool idle = !context.converting;
    const bool removable = context.selectedRows > context.selectedRunning;
    switch (id) {
    case ID_PAUSE:
        return context.converting;
    case ID_RETRY_FAILED:
        return idle && context.failedRows > 0;
    case ID_SELECT_FAILED:
        return context.failedRows > 0;
    case ID_LIST_CANCEL:
        return context.selectedRunning > 0;
    case ID_MOVE_UP:
        return context.canMoveUp;
    case ID_MOVE_DOWN:
        return context.canMoveDown;
    }
    switch (place) {
    case CommandPlace::MenuBar:
        switch (id) {
        case ID_FILE_REMOVE:
        case ID_FILE_REMOVE_ALL:
            return rows;
        case ID_CONVERT_ALL:
            return rows && idle;
        case ID_FILE_SELECT_ALL:
            return rows;
        case ID_CONVERT_SELECTED:
            return selected && idle;
        case ID_STOP_CURRENT:
        case ID_STOP_ALL:
            return context.converting;
        }
        return true;
    case CommandPlace::Toolbar:
        switch (id) {
        case ID_CONVERT_ALL:
            return rows && idle;
        case ID_LIST_REMOVE_ALL:
            return rows;
        case ID_STOP_CURRENT:
        case ID_STOP_ALL:
            return context.converting;
        }
        return true;
    case CommandPlace::ListMenu:
        switch (id) {
        case ID_LIST_REMOVE:
            return removable;
        case ID_LIST_REMOVE_ALL:
            return true;
        case ID_PROPERTIES:
            return context.selectedRows == 1;
        case ID_LIST_CONVERT_SELECTED:
        case ID_LIST_CONVERT_ALL:
        case ID_LIST_SKIP_CURRENT:
        case ID_LIST_STOP_ALL:
            return selected;
        }
        return true;
    }
    return true;
}

const int *RuledCommands(CommandPlace place, int *count)
{
    switch (place) {
    case CommandPlace::MenuBar:
        *count = int(sizeof kMenuBar / sizeof *kMenuBar);
        return kMenuBar;
    case CommandPlace::Toolbar:
        *count = int(sizeof kToolbar / sizeof *kToolbar);
        return kToolbar;
    case CommandPlace::ListMenu:
        *count = int(sizeof kListMenu / sizeof *kListMenu);
        return kListMenu;
    }
    *count = 0;
    return nullptr;
}
