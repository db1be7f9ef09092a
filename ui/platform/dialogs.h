#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every modal that the program shows goes through one object, so that nothing modal can block a
// test: the program uses the Qt implementation, a test installs a scripted one.

enum class MessageIcon { None, Critical, Warning, Information, Question };

class Dialogs
{
public:
    virtual ~Dialogs();

    // Files to open; an empty list means the user cancelled. `filters` holds Qt name filters
    // ("Mp3 Files(*.mp3) (*.mp3)"); the first one is preselected.
    virtual QStringList PickFiles(QWidget *parent, const QString &title, const QStringList &filters)
        = 0;
    // A folder; an empty text means the user cancelled.
    virtual QString PickFolder(QWidget *parent, const QString &title) = 0;
    // A folder to take media files from, with an "Include sub folders" check box that shows
    // `*subFolders` and, when a folder is chosen, leaves the user's choice there. An empty text
    // means the user cancelled; `*subFolders` is then left as it was.
    virtual QString PickMediaFolder(QWidget *parent, const QString &title, bool *subFolders) = 0;
    // A message box with an OK button only.
    virtual void Message(QWidget *parent, const QString &text, const QString &caption,
                         MessageIcon icon)
        = 0;
    // A question with Yes and No buttons; true for Yes (closing the box answers No).
    virtual bool Ask(QWidget *parent, const QString &text, const QString &caption) = 0;
    // A question with one button for each of `answers` (the first is the default); the index of
    // the one chosen, the last when the box is closed.
    virtual int Choose(QWidget *parent, const QString &text, const QString &caption,
                       const QStringList &answers)
        = 0;
    // Opens a local file or folder, or a link, with the desktop's handler; false when it cannot.
    virtual bool OpenUrl(const QString &urlOrPath) = 0;
    // Whether the desktop names an application for the type of the local file at `path` (a CHM
    // file has none on most desktops).
    virtual bool HasOpener(const QString &path) = 0;
};

// The dialogs in use: the Qt implementation unless a test installed its own.
Dialogs &CurrentDialogs();
// Installs `dialogs` (not owned) as the dialogs in use; nullptr brings back the Qt implementation.
void SetDialogs(Dialogs *dialogs);
