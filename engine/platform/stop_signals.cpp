// Catches the signals that stop the program and hands them to its event loop.
#include "engine/platform/stop_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

// A socket pair rather than a pipe: a write after the reading end closed must not raise SIGPIPE.
int g_pair[2] = {-1, -1};
volatile sig_atomic_t g_first = 0;

// Only async-signal-safe work: the number goes through the socket to the event loop.
void OnSignal(int signal)
{
    const int saved = errno;
    if (g_first == 0 && signal != SIGTSTP)
        g_first = signal;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pair[1], &number, 1);
    errno = saved;
}

bool SetAction(int signal, void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(signal, &action, nullptr) == 0;
}

void SetActions(void (*handler)(int))
{
    for (int signal : kSignals)
        SetAction(signal, handler);
}

} // namespace

StopSignals::StopSignals(QObject *parent)
    : QObject(parent)
{ }

StopSignals::~StopSignals()
{
    if (!m_installed)
        return;
    SetActions(SIG_DFL);
    CatchTerminalStop(false);
    m_notifier.reset();
    ::close(g_pair[0]);
    ::close(g_pair[1]);
    g_pair[0] = g_pair[1] = -1;
}

bool StopSignals::Install()
{
    if (m_installed || g_pair[0] >= 0)
        return m_installed;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pair) != 0)
        return false;
    g_first = 0;
    for (int signal : kSignals) {
        if (!SetAction(signal, OnSignal)) {
            SetActions(SIG_DFL);
            ::close(g_pair[0]);
            ::close(g_pair[1]);
            g_pair[0] = g_pair[1] = -1;
            return false;
        }
    }
    m_notifier = std::make_unique<QSocketNotifier>(g_pair[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &StopSignals::OnReadable);
    m_installed = true;
    return true;
}

void StopSignals::CatchTerminalStop(bool on)
{
    if (!m_installed || m_catchingStop == on)
        return;
    m_catchingStop = on;
    SetAction(SIGTSTP, on ? OnSignal : SIG_DFL);
}

int StopSignals::first()
{
    return g_first;
}

int StopSignals::descriptor()
{
    return g_pair[0];
}

void StopSignals::OnReadable()
{
    unsigned char number = 0;
    while (::read(g_pair[0], &number, 1) == 1)
        Q_EMIT Arrived(number);
}
