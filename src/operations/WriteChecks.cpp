#include "operations/WriteChecks.h"

#include "config/CommandCatalogue.h"
#include "platform/Texts.h"

#include <QLocale>

#include <cmath>

namespace operations {

using config::Control;
using config::DeviceState;

namespace {

const platform::Texts& t() { return platform::texts(); }

constexpr double LargestFloat = 3.4e38;

// A number as the driver reads it: a full stop or else a comma as the decimal sign, an optional
// exponent; nothing for a text that is none, or one the device could not hold as a float.
std::optional<double> number(const QString& text)
{
    QString digits = text.trimmed();
    if (!digits.contains(u'.')) digits.replace(u',', u'.');
    if (digits.isEmpty()) return std::nullopt;
    for (const QChar c : digits)
        if (!(c.isDigit() || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E')) return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(digits, &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > LargestFloat) return std::nullopt;
    return value;
}

// A value shown with its unit after a blank, as the replies give them ("1600 kPa").
struct Measured {
    double value;
    QString unit;
    QString shown;
};
std::optional<Measured> measured(const QString& shown)
{
    const qsizetype blank = shown.indexOf(u' ');
    if (blank < 0) return std::nullopt;
    const std::optional<double> value = number(shown.left(blank));
    if (!value) return std::nullopt;
    return Measured{*value, shown.mid(blank + 1), shown};
}

// What the device told of its sensor, as far as it is in the given unit.
struct Sensor {
    std::optional<Measured> upper, lower, minimumSpan;
    double tolerance = 0; // what the texts of a float may differ by from the value the device holds

    Sensor(const DeviceState& state, const QString& unit)
    {
        auto inUnit = [&](Control control) -> std::optional<Measured> {
            std::optional<Measured> value = measured(state.text(control));
            return value && value->unit == unit ? value : std::nullopt;
        };
        upper = inUnit(Control::HorniMez);
        lower = inUnit(Control::DolniMez);
        minimumSpan = inUnit(Control::MinRozpeti);
        if (upper && lower) tolerance = 1e-5 * std::fabs(upper->value - lower->value);
    }
    bool above(double value) const { return upper && value > upper->value + tolerance; }
    bool below(double value) const { return lower && value < lower->value - tolerance; }
    bool spanTooSmall(double span) const { return minimumSpan && std::fabs(span) < minimumSpan->value - tolerance; }
};

QString nameOf(Control control)
{
    const config::ValueRow row = config::valueRow(control);
    return row.name ? t().*row.name : QString();
}

QString withUnit(double value, const QString& unit) { return QString::number(value) + u' ' + unit; }

// The range values a write carries, against the sensor they are meant for.
std::optional<QString> rangeRefusal(const DeviceState& state)
{
    const QString unit = state.text(Control::Jednotky);
    const Sensor sensor(state, unit);
    const std::optional<double> upperValue = number(state.text(Control::Konec));
    const std::optional<double> lowerValue = number(state.text(Control::Pocatek));
    if (!upperValue || !lowerValue) return std::nullopt; // refused as no numbers already
    const double upper = *upperValue, lower = *lowerValue;
    for (const auto& [control, value] : {std::pair{Control::Konec, upper}, std::pair{Control::Pocatek, lower}}) {
        const QString typed = state.text(control).trimmed() + u' ' + unit;
        if (sensor.above(value)) return t().refusedAboveLimit.arg(nameOf(control), typed, sensor.upper->shown);
        if (sensor.below(value)) return t().refusedBelowLimit.arg(nameOf(control), typed, sensor.lower->shown);
    }
    if (sensor.spanTooSmall(upper - lower))
        return t().refusedSpan.arg(withUnit(std::fabs(upper - lower), unit), sensor.minimumSpan->shown);
    return std::nullopt;
}

} // namespace

std::optional<QString> writeRefusal(const DeviceState& state, const QList<int>& writeCommands)
{
    for (const int command : writeCommands) {
        const config::CommandRow* row = config::catalogueRow(command);
        if (!row || !row->guard || !(state.changes.*row->guard)) continue;
        for (const Control value : row->request) {
            // A list's value goes to the driver as a name of its table: the device's own text has none.
            if (config::isList(value) && !state.fromTable(value))
                return t().refusedNoCode.arg(nameOf(value), state.text(value));
            if (config::valueRow(value).number && !number(state.text(value)))
                return t().refusedNotNumber.arg(nameOf(value), state.text(value));
        }
        if (row->request.contains(Control::Konec) && row->request.contains(Control::Pocatek))
            if (std::optional<QString> why = rangeRefusal(state)) return why;
    }
    return std::nullopt;
}

std::optional<QString> appliedInputRefusal(const DeviceState& state, bool upper)
{
    const std::optional<Measured> input = measured(state.text(Control::PV));
    if (!input) return std::nullopt;
    const Sensor sensor(state, input->unit);
    if (sensor.above(input->value)) return t().appliedAboveLimit.arg(input->shown, sensor.upper->shown);
    if (sensor.below(input->value)) return t().appliedBelowLimit.arg(input->shown, sensor.lower->shown);
    // The lower range value stays where it is: the input becomes the other end of the span.
    const std::optional<double> lower = number(state.text(Control::Pocatek));
    if (upper && lower && state.text(Control::Jednotky) == input->unit && sensor.spanTooSmall(input->value - *lower))
        return t().appliedSpan.arg(input->shown, withUnit(std::fabs(input->value - *lower), input->unit),
                                   sensor.minimumSpan->shown);
    return std::nullopt;
}

QString sensorLimitsHint(const DeviceState& state)
{
    const QString lower = state.text(Control::DolniMez);
    const QString upper = state.text(Control::HorniMez);
    if (lower.isEmpty() || upper.isEmpty()) return {};
    return t().sensorLimitsHint.arg(lower, upper);
}

} // namespace operations
