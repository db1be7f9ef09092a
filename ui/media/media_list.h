#pragma once

#include "engine/convert/presets.h"
#include "engine/media/conversion_list.h"

#include <QIcon>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CDragDropListCtrl;
class QProgressBar;
class QProgressDialog;
class QWidget;

// The media list as the window shows it: the list widget made a view of the ConversionList's
// store, and the dialogs and messages of the commands that add and remove items (Add Files, Add
// Folder, Remove, Remove All, Check All).
//
// Adding never waits: the ConversionList probes on a pool of threads while the event loop runs,
// and rows appear in the order given; adds asked for while one runs (a drop, a second launch's
// files) wait their turn. A long add shows a progress window with Cancel, which holds the window;
// Cancel keeps the rows added so far.
class MediaList final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MediaList)

public:
    // What runs when an add has ended, with how many rows it added.
    using AddDone = std::function<void(int added)>;

    // `list`, `preset` and `dialogParent` must outlive this object.
    MediaList(CDragDropListCtrl *list, const CurrentPreset &preset, QWidget *dialogParent);
    ~MediaList() override;

    // The seven columns with their widths; check boxes; the Status cell's bars.
    void SetupColumns();
    // The row images: the film (0) for files with video, the sound page (1) for audio-only
    // files. A null icon leaves the rows without that image.
    void SetRowImages(const QIcon &film, const QIcon &sound);
    // Loads the two row images from res/film.bmp and res/page_sound.bmp, relative to the current
    // folder and then beside the executable.
    void LoadRowImages();

    CDragDropListCtrl *list() const { return m_list; }
    ConversionList &items() { return m_items; }
    const ConversionList &items() const { return m_items; }
    MediaStore &store() { return m_items.store(); }
    const MediaStore &store() const { return m_items.store(); }
    int rowCount() const { return store().count(); }
    // The items of the selected rows, in list order.
    QList<ItemId> SelectedItems() const;

    // Asks for files and adds the ones not listed yet.
    void AddFiles();
    // Asks for a folder, with the "Include sub folders" choice, and adds its media files not
    // listed yet; a cancelled picker adds nothing and says nothing.
    void AddFolder();
    // Adds the media files of `folder` (ScanFolder; with the folders below it when the "Include
    // sub folders" choice is on) that are not listed yet, and reports how many it added and what
    // it left out (FolderAddedMessage), once it has.
    void AddFolderPath(const QString &folder, AddDone whenAdded = {});
    // Where the "Include sub folders" choice is kept (the window's settings); it must outlive this
    // object. Until it is set the list keeps one of its own, off.
    void SetSubFoldersChoice(bool *choice) { m_subFolders = choice; }
    // Adds each of `paths` not listed yet, in order. Paths decoded from names that are not valid
    // UTF-8 are left out and named in one warning.
    void AddPaths(const QStringList &paths, AddDone whenAdded = {});
    // True while an add runs or waits.
    bool adding() const { return m_items.adding(); }
    // How many files an add probes at a time: 0 (the default) for one per core.
    void SetProbeThreads(int threads) { m_items.SetProbeThreads(threads); }
    // Makes adds probe with `probe` instead of ProbeItem (see MediaAdder::SetProbe).
    void SetProbe(MediaAdder::ProbeFunction probe) { m_items.SetProbe(std::move(probe)); }

    // The item of each row, as the store holds it.
    QString FileName(int row) const { return store().at(row).name; }
    QString Location(int row) const { return store().at(row).folder; }
    QString Status(int row) const { return StateText(store().at(row).state); }
    bool IsChecked(int row) const { return store().at(row).checked; }
    void SetChecked(int row, bool checked) { store().SetChecked(store().at(row).id, checked); }
    // What a cell shows.
    QString Text(int row, int column) const;
    // Writes `label` into every row's "Target Format" cell.
    void SetTargetFormat(const QString &label) { store().SetTargetFormat(label); }

    // Removes the selected rows, but never one being converted; nothing without a selection
    // mark.
    void RemoveSelected();
    // Removes every row but those being converted.
    void RemoveAll() { m_items.RemoveAll(); }
    // Brings back the rows the last Remove or Remove All took, in their places; once.
    void UndoRemove() { m_items.UndoRemove(); }
    // Ticks every row.
    void CheckAll() { m_items.CheckAll(); }

    // True when Add Folder takes a file with this full path (its extension is one of the media
    // extensions, in any letter case).
    static bool IsMediaExtension(const QString &fullPath);
    // The file dialog's filters, in order; the first is preselected.
    static QStringList FileFilters();

Q_SIGNALS:
    // An add has ended (its count message, if any, already shown).
    void AddFinished(int added);

private:
    void OnAddStarted(int total);
    void OnAddProgress(int done, int total);
    void OnAddFinished(const AddReport &report);

    CDragDropListCtrl *m_list;
    QWidget *m_dialogParent;
    ConversionList m_items;
    std::unique_ptr<QProgressDialog> m_progress;
    QProgressBar *m_progressBar = nullptr;
    bool m_ownSubFolders = false;
    bool *m_subFolders = &m_ownSubFolders;
};
