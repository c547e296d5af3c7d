#include "sim/SimUnits.h"

#include <array>

namespace sim {

namespace {
// A unit that is a multiple of its quantity's base unit.
struct ScaledUnit {
    Quantity quantity;
    quint8 code;
    double base; // one unit in the base unit
    const char* symbol;
};

constexpr double PoundKg = 0.45359237;

// Water columns at 68 °F, mercury at 0 °C, as the common unit table defines them; the mass flows 70..83
// of the table.
constexpr std::array<ScaledUnit, 26> ScaledUnits{{
    {Quantity::Pressure, unit::KPa, 1.0, "kPa"},
    {Quantity::Pressure, unit::Pa, 0.001, "Pa"},
    {Quantity::Pressure, unit::MPa, 1000.0, "MPa"},
    {Quantity::Pressure, unit::Bar, 100.0, "bar"},
    {Quantity::Pressure, unit::Mbar, 0.1, "mbar"},
    {Quantity::Pressure, unit::Psi, 6.894757293168361, "psi"},
    {Quantity::Pressure, unit::InH2O, 0.248641, "inH2O"},
    {Quantity::Pressure, unit::MmH2O, 0.00978903, "mmH2O"},
    {Quantity::Pressure, unit::MmHg, 0.133322387415, "mmHg"},
    {Quantity::Pressure, unit::KgPerCm2, 98.0665, "kg/cm2"},
    {Quantity::Pressure, unit::Atm, 101.325, "atm"},
    {Quantity::Pressure, unit::Torr, 101.325 / 760.0, "torr"},
    {Quantity::MassFlow, unit::GramsPerSecond, 3.6, "g/s"},
    {Quantity::MassFlow, 71, 0.06, "g/min"},
    {Quantity::MassFlow, 72, 0.001, "g/h"},
    {Quantity::MassFlow, unit::KgPerSecond, 3600.0, "kg/s"},
    {Quantity::MassFlow, unit::KgPerMinute, 60.0, "kg/min"},
    {Quantity::MassFlow, unit::KgPerHour, 1.0, "kg/h"},
    {Quantity::MassFlow, 76, 1.0 / 24.0, "kg/d"},
    {Quantity::MassFlow, 77, 60000.0, "t/min"},
    {Quantity::MassFlow, unit::TonnesPerHour, 1000.0, "t/h"},
    {Quantity::MassFlow, 79, 1000.0 / 24.0, "t/d"},
    {Quantity::MassFlow, 80, PoundKg * 3600.0, "lb/s"},
    {Quantity::MassFlow, 81, PoundKg * 60.0, "lb/min"},
    {Quantity::MassFlow, unit::PoundsPerHour, PoundKg, "lb/h"},
    {Quantity::MassFlow, unit::PoundsPerDay, PoundKg / 24.0, "lb/d"},
}};
} // namespace

std::optional<UnitScale> unitScale(Quantity quantity, quint8 code)
{
    if (quantity != Quantity::Temperature) {
        for (const auto& u : ScaledUnits)
            if (u.quantity == quantity && u.code == code) return UnitScale{1.0 / u.base, 0.0};
        return std::nullopt;
    }
    switch (code) {
    case unit::DegC: return UnitScale{1.0, 0.0};
    case unit::DegF: return UnitScale{1.8, 32.0};
    case unit::Kelvin: return UnitScale{1.0, 273.15};
    case unit::DegR: return UnitScale{1.8, 491.67};
    default: return std::nullopt;
    }
}

quint8 baseUnit(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Pressure: return unit::KPa;
    case Quantity::Temperature: return unit::DegC;
    case Quantity::MassFlow: return unit::KgPerHour;
    }
    return unit::KPa;
}

QString unitSymbol(quint8 code)
{
    for (const auto& u : ScaledUnits)
        if (u.code == code) return QString::fromLatin1(u.symbol);
    switch (code) {
    case unit::DegC: return QStringLiteral("degC");
    case unit::DegF: return QStringLiteral("degF");
    case unit::DegR: return QStringLiteral("degR");
    case unit::Kelvin: return QStringLiteral("K");
    case unit::Ohm: return QStringLiteral("Ohm");
    case unit::CubicMetresPerHour: return QStringLiteral("m3/h");
    default: return QString::number(code);
    }
}

} // namespace sim
