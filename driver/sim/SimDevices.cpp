#include "sim/SimDevices.h"

#include "sim/SimProcess.h"

#include <cmath>
#include <numbers>

namespace sim {

namespace {
// A quantity that drifts slowly around a centre, such as the temperature of the electronics.
std::function<double(double, double)> drift(double centre, double amplitude, double periodS)
{
    return [=](double seconds, double) {
        return centre + amplitude * std::sin(2.0 * std::numbers::pi * seconds / periodS);
    };
}
} // namespace

SimTransmitter makePressureTransmitter()
{
    DeviceModel model;
    model.name = QStringLiteral("PR210");
    model.identity = {OstrevoId, Pr210Type, 3, 0x0A1B2C, 0, 5, 4, 2, 5};
    model.quantity = Quantity::Pressure;
    model.lowerSensorLimit = -100.0;
    model.upperSensorLimit = 1600.0;
    model.minSpan = 10.0;
    model.sensorSerial = 0x03A2F1;
    model.transferFunctions = {0, 1};
    model.hasDisplay = true;
    model.process = {450.0, 100.0, 60.0, 0.3, 210};
    model.variables = {{unit::DegC, drift(23.0, 1.5, 300.0)}}; // sensor temperature
    model.sensorGainError = 1.0003;
    model.sensorOffset = 1.2; // kPa
    model.outputGainError = 1.0008;
    model.outputOffsetMa = 0.012;

    Config config;
    config.tag = QStringLiteral("PT-101");
    config.descriptor = QStringLiteral("PUMP DISCHARGE");
    config.message = QStringLiteral("SIMULATED PRESSURE TRANSMITTER");
    config.date = QDate(2024, 3, 15);
    config.finalAssemblyNumber = 410021;
    config.pvUnit = unit::KPa;
    config.upperRange = 1000.0;
    config.lowerRange = 0.0;
    config.damping = 0.5;
    config.pollingAddress = 0;
    config.sensorTrimPoints = {0.0, 1000.0};
    return SimTransmitter(std::move(model), config);
}

SimTransmitter makeTemperatureTransmitter()
{
    DeviceModel model;
    model.name = QStringLiteral("TM120");
    model.identity = {OstrevoId, Tm120Type, 2, 0x0B2C3D, 2, 5, 3, 1, 5};
    model.quantity = Quantity::Temperature;
    model.lowerSensorLimit = -200.0;
    model.upperSensorLimit = 850.0;
    model.minSpan = 10.0;
    model.sensorSerial = 0x05B7D4;
    model.transferFunctions = {0};
    model.keepsWritesInRam = true;
    model.process = {60.0, 5.0, 90.0, 0.05, 120};
    model.variables = {
        {unit::DegC, drift(24.0, 1.0, 420.0)},                       // terminal temperature
        {unit::Ohm, [](double, double pv) { return pt100Ohm(pv); }}, // sensor resistance
        {unit::DegC, drift(31.0, 0.8, 600.0)},                       // electronics temperature
    };
    model.sensorGainError = 0.9996;
    model.sensorOffset = 0.3; // degrees Celsius
    model.outputGainError = 0.9994;
    model.outputOffsetMa = -0.008;

    Config config;
    config.tag = QStringLiteral("TT-205");
    config.descriptor = QStringLiteral("REACTOR INLET");
    config.message = QStringLiteral("SIMULATED TEMP TRANSMITTER");
    config.date = QDate(2023, 11, 2);
    config.finalAssemblyNumber = 520733;
    config.pvUnit = unit::DegC;
    config.upperRange = 100.0;
    config.lowerRange = 0.0;
    config.damping = 1.0;
    config.pollingAddress = 1;
    config.sensorTrimPoints = {0.0, 100.0};
    return SimTransmitter(std::move(model), config);
}

SimTransmitter makeFlowTransmitter()
{
    constexpr double WaterKgPerM3 = 998.2;
    DeviceModel model;
    model.name = QStringLiteral("FLOW7");
    model.identity = {FlowMakerId, FlowType, 1, 0x0C3D4E, 0, 7, 2, 1, 5};
    model.revisionFixed = true;
    model.quantity = Quantity::MassFlow;
    model.lowerSensorLimit = 0.0;
    model.upperSensorLimit = 24000.0;
    model.minSpan = 240.0;
    model.sensorSerial = 0x07E2A1;
    model.transferFunctions = {0};
    model.process = {8000.0, 1500.0, 45.0, 20.0, 75};
    model.variables = {
        {unit::CubicMetresPerHour, [=](double, double pv) { return pv / WaterKgPerM3; }}, // volume flow of water
        {unit::DegC, drift(62.0, 0.5, 500.0)},                                            // medium temperature
    };
    model.sensorGainError = 1.0005;
    model.sensorOffset = 0.4; // kg/h
    model.outputGainError = 1.0003;
    model.outputOffsetMa = 0.004;

    Config config;
    config.tag = QStringLiteral("FT-301");
    config.longTag = QStringLiteral("FT-301 boiler feed water, line 3");
    config.descriptor = QStringLiteral("BOILER FEED");
    config.message = QStringLiteral("SIMULATED MASS FLOW TRANSMITTER");
    config.date = QDate(2025, 6, 20);
    config.finalAssemblyNumber = 730145;
    config.pvUnit = unit::KgPerHour;
    config.upperRange = 20000.0;
    config.lowerRange = 0.0;
    config.damping = 1.0;
    config.pollingAddress = 2;
    config.sensorTrimPoints = {0.0, 20000.0};
    return SimTransmitter(std::move(model), config);
}

} // namespace sim
