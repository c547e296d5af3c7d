// Recording into and listing from the two history files of a folder, including the cases where other
// programs write the same files: the group of a device must come out as a full read of the index would
// give it, and two programs recording at once must lose nothing.
#include "history/HistoryStore.h"
#include "FileSizeLimit.h"
#include "ScopedEnvironment.h"
#include "ScopedUmask.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

using history::HistoryEntry;
using history::HistoryFilter;
using namespace Qt::StringLiterals;

namespace {

const QString IndexName = QStringLiteral("VELKOR.IDX"), DataName = QStringLiteral("VELKOR.DDX"),
              New = QStringLiteral("new");

struct Device {
    QString type, manufacturer, id;
};
const Device A{QStringLiteral("PR210"), QStringLiteral("Maker"), QStringLiteral("0001")};
const Device B{QStringLiteral("PR210"), QStringLiteral("Maker"), QStringLiteral("0002")};

HistoryEntry entryOf(const Device& device, const QString& activity, double stamp = 45000)
{
    HistoryEntry entry;
    entry.DeviceType = device.type;
    entry.Manufacturer = device.manufacturer;
    entry.UniqueId = device.id;
    entry.Activity = activity;
    entry.Stamp = stamp;
    entry.ScrambleByte = history::newScrambleByte();
    return entry;
}

config::TConfigRecord snapshotNamed(const QString& name)
{
    config::TConfigRecord record;
    record.setMagic(QStringLiteral("HART30File"));
    record.setText(config::Field::Message, name);
    return record;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile file(path);
    ASSERT_TRUE(file.open(mode));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// The whole entries of an index file, oldest first, read without the store.
QList<HistoryEntry> entriesIn(const QString& path)
{
    const QByteArray bytes = fileBytes(path);
    QList<HistoryEntry> entries;
    for (qsizetype at = 0; at + history::EntrySize <= bytes.size(); at += history::EntrySize)
        entries.append(HistoryEntry::fromBytes(bytes.constData() + at));
    return entries;
}

QStringList activities(const QList<HistoryEntry>& entries)
{
    QStringList texts;
    for (const HistoryEntry& entry : entries)
        texts.append(entry.Activity);
    return texts;
}

class HistoryStoreTest : public ::testing::Test {
protected:
    QString folder() const { return dir.path() + u'/'; }
    QList<HistoryEntry> stored() const { return entriesIn(store.indexPath()); }
    QString record(const HistoryEntry& entry, std::optional<config::TConfigRecord> snapshot = std::nullopt)
    {
        const platform::Result result = store.record(entry, snapshot, New);
        EXPECT_TRUE(result) << result.error.toStdString();
        return stored().isEmpty() ? QString() : stored().last().Group;
    }

    QTemporaryDir cacheFolder; // never this user's own
    testing_support::ScopedEnvironment cacheHome{"XDG_CACHE_HOME", cacheFolder.path().toLocal8Bit()};
    QTemporaryDir dir;
    history::HistoryStore store{folder(), IndexName, DataName};
};

TEST_F(HistoryStoreTest, ARepeatedEventKeepsOneEntryWithTheLaterTime)
{
    record(entryOf(A, QStringLiteral("Fixed output on"), 45000.25));
    record(entryOf(A, QStringLiteral("Fixed output on"), 45000.5));
    ASSERT_EQ(stored().size(), 1);
    EXPECT_EQ(stored()[0].Stamp, 45000.5);

    record(entryOf(A, QStringLiteral("Fixed output off")));
    record(entryOf(A, QStringLiteral("Fixed output on")));
    record(entryOf(B, QStringLiteral("Fixed output on")));
    EXPECT_EQ(activities(stored()),
              (QStringList{QStringLiteral("Fixed output on"), QStringLiteral("Fixed output off"),
                           QStringLiteral("Fixed output on"), QStringLiteral("Fixed output on")}));
}

TEST_F(HistoryStoreTest, ADeviceWhoseTypeIsLongerThanItsRoomIsKnownAgain)
{
    const Device longType{QStringLiteral("PR210-EXTENDED-RANGE"), QStringLiteral("Maker"), QStringLiteral("0009")};
    record(entryOf(longType, QStringLiteral("Device tested")));
    record(entryOf(longType, QStringLiteral("Device tested")));
    EXPECT_EQ(stored().size(), 1) << "the same event was kept twice";
    HistoryEntry change = stored()[0];
    change.Activity = QStringLiteral("Group changed");
    change.Group = QStringLiteral("Line 2");
    ASSERT_TRUE(history::HistoryStore(folder(), IndexName, DataName).append(change));
    EXPECT_EQ(record(entryOf(longType, QStringLiteral("Device reset"))), QStringLiteral("Line 2"))
        << "its group did not stick";
}

TEST_F(HistoryStoreTest, ASnapshotOfAnotherDeviceIsNotGivenForAnEntry)
{
    auto snapshotOf = [](const Device& device) {
        config::TConfigRecord record = snapshotNamed(device.id);
        record.setText(config::Field::DeviceType, device.type);
        record.setText(config::Field::Manufacturer, device.manufacturer);
        record.setText(config::Field::UniqueId, device.id);
        return record;
    };
    record(entryOf(A, QStringLiteral("Connected")), snapshotOf(A));
    const HistoryEntry first = stored().last();
    EXPECT_TRUE(store.snapshotOf(first));
    ASSERT_TRUE(QFile::resize(store.dataPath(), 0)); // the data file lost, then grown again by B
    record(entryOf(B, QStringLiteral("Connected")), snapshotOf(B));
    QString why;
    EXPECT_FALSE(store.snapshotOf(first, &why)) << "A's entry showed B's configuration";
    EXPECT_FALSE(why.isEmpty());
}

TEST_F(HistoryStoreTest, ARepeatedModificationOverwritesItsSnapshot)
{
    record(entryOf(A, QStringLiteral("Modified")), snapshotNamed(QStringLiteral("first")));
    record(entryOf(A, QStringLiteral("Modified")), snapshotNamed(QStringLiteral("second")));
    record(entryOf(A, QStringLiteral("Device tested")));
    record(entryOf(B, QStringLiteral("Modified")), snapshotNamed(QStringLiteral("third")));

    const QList<HistoryEntry> entries = stored();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].SnapshotIndex, 0);
    EXPECT_EQ(entries[1].SnapshotIndex, history::NoSnapshot);
    EXPECT_EQ(entries[2].SnapshotIndex, 1);
    EXPECT_EQ(fileBytes(store.dataPath()).size(), 2 * config::RecordSize);
    EXPECT_EQ(store.snapshot(0).value_or(config::TConfigRecord()).text(config::Field::Message), u"second"_s);
    EXPECT_EQ(store.snapshot(1).value_or(config::TConfigRecord()).text(config::Field::Message), u"third"_s);
}

