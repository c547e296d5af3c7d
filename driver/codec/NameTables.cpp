#include "codec/NameTables.h"

#include "platform/Profile.h"

namespace codec {

namespace {
QString lookup(const QHash<int, QString>& table, int code) { return table.value(code, QString::number(code)); }

std::optional<int> reverse(const QHash<int, QString>& table, const QString& name)
{
    const QString wanted = name.trimmed();
    for (auto it = table.begin(); it != table.end(); ++it)
        if (it.value() == wanted) return it.key();
    bool ok = false;
    const int code = wanted.toInt(&ok);
    if (ok && code >= 0 && code <= 255) return code;
    return std::nullopt;
}

// Codes 250..253 mean the same in every common table.
QString specialCode(int code)
{
    switch (code) {
    case 250: return QStringLiteral("Not used");
    case 251: return QStringLiteral("None");
    case 252: return QStringLiteral("Unknown");
    case 253: return QStringLiteral("Special");
    default: return QString::number(code);
    }
}
} // namespace

NameTables::NameTables() = default;

namespace {
bool readTable(const QString& path, QHash<int, QString>& units, QHash<int, QString>& functions)
{
    const platform::Profile table(path);
    if (!table.exists()) return false;
    for (int code = 0; code <= 255; ++code) {
        const QString unit = table.readString(QStringLiteral("Units"), QString::number(code));
        if (!unit.isEmpty()) units.insert(code, unit);
        const QString function = table.readString(QStringLiteral("TransferFunction"), QString::number(code));
        if (!function.isEmpty()) functions.insert(code, function);
    }
    return true;
}

// The code of a name in the first table that has it, else a decimal code.
std::optional<int> reverseIn(const QHash<int, QString>& table, const QList<QHash<int, QString>>& others,
                             const QString& name)
{
    if (const auto code = reverse(table, name)) return code;
    const QString wanted = name.trimmed();
    for (const auto& other : others)
        for (auto it = other.begin(); it != other.end(); ++it)
            if (it.value() == wanted) return it.key();
    return std::nullopt;
}
} // namespace

bool NameTables::loadTableFile(const QString& path) { return readTable(path, units, functions); }

bool NameTables::acceptTableFile(const QString& path)
{
    QHash<int, QString> otherUnits, otherFunctions;
    if (!readTable(path, otherUnits, otherFunctions)) return false;
    acceptedUnits.append(otherUnits);
    acceptedFunctions.append(otherFunctions);
    return true;
}

QString NameTables::unitName(int code) const { return lookup(units, code); }

QString NameTables::transferFunctionName(int code) const { return lookup(functions, code); }

QString NameTables::alarmName(int code) const
{
    switch (code) {
    case 0: return QStringLiteral("High");
    case 1: return QStringLiteral("Low");
    case 239: return QStringLiteral("Hold last output value");
    default: return specialCode(code);
    }
}

QString NameTables::writeProtectName(int code) const
{
    switch (code) {
    case 0: return QStringLiteral("No");
    case 1: return QStringLiteral("Yes");
    default: return specialCode(code);
    }
}

QString NameTables::manufacturerName(int id) const
{
    return id == 110 ? QStringLiteral("Ostrevo") : QString::number(id);
}

QString NameTables::deviceTypeName(int manufacturer, int type) const
{
    // An expanded device type made of the manufacturer and an older one-byte type is that type.
    if (type > 0xFF && (type >> 8) == manufacturer) type &= 0xFF;
    if (manufacturer == 110 && type == 210) return QStringLiteral("PR210");
    if (manufacturer == 110 && type == 120) return QStringLiteral("TM120");
    return QString::number(type);
}

std::optional<int> NameTables::unitCode(const QString& name) const { return reverseIn(units, acceptedUnits, name); }

std::optional<int> NameTables::transferFunctionCode(const QString& name) const
{
    return reverseIn(functions, acceptedFunctions, name);
}

} // namespace codec
