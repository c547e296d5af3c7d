#pragma once
// The names the driver gives to HART codes. Every name of a common-table code (units, transfer
// functions, alarm selection, write protection, manufacturers) comes from the program's language
// table file, so that replies use the program's own words and its lists always find them; a code
// the file does not name is called "Unknown (N)" in the file's language ([Names] UnknownCode).
// The names of the simulated maker and its device types are the driver's own.
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace codec {

class NameTables {
public:
    NameTables();
    // Reads a language table file. False when the file is missing; what it lacks is then unknown.
    bool loadTableFile(const QString& path);
    // Names of another language's table file that written values may use too; replies keep the
    // names of the loaded table. False when the file is missing.
    bool acceptTableFile(const QString& path);

    // Names of codes: the table's name, else the unknown-code text.
    QString unitName(int code) const;
    QString transferFunctionName(int code) const;
    QString alarmName(int code) const;
    QString writeProtectName(int code) const;
    // `id` is 8 or 16 bits: an 8-bit code N is the maker of the 16-bit code N.
    QString manufacturerName(int id) const;
    // `type` may be an expanded (16-bit) device type of revision 7. Device types are the makers'
    // own, not a common table: one the driver does not know is its number.
    QString deviceTypeName(int manufacturer, int type) const;
    // "Unknown (N)" in the loaded table's language.
    QString unknownName(int code) const;

    // Codes of names: an exact name, else a decimal code 0..255.
    std::optional<int> unitCode(const QString& name) const;
    std::optional<int> transferFunctionCode(const QString& name) const;

    void setUnit(int code, const QString& name) { loaded.units.insert(code, name); }
    void setTransferFunction(int code, const QString& name) { loaded.functions.insert(code, name); }

    // The sections of a language table file the driver reads.
    struct Table {
        QHash<int, QString> units;
        QHash<int, QString> functions;
        QHash<int, QString> alarms;
        QHash<int, QString> writeProtects;
        QHash<int, QString> manufacturers;
        QString unknownCode; // with %1 for the code; empty when the file has none
    };

private:
    Table loaded;
    QList<Table> accepted;
};

} // namespace codec
