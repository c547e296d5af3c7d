#include "detailed/DeviceTemplates.h"

#include "config/CodeTables.h"
#include "config/DefinitionFile.h"
#include "platform/Environment.h"
#include "platform/Texts.h"

#include <QFile>

namespace detailed {

DeviceTemplates::DeviceTemplates(config::DeviceState& state, const config::LanguageState& language)
    : state(state), language(language), items(std::make_unique<StoreItems>(state.items))
{
}

DeviceTemplates::~DeviceTemplates() = default;

std::optional<QString> definitionFileProblem(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return platform::texts().fileCannotBeRead.arg(file.errorString());
    if (config::templateStepCount(path, QStringLiteral("READ")) == 0) return platform::texts().fileHasNoReadList;
    return std::nullopt;
}

QString DeviceTemplates::templateFile() const
{
    const QString device = config::deviceDefinitionFile(state, language);
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
    return detailed::GetRWCommand(templateFile(), base, state, section, data, realCommand, *items);
}

bool DeviceTemplates::EvalReadCommand(int base, int state, const QStringList& lines)
{
    return detailed::EvalReadCommand(templateFile(), base, state, lines, *items);
}

int DeviceTemplates::ReadStepCount() { return config::templateStepCount(templateFile(), QStringLiteral("READ")); }

int DeviceTemplates::WriteStepCount() { return config::templateStepCount(templateFile(), QStringLiteral("WRITE")); }

QList<int> DeviceTemplates::writeListCommands() { return templateCommands(templateFile(), QStringLiteral("WRITE")); }

} // namespace detailed
