#include "settings/Folders.h"

#include "platform/Environment.h"
#include "platform/Profile.h"

#include <stdexcept>

namespace settings {

QString IniFilePath()
{
    QString base;
    if (qEnvironmentVariableIsSet("APPDATA")) {
        base = platform::environment(QStringLiteral("APPDATA"));
        if (base.isEmpty()) return {};
        if (!base.endsWith(u'/')) base += u'/';
    } else {
        base = platform::userConfigFolder();
    }
    const QStringList folders{base + QStringLiteral("Morvel Software"),
                              base + QStringLiteral("Morvel Software/Tarvik")};
    for (const QString& folder : folders)
        if (!platform::folderExists(folder) && !platform::makeFolder(folder))
            throw std::runtime_error("Eroor creating working directory");
    return base + QStringLiteral("Morvel Software/Tarvik/");
}

QString settingsFile() { return IniFilePath() + SettingsFileName; }

bool readFlag(const QString& key, bool defaultValue)
{
    const platform::Profile profile(settingsFile());
    if (!profile.hasKey(SettingsSection, key)) return defaultValue;
    QString value = profile.readString(SettingsSection, key);
    value.removeIf([](QChar c) { return c.unicode() < 0x20; });
    return value.trimmed() == QStringLiteral("1");
}

} // namespace settings
