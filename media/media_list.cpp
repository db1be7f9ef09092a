#include "media/media_list.h"

#include "controls/listview/drag_drop_list_ctrl.h"
#include "media/duration.h"
#include "media/file_names.h"
#include "media/media_extensions.h"
#include "media/probe.h"
#include "platform/dialogs.h"
#include "res/strings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QProgressDialog>
#include <QScopedValueRollback>

namespace {

constexpr int kRowImageRole = Qt::UserRole + 1;
// How often the progress window is brought up to date while files are added.
constexpr qint64 kProgressUpdateMs = 100;
// Below this many files the progress window would only flash by.
constexpr int kProgressThreshold = 20;

QTableWidgetItem *NewItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

MediaList::MediaList(CDragDropListCtrl *list, const CurrentPreset &preset, QWidget *dialogParent)
    : m_list(list)
    , m_preset(preset)
    , m_dialogParent(dialogParent)
{
    connect(&m_store, &MediaStore::ItemAppended, this, &MediaList::ShowAppended);
    connect(&m_store, &MediaStore::ItemRemoved, this, [this](int row) { m_list->removeRow(row); });
    connect(&m_store, &MediaStore::Cleared, this, [this] { m_list->setRowCount(0); });
    connect(&m_store, &MediaStore::ItemChanged, this, &MediaList::ShowChanged);
    connect(&m_store, &MediaStore::ProgressChanged, this, &MediaList::ShowProgress);
    connect(m_list, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!m_showing && item->column() == MediaColumn::Select)
            m_store.SetChecked(item->row(), item->checkState() == Qt::Checked);
    });
}

void MediaList::SetupColumns()
{
    static const char *const kTitles[MediaColumn::Count]
        = {"Select", "File Name", "Location", "Duration", "Target Format", "Status", ""};
    static const int kWidths[MediaColumn::Count] = {60, 160, 160, 90, 120, 140, 500};
    m_list->setColumnCount(MediaColumn::Count);
    for (int c = 0; c < MediaColumn::Count; ++c) {
        auto *header = new QTableWidgetItem(QString::fromLatin1(kTitles[c]));
        header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        m_list->setHorizontalHeaderItem(c, header);
        m_list->setColumnWidth(c, kWidths[c]);
    }
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSortingEnabled(false);
    m_list->setWordWrap(false);
    m_list->setIconSize(QSize(16, 16));
    // Compact rows, as a report list has them: a line of text or a 16-pixel image.
    m_list->verticalHeader()->setDefaultSectionSize(qMax(20, m_list->fontMetrics().height() + 6));
}

