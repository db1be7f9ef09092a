#pragma once

#include "convert/presets.h"

#include <QSize>
#include <QString>

// What the program keeps between runs, and the saving folder in use.
struct Settings
{
    CurrentPreset preset;
    // Kept only to be written back as it was read; nothing depends on it.
    QString deleteAfter = QStringLiteral("FALSE");
    // The recent saving folders, First (newest) to Fivth (oldest), each ending with "/".
    QString folders[5];
    // The folder every conversion writes into: the text of the item selected in the folder list.
    QString currentFolder;
    // How many conversions run side by side: 0 for as many as the processor has cores, or 1, 2
    // or 4.
    int simultaneous = 0;
    // The largest picture height of a converted video: 0 keeps the input's size, or 1080, 720
    // or 480.
    int sizeLimit = 0;
    // Whether a running batch keeps the computer from suspending when idle.
    bool keepAwake = true;
    // Add Folder also searches the folders below the chosen one ("Include sub folders").
    bool subFolders = false;
    // The main window's size when it last closed; invalid (no key, or a value that is not
    // "<width>x<height>") opens it at its described size.
    QSize windowSize;
    // The settings file exists but could not be read (larger than 1 MB, not a regular file, no
    // permission): the values above are defaults, and saving them would replace the user's own.
    bool fileUnreadable = false;
};

constexpr int kRecentFolderCount = 5;

// The settings file: the user's configuration folder followed by "/Orvane/kelvora.ini"; empty
// when the configuration folder cannot be determined.
QString SettingsPath();

// Creates the folder of `settingsPath` with all missing parents. False for an empty path or when
// the folder cannot be created.
bool CreateSettingsFolder(const QString &settingsPath);

// The home folder followed by "/Mymedia/": every recent folder that the file does not name.
QString DefaultSavingFolder();

// Reads every value of the settings file at `settingsPath`, all from one reading of the file; a
// missing file or key, an empty path or a file that cannot be read gives the defaults (and, for
// an unreadable file, `fileUnreadable`). The Solution text and the format label always come from
// the preset the stored id names, never from the file; an id that names no preset gives preset
// 0. A stored folder of three characters or more gets a trailing "/" when it has none (shorter
// entries are not offered and stay as they are). "Simultaneous Conversions", "Size Limit" and
// "Include Sub Folders" other than one of their allowed values give 0; "Keep the Computer Awake"
// is off only when it reads 0. The current saving folder is left as it is (the folder list picks
// it).
void LoadSettings(Settings &settings, const QString &settingsPath);

// Writes every value to the settings file at `settingsPath` in one replace of the file, keeping
// the file's other content: a crash leaves the old values or the new ones, never a mix. Writes
// nothing and returns false for an empty path or when the file was unreadable at load
// (`fileUnreadable`) or is now. A value that cannot be stored in the file (a line break) is left
// out, the file keeping its old one, and makes the result false.
bool SaveSettings(const Settings &settings, const QString &settingsPath);
