#pragma once
// The configuration files opened or saved last, the newest first, as File offers them again. They are
// kept in the settings file, one a key (RecentFile1 the newest .. RecentFile4), in its code page: a path
// that the code page cannot hold would read back as another file, so it is not kept.
#include "platform/Profile.h"

#include <QStringList>

namespace settings {

inline constexpr int RecentFileCount = 4;

QStringList recentFiles(const platform::Profile& file);
// Puts path first (once) and drops the oldest beyond RecentFileCount; a failure gives the platform's
// reason, and the file keeps what it could not replace.
platform::Result rememberRecentFile(platform::Profile& file, const QString& path);
// Takes a file off the list (it is gone).
platform::Result forgetRecentFile(platform::Profile& file, const QString& path);

} // namespace settings
