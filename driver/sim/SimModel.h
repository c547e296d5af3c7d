#pragma once
// What a simulated device is made of: the fixed identity and sensor of its type (DeviceModel) and
// the configuration a technician can write (Config). Config values that are measured quantities
// are kept in the model's base unit (kPa, degrees Celsius or kg/h), whatever unit the device shows.
#include "sim/SimUnits.h"

#include <QDate>
#include <QString>
#include <array>
#include <functional>
#include <vector>

namespace sim {

struct Identity {
    quint8 manufacturerId = 0;
    quint8 deviceType = 0;
    quint8 deviceRevision = 0;
    quint32 deviceId = 0;
    quint8 flags = 0;
    quint8 universalRevision = 5;
    quint8 softwareRevision = 1;
    quint8 hardwareRevision = 1;
    quint8 minPreambles = 5;

    // Revision 7 names the type with two bytes; a type first registered with one byte keeps it,
    // under its manufacturer's id.
    quint16 expandedDeviceType() const { return quint16(manufacturerId << 8 | deviceType); }
};

// The process the sensor sees when nobody holds it: a slow sine with a little noise.
struct ProcessWave {
    double centre = 0.0;
    double amplitude = 0.0;
    double periodS = 60.0;
    double noise = 0.0; // peak noise of an undamped reading
    quint64 seed = 1;
};

// A dynamic variable after the PV (SV, TV, QV in command 3).
struct DeviceVariable {
    quint8 unit = 0;
    // seconds on the clock, raw PV in base units -> value in `unit`
    std::function<double(double seconds, double pv)> value;
};

struct DeviceModel {
    QString name; // "PR210": the key of the device in the state file
    Identity identity;
    // Made for the universal revision of its identity: it speaks no other.
    bool revisionFixed = false;
    Quantity quantity = Quantity::Pressure;
    double lowerSensorLimit = 0.0;
    double upperSensorLimit = 0.0;
    double minSpan = 0.0;
    quint32 sensorSerial = 0;
    std::vector<quint8> transferFunctions{0};
    // Flags bit 2: writes stay in RAM until command 39 burns them.
    bool keepsWritesInRam = false;
    // Display, alarm current and sensor trim point commands 128..140.
    bool hasDisplay = false;
    ProcessWave process;
    std::vector<DeviceVariable> variables;
    // The imperfection of the sensor: what it reads of an input is sensorGainError * input + sensorOffset
    // (base units). The zero trim takes out the offset at zero; the span error stays, small.
    double sensorGainError = 1.0;
    double sensorOffset = 0.0;
    // The imperfection of the current output that the output trims take out.
    double outputGainError = 1.0;
    double outputOffsetMa = 0.0;

    double sensorSpan() const { return upperSensorLimit - lowerSensorLimit; }
    // Tolerance of limit checks, so that a limit read in another unit and written back passes.
    double limitTolerance() const { return 1e-5 * sensorSpan(); }
    bool withinSensorLimits(double base) const
    {
        return base >= lowerSensorLimit - limitTolerance() && base <= upperSensorLimit + limitTolerance();
    }
    bool allowsTransferFunction(quint8 code) const
    {
        for (quint8 allowed : transferFunctions)
            if (allowed == code) return true;
        return false;
    }
    bool allowsUnit(quint8 code) const { return unitScale(quantity, code).has_value(); }
};

// Limits of written values, shared by the commands and the state file reader.
namespace limits {
inline constexpr double MaxDamping = 60.0;
inline constexpr quint8 MaxPollingAddress = 15;
inline constexpr quint32 MaxFinalAssembly = 16777215;
inline constexpr double AlarmLowMin = 3.5;
inline constexpr double AlarmLowMax = 3.8;
inline constexpr double AlarmHighMin = 21.0;
inline constexpr double AlarmHighMax = 23.0;
inline constexpr quint8 MaxDisplayMode = 3;
inline constexpr quint8 MaxDecimals = 4;
inline constexpr int TagChars = 8;
inline constexpr int DescriptorChars = 16;
inline constexpr int MessageChars = 32;
inline constexpr int LongTagChars = 32; // ISO Latin-1
// Output trims further off than this are a wiring fault, not something to trim away.
inline constexpr double MaxTrimOffsetMa = 1.0;
inline constexpr double MinTrimGain = 0.9;
inline constexpr double MaxTrimGain = 1.1;
// A zero trim may take out at most this share of the sensor span.
inline constexpr double ZeroTrimShare = 0.05;
// A span below the minimum span still works, less accurately; below this share of it the output
// could not tell the ends apart, and the range is refused.
inline constexpr double ValidSpanShare = 0.1;
inline bool isBurstCommand(quint8 command) { return command == 1 || command == 2 || command == 3 || command == 9; }
} // namespace limits

struct Config {
    QString tag;
    QString longTag; // revision 6 and later
    QString descriptor;
    QString message;
    QDate date;
    quint32 finalAssemblyNumber = 0;
    quint8 pvUnit = 0;
    double upperRange = 0.0;
    double lowerRange = 0.0;
    double damping = 0.0;
    quint8 transferFunction = 0;
    quint8 pollingAddress = 0;
    // The current output: DAC setting = outputTrimOffset + outputTrimGain * wanted current.
    double outputTrimOffset = 0.0;
    double outputTrimGain = 1.0;
    double zeroOffset = 0.0; // added to the sensor reading by the zero trim
    std::array<double, 2> sensorTrimPoints{0.0, 0.0};
    quint8 burstCommand = 1;
    bool burstMode = false;
    quint8 displayMode = 0;
    quint8 displayDecimals = 2;
    double alarmLowMa = 3.6;
    double alarmHighMa = 21.75;
    bool writeProtect = false;

    bool operator==(const Config&) const = default;
};

} // namespace sim
