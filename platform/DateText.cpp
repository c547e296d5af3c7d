#include "platform/DateText.h"

#include <QLocale>
#include <QStringList>

namespace platform {

QString formatShortDate(const QDate& date) { return QLocale().toString(date, QLocale::ShortFormat); }

QDate parseShortDate(const QString& text)
{
    const QString t = text.trimmed();
    const QStringList formats{QLocale().dateFormat(QLocale::ShortFormat),
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
