#include "codec/TextFormat.h"

#include "platform/DateText.h"

#include <QLocale>
#include <charconv>
#include <cmath>

namespace codec {

QString formatNumber(float value)
{
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    QString text = QString::fromLatin1(buffer, int(result.ptr - buffer));
    if (text == QStringLiteral("-0")) text = QStringLiteral("0");
    return text;
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
