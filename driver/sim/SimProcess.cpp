#include "sim/SimProcess.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sim {

namespace {
quint64 splitMix(quint64 x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}
} // namespace

double noiseAt(quint64 seed, qint64 nowMs)
{
    const quint64 bits = splitMix(splitMix(seed) ^ quint64(nowMs / 100)) >> 11; // 53 bits
    return double(bits) / double(1ull << 52) - 1.0;
}

double sensorReading(const ProcessWave& wave, qint64 nowMs, double dampingS, std::optional<double> held)
{
    if (held) return *held;
    const double calm = 1.0 / (1.0 + 2.0 * std::max(0.0, dampingS));
    const double noise = wave.noise * calm * noiseAt(wave.seed, nowMs);
    const double omega = 2.0 * std::numbers::pi / wave.periodS;
    const double wt = omega * std::max(0.0, dampingS);
    const double seconds = double(nowMs) / 1000.0;
    return wave.centre + wave.amplitude / std::sqrt(1.0 + wt * wt) * std::sin(omega * seconds - std::atan(wt)) + noise;
}

double pt100Ohm(double celsius) { return 100.0 * (1.0 + 3.9083e-3 * celsius - 5.775e-7 * celsius * celsius); }

double percentOfRange(double pv, double lowerRange, double upperRange, quint8 transferFunction)
{
    const double span = upperRange - lowerRange;
    if (std::abs(span) < 1e-12) return 0.0;
    double share = (pv - lowerRange) / span;
    if (transferFunction == 1) share = share > 0.0 ? std::sqrt(share) : 0.0;
    return 100.0 * share;
}

LoopCurrent currentFromPercent(double percent)
{
    const double ma = 4.0 + 0.16 * percent;
    if (ma < SaturationLowMa) return {SaturationLowMa, true};
    if (ma > SaturationHighMa) return {SaturationHighMa, true};
    return {ma, false};
}

double percentFromCurrent(double ma) { return (ma - 4.0) / 0.16; }

} // namespace sim
