#pragma once

#include <QObject>
#include <QString>

class QDBusMessage;

// Keeps the computer from suspending when idle while the program works. Asks logind on the
// system bus for a "sleep:idle" inhibitor that blocks; where logind does not grant one, the
// session's power management service, then its screen saver service. Lid switch and shutdown
// are never asked for: a closed lid or a suspend the user chooses still suspends.
//
// Everything is asynchronous and silent: no call waits for an answer, and where no bus or no
// service runs, nothing is held and nothing is printed. The lock never outlives the program:
// logind's lock is a descriptor that closes with it, and the session services drop the locks of
// a program that leaves the bus.
class SleepInhibitor final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SleepInhibitor)

public:
    explicit SleepInhibitor(QObject *parent = nullptr);
    // Gives back what is held.
    ~SleepInhibitor() override;

    // Wants the computer awake, `why` being the reason the desktop shows. Returns at once: the
    // lock is asked for from the event loop. Nothing more happens while it is already wanted.
    void Hold(const QString &why);
    // Wants it no more: a lock held is given back now, and one granted later at once.
    void Release();
    // Off, nothing is asked for and a lock held is given back; on again, a lock still wanted
    // (Hold without Release) is asked for. On from the start.
    void SetEnabled(bool enabled);

    // The reason for a batch of `files` files: "Converting 2 files".
    static QString BatchReason(int files);

private:
    // What a service granted: logind's descriptor, or a session service's cookie.
    struct Lock
    {
        int service = -1; // index of the service that granted it; -1: nothing held
        int fd = -1;
        uint cookie = 0;
    };

    void Update();
    // Asks the services from `service` on, one after the other until one grants the lock.
    void Ask(int service);
    void OnAnswer(int service, int generation, const QDBusMessage &reply);
    static void GiveBack(const Lock &lock);

    bool m_enabled = true;
    bool m_wanted = false;
    bool m_asking = false;
    // Counts the releases: an answer to an earlier request is given back as soon as it comes.
    int m_generation = 0;
    QString m_why;
    Lock m_lock;
};
