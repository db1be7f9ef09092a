#include "ui/media/media_list.h"

#include "engine/media/file_names.h"
#include "engine/media/folder_scan.h"
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
    , m_adder(&m_store)
{
    m_store.SetTargetFormat(preset.formatLabel);
    m_list->setModel(&m_store);
    connect(&m_adder, &MediaAdder::Progress, this, &MediaList::OnAdderProgress);
    connect(&m_adder, &MediaAdder::Finished, this, &MediaList::OnAdderFinished);
}

MediaList::~MediaList()
{
    // The view goes on without a model rather than with a dangling one.
    if (m_list->model() == &m_store)
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
    m_store.SetRowImages(film.isNull() ? QVariant() : QVariant(film),
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

QPair<QString, QString> MediaList::SplitPath(const QString &path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = slash < 0 ? path : path.mid(slash + 1);
    QString folder = slash < 0 ? QString() : path.left(slash + 1);
    if (folder.endsWith(QLatin1String("//")))
        folder.chop(1);
    return qMakePair(name, folder);
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
    QString folder = CurrentDialogs().PickMediaFolder(
        m_dialogParent, QCoreApplication::translate("Adding", "Select a folder"), m_subFolders);
    if (!folder.isEmpty()) {
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        m_keptPattern = folder + QStringLiteral("*");
    }
    if (m_keptPattern.isEmpty()) {
        CurrentDialogs().Message(
            m_dialogParent,
            QCoreApplication::translate("Adding", "%n media files added!", nullptr, 0),
            ApplicationName(), MessageIcon::None);
        Q_EMIT AddFinished(0);
        return;
    }
    AddFolderPath(m_keptPattern.chopped(1));
}

void MediaList::AddFolderPath(const QString &folder, AddDone done)
{
    QString searched = folder;
    if (!searched.endsWith(QLatin1Char('/')))
        searched += QLatin1Char('/');
    m_requests.push_back({QStringList(), searched, std::move(done)});
    StartNextAdd();
}

void MediaList::AddPaths(const QStringList &paths, AddDone done)
{
    m_requests.push_back({paths, QString(), std::move(done)});
    StartNextAdd();
}

void MediaList::StartNextAdd()
{
    if (m_adder.running() || m_requests.empty())
        return;
    m_current = std::move(m_requests.front());
    m_requests.pop_front();
    QStringList paths = m_current.paths;
    m_leftOut = LeftOut();
    if (!m_current.folder.isEmpty()) {
        // Looked up now, when its turn has come: what the adds before it listed counts as listed.
        FolderScan scan = ScanFolder(m_current.folder, *m_subFolders, [this](auto &in, auto &name) {
            return m_store.IsListed(in, name);
        });
        paths = scan.paths;
        m_leftOut = scan.leftOut;
    }
    m_undecodable = TakeUndecodablePaths(paths);

    if (paths.size() >= kProgressThreshold) {
        // Shown after half a second, window-modal but never a nested event loop: its bar is
        // moved directly, as QProgressDialog::setValue would run events itself.
        m_progress = std::make_unique<QProgressDialog>(
            QCoreApplication::translate("Adding", "Adding media files..."),
            QCoreApplication::translate("Adding", "Cancel"), 0, paths.size(), m_dialogParent);
        m_progressBar = new QProgressBar(m_progress.get());
        m_progressBar->setRange(0, static_cast<int>(paths.size()));
        m_progressBar->setValue(0);
        m_progress->setBar(m_progressBar);
        m_progress->setWindowTitle(ApplicationName());
        m_progress->setWindowModality(Qt::WindowModal);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        m_progress->setMinimumDuration(500);
        m_progress->setLabelText(
            QCoreApplication::translate("Adding", "Adding media files... %1 of %2")
                .arg(1)
                .arg(paths.size()));
        connect(m_progress.get(), &QProgressDialog::canceled, &m_adder, &MediaAdder::Cancel);
    }
    QList<QPair<QString, QString>> files;
    files.reserve(paths.size());
    for (const QString &path : paths) {
        const auto [name, folder] = SplitPath(path);
        files.append(qMakePair(folder, name));
    }
    m_adder.Start(files);
}

void MediaList::OnAdderProgress(int done, int total)
{
    if (!m_progress)
        return;
    m_progress->setLabelText(QCoreApplication::translate("Adding", "Adding media files... %1 of %2")
                                 .arg(qMin(done + 1, total))
                                 .arg(total));
    m_progressBar->setValue(done);
}

void MediaList::OnAdderFinished(int added)
{
    if (m_progress) {
        // Hidden now, deleted from the event loop: Cancel's own signal may be what ended the add,
        // and the count's box that follows runs an event loop of its own.
        m_progress->hide();
        m_progress.release()->deleteLater();
        m_progressBar = nullptr;
    }
    const Request finished = std::move(m_current);
    m_current = Request();
    if (!finished.folder.isEmpty())
        CurrentDialogs().Message(m_dialogParent, FolderAddedMessage(added, m_leftOut),
                                 ApplicationName(), MessageIcon::None);
    if (!m_undecodable.isEmpty())
        CurrentDialogs().Message(m_dialogParent, UndecodableNamesMessage(m_undecodable),
                                 ApplicationName(), MessageIcon::Warning);
    m_undecodable.clear();
    if (finished.whenAdded)
        finished.whenAdded(added);
    Q_EMIT AddFinished(added);
    // The next add waits for the event loop: this one's signals have all been delivered first.
    QMetaObject::invokeMethod(this, &MediaList::StartNextAdd, Qt::QueuedConnection);
}

QString MediaList::Text(int row, int column) const
{
    return m_store.data(m_store.index(row, column)).toString();
}

void MediaList::RemoveSelected()
{
    // The selection mark: the row at which the user's last selection started.
    if (!m_list->selectionModel() || !m_list->selectionModel()->currentIndex().isValid())
        return;
    QList<int> rows = m_list->SelectedRows();
    if (m_locked)
        rows.erase(std::remove_if(rows.begin(), rows.end(), m_locked), rows.end());
    if (!rows.isEmpty())
        m_removed = m_store.Remove(rows);
}

void MediaList::RemoveAll()
{
    QList<int> locked;
    for (int row = 0; m_locked && row < m_store.count(); ++row) {
        if (m_locked(row))
            locked << row;
    }
    if (locked.isEmpty()) {
        if (m_store.count() > 0)
            m_removed = m_store.Clear();
        return;
    }
    QList<int> rows;
    for (int row = 0; row < m_store.count(); ++row) {
        if (!locked.contains(row))
            rows << row;
    }
    if (!rows.isEmpty())
        m_removed = m_store.Remove(rows);
}

void MediaList::UndoRemove()
{
    MediaStore::Removed removed;
    removed.swap(m_removed);
    // A row that was converting when it went is waiting again when it comes back.
    for (auto &entry : removed)
        entry.second.progress = MediaItem::kNoProgress;
    m_store.Restore(removed);
}

void MediaList::CheckAll()
{
    for (int row = 0; row < m_store.count(); ++row)
        m_store.SetChecked(row, true);
}
