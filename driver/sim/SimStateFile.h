#pragma once
// The state file of the simulated devices: what each device keeps over a restart, as JSON.
//
//   { "version": 1,
//     "devices": { "PR210": { "tag": "PT-101", "upperRange": 1000, ... }, "TM120": { ... } } }
//
// Measured quantities (range values, zero offset, trim points) are in the device's base unit, kPa
// or degrees Celsius; "pvUnit" is the unit the device shows them in. Beside its configuration each
// device keeps its "configurationChanged" flag. Reading never fails: a value that is missing keeps
// the factory setting, one that is unusable too, with a problem reported.
#include "sim/SimTransmitter.h"

#include <QJsonObject>
#include <QStringList>
#include <vector>

namespace sim {

QJsonObject configToJson(const Config& config);
// The configuration in `object`, on top of `defaults`; each unusable entry adds a line to problems.
Config configFromJson(const QJsonObject& object, const DeviceModel& model, const Config& defaults,
                      QStringList& problems);

// Loads the stored configuration of each device found in the file. A missing file is no problem.
// A file nothing could be read from (unreadable, not JSON, cut short, no "devices") is renamed to
// "<file>.broken-<yyyyMMdd-HHmmss>" so that the next save does not destroy it; the problem says so.
QStringList loadState(const QString& path, std::vector<SimTransmitter>& devices);
// Writes the stored configurations atomically, creating the folder. Empty, or the error text.
QString saveState(const QString& path, const std::vector<SimTransmitter>& devices);

} // namespace sim
