#include "detailed/DeviceTemplates.h"

#include "config/CodeTables.h"
#include "config/DefinitionFile.h"
#include "platform/Environment.h"
#include "platform/Texts.h"

#include <QFile>

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

std::optional<QString> definitionFileProblem(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return platform::texts().fileCannotBeRead.arg(file.errorString());
    if (config::templateStepCount(path, QStringLiteral("READ")) == 0) return platform::texts().fileHasNoReadList;
    return std::nullopt;
}

ItemAccess& DeviceTemplates::itemAccess()
{
    static NoItems none;
    return items ? *items : none;
}

QString DeviceTemplates::templateFile() const
{
    const QString device = config::deviceDefinitionFile(screen, language);
    return device.isEmpty() || definitionFileProblem(device) ? config::tableFilePath(language) : device;
}

QString DeviceTemplates::readProblem()
{
    const QString file = templateFile();
    if (file.isEmpty()) return platform::texts().noDefinitionLanguage;
    if (!platform::fileExists(file)) return platform::texts().commandListNotFound.arg(file);
    if (const auto problem = definitionFileProblem(file))
        return platform::texts().commandListUnusable.arg(file, *problem);
    return {};
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
