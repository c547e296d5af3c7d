#include "detailed/DeviceTemplates.h"

#include "config/CodeTables.h"
#include "config/DefinitionFile.h"

namespace detailed {

namespace {
// Stands in for the detailed setup window before it exists.
class NoItems : public ItemAccess {
public:
    QString itemText(const QString&) const override { return {}; }
    void setItemText(const QString&, const QString&) override {}
    QString comboListSection(int) const override { return {}; }
    QStringList comboEntries(int) const override { return {}; }
    void selectComboEntry(int, int) override {}
    void replaceComboEntries(int, const QStringList&, int) override {}
    bool comboWritable(int) const override { return false; }
    void appendError(const QString&) override {}
};
} // namespace

ItemAccess& DeviceTemplates::itemAccess()
{
    static NoItems none;
    return items ? *items : none;
}

QString DeviceTemplates::templateFile() const
{
    const QString device = config::deviceDefinitionFile(screen, language);
    return device.isEmpty() ? config::tableFilePath(language) : device;
}

quint8 DeviceTemplates::GetRWCommand(int base, int state, const QString& section, QString& data, quint8& realCommand)
{
    return detailed::GetRWCommand(templateFile(), base, state, section, data, realCommand, itemAccess());
}

bool DeviceTemplates::EvalReadCommand(int base, int state, const QStringList& lines)
{
    return detailed::EvalReadCommand(templateFile(), base, state, lines, itemAccess());
}

int DeviceTemplates::ReadStepCount() { return config::templateStepCount(templateFile(), QStringLiteral("READ")); }

int DeviceTemplates::WriteStepCount() { return config::templateStepCount(templateFile(), QStringLiteral("WRITE")); }

} // namespace detailed
