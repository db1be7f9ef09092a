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

// Only async-signal-safe work: the number goes through the socket to the event loop.
void OnSignal(int signal)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(g_pair[1], &number, 1);
    errno = saved;
}

void SetAction(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

} // namespace

StopSignals::StopSignals(QObject *parent)
    : QObject(parent)
{ }

StopSignals::~StopSignals()
{
    if (!m_installed)
        return;
    SetAction(SIG_DFL);
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
    m_notifier = std::make_unique<QSocketNotifier>(g_pair[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &StopSignals::OnReadable);
    SetAction(OnSignal);
    m_installed = true;
    return true;
}

void StopSignals::OnReadable()
{
    unsigned char number = 0;
    while (::read(g_pair[0], &number, 1) == 1)
        Q_EMIT Arrived(number);
}
