#pragma once
// Dates as texts: written in the locale's short date form with a four-digit year, read from it or from
// the common short forms.
#include <QDate>
#include <QString>

namespace platform {

QString formatShortDate(const QDate& date);
// The locale's short date (four-digit year) first, then d.M.yyyy, d.M.yy, yyyy-MM-dd, d/M/yyyy, M/d/yyyy, d/M/yy,
// M/d/yy, d-M-yyyy. A two-digit year below 50 is in the 2000s. An invalid date when none fits.
QDate parseShortDate(const QString& text);

} // namespace platform
