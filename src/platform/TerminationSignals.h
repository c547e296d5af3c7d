#pragma once
// SIGTERM and SIGINT end a command-line program through its event loop rather than at once, so
// that it removes what it made (a socket, a link) on the way out as at any other end.

namespace platform {

// From now on the two signals quit the running QCoreApplication's event loop. False when the
// signals cannot be caught (the program then ends on them as it would anyway).
bool quitEventLoopOnTerminationSignals();

} // namespace platform
