#include "convert/conversion_queue.h"

#include "app/settings.h"
#include "controls/listview/drag_drop_list_ctrl.h"
#include "convert/command_line.h"
#include "convert/conversion_worker.h"
#include "convert/converter.h"
#include "media/duration.h"
#include "media/media_list.h"
#include "platform/dialogs.h"
#include "res/resource.h"
#include "res/strings.h"

#include <QCoreApplication>

#include <chrono>

QueueWindow::~QueueWindow() = default;

ConversionQueue::ConversionQueue(MediaList *media, const CurrentPreset *preset,
                                 const Settings *settings, QueueWindow *window,
                                 QWidget *dialogParent)
    : m_media(media)
    , m_preset(preset)
    , m_settings(settings)
    , m_window(window)
    , m_dialogParent(dialogParent)
{
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &ConversionQueue::OnQueueTimer);
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
    int count = 0;
    for (int row = 0; row < list->rowCount(); ++row) {
        if (selectedOnly && !list->selectionModel()->isRowSelected(row, QModelIndex()))
            continue;
        if (m_media->IsChecked(row))
            ++count;
    }
    return count;
}

void ConversionQueue::SetControlsEnabled(bool enable)
{
    m_window->EnableControls(enable);
    m_window->EnableCommand(ID_STOP_CURRENT, QueueWindow::Place::Menu, !enable);
    m_window->EnableCommand(ID_STOP_ALL, QueueWindow::Place::Menu, !enable);
}

int ConversionQueue::NextSelectedAfter(int row) const
{
    const CDragDropListCtrl *list = m_media->list();
    for (int r = row + 1; r < list->rowCount(); ++r) {
        if (list->selectionModel()->isRowSelected(r, QModelIndex()))
            return r;
    }
    return -1;
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
    // One converter at a time: a second start while files are converted would run two.
    if (m_converting)
        return;
    m_selectedOnly = selectedOnly;
    if (CountChecked(selectedOnly) == 0) {
        CurrentDialogs().Message(m_dialogParent, QStringLiteral("No File Selected!"),
                                 ApplicationName(), MessageIcon::Critical);
        return;
    }
    m_converting = true;
    SetControlsEnabled(false);
    if (selectedOnly)
        m_nextSelected = NextSelectedAfter(-1) + 1;
    else
        m_currentRow = 0;
    m_window->EnableCommand(ID_STOP_ALL, QueueWindow::Place::Toolbar, true);
    m_window->EnableCommand(ID_STOP_CURRENT, QueueWindow::Place::Toolbar, true);
    ApplyUiState(m_lastUiState);
    StartNext();
}

void ConversionQueue::StartNext()
{
    m_shared.jobFinished = false;
    if (m_selectedOnly) {
        if (m_nextSelected == 0) {
            EndQueue();
            return;
        }
        m_currentRow = m_nextSelected - 1;
        m_nextSelected = NextSelectedAfter(m_currentRow) + 1;
    } else if (m_currentRow >= m_media->list()->rowCount()) {
        EndQueue();
        return;
    }

    const int row = m_currentRow;
    if (!m_media->IsChecked(row) || m_media->Status(row) == kUnknownFormatStatus) {
        m_shared.jobFinished = true;
        return;
    }

    m_shared.jobRow = row;
    ConversionJob job;
    job.fileName = m_media->FileName(row);
    job.location = m_media->Location(row);
    job.inputPath = job.location + job.fileName;
    job.durationSeconds = ParseDuration(m_media->DurationText(row));
    job.audioOnlyInput = m_media->IsAudioOnly(row);

    CDragDropListCtrl *list = m_media->list();
    list->CreateProgress(row, MediaColumn::Status);
    list->SetProgressPos(row, 0);
    m_media->SetStatus(row, m_media->Status(row)); // a new run forgets the last failure's words
    if (QTableWidgetItem *next = list->item(row + 1, 0))
        list->scrollToItem(next);

    const Preset *preset = PresetById(m_preset->id);
    if (!preset)
        preset = PresetById(0);
    job.outputFolder = m_settings->currentFolder;
    ApplyPreset(job, *preset, Converter());

    // The converter writes over an existing output without asking: it must never be another
    // listed file the user still wants converted.
    const auto [outName, outFolder] = MediaList::SplitPath(BuildCommandLine(job).outputPath);
    if (m_media->IsListed(outFolder, outName)) {
        QCoreApplication::postEvent(
            this, new ConvertDoneEvent(row, 0, JobOutcome::OutputEqualsInput, QString()));
        m_shared.jobFinished = true;
        return;
    }

    JoinWorker();
    m_job = job;
    m_worker = StartConversionWorker(m_job, m_shared, this);
}

