#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// SIGTERM, SIGHUP and SIGINT turned into a Qt signal in the event loop, so that a logout, a
// closed terminal or Ctrl-C end the program through its own closing steps. One object at a time.
class StopSignals : public QObject
{
    Q_OBJECT

public:
    explicit StopSignals(QObject *parent = nullptr);
    // Gives the signals their default action back.
    ~StopSignals() override;

    // Catches the three signals from now on; false, with nothing changed, when it cannot.
    bool Install();

Q_SIGNALS:
    // One of the signals arrived (announced once for each that arrives).
    void Arrived(int signal);

private:
    void OnReadable();

    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_installed = false;
};
