#pragma once

#include "convert/batch_queue.h"
#include "convert/command_rules.h"

#include <QObject>
#include <QTimer>

class MediaList;
struct SettingsValues;
struct CurrentPreset;
class QWidget;

// What the queue asks of the window it runs in: graying commands and locking the controls that
// must not change while files are converted.
class QueueWindow
{
public:
    enum class Place { Menu, Toolbar };
    virtual ~QueueWindow();
    virtual void EnableCommand(int id, Place place, bool enabled) = 0;
    // The list, the saving-folder box, the Solution button and Browse.
    virtual void EnableControls(bool enabled) = 0;
};

// The window's side of the batch queue: starts batches over the list's ticked (or selected and
// ticked) rows, says "No File Selected!" when there are none, locks the controls while files
// are converted, and keeps the commands in step with the list on a 100 ms timer.
class ConversionQueue : public QObject
{
    Q_OBJECT

public:
    // Every pointer must outlive the queue. The current preset and saving folder are read when
    // each file's conversion starts.
    ConversionQueue(MediaList *media, const CurrentPreset *preset, const SettingsValues *settings,
                    QueueWindow *window, QWidget *dialogParent);
    ~ConversionQueue() override;

    // Starts the 100 ms timer that keeps the commands in step; it runs until the queue is
    // destroyed.
    void StartTimer();

    void ConvertAll();
    void ConvertSelected();
    // Starts a batch over `rows` as Convert All would, without a word when none can convert (an
    // interrupted batch taken up again).
    void Resume(const QList<int> &rows);
    void SkipCurrent();
    void StopAll();
    void OnQueueTimer();

    // Stops any conversion at once: every converter is killed, the queue idle.
    void Shutdown();

    bool IsConverting() const { return m_batch.IsConverting(); }
    int CountChecked(bool selectedOnly) const;
    void SetControlsEnabled(bool enable);

    // How many conversions run side by side (0: as many as processor cores).
    void SetSlots(int slots) { m_batch.SetSlots(slots); }

    // The queue's state, for the window and for tests.
    bool selectedOnly() const { return m_selectedOnly; }
    int lastUiState() const { return m_lastUiState; }
    BatchQueue &batch() { return m_batch; }
    // What decides the commands now: the list's rows and selection, and whether files convert.
    CommandContext Context() const;

private:
    void Convert(bool selectedOnly);
    void OnBatchEnded();
    void ApplyUiState(int state);

    MediaList *m_media;
    const CurrentPreset *m_preset;
    const SettingsValues *m_settings;
    QueueWindow *m_window;
    QWidget *m_dialogParent;
    QTimer m_timer;
    BatchQueue m_batch;

    bool m_selectedOnly = false;
    int m_lastUiState = 2;
};
