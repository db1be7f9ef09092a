// The media list's side in the window: its columns, its dialogs and the add's progress window.
#include "ui/media/media_list.h"

#include "engine/media/file_names.h"
#include "engine/media/media_extensions.h"
#include "res/strings.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/platform/dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QProgressBar>
#include <QProgressDialog>

#include <algorithm>

namespace {

// Below this many files the progress window would only flash by.
constexpr int kProgressThreshold = 20;

} // namespace

MediaList::MediaList(CDragDropListCtrl *list, const CurrentPreset &preset, QWidget *dialogParent)
    : m_list(list)
    , m_dialogParent(dialogParent)
{
    store().SetTargetFormat(preset.formatLabel);
    m_list->setModel(&store());
    connect(&m_items, &ConversionList::AddStarted, this, &MediaList::OnAddStarted);
    connect(&m_items, &ConversionList::AddProgress, this, &MediaList::OnAddProgress);
    connect(&m_items, &ConversionList::AddFinished, this, &MediaList::OnAddFinished);
}

MediaList::~MediaList()
{
    // The view goes on without a model rather than with a dangling one.
    if (m_list->model() == &store())
        m_list->setModel(nullptr);
}

void MediaList::SetupColumns()
{
    static const int kWidths[MediaColumn::Count] = {60, 160, 160, 90, 120, 140, 500};
    for (int c = 0; c < MediaColumn::Count; ++c)
        m_list->setColumnWidth(c, kWidths[c]);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Compact rows, as a report list has them: a line of text or a 16-pixel image.
    m_list->verticalHeader()->setDefaultSectionSize(qMax(20, m_list->fontMetrics().height() + 6));
    m_list->ShowProgressIn(MediaColumn::Status, MediaStore::ProgressRole,
                           MediaItem::kProgressUnknown, MediaStore::ToneRole, MediaStore::NoteRole);
}

void MediaList::SetRowImages(const QIcon &film, const QIcon &sound)
{
    store().SetRowImages(film.isNull() ? QVariant() : QVariant(film),
                         sound.isNull() ? QVariant() : QVariant(sound));
}

void MediaList::LoadRowImages()
{
    auto load = [](const char *relative) {
        const QString name = QString::fromLatin1(relative);
        for (const QString &path :
             {name, QCoreApplication::applicationDirPath() + QLatin1Char('/') + name}) {
            const QPixmap pixmap(path);
            if (!pixmap.isNull())
                return QIcon(pixmap);
        }
        return QIcon();
    };
    SetRowImages(load("res/film.bmp"), load("res/page_sound.bmp"));
}

bool MediaList::IsMediaExtension(const QString &fullPath)
{
    return HasMediaExtension(fullPath);
}

QStringList MediaList::FileFilters()
{
    // The descriptions are the program's own; the patterns follow in Qt's form. "All files"
    // takes names without a dot too.
    return {QCoreApplication::translate("Adding", "All files(*.*) (*)"),
            QCoreApplication::translate("Adding", "All media files (%1)").arg(MediaNamePatterns()),
            QCoreApplication::translate("Adding", "Mpeg-4 Video(*.mp4) (*.mp4)"),
            QCoreApplication::translate("Adding", "DVD Video(*.vob) (*.vob)"),
            QCoreApplication::translate("Adding", "Windows Media Audio(*.wma) (*.wma)"),
            QCoreApplication::translate("Adding", "Windows Media Video(*.wmv) (*.wmv)"),
            QCoreApplication::translate("Adding", "Flash Video(*.flv) (*.flv)"),
            QCoreApplication::translate("Adding", "Mp3 Files(*.mp3) (*.mp3)"),
            QCoreApplication::translate("Adding", "Audio Video Interleave Files(*.avi) (*.avi)"),
            QCoreApplication::translate("Adding", "Advanced Audio Coding Files(*.aac) (*.aac)"),
            QCoreApplication::translate("Adding", "Advanced System Format Files(*.asf) (*.asf)"),
            QCoreApplication::translate("Adding", "AC3 Audio Files(*.ac3) (*.ac3)"),
            QCoreApplication::translate("Adding", "VCD Files(*.dat) (*.dat)"),
            QCoreApplication::translate("Adding", "Video Transport Stream(*.ts) (*.ts)")};
}

