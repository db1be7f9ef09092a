// Converts listed items side by side, each by its own converter, in the list's order.
#include "engine/convert/batch_queue.h"

#include "engine/convert/command_line.h"
#include "engine/convert/conversion_run.h"
#include "engine/convert/converter.h"
#include "engine/convert/presets.h"
#include "engine/convert/temporary_outputs.h"
#include "engine/media/file_names.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>

#include <algorithm>

namespace {

bool Convertible(const MediaItem &item)
{
    return item.checked && item.state != ItemState::UnknownFormat;
}

bool Exists(const QString &path)
{
    return !FileStamp::Of(path).isEmpty();
}

} // namespace

BatchQueue::BatchQueue(MediaStore *store, QObject *parent)
    : QObject(parent)
    , m_store(store)
{ }

BatchQueue::~BatchQueue()
{
    Shutdown();
}

void BatchQueue::SetSettingsSource(std::function<BatchSettings()> source)
{
    m_settings = std::move(source);
}

void BatchQueue::SetSlots(int slots)
{
    m_slots = slots;
    if (m_converting)
        m_estimate.SetSlots(this->slots(), Now());
}

int BatchQueue::slots() const
{
    return m_slots > 0 ? m_slots : DefaultSlots();
}

int BatchQueue::DefaultSlots()
{
    return qBound(1, QThread::idealThreadCount(), 8);
}

bool BatchQueue::Start(const QList<ItemId> &ids)
{
    if (m_converting)
        return false;
    m_pending.clear();
    for (ItemId id : ids) {
        const MediaItem *item = m_store->Find(id);
        if (item && Convertible(*item) && !m_pending.contains(id))
            m_pending << id;
    }
    if (m_pending.isEmpty())
        return false;
    // What a program killed outright left in the saving folder goes before a new batch writes.
    if (m_settings) {
        const BatchSettings now = m_settings();
        QSet<QString> folders {now.outputFolder};
        for (ItemId id : std::as_const(m_pending)) {
            const QString &sub = m_store->Find(id)->subFolder;
            if (now.keepTree && !sub.isEmpty() && !QDir::isRelativePath(now.outputFolder))
                folders.insert(QDir(now.outputFolder).filePath(sub));
        }
        for (const QString &folder : std::as_const(folders))
            RemoveDeadLeftovers(folder);
    }
    m_converting = true;
    m_stopped = false;
    m_reserved.clear();
    m_total = m_pending.size();
    m_completed = m_failed = m_canceled = m_partly = m_skipped = 0;
    m_clock.start();
    m_pausedMs = 0;
    m_estimate.Reset(slots(), 0);
    Q_EMIT BatchStarted();
    EmitProgress();
    StartMore();
    return true;
}

bool BatchQueue::Append(const QList<ItemId> &ids)
{
    if (!m_converting)
        return Start(ids);
    int joined = 0;
    for (ItemId id : ids) {
        const MediaItem *item = m_store->Find(id);
        if (item && Convertible(*item) && !IsQueued(id)) {
            m_pending << id;
            ++joined;
        }
    }
    if (joined == 0)
        return false;
    m_total += joined;
    m_estimate.SetWaiting(WaitingLengths(), Now());
    EmitProgress();
    StartMore();
    return true;
}

void BatchQueue::StartMore()
{
    while (m_converting && static_cast<int>(m_running.size()) < slots() && !m_paused) {
        // The waiting item that stands first in the list now: rows may have been moved since
        // the batch started. One that is no longer listed has left the batch.
        const QList<ItemId> waiting = m_store->InListOrder(m_pending);
        if (waiting.isEmpty()) {
            m_pending.clear();
            break;
        }
        m_pending.removeOne(waiting.first());
        StartItem(waiting.first());
    }
    if (m_converting && m_running.empty() && m_pending.isEmpty())
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_converting && m_running.empty() && m_pending.isEmpty())
                    EndBatch();
            },
            Qt::QueuedConnection);
}

