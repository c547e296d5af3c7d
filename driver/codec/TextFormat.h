#pragma once
// How values look as text on the link: plain numbers ("20", "0.25", "12.5"), the locale's short
// date, and the lenient reading of what a user typed.
#include <QDate>
#include <QString>
#include <optional>

namespace codec {

// The shortest text that reads back as the same float, never in exponent form; "NaN" for not used.
QString formatNumber(float value);
// A decimal number with "." or "," as the decimal separator, or "NaN". Nothing for anything else.
std::optional<float> parseNumber(const QString& text);
// A whole number in 0..max.
std::optional<quint32> parseUnsigned(const QString& text, quint32 max);

QString formatDate(const QDate& date);
// The locale's short date first, then the common forms d.M.yyyy, d.M.yy, yyyy-MM-dd, d/M/yyyy,
// M/d/yyyy, d-M-yyyy. A two-digit year below 50 is in the 2000s.
QDate parseDate(const QString& text);

} // namespace codec
