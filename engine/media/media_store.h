#pragma once

#include "engine/media/probe.h"
#include "engine/platform/file_stamp.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

// Where a listed file stands. Each state has one Status text (StateText, in the user's language),
// which the list shows.
enum class ItemState {
    Waiting, // can be converted, and has not been yet
    UnknownFormat, // cannot be read or converted; conversions pass it over
    Completed,
    Canceled,
    Failed,
    ConverterNotFound,
    OutputEqualsInput,
    InvalidSavingFolder, // the saving folder is empty or not an absolute path
    // Converted and kept, but shorter than the file's length or from a damaged input.
    PartlyConverted,
    AlreadyConverted, // its output was there already, and existing outputs are skipped
};

// The Status text of `state`, exactly as the list shows it.
QString StateText(ItemState state);
// The same text in English whatever the user's language, for output that programs read.
QString StateKey(ItemState state);

// An item's identity: given when the store takes the item, never reused while the program runs.
// Rows move when items are removed or moved; an id stays with its file.
using ItemId = quint64;

// One listed media file and everything the program knows of it.
struct MediaItem
{
    ItemId id = 0; // 0 until the store takes the item
    QString folder; // ends with "/"
    QString name;
    // Where its output goes below the saving folder: the item's folder relative to the folder it
    // was added from with its sub folders ("Album B/Disc 2/"); empty for straight into it.
    QString subFolder;
    MediaInfo info; // what the probe learnt when the file was added
    bool checked = true;
    ItemState state = ItemState::Waiting;
    // While a conversion of the item runs: its percentage (0..100), or kProgressUnknown when the
    // converter's progress cannot be measured. kNoProgress when no conversion runs.
    int progress = -1;
    // The Status cell's tooltip: why a conversion failed, or the file a completed one wrote (after
    // how much of the file arrived, for one partly converted).
    QString reason;
    // What the bar says beside its percentage while the item converts ("1:05 left", "Paused").
    QString note;
    // The file the item's last completed or partial conversion of this session wrote (empty: none).
    // A new conversion of the item may replace it while it is still that file (`outputStamp`).
    QString output;
    FileStamp outputStamp;
    // The file's identity when it was added (0 and 0 when it could not be read), so that an
    // output reached through another name is still known to be this file.
    quint64 device = 0;
    quint64 inode = 0;

    static constexpr int kNoProgress = -1;
    static constexpr int kProgressUnknown = -2;

    QString path() const { return folder + name; }
    bool audioOnly() const { return info.outcome == ProbeOutcome::AudioOnly; }
    bool converting() const { return progress != kNoProgress; }
};

// Probes `folder` + `name` and makes its item: ticked, waiting, or of unknown format when the
// file cannot be converted. Safe on any thread.
MediaItem ProbeItem(const QString &folder, const QString &name);

// The columns of a media row.
struct MediaColumn
{
    enum : int { Select = 0, FileName, Location, Duration, TargetFormat, Status, Filler, Count };
};

// The listed media files, in list order, with no widget: the list window shows it as its item
// model, and the conversion queue and the command-line converter work on it. Rows are the list's
// order now; ids are the items' identities. Every change goes through the model's signals
// (ranged inserts and removals, a reset for Clear, dataChanged for an item's cells).
class MediaStore final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MediaStore)

public:
    // Beyond Qt's roles: on the Status column, the item's progress (MediaItem::progress); on the
    // Select column, the row image's kind (0 film, 1 sound).
    // On the Status column, how its text reads: StatusTone.
    // On the Status column, the bar's note (MediaItem::note).
    enum Role { ProgressRole = Qt::UserRole + 1, RowImageRole, IdRole, ToneRole, NoteRole };
    enum StatusTone { Neutral = 0, Good, Bad, Partial, Muted };

    explicit MediaStore(QObject *parent = nullptr);

    int count() const { return static_cast<int>(m_items.size()); }
    const MediaItem &at(int row) const { return m_items[static_cast<size_t>(row)]; }
    // The row of the item with `id` now, or -1 when it is no longer listed.
    int RowOf(ItemId id) const;
    // The item with `id`, or nullptr when it is no longer listed. Valid until the next change of
    // rows.
    const MediaItem *Find(ItemId id) const;
    // The id of the item that holds exactly this folder and name (case-sensitive), or 0.
    ItemId IdOf(const QString &folder, const QString &name) const;
    bool IsListed(const QString &folder, const QString &name) const { return IdOf(folder, name); }
    // The items of `ids` that are listed, each once, in the list's order as it stands now.
    QList<ItemId> InListOrder(const QList<ItemId> &ids) const;
    // True when an item was read from the file with this device and inode.
    bool ListsFile(quint64 device, quint64 inode) const;

    // Appends `item` unless its folder and name are listed already; returns its id or 0.
    ItemId Append(MediaItem item);
    // Appends every item not listed yet, in order, as one insert of rows. Returns how many.
    int AppendMany(std::vector<MediaItem> items);
    // Items taken out of the list, each with the row it stood at, first to last.
    using Removed = std::vector<std::pair<int, MediaItem>>;
    // Removes the items at `rows` (any order, duplicates ignored) and returns them.
    Removed Remove(QList<int> rows);
    // Removes every item and returns them.
    Removed Clear();
    // Puts removed items back at their rows (the list as it was before Remove, if nothing else
    // changed meanwhile), each with its id, unless its file is listed again by now.
    void Restore(const Removed &items);
    // Moves the items at `rows` (any order) so that they stand together, in their order, before
    // the item that is at row `before` now (count(): at the end). Returns false when nothing moved.
    bool Move(QList<int> rows, int before);

    // An item's fields, by id; nothing happens for an id that is no longer listed.
    void SetChecked(ItemId id, bool checked);
    // Sets the state and the Status tooltip.
    void SetState(ItemId id, ItemState state, const QString &reason = QString());
    // A progress of kNoProgress also clears the note.
    void SetProgress(ItemId id, int progress);
    void SetNote(ItemId id, const QString &note);
    void SetOutput(ItemId id, const QString &output, const FileStamp &stamp = FileStamp());

    // True when the rows, the ids and the listed names all agree: every item has its own id
    // below the next one given, stands at the row its id maps to, and is listed under its own
    // folder and name, once. For tests, after every change.
    bool IsConsistent() const;

    // What every row's "Target Format" cell says.
    void SetTargetFormat(const QString &label);
    // The Select cell's image for rows with video (film) and audio-only rows (sound): any value
    // a view can draw as a decoration (an icon); a null value leaves the rows without it.
    void SetRowImages(const QVariant &film, const QVariant &sound);

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    // A row being converted can be neither ticked nor dragged.
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Ticks or unticks an item through its Select cell's check state.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    // Rows are dragged within the list to reorder them: the dragged items travel as their ids,
    // and a drop moves them before the row dropped on (Move).
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    Qt::DropActions supportedDropActions() const override;

private:
    // The item with `id` to change, or nullptr; `row` gets its row.
    MediaItem *Edit(ItemId id, int *row);
    void ChangedCells(int row, int firstColumn, int lastColumn, const QList<int> &roles = {});
    void Reindex(int fromRow);

    std::vector<MediaItem> m_items;
    // The item that holds each (folder, name): adding n files to m items costs n look-ups.
    QHash<QPair<QString, QString>, ItemId> m_listed;
    QHash<ItemId, int> m_rows;
    ItemId m_nextId = 1;
    QString m_targetFormat; // as the list shows it, in the user's language
    QVariant m_images[2];
};
