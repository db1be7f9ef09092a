#pragma once

#include "ui/platform/dialogs.h"

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
        bool subFolders = false; // a media folder's picker: its check box as shown
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // The next file picker returns `paths` (empty: cancelled).
    void NextFiles(const QStringList &paths) { m_files.enqueue(paths); }
    // The next folder picker returns `folder` (empty: cancelled); a media folder's picker with
    // its check box set to `subFolders` (-1: left as shown).
    void NextFolder(const QString &folder, int subFolders = -1)
    {
        m_folders.enqueue(folder);
        m_subFolders.enqueue(subFolders);
    }
    // The next question is answered `yes` (unscripted ones: No).
    void NextAnswer(bool yes) { m_answers.enqueue(yes ? 0 : -1); }
    // The next Choose answers `index` (NextAnswer: Yes is 0, No the last; unscripted: the last).
    void NextChoice(int index) { m_answers.enqueue(index); }
    // The next OpenUrl answers `ok`.
    void NextOpen(bool ok) { m_opens.enqueue(ok); }
    // Whether the desktop has an application for a file type (every type unless set).
    bool hasOpener = true;

    QList<Shown> messages;
    QList<Asked> asked;
    QStringList opened;

    QStringList PickFiles(QWidget *parent, const QString &title,
                          const QStringList &filters) override;
    QString PickFolder(QWidget *parent, const QString &title) override;
    QString PickMediaFolder(QWidget *parent, const QString &title, bool *subFolders) override;
    void Message(QWidget *parent, const QString &text, const QString &caption,
                 MessageIcon icon) override;
    bool Ask(QWidget *parent, const QString &text, const QString &caption) override;
    int Choose(QWidget *parent, const QString &text, const QString &caption,
               const QStringList &answers) override;
    bool OpenUrl(const QString &urlOrPath) override;
    bool HasOpener(const QString &) override { return hasOpener; }

private:
    QQueue<QStringList> m_files;
    QQueue<QString> m_folders;
    QQueue<int> m_subFolders;
    QQueue<bool> m_opens;
    QQueue<int> m_answers;
};
