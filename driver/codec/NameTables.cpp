#include "codec/NameTables.h"

#include "platform/Profile.h"

namespace codec {

namespace {
// The simulated devices' maker. Its code is named from the table file when the file names it; the
// simulated devices keep their maker's text only while no public maker is known for the code.
constexpr int SimulatedMaker = 110;

// The sections of a language table file and the highest code each may hold.
struct Section {
    const char* name;
    QHash<int, QString> NameTables::Table::*names;
    int highestCode;
};
constexpr Section Sections[] = {{"Units", &NameTables::Table::units, 0xFF},
                                {"TransferFunction", &NameTables::Table::functions, 0xFF},
                                {"Alarm", &NameTables::Table::alarms, 0xFF},
                                {"WriteProtect", &NameTables::Table::writeProtects, 0xFF},
                                {"Manufacturers", &NameTables::Table::manufacturers, 0xFFFF}};

std::optional<NameTables::Table> readTable(const QString& path)
{
    const platform::Profile file(path);
    if (!file.exists()) return std::nullopt;
    NameTables::Table table;
    for (const Section& section : Sections) {
        QHash<int, QString>& names = table.*section.names;
        for (const auto& [key, value] : file.sectionValues(QLatin1String(section.name))) {
            bool ok = false;
            const int code = key.toInt(&ok);
            // As with every profile key, the first line of a code counts.
            if (ok && code >= 0 && code <= section.highestCode && !value.isEmpty() && !names.contains(code))
                names.insert(code, value);
        }
    }
    table.unknownCode = file.readString(QStringLiteral("Names"), QStringLiteral("UnknownCode"));
    return table;
}

// A name in quotes keeps its blanks in a reply, but comes back trimmed like every data line.
std::optional<int> codeOf(const QHash<int, QString>& names, const QString& name)
{
    for (auto it = names.begin(); it != names.end(); ++it)
        if (it.value().trimmed() == name) return it.key();
    return std::nullopt;
}

// The code of a name in the loaded table, else in another language's table, else a decimal code.
std::optional<int> reverse(const NameTables::Table& loaded, const QList<NameTables::Table>& accepted,
                           QHash<int, QString> NameTables::Table::*section, const QString& name)
{
    const QString wanted = name.trimmed();
    if (const auto code = codeOf(loaded.*section, wanted)) return code;
    bool ok = false;
    const int code = wanted.toInt(&ok);
    if (ok && code >= 0 && code <= 0xFF) return code;
    for (const auto& other : accepted)
        if (const auto otherCode = codeOf(other.*section, wanted)) return otherCode;
    return std::nullopt;
}
} // namespace

NameTables::NameTables() = default;

bool NameTables::loadTableFile(const QString& path)
{
    auto table = readTable(path);
    if (!table) return false;
    loaded = std::move(*table);
    return true;
}

bool NameTables::acceptTableFile(const QString& path)
{
    auto table = readTable(path);
    if (!table) return false;
    accepted.append(std::move(*table));
    return true;
}

QString NameTables::unknownName(int code) const
{
    const QString text =
        loaded.unknownCode.contains(QLatin1String("%1")) ? loaded.unknownCode : QStringLiteral("Unknown (%1)");
    return text.arg(code);
}

QString NameTables::unitName(int code) const { return loaded.units.value(code, unknownName(code)); }

QString NameTables::transferFunctionName(int code) const { return loaded.functions.value(code, unknownName(code)); }

QString NameTables::alarmName(int code) const { return loaded.alarms.value(code, unknownName(code)); }

QString NameTables::writeProtectName(int code) const { return loaded.writeProtects.value(code, unknownName(code)); }

QString NameTables::manufacturerName(int id) const
{
    if (const auto it = loaded.manufacturers.constFind(id); it != loaded.manufacturers.cend()) return *it;
    return id == SimulatedMaker ? QStringLiteral("Ostrevo") : unknownName(id);
}

QString NameTables::deviceTypeName(int manufacturer, int type) const
{
    // An expanded device type made of the manufacturer and an older one-byte type is that type.
    if (type > 0xFF && (type >> 8) == manufacturer) type &= 0xFF;
    if (manufacturer == SimulatedMaker && type == 210) return QStringLiteral("PR210");
    if (manufacturer == SimulatedMaker && type == 120) return QStringLiteral("TM120");
    return QString::number(type);
}

std::optional<int> NameTables::unitCode(const QString& name) const
{
    return reverse(loaded, accepted, &Table::units, name);
}

std::optional<int> NameTables::transferFunctionCode(const QString& name) const
{
    return reverse(loaded, accepted, &Table::functions, name);
}

} // namespace codec
