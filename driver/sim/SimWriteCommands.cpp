// The write and action commands of the simulated transmitters. A handler checks and applies; the
// dispatcher in SimTransmitter.cpp handles write protection and what a write leaves behind.
#include "sim/SimTransmitter.h"

#include "hart/HartEncoding.h"

#include <algorithm>
#include <cmath>

namespace sim {

using namespace hart;

namespace {
// A float from the request, or nothing when it is NaN or infinite.
std::optional<double> finiteFloat(const QByteArray& data, int offset)
{
    const float value = readFloat(data, offset);
    if (!std::isfinite(value)) return std::nullopt;
    return double(value);
}

QByteArray floatBytes(double value)
{
    QByteArray out;
    appendFloat(out, float(value));
    return out;
}

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

// Command-specific response codes.
constexpr quint8 AppliedProcessTooHigh = 9;    // commands 36, 37 and 43
constexpr quint8 AppliedProcessTooLow = 10;    // commands 36, 37 and 43
constexpr quint8 LoopCurrentNotActive = 11;    // commands 40, 45 and 46 in multidrop
constexpr quint8 IncorrectLoopCurrentMode = 9; // commands 45 and 46: not fixed near the trim point

constexpr double TrimPointToleranceMa = 1.0; // how near 4 or 20 mA the current must be fixed
constexpr double FixedMinMa = 3.5;
constexpr double FixedMaxMa = 23.0;
} // namespace

SimTransmitter::Answer SimTransmitter::writePollingAddress(const QByteArray& data)
{
    const quint8 address = quint8(data.at(0));
    if (address > limits::MaxPollingAddress) return {rc::InvalidSelection, {}};
    working.pollingAddress = address;
    if (multidrop()) fixedMa.reset();
    // Straight to non-volatile memory, also where other writes wait for command 39: a device that
    // came back at its old address after a power cycle would be lost to its master.
    if (stored.pollingAddress != address) {
        stored.pollingAddress = address;
        storedChanged = true;
    }
    return {rc::Success, data.left(1)};
}

SimTransmitter::Answer SimTransmitter::writeMessage(const QByteArray& data)
{
    working.message = withoutTrailingBlanks(unpackAscii(data, 0, 24));
    return {rc::Success, data.left(24)};
}

SimTransmitter::Answer SimTransmitter::writeTagDescriptorDate(const QByteArray& data)
{
    const QDate date = decodeDate(data, 18);
    if (!date.isValid()) return {rc::InvalidSelection, {}};
    working.tag = withoutTrailingBlanks(unpackAscii(data, 0, 6));
    working.descriptor = withoutTrailingBlanks(unpackAscii(data, 6, 12));
    working.date = date;
    return {rc::Success, data.left(21)};
}

SimTransmitter::Answer SimTransmitter::writeFinalAssembly(const QByteArray& data)
{
    working.finalAssemblyNumber = readUInt(data, 0, 3);
    return {rc::Success, data.left(3)};
}

// Latin-1 characters up to the first NUL byte, which pads a shorter long tag.
SimTransmitter::Answer SimTransmitter::writeLongTag(const QByteArray& data)
{
    const QByteArray text = data.left(limits::LongTagChars);
    const int nul = text.indexOf('\0');
    working.longTag = QString::fromLatin1(nul < 0 ? text : text.left(nul));
    return {rc::Success, text};
}

SimTransmitter::Answer SimTransmitter::writeDamping(const QByteArray& data)
{
    const auto damping = finiteFloat(data, 0);
    if (!damping) return {rc::InvalidSelection, {}};
    if (*damping > limits::MaxDamping) return {rc::TooLarge, {}};
    if (*damping < 0.0) return {rc::TooSmall, {}};
    working.damping = *damping;
    return {rc::Success, floatBytes(*damping)};
}

SimTransmitter::Answer SimTransmitter::writeRange(const QByteArray& data)
{
    const quint8 unitCode = quint8(data.at(0));
    const auto scale = unitScale(model.quantity, unitCode);
    const auto upper = finiteFloat(data, 1);
    const auto lower = finiteFloat(data, 5);
    if (!scale || !upper || !lower) return {rc::InvalidSelection, {}};
    Answer answer = applyRange(scale->toBase(*upper), scale->toBase(*lower));
    if (answer.code != rc::Success && answer.code != rc::SpanTooSmall) return answer;
    working.pvUnit = unitCode; // the range's unit becomes the PV unit
    answer.data = data.left(9);
    return answer;
}

// The range ends set to the applied process must lie within the sensor limits.
quint8 SimTransmitter::appliedCode(double pv) const
{
    if (pv > model.upperSensorLimit + model.limitTolerance()) return AppliedProcessTooHigh;
    if (pv < model.lowerSensorLimit - model.limitTolerance()) return AppliedProcessTooLow;
    return rc::Success;
}

// The upper range value becomes the PV now; the lower one stays, so only the span can be wrong.
SimTransmitter::Answer SimTransmitter::setUpperToApplied(const QByteArray&)
{
    const double pv = primaryValue();
    if (const quint8 code = appliedCode(pv)) return {code, {}};
    const quint8 code = spanCode(pv, working.lowerRange);
    if (code == rc::InvalidSpan) return {code, {}};
    working.upperRange = pv;
    return {code, {}};
}

// The lower range value becomes the PV now and the upper one moves with it, keeping the span.
// Where that would take the upper one beyond the sensor it stops at the limit: "set to nearest
// possible value", or "span too small" when the span left is below the minimum span.
SimTransmitter::Answer SimTransmitter::setLowerToApplied(const QByteArray&)
{
    const double pv = primaryValue();
    if (const quint8 code = appliedCode(pv)) return {code, {}};
    const double moved = pv + (working.upperRange - working.lowerRange);
    const double tolerance = model.limitTolerance();
    const double upper = moved > model.upperSensorLimit + tolerance   ? model.upperSensorLimit
                         : moved < model.lowerSensorLimit - tolerance ? model.lowerSensorLimit
                                                                      : moved;
    quint8 code = spanCode(upper, pv);
    if (code == rc::InvalidSpan) return {code, {}};
    if (code == rc::Success && upper != moved) code = rc::SetToNearest;
    working.lowerRange = pv;
    working.upperRange = upper;
    return {code, {}};
}

SimTransmitter::Answer SimTransmitter::resetChangedFlag(const QByteArray&)
{
    setConfigChanged(false);
    return {};
}

SimTransmitter::Answer SimTransmitter::eepromControl(const QByteArray& data)
{
    switch (data.at(0)) {
    case 0: // burn
        if (!(stored == working)) {
            stored = working;
            storedChanged = true;
        }
        break;
    case 1: // restore the shadow copy
        if (!(working == stored)) {
            setConfigChanged(true);
            setWorking(stored);
        }
        break;
    default: return {rc::InvalidSelection, {}};
    }
    return {rc::Success, data.left(1)};
}

SimTransmitter::Answer SimTransmitter::fixCurrent(const QByteArray& data)
{
    if (multidrop()) return {LoopCurrentNotActive, {}};
    const auto ma = finiteFloat(data, 0);
    if (!ma) return {rc::InvalidSelection, {}};
    if (*ma == 0.0) {
        fixedMa.reset();
        return {rc::Success, floatBytes(loopCurrentMa())};
    }
    if (*ma > FixedMaxMa) return {rc::TooLarge, {}};
    if (*ma < FixedMinMa) return {rc::TooSmall, {}};
    fixedMa = *ma;
    return {rc::Success, floatBytes(*ma)};
}

SimTransmitter::Answer SimTransmitter::selfTest(const QByteArray&)
{
    // The simulated electronics always pass; the result is there to be read with command 48.
    selfTestResult = true;
    return {};
}

SimTransmitter::Answer SimTransmitter::deviceReset(const QByteArray&)
{
    return {}; // the reset itself follows the reply
}

// The zero offset becomes what makes the PV read 0 at the applied input. An input further from zero
// than the trim may correct is no zero pressure or temperature but a fault, and is refused.
SimTransmitter::Answer SimTransmitter::zeroTrim(const QByteArray&)
{
    const double input = sensorInput();
    const double limit = limits::ZeroTrimShare * model.sensorSpan();
    if (input > limit) return {AppliedProcessTooHigh, {}};
    if (input < -limit) return {AppliedProcessTooLow, {}};
    working.zeroOffset = -input;
    return {};
}

SimTransmitter::Answer SimTransmitter::writeUnits(const QByteArray& data)
{
    const quint8 unitCode = quint8(data.at(0));
    if (!model.allowsUnit(unitCode)) return {rc::InvalidSelection, {}};
    working.pvUnit = unitCode;
    return {rc::Success, data.left(1)};
}

SimTransmitter::Answer SimTransmitter::trimLower(const QByteArray& data) { return trimOutput(data, 4.0); }

SimTransmitter::Answer SimTransmitter::trimUpper(const QByteArray& data) { return trimOutput(data, 20.0); }

// The technician fixed the current near one end and tells what the meter reads. The lower trim
// moves the whole output; the upper trim turns it about the 4 mA point.
SimTransmitter::Answer SimTransmitter::trimOutput(const QByteArray& data, double point)
{
    if (multidrop()) return {LoopCurrentNotActive, {}};
    if (!fixedMa || std::abs(*fixedMa - point) > TrimPointToleranceMa) return {IncorrectLoopCurrentMode, {}};
    const auto measured = finiteFloat(data, 0);
    if (!measured) return {rc::InvalidSelection, {}};
    const double error = *measured - *fixedMa;
    if (error > TrimPointToleranceMa) return {rc::TooLarge, {}};
    if (error < -TrimPointToleranceMa) return {rc::TooSmall, {}};

    double offset = working.outputTrimOffset;
    double gain = working.outputTrimGain;
    if (point < 12.0) {
        offset -= error;
    } else {
        const double at4 = offset + gain * 4.0;
        gain *= (*fixedMa - 4.0) / (*measured - 4.0);
        offset = at4 - gain * 4.0;
    }
    // Trims that pile up beyond what the output stage can do stop at its end.
    const double clampedGain = std::clamp(gain, limits::MinTrimGain, limits::MaxTrimGain);
    const double clampedOffset = std::clamp(offset, -limits::MaxTrimOffsetMa, limits::MaxTrimOffsetMa);
    working.outputTrimGain = clampedGain;
    working.outputTrimOffset = clampedOffset;
    const bool clamped = clampedGain != gain || clampedOffset != offset;
    return {clamped ? rc::SetToNearest : rc::Success, data.left(4)};
}

SimTransmitter::Answer SimTransmitter::writeTransferFunction(const QByteArray& data)
{
    const quint8 function = quint8(data.at(0));
    if (!model.allowsTransferFunction(function)) return {rc::InvalidSelection, {}};
    working.transferFunction = function;
    return {rc::Success, data.left(1)};
}

SimTransmitter::Answer SimTransmitter::writeBurstCommand(const QByteArray& data)
{
    const quint8 command = quint8(data.at(0));
    if (!limits::isBurstCommand(command)) return {rc::InvalidSelection, {}};
    working.burstCommand = command;
    return {rc::Success, data.left(1)};
}

SimTransmitter::Answer SimTransmitter::writeBurstMode(const QByteArray& data)
{
    const quint8 mode = quint8(data.at(0));
    if (mode > 1) return {rc::InvalidSelection, {}};
    working.burstMode = mode == 1;
    return {rc::Success, data.left(1)};
}

} // namespace sim
