#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

// A signal handler may only write to a descriptor: the byte wakes the event loop, which does the rest.
int wakeUp[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakeUp[1], &byte, 1);
}

} // namespace

bool onTerminationSignals(std::function<void()> handler)
{
    // Not inherited by the programs this one starts; a full pipe drops a signal rather than block in the handler.
    if (wakeUp[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, wakeUp) != 0) return false;
    ::fcntl(wakeUp[1], F_SETFL, ::fcntl(wakeUp[1], F_GETFL) | O_NONBLOCK);
    auto* notifier = new QSocketNotifier(wakeUp[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, QCoreApplication::instance(),
                     [handler = std::move(handler)] {
                         char bytes[64];
                         [[maybe_unused]] const auto taken = ::read(wakeUp[0], bytes, sizeof bytes);
                         handler();
                     });
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    return true;
}

bool quitEventLoopOnTerminationSignals() { return onTerminationSignals(&QCoreApplication::quit); }

} // namespace platform
