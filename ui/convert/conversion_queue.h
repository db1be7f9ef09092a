#pragma once

#include "engine/media/conversion_list.h"
#include "ui/convert/command_context.h"

#include <QObject>

class MediaList;
struct SettingsValues;
struct CurrentPreset;
class QWidget;

// The window's side of the batch queue: starts batches over the list's ticked (or selected and
// ticked) rows, says "No File Selected!" when there are none, locks the controls while files
// are converted, and keeps the commands in step with the list: whenever its rows, its selection
// or the batch change, it tells the window what decides the commands now (CommandsChanged).
class ConversionQueue final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConversionQueue)

public:
    // Every pointer must outlive the queue. The current preset and saving folder are read when
    // each file's conversion starts.
    ConversionQueue(MediaList *media, const CurrentPreset *preset, const SettingsValues *settings,
                    QWidget *dialogParent);
    ~ConversionQueue() override;

    void ConvertAll();
    void ConvertSelected();
    // Starts a batch over `ids` as Convert All would, without a word when none can convert (an
    // interrupted batch taken up again).
    void Resume(const QList<ItemId> &ids);
    // Cancels the selected rows being converted or, when none is, the file that started first;
    // the batch goes on.
    void SkipCurrent();
    void StopAll();
    // Converts again the rows that failed or were canceled in the last batch.
    void RetryFailed();
    // Selects the rows that failed or were canceled in the last batch.
    void SelectFailed();
    // Cancels the conversion of each selected row being converted; the others go on.
    void CancelSelected();
    // The Delete key: cancels the selected rows being converted, or else removes the selection.
    void DeleteSelected();
    // Moves the selected rows one row up (-1) or down (+1), keeping them selected.
    void MoveSelected(int delta);
    // Pauses a running batch, or resumes a paused one.
    void TogglePause();
    // "1:05 left" for `seconds` (ClockText); empty for a negative value.
    static QString TimeLeftText(double seconds);

    // Stops any conversion at once: every converter is killed, the queue idle.
    void Shutdown();

    bool IsConverting() const { return batch().IsConverting(); }
    int CountChecked(bool selectedOnly) const;
    // Tells what decides the commands as the list and the batch stand now.
    void UpdateCommands();

    // How many conversions run side by side (0: as many as processor cores).
    void SetSlots(int slots) { batch().SetSlots(slots); }

    // The queue's state, for the window and for tests.
    bool selectedOnly() const { return m_selectedOnly; }
    BatchQueue &batch();
    const BatchQueue &batch() const;
    // What decides the commands now: the list's rows and selection, and whether files convert.
    CommandContext Context() const;

Q_SIGNALS:
    // The rows, the selection or the batch changed: every command and the controls that must not
    // change while files convert are to be enabled as Commands::ApplyRules makes them for
    // `context`.
    void CommandsChanged(const CommandContext &context);

private:
    void Convert(bool selectedOnly);
    // Each running row's bar note: its time left, or "Paused".
    void ShowRowNotes();

    MediaList *m_media;
    ConversionList *m_items;
    const CurrentPreset *m_preset;
    const SettingsValues *m_settings;
    QWidget *m_dialogParent;

    bool m_selectedOnly = false;
};
