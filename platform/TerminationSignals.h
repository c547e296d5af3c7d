#pragma once
// SIGTERM and SIGINT end a program through its event loop rather than at once, so that it takes its
// ordinary way out (removes the socket it made, ends the driver it started) as at any other end.
#include <functional>

namespace platform {

// From now on each of the two signals calls `handler` from the event loop (a modal dialog's included).
// Called once in a program. False when the signals cannot be caught (the program then ends on them as it
// would anyway).
bool onTerminationSignals(std::function<void()> handler);
// The same, quitting the running QCoreApplication's event loop.
bool quitEventLoopOnTerminationSignals();

} // namespace platform