TEST_F(HistoryStoreTest, ARepeatedEventWithoutItsOwnSnapshotTakesNoOtherEntrys)
{
    record(entryOf(A, QStringLiteral("Connected")), snapshotNamed(QStringLiteral("as read")));
    record(entryOf(A, QStringLiteral("Modified"))); // the read-back was stopped: no snapshot
    record(entryOf(A, QStringLiteral("Modified")), snapshotNamed(QStringLiteral("as written")));

    const QList<HistoryEntry> entries = stored();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(store.snapshot(entries[0].SnapshotIndex).value_or(config::TConfigRecord()).text(config::Field::Message),
              u"as read"_s);
    EXPECT_EQ(store.snapshot(entries[1].SnapshotIndex).value_or(config::TConfigRecord()).text(config::Field::Message),
              u"as written"_s);
}

TEST_F(HistoryStoreTest, ADeviceKeepsTheGroupOfItsNewestEntry)
{
    EXPECT_EQ(record(entryOf(A, QStringLiteral("Connected"))), New);
    EXPECT_EQ(record(entryOf(B, QStringLiteral("Connected"))), New);

    // The history window of another store object moves A to a group between two recordings.
    HistoryEntry change = stored()[0];
    change.Activity = QStringLiteral("Group changed");
    change.Group = QStringLiteral("Line 2");
    ASSERT_TRUE(history::HistoryStore(folder(), IndexName, DataName).append(change));

    EXPECT_EQ(record(entryOf(A, QStringLiteral("Modified"))), QStringLiteral("Line 2"));
    EXPECT_EQ(record(entryOf(B, QStringLiteral("Modified"))), New);
    EXPECT_EQ(record(entryOf({u" PR210\t"_s, A.manufacturer, u"0001 "_s}, QStringLiteral("Sensor zero trim"))),
              QStringLiteral("Line 2"))
        << "identity texts are compared trimmed";
    EXPECT_EQ(record(entryOf({A.type, QStringLiteral("maker"), A.id}, QStringLiteral("Connected"))), New)
        << "and case-sensitive";
    EXPECT_EQ(record(entryOf({A.type, A.manufacturer, QString()}, QStringLiteral("Connected"))), QString());
    EXPECT_EQ(stored()[0].Group, New) << "older entries keep their group";
}

