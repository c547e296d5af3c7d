#include "detailed/TokenReaders.h"

#include <cmath>
#include <limits>

namespace detailed {

namespace {

bool isNumberSeparator(QChar c) { return c == u',' || c == u' ' || c == u'_' || c == u';'; }
bool isTextSeparator(QChar c) { return c == u'_' || c == u';'; }

} // namespace

std::optional<int> parseInteger(QStringView text)
{
    qsizetype at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
        negative = text[at] == u'-';
        ++at;
    }
    if (at == text.size()) return std::nullopt;
    qint64 magnitude = 0;
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    for (; at < text.size(); ++at) {
        const char16_t c = text[at].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit) return std::nullopt;
    }
    const qint64 result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<int>::max()) return std::nullopt;
    return int(result);
}

int roundHalfToEven(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double result = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0)) result = lower + 1.0;
    return int(result);
}

int TakeNumber(QString& value, bool& error)
{
    if (value.isEmpty() || isNumberSeparator(value.front())) {
        error = true;
        return 0;
    }
    qsizetype end = 0;
    while (end < value.size() && !isNumberSeparator(value.at(end)))
        ++end;
    const std::optional<int> number = parseInteger(QStringView(value).left(end).trimmed());
    value.remove(0, end < value.size() ? end + 1 : end);
    if (!number) {
        error = true;
        return 0;
    }
    return *number;
}

int TakeScaledNumber(QString& value, bool& error, double scale)
{
    return roundHalfToEven(TakeNumber(value, error) * scale);
}

QString TakeText(QString& value, bool& error)
{
    qsizetype end = 0;
    while (end < value.size() && !isTextSeparator(value.at(end)))
        ++end;
    const QString text = value.left(end).trimmed();
    value.remove(0, end < value.size() ? end + 1 : end);
    if (text.isEmpty()) error = true;
    return text;
}

} // namespace detailed
