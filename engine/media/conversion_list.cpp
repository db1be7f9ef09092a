// The list of media files and its batch, as one object that both programs drive.
#include "engine/media/conversion_list.h"

#include "engine/media/file_names.h"
#include "engine/platform/file_system_pool.h"

#include <QMutex>
#include <QMutexLocker>
#include <QThreadPool>

namespace {

// The folder part and the name of `path`, in the order the store keys them.
QPair<QString, QString> FolderAndName(const QString &path)
{
    const auto [name, folder] = SplitPath(path);
    return qMakePair(folder, name);
}

// A kept item as it is to come back: itself while its file is the one it was read from, probed
// again when another file took its name, left out when there is none. Safe on any thread.
MediaItem Revived(MediaItem item)
{
    const FileStamp stamp = FileStamp::OfPlainFile(item.path(), true);
    if (stamp.isEmpty()) {
        item.id = MediaAdder::kLeaveOut;
        return item;
    }
    if (stamp.device != item.device || stamp.inode != item.inode) {
        const bool checked = item.checked;
        const QString subFolder = item.subFolder;
        item = ProbeItem(item.folder, item.name);
        item.checked = checked;
        item.subFolder = subFolder;
    }
    item.progress = MediaItem::kNoProgress;
    return item;
}

} // namespace

// A folder scan shares this with its pool thread, which may outlive the list (a scan stalled on
// a hung mount is never waited for).
struct ConversionList::Scan
{
    QMutex mutex;
    ConversionList *receiver = nullptr; // null once the scan is no longer wanted
};

ConversionList::ConversionList(QObject *parent)
    : QObject(parent)
{
    connect(&m_adder, &MediaAdder::Progress, this, &ConversionList::AddProgress);
    connect(&m_adder, &MediaAdder::Finished, this, &ConversionList::OnAdderFinished);
    connect(&m_batch, &BatchQueue::BatchStarted, this, [this] { m_failed.clear(); });
    connect(&m_batch, &BatchQueue::ItemFinished, this, [this](ItemId id, ItemState state) {
        // A partial output is kept: converting the same cut file again would give the same.
        if (state != ItemState::Completed && state != ItemState::PartlyConverted
            && state != ItemState::AlreadyConverted)
            m_failed.insert(id);
    });
    connect(&m_watch, &FolderWatch::Arrived, this, &ConversionList::OnArrived);
    connect(&m_watch, &FolderWatch::FolderChanged, this, &ConversionList::WatchChanged);
}

ConversionList::~ConversionList()
{
    m_requests.clear();
    if (m_scan) {
        QMutexLocker lock(&m_scan->mutex);
        m_scan->receiver = nullptr;
    }
    m_batch.Shutdown();
}

void ConversionList::AddPaths(const QStringList &paths, AddDone done)
{
    Request request;
    request.paths = paths;
    request.whenAdded = std::move(done);
    Ask(std::move(request));
}

void ConversionList::AddFolder(const QString &folder, bool subFolders, AddDone done)
{
    Request request;
    request.kind = Request::Folder;
    request.folder = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    request.subFolders = subFolders;
    request.whenAdded = std::move(done);
    request.report.folder = true;
    Ask(std::move(request));
}

void ConversionList::SetProbe(MediaAdder::ProbeFunction probe)
{
    m_probe = probe;
    m_adder.SetProbe(std::move(probe));
}

MediaAdder::ProbeFunction ConversionList::TreeProbe(const QString &root) const
{
    const MediaAdder::ProbeFunction probe
        = m_probe ? m_probe : MediaAdder::ProbeFunction(&ProbeItem);
    return [probe, root](const QString &folder, const QString &name) {
        MediaItem item = probe(folder, name);
        item.subFolder = folder.mid(root.size());
        return item;
    };
}

void ConversionList::Watch(const QString &folder, bool subFolders, bool existing)
{
    m_watch.Watch(folder, subFolders, existing);
}

void ConversionList::Unwatch(const QString &folder)
{
    m_watch.Unwatch(folder);
}

void ConversionList::OnArrived(const QString &folder, const QString &path)
{
    const auto [parent, name] = FolderAndName(path);
    // A saving folder in the watched tree holds this program's outputs: taking them would convert
    // them again and again.
    QString saving = m_batch.settings().outputFolder;
    if (!saving.isEmpty() && !saving.endsWith(QLatin1Char('/')))
        saving += QLatin1Char('/');
    const bool output = !saving.isEmpty() && saving.startsWith(folder) && path.startsWith(saving);
    if (output || m_store.IsListed(parent, name))
        return;
    Request request;
    request.paths = QStringList {path};
    request.arrival = true;
    if (m_watch.IsSubFolders(folder))
        request.root = folder;
    Ask(std::move(request));
}

void ConversionList::Restore(std::vector<MediaItem> items, AddDone done)
{
    Request request;
    request.kind = Request::Restore;
    request.items = std::move(items);
    request.whenAdded = std::move(done);
    Ask(std::move(request));
}

void ConversionList::Ask(Request request)
{
    m_requests.push_back(std::move(request));
    StartNextAdd();
}

