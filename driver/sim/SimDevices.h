#pragma once
// The simulated transmitters pelmora offers, with their factory configuration: an Ostrevo PR210
// pressure transmitter at polling address 0, an Ostrevo TM120 temperature transmitter at polling
// address 1, and a HART 7 mass flow transmitter at polling address 2, of a maker of the public
// manufacturer table, which has no definition file.
#include "sim/SimTransmitter.h"

namespace sim {

inline constexpr quint8 OstrevoId = 110;
inline constexpr quint8 Pr210Type = 210;
inline constexpr quint8 Tm120Type = 120;
// Endress+Hauser in the public manufacturer table; an expanded device type of its own range.
inline constexpr quint8 FlowMakerId = 17;
inline constexpr quint8 FlowType = 0xA8;

SimTransmitter makePressureTransmitter();
SimTransmitter makeTemperatureTransmitter();
SimTransmitter makeFlowTransmitter();

} // namespace sim
