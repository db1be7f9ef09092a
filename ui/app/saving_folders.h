#pragma once

#include "engine/settings/settings.h"

#include <QString>

class QComboBox;
class QWidget;

// The saving-folder controls of the main window: the drop-down list of recent folders, Browse and
// Open Folder. The list shows the oldest folder at the top and the newest at the bottom; the
// selected item is the folder conversions write into (settings.currentFolder).
class SavingFolders
{
public:
    // `box`, `settings` and `dialogParent` must outlive this object. A user's choice in `box`
    // reaches OnSelectionChange through the box's activated signal. A new recent folder is saved
    // at once to the settings' file.
    SavingFolders(QComboBox *box, Settings &settings, QWidget *dialogParent);

    // Fills the list from the recent folders (items 17 pixels high; Fivth at the top to First at
    // the bottom; entries that do not end with "/", such as "" or "C:", left out, the root "/"
    // shown), selects the last item and makes it the current folder.
    void FillFolderList();
    // The current folder becomes the text of the selected item; nothing is written.
    void OnSelectionChange();
    // Makes `folder` (ending with "/") the current folder: a folder already among the five is
    // selected where it is; a new one becomes First and the list is filled again (the new folder
    // at the bottom, the Fivth gone from it as from the settings), is selected, and the settings
    // are saved at once.
    void AddRecentFolder(const QString &folder);
    // Asks for a folder ("Browse for Target File Saving Folder"); cancelling does nothing.
    void Browse();
    // Opens the folder shown in the list in the desktop's file manager; "The Folder not exist!"
    // when it does not exist or cannot be opened.
    void OpenFolder();

private:
    // The box's items from the five recent folders, Fivth at the top.
    void FillItems();

    QComboBox *m_box;
    Settings &m_settings;
    QWidget *m_dialogParent;
};

constexpr int kFolderItemHeight = 17;
