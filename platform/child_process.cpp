#include "platform/child_process.h"

#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

void CloseFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

int OpenPidfd(pid_t pid)
{
#ifdef SYS_pidfd_open
    return static_cast<int>(::syscall(SYS_pidfd_open, pid, 0));
#else
    (void)pid;
    return -1;
#endif
}

int SignalPidfd(int pidfd, int sig)
{
#ifdef SYS_pidfd_send_signal
    return static_cast<int>(::syscall(SYS_pidfd_send_signal, pidfd, sig, nullptr, 0));
#else
    (void)pidfd;
    (void)sig;
    errno = ENOSYS;
    return -1;
#endif
}

} // namespace

ChildProcess::~ChildProcess()
{
    if (IsRunning()) {
        Terminate();
        Wait(-1);
    }
    CloseOutput();
    CloseFd(m_pidfd);
}

bool ChildProcess::Start(const QString &program, const QStringList &arguments)
{
    if (IsRunning())
        return false;
    CloseOutput();
    CloseFd(m_pidfd);
    m_ending = Ending::StartFailed;
    m_code = 0;
    m_startError = 0;

    // Everything the child needs is prepared here: between fork and exec only calls that are
    // safe in a copy of a threaded process may run.
    const QString path
        = program.contains(QLatin1Char('/')) ? program : QStandardPaths::findExecutable(program);
    if (path.isEmpty()) {
        m_startError = ENOENT;
        return false;
    }
    std::vector<std::string> args;
    args.push_back(QFile::encodeName(path).toStdString());
    for (const QString &a : arguments)
        args.push_back(QFile::encodeName(a).toStdString());
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int out[2];
    int report[2];
    if (::pipe2(out, O_CLOEXEC) != 0) {
        m_startError = errno;
        return false;
    }
    if (::pipe2(report, O_CLOEXEC) != 0) {
        m_startError = errno;
        ::close(out[0]);
        ::close(out[1]);
        return false;
    }
    int devNull = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    const pid_t parent = ::getpid();

    const pid_t pid = ::fork();
    if (pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        sigset_t all;
        sigemptyset(&all);
        ::sigprocmask(SIG_SETMASK, &all, nullptr);
        ::signal(SIGPIPE, SIG_DFL);
        if (devNull >= 0)
            ::dup2(devNull, STDIN_FILENO);
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(out[1], STDERR_FILENO);
        ::execve(argv[0], argv.data(), environ);
        int error = errno;
        ssize_t ignored = ::write(report[1], &error, sizeof error);
        (void)ignored;
        ::_exit(127);
    }

    const int forkError = errno;
    ::close(out[1]);
    ::close(report[1]);
    CloseFd(devNull);
    if (pid < 0) {
        ::close(out[0]);
        ::close(report[0]);
        m_startError = forkError;
        return false;
    }

    // The report pipe closes without data when exec succeeded.
    int execError = 0;
    ssize_t n;
    do {
        n = ::read(report[0], &execError, sizeof execError);
    } while (n < 0 && errno == EINTR);
    ::close(report[0]);
    if (n == static_cast<ssize_t>(sizeof execError)) {
        int status;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
        ::close(out[0]);
        m_startError = execError;
        return false;
    }

    std::lock_guard<std::mutex> lock(m_mutex);
    m_pid = pid;
    m_pidfd = OpenPidfd(pid);
    m_outRead = out[0];
    m_reaped = false;
    m_ending = Ending::NotStarted;
    return true;
}

qint64 ChildProcess::Read(char *buffer, qint64 size)
{
    if (m_outRead < 0)
        return -1;
    for (;;) {
        const ssize_t n = ::read(m_outRead, buffer, static_cast<size_t>(size));
        if (n >= 0)
            return n;
        if (errno != EINTR)
            return -1;
    }
}

void ChildProcess::CloseOutput()
{
    CloseFd(m_outRead);
}

void ChildProcess::Terminate()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_reaped || m_pid <= 0)
        return;
    // An unreaped child keeps its process id, so signalling it by id is safe here too.
    if (m_pidfd < 0 || SignalPidfd(m_pidfd, SIGKILL) != 0)
        ::kill(m_pid, SIGKILL);
}

bool ChildProcess::IsRunning() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return !m_reaped;
}

bool ChildProcess::ReapIfEnded(bool block)
{
    siginfo_t info {};
    int flags = WEXITED | WNOWAIT | (block ? 0 : WNOHANG);
    int r;
    do {
        r = ::waitid(P_PID, static_cast<id_t>(m_pid), &info, flags);
    } while (r < 0 && errno == EINTR);
    if (r < 0 || info.si_pid == 0)
        return false;
    std::lock_guard<std::mutex> lock(m_mutex);
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) { }
    m_reaped = true;
    if (WIFSIGNALED(status)) {
        m_ending = Ending::Signalled;
        m_code = WTERMSIG(status);
    } else {
        m_ending = Ending::Exited;
        m_code = WEXITSTATUS(status);
    }
    CloseFd(m_pidfd);
    return true;
}

bool ChildProcess::Wait(int timeoutMs)
{
    if (!IsRunning())
        return true;
    if (timeoutMs < 0)
        return ReapIfEnded(true);
    if (m_pidfd >= 0) {
        pollfd p {m_pidfd, POLLIN, 0};
        int r;
        do {
            r = ::poll(&p, 1, timeoutMs);
        } while (r < 0 && errno == EINTR);
        return ReapIfEnded(false);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (ReapIfEnded(false))
            return true;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}
