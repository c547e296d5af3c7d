#include "platform/DateText.h"

#include <QLocale>
#include <QStringList>

namespace platform {

namespace {
// The locale's short form with the year in four digits: a device's date runs from 1900 to 2155, and a
// two-digit year would come back a century off at either end.
QString shortFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}
} // namespace

QString formatShortDate(const QDate& date) { return QLocale().toString(date, shortFormat()); }

QDate parseShortDate(const QString& text)
{
    const QString t = text.trimmed();
    const QStringList formats{shortFormat(),
                              QStringLiteral("d.M.yyyy"),
                              QStringLiteral("d.M.yy"),
                              QStringLiteral("yyyy-MM-dd"),
                              QStringLiteral("d/M/yyyy"),
                              QStringLiteral("M/d/yyyy"),
                              QStringLiteral("d/M/yy"),
                              QStringLiteral("M/d/yy"),
                              QStringLiteral("d-M-yyyy")};
    for (const QString& format : formats) {
        QDate date = QDate::fromString(t, format);
        if (!date.isValid()) continue;
        if (!format.contains(QStringLiteral("yyyy")) && date.year() < 1950) date = date.addYears(100);
        return date;
    }
    return {};
}

} // namespace platform
