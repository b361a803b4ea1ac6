#include "gui/app/TerminationSignals.h"

#include <QSocketNotifier>

#ifndef Q_OS_WIN
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace zarvex1 {

#ifndef Q_OS_WIN

namespace {

constexpr std::array<int, 3> Handled = {SIGTERM, SIGHUP, SIGINT};
// [0] written by the handler, [1] read by the event loop.
int pipeEnds[2] = {-1, -1};
// What the signals did before, put back when the object goes.
std::array<struct sigaction, Handled.size()> previous{};

extern "C" void OnTerminationSignal(int number) {
    // Only async-signal-safe calls here: one byte into the pipe, errno left as it was.
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t ignored = ::write(pipeEnds[0], &byte, 1);
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0) {
        qWarning("Termination signals: no pipe for them (%s)", std::strerror(errno));
        return;
    }
    notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::ReadPipe);
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Handled.size(); ++i)
        ::sigaction(Handled[i], &action, &previous[i]);
}

TerminationSignals::~TerminationSignals() {
    if (!notifier_)
        return;
    for (std::size_t i = 0; i < Handled.size(); ++i)
        ::sigaction(Handled[i], &previous[i], nullptr);
    delete notifier_;
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
}

void TerminationSignals::ReadPipe() {
    char byte = 0;
    while (::read(pipeEnds[1], &byte, 1) == 1)
        emit received(static_cast<unsigned char>(byte));
}

#else

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;
void TerminationSignals::ReadPipe() {}

#endif

} // namespace zarvex1
