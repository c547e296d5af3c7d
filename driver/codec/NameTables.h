#pragma once
// The names the driver gives to HART codes. Unit and transfer-function names come from the
// program's language table file, so that they always match the program's lists; alarm and
// write-protection texts and the names of the known makers and device types are the driver's own.
#include <QHash>
#include <QString>
#include <optional>

namespace codec {

class NameTables {
public:
    NameTables();
    // Reads [Units] and [TransferFunction] of a language table file. False when the file is missing.
    bool loadTableFile(const QString& path);
    // Names of another language's table file that written values may use too; replies keep the
    // names of the loaded table. False when the file is missing.
    bool acceptTableFile(const QString& path);

    // Names of codes: the name, or the code in decimal when there is none.
    QString unitName(int code) const;
    QString transferFunctionName(int code) const;
    QString alarmName(int code) const;
    QString writeProtectName(int code) const;
    QString manufacturerName(int id) const;
    // `type` may be an expanded (16-bit) device type of revision 7.
    QString deviceTypeName(int manufacturer, int type) const;

    // Codes of names: an exact name, else a decimal code 0..255.
    std::optional<int> unitCode(const QString& name) const;
    std::optional<int> transferFunctionCode(const QString& name) const;

    void setUnit(int code, const QString& name) { units.insert(code, name); }
    void setTransferFunction(int code, const QString& name) { functions.insert(code, name); }

private:
    QHash<int, QString> units;
    QHash<int, QString> functions;
    QList<QHash<int, QString>> acceptedUnits;
    QList<QHash<int, QString>> acceptedFunctions;
};

} // namespace codec