void MediaList::SetRowImages(const QIcon &film, const QIcon &sound)
{
    m_images[0] = film;
    m_images[1] = sound;
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

int MediaList::rowImageKind(int row) const
{
    const QTableWidgetItem *item = m_list->item(row, MediaColumn::Select);
    return item ? item->data(kRowImageRole).toInt() : -1;
}

bool MediaList::IsListed(const QString &folder, const QString &name) const
{
    return m_store.IsListed(folder, name);
}

void MediaList::AppendMediaRow(const QString &folder, const QString &name)
{
    m_store.Append(ProbeItem(folder, name));
}

void MediaList::ShowAppended(int row)
{
    const MediaItem &media = m_store.at(row);
    const int image = media.audioOnly() ? 1 : 0;
    m_showing = true;
    m_list->insertRow(row);
    auto *select = new QTableWidgetItem(QString());
    select->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    select->setData(kRowImageRole, image);
    if (!m_images[image].isNull())
        select->setIcon(m_images[image]);
    m_list->setItem(row, MediaColumn::Select, select);
    m_list->setItem(row, MediaColumn::FileName, NewItem(media.name));
    select->setCheckState(media.checked ? Qt::Checked : Qt::Unchecked);
    m_list->setItem(row, MediaColumn::Location, NewItem(media.folder));
    // A file that can be converted but does not state its length converts too; only its
    // length is unknown.
    const bool known = media.state != ItemState::UnknownFormat && media.info.durationKnown;
    const QString duration = known
        ? FormatDuration(static_cast<quint32>(media.info.durationSeconds))
        : QStringLiteral("Unknown");
    m_list->setItem(row, MediaColumn::Duration, NewItem(duration));
    m_list->setItem(row, MediaColumn::TargetFormat, NewItem(m_preset.formatLabel));
    m_list->setItem(row, MediaColumn::Status, NewItem(StateText(media.state)));
    m_list->setItem(row, MediaColumn::Filler, NewItem(QString()));
    m_showing = false;
}

void MediaList::ShowChanged(int row)
{
    const MediaItem &media = m_store.at(row);
    m_showing = true;
    if (QTableWidgetItem *select = m_list->item(row, MediaColumn::Select))
        select->setCheckState(media.checked ? Qt::Checked : Qt::Unchecked);
    if (QTableWidgetItem *status = m_list->item(row, MediaColumn::Status)) {
        status->setText(StateText(media.state));
        status->setToolTip(media.reason);
    }
    m_showing = false;
}

void MediaList::ShowProgress(int row, int progress)
{
    if (progress == MediaItem::kNoProgress) {
        m_list->RemoveProgress(row);
        return;
    }
    if (!m_list->ProgressBar(row))
        m_list->CreateProgress(row, MediaColumn::Status);
    // Without a percentage the bar still says that the file is being worked on.
    m_list->ProgressBar(row)->SetWindowText(
        progress == MediaItem::kProgressUnknown ? QStringLiteral("Converting...") : QString());
    m_list->SetProgressPos(row, qMax(0, progress));
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
    return {QStringLiteral("All files(*.*) (*)"),
            QStringLiteral("Mpeg-4 Video(*.mp4) (*.mp4)"),
            QStringLiteral("DVD Video(*.vob) (*.vob)"),
            QStringLiteral("Windows Media Audio(*.wma) (*.wma)"),
            QStringLiteral("Windows Media Video(*.wmv) (*.wmv)"),
            QStringLiteral("Flash Video(*.flv) (*.flv)"),
            QStringLiteral("Mp3 Files(*.mp3) (*.mp3)"),
            QStringLiteral("Audio Video Interleave Files(*.avi) (*.avi)"),
            QStringLiteral("Advanced Audio Coding Files(*.aac) (*.aac)"),
            QStringLiteral("Advanced System Format Files(*.asf) (*.asf)"),
            QStringLiteral("AC3 Audio Files(*.ac3) (*.ac3)"),
            QStringLiteral("VCD Files(*.dat) (*.dat)"),
            QStringLiteral("Video Transport Stream(*.ts) (*.ts)")};
}

int MediaList::AddPaths(const QStringList &givenPaths)
{
    // The progress window runs events: a second add started from one of them would append rows
    // behind the first one's back.
    if (m_adding)
        return 0;
    const QScopedValueRollback<bool> adding(m_adding, true);
    QStringList paths = givenPaths;
    const QStringList undecodable = TakeUndecodablePaths(paths);
    std::unique_ptr<QProgressDialog> progress;
    if (paths.size() >= kProgressThreshold) {
        progress = std::make_unique<QProgressDialog>(QStringLiteral("Adding media files..."),
                                                     QStringLiteral("Cancel"), 0, paths.size(),
                                                     m_dialogParent);
        progress->setWindowTitle(ApplicationName());
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(500);
        progress->setAutoClose(false);
        progress->setAutoReset(false);
    }
    QList<QPair<QString, QString>> files;
    files.reserve(paths.size());
    for (const QString &path : paths) {
        const auto [name, folder] = SplitPath(path);
        files.append(qMakePair(folder, name));
    }

    MediaAdder adder(&m_store);
    adder.SetThreads(m_probeThreads);
    adder.SetProbe(m_probe);
    QElapsedTimer sinceUpdate;
    if (progress) {
        connect(&adder, &MediaAdder::Progress, progress.get(), [&](int done, int total) {
            // Each update of a shown progress window runs events and repaints the list: a few a
            // second are enough to show the work advancing.
            if (sinceUpdate.isValid() && sinceUpdate.elapsed() < kProgressUpdateMs)
                return;
            progress->setLabelText(QStringLiteral("Adding media files... %1 of %2")
                                       .arg(qMin(done + 1, total))
                                       .arg(total));
            progress->setValue(done);
            sinceUpdate.start();
        });
        connect(progress.get(), &QProgressDialog::canceled, &adder, &MediaAdder::Cancel);
        progress->setLabelText(
            QStringLiteral("Adding media files... %1 of %2").arg(1).arg(paths.size()));
        // Shows the window after its minimum duration, however the probes advance.
        progress->setValue(0);
        sinceUpdate.start();
    }
    adder.Start(files);
    while (adder.running()) {
        // Until the progress window shows, clicks and keys wait: the window must not start
        // another command under a short add. Once it shows it holds the window itself.
        const bool shown = progress && progress->isVisible();
        QCoreApplication::processEvents(
            QEventLoop::WaitForMoreEvents
            | (shown ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents));
        if (progress && progress->wasCanceled())
            adder.Cancel();
    }
    const int added = adder.added();
    if (!undecodable.isEmpty())
        CurrentDialogs().Message(m_dialogParent, UndecodableNamesMessage(undecodable),
                                 ApplicationName(), MessageIcon::Warning);
    return added;
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
    QString folder = CurrentDialogs().PickFolder(m_dialogParent, QStringLiteral("Select a folder"));
    if (!folder.isEmpty()) {
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        m_keptPattern = folder + QStringLiteral("*");
    }
    if (m_keptPattern.isEmpty()) {
        CurrentDialogs().Message(m_dialogParent, QStringLiteral("%1 media files added!").arg(0),
                                 ApplicationName(), MessageIcon::None);
        return;
    }
    AddFolderPath(m_keptPattern.chopped(1));
}

int MediaList::AddFolderPath(const QString &folder)
{
    QString searched = folder;
    if (!searched.endsWith(QLatin1Char('/')))
        searched += QLatin1Char('/');
    // Only the entries directly in the folder; sub folders are not searched. Hidden files are
    // not the user's media: the program's own half-written outputs are among them.
    const QStringList names = QDir(searched).entryList(QDir::Files, QDir::Name);
    QStringList paths;
    for (const QString &name : names) {
        if (IsMediaExtension(searched + name))
            paths << searched + name;
    }
    const int added = AddPaths(paths);
    CurrentDialogs().Message(m_dialogParent, QStringLiteral("%1 media files added!").arg(added),
                             ApplicationName(), MessageIcon::None);
    const QStringList undecodable = UndecodableFileNames(searched, IsMediaExtension);
    if (!undecodable.isEmpty())
        CurrentDialogs().Message(m_dialogParent, UndecodableNamesMessage(undecodable),
                                 ApplicationName(), MessageIcon::Warning);
    return added;
}

QString MediaList::Text(int row, int column) const
{
    const QTableWidgetItem *item = m_list->item(row, column);
    return item ? item->text() : QString();
}

void MediaList::SetTargetFormat(const QString &label)
{
    for (int row = 0; row < m_list->rowCount(); ++row) {
        if (QTableWidgetItem *item = m_list->item(row, MediaColumn::TargetFormat))
            item->setText(label);
    }
}

void MediaList::RemoveSelected()
{
    // The selection mark: the row at which the user's last selection started.
    if (!m_list->selectionModel() || !m_list->selectionModel()->currentIndex().isValid()
        || m_list->selectionModel()->selectedRows().isEmpty())
        return;
    QList<int> rows;
    for (int row = 0; row < m_list->rowCount(); ++row) {
        if (m_list->selectionModel()->isRowSelected(row, QModelIndex()))
            rows << row;
    }
    m_store.Remove(rows);
}

void MediaList::RemoveAll()
{
    m_store.Clear();
}

void MediaList::CheckAll()
{
    for (int row = 0; row < m_store.count(); ++row)
        m_store.SetChecked(row, true);
}
