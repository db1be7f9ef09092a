// Adds files to the store: probes on the file-system pool, rows appended in the order given.
#include "engine/media/media_adder.h"

#include "engine/platform/file_system_pool.h"

#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <optional>

namespace {

// Rows are appended at most this often while probes keep arriving: every append lets the list
// repaint, and repainting after each row would cost more than probing it.
constexpr qint64 kAppendIntervalMs = 40;
// One round of appending gives the event loop its turn after this long, so that a long backlog
// (the rows held behind a file that took long) cannot keep Cancel or a repaint waiting.
constexpr qint64 kAppendBudgetMs = 20;
// Items taken from the probes' results at a time.
constexpr size_t kChunk = 64;

// Probes that run now, of any add: at the start of an add, the ones still running belong to an
// earlier add and may be stalled on a hung mount, so the pool gets that many threads more.
std::atomic<int> g_probing {0};

} // namespace

// What an add shares with its probe threads. A thread holds it as long as it probes, so it may
// outlive the adder.
struct MediaAdder::Batch
{
    std::vector<QPair<QString, QString>> files; // to probe; unchanged once the threads run
    ProbeFunction probe;
    std::atomic<int> next {0}; // the next file a thread takes
    std::atomic<bool> canceled {false};

    QMutex mutex; // guards what follows
    std::vector<std::optional<MediaItem>> results; // by file, until appended
    size_t stored = 0; // results stored so far
    MediaAdder *receiver = nullptr; // null once the add has ended
    bool notified = false; // a notice is on its way to the receiver
};

void MediaAdder::ProbeFiles(const std::shared_ptr<Batch> &batch)
{
    const int count = static_cast<int>(batch->files.size());
    while (!batch->canceled.load(std::memory_order_relaxed)) {
        const int index = batch->next.fetch_add(1);
        if (index >= count)
            return;
        const auto &[folder, name] = batch->files[static_cast<size_t>(index)];
        ++g_probing;
        MediaItem item = batch->probe(folder, name);
        --g_probing;
        QMutexLocker lock(&batch->mutex);
        if (!batch->receiver)
            return;
        batch->results[static_cast<size_t>(index)] = std::move(item);
        ++batch->stored;
        if (!batch->notified || batch->stored == batch->files.size()) {
            batch->notified = true;
            // Runs on the adder's thread, or not at all if the adder is gone by then.
            MediaAdder *receiver = batch->receiver;
            const Batch *posted = batch.get();
            QMetaObject::invokeMethod(
                receiver, [receiver, posted] { receiver->OnProbed(posted); }, Qt::QueuedConnection);
        }
    }
}

MediaAdder::MediaAdder(MediaStore *store, QObject *parent)
    : QObject(parent)
    , m_store(store)
{
    m_appendTimer.setSingleShot(true);
    connect(&m_appendTimer, &QTimer::timeout, this, &MediaAdder::AppendReady);
}

MediaAdder::~MediaAdder()
{
    if (m_batch) {
        m_batch->canceled = true;
        // Under the lock: no thread posts to this object once it is being destroyed.
        QMutexLocker lock(&m_batch->mutex);
        m_batch->receiver = nullptr;
    }
}

void MediaAdder::SetThreads(int threads)
{
    m_threads = qMax(0, threads);
}

void MediaAdder::SetProbe(ProbeFunction probe)
{
    m_probe = std::move(probe);
}

