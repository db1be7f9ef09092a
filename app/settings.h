#pragma once

#include "convert/presets.h"

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
    int sizeLimit = 0;
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

// Reads every value of the settings file at `settingsPath`; a missing file or key, or an empty
// path, gives the defaults. A stored preset id that names no preset gives preset 0 with its texts.
// The current saving folder is left as it is (the folder list picks it).
void LoadSettings(Settings &settings, const QString &settingsPath);

// Writes every value to the settings file at `settingsPath`, keeping the file's other content.
// Writes nothing and returns false for an empty path; false when any value could not be written.
bool SaveSettings(const Settings &settings, const QString &settingsPath);
