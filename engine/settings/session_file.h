#pragma once

#include "engine/media/media_store.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class QLockFile;

// What the session keeps of the running program: the listed items, and the batch's place.
struct SessionContent
{
    // Each listed item with its tick, state, Status tooltip, output and what the probe learnt.
    std::vector<MediaItem> items;
    // The rows of `items` that the running batch had still to convert, running ones first; empty
    // when no batch ran.
    QList<int> batchRows;
};

// The session file of the running program, so that a program that ends badly can offer its list
// back at the next start. One running copy owns the session at a time; a copy that does not own
// it never reads or writes it. Writes replace the whole file at once (a crash leaves the old file
// or the new one) and come at most once every kWriteEveryMs, however many changes are announced;
// the content is taken on the thread that owns the file, and encoded and written on a thread of
// its own, so that a long list never holds up the window.
class SessionFile final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionFile)

public:
    // $XDG_STATE_HOME/kelvora/ (by default ~/.local/state/kelvora/), ending with "/"; empty when
    // neither the state folder nor the home folder is known.
    static QString DefaultFolder();

    // The session kept in `folder` (ending with "/"); nothing is read or written before Claim.
    explicit SessionFile(QString folder, QObject *parent = nullptr);
    // Writes a change that is still due, and gives up the session without removing its file.
    ~SessionFile() override;

    // Takes the session for this copy, making the folder when it is missing. False when another
    // running copy owns it or the folder cannot be used.
    bool Claim();
    bool owned() const { return m_owned; }
    QString path() const { return m_folder + QStringLiteral("session"); }

    // What a program that is no longer running left in the file; false when there is nothing
    // (no file, or a session that is not owned). A file that cannot be read as a session (damaged,
    // or claiming more than it holds) is moved aside to "session.bad" in the same folder, with one
    // line on standard error, and false is returned.
    bool ReadLeft(SessionContent *content) const;

    // Asked for the content whenever a write is due.
    void SetSource(std::function<SessionContent()> source) { m_source = std::move(source); }
    // The content changed: it is written within kWriteEveryMs, in the background.
    void ScheduleWrite();
    // True while a write announced by ScheduleWrite is still to come.
    bool writeDue() const { return m_timer.isActive(); }
    // Writes the content now, after any write still in the background; false when it cannot be
    // written or the session is not owned.
    bool WriteNow();
    // The program ends, but not by the user's choice (a stop signal, the desktop session's end):
    // the content is written now, nothing after it, and the file stays for the next start.
    void Keep();
    // The program closes cleanly: the file is removed and nothing is written any more.
    void Close();
    // The left content is not wanted: the file is removed; later changes write it again.
    void Discard();

    static QByteArray Encode(const SessionContent &content);
    // False, with `content` unspecified, for data that Encode did not make (or an earlier
    // version of it, which kept no item's MediaItem::subFolder), and for an item whose
    // subFolder would lead out of the saving folder.
    static bool Decode(const QByteArray &data, SessionContent *content);

    static constexpr int kWriteEveryMs = 1000;

private:
    // Takes the content and has it written in the background.
    void WriteInBackground();

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    std::function<SessionContent()> m_source;
    QTimer m_timer;
    bool m_owned = false;
    bool m_closed = false;
    // One thread: the writes land in the order they were taken. Last, so that it is gone, with its
    // writes done, before anything they use.
    QThreadPool m_writer;
};
