#include "config/CodeTables.h"

#include "platform/Profile.h"
#include "platform/Texts.h"

namespace config {

namespace {

constexpr int HighestCode = 255;
constexpr int HighestTemplateStep = 50;

} // namespace

QStringList codeTableNames(const QString& tableFilePath, const QString& section)
{
    const platform::Profile table(tableFilePath);
    QStringList names;
    for (int code = 0; code <= HighestCode; ++code) {
        const QString name = table.readString(section, QString::number(code));
        if (!name.isEmpty()) names.append(name);
    }
    return names;
}

QStringList codeTableNames(const QString& tableFilePath, const QString& section, const QList<int>& codes)
{
    const platform::Profile table(tableFilePath);
    QStringList names;
    for (const int code : codes) {
        if (code < 0 || code > HighestCode) continue;
        const QString name = table.readString(section, QString::number(code));
        if (!name.isEmpty()) names.append(name);
    }
    return names;
}

int templateStepCount(const QString& filePath, const QString& section)
{
    const platform::Profile file(filePath);
    for (int step = HighestTemplateStep; step >= 1; --step)
        if (!file.readString(section, QString::number(step)).isEmpty()) return step;
    return 0;
}

QString unknownOptionText(int code) { return platform::texts().unknownOption.arg(code); }

std::optional<int> unknownOptionCode(const QString& text)
{
    // The digits are where the pattern has its "%1": the text around them must be the pattern's own.
    const QStringList around = platform::texts().unknownOption.split(QStringLiteral("%1"));
    if (around.size() != 2 || !text.startsWith(around[0]) || !text.endsWith(around[1])) return std::nullopt;
    bool ok = false;
    const int code = text.mid(around[0].size(), text.size() - around[0].size() - around[1].size()).toInt(&ok);
    if (!ok || code < 0 || code > HighestCode || text != unknownOptionText(code)) return std::nullopt;
    return code;
}

} // namespace config
