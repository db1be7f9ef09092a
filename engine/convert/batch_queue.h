#pragma once

#include "engine/convert/time_left.h"
#include "engine/media/media_store.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <map>
#include <memory>

class ConversionRun;

// What each file's conversion takes from the program at the moment it starts.
struct BatchSettings
{
    int presetId = 0;
    QString outputFolder; // an absolute folder; "/" is added when it lacks one
    int sizeLimit = 0; // 0, 1080, 720 or 480: the height limit of the presets that take one
    bool keepDates = true; // each output takes its input's modification time
    // Each output goes below the saving folder into its item's MediaItem::subFolder (made as
    // needed); off, every output goes straight into the saving folder.
    bool keepTree = true;
    // A file whose output name is taken in its output folder already ends "Already Converted"
    // instead of getting a numbered name.
    bool skipExisting = false;
};

// Converts listed items with up to `slots` converters side by side, starting the next waiting one
// as soon as one ends, in the list's order as it stands then. Works on a MediaStore, with no
// widget: it sets each item's progress while it converts and its state, tooltip and output when
// it ends.
//
// Items are held by id while a batch runs: rows may be removed, moved or appended meanwhile. A
// waiting item that is removed is passed over; an item being converted must not be removed (its
// conversion is canceled first).
class BatchQueue final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BatchQueue)

public:
    explicit BatchQueue(MediaStore *store, QObject *parent = nullptr);
    // Stops a running batch; no converter outlives the queue.
    ~BatchQueue() override;

    // Asked once for each file, when its conversion starts.
    void SetSettingsSource(std::function<BatchSettings()> source);
    // How many conversions run at a time; 0 or less means DefaultSlots(). Counts from the next
    // file that starts.
    void SetSlots(int slots);
    int slots() const;
    // The number of processor cores, at most 8.
    static int DefaultSlots();

    // Converts the items `ids`, passing over the ones that are not listed, not ticked or cannot
    // be converted. False, and nothing starts, while a batch runs or when none can convert.
    bool Start(const QList<ItemId> &ids);
    // Converts the items `ids` too: they join the running batch after its waiting items, or
    // start one (Start) when none runs. False when none can convert.
    bool Append(const QList<ItemId> &ids);
    // What the next file to start takes from the program.
    BatchSettings settings() const { return m_settings ? m_settings() : BatchSettings(); }
    // Ends every conversion running now ("User Canceled!"); the batch goes on with the rows
    // after them.
    void SkipCurrent();
    // Ends the conversion of item `id` ("User Canceled!"), or takes it out of the batch when it
    // waits; the others go on. False when the item is not part of the running batch.
    bool Cancel(ItemId id);
    // Ends every running conversion and starts nothing more.
    void StopAll();
    // StopAll, then waits (a bounded time) until every converter is gone and the batch has ended.
    void Shutdown();
    // Stops every running converter's whole process group and starts no file until Resume, which
    // continues them; the time left stands still meanwhile. Stopping, Shutdown and the program's
    // end still end every converter, and leave no partial file. Nothing without a batch.
    void Pause();
    void Resume();
    bool IsPaused() const { return m_paused; }

    bool IsConverting() const { return m_converting; }
    // The running or last batch: its files, and how many of them ended which way so far.
    int total() const { return m_total; }
    int completed() const { return m_completed; }
    int failed() const { return m_failed; }
    int canceled() const { return m_canceled; }
    // Files whose output was kept but holds only part of the input (counted apart).
    int partly() const { return m_partly; }
    // Files whose output was there already ("Already Converted").
    int skipped() const { return m_skipped; }
    // True when the running or last batch was ended by StopAll or Shutdown.
    bool wasStopped() const { return m_stopped; }
    // The items being converted now, in list order.
    QList<ItemId> RunningItems() const;
    // The item being converted now whose conversion started first, or 0 when none runs.
    ItemId FirstStarted() const;
    bool IsRunning(ItemId id) const { return m_running.count(id) != 0; }
    // True when item `id` waits in the running batch or is being converted.
    bool IsQueued(ItemId id) const;
    // The items of the running batch that have not started yet, in list order.
    QList<ItemId> PendingItems() const;
    // The process ids of the converters running now.
    QList<qint64> ConverterPids() const;
    // Seconds left of the conversion of item `id`, -1 when there is no telling (yet) or it does
    // not convert; the converter's last told speed for it (seconds of media per second, 0
    // unknown), kept until the next batch; and seconds left of the batch, the slots side by side,
    // -1 while there is no telling.
    double TimeLeft(ItemId id) const;
    double Speed(ItemId id) const;
    double BatchTimeLeft() const;

Q_SIGNALS:
    void BatchStarted();
    void ItemStarted(ItemId id);
    // Only for an item that is still listed when it ends.
    void ItemFinished(ItemId id, ItemState state);
    // The share of the batch done so far, 0 to 1.
    void Progress(double fraction);
    void BatchEnded(int completed, int failed, int canceled);
    // Paused (true) or going on (false); a batch that ends while paused says false first.
    void PauseChanged(bool paused);

private:
    void StartMore();
    void StartItem(ItemId id);
    void EndItem(ItemId id, ItemState state, const QString &reason, const QString &output,
                 const FileStamp &stamp = FileStamp());
    void OnRunFinished(ItemId id);
    void EmitProgress();
    void EndBatch();
    // The final output path of item `id`: the first free one of "base.ext", "base (2).ext" ...,
    // or the item's own earlier output, which it may replace unless a row lists that file.
    QString ChooseOutput(ItemId id, const QString &folder, const QString &base, const QString &ext,
                         bool *mayReplace, bool *equalsListed);
    bool IsListedFile(const QString &path) const;
    bool IsTaken(const QString &path) const;
    // Seconds the batch has run, its pauses left out.
    double Now() const;
    // The lengths of the waiting files (0: unknown), for the estimate.
    QList<double> WaitingLengths() const;

    MediaStore *m_store;
    std::function<BatchSettings()> m_settings;
    int m_slots = 0;
    bool m_converting = false;
    QList<ItemId> m_pending;
    std::map<ItemId, std::unique_ptr<ConversionRun>> m_running;
    QList<ItemId> m_startOrder; // the items of m_running, in the order they started
    QSet<QString> m_reserved; // outputs of this batch's rows
    int m_total = 0;
    int m_completed = 0;
    int m_failed = 0;
    int m_canceled = 0;
    int m_partly = 0;
    int m_skipped = 0;
    bool m_stopped = false;
    TimeLeftEstimator m_estimate;
    QElapsedTimer m_clock;
    qint64 m_pausedMs = 0; // in pauses that ended
    qint64 m_pausedAt = 0;
    bool m_paused = false;
};
