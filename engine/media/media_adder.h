#pragma once

#include "engine/media/media_store.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QThreadPool;

// Adds files to a MediaStore: their probes run on a pool of threads while the thread that owns
// the adder (the GUI thread, whose event loop keeps running) appends their items in the order the
// files were given. A file whose probe takes long, on a slow or hung mount, holds back only the
// rows after it; the other probes and the event loop go on, and Cancel still answers at once.
class MediaAdder final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MediaAdder)

public:
    // What probes one file into its item. It runs on the pool's threads, several at a time.
    using ProbeFunction = std::function<MediaItem(const QString &folder, const QString &name)>;
    // The id of an item a probe gives back to leave its file out: it counts as done, and is not
    // appended.
    static constexpr ItemId kLeaveOut = ~ItemId(0);

    // `store` must outlive this object.
    explicit MediaAdder(MediaStore *store, QObject *parent = nullptr);
    // Cancels a running add. Never waits for a probe: one that is still running ends on its own
    // thread and its item is dropped.
    ~MediaAdder() override;

    // How many probes run at a time for the next Start: 0 (the default) for one per core.
    void SetThreads(int threads);
    // Probes with `probe` instead of ProbeItem from the next Start on (a test stands in a probe
    // that stalls, as a file on a hung mount does). It must be safe on any thread.
    void SetProbe(ProbeFunction probe);

    // Starts adding `files`, (folder, name) pairs, in order, probed with `probe` when one is
    // given. A pair without a name, one the store lists already and one given earlier in `files`
    // are refused here, without being probed. Returns false, doing nothing, while an add runs.
    // When nothing is left to probe the add ends here: Finished is emitted before Start returns.
    bool Start(const QList<QPair<QString, QString>> &files, ProbeFunction probe = {});
    // Ends the running add now: no item is appended after this, the rows appended so far stay.
    // Emits Finished. Nothing happens when no add runs.
    void Cancel();

    bool running() const { return m_running; }
    // Rows appended by the current or last add.
    int added() const { return m_added; }

Q_SIGNALS:
    // `done` of the `total` given files have been appended or refused, in order.
    void Progress(int done, int total);
    // The add has ended, completed or cancelled, with `added` rows appended.
    void Finished(int added);

private:
    struct Batch;

    // One pool thread's work: probes the next file until none is left or the add has ended.
    static void ProbeFiles(const std::shared_ptr<Batch> &batch);
    void OnProbed(const Batch *batch);
    void ScheduleAppend();
    void AppendReady();
    void Finish();

    MediaStore *m_store;
    int m_threads = 0;
    ProbeFunction m_probe;
    std::shared_ptr<Batch> m_batch;
    // For each file to probe, its position among the given files.
    std::vector<int> m_positions;
    int m_total = 0;
    int m_head = 0; // the next file to append, among those to probe
    int m_added = 0;
    bool m_running = false;
    QTimer m_appendTimer;
    QElapsedTimer m_sinceAppend;
};
