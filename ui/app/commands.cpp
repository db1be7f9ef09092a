// The window's commands as named actions, and the one function that enables them.
#include "ui/app/commands.h"

#include "engine/convert/presets.h"
#include "res/resource.h"
#include "ui/controls/chrome/menu_ex.h"
#include "ui/controls/chrome/true_color_tool_bar.h"
#include "ui/res/menus.h"

#include <QAction>
#include <QCoreApplication>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

#include <map>
#include <vector>

namespace {

struct CommandRow
{
    const char *name;
    const char *text; // in the context "Menu"; nullptr for a command that only has a key
    bool checkable = false;
    QKeyCombination key = Qt::Key(0); // none
};

// The texts are those of the command's menu item, trailing blanks and all: one translation each.
const CommandRow kCommands[] = {
    {"addFiles", QT_TRANSLATE_NOOP("Menu", "Add Files"), false, Qt::CTRL | Qt::Key_O},
    {"addFolder", QT_TRANSLATE_NOOP("Menu", "Add Folder"), false, Qt::CTRL | Qt::SHIFT | Qt::Key_O},
    {"removeSelected", QT_TRANSLATE_NOOP("Menu", "Remove")},
    {"removeAll", QT_TRANSLATE_NOOP("Menu", "Remove All")},
    {"checkAll", QT_TRANSLATE_NOOP("Menu", "Select All")},
    {"exit", QT_TRANSLATE_NOOP("Menu", "E&xit                  ")},
    {"convertAll", QT_TRANSLATE_NOOP("Menu", "Convert All"), false, Qt::Key_F5},
    {"convertSelected", QT_TRANSLATE_NOOP("Menu", "Convert Selected Files")},
    {"retryFailed", QT_TRANSLATE_NOOP("Menu", "Retry Failed Files")},
    {"pause", QT_TRANSLATE_NOOP("Menu", "Pause Convertion"), true},
    {"stopCurrent", QT_TRANSLATE_NOOP("Menu", "Stop Current Convertion")},
    {"stopAll", QT_TRANSLATE_NOOP("Menu", "Stop All Convertion")},
    {"selectFailed", QT_TRANSLATE_NOOP("Menu", "Select Failed Files")},
    {"oneAtATime", QT_TRANSLATE_NOOP("Menu", "One at a Time"), true},
    {"twoAtATime", QT_TRANSLATE_NOOP("Menu", "2 at a Time"), true},
    {"fourAtATime", QT_TRANSLATE_NOOP("Menu", "4 at a Time"), true},
    {"asManyAsCores", QT_TRANSLATE_NOOP("Menu", "As Many as Processor Cores"), true},
    {"keepSize", QT_TRANSLATE_NOOP("Menu", "Keep Size"), true},
    {"size1080", QT_TRANSLATE_NOOP("Menu", "1080p"), true},
    {"size720", QT_TRANSLATE_NOOP("Menu", "720p"), true},
    {"size480", QT_TRANSLATE_NOOP("Menu", "480p"), true},
    {"keepAwake", QT_TRANSLATE_NOOP("Menu", "Keep the Computer Awake"), true},
    {"keepDates", QT_TRANSLATE_NOOP("Menu", "Keep Original File Dates"), true},
    {"watchFolder", QT_TRANSLATE_NOOP("Menu", "Watch Folder...")},
    {"stopWatching", QT_TRANSLATE_NOOP("Menu", "Stop Watching Folders")},
    {"convertArrivals", QT_TRANSLATE_NOOP("Menu", "Convert As They Arrive"), true},
    {"outputNewName", QT_TRANSLATE_NOOP("Menu", "Make a New Name"), true},
    {"outputSkip", QT_TRANSLATE_NOOP("Menu", "Skip the File"), true},
    {"doneNothing", QT_TRANSLATE_NOOP("Menu", "Do Nothing"), true},
    {"doneQuit", QT_TRANSLATE_NOOP("Menu", "Quit Kelvora"), true},
    {"doneSuspend", QT_TRANSLATE_NOOP("Menu", "Suspend"), true},
    {"donePowerOff", QT_TRANSLATE_NOOP("Menu", "Power Off"), true},
    {"doneOnlyIfAll", QT_TRANSLATE_NOOP("Menu", "Only If All Succeeded"), true},
    {"help", QT_TRANSLATE_NOOP("Menu", "Help(F1)"), false, Qt::Key_F1},
    {"about", QT_TRANSLATE_NOOP("Menu", "&About Kelvora     ")},
    // The list's context menu.
    {"listCheckAll", QT_TRANSLATE_NOOP("Menu", "Check All")},
    {"listRemoveSelected", QT_TRANSLATE_NOOP("Menu", "Remove")},
    {"listRemoveAll", QT_TRANSLATE_NOOP("Menu", "Remove All Files")},
    {"moveUp", QT_TRANSLATE_NOOP("Menu", "Move Up"), false, Qt::CTRL | Qt::Key_Up},
    {"moveDown", QT_TRANSLATE_NOOP("Menu", "Move Down"), false, Qt::CTRL | Qt::Key_Down},
    {"listConvertSelected", QT_TRANSLATE_NOOP("Menu", "Convert Selected Files")},
    {"listConvertAll", QT_TRANSLATE_NOOP("Menu", "Convert All Listed Files")},
    {"listSkipCurrent", QT_TRANSLATE_NOOP("Menu", "Skip Current Convertion")},
    {"listStopAll", QT_TRANSLATE_NOOP("Menu", "Stop All Convertion")},
    {"cancelSelected", QT_TRANSLATE_NOOP("Menu", "Cancel This File")},
    {"properties", QT_TRANSLATE_NOOP("Menu", "Properties")},
    // Keys of their own: Delete cancels the selected rows being converted or else removes the
    // selection, Ctrl+Z brings back what the last Remove or Remove All took, Ctrl+A ticks every
    // row and selects them too, so that Delete then takes them all.
    {"deleteSelected", nullptr, false, Qt::Key_Delete},
    {"undoRemove", nullptr, false, Qt::CTRL | Qt::Key_Z},
    {"selectAllRows", nullptr, false, Qt::CTRL | Qt::Key_A},
};

// The commands moving the list's selection take their keys only while the list has the focus.
bool IsListKey(const QString &name)
{
    return name == QLatin1String("moveUp") || name == QLatin1String("moveDown");
}

// The toolbar's buttons, by command id.
const std::map<int, const char *> &ToolbarCommands()
{
    static const std::map<int, const char *> commands = {
        {ID_LIST_ADD_FILES, "addFiles"},   {ID_ADD_FOLDER, "addFolder"},
        {ID_LIST_REMOVE_ALL, "removeAll"}, {ID_CONVERT_ALL, "convertAll"},
        {ID_STOP_CURRENT, "stopCurrent"},  {ID_STOP_ALL, "stopAll"},
        {ID_APP_ABOUT, "about"},
    };
    return commands;
}

// A command whose text says its state ("Resume Convertion" while paused): its items take it.
const char kTextFollows[] = "kelvoraTextFollows";

// From now on `item` shows the enabled and checked state of `command`, and its text when the
// text follows the state.
void Follow(QAction *item, QAction *command)
{
    const QPointer<QAction> source = command;
    auto copy = [item, source] {
        if (!source)
            return;
        item->setEnabled(source->isEnabled());
        if (source->property(kTextFollows).toBool())
            item->setText(source->text());
        if (source->isCheckable()) {
            item->setCheckable(true);
            item->setChecked(source->isChecked());
        }
    };
    copy();
    QObject::connect(command, &QAction::changed, item, copy);
}

} // namespace

