#include "config/CodeTables.h"

#include "platform/Profile.h"

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

} // namespace config
