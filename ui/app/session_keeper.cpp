// The session file's side in the window: the list kept as it changes, and offered back.
#include "ui/app/session_keeper.h"

#include "engine/media/conversion_list.h"
#include "res/strings.h"
#include "ui/platform/dialogs.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScopedValueRollback>

namespace {

// How many missing files the message names one by one.
constexpr int kNamedMissing = 20;
// Past this many rows, the list is written only when its rows, statuses or ticks change.
constexpr int kLongList = 5000;

} // namespace

SessionKeeper::SessionKeeper(ConversionList *list, QWidget *dialogParent, const QString &folder)
    : m_list(list)
    , m_dialogParent(dialogParent)
    , m_file(folder)
{
    m_file.SetSource([this] { return Content(); });
}

void SessionKeeper::OfferLeftList()
{
    if (m_closed || !m_file.Claim())
        return;
    SessionContent left;
    if (m_file.ReadLeft(&left) && !left.items.empty()) {
        const int count = static_cast<int>(left.items.size());
        // With a batch left unfinished, the user chooses whether it goes on at once.
        const bool batch = !left.batchRows.isEmpty();
        QString question;
        if (batch)
            question = count == 1
                ? QCoreApplication::translate(
                    "Session",
                    "Kelvora did not close properly. Restore the 1 file of the last list? It was "
                    "still to be converted; if it was cut short, it starts over.")
                : QCoreApplication::translate("Session",
                                              "Kelvora did not close properly. Restore the %n "
                                              "files of the last list? %1 of them were still to "
                                              "be converted; files cut short start over.",
                                              nullptr, count)
                      .arg(left.batchRows.size());
        else
            question = count == 1
                ? QCoreApplication::translate(
                    "Session",
                    "Kelvora did not close properly. Restore the 1 file of the last list?")
                : QCoreApplication::translate(
                    "Session",
                    "Kelvora did not close properly. Restore the %n files of the last list?",
                    nullptr, count);
        int answer = 0;
        {
            const QScopedValueRollback<bool> asking(m_asking, true);
            const QStringList answers = batch
                ? QStringList {QCoreApplication::translate("Session",
                                                           "Restore and &Go On Converting"),
                               QCoreApplication::translate("Session", "&Restore Only"),
                               QCoreApplication::translate("Session", "&No")}
                : QStringList {QCoreApplication::translate("Session", "&Yes"),
                               QCoreApplication::translate("Session", "&No")};
            answer = CurrentDialogs().Choose(m_dialogParent, question, ApplicationName(), answers);
        }
        // Closed while the question was open: neither answered, the list waits for the next start.
        if (m_closed)
            return;
        if (answer == 0 || (batch && answer == 1)) {
            const QList<int> batchRows = answer == 0 ? left.batchRows : QList<int>();
            QPointer<SessionKeeper> self(this);
            m_list->Restore(std::move(left.items), [self, batchRows](const AddReport &report) {
                if (!self || self->m_closed)
                    return;
                if (!report.missing.isEmpty()) {
                    QString text = QCoreApplication::translate(
                        "Session", "These files no longer exist and were left out of the list:");
                    for (const QString &path : report.missing.mid(0, kNamedMissing))
                        text += QLatin1Char('\n') + path;
                    if (report.missing.size() > kNamedMissing)
                        text += QLatin1Char('\n')
                            + QCoreApplication::translate(
                                    "Adding", "... and %n more", nullptr,
                                    int(report.missing.size() - kNamedMissing));
                    CurrentDialogs().Message(self->m_dialogParent, text, ApplicationName(),
                                             MessageIcon::Warning);
                }
                QList<ItemId> resume;
                for (int row : batchRows) {
                    if (row < report.restored.size() && report.restored[row] != 0)
                        resume << report.restored[row];
                }
                self->KeepChanges();
                Q_EMIT self->LeftListRestored(resume);
            });
            return;
        }
    }
    KeepChanges();
}

void SessionKeeper::KeepChanges()
{
    m_keeping = true;
    m_file.Discard();
    MediaStore *store = &m_list->store();
    // Every change of the list: rows in, out or moved, a tick or a status (not a bar's move or
    // note).
    for (auto signal : {&MediaStore::rowsInserted, &MediaStore::rowsRemoved})
        connect(store, signal, &m_file, &SessionFile::ScheduleWrite);
    connect(store, &MediaStore::modelReset, &m_file, [this] { m_file.ScheduleWrite(); });
    connect(store, &MediaStore::layoutChanged, &m_file, [this] { m_file.ScheduleWrite(); });
    connect(store, &MediaStore::dataChanged, &m_file,
            [this, store](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
                if (roles.contains(MediaStore::ProgressRole)
                    || roles.contains(MediaStore::NoteRole))
                    return;
                // Writing a long list takes a while: only what a restore would miss (a status, a
                // tick) is worth it, not a column's look.
                if (store->count() > kLongList && !roles.isEmpty()
                    && !roles.contains(Qt::CheckStateRole))
                    return;
                m_file.ScheduleWrite();
            });
    connect(&m_list->batch(), &BatchQueue::BatchStarted, &m_file, &SessionFile::ScheduleWrite);
    connect(&m_list->batch(), &BatchQueue::BatchEnded, &m_file, &SessionFile::ScheduleWrite);
    if (store->count() > 0)
        m_file.WriteNow();
}

void SessionKeeper::EndSession()
{
    m_closed = true;
    if (!m_asking && !m_kept)
        m_file.Close();
}

void SessionKeeper::KeepForNextStart()
{
    // Before the list is kept (the question on a left list still open, or its files still
    // coming back), the left list in the file is what the next start is to offer.
    if (m_keeping && !m_kept)
        m_file.Keep();
    m_kept = true;
}

SessionContent SessionKeeper::Content() const
{
    const MediaStore &store = m_list->store();
    SessionContent content;
    content.items.reserve(size_t(store.count()));
    for (int row = 0; row < store.count(); ++row)
        content.items.push_back(store.at(row));
    // A conversion cut short is to be done again: its row waits, and says so.
    for (ItemId id : m_list->batch().RunningItems()) {
        const int row = store.RowOf(id);
        content.items[size_t(row)].state = ItemState::Waiting;
        content.items[size_t(row)].reason = QCoreApplication::translate(
            "Session", "Cut short when Kelvora ended: it starts over from the beginning");
        content.batchRows << row;
    }
    for (ItemId id : m_list->batch().PendingItems())
        content.batchRows << store.RowOf(id);
    return content;
}