// The filters as HistoryFilter::accepts decides them and as a listing of the index applies them.
TEST_F(HistoryStoreTest, FiltersListTheEntriesTheyAccept)
{
    struct Stored {
        Device device;
        QString tag, group, user;
    };
    const Stored entries[] = {
        {A, QStringLiteral("PT1"), QStringLiteral("Line 1"), QStringLiteral("Novák")},
        {B, QStringLiteral("pt1"), QStringLiteral(" Line 1 "), QStringLiteral("novák")},
        {{A.type, A.manufacturer, u" 0001"_s}, QStringLiteral("xPt1y"), QStringLiteral("line 1"), QString()},
        {B, QStringLiteral("Ťx"), QStringLiteral("Pump"), QStringLiteral("Jan")},
        {B, QStringLiteral("ťx"), QString(), QStringLiteral("Jana")},
    };
    QList<HistoryEntry> all;
    for (int i = 0; i < int(std::size(entries)); ++i) {
        HistoryEntry entry = entryOf(entries[i].device, QString::number(i));
        entry.Tag = entries[i].tag;
        entry.Group = entries[i].group;
        entry.User = entries[i].user;
        ASSERT_TRUE(store.append(entry));
        all.prepend(HistoryEntry::fromBytes(entry.toBytes()));
    }
    const auto filter = [](int kind, const QString& text) {
        HistoryFilter f;
        f.kind = kind;
        f.group = f.search = text;
        return f;
    };
    HistoryFilter deviceA = filter(HistoryFilter::SelectedDevice, {});
    deviceA.deviceType = u"PR210 "_s;
    deviceA.manufacturer = A.manufacturer;
    deviceA.uniqueId = A.id;
    const struct {
        const char* name;
        HistoryFilter filter;
        QStringList listed; // newest first
    } cases[] = {
        {"none", filter(HistoryFilter::None, {}), {u"4"_s, u"3"_s, u"2"_s, u"1"_s, u"0"_s}},
        {"selected device", deviceA, {u"2"_s, u"0"_s}},
        {"group trimmed, case-sensitive", filter(HistoryFilter::Group, u"Line 1\t"_s), {u"1"_s, u"0"_s}},
        {"empty group", filter(HistoryFilter::Group, {}), {u"4"_s}},
        {"group outside the code page", filter(HistoryFilter::Group, u"日本"_s), {}},
        {"group search", filter(HistoryFilter::SearchGroup, u" ine "_s), {u"2"_s, u"1"_s, u"0"_s}},
        {"tag search, a..z in any case", filter(HistoryFilter::SearchTag, u"pt1"_s), {u"2"_s, u"1"_s, u"0"_s}},
        {"tag search, other letters as they are", filter(HistoryFilter::SearchTag, u"ť"_s), {u"4"_s}},
        {"tag search, capital other letter", filter(HistoryFilter::SearchTag, u"Ť"_s), {u"3"_s}},
        {"user search", filter(HistoryFilter::SearchUser, u"novák"_s), {u"1"_s, u"0"_s}},
        {"user search, á is not upper-cased", filter(HistoryFilter::SearchUser, u"NOVÁK"_s), {}},
        {"user search longer than the field", filter(HistoryFilter::SearchUser, QString(33, u'J')), {}},
        {"empty search", filter(HistoryFilter::SearchUser, u" \t"_s), {}},
        {"no filter", filter(HistoryFilter::NoFilter, {}), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList accepted;
        for (const HistoryEntry& entry : std::as_const(all))
            if (c.filter.accepts(entry)) accepted.append(entry.Activity);
        EXPECT_EQ(accepted, c.listed);
        const auto listing = store.list(c.filter);
        ASSERT_TRUE(listing);
        EXPECT_EQ(activities(listing->entries), c.listed);
    }
}

TEST_F(HistoryStoreTest, ListsTheNewest999EntriesAndTheirGroupsSorted)
{
    QByteArray index;
    for (int i = 0; i < 5000; ++i) {
        HistoryEntry entry = entryOf(A, QString::number(i));
        entry.Group = i < 4000 ? QStringLiteral("old") : QStringList{u"b"_s, u"C"_s, u"a"_s}[i % 3];
        index += entry.toBytes();
    }
    writeBytes(store.indexPath(), index);
    const auto listing = store.list(HistoryFilter());
    ASSERT_TRUE(listing);
    ASSERT_EQ(listing->entries.size(), 999);
    EXPECT_EQ(listing->entries.first().Activity, u"4999"_s);
    EXPECT_EQ(listing->entries.last().Activity, u"4001"_s);
    EXPECT_EQ(listing->groups, (QStringList{u"a"_s, u"b"_s, u"C"_s}));
}

TEST_F(HistoryStoreTest, AnIndexCutShortListsItsWholeEntriesAndTheNextRecordingReplacesThePart)
{
    QByteArray index;
    for (int i = 0; i < 3; ++i)
        index += entryOf(A, QString::number(i)).toBytes();
    writeBytes(store.indexPath(), index + entryOf(B, u"partial"_s).toBytes().left(100));
    EXPECT_EQ(activities(store.list(HistoryFilter()).value_or(history::Listing()).entries),
              (QStringList{u"2"_s, u"1"_s, u"0"_s}));

    record(entryOf(B, u"3"_s));
    EXPECT_EQ(fileBytes(store.indexPath()).size(), 4 * history::EntrySize);
    EXPECT_EQ(activities(store.list(HistoryFilter()).value_or(history::Listing()).entries),
              (QStringList{u"3"_s, u"2"_s, u"1"_s, u"0"_s}));
}

TEST_F(HistoryStoreTest, MissingFilesAndSnapshotsBeyondTheDataFileReadAsNothingWithAReason)
{
    QString why;
    EXPECT_FALSE(store.list(HistoryFilter(), 999, &why));
    EXPECT_TRUE(why.isEmpty()) << "a missing index is no failure";
    EXPECT_FALSE(store.dataFileExists());
    EXPECT_FALSE(store.snapshot(0, &why));
    EXPECT_FALSE(why.isEmpty());

    record(entryOf(A, u"Modified"_s), snapshotNamed(u"only"_s));
    EXPECT_TRUE(store.dataFileExists());
    EXPECT_TRUE(store.snapshot(0));
    for (const qint32 number : {1, -1, std::numeric_limits<qint32>::max()}) {
        why.clear();
        EXPECT_FALSE(store.snapshot(number, &why)) << number;
        EXPECT_FALSE(why.isEmpty()) << number;
    }
}

TEST_F(HistoryStoreTest, FailuresCarryThePlatformsWordsAndASnapshotThatFailedLeavesNoEntry)
{
    record(entryOf(A, u"Connected"_s));
    ASSERT_TRUE(QDir(dir.path()).mkdir(DataName)); // the data file cannot be opened
    const platform::Result failed = store.record(entryOf(A, u"Modified"_s), snapshotNamed(u"x"_s), New);
    EXPECT_FALSE(failed);
    EXPECT_TRUE(failed.error.contains(store.dataPath())) << failed.error.toStdString();
    EXPECT_EQ(activities(stored()), QStringList{u"Connected"_s});

    // The file is named with its folder, which is what is missing.
    history::HistoryStore nowhere(folder() + u"missing/"_s, IndexName, DataName);
    const QString reason = QString::fromLocal8Bit(std::strerror(ENOENT));
    for (const platform::Result& noFolder : {nowhere.record(entryOf(A, u"Connected"_s), std::nullopt, New),
                                             nowhere.append(entryOf(A, u"Group changed"_s))}) {
        EXPECT_FALSE(noFolder);
        EXPECT_TRUE(noFolder.error.contains(nowhere.indexPath()) && noFolder.error.contains(reason))
            << noFolder.error.toStdString();
    }
}

// A write the kernel refuses as on a full disk (here past a file-size limit), whether of the snapshot
// or of the entry after it: both files stay byte for byte as they were, and the message names the file.
TEST_F(HistoryStoreTest, ARecordingTheKernelRefusesLeavesBothFilesAsTheyWere)
{
    struct Case {
        const char* name;
        std::function<void()> before;
        rlim_t limit;
        QString failing;
    };
    const Case cases[] = {
        {"snapshot", [&] { record(entryOf(A, u"Connected"_s), snapshotNamed(u"A"_s)); }, config::RecordSize + 1000,
         store.dataPath()},
        {"entry after its snapshot",
         [&] {
             for (int i = 0; i < 20; ++i)
                 record(entryOf(A, QString::number(i)));
         },
         20 * history::EntrySize + 100, store.indexPath()},
    };
    for (const Case& c : cases) {
        QFile::remove(store.indexPath());
        QFile::remove(store.dataPath());
        c.before();
        const QByteArray index = fileBytes(store.indexPath()), data = fileBytes(store.dataPath());
        platform::Result recorded;
        {
            testing_support::FileSizeLimit limit(c.limit);
            ASSERT_TRUE(limit.active());
            recorded = store.record(entryOf(B, u"Modified"_s), snapshotNamed(u"B"_s), New);
        }
        EXPECT_FALSE(recorded) << c.name;
        EXPECT_TRUE(recorded.error.contains(c.failing) &&
                    recorded.error.contains(testing_support::FileSizeLimit::reason()))
            << c.name << ": " << recorded.error.toStdString();
        EXPECT_EQ(fileBytes(store.indexPath()), index) << c.name;
        EXPECT_EQ(fileBytes(store.dataPath()), data) << c.name;
    }
}

// All users of one location record into its history files, whatever their umask; a mode chosen for
// files that are there is kept.
TEST_F(HistoryStoreTest, TheFilesAreMadeForOwnerAndGroupAndKeepTheirMode)
{
    const auto modes = [this] {
        struct stat index {
        }, data{};
        ::stat(QFile::encodeName(store.indexPath()).constData(), &index);
        ::stat(QFile::encodeName(store.dataPath()).constData(), &data);
        return std::pair{index.st_mode & 0777, data.st_mode & 0777};
    };
    const testing_support::ScopedUmask umask(022);
    record(entryOf(A, u"Modified"_s), snapshotNamed(u"first"_s));
    EXPECT_EQ(modes(), std::pair(0660u, 0660u));
    for (const QString& path : {store.indexPath(), store.dataPath()})
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    record(entryOf(B, u"Modified"_s), snapshotNamed(u"second"_s));
    EXPECT_EQ(modes(), std::pair(0640u, 0640u));
}

// Recordings mixed with everything else that may happen to a shared index: other programs appending,
// a partial entry left behind, the last entry overwritten by a program that takes no lock, the file cut
// in place or replaced by a shorter or a longer one (and recorded into next). Every recording must give
// the group and the same-event decision that a full read of the file gives.
TEST_F(HistoryStoreTest, TheGroupIsAlwaysTheOneAFullReadOfTheIndexGives)
{
    const Device devices[] = {A,
                              {u" PR210"_s, A.manufacturer, u"0001\r\n"_s},
                              B,
                              {A.type, u"Other"_s, A.id},
                              {A.type, A.manufacturer, QString()}};
    const QString names[] = {u"Modified"_s, u"Connected"_s, u"Fixed output on"_s};
    const QString groups[] = {u"L1"_s, u"L2"_s, u"L3"_s};
    std::mt19937 random(20240229);
    const auto pick = [&random](qsizetype n) { return qsizetype(random() % quint64(n)); };
    const QString path = store.indexPath();
    history::HistoryStore other(folder(), IndexName, DataName);

    const auto recordAndCheck = [&](double stamp) {
        const QList<HistoryEntry> before = stored();
        const HistoryEntry entry = entryOf(devices[pick(5)], names[pick(3)], stamp);
        QString group = entry.UniqueId.isEmpty() ? QString() : New;
        for (auto e = before.crbegin(); e != before.crend() && !entry.UniqueId.isEmpty(); ++e)
            if (e->sameDevice(entry.DeviceType, entry.Manufacturer, entry.UniqueId)) {
                group = e->Group;
                break;
            }
        const bool same = !before.isEmpty() && before.last().Activity == entry.Activity &&
                          before.last().sameDevice(entry.DeviceType, entry.Manufacturer, entry.UniqueId);
        EXPECT_EQ(record(entry), group);
        EXPECT_EQ(stored().size(), before.size() + (same ? 0 : 1));
        EXPECT_EQ(stored().last().Stamp, stamp);
    };

    for (int step = 0; step < 400 && !HasFailure(); ++step) {
        SCOPED_TRACE(step);
        const QList<HistoryEntry> before = stored();
        const qsizetype op = pick(100);
        if (op < 70) {
            recordAndCheck(step);
        } else if (op < 85 && !before.isEmpty()) {
            HistoryEntry change = before[pick(before.size())];
            change.Activity = u"Group changed"_s;
            change.Group = groups[pick(3)];
            ASSERT_TRUE(other.append(change));
        } else if (op < 87) {
            writeBytes(path, QByteArray(1 + pick(218), 'p'), QIODevice::Append);
        } else if (op < 89 && !before.isEmpty()) {
            HistoryEntry unlocked = entryOf(devices[pick(5)], names[pick(3)]);
            unlocked.Group = groups[pick(3)];
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.seek((before.size() - 1) * history::EntrySize));
            ASSERT_EQ(file.write(unlocked.toBytes()), history::EntrySize);
        } else if (op < 93) {
            QFile file(path);
            ASSERT_TRUE(file.resize(pick(before.size() + 1) * history::EntrySize));
            recordAndCheck(step);
        } else {
            QByteArray bytes = fileBytes(path);
            if (op < 97) {
                bytes.truncate(pick(before.size() + 1) * history::EntrySize);
            } else {
                HistoryEntry moved = entryOf(devices[pick(3)], u"Group changed"_s);
                moved.Group = groups[pick(3)];
                bytes.truncate(bytes.size() / history::EntrySize * history::EntrySize);
                bytes += moved.toBytes();
            }
            writeBytes(path + u".new"_s, bytes);
            ASSERT_TRUE(QFile::remove(path));
            ASSERT_TRUE(QFile::rename(path + u".new"_s, path));
            recordAndCheck(step);
        }
    }
}

