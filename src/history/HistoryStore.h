#pragma once
// The two history files of one folder: the index of fixed-size entries, oldest first, and the data
// file of configuration snapshots. Recording takes an advisory lock around reading the last entry and
// appending, so that two programs recording into one folder never interleave or lose an entry; a
// snapshot is written before its entry, so no entry points to a snapshot that failed, and an entry that
// fails takes its snapshot back. Both files are created shared by the owner and group, as all users of
// one location record into them. A device's group
// is the group of its newest entry: found from a cache of the index that is brought up to date from
// the file at every recording, so recording stays fast however long the history grows.
#include "config/TConfigRecord.h"
#include "history/HistoryEntry.h"
#include "platform/Result.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace history {

// Which entries a listing shows.
struct HistoryFilter {
    enum Kind {
        None = 0,
        SelectedDevice = 1,
        Group = 2,
        SearchGroup = 3,
        SearchTag = 4,
        SearchUser = 5,
        NoFilter = -1
    };
    int kind = None;
    QString deviceType, manufacturer, uniqueId; // SelectedDevice
    QString group;                              // Group
    QString search; // the three searches: upper-cased (a..z only), trimmed; empty lists nothing

    bool accepts(const HistoryEntry& entry) const;
};

struct Listing {
    QList<HistoryEntry> entries; // newest first
    QStringList groups;          // the groups of the listed entries, each once, sorted
};

class HistoryStore {
public:
    // folder ends in a separator; the file names come from the message texts.
    HistoryStore(const QString& folder, const QString& indexName, const QString& dataName);

    QString indexPath() const { return indexFile; }
    QString dataPath() const { return dataFile; }

    // Records an activity (the entry's group and snapshot index are set here): the same event as the
    // last entry (same activity and device) replaces it and its snapshot; the group is the device's
    // newest entry's group, "new" (newGroup) for a device seen for the first time, empty without an
    // identifier. A failure leaves both files as they were; its message names the file it failed on and
    // gives the platform's reason.
    platform::Result record(HistoryEntry entry, const std::optional<config::TConfigRecord>& snapshot,
                            const QString& newGroup);
    // Appends an entry as it is, never replacing the last one (a group change); fails as record() does.
    platform::Result append(const HistoryEntry& entry);

    // The newest entries the filter accepts, at most limit; nothing when the index file is missing from
    // its folder (why stays empty) or cannot be read, its folder missing included (why says so). A
    // partial last entry is not listed.
    std::optional<Listing> list(const HistoryFilter& filter, int limit = 999, QString* why = nullptr) const;

    bool dataFileExists() const;
    // A snapshot; nothing when the data file cannot be read or does not hold that record (why says so).
    std::optional<config::TConfigRecord> snapshot(qint32 index, QString* why = nullptr) const;
    // The entry's snapshot, when it is of the entry's device (a data file cut short and grown again
    // holds other devices' snapshots where the entry's was).
    std::optional<config::TConfigRecord> snapshotOf(const HistoryEntry& entry, QString* why = nullptr) const;

private:
    QString indexFile;
    QString dataFile;
};

} // namespace history
