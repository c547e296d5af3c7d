#include "sim/SimUnits.h"

#include <array>

namespace sim {

namespace {
struct PressureUnit {
    quint8 code;
    double kPa; // one unit in kPa
};

// Water columns at 68 °F, mercury at 0 °C, as the common unit table defines them.
constexpr std::array<PressureUnit, 12> PressureUnits{{
    {unit::KPa, 1.0},
    {unit::Pa, 0.001},
    {unit::MPa, 1000.0},
    {unit::Bar, 100.0},
    {unit::Mbar, 0.1},
    {unit::Psi, 6.894757293168361},
    {unit::InH2O, 0.248641},
    {unit::MmH2O, 0.00978903},
    {unit::MmHg, 0.133322387415},
    {unit::KgPerCm2, 98.0665},
    {unit::Atm, 101.325},
    {unit::Torr, 101.325 / 760.0},
}};
} // namespace

std::optional<UnitScale> unitScale(Quantity quantity, quint8 code)
{
    if (quantity == Quantity::Pressure) {
        for (const auto& u : PressureUnits)
            if (u.code == code) return UnitScale{1.0 / u.kPa, 0.0};
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

quint8 baseUnit(Quantity quantity) { return quantity == Quantity::Pressure ? unit::KPa : unit::DegC; }

QString unitSymbol(quint8 code)
{
    switch (code) {
    case unit::InH2O: return QStringLiteral("inH2O");
    case unit::MmH2O: return QStringLiteral("mmH2O");
    case unit::MmHg: return QStringLiteral("mmHg");
    case unit::Psi: return QStringLiteral("psi");
    case unit::Bar: return QStringLiteral("bar");
    case unit::Mbar: return QStringLiteral("mbar");
    case unit::KgPerCm2: return QStringLiteral("kg/cm2");
    case unit::Pa: return QStringLiteral("Pa");
    case unit::KPa: return QStringLiteral("kPa");
    case unit::Torr: return QStringLiteral("torr");
    case unit::Atm: return QStringLiteral("atm");
    case unit::MPa: return QStringLiteral("MPa");
    case unit::DegC: return QStringLiteral("degC");
    case unit::DegF: return QStringLiteral("degF");
    case unit::DegR: return QStringLiteral("degR");
    case unit::Kelvin: return QStringLiteral("K");
    case unit::Ohm: return QStringLiteral("Ohm");
    default: return QString::number(code);
    }
}

} // namespace sim
