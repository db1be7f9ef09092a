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
    if (!m_subFolders.isEmpty())
        m_subFolders.dequeue();
    return m_folders.isEmpty() ? QString() : m_folders.dequeue();
}

QString ScriptedDialogs::PickMediaFolder(QWidget *, const QString &title, bool *subFolders)
{
    asked.append({QStringLiteral("media folder"), title, {}, *subFolders});
    const int choice = m_subFolders.isEmpty() ? -1 : m_subFolders.dequeue();
    const QString folder = m_folders.isEmpty() ? QString() : m_folders.dequeue();
    if (!folder.isEmpty() && choice >= 0)
        *subFolders = choice == 1;
    return folder;
}

void ScriptedDialogs::Message(QWidget *, const QString &text, const QString &caption,
                              MessageIcon icon)
{
    messages.append({text, caption, icon});
}

bool ScriptedDialogs::Ask(QWidget *, const QString &text, const QString &caption)
{
    messages.append({text, caption, MessageIcon::Question});
    return !m_answers.isEmpty() && m_answers.dequeue() == 0;
}

int ScriptedDialogs::Choose(QWidget *, const QString &text, const QString &caption,
                            const QStringList &answers)
{
    messages.append({text, caption, MessageIcon::Question});
    const int chosen = m_answers.isEmpty() ? -1 : m_answers.dequeue();
    return chosen < 0 ? int(answers.size()) - 1 : chosen;
}

bool ScriptedDialogs::OpenUrl(const QString &urlOrPath)
{
    opened.append(urlOrPath);
    return m_opens.isEmpty() ? true : m_opens.dequeue();
}
