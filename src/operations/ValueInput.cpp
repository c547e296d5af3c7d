#include "operations/ValueInput.h"

#include "platform/Dialogs.h"
#include "platform/Texts.h"

#include <QLocale>

#include <cmath>

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

std::optional<QString> currentRefusal(const QString& text, bool zeroEndsFixedMode)
{
    bool ok = false;
    const double value = QLocale().toDouble(normalised(text), &ok);
    if (!ok || !std::isfinite(value)) return platform::texts().wrongValue;
    if (zeroEndsFixedMode && value == 0.0) return std::nullopt;
    if (value < LowestCurrentMa || value > HighestCurrentMa)
        return platform::texts().currentOutOfRange.arg(text, QLocale().toString(LowestCurrentMa),
                                                       QLocale().toString(HighestCurrentMa));
    return std::nullopt;
}

QString currentPrompt(bool zeroEndsFixedMode)
{
    const platform::Texts& t = platform::texts();
    const QString low = QLocale().toString(LowestCurrentMa), high = QLocale().toString(HighestCurrentMa);
    return t.enterCurrentValue + QStringLiteral("\r\n") +
           (zeroEndsFixedMode ? t.fixedCurrentRange.arg(low, high) : t.currentRange.arg(low, high));
}

std::optional<QString> askValue(const QString& prompt, const QString& offered, const AnswerCheck& check)
{
    QString value = offered;
    while (true) {
        if (!platform::dialogs().inputQuery(platform::texts().inputQueryCaption, prompt, value)) return std::nullopt;
        const std::optional<QString> refusal = check(value);
        if (!refusal) return value;
        platform::dialogs().error(*refusal);
    }
}

std::optional<QString> askInteger(const QString& prompt, const QString& offered, qint64 low, qint64 high)
{
    const auto typed = askValue(prompt, offered, [low, high](const QString& text) -> std::optional<QString> {
        if (integerIn(text, low, high)) return std::nullopt;
        return platform::texts().wrongValue;
    });
    if (!typed) return std::nullopt;
    return QString::number(*integerIn(*typed, low, high));
}

} // namespace operations
