#pragma once
// The other end of `pelmora --set-input` and its siblings: a short conversation with the driver
// already running on this computer, which sends one SIM message and brings back the answer.
#include "server/LinkServer.h"

namespace server {

// Connects to the local socket, says CONNECT, sends "SIM <request>" and waits for the answer (at
// most 10 s); a driver that is not there or does not answer gives a failure that says so.
SimulatorAnswer askSimulator(const QString& socketPath, const QString& request);

} // namespace server
