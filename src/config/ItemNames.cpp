#include "config/ItemNames.h"

namespace config {

QString itemName(char16_t letter, int number)
{
    return QChar(letter) + QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

std::optional<ItemRef> itemByName(QStringView name)
{
    if (name.size() != 3) return std::nullopt;
    const char16_t tens = name[1].unicode();
    const char16_t ones = name[2].unicode();
    if (tens < u'0' || tens > u'9' || ones < u'0' || ones > u'9') return std::nullopt;
    const int number = (tens - u'0') * 10 + (ones - u'0');
    for (const ItemPool& pool : itemPools)
        if (name[0] == QChar(pool.letter)) {
            if (number < 1 || number > pool.count) return std::nullopt;
            return ItemRef{pool.kind, number};
        }
    return std::nullopt;
}

bool hasHint(ItemKind kind) { return kind != ItemKind::Frame && kind != ItemKind::Heading && kind != ItemKind::Label; }

} // namespace config
