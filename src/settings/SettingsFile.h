#pragma once
// The keys of the settings file, section [Velkor], with their defaults and reading rules. Every value
// is text: a flag is on when its value, trimmed of blanks and control characters, is "1"; a history
// location counts only when it is a whole folder path ending in "/".
#include "platform/Profile.h"

#include <QString>
#include <optional>

namespace settings {

struct Settings {
    bool DriverAutoOff = true;
    bool SafeAccess = false;
    bool DatabaseLog = false;
    QString DatabaseLocation; // a whole folder path ending in "/", or empty
    QString Language = QStringLiteral("english");
    QString LanguageDdf = QStringLiteral("english");
    QString NetPath;
    bool LoopHart7 = false; // the loop has HART 6/7 devices: a scan asks polling addresses 0..63, not 0..15
};

Settings readSettings(const platform::Profile& file);
bool flagValue(const QString& value);
// A history location as typed into the dialog: empty (the shared folder), or a whole folder path (from "/",
// without "\") given its closing "/". Nothing when the text is no such path.
std::optional<QString> typedLocation(const QString& text);
// A history location as stored: kept when it is what the dialog stores (a whole folder path ending in "/"),
// else empty.
QString locationValue(const QString& value);
QString flagText(bool on);

} // namespace settings
