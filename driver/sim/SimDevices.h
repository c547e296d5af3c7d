#pragma once
// The simulated transmitters pelmora offers: an Ostrevo PR210 pressure transmitter at polling
// address 0 and an Ostrevo TM120 temperature transmitter at polling address 1, with their
// factory configuration.
#include "sim/SimTransmitter.h"

namespace sim {

inline constexpr quint8 OstrevoId = 110;
inline constexpr quint8 Pr210Type = 210;
inline constexpr quint8 Tm120Type = 120;

SimTransmitter makePressureTransmitter();
SimTransmitter makeTemperatureTransmitter();

} // namespace sim
