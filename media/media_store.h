#pragma once

#include "media/probe.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QSet>
#include <QString>

#include <vector>

// Where a listed file stands. Each state has one Status text (StateText), which the list shows.
enum class ItemState {
    Waiting, // can be converted, and has not been yet
    UnknownFormat, // cannot be read or converted; conversions pass it over
    Completed,
    Canceled,
    Failed,
    ConverterNotFound,
    OutputEqualsInput,
    InvalidSavingFolder, // the saving folder is empty or not an absolute path
};

// The Status text of `state`, exactly as the list shows it.
QString StateText(ItemState state);
// True for the states a finished conversion reports as not done (neither completed nor canceled).
bool IsFailure(ItemState state);

// What tells one file from another under the same name: a file written earlier is still that
// file only while its device, inode, size and modification time are all unchanged.
struct FileStamp
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = -1;
    qint64 modifiedNs = 0;

    // The stamp of the file at `path` now (not following a final symbolic link); an empty stamp
    // when there is none.
    static FileStamp Of(const QString &path);
    bool isEmpty() const { return inode == 0 && size < 0; }
    bool operator==(const FileStamp &other) const
    {
        return device == other.device && inode == other.inode && size == other.size
            && modifiedNs == other.modifiedNs;
    }
    bool operator!=(const FileStamp &other) const { return !(*this == other); }
};

// One listed media file and everything the program knows of it.
struct MediaItem
{
    QString folder; // ends with "/"
    QString name;
    MediaInfo info; // what the probe learnt when the file was added
    bool checked = true;
    ItemState state = ItemState::Waiting;
    // While a conversion of the item runs: its percentage (0..100), or kProgressUnknown when the
    // converter's progress cannot be measured. kNoProgress when no conversion runs.
    int progress = -1;
    // The Status cell's tooltip: why a conversion failed, or the file a completed one wrote.
    QString reason;
    // The file the item's last completed conversion of this session wrote (empty: none). A new
    // conversion of the item may replace it while it is still that file (`outputStamp`).
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

// The listed media files, in list order, with no widget: the list window, the conversion queue
// and the command-line converter all work on one of these. Every change is announced by a
// signal, after it is made.
class MediaStore : public QObject
{
    Q_OBJECT

public:
    explicit MediaStore(QObject *parent = nullptr);

    int count() const { return static_cast<int>(m_items.size()); }
    const MediaItem &at(int row) const { return m_items[static_cast<size_t>(row)]; }

    // True when an item holds exactly this folder and name (case-sensitive).
    bool IsListed(const QString &folder, const QString &name) const;

    // Appends `item` unless its folder and name are listed already; returns its row or -1.
    int Append(MediaItem item);
    // Removes the items at `rows` (any order, duplicates ignored).
    void Remove(QList<int> rows);
    void Clear();

    void SetChecked(int row, bool checked);
    // Sets the state and the Status tooltip.
    void SetState(int row, ItemState state, const QString &reason = QString());
    void SetProgress(int row, int progress);
    void SetOutput(int row, const QString &output, const FileStamp &stamp = FileStamp());

Q_SIGNALS:
    void ItemAppended(int row);
    void ItemRemoved(int row); // rows after it have moved up by one
    void Cleared();
    void ItemChanged(int row); // ticked, state or tooltip
    void ProgressChanged(int row, int progress);

private:
    std::vector<MediaItem> m_items;
    // How many items hold each (folder, name): adding n files to m items costs n look-ups.
    QSet<QPair<QString, QString>> m_listed;
};
