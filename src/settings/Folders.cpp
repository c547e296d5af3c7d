#include "Folders.h"

#include "ui/Environment.h"
#include "ui/Profile.h"

#include <stdexcept>

namespace settings {

QString IniFilePath()
{
    QString base;
    if (qEnvironmentVariableIsSet("APPDATA")) {
        base = ui::environment(QStringLiteral("APPDATA"));
        if (base.isEmpty()) return {};
        if (!base.endsWith(u'/')) base += u'/';
    } else {
        base = ui::userConfigFolder();
    }
    const QStringList folders{base + QStringLiteral("Morvel Software"),
                              base + QStringLiteral("Morvel Software/Tarvik")};
    for (const QString& folder : folders)
        if (!ui::folderExists(folder) && !ui::makeFolder(folder))
            throw std::runtime_error("Eroor creating working directory");
    return base + QStringLiteral("Morvel Software/Tarvik/");
}

QString settingsFile() { return IniFilePath() + SettingsFileName; }

bool readFlag(const QString& key, bool defaultValue)
{
    const ui::Profile profile(settingsFile());
    if (!profile.hasKey(SettingsSection, key)) return defaultValue;
    QString value = profile.readString(SettingsSection, key);
    value.removeIf([](QChar c) { return c.unicode() < 0x20; });
    return value.trimmed() == QStringLiteral("1");
}

} // namespace settings
