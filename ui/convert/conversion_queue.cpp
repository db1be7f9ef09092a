#include "ui/convert/conversion_queue.h"

#include "engine/convert/time_left.h"
#include "engine/settings/settings.h"
#include "res/resource.h"
#include "res/strings.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/media/media_list.h"
#include "ui/platform/dialogs.h"

#include <QCoreApplication>
#include <QItemSelection>

#include <algorithm>

ConversionQueue::ConversionQueue(MediaList *media, const CurrentPreset *preset,
                                 const SettingsValues *settings, QWidget *dialogParent)
    : m_media(media)
    , m_preset(preset)
    , m_settings(settings)
    , m_dialogParent(dialogParent)
    , m_batch(&media->store())
{
    m_batch.SetSettingsSource([this] {
        BatchSettings settings;
        settings.presetId = m_preset->id;
        settings.outputFolder = m_settings->currentFolder;
        settings.sizeLimit = m_settings->sizeLimit;
        return settings;
    });
    connect(&m_batch, &BatchQueue::RowStarted, this, [this](int row) {
        // The row after the one starting comes into view, as the list follows the work.
        const MediaStore &store = m_media->store();
        if (row + 1 < store.count())
            m_media->list()->scrollTo(store.index(row + 1, 0));
    });
    m_media->SetLockedRows([this](int row) { return IsRunning(row); });
    // Commands follow what decides them, and nothing else.
    const MediaStore *store = &m_media->store();
    for (auto signal : {&MediaStore::rowsInserted, &MediaStore::rowsRemoved})
        connect(store, signal, this, &ConversionQueue::UpdateCommands);
    connect(store, &MediaStore::modelReset, this, &ConversionQueue::UpdateCommands);
    connect(m_media->list()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ConversionQueue::UpdateCommands);
    connect(&m_batch, &BatchQueue::BatchStarted, this, [this] {
        m_failed.clear();
        UpdateCommands();
    });
    connect(&m_batch, &BatchQueue::RowFinished, this, [this](int row, ItemState state) {
        if (state != ItemState::Completed)
            m_failed.insert(m_media->store().at(row).id);
        UpdateCommands();
    });
    connect(&m_batch, &BatchQueue::RowStarted, this, &ConversionQueue::UpdateCommands);
    connect(&m_batch, &BatchQueue::BatchEnded, this, &ConversionQueue::UpdateCommands);
    connect(&m_batch, &BatchQueue::Progress, this, &ConversionQueue::ShowRowNotes);
    connect(&m_batch, &BatchQueue::PauseChanged, this, [this] {
        ShowRowNotes();
        UpdateCommands();
    });
    connect(store, &MediaStore::layoutChanged, this, &ConversionQueue::UpdateCommands);
}

ConversionQueue::~ConversionQueue()
{
    Shutdown();
}

bool ConversionQueue::IsRunning(int row) const
{
    return m_batch.RunningRows().contains(row);
}

int ConversionQueue::CountChecked(bool selectedOnly) const
{
    const MediaStore &store = m_media->store();
    int count = 0;
    if (selectedOnly) {
        for (int row : m_media->list()->SelectedRows())
            count += store.at(row).checked ? 1 : 0;
        return count;
    }
    for (int row = 0; row < store.count(); ++row)
        count += store.at(row).checked ? 1 : 0;
    return count;
}

void ConversionQueue::ConvertAll()
{
    Convert(false);
}

void ConversionQueue::ConvertSelected()
{
    Convert(true);
}

void ConversionQueue::Convert(bool selectedOnly)
{
    if (m_batch.IsConverting())
        return;
    if (CountChecked(selectedOnly) == 0) {
        CurrentDialogs().Message(m_dialogParent,
                                 QCoreApplication::translate("Window", "No File Selected!"),
                                 ApplicationName(), MessageIcon::Critical);
        return;
    }
    m_selectedOnly = selectedOnly;
    QList<int> rows;
    if (selectedOnly) {
        rows = m_media->list()->SelectedRows();
    } else {
        for (int row = 0; row < m_media->rowCount(); ++row)
            rows << row;
    }
    Resume(rows);
}