void MediaList::AddFiles()
{
    const QStringList paths = CurrentDialogs().PickFiles(m_dialogParent, QString(), FileFilters());
    if (paths.isEmpty())
        return;
    AddPaths(paths);
}

void MediaList::AddFolder()
{
    const QString folder = CurrentDialogs().PickMediaFolder(
        m_dialogParent, QCoreApplication::translate("Adding", "Select a folder"), m_subFolders);
    // Cancel and Escape mean that the user wants no add at all.
    if (!folder.isEmpty())
        AddFolderPath(folder);
}

void MediaList::AddFolderPath(const QString &folder, AddDone whenAdded)
{
    m_items.AddFolder(folder, *m_subFolders, [whenAdded](const AddReport &report) {
        if (whenAdded)
            whenAdded(report.added);
    });
}

void MediaList::AddPaths(const QStringList &paths, AddDone whenAdded)
{
    m_items.AddPaths(paths, [whenAdded](const AddReport &report) {
        if (whenAdded)
            whenAdded(report.added);
    });
}

void MediaList::OnAddStarted(int total)
{
    if (total < kProgressThreshold)
        return;
    // Shown after half a second, window-modal but never a nested event loop: its bar is moved
    // directly, as QProgressDialog::setValue would run events itself.
    m_progress = std::make_unique<QProgressDialog>(
        QCoreApplication::translate("Adding", "Adding media files..."),
        QCoreApplication::translate("Adding", "Cancel"), 0, total, m_dialogParent);
    m_progressBar = new QProgressBar(m_progress.get());
    m_progressBar->setRange(0, total);
    m_progressBar->setValue(0);
    m_progress->setBar(m_progressBar);
    m_progress->setWindowTitle(ApplicationName());
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(500);
    m_progress->setLabelText(
        QCoreApplication::translate("Adding", "Adding media files... %1 of %2").arg(1).arg(total));
    connect(m_progress.get(), &QProgressDialog::canceled, &m_items, &ConversionList::CancelAdd);
}

void MediaList::OnAddProgress(int done, int total)
{
    if (!m_progress)
        return;
    m_progress->setLabelText(QCoreApplication::translate("Adding", "Adding media files... %1 of %2")
                                 .arg(qMin(done + 1, total))
                                 .arg(total));
    m_progressBar->setValue(done);
}

void MediaList::OnAddFinished(const AddReport &report)
{
    if (m_progress) {
        // Hidden now, deleted from the event loop: Cancel's own signal may be what ended the add,
        // and the count's box that follows runs an event loop of its own.
        m_progress->hide();
        m_progress.release()->deleteLater();
        m_progressBar = nullptr;
    }
    if (report.folder)
        CurrentDialogs().Message(m_dialogParent, FolderAddedMessage(report.added, report.leftOut),
                                 ApplicationName(), MessageIcon::None);
    if (!report.undecodable.isEmpty())
        CurrentDialogs().Message(m_dialogParent, UndecodableNamesMessage(report.undecodable),
                                 ApplicationName(), MessageIcon::Warning);
    Q_EMIT AddFinished(report.added);
}

QString MediaList::Text(int row, int column) const
{
    return store().data(store().index(row, column)).toString();
}

QList<ItemId> MediaList::SelectedItems() const
{
    QList<ItemId> ids;
    for (int row : m_list->SelectedRows())
        ids << store().at(row).id;
    return ids;
}

void MediaList::RemoveSelected()
{
    // The selection mark: the row at which the user's last selection started.
    if (!m_list->selectionModel() || !m_list->selectionModel()->currentIndex().isValid())
        return;
    const QList<int> rows = m_list->SelectedRows();
    m_items.Remove(SelectedItems());
    // The row that took the first removed one's place is selected, so that the keyboard goes on
    // from there (a second Delete removes it).
    const int next = rows.isEmpty() ? -1 : qMin(rows.first(), rowCount() - 1);
    if (next < 0)
        return;
    const QModelIndex index = store().index(next, 0);
    m_list->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
