#include "config/EditRules.h"

#include "platform/Encoding.h"

#include <algorithm>

namespace config {

bool packableAscii(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 && u <= 0x5F) || (u >= u'a' && u <= u'z');
}

bool storableLatin1(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF && platform::fitsCp1250(QString(c)));
}

std::optional<EditOutcome> applyEditRule(const QString& text, int caret, const EditRule& rule)
{
    EditOutcome out;
    out.text.reserve(std::min<qsizetype>(text.size(), rule.maxLength + 1));
    caret = std::clamp(caret, 0, int(text.size()));
    int kept = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool control = c.unicode() < 0x20 || c.unicode() == 0x7F;
        const bool unstorable =
            !control && ((rule.packedAscii && !packableAscii(c)) || (rule.latin1 && !storableLatin1(c)));
        if (control || unstorable) {
            out.refused = out.refused || unstorable;
            if (i < caret) --kept; // counted below as one fewer character before the caret
            continue;
        }
        out.text.append(c);
    }
    out.caret = caret + kept;
    const int excess = int(out.text.size()) - rule.maxLength;
    if (excess > 0) {
        const int beforeCaret = std::min(excess, out.caret);
        out.text.remove(out.caret - beforeCaret, beforeCaret);
        out.caret -= beforeCaret;
        out.text.truncate(rule.maxLength);
    }
    if (out.text == text) return std::nullopt;
    out.caret = std::min(out.caret, int(out.text.size()));
    return out;
}

} // namespace config
