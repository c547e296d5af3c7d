#pragma once
// The bench of the simulated devices, asked from outside the driver: `pelmora --set-input` and its
// siblings, and the program's calibration check against `pelmora --sim`. A short conversation of its own
// with the driver already running on this computer, beside any connection to it: one SIM message and
// its answer.

#include <QString>

namespace platform {

// What the driver made of the request: ok and its one line, or not ok and why.
struct SimulatorAnswer {
    bool ok = false;
    QString text;
};

// Connects to the local socket, says CONNECT, sends "SIM <request>" and waits for the answer (at
// most 10 s); a driver that is not there or does not answer gives a failure that says so.
SimulatorAnswer askSimulator(const QString& socketPath, const QString& request);

} // namespace platform
