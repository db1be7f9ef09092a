#pragma once

#include "engine/convert/batch_queue.h"
#include "engine/media/folder_scan.h"
#include "engine/media/folder_watch.h"
#include "engine/media/media_adder.h"
#include "engine/media/media_store.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// What one add did, for whoever asked for it.
struct AddReport
{
    int added = 0; // rows appended
    bool folder = false; // the add was of a folder's media files
    LeftOut leftOut; // what the folder add left out
    QStringList undecodable; // given paths decoded from names that are not valid UTF-8
    QStringList missing; // restored files that no longer exist
    QList<ItemId> restored; // the id of each restored item, 0 for one left out
    QList<ItemId> arrived; // the items appended for files that arrived in a watched folder
};

// The list of media files and its batch: the one owner of the store, the adds into it (probes
// and folder scans on a pool of threads, requests served in the order asked), the undo of a
// removal, the set of items that failed in the last batch, the batch queue, and the watched
// folders. The window and the command-line converter drive it; neither assembles its parts.
//
// A folder added with its sub folders keeps its tree: each item's MediaItem::subFolder is its
// folder relative to the added one, and its output goes there below the saving folder.
class ConversionList final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConversionList)

public:
    using AddDone = std::function<void(const AddReport &report)>;

    explicit ConversionList(QObject *parent = nullptr);
    // Cancels every add (never waiting for a probe or scan) and stops the batch.
    ~ConversionList() override;

    MediaStore &store() { return m_store; }
    const MediaStore &store() const { return m_store; }
    BatchQueue &batch() { return m_batch; }
    const BatchQueue &batch() const { return m_batch; }

    // Adds each of `paths` not listed yet, in order; paths decoded from names that are not valid
    // UTF-8 are left out (AddReport::undecodable).
    void AddPaths(const QStringList &paths, AddDone done = {});
    // Adds the media files of `folder` (ScanFolder, with the folders below it when `subFolders`,
    // each item then with its MediaItem::subFolder) that are not listed yet. The folder is
    // scanned when the add's turn comes, off this thread.
    void AddFolder(const QString &folder, bool subFolders, AddDone done = {});
    // Appends `items`, a list kept by an earlier run, with their ticks, states and outputs: a file
    // that no longer exists (or is no regular file) is left out, one replaced under the same name
    // is probed again with its tick kept, and none is converting.
    void Restore(std::vector<MediaItem> items, AddDone done = {});
    // True while an add runs or waits.
    bool adding() const { return m_current.has_value() || !m_requests.empty(); }
    // Ends the running add, keeping the rows added so far; the adds waiting go on.
    void CancelAdd();
    // Ends the running add and drops every waiting one.
    void CancelAllAdds();
    // How many files an add probes at a time (0: one per core), and what probes them (see
    // MediaAdder::SetProbe).
    void SetProbeThreads(int threads) { m_adder.SetThreads(threads); }
    void SetProbe(MediaAdder::ProbeFunction probe);

    // Watches `folder` (FolderWatch), with its sub folders when `subFolders`: each media file
    // that arrives complete is added (its tree kept with `subFolders`), unless it is listed
    // already or lies in the saving folder's tree (BatchQueue::settings) where that is in the
    // watched one. With `existing`, the files there now count as arrived.
    void Watch(const QString &folder, bool subFolders, bool existing = false);
    void Unwatch(const QString &folder);
    const FolderWatch &watch() const { return m_watch; }
    // Whether the files that arrive are converted once added (see ConvertMore).
    void SetConvertArrivals(bool on) { m_convertArrivals = on; }

    // Removes the items `ids` but never one being converted; Undo brings them back once.
    void Remove(const QList<ItemId> &ids);
    // Removes every item but those being converted.
    void RemoveAll();
    // Brings back what the last Remove or RemoveAll took, in its places, waiting.
    void UndoRemove();
    // Ticks every item.
    void CheckAll();

    // Starts a batch over `ids` (see BatchQueue::Start).
    bool Convert(const QList<ItemId> &ids) { return m_batch.Start(ids); }
    // Converts `ids` in the running batch, or in a new one when none runs (BatchQueue::Append).
    bool ConvertMore(const QList<ItemId> &ids) { return m_batch.Append(ids); }
    // The items that failed or were canceled in the last batch and are still listed, in list
    // order; RetryFailed converts them again.
    QList<ItemId> FailedItems() const { return m_store.InListOrder(m_failed.values()); }
    bool RetryFailed() { return !m_batch.IsConverting() && m_batch.Start(FailedItems()); }

Q_SIGNALS:
    // An add starts probing `total` files.
    void AddStarted(int total);
    // `done` of the `total` files have been appended or refused, in order.
    void AddProgress(int done, int total);
    // An add has ended, completed or cancelled; its AddDone runs right after.
    void AddFinished(const AddReport &report);
    // A watched folder is gone or cannot be read (`problem` says why), or is watched (`problem`
    // empty).
    void WatchChanged(const QString &folder, const QString &problem);

private:
    struct Request
    {
        enum Kind { Paths, Folder, Restore } kind = Paths;
        QStringList paths; // Paths
        QString folder; // Folder: ends with "/"
        bool subFolders = false;
        QString root; // Paths: keeps the tree below this folder (ending with "/")
        bool arrival = false; // Paths: files that arrived in a watched folder
        std::vector<MediaItem> items; // Restore
        // Restore: the files found gone, told by the probes as they run.
        struct Gone
        {
            QMutex mutex;
            QSet<QString> paths;
        };
        std::shared_ptr<Gone> gone = std::make_shared<Gone>();
        AddDone whenAdded;
        AddReport report;
    };
    struct Scan;

    void Ask(Request request);
    void StartNextAdd();
    void Probe(const QStringList &paths, MediaAdder::ProbeFunction probe);
    void OnScanned(FolderScan scan);
    void OnAdderFinished(int added);
    void OnArrived(const QString &folder, const QString &path);
    // The probe of an add whose items keep their folders relative to `root`.
    MediaAdder::ProbeFunction TreeProbe(const QString &root) const;

    MediaStore m_store;
    MediaAdder m_adder {&m_store};
    BatchQueue m_batch {&m_store};
    std::deque<Request> m_requests;
    std::optional<Request> m_current;
    std::shared_ptr<Scan> m_scan; // the folder scan running now, if any
    MediaStore::Removed m_removed; // what the last Remove or RemoveAll took
    QSet<ItemId> m_failed; // items that failed or were canceled in the last batch
    MediaAdder::ProbeFunction m_probe; // as SetProbe gave it
    FolderWatch m_watch;
    bool m_convertArrivals = false;
};
