// The window's side of converting: which rows a command means, and the commands' state.
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

ConversionQueue::ConversionQueue(MediaList *media, const CurrentPreset *preset,
                                 const SettingsValues *settings, QWidget *dialogParent)
    : m_media(media)
    , m_items(&media->items())
    , m_preset(preset)
    , m_settings(settings)
    , m_dialogParent(dialogParent)
{
    BatchQueue *batch = &m_items->batch();
    batch->SetSettingsSource([this] {
        BatchSettings settings;
        settings.presetId = m_preset->id;
        settings.outputFolder = m_settings->currentFolder;
        settings.sizeLimit = m_settings->sizeLimit;
        settings.keepDates = m_settings->keepDates;
        settings.skipExisting = m_settings->skipConverted;
        return settings;
    });
    connect(batch, &BatchQueue::ItemStarted, this, [this](ItemId id) {
        // The row after the one starting comes into view, as the list follows the work.
        const MediaStore &store = m_media->store();
        const int row = store.RowOf(id);
        if (row + 1 < store.count())
            m_media->list()->scrollTo(store.index(row + 1, 0));
    });
    // Commands follow what decides them, and nothing else.
    const MediaStore *store = &m_media->store();
    for (auto signal : {&MediaStore::rowsInserted, &MediaStore::rowsRemoved})
        connect(store, signal, this, &ConversionQueue::UpdateCommands);
    connect(store, &MediaStore::modelReset, this, &ConversionQueue::UpdateCommands);
    connect(m_media->list()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ConversionQueue::UpdateCommands);
    connect(batch, &BatchQueue::BatchStarted, this, &ConversionQueue::UpdateCommands);
    connect(batch, &BatchQueue::ItemFinished, this, &ConversionQueue::UpdateCommands);
    connect(batch, &BatchQueue::ItemStarted, this, &ConversionQueue::UpdateCommands);
    connect(batch, &BatchQueue::BatchEnded, this, &ConversionQueue::UpdateCommands);
    connect(batch, &BatchQueue::Progress, this, &ConversionQueue::ShowRowNotes);
    connect(batch, &BatchQueue::PauseChanged, this, [this] {
        ShowRowNotes();
        UpdateCommands();
    });
    connect(store, &MediaStore::layoutChanged, this, &ConversionQueue::UpdateCommands);
    connect(m_items, &ConversionList::WatchChanged, this, &ConversionQueue::UpdateCommands);
}

ConversionQueue::~ConversionQueue()
{
    Shutdown();
}

BatchQueue &ConversionQueue::batch()
{
    return m_items->batch();
}

const BatchQueue &ConversionQueue::batch() const
{
    return m_items->batch();
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
    if (batch().IsConverting())
        return;
    if (CountChecked(selectedOnly) == 0) {
        CurrentDialogs().Message(m_dialogParent,
                                 QCoreApplication::translate("Window", "No File Selected!"),
                                 ApplicationName(), MessageIcon::Critical);
        return;
    }
    m_selectedOnly = selectedOnly;
    QList<ItemId> ids;
    if (selectedOnly) {
        ids = m_media->SelectedItems();
    } else {
        for (int row = 0; row < m_media->rowCount(); ++row)
            ids << m_media->store().at(row).id;
    }
    Resume(ids);
}

void ConversionQueue::Resume(const QList<ItemId> &ids)
{
    // Every ticked row may be of unknown format: then nothing starts.
    m_items->Convert(ids);
}

void ConversionQueue::RetryFailed()
{
    m_items->RetryFailed();
}

void ConversionQueue::SelectFailed()
{
    CDragDropListCtrl *list = m_media->list();
    const MediaStore &store = m_media->store();
    QItemSelection selection;
    for (ItemId id : m_items->FailedItems())
        selection.select(store.index(store.RowOf(id), 0),
                         store.index(store.RowOf(id), MediaColumn::Count - 1));
    list->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!selection.isEmpty()) {
        list->selectionModel()->setCurrentIndex(selection.first().topLeft(),
                                                QItemSelectionModel::NoUpdate);
        list->scrollTo(selection.first().topLeft());
    }
}

void ConversionQueue::CancelSelected()
{
    for (ItemId id : m_media->SelectedItems()) {
        if (batch().IsRunning(id))
            batch().Cancel(id);
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
    if (batch().IsPaused())
        batch().Resume();
    else
        batch().Pause();
}

QString ConversionQueue::TimeLeftText(double seconds)
{
    return seconds < 0 ? QString()
                       : QCoreApplication::translate("Batch", "%1 left").arg(ClockText(seconds));
}

void ConversionQueue::ShowRowNotes()
{
    MediaStore &store = m_media->store();
    for (ItemId id : batch().RunningItems())
        store.SetNote(id,
                      batch().IsPaused() ? QCoreApplication::translate("Batch", "Paused")
                                         : TimeLeftText(batch().TimeLeft(id)));
}

void ConversionQueue::SkipCurrent()
{
    // The user skips what they point at; with nothing pointed at, the file that has run longest.
    QList<ItemId> skipped;
    for (ItemId id : m_media->SelectedItems()) {
        if (batch().IsRunning(id))
            skipped << id;
    }
    if (skipped.isEmpty())
        skipped << batch().FirstStarted();
    for (ItemId id : std::as_const(skipped))
        batch().Cancel(id);
}

void ConversionQueue::StopAll()
{
    batch().StopAll();
}

CommandContext ConversionQueue::Context() const
{
    CommandContext context;
    context.rows = m_media->rowCount();
    const QList<int> selected = m_media->list()->SelectedRows();
    context.selectedRows = static_cast<int>(selected.size());
    context.converting = batch().IsConverting();
    context.paused = batch().IsPaused();
    for (int row : selected)
        context.selectedRunning += batch().IsRunning(m_media->store().at(row).id) ? 1 : 0;
    context.failedRows = static_cast<int>(m_items->FailedItems().size());
    const bool movable = !selected.isEmpty() && context.selectedRunning == 0;
    context.canMoveUp = movable && selected.first() > 0;
    context.canMoveDown = movable && selected.last() < context.rows - 1;
    context.watchedFolders = static_cast<int>(m_items->watch().folders().size());
    return context;
}

void ConversionQueue::UpdateCommands()
{
    Q_EMIT CommandsChanged(Context());
}

void ConversionQueue::Shutdown()
{
    batch().Shutdown();
}
