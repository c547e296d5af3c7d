#include "settings/Folders.h"

#include "platform/Environment.h"
#include "platform/Profile.h"
#include "platform/Texts.h"
#include "settings/SettingsFile.h"

#include <stdexcept>

namespace settings {

namespace {
QString withSeparator(const QString& folder) { return folder.endsWith(u'/') ? folder : folder + u'/'; }
} // namespace

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
        if (const platform::Result made = makeProgramFolder(folder); !made)
            throw std::runtime_error(made.error.toStdString());
    return base + QStringLiteral("Morvel Software/Tarvik/");
}

platform::Result makeProgramFolder(const QString& folder)
{
    if (platform::folderExists(folder)) return platform::Result::success();
    const platform::Result made = platform::makeFolder(folder);
    if (made) return made;
    const platform::Texts& t = platform::texts();
    return platform::Result::failure(t.workingFolderError + QStringLiteral("\r\n") +
                                     t.folderNotMade.arg(folder, made.error));
}

QString SecFilePath()
{
    const QString programData = platform::environment(QStringLiteral("PROGRAMDATA"));
    if (!programData.isEmpty()) return withSeparator(programData) + QStringLiteral("ZUNEF/");
    if (!qEnvironmentVariableIsSet("APPDATA")) return platform::sharedDataFolder() + QStringLiteral("ZUNEF/");
    QString appData = platform::environment(QStringLiteral("APPDATA"));
    if (appData.isEmpty()) return {};
    // Its last component: everything up to the last "\" goes, then everything up to the last "/".
    for (const QChar separator : {u'\\', u'/'})
        appData = appData.mid(appData.lastIndexOf(separator) + 1);
    return withSeparator(platform::environment(QStringLiteral("ALLUSERSPROFILE"))) + appData +
           QStringLiteral("/ZUNEF/");
}

QString settingsFile() { return IniFilePath() + SettingsFileName; }

bool readFlag(const QString& key, bool defaultValue)
{
    const platform::Profile profile(settingsFile());
    if (!profile.hasKey(SettingsSection, key)) return defaultValue;
    return flagValue(profile.readString(SettingsSection, key));
}

} // namespace settings
