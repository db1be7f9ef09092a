#pragma once

#include "engine/media/media_store.h"
#include "engine/settings/session_file.h"

#include <QList>
#include <QObject>

class ConversionList;
class QWidget;

// The window's hooks to the session file: the list and the batch's place are written as they
// change, and a list left by a program that ended badly is offered back at the next start.
class SessionKeeper final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionKeeper)

public:
    // `list` and `dialogParent` must outlive the keeper. Nothing is read or written before
    // OfferLeftList.
    SessionKeeper(ConversionList *list, QWidget *dialogParent,
                  const QString &folder = SessionFile::DefaultFolder());

    // Takes the session for this copy and, when a program that is no longer running left a list
    // in it, asks "Kelvora did not close properly. Restore the N files of the last list?", with
    // Yes and No, or, when its batch had files still to convert, "Restore and Go On Converting",
    // "Restore Only" and "No". A restore adds its files through the list's adding path with their
    // ticks, statuses and outputs (a file that no longer exists is left out, all of them named in
    // one message; one that was converting is waiting again, its tooltip saying it starts over),
    // then says LeftListRestored, with the batch's files only when it is to go on; No discards
    // it. From then on every change is kept. Nothing when another running copy owns the
    // session.
    void OfferLeftList();
    // The window closed as Exit closes it: the session file goes. A close while the question is
    // open keeps the left list for the next start.
    void EndSession();
    // The program is being ended, not by the user (a stop signal, the desktop session's end): the
    // list and the batch's place as they stand now are kept for the next start, which offers them
    // back; the conversions ended on the way out change nothing in them.
    void KeepForNextStart();

    SessionFile &sessionFile() { return m_file; }

Q_SIGNALS:
    // The left list is back; `toResume` are the items its interrupted batch had still to convert.
    void LeftListRestored(const QList<ItemId> &toResume);

private:
    SessionContent Content() const;
    // From now on, every change of the list is written.
    void KeepChanges();

    ConversionList *m_list;
    QWidget *m_dialogParent;
    SessionFile m_file;
    bool m_asking = false;
    bool m_closed = false;
    bool m_keeping = false; // every change is written (KeepChanges ran)
    bool m_kept = false; // KeepForNextStart ran
};
