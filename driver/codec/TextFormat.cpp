#include "codec/TextFormat.h"

#include "platform/DateText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace codec {

namespace {
// On-line values never go below this many decimals' worth of a unit, however small they are.
constexpr int MaxMeasuredDecimals = 10;
constexpr int MeasuredDigits = 5;
constexpr int MaxTextLength = 32;

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

// The program keeps a value's first 32 characters, on screen and in its records, and writes back what it
// kept: a plain form longer than that (a value beyond 1e31, or a tiny one given exactly) goes in the shortest
// exponent form that reads back as the same float ("3.4028235e+38", at most 15 characters).
QString fitted(float value, const char* begin, const char* end)
{
    if (end - begin <= MaxTextLength) return withoutNegativeZero(QString::fromLatin1(begin, int(end - begin)));
    char buffer[MaxTextLength];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

QString fixed(float value, int decimals)
{
    if (const auto text = notFinite(value)) return *text;
    char buffer[96];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return fitted(value, buffer, result.ptr);
}
} // namespace

QString formatNumber(float value)
{
    if (const auto text = notFinite(value)) return *text;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return fitted(value, buffer, result.ptr);
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
    const bool negative = t.startsWith(u'-');
    if (negative || t.startsWith(u'+')) {
        // An infinite value read from a device goes back to it as it came.
        if (QStringView(t).mid(1).compare(u"Inf", Qt::CaseInsensitive) == 0) return negative ? -INFINITY : INFINITY;
    } else if (t.compare(QStringLiteral("Inf"), Qt::CaseInsensitive) == 0) {
        return INFINITY;
    }
    if (!t.contains(u'.')) t.replace(u',', u'.');
    if (t.isEmpty()) return std::nullopt;
    for (const QChar c : t)
        if (!(c.isDigit() || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E')) return std::nullopt;
    // Rounded once, straight from the text, so that every float's shortest text gives that float again.
    const QByteArray digits = t.toLatin1();
    const char* begin = digits.constData();
    if (digits.size() > 1 && digits.at(0) == '+' && digits.at(1) != '-') ++begin; // from_chars takes no plus sign
    const char* end = digits.constData() + digits.size();
    float value = 0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for a float is zero; too large is no value the device could hold.
        double rough = 0;
        std::from_chars(begin, end, rough);
        if (std::fabs(rough) < 1) return std::copysign(0.0f, float(rough));
    }
    if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return value;
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
