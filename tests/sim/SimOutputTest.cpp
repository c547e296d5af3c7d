// The current output, trims, status and device actions of the simulated transmitters, and the
// EEPROM control of the temperature transmitter.
#include "SimTestSupport.h"
#include "sim/SimDevices.h"

#include "platform/VirtualClock.h"

using namespace simtest;
using sim::SimTransmitter;

namespace {

class SimOutputTest : public testing::Test {
protected:
    platform::VirtualClock clock;
    SimTransmitter pressure = simtest::exactSensor(sim::makePressureTransmitter());
    SimTransmitter temperature = simtest::exactSensor(sim::makeTemperatureTransmitter());
};

struct ProcessCase {
    const char* name;
    double applied; // kPa
    int transferFunction;
    double current;
    double percent;
    quint8 status; // the saturation and limit bits
};
void PrintTo(const ProcessCase& c, std::ostream* out) { *out << c.name; }

class SimProcessTest : public SimOutputTest, public testing::WithParamInterface<ProcessCase> {};

TEST_P(SimProcessTest, CurrentPercentAndStatus)
{
    const auto& c = GetParam();
    ASSERT_EQ(call(pressure, 47, bytes({c.transferFunction})).responseCode, 0);
    pressure.holdProcess(c.applied);
    const hart::Reply reply = call(pressure, 2);
    EXPECT_NEAR(floatAt(reply, 0), c.current, 0.005);
    EXPECT_NEAR(floatAt(reply, 4), c.percent, 0.05);
    EXPECT_EQ(reply.deviceStatus & (hart::status::CurrentSaturated | hart::status::PvOutOfLimits), c.status);
    const hart::Reply extended = call(pressure, 48);
    EXPECT_EQ(byteAt(extended, 10), c.status & hart::status::CurrentSaturated ? 1 : 0) << "analog channel saturated";
    EXPECT_EQ(byteAt(extended, 0), c.status & hart::status::PvOutOfLimits ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Pressure, SimProcessTest,
                         testing::Values(ProcessCase{"MidRange", 500, 0, 12.0, 50, 0},
                                         ProcessCase{"LowerRangeValue", 0, 0, 4.0, 0, 0},
                                         ProcessCase{"JustBelowRange", -5, 0, 3.92, -0.5, 0},
                                         ProcessCase{"BelowRange", -50, 0, 3.9, -5, 0x04},
                                         ProcessCase{"AboveRange", 1100, 0, 20.8, 110, 0x04},
                                         ProcessCase{"BeyondSensor", 1650, 0, 20.8, 165, 0x05},
                                         ProcessCase{"BelowSensor", -120, 0, 3.9, -12, 0x05},
                                         ProcessCase{"SquareRootQuarter", 250, 1, 12.0, 50, 0},
                                         ProcessCase{"SquareRootBelowZero", -50, 1, 4.0, 0, 0},
                                         ProcessCase{"SquareRootAbove", 1210, 1, 20.8, 110, 0x04}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimOutputTest, FixedCurrent)
{
    pressure.holdProcess(500.0);
    const std::pair<double, quint8> refused[] = {{25.0, 3}, {2.0, 4}, {NAN, 2}};
    for (const auto& [ma, code] : refused)
        EXPECT_EQ(call(pressure, 40, floats({ma})).responseCode, code) << ma;

    const std::pair<double, double> fixed[] = {{20.0, 100.0}, {12.5, 53.125}, {3.8, -1.25}};
    for (const auto& [ma, percent] : fixed) {
        const hart::Reply reply = call(pressure, 40, floats({ma}));
        EXPECT_EQ(reply.data, floats({ma}));
        EXPECT_TRUE(reply.deviceStatus & hart::status::CurrentFixed);
        const hart::Reply current = call(pressure, 2);
        EXPECT_FLOAT_EQ(floatAt(current, 0), float(ma));
        EXPECT_FLOAT_EQ(floatAt(current, 4), float(percent)) << "the percent goes with the fixed current";
        EXPECT_FLOAT_EQ(floatAt(call(pressure, 3), 0), float(ma));
        EXPECT_FALSE(current.deviceStatus & hart::status::CurrentSaturated) << ma;
    }
    EXPECT_EQ(byteAt(call(pressure, 48), 13), 1);

    hart::Reply reply;

    reply = call(pressure, 40, floats({0.0}));
    EXPECT_NEAR(floatAt(reply, 0), 12.0, 0.005) << "leaving fixed mode answers the live current";
    EXPECT_FALSE(reply.deviceStatus & hart::status::CurrentFixed);
    EXPECT_EQ(byteAt(call(pressure, 48), 13), 0);
}

TEST_F(SimOutputTest, OutputTrimsNeedTheCurrentFixedAtTheirEnd)
{
    const std::tuple<double, int, quint8> cases[] = {
        {0.0, 45, 9}, {0.0, 46, 9}, {12.0, 45, 9}, {12.0, 46, 9}, {20.0, 45, 9},
        {4.0, 46, 9}, {4.0, 45, 0}, {3.5, 45, 0},  {20.0, 46, 0}, {20.8, 46, 0},
    };
    for (const auto& [fixed, command, code] : cases) {
        ASSERT_EQ(call(pressure, 40, floats({fixed})).responseCode, 0);
        EXPECT_EQ(call(pressure, quint8(command), floats({fixed})).responseCode, code) << command << " at " << fixed;
    }
    // In multidrop the loop current carries nothing to trim.
    EXPECT_EQ(call(temperature, 45, floats({4.0})).responseCode, 11);
    EXPECT_EQ(call(temperature, 46, floats({20.0})).responseCode, 11);
}

TEST_F(SimOutputTest, OutputTrimsMakeTheMeterAgree)
{
    ASSERT_EQ(call(pressure, 40, floats({4.0})).responseCode, 0);
    const double meterAt4 = pressure.analogOutputMa();
    ASSERT_GT(std::abs(meterAt4 - 4.0), 0.005) << "the untrimmed output is a little off";
    EXPECT_EQ(call(pressure, 45, floats({meterAt4 + 1.5})).responseCode, hart::rc::TooLarge);
    EXPECT_EQ(call(pressure, 45, floats({meterAt4 - 1.5})).responseCode, hart::rc::TooSmall);
    EXPECT_EQ(call(pressure, 45, floats({meterAt4})).data, floats({meterAt4}));
    EXPECT_NEAR(pressure.analogOutputMa(), 4.0, 1e-4);

    ASSERT_EQ(call(pressure, 40, floats({20.0})).responseCode, 0);
    EXPECT_GT(std::abs(pressure.analogOutputMa() - 20.0), 0.005);
    EXPECT_EQ(call(pressure, 46, floats({pressure.analogOutputMa()})).responseCode, 0);
    for (double ma : {20.0, 12.0, 4.0}) {
        ASSERT_EQ(call(pressure, 40, floats({ma})).responseCode, 0);
        EXPECT_NEAR(pressure.analogOutputMa(), ma, 2e-4) << ma;
    }
    EXPECT_FLOAT_EQ(floatAt(call(pressure, 2), 0), 4.0f) << "the digital value never carried the error";
    EXPECT_TRUE(pressure.storedConfig() == pressure.config()) << "trims are kept";
}

TEST_F(SimOutputTest, SelfTestResultThroughCommand48)
{
    const hart::Reply before = call(pressure, 48);
    ASSERT_EQ(before.data.size(), 25);
    EXPECT_FALSE(before.deviceStatus & hart::status::MoreStatus);

    EXPECT_EQ(call(pressure, 41).responseCode, 0);
    EXPECT_TRUE(call(pressure, 0).deviceStatus & hart::status::MoreStatus) << "a result waits";
    const hart::Reply result = call(pressure, 48);
    EXPECT_EQ(result.data, QByteArray(25, '\0')) << "all fine";
    EXPECT_FALSE(result.deviceStatus & hart::status::MoreStatus);
    EXPECT_FALSE(call(pressure, 0).deviceStatus & hart::status::MoreStatus);

    // A sensor input beyond the sensor's limits fails the test: byte 0, bit 0.
    pressure.holdProcess(1700.0);
    EXPECT_EQ(call(pressure, 41).responseCode, 0);
    EXPECT_TRUE(call(pressure, 0).deviceStatus & hart::status::MoreStatus);
    EXPECT_EQ(byteAt(call(pressure, 48), 0), 1);
}

TEST_F(SimOutputTest, MoreStatusWhenCommand48WouldSaySomethingNew)
{
    pressure.holdProcess(500.0);
    ASSERT_FALSE(call(pressure, 1).deviceStatus & hart::status::MoreStatus);
    pressure.holdProcess(1200.0);
    EXPECT_TRUE(call(pressure, 1).deviceStatus & hart::status::MoreStatus) << "saturation is news";
    EXPECT_EQ(byteAt(call(pressure, 48), 10), 1);
    EXPECT_FALSE(call(pressure, 1).deviceStatus & hart::status::MoreStatus) << "read, no longer news";
    ASSERT_EQ(call(pressure, 40, floats({8.0})).responseCode, 0);
    const hart::Reply fixed = call(pressure, 48);
    EXPECT_EQ(bytes({byteAt(fixed, 10), byteAt(fixed, 13)}), bytes({0, 1})) << "a fixed output is not saturated";
}

TEST_F(SimOutputTest, ResetIsAColdStartReportedOnce)
{
    pressure.holdProcess(300.0);
    ASSERT_EQ(call(pressure, 34, floats({2.0})).responseCode, 0);
    ASSERT_EQ(call(pressure, 40, floats({12.0})).responseCode, 0);
    ASSERT_EQ(call(pressure, 41).responseCode, 0);
    const hart::Reply reset = call(pressure, 42);
    EXPECT_EQ(reset.responseCode, 0);
    EXPECT_FALSE(reset.deviceStatus & hart::status::ColdStart) << "the reply leaves before the reset";

    const hart::Reply first = call(pressure, 1);
    EXPECT_TRUE(first.deviceStatus & hart::status::ColdStart);
    EXPECT_FALSE(first.deviceStatus & hart::status::CurrentFixed) << "a reset leaves fixed mode";
    EXPECT_FALSE(first.deviceStatus & hart::status::MoreStatus) << "the self test result is gone";
    EXPECT_TRUE(first.deviceStatus & hart::status::ConfigChanged) << "the flag is no run-time state";
    EXPECT_EQ(floatAt(first, 1), 300.0f) << "the calibrator on the input is not the device's";
    EXPECT_FALSE(call(pressure, 1).deviceStatus & hart::status::ColdStart);
}

TEST_F(SimOutputTest, ZeroTrim)
{
    // At most 85 kPa (5 % of the sensor span) can be trimmed away, in all: the last case would
    // leave only 60 kPa on top of the 40 already taken out.
    const std::pair<double, quint8> cases[] = {{450.0, 9}, {86.0, 9}, {-86.0, 10}, {-30.0, 0}, {40.0, 0}, {100.0, 9}};
    for (const auto& [applied, code] : cases) {
        pressure.holdProcess(applied);
        EXPECT_EQ(call(pressure, 43).responseCode, code) << applied;
        if (code == 0) {
            EXPECT_EQ(floatAt(call(pressure, 1), 1), 0.0f) << applied;
        }
    }
    pressure.holdProcess(500.0);
    EXPECT_NEAR(floatAt(call(pressure, 1), 1), 460.0, 0.5) << "the offset stays";
    pressure.holdProcess(std::nullopt);
    EXPECT_EQ(call(pressure, 43).responseCode, 9) << "the live process is far from zero";
}

// A fresh device as a calibrator and a meter find it: a sensor offset and span error, and an output that
// is a little off. The zero trim takes out the offset (the span error stays), the output trims the output's.
TEST_F(SimOutputTest, ErrorsOfTheSensorAndOutputThatTheTrimsTakeOut)
{
    SimTransmitter device = sim::makePressureTransmitter();
    auto pvAt = [&](double applied) {
        device.holdProcess(applied);
        return double(floatAt(call(device, 1), 1));
    };
    auto meterAt = [&](double ma) {
        EXPECT_EQ(call(device, 40, floats({ma})).responseCode, 0);
        return device.analogOutputMa();
    };
    EXPECT_GT(std::abs(pvAt(0.0)), 0.5) << "offset, kPa";
    EXPECT_GT(std::abs(meterAt(20.0) - 20.0), 0.01) << "output, mA";

    device.holdProcess(0.0);
    ASSERT_EQ(call(device, 43).responseCode, 0);
    EXPECT_EQ(pvAt(0.0), 0.0);
    const double top = pvAt(1000.0);
    EXPECT_NE(top, 1000.0) << "the span error stays";
    EXPECT_NEAR(top, 1000.0, 0.5);

    ASSERT_EQ(call(device, 45, floats({meterAt(4.0)})).responseCode, 0);
    ASSERT_EQ(call(device, 46, floats({meterAt(20.0)})).responseCode, 0);
    for (const double ma : {4.0, 12.0, 20.0})
        EXPECT_NEAR(meterAt(ma), ma, 1e-4);
}

TEST_F(SimOutputTest, TemperatureTransmitterKeepsWritesInRamUntilBurned)
{
    const QByteArray tdd = packed(QStringLiteral("TT-999"), 8) + packed(QStringLiteral("NEW"), 16) + bytes({1, 6, 125});
    ASSERT_EQ(call(temperature, 18, tdd).responseCode, 0);
    EXPECT_TRUE(temperature.takeStoredChange()) << "the configuration-changed flag is kept";
    ASSERT_EQ(call(temperature, 34, floats({4.0})).responseCode, 0);
    EXPECT_EQ(temperature.config().tag, QStringLiteral("TT-999"));
    EXPECT_EQ(temperature.storedConfig().tag, QStringLiteral("TT-205"));
    EXPECT_FALSE(temperature.takeStoredChange()) << "a write into RAM leaves nothing to keep";

    ASSERT_EQ(call(temperature, 38).responseCode, 0);
    EXPECT_EQ(call(temperature, 39, bytes({1})).data, bytes({1}));
    EXPECT_EQ(temperature.config().tag, QStringLiteral("TT-205")) << "restored from the shadow copy";
    EXPECT_DOUBLE_EQ(temperature.config().damping, 1.0);
    EXPECT_TRUE(call(temperature, 0).deviceStatus & hart::status::ConfigChanged);

    ASSERT_EQ(call(temperature, 18, tdd).responseCode, 0);
    EXPECT_EQ(call(temperature, 39, bytes({0})).data, bytes({0}));
    EXPECT_EQ(temperature.storedConfig().tag, QStringLiteral("TT-999"));
    EXPECT_TRUE(temperature.takeStoredChange());

    // A reset forgets what was not burned.
    ASSERT_EQ(call(temperature, 34, floats({7.0})).responseCode, 0);
    ASSERT_EQ(call(temperature, 42).responseCode, 0);
    EXPECT_DOUBLE_EQ(temperature.config().damping, 1.0);
    EXPECT_EQ(temperature.config().tag, QStringLiteral("TT-999"));

    EXPECT_EQ(call(temperature, 39, bytes({2})).responseCode, hart::rc::InvalidSelection);
}

} // namespace
