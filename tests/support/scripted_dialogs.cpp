#include "support/scripted_dialogs.h"

ScriptedDialogs::ScriptedDialogs()
{
    SetDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    SetDialogs(nullptr);
}

QStringList ScriptedDialogs::PickFiles(QWidget *, const QString &title, const QStringList &filters)
{
    asked.append({QStringLiteral("files"), title, filters});
    return m_files.isEmpty() ? QStringList() : m_files.dequeue();
}

QString ScriptedDialogs::PickFolder(QWidget *, const QString &title)
{
    asked.append({QStringLiteral("folder"), title, {}});
    return m_folders.isEmpty() ? QString() : m_folders.dequeue();
}

void ScriptedDialogs::Message(QWidget *, const QString &text, const QString &caption,
                              MessageIcon icon)
{
    messages.append({text, caption, icon});
}

bool ScriptedDialogs::Ask(QWidget *, const QString &text, const QString &caption)
{
    messages.append({text, caption, MessageIcon::Question});
    return !m_answers.isEmpty() && m_answers.dequeue();
}

bool ScriptedDialogs::OpenUrl(const QString &urlOrPath)
{
    opened.append(urlOrPath);
    return m_opens.isEmpty() ? true : m_opens.dequeue();
}
