// Device-specific commands of the pressure transmitter: local display, alarm currents and the
// points of the last sensor trim. A device without them answers "not implemented".
#include "sim/SimTransmitter.h"

#include "hart/HartEncoding.h"

#include <cmath>

namespace sim {

using namespace hart;

SimTransmitter::Answer SimTransmitter::readDisplay(const QByteArray&)
{
    QByteArray data;
    data.append(char(working.displayMode));
    data.append(char(working.displayDecimals));
    return {rc::Success, data};
}

SimTransmitter::Answer SimTransmitter::writeDisplay(const QByteArray& data)
{
    const quint8 mode = quint8(data.at(0));
    const quint8 decimals = quint8(data.at(1));
    if (mode > limits::MaxDisplayMode) return {rc::InvalidSelection, {}};
    if (decimals > limits::MaxDecimals) return {rc::TooLarge, {}};
    working.displayMode = mode;
    working.displayDecimals = decimals;
    return {rc::Success, data.left(2)};
}

SimTransmitter::Answer SimTransmitter::readAlarmCurrents(const QByteArray&)
{
    QByteArray data;
    appendFloat(data, float(working.alarmLowMa));
    appendFloat(data, float(working.alarmHighMa));
    return {rc::Success, data};
}

SimTransmitter::Answer SimTransmitter::writeAlarmCurrents(const QByteArray& data)
{
    const double low = readFloat(data, 0);
    const double high = readFloat(data, 4);
    if (!std::isfinite(low) || !std::isfinite(high)) return {rc::InvalidSelection, {}};
    if (low > limits::AlarmLowMax || high > limits::AlarmHighMax) return {rc::TooLarge, {}};
    if (low < limits::AlarmLowMin || high < limits::AlarmHighMin) return {rc::TooSmall, {}};
    working.alarmLowMa = low;
    working.alarmHighMa = high;
    return {rc::Success, data.left(8)};
}

SimTransmitter::Answer SimTransmitter::readTrimPoint(const QByteArray& data)
{
    const quint8 index = quint8(data.at(0));
    if (index > 1) return {rc::InvalidSelection, {}};
    QByteArray reply;
    reply.append(char(index));
    appendFloat(reply, float(pvScale().fromBase(working.sensorTrimPoints[index])));
    return {rc::Success, reply};
}

SimTransmitter::Answer SimTransmitter::writeTrimPoint(const QByteArray& data)
{
    const quint8 index = quint8(data.at(0));
    if (index > 1) return {rc::InvalidSelection, {}};
    const double value = readFloat(data, 1);
    if (!std::isfinite(value)) return {rc::InvalidSelection, {}};
    const double base = pvScale().toBase(value);
    if (base > model.upperSensorLimit + model.limitTolerance()) return {rc::TooLarge, {}};
    if (base < model.lowerSensorLimit - model.limitTolerance()) return {rc::TooSmall, {}};
    working.sensorTrimPoints[index] = base;
    return {rc::Success, data.left(5)};
}

SimTransmitter::Answer SimTransmitter::restoreDisplayDefaults(const QByteArray&)
{
    working.displayMode = factory.displayMode;
    working.displayDecimals = factory.displayDecimals;
    working.alarmLowMa = factory.alarmLowMa;
    working.alarmHighMa = factory.alarmHighMa;
    return {};
}

} // namespace sim
