#pragma once
// What a device's definition does to the device state: the items it places with their captions and
// option lists, the values the device's write list lets the user edit, and the unit and transfer
// function lists narrowed to what the device offers. Windows then lay out what the state holds.
#include "config/DeviceState.h"
#include "detailed/DefinitionModel.h"

namespace detailed {

// The items the definition places (the others are no longer placed) and its faults as the items'
// error text. A model of a file that does not exist changes nothing.
void defineItems(config::ItemStore& items, const DefinitionModel& model);

// defineItems, then: only the values whose commands the write list holds stay editable, and the lists
// hold the definition's codes in the language of tableFile, keeping the entry they showed when it is
// still among them.
void applyDefinition(config::DeviceState& state, const DefinitionModel& model, const QString& tableFile);

} // namespace detailed
