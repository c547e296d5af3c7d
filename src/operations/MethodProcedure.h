#pragma once
// Runs a service method of the device definition (a method button of the detailed setup window):
// asks, lets the sequencer walk the method's template steps, says how it went and records it.
#include "detailed/DeviceTemplates.h"
#include "operations/OperationHost.h"

namespace operations {

void runMethod(OperationHost& host, detailed::DeviceTemplates& templates, const QString& buttonName);

} // namespace operations
