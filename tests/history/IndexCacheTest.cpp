// The cache of an index that outlives the program: read back as it was written, refused when damaged,
// left behind by a recording into a long index, used by the next program for what it covers, and
// never believed where the index itself says otherwise.
#include "history/IndexCache.h"
#include "ScopedEnvironment.h"
#include "history/HistoryStore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>

using history::EntrySize;
using history::HistoryEntry;
using history::IndexCache;

namespace {

const QString IndexName = QStringLiteral("VELKOR.IDX"), DataName = QStringLiteral("VELKOR.DDX");

struct Device {
    QString type, manufacturer, id;
};
const Device A{QStringLiteral("PR210"), QStringLiteral("Maker"), QStringLiteral("0001")};
const Device B{QStringLiteral("PR210"), QStringLiteral("Maker"), QStringLiteral("0002")};

// A device as the cache names it: its three identity texts, each after its length.
std::string keyOf(const Device& device)
{
    std::string key;
    for (const QString& text : {device.type, device.manufacturer, device.id})
        key += char(text.size()) + text.toStdString();
    return key;
}

QByteArray entryBytes(const Device& device, const QString& group)
{
    HistoryEntry entry;
    entry.DeviceType = device.type;
    entry.Manufacturer = device.manufacturer;
    entry.UniqueId = device.id;
    entry.Activity = QStringLiteral("Connected");
    entry.Group = group;
    entry.Stamp = 45000;
    entry.ScrambleByte = 29;
    return entry.toBytes();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class IndexCacheTest : public ::testing::Test {
protected:
    QTemporaryDir cacheFolder;
    testing_support::ScopedEnvironment cacheHome{"XDG_CACHE_HOME", cacheFolder.path().toLocal8Bit()};
};

TEST_F(IndexCacheTest, ReadBackAsWrittenAndRefusedWhenDamaged)
{
    IndexCache cache;
    cache.device = 7;
    cache.inode = 99;
    cache.covered = 3 * EntrySize;
    cache.firstEntry = entryBytes(A, QStringLiteral("L1"));
    cache.lastDevice = keyOf(A);
    cache.newest = {{keyOf(A), 2}, {keyOf(B), 1}};
    const QString path = history::indexCacheFile(QStringLiteral("/plant/share/VELKOR.IDX"));
    ASSERT_TRUE(path.startsWith(cacheFolder.path()));
    history::storeIndexCache(path, cache);
    EXPECT_EQ(cache.stored, cache.covered);

    const auto back = history::loadIndexCache(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->device, 7u);
    EXPECT_EQ(back->inode, 99u);
    EXPECT_EQ(back->covered, 3 * EntrySize);
    EXPECT_EQ(back->firstEntry, cache.firstEntry);
    EXPECT_EQ(back->lastDevice, keyOf(A));
    EXPECT_EQ(back->newest, cache.newest);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    for (const qsizetype at : {qsizetype(0), qsizetype(30), bytes.size() - 1}) {
        QByteArray damaged = bytes;
        damaged[at] = char(damaged[at] ^ 0x10);
        writeFile(path, damaged);
        EXPECT_FALSE(history::loadIndexCache(path)) << "a byte flipped at " << at;
    }
    writeFile(path, bytes.left(bytes.size() / 2));
    EXPECT_FALSE(history::loadIndexCache(path)) << "cut short";

    // A vast index and more devices than the file holds, under a digest that fits them.
    cache.covered = qint64(EntrySize) << 32;
    cache.newest.clear();
    history::storeIndexCache(path, cache);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray body = file.readAll().chopped(20);
    file.close();
    qToBigEndian(quint32(0xFFFFFFFF), body.data() + body.size() - 4); // the count closes the body
    writeFile(path, body + QCryptographicHash::hash(body, QCryptographicHash::Sha1));
    EXPECT_FALSE(history::loadIndexCache(path)) << "a count larger than the file";
    EXPECT_FALSE(history::loadIndexCache(path + QStringLiteral(".none")));
}

TEST_F(IndexCacheTest, ARecordingIntoALongIndexLeavesACacheThatCoversIt)
{
    QTemporaryDir folder;
    history::HistoryStore store(folder.path() + u'/', IndexName, DataName);
    const int entries = 70000;
    writeFile(store.indexPath(), entryBytes(B, QStringLiteral("L1")).repeated(entries));
    HistoryEntry entry = HistoryEntry::fromBytes(entryBytes(A, QString()).constData());
    ASSERT_TRUE(store.record(entry, std::nullopt, QStringLiteral("new")));

    const auto kept = history::loadIndexCache(history::indexCacheFile(store.indexPath()));
    ASSERT_TRUE(kept) << "no cache left for the next program";
    EXPECT_EQ(kept->covered, qint64(entries + 1) * EntrySize);
    EXPECT_EQ(kept->newest.at(keyOf(A)), entries);
    EXPECT_EQ(kept->newest.at(keyOf(B)), entries - 1);
}

// The index: A in L1, B in L2, A in L3. What the cache an earlier program left says, and the group
// the next recording of A gets from it.
TEST_F(IndexCacheTest, TheNextProgramUsesAKeptCacheButNeverAgainstTheIndex)
{
    const QByteArray first = entryBytes(A, QStringLiteral("L1"));
    const QByteArray index = first + entryBytes(B, QStringLiteral("L2")) + entryBytes(A, QStringLiteral("L3"));
    const struct {
        const char* name;
        qint64 newestOfA;
        quint64 inodeOffset;
        bool damaged;
        const char* group;
    } cases[] = {
        {"an intact cache is used for what it covers (this one names an older entry)", 0, 0, false, "L1"},
        {"a cache naming another device's entry", 1, 0, false, "L3"},
        {"a cache of another file", 0, 1, false, "L3"},
        {"a cache damaged on the disk", 0, 0, true, "L3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir folder; // a path no store of this program has recorded into yet
        history::HistoryStore store(folder.path() + u'/', IndexName, DataName);
        writeFile(store.indexPath(), index);
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(store.indexPath()).constData(), &info), 0);

        IndexCache cache;
        cache.device = quint64(info.st_dev);
        cache.inode = quint64(info.st_ino) + c.inodeOffset;
        cache.covered = 3 * EntrySize;
        cache.firstEntry = first;
        cache.lastDevice = keyOf(A);
        cache.newest = {{keyOf(A), c.newestOfA}, {keyOf(B), 1}};
        const QString path = history::indexCacheFile(store.indexPath());
        history::storeIndexCache(path, cache);
        if (c.damaged) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            QByteArray bytes = file.readAll();
            bytes[40] = char(bytes[40] ^ 0x01);
            ASSERT_TRUE(file.seek(0));
            ASSERT_EQ(file.write(bytes), bytes.size());
        }

        HistoryEntry entry = HistoryEntry::fromBytes(entryBytes(A, QString()).constData());
        entry.Activity = QStringLiteral("Modified");
        ASSERT_TRUE(store.record(entry, std::nullopt, QStringLiteral("new")));
        const auto listing = store.list(history::HistoryFilter(), 1);
        ASSERT_TRUE(listing && !listing->entries.isEmpty());
        EXPECT_EQ(listing->entries[0].Group, QString::fromLatin1(c.group));
    }
}

} // namespace
