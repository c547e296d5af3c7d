// The history files of a shared folder as another program, a disk fault or a hand could leave them:
// the index, the data file of snapshots and the index cache. They are listed with every filter, each
// listed entry's snapshot is read, and one activity is recorded into them. The input is the three
// files, each but the last behind its length in two bytes (little-endian).
#include "FuzzInput.h"

#include "config/TConfigRecord.h"
#include "history/HistoryStore.h"
#include "history/IndexCache.h"

namespace {
// The next part of the input behind its two-byte length; the rest of the input for the last part.
QByteArray take(QByteArray& input, bool last)
{
    if (last || input.size() < 2) return std::exchange(input, {});
    const int length = quint8(input[0]) | quint8(input[1]) << 8;
    const QByteArray part = input.mid(2, length);
    input.remove(0, 2 + part.size());
    return part;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray input = fuzzing::bytesOf(data, size);
    const QString index = fuzzing::writeFile(QStringLiteral("VELKOR.IDX"), take(input, false));
    fuzzing::writeFile(QStringLiteral("VELKOR.DDX"), take(input, false));
    const QString cache = history::indexCacheFile(index);
    fuzzing::writePath(cache, take(input, true));

    (void)history::loadIndexCache(cache);
    history::HistoryStore store(fuzzing::folder(), QStringLiteral("VELKOR.IDX"), QStringLiteral("VELKOR.DDX"));
    using Filter = history::HistoryFilter;
    auto filterOf = [](int kind) {
        Filter filter;
        filter.kind = kind;
        return filter;
    };
    const Filter everything = filterOf(Filter::None);
    Filter device = filterOf(Filter::SelectedDevice), group = filterOf(Filter::Group),
           tag = filterOf(Filter::SearchTag);
    device.deviceType = QStringLiteral("PR210");
    device.manufacturer = QStringLiteral("Ostrevo");
    device.uniqueId = QStringLiteral("662316");
    group.group = QStringLiteral("new");
    tag.search = QStringLiteral("PT");
    for (const Filter& filter : {everything, device, group, tag}) {
        QString why;
        const std::optional<history::Listing> listing = store.list(filter, 50, &why);
        if (!listing) continue;
        for (const history::HistoryEntry& entry : listing->entries)
            (void)store.snapshotOf(entry, &why);
    }

    history::HistoryEntry entry;
    entry.DeviceType = QStringLiteral("PR210");
    entry.Manufacturer = QStringLiteral("Ostrevo");
    entry.UniqueId = QStringLiteral("662316");
    entry.Activity = QStringLiteral("Configuration read");
    entry.Stamp = 46000.5;
    if (store.record(entry, config::TConfigRecord(), QStringLiteral("new"))) {
        // What was recorded is the newest entry, and its snapshot is there.
        const std::optional<history::Listing> after = store.list(everything, 1);
        if (!after || after->entries.isEmpty() || after->entries.first().Activity != entry.Activity ||
            !store.snapshot(after->entries.first().SnapshotIndex))
            __builtin_trap();
    }
    return 0;
}
