#pragma once

#include "convert/presets.h"

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

// Status texts that the queue reads back as markers.
extern const QString kWaitingStatus; // "Waiting Convertion..."
extern const QString kUnknownFormatStatus; // "Unknown Format!"

// The media items: one row of the list is one media file, and the rows are the only store of
// them. Adds rows (Add Files, Add Folder), reads and writes their cells, and removes them.
class MediaList
{
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
    int rowCount() const { return m_rowCount; }

    // True when a row holds exactly this name and folder (case-sensitive).
    bool IsListed(const QString &folder, const QString &name) const;
    // Probes folder + name and appends its row, ticked.
    void AppendMediaRow(const QString &folder, const QString &name);

    // Asks for files and appends the ones not listed yet.
    void AddFiles();
    // Asks for a folder and appends its media files not listed yet; a cancelled picker searches
    // the folder of the last Add Folder again. Reports how many files it added.
    void AddFolder();
    // Appends the media files directly in `folder` (sub folders are not searched) that are not
    // listed yet, in name order, and reports how many it added. Returns that count.
    int AddFolderPath(const QString &folder);
    // Appends each of `paths` not listed yet, in order, with a cancellable progress window when
    // they are many. Returns how many rows were added; 0 when called while an add is running.
    int AddPaths(const QStringList &paths);
    // True while AddPaths runs: its progress window lets other events in meanwhile.
    bool adding() const { return m_adding; }

    QString FileName(int row) const { return Text(row, MediaColumn::FileName); }
    QString Location(int row) const { return Text(row, MediaColumn::Location); }
    QString DurationText(int row) const { return Text(row, MediaColumn::Duration); }
    QString Status(int row) const { return Text(row, MediaColumn::Status); }
    QString Text(int row, int column) const;
    bool IsChecked(int row) const;
    // The file of the row has audio and no video (it shows the sound picture).
    bool IsAudioOnly(int row) const { return rowImageKind(row) == 1; }
    void SetChecked(int row, bool checked);
    // Writes the row's status, with `tooltip` on the Status cell (empty: none).
    void SetStatus(int row, const QString &status, const QString &tooltip = QString());
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
    // extensions, exactly as written).
    static bool IsMediaExtension(const QString &fullPath);
    // The file dialog's filters, in order; the first is preselected.
    static QStringList FileFilters();

private:
    void RemoveRow(int row);

    CDragDropListCtrl *m_list;
    const CurrentPreset &m_preset;
    QWidget *m_dialogParent;
    int m_rowCount = 0;
    bool m_adding = false;
    QIcon m_images[2];
    QString m_keptPattern;
    // Every listed (folder, name): adding n files to m rows costs n look-ups, not n x m.
    QSet<QPair<QString, QString>> m_listed;
};
