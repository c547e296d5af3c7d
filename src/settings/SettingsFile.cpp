#include "settings/SettingsFile.h"

#include "settings/Folders.h"

namespace settings {

bool flagValue(const QString& value)
{
    QString text = value;
    text.removeIf([](QChar c) { return c.unicode() < 0x20; });
    return text.trimmed() == QStringLiteral("1");
}

QString locationValue(const QString& value)
{
    // Only a whole folder path ending in the separator: anything else (a Windows path from a settings
    // file that came from there) leaves the history in the shared folder.
    return value.startsWith(u'/') && value.endsWith(u'/') ? value : QString();
}

QString flagText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

Settings readSettings(const platform::Profile& file)
{
    Settings s;
    auto read = [&](const char* key, const QString& fallback) {
        return file.readString(SettingsSection, QString::fromLatin1(key), fallback);
    };
    s.DriverAutoOff = flagValue(read("DriverAutoOff", flagText(s.DriverAutoOff)));
    s.SafeAccess = flagValue(read("SafeAccess", flagText(s.SafeAccess)));
    s.DatabaseLog = flagValue(read("DatabaseLog", flagText(s.DatabaseLog)));
    s.DatabaseLocation = locationValue(read("DatabaseLocation", {}));
    s.Language = read("Language", s.Language);
    s.LanguageDdf = read("LanguageDdf", s.LanguageDdf);
    s.NetPath = read("NetPath", {});
    return s;
}

} // namespace settings
