#include "ui/app/session_keeper.h"

#include "engine/convert/batch_queue.h"
#include "engine/media/media_store.h"
#include "res/strings.h"
#include "ui/platform/dialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QScopedValueRollback>

#include <sys/stat.h>

namespace {

// How many missing files the message names one by one.
constexpr int kNamedMissing = 20;

} // namespace

SessionKeeper::SessionKeeper(MediaStore *store, BatchQueue *batch, QWidget *dialogParent,
                             const QString &folder)
    : m_store(store)
    , m_batch(batch)
    , m_dialogParent(dialogParent)
    , m_file(folder)
{
    m_file.SetSource([this] { return Content(); });
}

QList<int> SessionKeeper::OfferLeftList()
{
    if (m_closed || !m_file.Claim())
        return {};
    QList<int> resumed;
    SessionContent left;
    if (m_file.ReadLeft(&left) && !left.items.empty()) {
        const int count = static_cast<int>(left.items.size());
        const QString question = count == 1
            ? QCoreApplication::translate(
                "Session", "Kelvora did not close properly. Restore the 1 file of the last list?")
            : QCoreApplication::translate(
                "Session", "Kelvora did not close properly. Restore the %n files of the last list?",
                nullptr, count);
        bool yes = false;
        {
            const QScopedValueRollback<bool> asking(m_asking, true);
            yes = CurrentDialogs().Ask(m_dialogParent, question, ApplicationName());
        }
        // Closed while the question was open: neither answered, the list waits for the next start.
        if (m_closed)
            return {};
        if (yes)
            resumed = AppendLeft(left);
    }
    m_file.Discard();
    // Every change of the list: rows in, out or moved, a tick or a status (not a bar's move or
    // note).
    for (auto signal : {&MediaStore::rowsInserted, &MediaStore::rowsRemoved})
        connect(m_store, signal, &m_file, &SessionFile::ScheduleWrite);
    connect(m_store, &MediaStore::modelReset, &m_file, [this] { m_file.ScheduleWrite(); });
    connect(m_store, &MediaStore::layoutChanged, &m_file, [this] { m_file.ScheduleWrite(); });
    connect(m_store, &MediaStore::dataChanged, &m_file,
            [this](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                if (!roles.contains(MediaStore::ProgressRole)
                    && !roles.contains(MediaStore::NoteRole))
                    m_file.ScheduleWrite();
            });
    connect(m_batch, &BatchQueue::BatchStarted, &m_file, &SessionFile::ScheduleWrite);
    connect(m_batch, &BatchQueue::BatchEnded, &m_file, &SessionFile::ScheduleWrite);
    if (m_store->count() > 0)
        m_file.WriteNow();
    return resumed;
}

QList<int> SessionKeeper::AppendLeft(const SessionContent &left)
{
    QStringList missing;
    std::vector<int> rows(left.items.size(), -1);
    for (size_t i = 0; i < left.items.size(); ++i) {
        MediaItem item = left.items[i];
        struct stat st;
        if (::stat(QFile::encodeName(item.path()).constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
            missing << item.path();
            continue;
        }
        // Another file under the same name: what was learnt of the old one does not hold.
        if (quint64(st.st_dev) != item.device || quint64(st.st_ino) != item.inode) {
            const bool checked = item.checked;
            item = ProbeItem(item.folder, item.name);
            item.checked = checked;
        }
        item.progress = MediaItem::kNoProgress;
        rows[i] = m_store->Append(std::move(item));
    }
    if (!missing.isEmpty()) {
        QString text = QCoreApplication::translate(
            "Session", "These files no longer exist and were left out of the list:");
        for (const QString &path : missing.mid(0, kNamedMissing))
            text += QLatin1Char('\n') + path;
        if (missing.size() > kNamedMissing)
            text += QLatin1Char('\n')
                + QCoreApplication::translate("Adding", "... and %n more", nullptr,
                                              int(missing.size() - kNamedMissing));
        CurrentDialogs().Message(m_dialogParent, text, ApplicationName(), MessageIcon::Warning);
    }
    QList<int> resumed;
    for (int row : left.batchRows) {
        if (rows[size_t(row)] >= 0)
            resumed << rows[size_t(row)];
    }
    return resumed;
}

void SessionKeeper::EndSession()
{
    m_closed = true;
    if (!m_asking)
        m_file.Close();
}

SessionContent SessionKeeper::Content() const
{
    SessionContent content;
    content.items.reserve(size_t(m_store->count()));
    for (int row = 0; row < m_store->count(); ++row)
        content.items.push_back(m_store->at(row));
    const QList<int> running = m_batch->RunningRows();
    // A conversion cut short is to be done again: its row waits.
    for (int row : running) {
        content.items[size_t(row)].state = ItemState::Waiting;
        content.items[size_t(row)].reason.clear();
    }
    content.batchRows = running + m_batch->PendingRows();
    return content;
}