Commands::Commands(QObject *parent)
    : QObject(parent)
{
    for (const CommandRow &row : kCommands)
        Add(QLatin1String(row.name),
            row.text ? QCoreApplication::translate("Menu", row.text) : QString(),
            QKeySequence(row.key), row.checkable);
    Find(QStringLiteral("pause"))->setProperty(kTextFollows, true);
    // The Saving Folder's buttons and the Solution button.
    Add(QStringLiteral("browse"), QCoreApplication::translate("Window", "Browse"));
    Add(QStringLiteral("openFolder"), QCoreApplication::translate("Window", "Open Folder"));
    Add(QStringLiteral("choosePreset"), QString());
    for (const Preset &preset : AllPresets()) {
        const char *text = *preset.menuText ? preset.menuText : preset.solutionText;
        Add(PresetCommand(preset.id), QCoreApplication::translate("Presets", text));
    }
}

QAction *Commands::Add(const QString &name, const QString &text, const QKeySequence &keys,
                       bool checkable)
{
    auto *action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(keys);
    action->setCheckable(checkable);
    return action;
}

QAction *Commands::Find(const QString &name) const
{
    return name.isEmpty() ? nullptr : findChild<QAction *>(name, Qt::FindDirectChildrenOnly);
}

void Commands::Handle(std::initializer_list<const char *> names,
                      const std::function<void()> &handler)
{
    for (const char *name : names)
        Handle(QLatin1String(name), handler);
}

