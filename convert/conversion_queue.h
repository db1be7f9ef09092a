#pragma once

#include "convert/conversion_job.h"

#include <QObject>
#include <QTimer>

#include <thread>

class MediaList;
struct Settings;
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

// Converts the ticked rows of the media list one after another, one converter at a time, on a
// 100 ms timer; keeps the commands in step with the list; writes each row's final status.
class ConversionQueue : public QObject
{
    Q_OBJECT

public:
    // Every pointer must outlive the queue. The current preset and saving folder are read when
    // each file's conversion starts.
    ConversionQueue(MediaList *media, const CurrentPreset *preset, const Settings *settings,
                    QueueWindow *window, QWidget *dialogParent);
    ~ConversionQueue() override;

    // Starts the 100 ms timer; it runs until the queue is destroyed.
    void StartTimer();

    void ConvertAll();
    void ConvertSelected();
    void SkipCurrent();
    void StopAll();
    void OnQueueTimer();

    // Stops any conversion at once: the converter is killed, the worker joined, the queue idle.
    void Shutdown();

    bool IsConverting() const { return m_converting; }
    int CountChecked(bool selectedOnly) const;
    void SetControlsEnabled(bool enable);

    // The queue's state, for the window and for tests.
    bool selectedOnly() const { return m_selectedOnly; }
    int currentRow() const { return m_currentRow; }
    int lastUiState() const { return m_lastUiState; }
    ConversionShared &shared() { return m_shared; }

protected:
    bool event(QEvent *event) override;

private:
    void Convert(bool selectedOnly);
    void StartNext();
    void EndQueue();
    void OnProgress(const ConvertProgressEvent &event);
    void OnJobDone(const ConvertDoneEvent &event);
    int NextSelectedAfter(int row) const;
    void ApplyUiState(int state);
    void JoinWorker();

    MediaList *m_media;
    const CurrentPreset *m_preset;
    const Settings *m_settings;
    QueueWindow *m_window;
    QWidget *m_dialogParent;
    QTimer m_timer;

    bool m_converting = false;
    bool m_selectedOnly = false;
    int m_currentRow = 0;
    int m_nextSelected = 0;
    int m_lastUiState = 2;
    ConversionShared m_shared;
    ConversionJob m_job;
    std::thread m_worker;
};
