#pragma once

#include "ui/convert/command_context.h"

#include <QKeySequence>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <initializer_list>

class CMenuEx;
class CTrueColorToolBar;
class QAction;
class QWidget;

// The window's commands: one QAction for each, its objectName the command's name ("convertAll",
// "stopAll", "removeSelected", "preset13" ...), with its text, its key and whether it is checked
// where it has them. The menus, the toolbar and the keys all trigger these actions, so that each
// command has one handler and one enabled state.
//
// The list's context menu offers some commands under rules of its own (its Remove only for rows
// that are not being converted, its Convert and Stop items as soon as rows are selected): those
// are actions of their own ("listRemoveSelected", "listConvertAll" ...) that run the same handler
// as their menu-bar twin.
class Commands final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Commands)

public:
    // Every command, enabled, none handled yet.
    explicit Commands(QObject *parent = nullptr);

    // The action named `name`, or nullptr.
    QAction *Find(const QString &name) const;
    // Runs `handler` whenever one of the actions `names` is triggered.
    void Handle(std::initializer_list<const char *> names, const std::function<void()> &handler);
    void Handle(const QString &name, const std::function<void()> &handler);
    // Whether a handler runs when `name` is triggered.
    bool IsHandled(const QString &name) const { return m_handled.contains(name); }

    // Enables every action whose state the list and the batch decide, as `context` says; checks
    // Pause while the batch is paused. The one place that decides it.
    void ApplyRules(const CommandContext &context);

    // Binds every command item of `menu`, at any depth, to the action its template names: the
    // item triggers the action and shows its enabled and checked state from then on.
    void Bind(CMenuEx &menu) const;
    // The same for the toolbar's buttons.
    void Bind(CTrueColorToolBar &bar) const;
    // Gives each action that has a key its shortcut in `window`; the list's own keys (moving the
    // selection) work while `list` has the focus.
    void BindKeys(QWidget *window, QWidget *list);

private:
    QAction *Add(const QString &name, const QString &text, const QKeySequence &keys = {},
                 bool checkable = false);
    void SetEnabled(const char *name, bool enabled);

    QSet<QString> m_handled;
};