void Commands::Handle(const QString &name, const std::function<void()> &handler)
{
    if (QAction *action = Find(name)) {
        connect(action, &QAction::triggered, this, handler);
        m_handled.insert(name);
    }
}

void Commands::SetEnabled(const char *name, bool enabled)
{
    if (QAction *action = Find(QLatin1String(name)))
        action->setEnabled(enabled);
}

void Commands::ApplyRules(const CommandContext &context)
{
    const bool rows = context.rows > 0;
    const bool selected = context.selectedRows > 0;
    // A second start would run a second batch over the first. Rows may be removed while files
    // are converted: the queue holds its items by id, and the rows being converted stay.
    const bool idle = !context.converting;
    SetEnabled("pause", context.converting);
    if (QAction *pause = Find(QStringLiteral("pause"))) {
        pause->setChecked(context.paused);
        pause->setText(context.paused ? QCoreApplication::translate("Menu", "Resume Convertion")
                                      : QCoreApplication::translate("Menu", "Pause Convertion"));
    }
    SetEnabled("retryFailed", idle && context.failedRows > 0);
    SetEnabled("selectFailed", context.failedRows > 0);
    SetEnabled("cancelSelected", context.selectedRunning > 0);
    SetEnabled("moveUp", context.canMoveUp);
    SetEnabled("moveDown", context.canMoveDown);
    // The menu bar, and the toolbar's buttons for the same commands.
    SetEnabled("removeSelected", rows);
    SetEnabled("removeAll", rows);
    SetEnabled("checkAll", rows);
    SetEnabled("convertAll", rows && idle);
    SetEnabled("convertSelected", selected && idle);
    SetEnabled("stopCurrent", context.converting);
    SetEnabled("stopAll", context.converting);
    SetEnabled("stopWatching", context.watchedFolders > 0);
    // The list's context menu offers what concerns the rows under the pointer: its Remove All and
    // Check All always.
    SetEnabled("listRemoveSelected", context.selectedRows > context.selectedRunning);
    SetEnabled("properties", context.selectedRows == 1);
    for (const char *name :
         {"listConvertSelected", "listConvertAll", "listSkipCurrent", "listStopAll"})
        SetEnabled(name, selected);
}

void Commands::Bind(CMenuEx &menu) const
{
    // Item ids are unique within one menu: the menu's handler finds the action by the id.
    std::map<int, QPointer<QAction>> targets;
    for (QAction *item : menu.CommandItems()) {
        QAction *command = Find(item->property(CMenuEx::kCommandProperty).toString());
        if (!command)
            continue;
        targets[item->data().toInt()] = command;
        Follow(item, command);
    }
    menu.SetCommandHandler([targets](int id) {
        const auto it = targets.find(id);
        if (it != targets.end() && it->second)
            it->second->trigger();
    });
}

void Commands::Bind(CTrueColorToolBar &bar) const
{
    std::map<int, QPointer<QAction>> targets;
    for (const auto &[id, name] : ToolbarCommands()) {
        QAction *command = Find(QLatin1String(name));
        QAction *button = bar.ActionById(id);
        if (!command || !button)
            continue;
        targets[id] = command;
        Follow(button, command);
    }
    bar.SetCommandHandler([targets](int id) {
        const auto it = targets.find(id);
        if (it != targets.end() && it->second)
            it->second->trigger();
    });
}

void Commands::BindKeys(QWidget *window, QWidget *list)
{
    for (QAction *action : findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (action->shortcut().isEmpty())
            continue;
        // A shortcut of its own rather than the action's: the key is taken even while its
        // command is disabled, and never falls through to the control that has the focus (Ctrl+Up
        // would move the list's current row).
        const bool listKey = IsListKey(action->objectName());
        auto *shortcut = new QShortcut(action->shortcut(), listKey ? list : window);
        if (listKey)
            shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, action, &QAction::trigger);
    }
}
