#include "sim/SimTransmitter.h"

#include "sim/SimProcess.h"

#include "hart/HartEncoding.h"
#include "platform/EventLoop.h"
#include "platform/ReplyLayout.h"

#include <cmath>
#include <utility>

namespace sim {

using namespace hart;

// Minimum request bytes, and whether the command writes the configuration.
const SimTransmitter::Command SimTransmitter::Universal[] = {
    {0, 0, false, &SimTransmitter::identity},
    {1, 0, false, &SimTransmitter::readPrimary},
    {2, 0, false, &SimTransmitter::readCurrent},
    {3, 0, false, &SimTransmitter::readVariables},
    {6, 1, true, &SimTransmitter::writePollingAddress},
    {11, 6, false, &SimTransmitter::identity},
    {12, 0, false, &SimTransmitter::readMessage},
    {13, 0, false, &SimTransmitter::readTagDescriptorDate},
    {14, 0, false, &SimTransmitter::readSensorInfo},
    {15, 0, false, &SimTransmitter::readOutputInfo},
    {16, 0, false, &SimTransmitter::readFinalAssembly},
    {17, 24, true, &SimTransmitter::writeMessage},
    {18, 21, true, &SimTransmitter::writeTagDescriptorDate},
    {19, 3, true, &SimTransmitter::writeFinalAssembly},
    {20, 0, false, &SimTransmitter::readLongTag, replylayout::LongTagRevision},
    {22, 32, true, &SimTransmitter::writeLongTag, replylayout::LongTagRevision},
    {34, 4, true, &SimTransmitter::writeDamping},
    {35, 9, true, &SimTransmitter::writeRange},
    {36, 0, true, &SimTransmitter::setUpperToApplied},
    {37, 0, true, &SimTransmitter::setLowerToApplied},
    {38, 0, false, &SimTransmitter::resetChangedFlag},
    {39, 1, false, &SimTransmitter::eepromControl},
    {40, 4, false, &SimTransmitter::fixCurrent},
    {41, 0, false, &SimTransmitter::selfTest},
    {42, 0, false, &SimTransmitter::deviceReset},
    {43, 0, true, &SimTransmitter::zeroTrim},
    {44, 1, true, &SimTransmitter::writeUnits},
    {45, 4, true, &SimTransmitter::trimLower},
    {46, 4, true, &SimTransmitter::trimUpper},
    {47, 1, true, &SimTransmitter::writeTransferFunction},
    {48, 0, false, &SimTransmitter::readStatus},
    {105, 0, false, &SimTransmitter::readBurstConfiguration},
    {108, 1, true, &SimTransmitter::writeBurstCommand},
    {109, 1, true, &SimTransmitter::writeBurstMode},
};

const SimTransmitter::Command SimTransmitter::DisplayCommands[] = {
    {128, 0, false, &SimTransmitter::readDisplay},           {129, 2, true, &SimTransmitter::writeDisplay},
    {130, 0, false, &SimTransmitter::readAlarmCurrents},     {131, 8, true, &SimTransmitter::writeAlarmCurrents},
    {132, 1, false, &SimTransmitter::readTrimPoint},         {133, 5, true, &SimTransmitter::writeTrimPoint},
    {140, 0, true, &SimTransmitter::restoreDisplayDefaults},
};

SimTransmitter::SimTransmitter(DeviceModel model, Config factory)
    : model(std::move(model)), factory(factory), working(factory), stored(factory)
{
    statusLastRead = extendedStatus();
}

const SimTransmitter::Command* SimTransmitter::findCommand(quint8 number, bool withDisplay)
{
    for (const auto& command : Universal)
        if (command.number == number) return &command;
    if (withDisplay)
        for (const auto& command : DisplayCommands)
            if (command.number == number) return &command;
    return nullptr;
}

QByteArray SimTransmitter::longAddress() const
{
    QByteArray address;
    const quint16 type = model.identity.expandedDeviceType();
    address.append(char((type >> 8) & 0x3F));
    address.append(char(type & 0xFF));
    appendUInt(address, model.identity.deviceId, 3);
    return address;
}

bool SimTransmitter::answers(const Address& address) const
{
    if (!address.isLong) return (address.polling & 0x3F) == working.pollingAddress;
    if (address.longAddress.size() != 5) return false;
    QByteArray masked = address.longAddress;
    masked[0] = char(masked.at(0) & 0x3F);
    return masked == longAddress();
}

bool SimTransmitter::answers(const Request& request) const
{
    if (answers(request.address)) return true;
    return request.address.isBroadcast() && request.command == 11 && tagMatches(request.data);
}

bool SimTransmitter::tagMatches(const QByteArray& data) const
{
    return data.size() >= 6 && packAscii(working.tag, limits::TagChars) == data.left(6);
}

std::optional<Reply> SimTransmitter::handle(const Request& request)
{
    // Command 11 is a question to whoever carries the tag: the others keep silent.
    if (request.command == 11 && !tagMatches(request.data)) return std::nullopt;

    Answer answer;
    const Command* command = findCommand(request.command, model.hasDisplay);
    if (command && model.identity.universalRevision < command->sinceRevision) command = nullptr;
    if (!command)
        answer.code = rc::NotImplemented;
    else if (request.data.size() < command->requestBytes)
        answer.code = rc::TooFewBytes;
    else if (command->writes && working.writeProtect)
        answer.code = rc::WriteProtected;
    else
        answer = (this->*command->handler)(request.data);

    // Warnings keep the data and the change; errors return neither.
    const bool accepted =
        answer.code == rc::Success || answer.code == rc::SetToNearest || answer.code == rc::SpanTooSmall;
    if (!accepted) answer.data.clear();
    if (accepted && command && command->writes) acceptWrite();

    Reply reply{answer.code, statusByte(), answer.data};
    coldStart = false;                              // reported once
    if (accepted && request.command == 42) reset(); // after the reply has gone
    return reply;
}

void SimTransmitter::acceptWrite()
{
    setConfigChanged(true);
    ++changeCounter;
    if (model.keepsWritesInRam) return;
    stored = working;
    storedChanged = true;
}

void SimTransmitter::setConfigChanged(bool on)
{
    if (configChanged == on) return;
    configChanged = on;
    storedChanged = true; // the flag lives in non-volatile memory
}

void SimTransmitter::reset()
{
    fixedMa.reset();
    selfTestResult = false;
    coldStart = true;
    // What only lived in RAM is gone.
    if (model.keepsWritesInRam) setWorking(stored);
}

void SimTransmitter::setWorking(const Config& config)
{
    working = config;
    if (multidrop()) fixedMa.reset();
}

void SimTransmitter::load(const Config& config, bool changed)
{
    stored = config;
    held.reset();
    fixedMa.reset();
    coldStart = selfTestResult = storedChanged = false;
    configChanged = changed;
    setWorking(config);
    statusLastRead = extendedStatus();
}

bool SimTransmitter::takeStoredChange() { return std::exchange(storedChanged, false); }

void SimTransmitter::setWriteProtected(bool on)
{
    if (stored.writeProtect == on && working.writeProtect == on) return;
    working.writeProtect = stored.writeProtect = on;
    storedChanged = true;
}

UnitScale SimTransmitter::pvScale() const { return unitScale(model.quantity, working.pvUnit).value_or(UnitScale{}); }

double SimTransmitter::sensorInput() const
{
    const double input = sensorReading(model.process, platform::eventLoop().nowMs(), working.damping, held);
    return model.sensorGainError * input + model.sensorOffset;
}

double SimTransmitter::primaryValue() const { return sensorInput() + working.zeroOffset; }

double SimTransmitter::loopCurrentMa() const
{
    if (multidrop()) return 4.0;
    if (fixedMa) return *fixedMa;
    const double percent =
        sim::percentOfRange(primaryValue(), working.lowerRange, working.upperRange, working.transferFunction);
    return currentFromPercent(percent).ma;
}

double SimTransmitter::percentOfRange() const
{
    // A loop test shows the current it fixed in both values; a multidrop device's parked current
    // says nothing about the process, so its percent stays that of the PV.
    if (fixedMa && !multidrop()) return percentFromCurrent(*fixedMa);
    return sim::percentOfRange(primaryValue(), working.lowerRange, working.upperRange, working.transferFunction);
}

double SimTransmitter::analogOutputMa() const
{
    const double dac = working.outputTrimOffset + working.outputTrimGain * loopCurrentMa();
    return model.outputOffsetMa + model.outputGainError * dac;
}

bool SimTransmitter::saturated() const
{
    if (currentFixed()) return false;
    const double percent =
        sim::percentOfRange(primaryValue(), working.lowerRange, working.upperRange, working.transferFunction);
    return currentFromPercent(percent).saturated;
}

bool SimTransmitter::pvOutOfLimits() const
{
    const double pv = primaryValue();
    return pv < model.lowerSensorLimit || pv > model.upperSensorLimit;
}

quint8 SimTransmitter::statusByte() const
{
    quint8 status = 0;
    if (configChanged) status |= status::ConfigChanged;
    if (coldStart) status |= status::ColdStart;
    if (selfTestResult || extendedStatus() != statusLastRead) status |= status::MoreStatus;
    if (currentFixed()) status |= status::CurrentFixed;
    if (saturated()) status |= status::CurrentSaturated;
    if (pvOutOfLimits()) status |= status::PvOutOfLimits;
    return status;
}

// Command 48: device-specific bytes 0..5 and 14..24 (byte 0 bit 0: sensor input beyond its limits),
// extended status, operating mode, standard status 0..3, analog channels saturated and fixed.
QByteArray SimTransmitter::extendedStatus() const
{
    QByteArray data(25, '\0');
    if (pvOutOfLimits()) {
        data[0] = char(0x01);
        data[6] = char(0x02); // device variable alert
    }
    if (saturated()) data[10] = char(0x01);
    if (currentFixed()) data[13] = char(0x01);
    return data;
}

quint8 SimTransmitter::rangeCode(double upper, double lower) const
{
    const double tolerance = model.limitTolerance();
    const bool lowerTooLow = lower < model.lowerSensorLimit - tolerance;
    const bool lowerTooHigh = lower > model.upperSensorLimit + tolerance;
    const bool upperTooHigh = upper > model.upperSensorLimit + tolerance;
    const bool upperTooLow = upper < model.lowerSensorLimit - tolerance;
    if ((lowerTooLow || lowerTooHigh) && (upperTooHigh || upperTooLow)) return rc::BothOutOfLimits;
    if (lowerTooLow) return rc::LowerTooLow;
    if (lowerTooHigh) return rc::LowerTooHigh;
    if (upperTooHigh) return rc::UpperTooHigh;
    if (upperTooLow) return rc::UpperTooLow;
    return spanCode(upper, lower);
}

quint8 SimTransmitter::spanCode(double upper, double lower) const
{
    const double span = std::abs(upper - lower);
    if (span < limits::ValidSpanShare * model.minSpan) return rc::InvalidSpan;
    if (span < model.minSpan - model.limitTolerance()) return rc::SpanTooSmall;
    return rc::Success;
}

SimTransmitter::Answer SimTransmitter::applyRange(double upper, double lower)
{
    const quint8 code = rangeCode(upper, lower);
    if (code != rc::Success && code != rc::SpanTooSmall) return {code, {}};
    working.upperRange = upper;
    working.lowerRange = lower;
    return {code, {}};
}

} // namespace sim