// The ways a recording notices that the index it knows changed underneath, each alone: the stale
// knowledge would give the device another group (or point past the end of the file).
TEST_F(HistoryStoreTest, AnIndexChangedUnderneathIsReadAgain)
{
    const Device C{A.type, A.manufacturer, u"0003"_s}, D{A.type, A.manufacturer, u"0004"_s};
    const auto bytesOf = [](const Device& device, const QString& activity, const QString& group) {
        HistoryEntry entry = entryOf(device, activity);
        entry.Group = group;
        entry.ScrambleByte = 13;
        return entry.toBytes();
    };
    const QByteArray e0 = bytesOf(A, u"Connected"_s, New), e1 = bytesOf(B, u"Connected"_s, u"L1"_s),
                     e2 = bytesOf(A, u"Group changed"_s, u"L2"_s);
    const struct {
        const char* name;
        std::function<void(const QString& path, const QByteArray& ours)> change;
        Device next;
    } cases[] = {
        {"replaced by a file that begins and ends alike",
         [&](const QString& path, const QByteArray& ours) {
             writeBytes(path + u".new"_s, e0 + bytesOf(D, u"Connected"_s, u"L7"_s) + e2 + ours);
             ASSERT_TRUE(QFile::remove(path));
             ASSERT_TRUE(QFile::rename(path + u".new"_s, path));
         },
         B},
        {"rewritten in place with another first entry",
         [&](const QString& path, const QByteArray& ours) {
             writeBytes(path, bytesOf(D, u"Connected"_s, u"L6"_s) + bytesOf(D, u"Connected"_s, u"L7"_s) + e2 + ours,
                        QIODevice::WriteOnly | QIODevice::Truncate);
         },
         B},
        {"last entry overwritten by a program that takes no lock",
         [&](const QString& path, const QByteArray&) {
             writeBytes(path, e0 + e1 + e2 + bytesOf(B, u"Modified"_s, u"L5"_s),
                        QIODevice::WriteOnly | QIODevice::Truncate);
         },
         C},
        {"cut in place",
         [&](const QString& path, const QByteArray&) { ASSERT_TRUE(QFile(path).resize(2 * history::EntrySize)); }, A},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder;
        history::HistoryStore store(folder.path() + u'/', IndexName, DataName);
        writeBytes(store.indexPath(), e0 + e1 + e2);
        ASSERT_TRUE(store.record(entryOf(C, u"Connected"_s), std::nullopt, New));
        c.change(store.indexPath(), fileBytes(store.indexPath()).mid(3 * history::EntrySize));
        const platform::Result recorded = store.record(entryOf(c.next, u"Device tested"_s), std::nullopt, New);
        ASSERT_TRUE(recorded) << recorded.error.toStdString();
        EXPECT_EQ(entriesIn(store.indexPath()).last().Group, New);
    }
}

