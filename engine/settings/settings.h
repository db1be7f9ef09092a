#pragma once

#include "engine/convert/presets.h"

#include <QList>
#include <QObject>
#include <QSize>
#include <QString>
#include <QTimer>

// The choices of "Simultaneous Conversions", in menu order: 0 runs as many as the processor has
// cores. The size limits are kSizeLimits (convert/presets.h).
constexpr int kSimultaneousChoices[] = {1, 2, 4, 0};

// What the program keeps between runs, and the saving folder in use.
struct SettingsValues
{
    CurrentPreset preset;
    // Kept only to be written back as it was read; nothing depends on it.
    QString deleteAfter = QStringLiteral("FALSE");
    // The recent saving folders, First (newest) to Fivth (oldest), each ending with "/".
    QString folders[5];
    // The folder every conversion writes into: the text of the item selected in the folder list.
    QString currentFolder;
    // How many conversions run side by side: one of kSimultaneousChoices.
    int simultaneous = 0;
    // The largest picture height of a converted video: one of kSizeLimits (0 keeps the size).
    int sizeLimit = 0;
    // Whether a running batch keeps the computer from suspending when idle.
    bool keepAwake = true;
    // Each output takes its input's modification time ("Keep Original File Dates").
    bool keepDates = true;
    // Add Folder also searches the folders below the chosen one ("Include sub folders").
    bool subFolders = false;
    // "When the Output Exists": skip the file ("Already Converted") rather than make a new name.
    bool skipConverted = false;
    // Files that arrive in a watched folder are converted as soon as they are listed.
    bool convertArrivals = false;
    // The watched folders, each ending with "/", with whether its sub folders are watched too.
    struct WatchedFolder
    {
        QString folder;
        bool subFolders = false;
        bool operator==(const WatchedFolder &other) const
        {
            return folder == other.folder && subFolders == other.subFolders;
        }
    };
    QList<WatchedFolder> watched;
    // The main window's size when it last closed; invalid (no key, or a value that is not
    // "<width>x<height>") opens it at its described size.
    QSize windowSize;
    // The main window was maximised when it last closed: it opens maximised. Written only once it
    // was, so that a file that never held the key stays as it was.
    bool windowMaximized = false;
    bool windowMaximizedStored = false;
    // The settings file exists but could not be read (larger than 1 MB, not a regular file, no
    // permission): the values above are defaults, and saving them would replace the user's own.
    bool fileUnreadable = false;
};

constexpr int kRecentFolderCount = 5;
// The most watched folders kept.
constexpr int kMaxWatchedFolders = 20;

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
// "Include Sub Folders" other than one of their choices give 0; "Keep the Computer Awake" and
// "Keep Original File Dates" are off only when they read 0. A watched folder that is no absolute
// path is left out. The current saving folder is left as it is (the folder list picks it).
void LoadSettings(SettingsValues &settings, const QString &settingsPath);

// Writes every value to the settings file at `settingsPath` in one replace of the file, keeping
// the file's other content: a crash leaves the old values or the new ones, never a mix. Writes
// nothing and returns false for an empty path or when the file was unreadable at load
// (`fileUnreadable`) or is now. A value that cannot be stored in the file (a line break) is left
// out, the file keeping its old one, and makes the result false.
bool SaveSettings(const SettingsValues &settings, const QString &settingsPath);

// The settings of the running program as one object: every change of a stored value goes
// through it and is announced by Changed, and each burst of changes is saved once, a moment
// later (kSaveDelayMs), with SaveSettings. Values that are not among the allowed choices become
// 0, as when they are read.
class Settings final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Settings)

public:
    // Reads the settings file at `path` (LoadSettings); an empty path keeps the defaults and
    // never writes.
    explicit Settings(QString path, QObject *parent = nullptr);
    // Writes a save that is still due.
    ~Settings() override;

    const SettingsValues &values() const { return m_values; }
    const QString &path() const { return m_path; }

    // Makes preset `id` current, its texts from the preset table; an id that names no preset
    // changes nothing.
    void SetPreset(int id);
    void SetSimultaneous(int slots);
    void SetSizeLimit(int limit);
    void SetKeepAwake(bool on);
    void SetKeepDates(bool on);
    void SetSubFolders(bool on);
    void SetSkipConverted(bool on);
    void SetConvertArrivals(bool on);
    // Watches `folder` too (ending with "/"), or with other choices; at most kMaxWatchedFolders.
    void AddWatched(const SettingsValues::WatchedFolder &watched);
    void ClearWatched();
    void SetWindowSize(const QSize &size);
    void SetWindowMaximized(bool on);
    // Makes `folder` the First recent folder, the others moving one down (the Fivth leaves).
    void PushRecentFolder(const QString &folder);
    // The folder conversions write into; it is not stored, and announces nothing.
    void SetCurrentFolder(const QString &folder) { m_values.currentFolder = folder; }

    // Saves now, in place of a save that is due; false as SaveSettings. The settings folder is
    // made first when it is missing.
    bool Save();
    // True while a change waits to be saved.
    bool IsSaveDue() const { return m_saveTimer.isActive(); }

    static constexpr int kSaveDelayMs = 300;

Q_SIGNALS:
    // A stored value changed.
    void Changed();

private:
    SettingsValues m_values;
    QString m_path;
    QTimer m_saveTimer;
};
