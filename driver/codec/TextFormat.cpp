#include "codec/TextFormat.h"

#include "platform/DateText.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace codec {

namespace {
// On-line values never go below this many decimals' worth of a unit, however small they are.
constexpr int MaxMeasuredDecimals = 10;
constexpr int MeasuredDigits = 5;

std::optional<QString> notFinite(float value)
{
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    return std::nullopt;
}

// A value that rounds to zero is zero, not "-0.000".
QString withoutNegativeZero(QString text)
{
    if (text.startsWith(u'-') &&
        std::all_of(text.begin() + 1, text.end(), [](QChar c) { return c == u'0' || c == u'.'; }))
        text.remove(0, 1);
    return text;
}

QString fixed(float value, int decimals)
{
    if (const auto text = notFinite(value)) return *text;
    char buffer[96];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return withoutNegativeZero(QString::fromLatin1(buffer, int(result.ptr - buffer)));
}
} // namespace

QString formatNumber(float value)
{
    if (const auto text = notFinite(value)) return *text;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return withoutNegativeZero(QString::fromLatin1(buffer, int(result.ptr - buffer)));
}

QString formatCurrent(float value) { return fixed(value, 3); }

QString formatPercent(float value) { return fixed(value, 2); }

QString formatMeasured(float value)
{
    if (!std::isfinite(value) || value == 0.0f) return fixed(value, MeasuredDigits - 1);
    const int exponent = int(std::floor(std::log10(std::fabs(double(value)))));
    return fixed(value, std::clamp(MeasuredDigits - 1 - exponent, 0, MaxMeasuredDecimals));
}

std::optional<float> parseNumber(const QString& text)
{
    QString t = text.trimmed();
    if (t.compare(QStringLiteral("NaN"), Qt::CaseInsensitive) == 0) return std::nanf("");
    if (!t.contains(u'.')) t.replace(u',', u'.');
    if (t.isEmpty()) return std::nullopt;
    for (const QChar c : t)
        if (!(c.isDigit() || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E')) return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > 3.4e38) return std::nullopt;
    return float(value);
}

std::optional<quint32> parseUnsigned(const QString& text, quint32 max)
{
    bool ok = false;
    const qulonglong value = text.trimmed().toULongLong(&ok);
    if (!ok || value > max) return std::nullopt;
    return quint32(value);
}

QString formatDate(const QDate& date) { return platform::formatShortDate(date); }

QDate parseDate(const QString& text) { return platform::parseShortDate(text); }

} // namespace codec