void BatchQueue::StartItem(ItemId id)
{
    const MediaItem &item = *m_store->Find(id);
    m_estimate.SetWaiting(WaitingLengths(), Now());
    // A row converted again starts without the last run's words.
    m_store->SetState(id, item.state);
    Q_EMIT ItemStarted(id);

    const BatchSettings settings = m_settings ? m_settings() : BatchSettings();
    QString folder = settings.outputFolder;
    if (folder.isEmpty() || QDir::isRelativePath(folder)) {
        // Never into the program's working folder.
        EndItem(id, ItemState::InvalidSavingFolder,
                folder.isEmpty()
                    ? QCoreApplication::translate("Reasons", "No saving folder is chosen")
                    : QCoreApplication::translate("Reasons",
                                                  "%1: the saving folder is not an absolute path")
                          .arg(folder),
                QString());
        return;
    }
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    if (settings.keepTree && !item.subFolder.isEmpty()) {
        folder += item.subFolder;
        QString reason;
        if (!MakeFolders(folder, &reason)) {
            EndItem(id, ItemState::Failed, reason, QString());
            return;
        }
    }

    const Preset *preset = PresetById(settings.presetId);
    if (!preset)
        preset = PresetById(0);
    ConversionJob job;
    job.input = {item.path(), item.audioOnly(), settings.sizeLimit};
    // Without a known length the run measures how far the converter has read the file.
    job.durationSeconds = item.info.durationKnown ? item.info.durationSeconds : 0;
    job.outputFolder = folder;
    job.keepDates = settings.keepDates;
    job.preset = preset;
    job.converter = Converter();

    const QString ext = QString::fromLatin1(preset->extension);
    const QString base = OutputBaseName(item.name);
    // Converted before: its output's own name is taken, by a file that is not the input itself.
    const QString converted = folder + base + ext;
    if (settings.skipExisting && !m_reserved.contains(converted) && Exists(converted)
        && !IsListedFile(converted)) {
        EndItem(id, ItemState::AlreadyConverted,
                QCoreApplication::translate("Reasons", "%1 is there already").arg(converted),
                QString());
        return;
    }
    bool mayReplace = false;
    bool equalsListed = false;
    const QString output = ChooseOutput(id, folder, base, ext, &mayReplace, &equalsListed);
    if (equalsListed) {
        EndItem(id, ItemState::OutputEqualsInput, QString(), QString());
        return;
    }
    m_reserved.insert(output);

    auto run
        = std::make_unique<ConversionRun>(job, output, mayReplace, [this, id, folder, base, ext] {
              bool replace = false;
              bool listed = false;
              const QString next = ChooseOutput(id, folder, base, ext, &replace, &listed);
              m_reserved.insert(next);
              return next;
          });
    ConversionRun *raw = run.get();
    connect(raw, &ConversionRun::Advanced, this, [this, id, raw](int percent) {
        m_estimate.Report(id, raw->Done(), raw->speed(), Now());
        m_store->SetProgress(id, percent);
        EmitProgress();
    });
    connect(
        raw, &ConversionRun::Finished, this, [this, id] { OnRunFinished(id); },
        Qt::QueuedConnection);
    m_running[id] = std::move(run);
    m_startOrder << id;
    m_estimate.StartFile(id, job.durationSeconds, Now());
    m_store->SetProgress(id, 0);
    raw->Launch();
}

void BatchQueue::OnRunFinished(ItemId id)
{
    auto it = m_running.find(id);
    if (it == m_running.end())
        return;
    std::unique_ptr<ConversionRun> run = std::move(it->second);
    m_running.erase(it);
    m_startOrder.removeOne(id);
    m_estimate.Report(id, run->Done(), run->speed(), Now()); // its last words on speed
    EndItem(id, run->state(), run->reason(), run->output(), run->outputStamp());
}

void BatchQueue::EndItem(ItemId id, ItemState state, const QString &reason, const QString &output,
                         const FileStamp &stamp)
{
    m_store->SetProgress(id, MediaItem::kNoProgress);
    const bool written = state == ItemState::Completed || state == ItemState::PartlyConverted;
    m_estimate.EndFile(id, written, Now());
    if (written)
        m_store->SetOutput(id, output, stamp);
    m_store->SetState(id, state, state == ItemState::Canceled ? QString() : reason);
    if (state == ItemState::Completed)
        ++m_completed;
    else if (state == ItemState::PartlyConverted)
        ++m_partly;
    else if (state == ItemState::AlreadyConverted)
        ++m_skipped;
    else if (state == ItemState::Canceled)
        ++m_canceled;
    else
        ++m_failed;
    if (m_store->Find(id))
        Q_EMIT ItemFinished(id, state);
    EmitProgress();
    // Started from the event loop, so that a row that ends at once does not recurse.
    QMetaObject::invokeMethod(this, &BatchQueue::StartMore, Qt::QueuedConnection);
}

void BatchQueue::EmitProgress()
{
    if (m_total <= 0)
        return;
    double done = m_completed + m_failed + m_canceled + m_partly + m_skipped;
    for (const auto &entry : m_running) {
        if (const MediaItem *item = m_store->Find(entry.first))
            done += qMax(0, item->progress) / 100.0;
    }
    Q_EMIT Progress(qMin(1.0, done / m_total));
}

void BatchQueue::EndBatch()
{
    if (m_paused) {
        m_paused = false;
        Q_EMIT PauseChanged(false);
    }
    m_converting = false;
    m_reserved.clear();
    Q_EMIT BatchEnded(m_completed, m_failed, m_canceled);
}

void BatchQueue::SkipCurrent()
{
    for (auto &entry : m_running)
        entry.second->Abort();
}