// Two programs recording into one folder at the same time: every entry is kept, in each program's own
// order, and each points to its own snapshot.
TEST_F(HistoryStoreTest, TwoProgramsRecordingAtOnceLoseNothing)
{
    constexpr int Each = 1000;
    const QStringList devices{u"D1"_s, u"D2"_s};
    std::vector<std::unique_ptr<QProcess>> programs;
    for (const QString& device : devices) {
        auto& program = programs.emplace_back(std::make_unique<QProcess>());
        program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program->start(QStringLiteral(HISTORY_RECORD_HELPER), {folder(), device, QString::number(Each)});
        ASSERT_TRUE(program->waitForStarted()) << program->errorString().toStdString();
    }
    writeBytes(folder() + u"go"_s, QByteArray());
    for (auto& program : programs) {
        const bool finished = program->waitForFinished(120000);
        if (!finished) {
            program->kill();
            program->waitForFinished();
        }
        ASSERT_TRUE(finished);
        EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program->exitCode(), 0);
    }

    EXPECT_EQ(fileBytes(store.indexPath()).size(), 2 * Each * history::EntrySize);
    EXPECT_EQ(fileBytes(store.dataPath()).size(), 2 * Each * config::RecordSize);
    QMap<QString, int> next;
    QList<bool> snapshotUsed(2 * Each, false);
    for (const HistoryEntry& entry : stored()) {
        ASSERT_TRUE(devices.contains(entry.Tag));
        EXPECT_EQ(entry.User, QString::number(next[entry.Tag]++)) << "out of order for " << entry.Tag.toStdString();
        EXPECT_EQ(entry.Group, New);
        ASSERT_TRUE(entry.SnapshotIndex >= 0 && entry.SnapshotIndex < 2 * Each);
        EXPECT_FALSE(snapshotUsed[entry.SnapshotIndex]);
        snapshotUsed[entry.SnapshotIndex] = true;
        const auto snapshot = store.snapshot(entry.SnapshotIndex);
        ASSERT_TRUE(snapshot);
        EXPECT_EQ(snapshot->text(config::Field::Message), entry.Tag + u'/' + entry.User);
    }
    EXPECT_EQ(next.value(u"D1"_s), Each);
    EXPECT_EQ(next.value(u"D2"_s), Each);
}

} // namespace
