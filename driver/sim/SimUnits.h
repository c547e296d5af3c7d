#pragma once
// Engineering units of the simulated devices. A device keeps its values in one base unit (kPa for
// pressure, degrees Celsius for temperature, kg/h for mass flow) and converts only at the wire, so a
// unit change never loses precision and the range checks work on one scale.
#include <QString>
#include <QtGlobal>
#include <optional>

namespace sim {

enum class Quantity { Pressure, Temperature, MassFlow };

// value in the unit = base * scale + offset
struct UnitScale {
    double scale = 1.0;
    double offset = 0.0;

    double fromBase(double base) const { return base * scale + offset; }
    double toBase(double value) const { return (value - offset) / scale; }
    // Spans are differences: the offset of a temperature scale does not apply.
    double spanFromBase(double span) const { return span * scale; }
};

// The scale of a unit code, or nothing when the code is no unit of that quantity.
std::optional<UnitScale> unitScale(Quantity quantity, quint8 code);
quint8 baseUnit(Quantity quantity);
// A short plain-ASCII symbol for messages ("kPa", "degC"); the code in decimal for others.
QString unitSymbol(quint8 code);

namespace unit {
inline constexpr quint8 InH2O = 1;
inline constexpr quint8 MmH2O = 4;
inline constexpr quint8 MmHg = 5;
inline constexpr quint8 Psi = 6;
inline constexpr quint8 Bar = 7;
inline constexpr quint8 Mbar = 8;
inline constexpr quint8 KgPerCm2 = 10;
inline constexpr quint8 Pa = 11;
inline constexpr quint8 KPa = 12;
inline constexpr quint8 Torr = 13;
inline constexpr quint8 Atm = 14;
inline constexpr quint8 MPa = 237;
inline constexpr quint8 DegC = 32;
inline constexpr quint8 DegF = 33;
inline constexpr quint8 DegR = 34;
inline constexpr quint8 Kelvin = 35;
inline constexpr quint8 Ohm = 37;
inline constexpr quint8 CubicMetresPerHour = 19;
inline constexpr quint8 GramsPerSecond = 70;
inline constexpr quint8 KgPerSecond = 73;
inline constexpr quint8 KgPerMinute = 74;
inline constexpr quint8 KgPerHour = 75;
inline constexpr quint8 TonnesPerHour = 78;
inline constexpr quint8 PoundsPerHour = 82;
inline constexpr quint8 PoundsPerDay = 83;
} // namespace unit

} // namespace sim
