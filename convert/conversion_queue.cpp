#include "convert/conversion_queue.h"

#include "app/settings.h"
#include "controls/listview/drag_drop_list_ctrl.h"
#include "media/media_list.h"
#include "platform/dialogs.h"
#include "res/resource.h"
#include "res/strings.h"

QueueWindow::~QueueWindow() = default;

ConversionQueue::ConversionQueue(MediaList *media, const CurrentPreset *preset,
                                 const SettingsValues *settings, QueueWindow *window,
                                 QWidget *dialogParent)
    : m_media(media)
    , m_preset(preset)
    , m_settings(settings)
    , m_window(window)
    , m_dialogParent(dialogParent)
    , m_batch(&media->store())
{
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &ConversionQueue::OnQueueTimer);
    m_batch.SetSettingsSource([this] {
        BatchSettings settings;
        settings.presetId = m_preset->id;
        settings.outputFolder = m_settings->currentFolder;
        settings.sizeLimit = m_settings->sizeLimit;
        return settings;
    });
    connect(&m_batch, &BatchQueue::RowStarted, this, [this](int row) {
        // The row after the one starting comes into view, as the list follows the work.
        if (QTableWidgetItem *next = m_media->list()->item(row + 1, 0))
            m_media->list()->scrollToItem(next);
    });
    connect(&m_batch, &BatchQueue::BatchEnded, this, &ConversionQueue::OnBatchEnded);
}

ConversionQueue::~ConversionQueue()
{
    Shutdown();
}

void ConversionQueue::StartTimer()
{
    m_timer.start();
}

int ConversionQueue::CountChecked(bool selectedOnly) const
{
    const CDragDropListCtrl *list = m_media->list();
    const MediaStore &store = m_media->store();
    int count = 0;
    for (int row = 0; row < store.count(); ++row) {
        if (selectedOnly && !list->selectionModel()->isRowSelected(row, QModelIndex()))
            continue;
        if (store.at(row).checked)
            ++count;
    }
    return count;
}

void ConversionQueue::SetControlsEnabled(bool enable)
{
    m_window->EnableControls(enable);
    CommandContext context;
    context.converting = !enable;
    for (int id : {ID_STOP_CURRENT, ID_STOP_ALL})
        m_window->EnableCommand(id, QueueWindow::Place::Menu,
                                IsCommandEnabled(id, CommandPlace::MenuBar, context));
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
        CurrentDialogs().Message(m_dialogParent, QStringLiteral("No File Selected!"),
                                 ApplicationName(), MessageIcon::Critical);
        return;
    }
    m_selectedOnly = selectedOnly;
    const CDragDropListCtrl *list = m_media->list();
    QList<int> rows;
    for (int row = 0; row < m_media->rowCount(); ++row) {
        if (!selectedOnly || list->selectionModel()->isRowSelected(row, QModelIndex()))
            rows << row;
    }
    Resume(rows);
}

void ConversionQueue::Resume(const QList<int> &rows)
{
    if (!m_batch.Start(rows))
        return; // every ticked row is of unknown format: nothing to convert
    SetControlsEnabled(false);
    ApplyUiState(m_lastUiState);
}

void ConversionQueue::OnBatchEnded()
{
    SetControlsEnabled(true);
    ApplyUiState(m_lastUiState);
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
    context.selectedRows = m_media->list()->selectionModel()->selectedRows().size();
    context.converting = m_batch.IsConverting();
    return context;
}

void ConversionQueue::OnQueueTimer()
{
    const CDragDropListCtrl *list = m_media->list();
    int state = 0;
    if (list->rowCount() > 0)
        state = list->selectionModel()->hasSelection() ? 2 : 1;
    if (state != m_lastUiState)
        ApplyUiState(state);
}

void ConversionQueue::ApplyUiState(int state)
{
    m_lastUiState = state;
    // The menu bar and toolbar follow the list as the timer last saw it.
    CommandContext context;
    context.rows = state > 0 ? 1 : 0;
    context.selectedRows = state == 2 ? 1 : 0;
    context.converting = m_batch.IsConverting();
    for (CommandPlace place : {CommandPlace::MenuBar, CommandPlace::Toolbar}) {
        int count = 0;
        const int *ids = RuledCommands(place, &count);
        const auto where = place == CommandPlace::MenuBar ? QueueWindow::Place::Menu
                                                          : QueueWindow::Place::Toolbar;
        for (int i = 0; i < count; ++i)
            m_window->EnableCommand(ids[i], where, IsCommandEnabled(ids[i], place, context));
    }
}

void ConversionQueue::Shutdown()
{
    m_timer.stop();
    m_batch.Shutdown();
}
