#pragma once

#include "convert/presets.h"
#include "media/media_adder.h"
#include "media/media_store.h"

#include <QIcon>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

class CDragDropListCtrl;
class QWidget;

// The columns of a media row.
struct MediaColumn
{
    enum : int { Select = 0, FileName, Location, Duration, TargetFormat, Status, Filler, Count };
};

// The media list as the window shows it: a view of a MediaStore in the list widget, one row per
// item, and the commands that add and remove items (Add Files, Add Folder, Remove, Remove All,
// Check All). Ticking a row's check box ticks its item; nothing is read back from a cell.
class MediaList : public QObject
{
    Q_OBJECT

public:
    // `list`, `preset` and `dialogParent` must outlive this object.
    MediaList(CDragDropListCtrl *list, const CurrentPreset &preset, QWidget *dialogParent);

    // The seven columns with their titles and widths, check boxes, no editing.
    void SetupColumns();
    // The row images: the film (0) for files with video, the sound page (1) for audio-only
    // files. A null icon leaves the rows without that image.
    void SetRowImages(const QIcon &film, const QIcon &sound);
    // Loads the two row images from res/film.bmp and res/page_sound.bmp, relative to the current
    // folder and then beside the executable.
    void LoadRowImages();
    int rowImageKind(int row) const; // 0 film, 1 sound, -1 none (for tests)

    CDragDropListCtrl *list() const { return m_list; }
    MediaStore &store() { return m_store; }
    const MediaStore &store() const { return m_store; }
    int rowCount() const { return m_store.count(); }

    // True when a row holds exactly this name and folder (case-sensitive).
    bool IsListed(const QString &folder, const QString &name) const;
    // Probes folder + name and appends its row, ticked.
    void AppendMediaRow(const QString &folder, const QString &name);

    // Asks for files and appends the ones not listed yet.
    void AddFiles();
    // Asks for a folder, with the "Include sub folders" choice, and appends its media files not
    // listed yet; a cancelled picker searches the folder of the last Add Folder again.
    void AddFolder();
    // Appends the media files of `folder` (ScanFolder; with the folders below it when the "Include
    // sub folders" choice is on) that are not listed yet, and reports how many it added and what
    // it left out (FolderAddedMessage). Returns how many it added.
    int AddFolderPath(const QString &folder);
    // Where the "Include sub folders" choice is kept (the window's settings); it must outlive this
    // object. Until it is set the list keeps one of its own, off.
    void SetSubFoldersChoice(bool *choice) { m_subFolders = choice; }
    // Appends each of `paths` not listed yet, in order, with a cancellable progress window when
    // they are many. Paths decoded from names that are not valid UTF-8 are left out and named in
    // one warning. Returns how many rows were added; 0 when called while an add is running.
    // The files are probed on a pool of threads (a MediaAdder) while this runs the event loop:
    // the window repaints and timers fire, but input reaches the window only through the
    // progress window once it shows, which holds the window itself. Cancel keeps the rows added.
    int AddPaths(const QStringList &paths);
    // True while AddPaths runs: it lets other events in meanwhile.
    bool adding() const { return m_adding; }
    // How many files AddPaths probes at a time: 0 (the default) for one per core.
    void SetProbeThreads(int threads) { m_probeThreads = threads; }
    // Makes AddPaths probe with `probe` instead of ProbeItem (see MediaAdder::SetProbe).
    void SetProbe(MediaAdder::ProbeFunction probe) { m_probe = std::move(probe); }

    // The item of each row, as the store holds it.
    QString FileName(int row) const { return m_store.at(row).name; }
    QString Location(int row) const { return m_store.at(row).folder; }
    QString Status(int row) const { return StateText(m_store.at(row).state); }
    bool IsChecked(int row) const { return m_store.at(row).checked; }
    bool IsAudioOnly(int row) const { return m_store.at(row).audioOnly(); }
    void SetChecked(int row, bool checked) { m_store.SetChecked(row, checked); }
    // What a cell shows (for tests and the window's own use).
    QString Text(int row, int column) const;
    QString DurationText(int row) const { return Text(row, MediaColumn::Duration); }
    // Writes `label` into every row's "Target Format" cell.
    void SetTargetFormat(const QString &label);

    // Removes the selected rows, last to first; nothing without a selection mark.
    void RemoveSelected();
    void RemoveAll();
    // Ticks every row.
    void CheckAll();

    // The search pattern of the last Add Folder (empty until a folder was chosen).
    QString keptPattern() const { return m_keptPattern; }

    // The file-name part and the folder part of a path as the file dialog returns it; a folder
    // that ends with two separators loses one.
    static QPair<QString, QString> SplitPath(const QString &path);
    // True when Add Folder takes a file with this full path (its extension is one of the media
    // extensions, in any letter case).
    static bool IsMediaExtension(const QString &fullPath);
    // The file dialog's filters, in order; the first is preselected.
    static QStringList FileFilters();

private:
    void ShowAppended(int row);
    void ShowChanged(int row);
    void ShowProgress(int row, int progress);

    CDragDropListCtrl *m_list;
    const CurrentPreset &m_preset;
    QWidget *m_dialogParent;
    MediaStore m_store;
    bool m_adding = false;
    int m_probeThreads = 0;
    MediaAdder::ProbeFunction m_probe;
    QIcon m_images[2];
    QString m_keptPattern;
    bool m_ownSubFolders = false;
    bool *m_subFolders = &m_ownSubFolders;
    bool m_showing = false; // the view is writing a cell: its own change is not the user's
};
