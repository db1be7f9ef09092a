#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT turned into a Qt signal in the event loop, so that a logout, a
// closed terminal or Ctrl-C end the program through its own closing steps. The first of them is
// also remembered for the work that runs before the event loop does, and a descriptor turns
// readable with every signal for a poll() outside the event loop. On request Ctrl-Z (SIGTSTP) is
// caught and announced as well. One object at a time: signals belong to the whole process.
class StopSignals final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StopSignals)

public:
    explicit StopSignals(QObject *parent = nullptr);
    // Gives the signals caught their default action back.
    ~StopSignals() override;

    // Catches the three signals from now on; false, with nothing changed, when it cannot.
    bool Install();
    // Catches Ctrl-Z (true) or gives it its default action back (false); only once installed.
    // A caught Ctrl-Z is announced, but never taken for the first stop signal.
    void CatchTerminalStop(bool on);

    // The first of the three stop signals that arrived since Install, 0 before any.
    static int first();
    // Readable once a caught signal arrived and until the event loop announced it; -1 before
    // Install. For poll() only: reading it takes the announcement away.
    static int descriptor();

Q_SIGNALS:
    // A caught signal arrived (announced once for each that arrives).
    void Arrived(int signal);

private:
    void OnReadable();

    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_installed = false;
    bool m_catchingStop = false;
};
