// The identity and read commands of the simulated transmitters.
#include "sim/SimTransmitter.h"

#include "sim/SimProcess.h"

#include "hart/HartEncoding.h"
#include "platform/EventLoop.h"

namespace sim {

using namespace hart;

namespace {
// Stored texts are always packable: the writers and the state file reader see to that.
QByteArray packed(const QString& text, int characters)
{
    return packAscii(text, characters).value_or(QByteArray(characters / 4 * 3, '\0'));
}

void appendValue(QByteArray& out, quint8 unit, double value)
{
    out.append(char(unit));
    appendFloat(out, float(value));
}
} // namespace

SimTransmitter::Answer SimTransmitter::identity(const QByteArray&)
{
    const Identity& id = model.identity;
    QByteArray data;
    data.append(char(254));
    if (id.universalRevision >= 7) {
        appendUInt(data, id.expandedDeviceType(), 2);
    } else {
        data.append(char(id.manufacturerId));
        data.append(char(id.deviceType));
    }
    data.append(char(id.minPreambles));
    data.append(char(id.universalRevision));
    data.append(char(id.deviceRevision));
    data.append(char(id.softwareRevision));
    data.append(char(id.hardwareRevision << 3)); // signalling code 0: Bell 202 current
    data.append(char(id.flags));
    appendUInt(data, id.deviceId, 3);
    if (id.universalRevision >= 6) {
        data.append(char(id.minPreambles)); // the preambles of its replies
        data.append(char(1 + model.variables.size()));
        appendUInt(data, changeCounter, 2);
        data.append(extendedStatus().at(6));
    }
    if (id.universalRevision >= 7) {
        appendUInt(data, id.manufacturerId, 2);
        appendUInt(data, id.manufacturerId, 2); // private label distributor: the maker itself
        data.append(char(1));                   // device profile: process automation device
    }
    return {rc::Success, data};
}

SimTransmitter::Answer SimTransmitter::readPrimary(const QByteArray&)
{
    QByteArray data;
    appendValue(data, working.pvUnit, pvScale().fromBase(primaryValue()));
    return {rc::Success, data};
}

SimTransmitter::Answer SimTransmitter::readCurrent(const QByteArray&)
{
    QByteArray data;
    appendFloat(data, float(loopCurrentMa()));
    appendFloat(data, float(percentOfRange()));
    return {rc::Success, data};
}

SimTransmitter::Answer SimTransmitter::readVariables(const QByteArray&)
{
    QByteArray data;
    appendFloat(data, float(loopCurrentMa()));
    const double pv = primaryValue();
    appendValue(data, working.pvUnit, pvScale().fromBase(pv));
    const double seconds = double(platform::eventLoop().nowMs()) / 1000.0;
    for (const auto& variable : model.variables)
        appendValue(data, variable.unit, variable.value(seconds, pv));
    return {rc::Success, data};
}

SimTransmitter::Answer SimTransmitter::readMessage(const QByteArray&)
{
    return {rc::Success, packed(working.message, limits::MessageChars)};
}

SimTransmitter::Answer SimTransmitter::readTagDescriptorDate(const QByteArray&)
{
    QByteArray data = packed(working.tag, limits::TagChars) + packed(working.descriptor, limits::DescriptorChars);
    data += encodeDate(working.date).value_or(QByteArray(3, '\0'));
    return {rc::Success, data};
}

SimTransmitter::Answer SimTransmitter::readSensorInfo(const QByteArray&)
{
    const UnitScale scale = pvScale();
    QByteArray data;
    appendUInt(data, model.sensorSerial, 3);
    data.append(char(working.pvUnit));
    appendFloat(data, float(scale.fromBase(model.upperSensorLimit)));
    appendFloat(data, float(scale.fromBase(model.lowerSensorLimit)));
    appendFloat(data, float(scale.spanFromBase(model.minSpan)));
    return {rc::Success, data};
}

SimTransmitter::Answer SimTransmitter::readOutputInfo(const QByteArray&)
{
    const UnitScale scale = pvScale();
    QByteArray data;
    data.append(char(0)); // alarm selection: high
    data.append(char(working.transferFunction));
    data.append(char(working.pvUnit));
    appendFloat(data, float(scale.fromBase(working.upperRange)));
    appendFloat(data, float(scale.fromBase(working.lowerRange)));
    appendFloat(data, float(working.damping));
    data.append(char(working.writeProtect ? 1 : 0));
    data.append(char(250));
    data.append(char(model.identity.manufacturerId)); // private label distributor
    return {rc::Success, data};
}

SimTransmitter::Answer SimTransmitter::readFinalAssembly(const QByteArray&)
{
    QByteArray data;
    appendUInt(data, working.finalAssemblyNumber, 3);
    return {rc::Success, data};
}

SimTransmitter::Answer SimTransmitter::readLongTag(const QByteArray&)
{
    return {rc::Success, working.longTag.toLatin1().leftJustified(limits::LongTagChars, '\0')};
}

SimTransmitter::Answer SimTransmitter::readStatus(const QByteArray&)
{
    const QByteArray data = extendedStatus();
    statusLastRead = data;
    selfTestResult = false;
    return {rc::Success, data};
}

// Burst mode control code, the command the device bursts, and the device variables in the four
// slots of command 33, which these devices do not burst: "not used".
SimTransmitter::Answer SimTransmitter::readBurstConfiguration(const QByteArray&)
{
    QByteArray data;
    data.append(char(working.burstMode ? 1 : 0));
    data.append(char(working.burstCommand));
    data.append(QByteArray(4, char(250)));
    return {rc::Success, data};
}

} // namespace sim
