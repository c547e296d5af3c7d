#pragma once
// The process model of the simulated sensors and the arithmetic of the current output. Everything
// is a pure function of the clock reading, so a test on the virtual clock sees the same values
// every run, and two reads at the same instant agree.
#include "sim/SimModel.h"

#include <optional>

namespace sim {

// Deterministic noise in -1..1 that changes every 100 ms.
double noiseAt(quint64 seed, qint64 nowMs);

// The sensor reading in base units: the held value, steady, when a calibrator holds the input (so
// that a range set to it or a zero taken at it comes out exact); else the wave with noise. Damping
// lags the wave like a first-order filter and calms the noise.
double sensorReading(const ProcessWave& wave, qint64 nowMs, double dampingS, std::optional<double> held);

// Resistance of a Pt100 element at a temperature (IEC 60751 above 0 °C, good enough below).
double pt100Ohm(double celsius);

// Percent of range after the transfer function (0 linear, 1 square root).
double percentOfRange(double pv, double lowerRange, double upperRange, quint8 transferFunction);

struct LoopCurrent {
    double ma = 4.0;
    bool saturated = false;
};
inline constexpr double SaturationLowMa = 3.9;
inline constexpr double SaturationHighMa = 20.8;
LoopCurrent currentFromPercent(double percent);
// Percent of range that a current stands for (a fixed current: commands 2 and 3 keep both in step).
double percentFromCurrent(double ma);

} // namespace sim
