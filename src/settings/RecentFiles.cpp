#include "settings/RecentFiles.h"

#include "platform/Encoding.h"
#include "settings/Folders.h"

namespace settings {

namespace {
QString keyOf(int index) { return QStringLiteral("RecentFile%1").arg(index + 1); }

platform::Result store(platform::Profile& file, const QStringList& files)
{
    file.beginBatch();
    for (int i = 0; i < RecentFileCount; ++i) {
        const platform::Result written = i < files.size() ? file.writeString(SettingsSection, keyOf(i), files[i])
                                                          : file.deleteKey(SettingsSection, keyOf(i));
        if (!written) return written;
    }
    return file.flush();
}
} // namespace

QStringList recentFiles(const platform::Profile& file)
{
    QStringList files;
    for (int i = 0; i < RecentFileCount; ++i) {
        const QString path = file.readString(SettingsSection, keyOf(i));
        if (!path.isEmpty() && !files.contains(path)) files.append(path);
    }
    return files;
}

platform::Result rememberRecentFile(platform::Profile& file, const QString& path)
{
    if (platform::fromCp1250(platform::toCp1250(path)) != path) return platform::Result::success();
    QStringList files = recentFiles(file);
    files.removeAll(path);
    files.prepend(path);
    return store(file, files.mid(0, RecentFileCount));
}

platform::Result forgetRecentFile(platform::Profile& file, const QString& path)
{
    QStringList files = recentFiles(file);
    if (!files.removeAll(path)) return platform::Result::success();
    return store(file, files);
}

} // namespace settings
