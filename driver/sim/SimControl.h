#pragma once
// Control of the simulated devices from outside, as on a test bench: a calibrator holding a
// device's sensor input at a value, and a meter in series with its loop. Requests come as text,
// from a SIM message on the driver's local socket (docs/driver-link.md, section 8):
//
//   INPUT <device> <value>   hold the sensor input at the value, in the unit of the device's PV
//   RELEASE <device>         let the input follow the simulated process again
//   METER <device>           the loop current as a meter in the loop reads it, in mA
//   LINE                     how many transactions have crossed the wire and the time they took
//
// <device> is a polling address or a device's name (PR210, TM120, FLOW7). A held input stays until
// it is released or the driver ends: the calibrator is not part of the device and no state file
// keeps it.
#include "sim/SimBus.h"

namespace sim {

struct ControlAnswer {
    bool ok = false;
    QString text; // what was done, or why not
};

ControlAnswer control(SimBus& bus, const QString& request);

} // namespace sim
