// The configuration commands of the simulated transmitters: range, units, damping, transfer
// function, polling address, texts, burst and the display commands, with their response codes.
#include "SimTestSupport.h"
#include "sim/SimDevices.h"

#include "platform/VirtualClock.h"

#include <cmath>

using namespace simtest;
using sim::SimTransmitter;

namespace {

class SimConfigurationTest : public testing::Test {
protected:
    platform::VirtualClock clock;
    SimTransmitter pressure = simtest::exactSensor(sim::makePressureTransmitter());
    SimTransmitter temperature = simtest::exactSensor(sim::makeTemperatureTransmitter());
};

struct RangeCase {
    const char* name;
    int unit;
    double upper;
    double lower;
    quint8 code;
    bool accepted;
    double upperKPa; // the stored value when accepted
};
void PrintTo(const RangeCase& c, std::ostream* out) { *out << c.name; }

class SimRangeTest : public SimConfigurationTest, public testing::WithParamInterface<RangeCase> {};

TEST_P(SimRangeTest, CommandThirtyFive)
{
    const auto& c = GetParam();
    const sim::Config before = pressure.config();
    const QByteArray request = bytes({c.unit}) + floats({c.upper, c.lower});
    const hart::Reply reply = call(pressure, 35, request);
    EXPECT_EQ(reply.responseCode, c.code);
    if (c.accepted) {
        EXPECT_EQ(reply.data, request);
        EXPECT_NEAR(pressure.config().upperRange, c.upperKPa, 1e-3);
        EXPECT_EQ(pressure.config().pvUnit, c.unit);
        EXPECT_EQ(byteAt(call(pressure, 1), 0), c.unit);
        EXPECT_TRUE(reply.deviceStatus & hart::status::ConfigChanged);
    } else {
        EXPECT_TRUE(reply.data.isEmpty());
        EXPECT_TRUE(pressure.config() == before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pressure, SimRangeTest,
    testing::Values(
        RangeCase{"Valid", 12, 1000, 0, 0, true, 1000}, RangeCase{"FullSensor", 12, 1600, -100, 0, true, 1600},
        RangeCase{"Reversed", 12, 0, 800, 0, true, 0}, RangeCase{"LowerTooLow", 12, 500, -150, 10, false, 0},
        RangeCase{"LowerTooHigh", 12, 1500, 1650, 9, false, 0}, RangeCase{"UpperTooHigh", 12, 1700, 0, 11, false, 0},
        RangeCase{"UpperTooLow", 12, -150, 0, 12, false, 0}, RangeCase{"BothOut", 12, 1700, -150, 13, false, 0},
        RangeCase{"SpanTooSmallIsAWarning", 12, 105, 100, 14, true, 105},
        RangeCase{"NoSpan", 12, 100, 100, 29, false, 0}, RangeCase{"SensorLimitsInBar", 7, 16, -1, 0, true, 1600},
        RangeCase{"SensorLimitsInPsi", 6, 232.0604, -14.50377, 0, true, 1600},
        RangeCase{"UpperTooHighInBar", 7, 16.5, 0, 11, false, 0},
        RangeCase{"SpanTooSmallInMpa", 237, 0.105, 0.1, 14, true, 105},
        RangeCase{"TemperatureUnit", 32, 100, 0, 2, false, 0}, RangeCase{"UnknownUnit", 99, 100, 0, 2, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct AppliedCase {
    const char* name;
    double upperBefore;
    double lowerBefore;
    int command;
    double applied; // kPa
    quint8 code;
    double upper; // the range afterwards
    double lower;
};
void PrintTo(const AppliedCase& c, std::ostream* out) { *out << c.name; }

class SimAppliedRangeTest : public SimConfigurationTest, public testing::WithParamInterface<AppliedCase> {};

TEST_P(SimAppliedRangeTest, RangeValueSetToTheAppliedInput)
{
    const auto& c = GetParam();
    ASSERT_EQ(call(pressure, 35, bytes({12}) + floats({c.upperBefore, c.lowerBefore})).responseCode, 0);
    ASSERT_EQ(call(pressure, 38).responseCode, 0);
    pressure.holdProcess(c.applied);
    const hart::Reply reply = call(pressure, quint8(c.command));
    EXPECT_EQ(reply.responseCode, c.code);
    EXPECT_TRUE(reply.data.isEmpty());
    const bool accepted = c.code == 0 || c.code == 8 || c.code == 14;
    EXPECT_EQ(bool(reply.deviceStatus & hart::status::ConfigChanged), accepted);
    const hart::Reply output = call(pressure, 15);
    EXPECT_FLOAT_EQ(floatAt(output, 3), float(c.upper));
    EXPECT_FLOAT_EQ(floatAt(output, 7), float(c.lower));
}

// Sensor -100..1600 kPa, minimum span 10 kPa. Command 37 keeps the span; command 36 keeps the lower end.
INSTANTIATE_TEST_SUITE_P(Pressure, SimAppliedRangeTest,
                         testing::Values(AppliedCase{"UpperSet", 1000, 0, 36, 800, 0, 800, 0},
                                         AppliedCase{"UpperBelowLowerIsReverseActing", 1000, 200, 36, 50, 0, 50, 200},
                                         AppliedCase{"UpperAboveSensor", 1000, 0, 36, 1650, 9, 1000, 0},
                                         AppliedCase{"UpperBelowSensor", 1000, 0, 36, -150, 10, 1000, 0},
                                         AppliedCase{"UpperSpanBelowMinimumIsAWarning", 1000, 0, 36, 5, 14, 5, 0},
                                         AppliedCase{"UpperAtTheLowerIsNoSpan", 1000, 0, 36, 0.5, 29, 1000, 0},
                                         AppliedCase{"LowerMovesTheUpperAlong", 1000, 0, 37, 200, 0, 1200, 200},
                                         AppliedCase{"LowerOfAReverseRange", 0, 1000, 37, 1050, 0, 50, 1050},
                                         AppliedCase{"UpperPushedToTheSensorLimit", 1000, 0, 37, 1000, 8, 1600, 1000},
                                         AppliedCase{"PushedSpanBelowMinimum", 1000, 0, 37, 1595, 14, 1600, 1595},
                                         AppliedCase{"PushedSpanIsNone", 1000, 0, 37, 1599.5, 29, 1000, 0},
                                         AppliedCase{"LowerAboveSensor", 1000, 0, 37, 1650, 9, 1000, 0},
                                         AppliedCase{"LowerBelowSensor", 1000, 0, 37, -150, 10, 1000, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct UnitCase {
    const char* name;
    bool pressure;
    int unit;
    double upperRange;
    double lowerLimit;
    double minSpan;
};
void PrintTo(const UnitCase& c, std::ostream* out) { *out << c.name; }

class SimUnitTest : public SimConfigurationTest, public testing::WithParamInterface<UnitCase> {};

TEST_P(SimUnitTest, CommandFortyFourConverts)
{
    const auto& c = GetParam();
    SimTransmitter& device = c.pressure ? pressure : temperature;
    const sim::Config before = device.config();
    ASSERT_EQ(call(device, 44, bytes({c.unit})).data, bytes({c.unit}));

    const hart::Reply output = call(device, 15);
    EXPECT_EQ(byteAt(output, 2), c.unit);
    EXPECT_NEAR(floatAt(output, 3), c.upperRange, std::abs(c.upperRange) * 1e-5);
    const hart::Reply sensor = call(device, 14);
    EXPECT_EQ(byteAt(sensor, 3), c.unit);
    EXPECT_NEAR(floatAt(sensor, 8), c.lowerLimit, std::abs(c.lowerLimit) * 1e-5);
    EXPECT_NEAR(floatAt(sensor, 12), c.minSpan, c.minSpan * 1e-5);

    device.holdProcess(c.pressure ? 1000.0 : 100.0); // the upper range value
    const hart::Reply pv = call(device, 1);
    EXPECT_EQ(byteAt(pv, 0), c.unit);
    EXPECT_NEAR(floatAt(pv, 1), c.upperRange, std::abs(c.upperRange) * 1e-3);

    // The values themselves stay put, whatever the unit shows.
    EXPECT_EQ(device.config().upperRange, before.upperRange);
    EXPECT_EQ(device.config().lowerRange, before.lowerRange);
}

// Expected values from published conversion factors, not from the device's own table.
INSTANTIATE_TEST_SUITE_P(
    Units, SimUnitTest,
    testing::Values(UnitCase{"kPa", true, 12, 1000, -100, 10}, UnitCase{"Pa", true, 11, 1e6, -1e5, 1e4},
                    UnitCase{"MPa", true, 237, 1, -0.1, 0.01}, UnitCase{"bar", true, 7, 10, -1, 0.1},
                    UnitCase{"mbar", true, 8, 10000, -1000, 100},
                    UnitCase{"psi", true, 6, 145.0377, -14.50377, 1.450377},
                    UnitCase{"inH2O", true, 1, 4021.86, -402.186, 40.2186},
                    UnitCase{"mmH2O", true, 4, 102155.2, -10215.52, 1021.552},
                    UnitCase{"mmHg", true, 5, 7500.62, -750.062, 75.0062},
                    UnitCase{"kgPerCm2", true, 10, 10.19716, -1.019716, 0.1019716},
                    UnitCase{"atm", true, 14, 9.869233, -0.9869233, 0.09869233},
                    UnitCase{"torr", true, 13, 7500.617, -750.0617, 75.00617},
                    UnitCase{"Celsius", false, 32, 100, -200, 10}, UnitCase{"Fahrenheit", false, 33, 212, -328, 18},
                    UnitCase{"Kelvin", false, 35, 373.15, 73.15, 10},
                    UnitCase{"Rankine", false, 34, 671.67, 131.67, 18}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimConfigurationTest, UnitsThatDoNotFit)
{
    for (int unit : {32, 33, 37, 2, 250, 0})
        EXPECT_EQ(call(pressure, 44, bytes({unit})).responseCode, hart::rc::InvalidSelection) << unit;
    for (int unit : {12, 7, 37, 36, 250})
        EXPECT_EQ(call(temperature, 44, bytes({unit})).responseCode, hart::rc::InvalidSelection) << unit;
    EXPECT_EQ(pressure.config().pvUnit, 12);
    EXPECT_EQ(temperature.config().pvUnit, 32);
}

TEST_F(SimConfigurationTest, TransferFunction)
{
    const std::tuple<bool, int, quint8> cases[] = {{true, 1, 0},  {true, 0, 0},  {true, 2, 2}, {true, 230, 2},
                                                   {false, 0, 0}, {false, 1, 2}, {false, 5, 2}};
    for (const auto& [isPressure, function, code] : cases) {
        SimTransmitter& device = isPressure ? pressure : temperature;
        const quint8 before = device.config().transferFunction;
        EXPECT_EQ(call(device, 47, bytes({function})).responseCode, code) << device.name().toStdString() << function;
        EXPECT_EQ(byteAt(call(device, 15), 1), code == 0 ? function : before);
    }
}

TEST_F(SimConfigurationTest, Damping)
{
    const std::pair<double, quint8> cases[] = {{0.0, 0}, {60.0, 0}, {2.5, 0}, {60.5, 3}, {-0.1, 4}, {NAN, 2}};
    for (const auto& [damping, code] : cases) {
        const hart::Reply reply = call(pressure, 34, floats({damping}));
        EXPECT_EQ(reply.responseCode, code) << damping;
        if (code == 0) {
            EXPECT_FLOAT_EQ(floatAt(call(pressure, 15), 11), float(damping));
        }
    }
    EXPECT_DOUBLE_EQ(pressure.config().damping, 2.5);
}

TEST_F(SimConfigurationTest, PollingAddressAndMultidrop)
{
    EXPECT_EQ(call(pressure, 6, bytes({16})).responseCode, hart::rc::InvalidSelection);
    EXPECT_EQ(pressure.config().pollingAddress, 0);

    pressure.holdProcess(750.0);
    EXPECT_FALSE(call(pressure, 2).deviceStatus & hart::status::CurrentFixed);
    EXPECT_EQ(call(pressure, 6, bytes({3})).data, bytes({3}));
    EXPECT_TRUE(pressure.answers(hart::Address::shortFrame(3)));
    EXPECT_FALSE(pressure.answers(hart::Address::shortFrame(0)));

    hart::Reply current = call(pressure, 2);
    EXPECT_FLOAT_EQ(floatAt(current, 0), 4.0f) << "multidrop parks the current";
    EXPECT_NEAR(floatAt(current, 4), 75.0, 0.1) << "the percent still follows the PV";
    EXPECT_TRUE(current.deviceStatus & hart::status::CurrentFixed);
    EXPECT_EQ(call(pressure, 40, floats({12.0})).responseCode, 11);

    ASSERT_EQ(call(pressure, 6, bytes({0})).responseCode, 0);
    current = call(pressure, 2);
    EXPECT_NEAR(floatAt(current, 0), 16.0, 0.01);
    EXPECT_FALSE(current.deviceStatus & hart::status::CurrentFixed);

    // The temperature transmitter starts in multidrop at address 1.
    EXPECT_FLOAT_EQ(floatAt(call(temperature, 2), 0), 4.0f);
    EXPECT_EQ(call(temperature, 40, floats({12.0})).responseCode, 11);
}

TEST_F(SimConfigurationTest, TextsDateAndFinalAssembly)
{
    const QByteArray tdd =
        packed(QStringLiteral("FT-7/A"), 8) + packed(QStringLiteral("COOLING LOOP 2"), 16) + bytes({29, 2, 124});
    EXPECT_EQ(call(pressure, 18, tdd).data, tdd);
    EXPECT_EQ(call(pressure, 13).data, tdd);
    EXPECT_EQ(pressure.config().tag, QStringLiteral("FT-7/A"));
    EXPECT_EQ(pressure.config().date, QDate(2024, 2, 29));

    const QByteArray badDate = packed(QStringLiteral("X"), 8) + packed(QStringLiteral("Y"), 16) + bytes({30, 2, 124});
    EXPECT_EQ(call(pressure, 18, badDate).responseCode, hart::rc::InvalidSelection);
    EXPECT_EQ(call(pressure, 13).data, tdd);

    const QByteArray message = packed(QStringLiteral("CALIBRATED 2024-02-29 BY J.N."), 32);
    EXPECT_EQ(call(pressure, 17, message).data, message);
    EXPECT_EQ(call(pressure, 12).data, message);

    EXPECT_EQ(call(pressure, 19, bytes({0xFF, 0xFF, 0xFF})).data, bytes({0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(call(pressure, 16).data, bytes({0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(pressure.config().finalAssemblyNumber, 16777215u);
}

TEST_F(SimConfigurationTest, Burst)
{
    const std::tuple<int, int, quint8> cases[] = {{108, 1, 0}, {108, 2, 0}, {108, 9, 0}, {108, 3, 0},
                                                  {108, 4, 2}, {108, 0, 2}, {109, 1, 0}, {109, 2, 2}};
    for (const auto& [command, value, code] : cases)
        EXPECT_EQ(call(pressure, quint8(command), bytes({value})).responseCode, code) << command << "/" << value;
    EXPECT_EQ(call(pressure, 105).data, bytes({1, 3, 250, 250, 250, 250})) << "mode, command, unused slots";
    ASSERT_EQ(call(pressure, 109, bytes({0})).responseCode, 0);
    EXPECT_EQ(call(pressure, 105).data, bytes({0, 3, 250, 250, 250, 250}));
}

TEST_F(SimConfigurationTest, DisplayAndAlarmCommands)
{
    const std::tuple<int, QByteArray, quint8> writes[] = {
        {129, bytes({4, 2}), 2},
        {129, bytes({1, 5}), 3},
        {129, bytes({3, 4}), 0},
        {131, floats({3.4, 22.0}), 4},
        {131, floats({3.9, 22.0}), 3},
        {131, floats({3.6, 20.5}), 4},
        {131, floats({3.6, 23.5}), 3},
        {131, floats({3.75, 22.5}), 0},
        {132, bytes({2}), 2},
        {133, bytes({2}) + floats({5.0}), 2},
        {133, bytes({1}) + floats({1700.0}), 3},
        {133, bytes({0}) + floats({-150.0}), 4},
        {133, bytes({1}) + floats({1200.0}), 0},
    };
    for (const auto& [command, data, code] : writes) {
        const hart::Reply reply = call(pressure, quint8(command), data);
        EXPECT_EQ(reply.responseCode, code) << command << " " << data.toHex().toStdString();
        if (code == 0 && command != 132) {
            EXPECT_EQ(reply.data, data);
        }
    }
    EXPECT_EQ(call(pressure, 128).data, bytes({3, 4}));
    EXPECT_EQ(call(pressure, 130).data, floats({3.75, 22.5}));

    // Trim points are a pressure: they follow the unit.
    ASSERT_EQ(call(pressure, 44, bytes({7})).responseCode, 0);
    const hart::Reply point = call(pressure, 132, bytes({1}));
    EXPECT_EQ(byteAt(point, 0), 1);
    EXPECT_FLOAT_EQ(floatAt(point, 1), 12.0f);

    EXPECT_EQ(call(pressure, 140).responseCode, 0);
    EXPECT_EQ(call(pressure, 128).data, bytes({0, 2}));
    EXPECT_EQ(call(pressure, 130).data, floats({3.6, 21.75}));
    EXPECT_FLOAT_EQ(floatAt(call(pressure, 132, bytes({1})), 1), 12.0f) << "restoring the display keeps the trim";
}

} // namespace
