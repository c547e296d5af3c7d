#pragma once
// The fixed pools of detailed setup items. An item's name is its kind letter and two digits; the
// same names are definition keys, template tokens and configuration record fields.
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace config {

enum class ItemKind {
    Frame,    // P01..P10
    Heading,  // H01..H10
    Label,    // L01..L50
    Display,  // V01..V20, read-only
    Editable, // E01..E30
    Argument, // Q01..Q10, method arguments: their changes do not count as configuration changes
    Option,   // C01..C30
    Method,   // B01..B10
};

struct ItemPool {
    ItemKind kind;
    char16_t letter;
    int count;
};

// In loading order.
inline constexpr std::array<ItemPool, 8> itemPools{{
    {ItemKind::Frame, u'P', 10},
    {ItemKind::Heading, u'H', 10},
    {ItemKind::Label, u'L', 50},
    {ItemKind::Display, u'V', 20},
    {ItemKind::Editable, u'E', 30},
    {ItemKind::Argument, u'Q', 10},
    {ItemKind::Option, u'C', 30},
    {ItemKind::Method, u'B', 10},
}};

inline constexpr int ComboCount = 30;

// "C05" for ('C', 5).
QString itemName(char16_t letter, int number);

struct ItemRef {
    ItemKind kind;
    int number; // 1..count of the pool
};
// The item a name stands for: exactly a pool letter in upper case and two digits within the pool.
std::optional<ItemRef> itemByName(QStringView name);

// V, E, Q, C and B items carry a hint (key "<name>H"); P, H and L do not.
bool hasHint(ItemKind kind);

} // namespace config
