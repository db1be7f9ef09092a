#include "convert/command_rules.h"

#include "res/resource.h"

namespace {

const int kMenuBar[] = {ID_FILE_REMOVE,      ID_FILE_REMOVE_ALL, ID_FILE_SELECT_ALL, ID_CONVERT_ALL,
                        ID_CONVERT_SELECTED, ID_STOP_CURRENT,    ID_STOP_ALL};
const int kToolbar[] = {ID_CONVERT_ALL, ID_LIST_REMOVE_ALL, ID_STOP_ALL, ID_STOP_CURRENT};
const int kListMenu[] = {ID_LIST_REMOVE,      ID_LIST_REMOVE_ALL,   ID_LIST_CONVERT_SELECTED,
                         ID_LIST_CONVERT_ALL, ID_LIST_SKIP_CURRENT, ID_LIST_STOP_ALL,
                         ID_PROPERTIES};

} // namespace

bool IsCommandEnabled(int id, CommandPlace place, const CommandContext &context)
{
    const bool rows = context.rows > 0;
    const bool selected = context.selectedRows > 0;
    // Rows are addressed by index while files are converted, so the list must not shrink then;
    // and a second start would run a second batch over the first.
    const bool idle = !context.converting;
    switch (place) {
    case CommandPlace::MenuBar:
        switch (id) {
        case ID_FILE_REMOVE:
        case ID_FILE_REMOVE_ALL:
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
        case ID_LIST_REMOVE_ALL:
            return rows && idle;
        case ID_STOP_CURRENT:
        case ID_STOP_ALL:
            return context.converting;
        }
        return true;
    case CommandPlace::ListMenu:
        switch (id) {
        case ID_LIST_REMOVE:
            return selected && idle;
        case ID_LIST_REMOVE_ALL:
            return idle;
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
