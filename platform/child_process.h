#pragma once

#include <QString>
#include <QStringList>

#include <mutex>
#include <sys/types.h>

// One child program, started without a shell, its standard output and standard error on one
// pipe and its standard input from /dev/null. The child is killed when the thread that started
// it ends (so a converter never outlives the program), and it is never signalled once it has been
// reaped, so a recycled process id cannot be hit by mistake.
class ChildProcess
{
public:
    enum class Ending {
        NotStarted, // Start() was not called, or the child still runs
        StartFailed, // the program could not be started at all
        Exited, // the program exited; code() is its exit code
        Signalled, // the program was killed by a signal; code() is the signal number
    };

    ChildProcess() = default;
    ~ChildProcess(); // kills and reaps a child that still runs
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    // Starts `program` (a path, or a name looked up on PATH) with `arguments`. False when it
    // could not be started; ending() is then StartFailed and startError() holds the reason.
    bool Start(const QString &program, const QStringList &arguments);

    // Reads at most `size` bytes of the child's output. Returns the number of bytes, 0 once the
    // output has closed (every writer ended), -1 on an error.
    qint64 Read(char *buffer, qint64 size);
    void CloseOutput();

    // Kills the child. Safe from any thread; does nothing when no child runs.
    void Terminate();

    // Waits for the child to end and reaps it; timeoutMs < 0 waits for ever. True when the child
    // has ended (or never ran).
    bool Wait(int timeoutMs);

    bool IsRunning() const;
    Ending ending() const { return m_ending; }
    int code() const { return m_code; }
    int startError() const { return m_startError; }
    pid_t pid() const { return m_pid; }

private:
    bool ReapIfEnded(bool block);

    mutable std::mutex m_mutex; // guards m_pid/m_reaped against Terminate() from another thread
    pid_t m_pid = -1;
    int m_pidfd = -1;
    int m_outRead = -1;
    bool m_reaped = true;
    Ending m_ending = Ending::NotStarted;
    int m_code = 0;
    int m_startError = 0;
};
