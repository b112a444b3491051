#include "app/unixsignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalSockets[2] = {-1, -1};
constexpr int Caught[] = {SIGTERM, SIGHUP, SIGINT, SIGUSR1};

void onSignal(int signal)
{
    const char number = static_cast<char>(signal);
    // write() is async-signal-safe; a full socket drops the byte, and one is enough.
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &number, 1);
}
} // namespace

UnixSignals::UnixSignals(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0)
        return;
    ::fcntl(signalSockets[0], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UnixSignals::readSignals);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : Caught)
        ::sigaction(signal, &action, nullptr);
}

UnixSignals::~UnixSignals()
{
    if (!m_notifier)
        return;
    for (int signal : Caught)
        std::signal(signal, SIG_DFL);
    delete m_notifier;
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void UnixSignals::readSignals()
{
    char number = 0;
    if (::read(signalSockets[1], &number, 1) != 1)
        return;
    if (number == SIGUSR1)
        emit showRequested();
    else
        emit endRequested(number);
}
