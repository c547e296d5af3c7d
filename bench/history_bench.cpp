// Recording and listing against a history of 1,000,000 entries: how long one recording takes when the
// device was last seen at the very start of the index (the first recording of a program on a computer
// that has never read this history, which reads the whole index once and keeps a cache of it; the first
// recording of a later program, which reads that cache and what was appended since; and the recordings
// after it in one program), one recording of a device never seen, and a listing that walks the whole
// index because its filter matches nothing.
// A plain timed program: the first recording of a process happens once, so the first recordings are
// made by separate processes (this program started again with --record-once).
//   history_bench [entries]
#include "history/HistoryStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Devices = 5000, SnapshotEvery = 100;
const QString IndexName = QStringLiteral("VELKOR.IDX"), DataName = QStringLiteral("VELKOR.DDX");

history::HistoryEntry entryFor(int device, int number)
{
    history::HistoryEntry entry;
    entry.Tag = QStringLiteral("PT%1").arg(device % 1000);
    entry.DeviceType = QStringLiteral("PR210");
    entry.Manufacturer = QStringLiteral("Maker");
    entry.UniqueId = QString::number(100000 + device);
    entry.DefLanguage = QByteArray("EN ");
    entry.Group = QStringLiteral("Line %1").arg(device % 40);
    entry.User = QStringLiteral("Technician %1").arg(number % 7);
    entry.Activity = number % 2 ? QStringLiteral("Modified") : QStringLiteral("Connected");
    entry.Stamp = 40000 + number / 1000.0;
    entry.ScrambleByte = history::newScrambleByte();
    return entry;
}

bool build(const QString& folder, int entries)
{
    QFile index(folder + IndexName), data(folder + DataName);
    if (!index.open(QIODevice::WriteOnly) || !data.open(QIODevice::WriteOnly)) return false;
    config::TConfigRecord record;
    record.setMagic(QStringLiteral("HART30File"));
    QByteArray block;
    for (int i = 0; i < entries; ++i) {
        // The device of the measured recordings is seen once, in the first entry.
        history::HistoryEntry entry = i == 0 ? entryFor(Devices, 0) : entryFor(i % Devices, i);
        if (i == 0) entry.Group = QStringLiteral("First");
        if (i % SnapshotEvery == 0) {
            entry.SnapshotIndex = i / SnapshotEvery;
            if (data.write(record.toBytes()) != config::RecordSize) return false;
        }
        block += entry.toBytes();
        if (block.size() >= (1 << 22) || i + 1 == entries) {
            if (index.write(block) != block.size()) return false;
            block.clear();
        }
    }
    return true;
}

double msSince(const QElapsedTimer& timer) { return double(timer.nsecsElapsed()) / 1e6; }

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

// One recording of the device seen only at the start, by a process of its own; prints its time.
int recordAlone(const QString& folder, int number)
{
    history::HistoryStore store(folder, IndexName, DataName);
    history::HistoryEntry entry = entryFor(Devices, number);
    QElapsedTimer clock;
    clock.start();
    const platform::Result result = store.record(entry, std::nullopt, QStringLiteral("new"));
    std::printf("%.2f\n", msSince(clock));
    return result ? 0 : 1;
}

double recordInAnotherProcess(const QString& folder, int number)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--record-once"), folder, QString::number(number)});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        std::fprintf(stderr, "the recording process failed: %s\n", child.readAllStandardError().constData());
        std::exit(1);
    }
    return child.readAllStandardOutput().trimmed().toDouble();
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--record-once")
        return recordAlone(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    const int entries = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 1000000;
    QTemporaryDir dir;
    const QString folder = dir.path() + u'/';
    QElapsedTimer timer;
    timer.start();
    if (!build(folder, entries)) {
        std::fprintf(stderr, "cannot build the history in %s\n", qPrintable(folder));
        return 1;
    }
    std::printf("built %d entries (%.0f MB index) in %.0f ms\n", entries, entries * 219.0 / 1e6, msSince(timer));
    // The cache of the index goes into a folder of this run, never the user's own.
    QTemporaryDir cacheFolder;
    qputenv("XDG_CACHE_HOME", cacheFolder.path().toLocal8Bit());
    std::printf("%-46s %8.2f ms\n", "recording, first ever on this computer", recordInAnotherProcess(folder, 1));
    std::printf("%-46s %8.2f ms\n", "recording, first of a later program", recordInAnotherProcess(folder, 2));

    history::HistoryStore store(folder, IndexName, DataName);
    config::TConfigRecord snapshot;
    snapshot.setMagic(QStringLiteral("HART30File"));
    const auto recordOnce = [&](int device, int number, const char* what) {
        history::HistoryEntry entry = entryFor(device, number);
        entry.Activity = QStringLiteral("Bench %1").arg(number);
        QElapsedTimer clock;
        clock.start();
        const platform::Result result = store.record(entry, snapshot, QStringLiteral("new"));
        const double ms = msSince(clock);
        const auto listed = store.list(history::HistoryFilter(), 1);
        if (!result || !listed || listed->entries.isEmpty()) {
            std::fprintf(stderr, "%s failed: %s\n", what, qPrintable(result.error));
            std::exit(1);
        }
        if (what) std::printf("%-46s %8.2f ms  (group \"%s\")\n", what, ms, qPrintable(listed->entries[0].Group));
        return ms;
    };

    recordOnce(Devices, 3, "recording, first of this program");
    std::vector<double> warm;
    for (int i = 0; i < 21; ++i)
        warm.push_back(recordOnce(Devices, 4 + i, nullptr));
    std::printf("%-46s %8.2f ms  (median of %zu, max %.2f ms)\n", "recording, warm", median(warm), warm.size(),
                *std::max_element(warm.begin(), warm.end()));
    recordOnce(Devices + 1, 100, "recording, a device never seen");

    // Filters whose texts fit their fields, so that every entry must be looked at.
    const struct {
        const char* what;
        int kind;
        QString text;
    } walks[] = {
        {"listing, tag search, nothing matches", history::HistoryFilter::SearchTag, QStringLiteral("ZZZ")},
        {"listing, group, nothing matches", history::HistoryFilter::Group, QStringLiteral("Line 99")},
        {"listing, selected device never seen", history::HistoryFilter::SelectedDevice, QStringLiteral("999")},
    };
    for (const auto& walk : walks) {
        history::HistoryFilter filter;
        filter.kind = walk.kind;
        filter.search = filter.group = walk.text;
        filter.deviceType = QStringLiteral("PR210");
        filter.manufacturer = QStringLiteral("Maker");
        filter.uniqueId = walk.text;
        std::vector<double> times;
        for (int i = 0; i < 5; ++i) {
            timer.restart();
            const auto listing = store.list(filter);
            times.push_back(msSince(timer));
            if (!listing || !listing->entries.isEmpty()) {
                std::fprintf(stderr, "%s: the listing failed or found something\n", walk.what);
                return 1;
            }
        }
        std::printf("%-46s %8.2f ms  (median of %zu, max %.2f ms)\n", walk.what, median(times), times.size(),
                    *std::max_element(times.begin(), times.end()));
    }

    history::HistoryFilter none;
    timer.restart();
    const auto newest = store.list(none);
    std::printf("%-46s %8.2f ms  (%lld rows)\n", "listing, no filter, newest 999", msSince(timer),
                newest ? qint64(newest->entries.size()) : -1LL);
    std::printf("goals: each recording < 20 ms, listing < 300 ms\n");
    return 0;
}
