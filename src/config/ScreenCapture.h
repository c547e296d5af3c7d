#pragma once
// Moves a configuration between the main window's controls and a TConfigRecord.
#include "TConfigRecord.h"
#include "link/MainScreen.h"

namespace config {

// The control that shows a field of the record.
driverlink::Control controlOf(Field field);
// Fills the 21 screen fields (and the magic "HART20File") from the controls; texts are cut to 32 characters.
void FromScreen(const driverlink::MainScreen& screen, TConfigRecord& record);

} // namespace config
