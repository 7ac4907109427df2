#include "app/termination_signals.h"

#include <QSocketNotifier>

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

#ifndef _WIN32
// Written by the signal handler, read on the GUI thread: the only thing a
// handler may safely do is write a byte.
int pipe_fds[2] = { -1, -1 };

void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(pipe_fds[0], &byte, 1);
}
#endif

} // namespace

termination_signals::termination_signals(QObject* parent)
    : QObject(parent)
{
#ifndef _WIN32
    if (pipe_fds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipe_fds) != 0)
        return;
    ::fcntl(pipe_fds[0], F_SETFL, O_NONBLOCK);
    ::fcntl(pipe_fds[1], F_SETFL, O_NONBLOCK);
    notifier_ = new QSocketNotifier(pipe_fds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &termination_signals::Drain);

    struct sigaction action { };
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal_number : { SIGTERM, SIGINT, SIGHUP })
        ::sigaction(signal_number, &action, nullptr);
#endif
}

termination_signals::~termination_signals()
{
#ifndef _WIN32
    struct sigaction action { };
    action.sa_handler = SIG_DFL;
    for (int signal_number : { SIGTERM, SIGINT, SIGHUP })
        ::sigaction(signal_number, &action, nullptr);
#endif
}

void termination_signals::Drain()
{
#ifndef _WIN32
    char buffer[64];
    while (::read(pipe_fds[1], buffer, sizeof buffer) > 0) { }
#endif
    emit requested();
}
