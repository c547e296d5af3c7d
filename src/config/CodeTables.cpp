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
    const QString pattern = platform::texts().unknownOption;
    const qsizetype at = pattern.indexOf(QStringLiteral("%1"));
    if (at < 0) return std::nullopt;
    const QString before = pattern.left(at);
    const QString after = pattern.mid(at + 2);
    if (text.size() <= before.size() + after.size() || !text.startsWith(before) || !text.endsWith(after))
        return std::nullopt;
    bool ok = false;
    const int code = text.mid(before.size(), text.size() - before.size() - after.size()).toInt(&ok);
    if (!ok || code < 0 || code > HighestCode || text != unknownOptionText(code)) return std::nullopt;
    return code;
}

} // namespace config
