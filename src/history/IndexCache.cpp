#include "history/IndexCache.h"

#include "history/HistoryEntry.h"
#include "platform/Environment.h"
#include "platform/Files.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFileInfo>
#include <QIODevice>

namespace history {

namespace {
constexpr quint32 Magic = 0x54564843; // "TVHC"
constexpr quint16 Version = 1;
// About 14 MB of index: some 10 ms of reading that the next program saves.
constexpr qint64 StoreAfterEntries = 65536;
// A cache file is read whole; one larger than this is not read (a damaged index of random devices).
constexpr qint64 LargestCacheBytes = qint64(64) << 20;
// A device key: three texts, each after its length byte.
constexpr qsizetype LongestKey = 3 * 256;
constexpr qsizetype DigestSize = 20;
// The fewest bytes one device takes in a cache file: its key's length and its entry number.
constexpr qint64 SmallestDeviceBytes = 4 + 8;

QByteArray digest(const QByteArray& bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1); }
} // namespace

void IndexCache::remember(std::string_view deviceKey, qint64 number, const char* entry)
{
    if (const auto known = newest.find(deviceKey); known != newest.end())
        known->second = number;
    else
        newest.emplace(std::string(deviceKey), number);
    if (number == 0) firstEntry = QByteArray(entry, EntrySize);
}

bool IndexCache::worthStoring() const { return covered - std::max<qint64>(stored, 0) >= StoreAfterEntries * EntrySize; }

QString indexCacheFile(const QString& indexFile)
{
    const QByteArray path = QFileInfo(indexFile).absoluteFilePath().toUtf8();
    const QByteArray name = QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(20);
    return platform::userCacheFolder() + QStringLiteral("tarvik/history-%1.cache").arg(QString::fromLatin1(name));
}

std::optional<IndexCache> loadIndexCache(const QString& path)
{
    const std::optional<QByteArray> bytes = platform::readFileStart(path, LargestCacheBytes);
    if (!bytes || bytes->size() < DigestSize) return std::nullopt;
    const QByteArray body = bytes->chopped(DigestSize);
    if (digest(body) != bytes->right(DigestSize)) return std::nullopt; // not what a program wrote
    QDataStream in(body);
    quint32 magic = 0;
    quint16 version = 0, entrySize = 0;
    quint32 count = 0;
    QByteArray lastDevice;
    IndexCache cache;
    in >> magic >> version >> entrySize >> cache.device >> cache.inode >> cache.covered >> cache.firstEntry >>
        lastDevice >> count;
    const qint64 entries = cache.covered / EntrySize;
    // Counts are believed only as far as the file can hold them: room is made for the devices at once.
    if (in.status() != QDataStream::Ok || magic != Magic || version != Version || entrySize != EntrySize ||
        cache.covered <= 0 || cache.covered % EntrySize != 0 || cache.firstEntry.size() != EntrySize ||
        lastDevice.size() > LongestKey || count > entries || count > body.size() / SmallestDeviceBytes)
        return std::nullopt;
    cache.lastDevice = lastDevice.toStdString();
    cache.newest.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        QByteArray key;
        qint64 number = -1;
        in >> key >> number;
        if (in.status() != QDataStream::Ok || key.size() > LongestKey || number < 0 || number >= entries)
            return std::nullopt;
        cache.newest.emplace(key.toStdString(), number);
    }
    if (!in.atEnd()) return std::nullopt;
    cache.stored = cache.covered;
    return cache;
}

void storeIndexCache(const QString& path, IndexCache& cache)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << Magic << Version << quint16(EntrySize) << cache.device << cache.inode << cache.covered << cache.firstEntry
        << QByteArray::fromStdString(cache.lastDevice) << quint32(cache.newest.size());
    for (const auto& [key, number] : cache.newest)
        out << QByteArray::fromStdString(key) << number;
    bytes += digest(bytes);
    if (bytes.size() > LargestCacheBytes) {
        // It could never be read back: the index is read from its start by each program instead, and
        // nothing is written again and again.
        cache.stored = cache.covered;
        return;
    }
    if (!platform::makeFolder(QFileInfo(path).absolutePath())) return;
    if (platform::writeFileAtomically(path, bytes)) cache.stored = cache.covered;
}

} // namespace history