bool MediaAdder::Start(const QList<QPair<QString, QString>> &files, ProbeFunction probe)
{
    if (m_running)
        return false;
    auto batch = std::make_shared<Batch>();
    batch->probe = probe ? std::move(probe) : m_probe ? m_probe : ProbeFunction(&ProbeItem);
    m_positions.clear();
    m_total = static_cast<int>(files.size());
    m_head = 0;
    m_added = 0;
    // Duplicates are refused before anything is probed.
    QSet<QPair<QString, QString>> given;
    given.reserve(files.size());
    for (int i = 0; i < files.size(); ++i) {
        const QPair<QString, QString> &file = files[i];
        if (file.second.isEmpty() || m_store->IsListed(file.first, file.second)
            || given.contains(file))
            continue;
        given.insert(file);
        batch->files.push_back(file);
        m_positions.push_back(i);
    }
    batch->results.resize(batch->files.size());
    batch->receiver = this;
    m_batch = batch;
    m_running = true;
    m_sinceAppend.invalidate();
    if (batch->files.empty()) {
        Finish();
        return true;
    }

    const int cores = m_threads > 0 ? m_threads : qMax(1, QThread::idealThreadCount());
    const int threads = qMin(cores, static_cast<int>(batch->files.size()));
    // Shared with other work on files: never fewer threads than this add and the stalled
    // probes need.
    QThreadPool *pool = FileSystemPool();
    pool->setMaxThreadCount(qMax(pool->maxThreadCount(), threads + g_probing.load()));
    for (int t = 0; t < threads; ++t)
        pool->start([batch] { ProbeFiles(batch); });
    return true;
}

void MediaAdder::Cancel()
{
    Finish();
}

void MediaAdder::OnProbed(const Batch *batch)
{
    // A notice of an add that has ended meanwhile is stale.
    if (m_running && m_batch.get() == batch)
        ScheduleAppend();
}

void MediaAdder::ScheduleAppend()
{
    bool all = false;
    {
        QMutexLocker lock(&m_batch->mutex);
        all = m_batch->stored == m_batch->files.size();
    }
    // The last rows go in at once: a short add should not wait for the next round.
    if (all) {
        m_appendTimer.stop();
        AppendReady();
        return;
    }
    if (m_appendTimer.isActive())
        return;
    const qint64 wait
        = m_sinceAppend.isValid() ? kAppendIntervalMs - m_sinceAppend.elapsed() : qint64(0);
    if (wait <= 0)
        AppendReady();
    else
        m_appendTimer.start(static_cast<int>(wait));
}

void MediaAdder::AppendReady()
{
    if (!m_running)
        return;
    const std::shared_ptr<Batch> batch = m_batch;
    const int count = static_cast<int>(m_positions.size());
    m_sinceAppend.start();
    QElapsedTimer budget;
    budget.start();
    bool more = false;
    while (m_head < count) {
        std::vector<MediaItem> ready;
        int taken = 0;
        {
            QMutexLocker lock(&batch->mutex);
            // A result stored after this look sends a new notice.
            batch->notified = false;
            for (size_t i = static_cast<size_t>(m_head); i < static_cast<size_t>(count); ++i) {
                std::optional<MediaItem> &result = batch->results[i];
                if (!result || taken == int(kChunk))
                    break;
                if (result->id != kLeaveOut)
                    ready.push_back(std::move(*result));
                result.reset();
                ++taken;
            }
        }
        if (taken == 0)
            break;
        // One insert of rows per round: the list lays itself out once for all of them.
        m_head += taken;
        m_added += m_store->AppendMany(std::move(ready));
        // A slot of the store's signals may have cancelled the add.
        if (!m_running || m_batch != batch)
            return;
        Q_EMIT Progress(m_head < count ? m_positions[static_cast<size_t>(m_head)] : m_total,
                        m_total);
        if (!m_running || m_batch != batch)
            return;
        if (budget.elapsed() >= kAppendBudgetMs) {
            more = true;
            break;
        }
    }
    if (m_head == count)
        Finish();
    else if (more)
        m_appendTimer.start(0);
}

void MediaAdder::Finish()
{
    if (!m_running)
        return;
    m_running = false;
    m_appendTimer.stop();
    if (m_batch) {
        m_batch->canceled = true;
        QMutexLocker lock(&m_batch->mutex);
        m_batch->receiver = nullptr;
        // Items probed but not appended are dropped with the add.
        m_batch->results.clear();
    }
    m_batch.reset();
    Q_EMIT Finished(m_added);
}
