// The bench around the simulated devices: a calibrator holding the sensor input, a meter in the loop.
#include "sim/SimControl.h"
#include "SimTestSupport.h"

#include "platform/VirtualClock.h"

#include <cmath>

using namespace simtest;

namespace {

struct ControlCase {
    const char* name;
    const char* request;
    bool ok;
    const char* text;
    const char* device; // whose input the request holds, or nullptr
    double held;        // in the device's base unit; NaN: released
};
void PrintTo(const ControlCase& c, std::ostream* out) { *out << c.name; }

class SimControlTest : public testing::TestWithParam<ControlCase> {
protected:
    platform::VirtualClock clock;
    sim::SimBus bus{QString{}};
};

TEST_P(SimControlTest, Request)
{
    const auto& c = GetParam();
    bus.device(QStringLiteral("TM120"))->holdProcess(50.0);
    const sim::ControlAnswer answer = sim::control(bus, QString::fromLatin1(c.request));
    EXPECT_EQ(answer.ok, c.ok);
    EXPECT_EQ(answer.text, QString::fromUtf8(c.text));
    if (!c.device) return;
    const auto held = bus.device(QString::fromLatin1(c.device))->heldInput();
    if (std::isnan(c.held)) {
        EXPECT_FALSE(held.has_value());
    } else {
        ASSERT_TRUE(held.has_value());
        EXPECT_DOUBLE_EQ(*held, c.held);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, SimControlTest,
    testing::Values(
        ControlCase{"InputByAddress", "INPUT 0 200", true, "PR210 at polling address 0: sensor input held at 200 kPa",
                    "PR210", 200.0},
        ControlCase{"InputByNameWithComma", "input pr210 -12,5", true,
                    "PR210 at polling address 0: sensor input held at -12.5 kPa", "PR210", -12.5},
        ControlCase{"InputOfTheTemperature", "INPUT 1 20", true,
                    "TM120 at polling address 1: sensor input held at 20 degC", "TM120", 20.0},
        ControlCase{"Release", "RELEASE TM120", true,
                    "TM120 at polling address 1: sensor input follows the simulated process", "TM120", NAN},
        ControlCase{"NobodyThere", "INPUT 7 1", false, "no simulated device at polling address 7", nullptr, 0},
        ControlCase{"NoAddress", "RELEASE 64", false, "\"64\" is neither a polling address nor a simulated device",
                    nullptr, 0},
        ControlCase{"NoNumber", "INPUT 1 warm", false, "\"warm\" is no number", "TM120", 50.0},
        ControlCase{"NotANumber", "INPUT 1 nan", false, "\"nan\" is no number", "TM120", 50.0},
        ControlCase{"ValueMissing", "INPUT 1", false,
                    "expected INPUT <device> <value>, RELEASE <device>, METER <device> or LINE", "TM120", 50.0},
        ControlCase{"UnknownRequest", "HOLD 1 5", false,
                    "expected INPUT <device> <value>, RELEASE <device>, METER <device> or LINE", "TM120", 50.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SimControl, InputInThePvUnitAndDevicesSharingAnAddress)
{
    platform::VirtualClock clock;
    sim::SimBus bus{QString{}};
    sim::SimTransmitter& pressure = *bus.device(QStringLiteral("PR210"));
    ASSERT_EQ(call(pressure, 44, bytes({7})).responseCode, 0);
    EXPECT_TRUE(sim::control(bus, QStringLiteral("INPUT 0 2.5")).ok);
    EXPECT_DOUBLE_EQ(pressure.heldInput().value_or(0.0), 250.0) << "2.5 bar";
    const sim::DeviceModel& sensor = pressure.deviceModel();
    EXPECT_FLOAT_EQ(floatAt(call(pressure, 1), 1),
                    float((sensor.sensorGainError * 250.0 + sensor.sensorOffset) / 100.0))
        << "as the sensor reads it, in bar";

    ASSERT_EQ(call(pressure, 6, bytes({1})).responseCode, 0);
    const sim::ControlAnswer shared = sim::control(bus, QStringLiteral("INPUT 1 3"));
    EXPECT_FALSE(shared.ok);
    EXPECT_EQ(shared.text, QStringLiteral("PR210 and TM120 share polling address 1: name the device"));
    EXPECT_TRUE(sim::control(bus, QStringLiteral("INPUT TM120 3")).ok);
}

TEST(SimControl, TheMeterShowsWhatTheOutputTrimTookOut)
{
    platform::VirtualClock clock;
    sim::SimBus bus{QString{}};
    sim::SimTransmitter& pressure = *bus.device(QStringLiteral("PR210"));
    ASSERT_EQ(call(pressure, 40, floats({4.0})).responseCode, 0);
    const sim::ControlAnswer before = sim::control(bus, QStringLiteral("METER 0"));
    ASSERT_TRUE(before.ok);
    ASSERT_TRUE(before.text.startsWith(QStringLiteral("PR210 at polling address 0: a meter in the loop reads ")));
    ASSERT_TRUE(before.text.endsWith(QStringLiteral(" mA")));
    const QString reading = before.text.section(u' ', -2, -2);
    EXPECT_NE(reading, QStringLiteral("4.000")) << "the untrimmed output is a little off";

    ASSERT_EQ(call(pressure, 45, floats({reading.toDouble()})).responseCode, 0);
    EXPECT_EQ(sim::control(bus, QStringLiteral("METER PR210")).text,
              QStringLiteral("PR210 at polling address 0: a meter in the loop reads 4.000 mA"));
}

TEST(SimControl, TheLineTimeIsTheSumOfTheTransactionsOnTheWire)
{
    platform::VirtualClock clock;
    sim::SimBus bus{QString{}};
    EXPECT_EQ(sim::control(bus, QStringLiteral("LINE")).text, QStringLiteral("0 transactions, 0 ms on the line"));
    const hart::Request identity{hart::Address::shortFrame(0), 0, {}};
    const hart::Request nobody{hart::Address::shortFrame(9), 0, {}};
    int done = 0;
    bus.transact(identity, [&](auto) { ++done; });
    bus.transact(nobody, [&](auto) { ++done; });
    clock.advance(5000);
    ASSERT_EQ(done, 2);
    const qint64 expected = hart::transactionMs(identity, call(*bus.device(QStringLiteral("PR210")), 0)) +
                            hart::transactionMs(nobody, std::nullopt);
    EXPECT_EQ(sim::control(bus, QStringLiteral("line")).text,
              QStringLiteral("2 transactions, %1 ms on the line").arg(expected));
}

} // namespace