void ConversionList::StartNextAdd()
{
    if (m_current || m_requests.empty())
        return;
    m_current = std::move(m_requests.front());
    m_requests.pop_front();
    Request &request = *m_current;
    if (request.kind == Request::Paths) {
        QStringList paths = request.paths;
        request.report.undecodable = TakeUndecodablePaths(paths);
        Probe(paths,
              request.root.isEmpty() ? MediaAdder::ProbeFunction() : TreeProbe(request.root));
    } else if (request.kind == Request::Restore) {
        QStringList paths;
        auto kept = std::make_shared<QHash<QString, MediaItem>>();
        for (const MediaItem &item : request.items) {
            paths << item.path();
            kept->insert(item.path(), item);
        }
        auto gone = request.gone;
        Probe(paths, [kept, gone](const QString &folder, const QString &name) {
            MediaItem item = Revived(kept->value(folder + name));
            if (item.id == MediaAdder::kLeaveOut) {
                QMutexLocker lock(&gone->mutex);
                gone->paths.insert(folder + name);
            }
            return item;
        });
    } else {
        // Scanned off this thread, as a folder on a slow or hung mount may take long; what the
        // list holds is left out when the scan is back, with the list as it stands then.
        m_scan = std::make_shared<Scan>();
        m_scan->receiver = this;
        FileSystemPool()->start(
            [scan = m_scan, folder = request.folder, subFolders = request.subFolders] {
                FolderScan found = ScanFolder(folder, subFolders);
                QMutexLocker lock(&scan->mutex);
                if (ConversionList *receiver = scan->receiver)
                    QMetaObject::invokeMethod(
                        receiver,
                        [receiver, scan, found = std::move(found)]() mutable {
                            if (receiver->m_scan == scan)
                                receiver->OnScanned(std::move(found));
                        },
                        Qt::QueuedConnection);
            });
    }
}

void ConversionList::OnScanned(FolderScan scan)
{
    m_scan.reset();
    Request &request = *m_current;
    QStringList paths;
    for (const QString &path : std::as_const(scan.paths)) {
        const auto [folder, name] = FolderAndName(path);
        if (m_store.IsListed(folder, name))
            scan.leftOut.listed << path.mid(request.folder.size());
        else
            paths << path;
    }
    request.report.leftOut = scan.leftOut;
    request.report.undecodable = TakeUndecodablePaths(paths);
    Probe(paths, request.subFolders ? TreeProbe(request.folder) : MediaAdder::ProbeFunction());
}

void ConversionList::Probe(const QStringList &paths, MediaAdder::ProbeFunction probe)
{
    QList<QPair<QString, QString>> files;
    files.reserve(paths.size());
    for (const QString &path : paths)
        files << FolderAndName(path);
    Q_EMIT AddStarted(static_cast<int>(files.size()));
    m_adder.Start(files, std::move(probe));
}

void ConversionList::OnAdderFinished(int added)
{
    if (!m_current)
        return;
    Request finished = std::move(*m_current);
    m_current.reset();
    finished.report.added = added;
    if (finished.arrival) {
        for (const QString &path : std::as_const(finished.paths)) {
            const auto [folder, name] = FolderAndName(path);
            if (const ItemId id = m_store.IdOf(folder, name))
                finished.report.arrived << id;
        }
    }
    for (const MediaItem &item : finished.items) {
        finished.report.restored << m_store.IdOf(item.folder, item.name);
        QMutexLocker lock(&finished.gone->mutex);
        if (finished.gone->paths.contains(item.path()))
            finished.report.missing << item.path();
    }
    // The list's own word first (the window's messages), then the one who asked.
    Q_EMIT AddFinished(finished.report);
    if (finished.whenAdded)
        finished.whenAdded(finished.report);
    // After the word that they were added: a file may end at once ("Already Converted").
    if (finished.arrival && m_convertArrivals)
        ConvertMore(finished.report.arrived);
    // The next add waits for the event loop: this one's signals have all been delivered first.
    QMetaObject::invokeMethod(this, &ConversionList::StartNextAdd, Qt::QueuedConnection);
}

void ConversionList::CancelAdd()
{
    if (!m_current)
        return;
    if (m_scan) {
        // Nothing was probed yet: the add ends with nothing added.
        {
            QMutexLocker lock(&m_scan->mutex);
            m_scan->receiver = nullptr;
        }
        m_scan.reset();
        OnAdderFinished(0);
        return;
    }
    m_adder.Cancel();
}

void ConversionList::CancelAllAdds()
{
    m_requests.clear();
    CancelAdd();
}

void ConversionList::Remove(const QList<ItemId> &ids)
{
    QList<int> rows;
    for (ItemId id : ids) {
        const int row = m_store.RowOf(id);
        if (row >= 0 && !m_batch.IsRunning(id))
            rows << row;
    }
    if (!rows.isEmpty())
        m_removed = m_store.Remove(rows);
}

void ConversionList::RemoveAll()
{
    if (m_batch.RunningItems().isEmpty()) {
        if (m_store.count() > 0)
            m_removed = m_store.Clear();
        return;
    }
    QList<ItemId> ids;
    for (int row = 0; row < m_store.count(); ++row)
        ids << m_store.at(row).id;
    Remove(ids);
}

void ConversionList::UndoRemove()
{
    MediaStore::Removed removed;
    removed.swap(m_removed);
    // A row that was converting when it went is waiting again when it comes back.
    for (auto &entry : removed)
        entry.second.progress = MediaItem::kNoProgress;
    m_store.Restore(removed);
}

void ConversionList::CheckAll()
{
    for (int row = 0; row < m_store.count(); ++row)
        m_store.SetChecked(m_store.at(row).id, true);
}
