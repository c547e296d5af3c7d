#pragma once
// The keys of the settings file, section [Velkor], with their defaults and reading rules. Every value
// is text: a flag is on when its value, trimmed of blanks and control characters, is "1"; a history
// location counts only when it ends in a folder separator.
#include "platform/Profile.h"

#include <QString>

namespace settings {

struct Settings {
    bool DriverAutoOff = true;
    bool SafeAccess = false;
    bool DatabaseLog = false;
    QString DatabaseLocation; // ends in "/" (or "\" in files from Windows), or empty
    QString Language = QStringLiteral("english");
    QString LanguageDdf = QStringLiteral("english");
    QString NetPath;
};

Settings readSettings(const platform::Profile& file);
bool flagValue(const QString& value);
// A location as stored: kept when it ends in "/" or "\", else empty.
QString locationValue(const QString& value);
QString flagText(bool on);

} // namespace settings
