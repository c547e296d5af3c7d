// Identity, addressing, command dispatch and the process of the simulated transmitters.
#include "SimTestSupport.h"
#include "sim/SimDevices.h"

#include "platform/VirtualClock.h"

#include <cmath>

using namespace simtest;
using sim::Config;
using sim::SimTransmitter;

namespace {

struct IdentityCase {
    const char* name;
    SimTransmitter (*make)();
    quint8 deviceType;
    quint8 deviceRevision;
    quint32 deviceId;
    quint8 flags;
    quint8 polling;
    const char* tag;
};
void PrintTo(const IdentityCase& c, std::ostream* out) { *out << c.name; }

class SimIdentityTest : public testing::TestWithParam<IdentityCase> {
protected:
    platform::VirtualClock clock;
};

TEST_P(SimIdentityTest, CommandZeroLayout)
{
    const auto& c = GetParam();
    SimTransmitter device = c.make();
    const hart::Reply reply = call(device, 0);
    EXPECT_EQ(reply.responseCode, 0);
    const QByteArray expected =
        bytes({254, 110, c.deviceType, 5, 5, c.deviceRevision, byteAt(reply, 6), byteAt(reply, 7), c.flags,
               int(c.deviceId >> 16), int((c.deviceId >> 8) & 0xFF), int(c.deviceId & 0xFF)});
    EXPECT_EQ(reply.data.toHex(' '), expected.toHex(' '));
    EXPECT_EQ(byteAt(reply, 7) & 0x07, 0) << "signalling code";
}

TEST_P(SimIdentityTest, AnswersOnlyItsOwnAddresses)
{
    const auto& c = GetParam();
    const SimTransmitter device = c.make();
    const QByteArray id = bytes({int(c.deviceId >> 16), int((c.deviceId >> 8) & 0xFF), int(c.deviceId & 0xFF)});
    EXPECT_TRUE(device.answers(hart::Address::shortFrame(c.polling)));
    EXPECT_TRUE(device.answers(hart::Address::shortFrame(0x80 | c.polling))) << "primary master bit";
    EXPECT_FALSE(device.answers(hart::Address::shortFrame(c.polling + 1)));
    EXPECT_TRUE(device.answers(hart::Address::longFrame(bytes({110 & 0x3F, c.deviceType}) + id)));
    EXPECT_TRUE(device.answers(hart::Address::longFrame(bytes({0x80 | (110 & 0x3F), c.deviceType}) + id)));
    EXPECT_FALSE(device.answers(hart::Address::longFrame(bytes({110 & 0x3F, c.deviceType + 1}) + id)));
    EXPECT_FALSE(device.answers(hart::Address::longFrame(bytes({110 & 0x3F, c.deviceType, 0, 0, 1}))));
    EXPECT_FALSE(device.answers(hart::Address::broadcast()));
}

TEST_P(SimIdentityTest, CommandElevenAnswersItsTagOnly)
{
    const auto& c = GetParam();
    SimTransmitter device = c.make();
    const hart::Request mine{hart::Address::broadcast(), 11, packed(QString::fromLatin1(c.tag), 8)};
    const hart::Request other{hart::Address::broadcast(), 11, packed(QStringLiteral("XX-999"), 8)};
    EXPECT_TRUE(device.answers(mine));
    EXPECT_FALSE(device.answers(other));
    EXPECT_FALSE(device.handle(other).has_value());
    const auto reply = device.handle(mine);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->data, call(device, 0).data);

    // A new tag takes over at once.
    const QByteArray tdd = packed(QStringLiteral("NEW-TAG"), 8) + packed(QStringLiteral("X"), 16) + bytes({1, 1, 124});
    ASSERT_EQ(call(device, 18, tdd).responseCode, 0);
    EXPECT_FALSE(device.answers(mine));
    EXPECT_TRUE(device.answers(hart::Request{hart::Address::broadcast(), 11, packed(QStringLiteral("NEW-TAG"), 8)}));
}

INSTANTIATE_TEST_SUITE_P(
    Devices, SimIdentityTest,
    testing::Values(IdentityCase{"PR210", sim::makePressureTransmitter, 210, 3, 0x0A1B2C, 0, 0, "PT-101"},
                    IdentityCase{"TM120", sim::makeTemperatureTransmitter, 120, 2, 0x0B2C3D, 2, 1, "TT-205"}),
    [](const auto& info) { return std::string(info.param.name); });

