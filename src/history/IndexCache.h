#pragma once
// What the recordings know about one index file: for each device the number of its newest entry, over
// the whole entries up to `covered` bytes of the file it was read from. A recording reads only what was
// appended since. The last entry may have been replaced since (a repeated event does that): as long as
// it is still of the same device, the numbers stay right, because the group is read from the entry
// itself. A file that was replaced or cut, whose first entry changed, or whose last known entry now
// belongs to another device (a program that takes no lock raced with us) is read again from its start;
// so is one where the newest entry the cache names for a device turns out to be another device's.
//
// The cache outlives the process in this user's cache folder, so that the first recording of a program
// does not read a long history from its start: it is written once a good part of the file has been read
// since it was last written, and whatever is wrong with it when it is read back only costs a full read.
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace history {

struct IndexCache {
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
    };

    quint64 device = 0, inode = 0;
    qint64 covered = 0;
    QByteArray firstEntry;
    std::string lastDevice;
    std::unordered_map<std::string, qint64, Hash, std::equal_to<>> newest;
    // How far the copy in the cache folder covers; -1 while it has not been looked for.
    qint64 stored = -1;

    void remember(std::string_view device, qint64 number, const char* entry);
    // Read so far beyond the stored copy that the next program would rather read the copy.
    bool worthStoring() const;
};

// Where the cache of an index file is kept: this user's cache folder, named after the index file's path.
QString indexCacheFile(const QString& indexFile);
// The cache an earlier program left; nothing when there is none or it cannot be trusted.
std::optional<IndexCache> loadIndexCache(const QString& path);
// Keeps the cache for the next program; a cache that cannot be written is simply not kept.
void storeIndexCache(const QString& path, IndexCache& cache);

} // namespace history