bool BatchQueue::Cancel(ItemId id)
{
    if (!m_store->Find(id))
        return false;
    if (m_pending.removeOne(id)) {
        // It never started: the batch is one file shorter.
        --m_total;
        m_estimate.SetWaiting(WaitingLengths(), Now());
        EmitProgress();
        QMetaObject::invokeMethod(this, &BatchQueue::StartMore, Qt::QueuedConnection);
        return true;
    }
    const auto it = m_running.find(id);
    if (it == m_running.end())
        return false;
    it->second->Abort();
    return true;
}

void BatchQueue::StopAll()
{
    if (m_converting)
        m_stopped = true;
    m_pending.clear();
    m_estimate.SetWaiting({}, Now());
    SkipCurrent();
}

void BatchQueue::Shutdown()
{
    if (!m_converting)
        return;
    m_stopped = true;
    m_pending.clear();
    while (!m_running.empty()) {
        auto it = m_running.begin();
        const ItemId id = it->first;
        std::unique_ptr<ConversionRun> run = std::move(it->second);
        m_running.erase(it);
        m_startOrder.removeOne(id);
        run->Abort();
        run.reset(); // kills the converter's group and waits for it, a bounded time
        EndItem(id, ItemState::Canceled, QString(), QString());
    }
    EndBatch();
}

void BatchQueue::Pause()
{
    if (!m_converting || m_paused)
        return;
    m_paused = true;
    m_pausedAt = m_clock.elapsed();
    for (auto &entry : m_running)
        entry.second->SetPaused(true);
    Q_EMIT PauseChanged(true);
}

void BatchQueue::Resume()
{
    if (!m_paused)
        return;
    m_paused = false;
    m_pausedMs += m_clock.elapsed() - m_pausedAt;
    for (auto &entry : m_running)
        entry.second->SetPaused(false);
    Q_EMIT PauseChanged(false);
    StartMore();
}

double BatchQueue::Now() const
{
    if (!m_clock.isValid())
        return 0;
    const qint64 end = m_paused ? m_pausedAt : m_clock.elapsed();
    return (end - m_pausedMs) / 1000.0;
}

QList<double> BatchQueue::WaitingLengths() const
{
    QList<double> lengths;
    lengths.reserve(m_pending.size());
    for (ItemId id : m_pending) {
        const MediaItem *item = m_store->Find(id);
        if (!item)
            continue; // no longer listed: it has left the batch
        lengths << (item->info.durationKnown ? item->info.durationSeconds : 0);
    }
    return lengths;
}

double BatchQueue::TimeLeft(ItemId id) const
{
    return m_running.count(id) ? m_estimate.FileTimeLeft(id, Now()) : -1;
}

double BatchQueue::Speed(ItemId id) const
{
    return m_estimate.Speed(id);
}

double BatchQueue::BatchTimeLeft() const
{
    return m_converting ? m_estimate.BatchTimeLeft(Now()) : -1;
}

QList<ItemId> BatchQueue::RunningItems() const
{
    QList<ItemId> ids;
    for (const auto &entry : m_running)
        ids << entry.first;
    return m_store->InListOrder(ids);
}

ItemId BatchQueue::FirstStarted() const
{
    return m_startOrder.value(0);
}

QList<ItemId> BatchQueue::PendingItems() const
{
    return m_store->InListOrder(m_pending);
}

bool BatchQueue::IsQueued(ItemId id) const
{
    return m_running.count(id) != 0 || m_pending.contains(id);
}

QList<qint64> BatchQueue::ConverterPids() const
{
    QList<qint64> pids;
    for (const auto &entry : m_running) {
        if (const qint64 pid = entry.second->pid())
            pids << pid;
    }
    return pids;
}

bool BatchQueue::IsListedFile(const QString &path) const
{
    const FileStamp stamp = FileStamp::OfTarget(path);
    return !stamp.isEmpty() && m_store->ListsFile(stamp.device, stamp.inode);
}

bool BatchQueue::IsTaken(const QString &path) const
{
    return m_reserved.contains(path) || Exists(path);
}

QString BatchQueue::ChooseOutput(ItemId id, const QString &folder, const QString &base,
                                 const QString &ext, bool *mayReplace, bool *equalsListed)
{
    *mayReplace = false;
    *equalsListed = false;
    // The item's earlier output is its own only while it is still the file the item wrote.
    const MediaItem *item = m_store->Find(id);
    const QString own
        = item && FileStamp::Of(item->output) == item->outputStamp ? item->output : QString();
    // A name that takes the folder's longest leaves no room for " (2)": its base gives way.
    const int maxBytes = MaxNameBytes(folder);
    for (int n = 1;; ++n) {
        const QString path
            = n == 1 ? folder + base + ext : folder + NumberedName(base, n, ext, maxBytes);
        if (n == 1 && IsListedFile(path)) {
            *equalsListed = true;
            return path;
        }
        // Listed since, the earlier output is another row's file now.
        if (!own.isEmpty() && path == own && !m_reserved.contains(path) && !IsListedFile(path)) {
            *mayReplace = true;
            return path;
        }
        if (!IsTaken(path))
            return path;
    }
}
