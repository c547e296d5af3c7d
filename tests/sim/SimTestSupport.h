#pragma once
// Shorthands for tests that talk to a simulated transmitter directly.
#include "sim/SimTransmitter.h"

#include "hart/HartEncoding.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace simtest {

// The device with a sensor that reads its input exactly: tests of what the commands work out compare with
// the input held.
inline sim::SimTransmitter exactSensor(const sim::SimTransmitter& device)
{
    sim::DeviceModel model = device.deviceModel();
    model.sensorGainError = 1.0;
    model.sensorOffset = 0.0;
    return sim::SimTransmitter(model, device.factoryConfig());
}

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

inline QByteArray floats(std::initializer_list<double> values)
{
    QByteArray out;
    for (double v : values)
        hart::appendFloat(out, float(v));
    return out;
}

inline QByteArray packed(const QString& text, int characters)
{
    return hart::packAscii(text, characters).value_or(QByteArray());
}

// Sends a command to the device at its polling address; a silent device fails the test.
inline hart::Reply call(sim::SimTransmitter& device, quint8 command, const QByteArray& data = {})
{
    const hart::Request request{hart::Address::shortFrame(device.config().pollingAddress), command, data};
    const auto reply = device.handle(request);
    EXPECT_TRUE(reply.has_value()) << "no reply to command " << int(command);
    return reply.value_or(hart::Reply{0xFF, 0xFF, {}});
}

inline float floatAt(const hart::Reply& reply, int offset)
{
    if (reply.data.size() < offset + 4) {
        ADD_FAILURE() << "reply has " << reply.data.size() << " bytes, wanted a float at " << offset;
        return 0.0f;
    }
    return hart::readFloat(reply.data, offset);
}

inline int byteAt(const hart::Reply& reply, int offset)
{
    if (reply.data.size() <= offset) {
        ADD_FAILURE() << "reply has " << reply.data.size() << " bytes, wanted byte " << offset;
        return -1;
    }
    return quint8(reply.data.at(offset));
}

} // namespace simtest
