#pragma once
// How values look as text on the link: configuration numbers exactly as stored ("20", "0.25",
// "12.5"), on-line values at the precision a technician reads them ("12.789" mA, "54.66" %,
// "549.33" kPa), the locale's short date, and the lenient reading of what a user typed.
#include <QDate>
#include <QString>
#include <optional>

namespace codec {

// A configuration value: the shortest text that reads back as the same float, so that a value the user
// wrote reads back as typed; in exponent form only where the plain one would be longer than 32
// characters. "NaN" for not used, "Inf" and "-Inf" for infinite values.
QString formatNumber(float value);
// The loop current in mA, 3 decimals ("12.789").
QString formatCurrent(float value);
// Percent of range, 2 decimals ("54.66").
QString formatPercent(float value);
// A process variable (PV, SV, TV, FV): 5 significant digits, but never fewer than its whole
// digits ("549.33", "0.012346", "123457"), in exponent form only beyond 32 characters (as every
// value text). "NaN" for not used.
QString formatMeasured(float value);
// A decimal number with "." or "," as the decimal separator, or "NaN", "Inf", "-Inf": every text the
// formats above give reads back as the float it came from. Nothing for anything else.
std::optional<float> parseNumber(const QString& text);
// A whole number in 0..max.
std::optional<quint32> parseUnsigned(const QString& text, quint32 max);

QString formatDate(const QDate& date);
// The locale's short date first, then the common forms d.M.yyyy, d.M.yy, yyyy-MM-dd, d/M/yyyy,
// M/d/yyyy, d-M-yyyy. A two-digit year below 50 is in the 2000s.
QDate parseDate(const QString& text);

} // namespace codec