class SimTransmitterTest : public testing::Test {
protected:
    platform::VirtualClock clock;
    SimTransmitter pressure = sim::makePressureTransmitter();
    SimTransmitter temperature = sim::makeTemperatureTransmitter();
};

TEST_F(SimTransmitterTest, UnknownCommandsAreNotImplemented)
{
    for (int command : {4, 5, 7, 50, 107, 127, 141, 200, 255}) {
        const hart::Reply reply = call(pressure, quint8(command), QByteArray(8, '\0'));
        EXPECT_EQ(reply.responseCode, hart::rc::NotImplemented) << "command " << command;
        EXPECT_TRUE(reply.data.isEmpty());
    }
    // The display commands belong to the pressure transmitter only.
    for (int command : {128, 129, 130, 131, 132, 133, 140}) {
        EXPECT_EQ(call(temperature, quint8(command), QByteArray(8, '\0')).responseCode, hart::rc::NotImplemented)
            << "command " << command;
        EXPECT_NE(call(pressure, quint8(command), QByteArray(8, '\0')).responseCode, hart::rc::NotImplemented)
            << "command " << command;
    }
}

TEST_F(SimTransmitterTest, TooFewBytes)
{
    const std::pair<int, int> cases[] = {{6, 0},   {17, 23}, {18, 20}, {19, 2},  {34, 3},  {35, 8},
                                         {39, 0},  {40, 3},  {44, 0},  {45, 3},  {46, 0},  {47, 0},
                                         {108, 0}, {109, 0}, {129, 1}, {131, 7}, {132, 0}, {133, 4}};
    for (const auto& [command, size] : cases) {
        const Config before = pressure.config();
        const hart::Reply reply = call(pressure, quint8(command), QByteArray(size, '\x01'));
        EXPECT_EQ(reply.responseCode, hart::rc::TooFewBytes) << "command " << command;
        EXPECT_TRUE(reply.data.isEmpty()) << "command " << command;
        EXPECT_TRUE(pressure.config() == before) << "command " << command;
    }
}

TEST_F(SimTransmitterTest, WriteProtectionRefusesEveryWrite)
{
    const std::pair<int, QByteArray> writes[] = {
        {6, bytes({3})},
        {17, packed(QStringLiteral("HELLO"), 32)},
        {18, packed(QStringLiteral("A"), 8) + packed(QStringLiteral("B"), 16) + bytes({1, 1, 100})},
        {19, bytes({0, 0, 9})},
        {34, floats({2.0})},
        {35, bytes({12}) + floats({500.0, 0.0})},
        {43, {}},
        {44, bytes({7})},
        {47, bytes({1})},
        {108, bytes({3})},
        {109, bytes({1})},
        {129, bytes({1, 3})},
        {131, floats({3.7, 22.0})},
        {133, bytes({0}) + floats({5.0})},
    };
    pressure.setWriteProtected(true);
    pressure.holdProcess(0.0); // so that the zero trim would pass
    const Config before = pressure.config();
    for (const auto& [command, data] : writes) {
        const hart::Reply reply = call(pressure, quint8(command), data);
        EXPECT_EQ(reply.responseCode, hart::rc::WriteProtected) << "command " << command;
        EXPECT_FALSE(reply.deviceStatus & hart::status::ConfigChanged) << "command " << command;
    }
    EXPECT_TRUE(pressure.config() == before);
    EXPECT_EQ(call(pressure, 13).responseCode, 0);
    EXPECT_EQ(byteAt(call(pressure, 15), 15), 1) << "command 15 shows the protection";

    pressure.setWriteProtected(false);
    for (const auto& [command, data] : writes)
        EXPECT_EQ(call(pressure, quint8(command), data).responseCode, 0) << "command " << command;
}

struct FlagCase {
    const char* name;
    int command;
    QByteArray data;
    double fixedMa; // fixed by command 40 first; 0: not
    bool sets;
};
void PrintTo(const FlagCase& c, std::ostream* out) { *out << c.name; }

class SimChangedFlagTest : public SimTransmitterTest, public testing::WithParamInterface<FlagCase> {};

