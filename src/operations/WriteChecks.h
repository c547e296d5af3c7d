#pragma once
// Checks made before anything is sent, against what the device itself has told us. A write is a
// row of commands: one the device would refuse halfway, or the driver could not turn into a request,
// would leave the device with part of the changes. So the whole write is refused first, with a plain
// reason that names the value and the limit. The sensor's limits and minimum span are those of its
// command 14 reply as shown; a value in another unit than theirs is left to the device, since the
// program converts no units.
#include "config/DeviceState.h"

#include <QList>
#include <optional>

namespace operations {

// Why the write of the changed values must not begin, given the commands of the write list (a command
// is sent when its change flag is set); nothing when it may.
std::optional<QString> writeRefusal(const config::DeviceState& state, const QList<int>& writeCommands);

// Why setting the upper or lower range value to the input applied now must not begin; nothing when it may.
std::optional<QString> appliedInputRefusal(const config::DeviceState& state, bool upper);
// The sensor's limits as a line for the questions of the range setting; empty when they are not known.
QString sensorLimitsHint(const config::DeviceState& state);

} // namespace operations
