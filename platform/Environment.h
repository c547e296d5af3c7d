#pragma once
// Environment variables, the program's folders, file tests, starting programs and opening documents.
#include "platform/Result.h"

#include <QString>
#include <QStringList>

namespace platform {

// The value of an environment variable; empty when unset.
QString environment(const QString& name);

// The folder of the running executable, ending in "/". Tests may point it elsewhere.
QString programFolder();
void setProgramFolder(const QString& folder);
// The folder of the data files both programs read (tables, definition files, program-language modules, the
// help), ending in "/": "share/tarvik/" beside the program's folder where the programs are installed
// (/usr/bin and /usr/share/tarvik), else the program's folder itself, where the build puts them.
QString dataFolder();

// The per-user configuration folder ($XDG_CONFIG_HOME or ~/.config) and the shared data folder
// ($XDG_DATA_HOME or ~/.local/share), each ending in "/".
QString userConfigFolder();
QString sharedDataFolder();
// This user's cache folder ($XDG_CACHE_HOME or ~/.cache), ending in "/": what may be lost at any time.
QString userCacheFolder();
// The folder for this user's run-time files such as sockets ($XDG_RUNTIME_DIR, else /tmp), ending in "/".
QString runtimeFolder();

bool fileExists(const QString& path);
bool folderExists(const QString& path);
// Creates the folder and its parents; succeeds when it exists afterwards, else fails with the platform's
// reason.
Result makeFolder(const QString& path);

// Finds an executable: first in the program's folder, then on PATH. Empty when not found.
QString findProgram(const QString& name);
// Starts a program that lives on by itself, its output discarded. True when it started.
bool startDetached(const QString& program, const QStringList& arguments = {});

} // namespace platform