TEST_P(SimChangedFlagTest, SetByEveryWriteAndClearedBy38)
{
    const auto& c = GetParam();
    pressure.holdProcess(30.0); // fit for a zero trim and for either range end
    if (c.fixedMa > 0) {
        ASSERT_EQ(call(pressure, 40, floats({c.fixedMa})).responseCode, 0);
    }
    ASSERT_FALSE(call(pressure, 1).deviceStatus & hart::status::ConfigChanged);

    const hart::Reply reply = call(pressure, quint8(c.command), c.data);
    ASSERT_EQ(reply.responseCode, 0);
    EXPECT_EQ(bool(reply.deviceStatus & hart::status::ConfigChanged), c.sets);
    EXPECT_EQ(bool(call(pressure, 1).deviceStatus & hart::status::ConfigChanged), c.sets) << "the flag stays";
    EXPECT_EQ(pressure.takeStoredChange(), c.sets) << "kept for the state file";

    EXPECT_FALSE(call(pressure, 38).deviceStatus & hart::status::ConfigChanged);
    EXPECT_FALSE(call(pressure, 1).deviceStatus & hart::status::ConfigChanged);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SimChangedFlagTest,
    testing::Values(
        FlagCase{"PollingAddress6", 6, bytes({3}), 0, true},
        FlagCase{"Message17", 17, packed(QStringLiteral("HELLO"), 32), 0, true},
        FlagCase{"Tag18", 18, packed(QStringLiteral("A"), 8) + packed(QStringLiteral("B"), 16) + bytes({1, 1, 100}), 0,
                 true},
        FlagCase{"FinalAssembly19", 19, bytes({0, 0, 9}), 0, true}, FlagCase{"Damping34", 34, floats({2.0}), 0, true},
        FlagCase{"Range35", 35, bytes({12}) + floats({500.0, 0.0}), 0, true},
        FlagCase{"UpperToApplied36", 36, {}, 0, true}, FlagCase{"LowerToApplied37", 37, {}, 0, true},
        FlagCase{"Zero43", 43, {}, 0, true}, FlagCase{"Units44", 44, bytes({7}), 0, true},
        FlagCase{"TrimZero45", 45, floats({4.01}), 4.0, true}, FlagCase{"TrimGain46", 46, floats({20.01}), 20.0, true},
        FlagCase{"TransferFunction47", 47, bytes({1}), 0, true}, FlagCase{"BurstCommand108", 108, bytes({3}), 0, true},
        FlagCase{"BurstMode109", 109, bytes({1}), 0, true}, FlagCase{"Display129", 129, bytes({1, 3}), 0, true},
        FlagCase{"AlarmCurrents131", 131, floats({3.7, 22.0}), 0, true},
        FlagCase{"TrimPoint133", 133, bytes({0}) + floats({5.0}), 0, true},
        FlagCase{"DisplayDefaults140", 140, {}, 0, true}, FlagCase{"Identity0", 0, {}, 0, false},
        FlagCase{"Variables3", 3, {}, 0, false}, FlagCase{"LoopTest40", 40, floats({12.0}), 0, false},
        FlagCase{"SelfTest41", 41, {}, 0, false}, FlagCase{"Status48", 48, {}, 0, false},
        FlagCase{"Burn39", 39, bytes({0}), 0, false}, FlagCase{"BurstRead105", 105, {}, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimTransmitterTest, ReadLayouts)
{
    const hart::Reply pv = call(pressure, 3);
    ASSERT_EQ(pv.data.size(), 14);
    EXPECT_EQ(byteAt(pv, 4), 12);
    EXPECT_EQ(byteAt(pv, 9), 32);
    EXPECT_NEAR(floatAt(pv, 10), 23.0, 2.0) << "sensor temperature";

    const hart::Reply tv = call(temperature, 3);
    ASSERT_EQ(tv.data.size(), 24);
    EXPECT_EQ(bytes({byteAt(tv, 4), byteAt(tv, 9), byteAt(tv, 14), byteAt(tv, 19)}), bytes({32, 32, 37, 32}));
    const float celsius = floatAt(tv, 5);
    EXPECT_NEAR(floatAt(tv, 15), 100.0 * (1 + 3.9083e-3 * celsius - 5.775e-7 * celsius * celsius), 0.01)
        << "sensor resistance follows the PV";

    const hart::Reply output = call(pressure, 15);
    ASSERT_EQ(output.data.size(), 18);
    EXPECT_EQ(bytes({byteAt(output, 0), byteAt(output, 1), byteAt(output, 2)}), bytes({0, 0, 12}));
    EXPECT_FLOAT_EQ(floatAt(output, 3), 1000.0f);
    EXPECT_FLOAT_EQ(floatAt(output, 7), 0.0f);
    EXPECT_FLOAT_EQ(floatAt(output, 11), 0.5f);
    EXPECT_EQ(bytes({byteAt(output, 15), byteAt(output, 16), byteAt(output, 17)}), bytes({0, 250, 110}));

    const hart::Reply sensor = call(temperature, 14);
    ASSERT_EQ(sensor.data.size(), 16);
    EXPECT_EQ(byteAt(sensor, 3), 32);
    EXPECT_FLOAT_EQ(floatAt(sensor, 4), 850.0f);
    EXPECT_FLOAT_EQ(floatAt(sensor, 8), -200.0f);
    EXPECT_FLOAT_EQ(floatAt(sensor, 12), 10.0f);
}

// Revision 7 names its type with two bytes and its maker with two more after the revision 6 fields; it
// answers to a long address made of the type, and it stays a revision 7 device.
TEST_F(SimTransmitterTest, TheFlowTransmitterIsAHartSevenDeviceAtAddressTwo)
{
    SimTransmitter flow = sim::makeFlowTransmitter();
    flow.setUniversalRevision(5);
    const hart::Reply identity = call(flow, 0);
    ASSERT_EQ(identity.data.size(), 22);
    EXPECT_EQ(identity.data.mid(1, 4).toHex(' '), QByteArray("11 a8 05 07"));
    EXPECT_EQ(identity.data.mid(9, 3).toHex(' '), QByteArray("0c 3d 4e"));
    EXPECT_EQ(identity.data.mid(17, 4).toHex(' '), QByteArray("00 11 00 11")) << "maker and distributor";
    EXPECT_TRUE(flow.answers(hart::Address::shortFrame(2)));
    EXPECT_TRUE(flow.answers(hart::Address::longFrame(bytes({0x80 | 0x11, 0xA8, 0x0C, 0x3D, 0x4E}))));

    const hart::Reply pv = call(flow, 3);
    ASSERT_EQ(pv.data.size(), 19);
    EXPECT_EQ(bytes({byteAt(pv, 4), byteAt(pv, 9), byteAt(pv, 14)}), bytes({75, 19, 32})) << "kg/h, m3/h, degC";
    EXPECT_NEAR(floatAt(pv, 10), floatAt(pv, 5) / 998.2, 0.01) << "the volume flow follows the mass flow";
    EXPECT_FLOAT_EQ(floatAt(call(flow, 14), 4), 24000.0f);
}

// Commands 20 and 22 belong to revision 6 and later: the long tag in 32 Latin-1 bytes, padded with NUL.
TEST_F(SimTransmitterTest, OnlyARevisionSixOrLaterDeviceHasALongTag)
{
    const QString text = QString::fromUtf8("PT-101 Stra\u00dfe 4");
    for (const quint8 revision : {5, 6, 7}) {
        SCOPED_TRACE(int(revision));
        SimTransmitter device = sim::makePressureTransmitter();
        device.setUniversalRevision(revision);
        const QByteArray written = text.toLatin1().leftJustified(32, '\0');
        const hart::Reply write = call(device, 22, written);
        if (revision < 6) {
            EXPECT_EQ(write.responseCode, hart::rc::NotImplemented);
            EXPECT_EQ(call(device, 20).responseCode, hart::rc::NotImplemented);
            continue;
        }
        EXPECT_EQ(write.responseCode, 0);
        EXPECT_EQ(write.data, written);
        EXPECT_EQ(device.config().longTag, text);
        EXPECT_EQ(call(device, 20).data, written);
        EXPECT_EQ(call(device, 22, QByteArray(31, 'x')).responseCode, hart::rc::TooFewBytes);
    }
}

TEST_F(SimTransmitterTest, LiveProcessMovesSmoothlyAndRepeats)
{
    SimTransmitter twin = sim::makePressureTransmitter();
    double low = 1e9, high = -1e9, previous = pressure.primaryValue();
    for (int step = 0; step < 120; ++step) {
        clock.advance(500);
        const double pv = floatAt(call(pressure, 1), 1);
        EXPECT_DOUBLE_EQ(pv, floatAt(call(twin, 1), 1)) << "same clock, same reading";
        EXPECT_LT(std::abs(pv - previous), 10.0) << "no jumps between readings half a second apart";
        previous = pv;
        low = std::min(low, pv);
        high = std::max(high, pv);
    }
    EXPECT_GT(low, 340.0);
    EXPECT_LT(high, 560.0);
    EXPECT_GT(high - low, 150.0) << "a minute covers most of the wave";
}

} // namespace