void ConversionQueue::Resume(const QList<int> &rows)
{
    // Every ticked row may be of unknown format: then nothing starts.
    m_batch.Start(rows);
}

QList<int> ConversionQueue::FailedRows() const
{
    QList<int> rows;
    for (ItemId id : m_failed) {
        const int row = m_media->store().RowOf(id);
        if (row >= 0)
            rows << row;
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ConversionQueue::RetryFailed()
{
    if (!m_batch.IsConverting())
        m_batch.Start(FailedRows());
}

void ConversionQueue::SelectFailed()
{
    CDragDropListCtrl *list = m_media->list();
    QItemSelection selection;
    for (int row : FailedRows())
        selection.select(m_media->store().index(row, 0),
                         m_media->store().index(row, MediaColumn::Count - 1));
    list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty()) {
        list->selectionModel()->setCurrentIndex(selection.first().topLeft(),
                                                QItemSelectionModel::NoUpdate);
        list->scrollTo(selection.first().topLeft());
    }
}

void ConversionQueue::CancelSelected()
{
    for (int row : m_media->list()->SelectedRows()) {
        if (IsRunning(row))
            m_batch.Cancel(row);
    }
}

void ConversionQueue::DeleteSelected()
{
    if (Context().selectedRunning > 0)
        CancelSelected();
    else
        m_media->RemoveSelected();
}

void ConversionQueue::MoveSelected(int delta)
{
    const CommandContext context = Context();
    if (delta < 0 ? !context.canMoveUp : !context.canMoveDown)
        return;
    const QList<int> rows = m_media->list()->SelectedRows();
    // Before the row above the first, or before the row two below the last.
    m_media->store().Move(rows, delta < 0 ? rows.first() - 1 : rows.last() + 2);
    m_media->list()->scrollTo(m_media->list()->currentIndex());
}

void ConversionQueue::TogglePause()
{
    if (m_batch.IsPaused())
        m_batch.Resume();
    else
        m_batch.Pause();
}

QString ConversionQueue::TimeLeftText(double seconds)
{
    return seconds < 0 ? QString()
                       : QCoreApplication::translate("Batch", "%1 left").arg(ClockText(seconds));
}

void ConversionQueue::ShowRowNotes()
{
    MediaStore &store = m_media->store();
    for (int row : m_batch.RunningRows())
        store.SetNote(row,
                      m_batch.IsPaused() ? QCoreApplication::translate("Batch", "Paused")
                                         : TimeLeftText(m_batch.TimeLeft(row)));
}

void ConversionQueue::SkipCurrent()
{
    m_batch.SkipCurrent();
}

void ConversionQueue::StopAll()
{
    m_batch.StopAll();
}

CommandContext ConversionQueue::Context() const
{
    CommandContext context;
    context.rows = m_media->rowCount();
    const QList<int> selected = m_media->list()->SelectedRows();
    context.selectedRows = static_cast<int>(selected.size());
    context.converting = m_batch.IsConverting();
    context.paused = m_batch.IsPaused();
    const QList<int> running = m_batch.RunningRows();
    for (int row : selected)
        context.selectedRunning += running.contains(row) ? 1 : 0;
    context.failedRows = static_cast<int>(FailedRows().size());
    const bool movable = !selected.isEmpty() && context.selectedRunning == 0;
    context.canMoveUp = movable && selected.first() > 0;
    context.canMoveDown = movable && selected.last() < context.rows - 1;
    return context;
}

void ConversionQueue::UpdateCommands()
{
    Q_EMIT CommandsChanged(Context());
}

void ConversionQueue::Shutdown()
{
    m_batch.Shutdown();
}
