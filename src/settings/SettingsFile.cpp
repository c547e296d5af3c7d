#include "settings/SettingsFile.h"

#include "settings/Folders.h"

namespace settings {

bool flagValue(const QString& value)
{
    QString text = value;
    text.removeIf([](QChar c) { return c.unicode() < 0x20; });
    return text.trimmed() == QStringLiteral("1");
}

std::optional<QString> typedLocation(const QString& text)
{
    QString location = text.trimmed();
    if (location.isEmpty()) return location;
    // A relative folder would scatter the history over the folders the program is started in; a "\" is a
    // Windows path or a Windows habit ("/data/logs\"), never meant as part of a folder's name.
    if (!location.startsWith(u'/') || location.contains(u'\\')) return std::nullopt;
    if (!location.endsWith(u'/')) location += u'/';
    return location;
}

QString locationValue(const QString& value)
{
    // Only what the dialog would have stored: anything else leaves the history in the shared folder.
    const auto typed = typedLocation(value);
    return typed && *typed == value ? value : QString();
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
    s.LoopHart7 = flagValue(read("LoopHart7", flagText(s.LoopHart7)));
    return s;
}

} // namespace settings
