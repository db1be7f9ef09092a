#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QQueue>

// Dialogs for tests: answers are queued in advance, every request is recorded. Installs itself
// on construction and restores the real dialogs when destroyed.
class ScriptedDialogs : public Dialogs
{
public:
    struct Shown
    {
        QString text;
        QString caption;
        MessageIcon icon;
    };
    struct Asked
    {
        QString kind; // "files" or "folder"
        QString title;
        QStringList filters;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // The next file picker returns `paths` (empty: cancelled).
    void NextFiles(const QStringList &paths) { m_files.enqueue(paths); }
    // The next folder picker returns `folder` (empty: cancelled).
    void NextFolder(const QString &folder) { m_folders.enqueue(folder); }
    // The next question is answered `yes` (unscripted ones: No).
    void NextAnswer(bool yes) { m_answers.enqueue(yes); }
    // The next OpenUrl answers `ok`.
    void NextOpen(bool ok) { m_opens.enqueue(ok); }

    QList<Shown> messages;
    QList<Asked> asked;
    QStringList opened;

    QStringList PickFiles(QWidget *parent, const QString &title,
                          const QStringList &filters) override;
    QString PickFolder(QWidget *parent, const QString &title) override;
    void Message(QWidget *parent, const QString &text, const QString &caption,
                 MessageIcon icon) override;
    bool Ask(QWidget *parent, const QString &text, const QString &caption) override;
    bool OpenUrl(const QString &urlOrPath) override;

private:
    QQueue<QStringList> m_files;
    QQueue<QString> m_folders;
    QQueue<bool> m_opens;
    QQueue<bool> m_answers;
};
