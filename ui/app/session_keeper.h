#pragma once

#include "engine/settings/session_file.h"

#include <QList>
#include <QObject>

class BatchQueue;
class MediaStore;
class QWidget;

// The window's hooks to the session file: the list and the batch's place are written as they
// change, and a list left by a program that ended badly is offered back at the next start.
class SessionKeeper : public QObject
{
    Q_OBJECT

public:
    // `store`, `batch` and `dialogParent` must outlive the keeper. Nothing is read or written
    // before OfferLeftList.
    SessionKeeper(MediaStore *store, BatchQueue *batch, QWidget *dialogParent,
                  const QString &folder = SessionFile::DefaultFolder());

    // Takes the session for this copy and, when a program that is no longer running left a list
    // in it, asks "Kelvora did not close properly. Restore the N files of the last list?". Yes
    // appends its files with their ticks, statuses and outputs (a file that no longer exists is
    // left out, all of them named in one message; one that was converting is waiting again), No
    // discards it. From then on every change is kept. Returns the rows that the interrupted batch
    // had still to convert; empty otherwise, and when another running copy owns the session.
    QList<int> OfferLeftList();
    // The window closed as Exit closes it: the session file goes. A close while the question is
    // open keeps the left list for the next start.
    void EndSession();

    SessionFile &sessionFile() { return m_file; }

private:
    SessionContent Content() const;
    QList<int> AppendLeft(const SessionContent &left);

    MediaStore *m_store;
    BatchQueue *m_batch;
    QWidget *m_dialogParent;
    SessionFile m_file;
    bool m_asking = false;
    bool m_closed = false;
};
