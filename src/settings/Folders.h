#pragma once
// Where the program keeps its files: the per-user working folder holds the settings file, the shared
// folder of the machine the users file and, unless the settings name another folder, the history.
#include "platform/Result.h"

#include <QString>

namespace settings {

inline const QString SettingsFileName = QStringLiteral("VELKOR.INI");
inline const QString SettingsSection = QStringLiteral("Velkor");

// The working folder, ending in "/", created when missing: $APPDATA when set, else the user's
// configuration folder, followed by "Morvel Software/Tarvik/". Empty when APPDATA is set but empty.
// Throws std::runtime_error with what makeProgramFolder says when the folder cannot be made.
QString IniFilePath();
// Makes a folder of the program's files with its parents; fails with "Eroor creating working directory",
// the folder and the platform's reason.
platform::Result makeProgramFolder(const QString& folder);
// The shared folder, ending in "/", not created: $PROGRAMDATA/ZUNEF/ when PROGRAMDATA is set; else,
// when APPDATA is set, $ALLUSERSPROFILE/<last part of APPDATA>/ZUNEF/ (empty when APPDATA is empty);
// else the user's shared data folder followed by ZUNEF/.
QString SecFilePath();
// The settings file with its folder.
QString settingsFile();
// A flag of the settings file: on when its value, trimmed of blanks and control characters, is "1".
bool readFlag(const QString& key, bool defaultValue);

} // namespace settings