void ConversionQueue::EndQueue()
{
    m_converting = false;
    m_window->EnableCommand(ID_STOP_ALL, QueueWindow::Place::Toolbar, false);
    m_window->EnableCommand(ID_STOP_CURRENT, QueueWindow::Place::Toolbar, false);
    SetControlsEnabled(true);
    ApplyUiState(m_lastUiState);
}

void ConversionQueue::SkipCurrent()
{
    m_shared.cancelRequested = true;
    m_shared.child.Terminate();
}

void ConversionQueue::StopAll()
{
    m_shared.cancelRequested = true;
    m_shared.child.Terminate();
    if (m_selectedOnly)
        m_nextSelected = 0;
    else
        m_currentRow = m_media->list()->rowCount();
}

void ConversionQueue::OnQueueTimer()
{
    if (m_shared.jobFinished) {
        m_shared.jobFinished = false;
        JoinWorker();
        // The row's status is written by the done event, which was posted before the flag
        // was raised: deliver it before the next row starts.
        QCoreApplication::sendPostedEvents(this, 0);
        ++m_currentRow;
        StartNext();
    }

    const CDragDropListCtrl *list = m_media->list();
    int state = 0;
    if (list->rowCount() > 0)
        state = list->selectionModel()->hasSelection() ? 2 : 1;
    if (state != m_lastUiState)
        ApplyUiState(state);
}

void ConversionQueue::ApplyUiState(int state)
{
    using Place = QueueWindow::Place;
    m_lastUiState = state;
    // Rows are addressed by index while files are converted, so the list must not shrink then;
    // and a second start would run two converters at once.
    const bool idle = !m_converting;
    m_window->EnableCommand(ID_FILE_REMOVE, Place::Menu, state > 0 && idle);
    m_window->EnableCommand(ID_FILE_REMOVE_ALL, Place::Menu, state > 0 && idle);
    m_window->EnableCommand(ID_FILE_SELECT_ALL, Place::Menu, state > 0);
    m_window->EnableCommand(ID_CONVERT_ALL, Place::Menu, state > 0 && idle);
    m_window->EnableCommand(ID_CONVERT_SELECTED, Place::Menu, state == 2 && idle);
    m_window->EnableCommand(ID_CONVERT_ALL, Place::Toolbar, state > 0 && idle);
    m_window->EnableCommand(ID_LIST_REMOVE_ALL, Place::Toolbar, state > 0 && idle);
    m_window->EnableCommand(ID_STOP_ALL, Place::Toolbar, m_converting);
    m_window->EnableCommand(ID_STOP_CURRENT, Place::Toolbar, m_converting);
}

bool ConversionQueue::event(QEvent *event)
{
    if (event->type() == WM_CONVERT_PROGRESS) {
        OnProgress(*static_cast<ConvertProgressEvent *>(event));
        return true;
    }
    if (event->type() == WM_CONVERT_DONE) {
        OnJobDone(*static_cast<ConvertDoneEvent *>(event));
        return true;
    }
    return QObject::event(event);
}

void ConversionQueue::OnProgress(const ConvertProgressEvent &event)
{
    m_media->list()->SetProgressPos(event.row, event.percent);
}

void ConversionQueue::OnJobDone(const ConvertDoneEvent &event)
{
    m_media->list()->RemoveProgress(event.row);
    const bool failed
        = event.outcome != JobOutcome::Completed && event.outcome != JobOutcome::Cancelled;
    m_media->SetStatus(event.row, StatusText(event.outcome), failed ? event.lastLine : QString());
}

void ConversionQueue::JoinWorker()
{
    if (m_worker.joinable())
        m_worker.join();
}

void ConversionQueue::Shutdown()
{
    m_timer.stop();
    if (m_converting || m_worker.joinable()) {
        StopAll();
        // Keep asking until the worker has ended: a converter it starts after the first request
        // is killed as soon as it exists.
        while (m_worker.joinable() && !m_shared.jobFinished) {
            SkipCurrent();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        JoinWorker();
        QCoreApplication::sendPostedEvents(this);
        if (m_converting)
            EndQueue();
    }
}
