#include "operations/ValueInput.h"

#include "platform/Dialogs.h"
#include "platform/Texts.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace operations {

namespace {
std::optional<qint64> integerIn(const QString& text, qint64 low, qint64 high)
{
    bool ok = false;
    const qint64 value = QLocale().toLongLong(normalised(text), &ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}
} // namespace

QString normalised(const QString& text)
{
    if (text.isEmpty()) return QStringLiteral("0");
    const QString separator = QLocale().decimalPoint();
    QString out = text;
    out.replace(u'.', separator);
    out.replace(u',', separator);
    return out;
}

bool isCurrent(const QString& text)
{
    bool ok = false;
    const double value = QLocale().toDouble(normalised(text), &ok);
    return ok && std::isfinite(value) && std::abs(value) <= double(std::numeric_limits<float>::max());
}

std::optional<QString> askValue(const QString& prompt, const QString& offered,
                                const std::function<bool(const QString&)>& valid)
{
    QString value = offered;
    while (true) {
        if (!platform::dialogs().inputQuery(platform::texts().inputQueryCaption, prompt, value)) return std::nullopt;
        if (valid(value)) return value;
        platform::dialogs().error(platform::texts().wrongValue);
    }
}

std::optional<QString> askInteger(const QString& prompt, const QString& offered, qint64 low, qint64 high)
{
    const auto typed =
        askValue(prompt, offered, [low, high](const QString& text) { return integerIn(text, low, high).has_value(); });
    if (!typed) return std::nullopt;
    return QString::number(*integerIn(*typed, low, high));
}

} // namespace operations
