#include "history/HistoryStore.h"

#include "history/IndexCache.h"
#include "platform/Encoding.h"
#include "platform/Environment.h"
#include "platform/FileLock.h"
#include "platform/Files.h"
#include "platform/Texts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace history {

namespace {

using platform::FileLock;
using platform::Result;

// Large reads keep a walk over the index at memory speed. The file is read, not mapped: another program
// may cut the file short while we walk it, and a mapped file cut short kills its reader.
constexpr qint64 LargestBlock = 16384; // entries, 3.5 MB
constexpr qint64 FirstBlock = 1024;

// Why a history file could not be used, in the program language.
QString why(const char* text) { return QCoreApplication::translate("HistoryStore", text); }

QString upperAscii(QString text)
{
    for (QChar& c : text)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
    return text;
}

// Windows-1250 has one byte a character, so the index is filtered and its devices are told apart on the
// stored bytes, without decoding. Bytes that decode to one character are first made the same byte, so
// comparing bytes gives exactly what comparing the decoded texts would.
class CodePage {
public:
    static const CodePage& get()
    {
        static const CodePage page;
        return page;
    }
    uchar canonical(uchar byte) const { return canon[byte]; }
    bool trimmed(uchar byte) const { return blank[byte]; }
    // The canonical bytes of a text; nothing when a character has no byte, so that no stored text can equal it.
    std::optional<QByteArray> encode(const QString& text) const
    {
        QByteArray bytes;
        bytes.reserve(text.size());
        for (const QChar c : text) {
            const auto found = byteOf.constFind(c.unicode());
            if (found == byteOf.constEnd()) return std::nullopt;
            bytes.append(char(*found));
        }
        return bytes;
    }

private:
    CodePage()
    {
        for (int byte = 255; byte >= 0; --byte) {
            const QString decoded = platform::fromCp1250(QByteArray(1, char(byte)));
            // The lowest byte of a character is its canonical one.
            const char16_t c = decoded.size() == 1 ? decoded[0].unicode() : char16_t(0xFFFF);
            byteOf.insert(c, uchar(byte));
            blank[byte] = !decoded.isEmpty() && trimmedText(decoded).isEmpty();
        }
        for (int byte = 0; byte < 256; ++byte) {
            const QString decoded = platform::fromCp1250(QByteArray(1, char(byte)));
            canon[byte] = decoded.size() == 1 ? byteOf.value(decoded[0].unicode()) : uchar(byte);
        }
        byteOf.remove(char16_t(0xFFFF));
    }

    std::array<uchar, 256> canon{};
    std::array<bool, 256> blank{};
    QHash<char16_t, uchar> byteOf;
};

// The canonical unscrambled bytes of a stored text (trimmed when asked) into out; their number.
int fieldBytes(const uchar* entry, TextField field, bool trim, uchar* out)
{
    const CodePage& page = CodePage::get();
    const uchar scramble = entry[ScrambleByteOffset];
    const uchar* text = entry + field.offset + 1;
    int first = 0, last = std::min(int(entry[field.offset]), field.room);
    if (trim) {
        while (first < last && page.trimmed(text[first] ^ scramble))
            ++first;
        while (last > first && page.trimmed(text[last - 1] ^ scramble))
            --last;
    }
    for (int i = first; i < last; ++i)
        out[i - first] = page.canonical(text[i] ^ scramble);
    return last - first;
}

// A device as the history tells devices apart: its three identity texts trimmed, each after its length.
constexpr int DeviceKeySize = 3 + DeviceTypeField.room + ManufacturerField.room + UniqueIdField.room;
constexpr std::array<TextField, 3> IdentityFields{DeviceTypeField, ManufacturerField, UniqueIdField};

std::string_view storedDevice(const char* entry, std::array<char, DeviceKeySize>& key)
{
    int size = 0;
    for (const TextField field : IdentityFields) {
        const int length = fieldBytes(reinterpret_cast<const uchar*>(entry), field, true,
                                      reinterpret_cast<uchar*>(key.data() + size + 1));
        key[size] = char(length);
        size += 1 + length;
    }
    return {key.data(), size_t(size)};
}

// The key stored entries of this device have; nothing when no stored entry can be of it (a text the
// code page cannot hold, or longer than its field).
std::optional<std::string> deviceOf(const QString& type, const QString& manufacturer, const QString& uniqueId)
{
    std::string key;
    const std::array<const QString*, 3> texts{&type, &manufacturer, &uniqueId};
    for (int i = 0; i < 3; ++i) {
        const auto bytes = CodePage::get().encode(trimmedText(cutToRoom(*texts[i], IdentityFields[i])));
        if (!bytes || bytes->size() > IdentityFields[i].room) return std::nullopt;
        key += char(bytes->size());
        key.append(bytes->constData(), bytes->size());
    }
    return key;
}

bool readAt(QFile& file, qint64 position, char* into, qint64 size)
{
    return file.seek(position) && file.read(into, size) == size;
}

QString readError(const QFile& file)
{
    return file.error() != QFileDevice::NoError
               ? file.errorString()
               : why(QT_TRANSLATE_NOOP("HistoryStore", "The file was cut short while it was read."));
}

// What a record's place in a file held before the record was written there, so that a recording that
// fails puts it back: nothing partial stays behind, and no entry ever exists without its snapshot.
class UndoableWrite {
public:
    // Writes bytes at position, flushed; a failure puts back what was there before and says why.
    Result write(QFile& into, qint64 position, const QByteArray& bytes)
    {
        size = into.size();
        at = position;
        old.resize(std::clamp<qint64>(size - position, 0, bytes.size()));
        if (!old.isEmpty() && !readAt(into, position, old.data(), old.size())) return Result::failure(readError(into));
        file = &into;
        Result written = into.seek(position) ? platform::writeWhole(into, bytes) : Result::failure(into.errorString());
        if (written && !into.flush()) written = Result::failure(into.errorString());
        if (!written) undo();
        return written;
    }
    // Best effort: the failure being reported is the one that matters.
    void undo()
    {
        if (!file) return;
        file->resize(size);
        if (!old.isEmpty() && file->seek(at)) platform::writeWhole(*file, old);
        file->flush();
        file = nullptr;
    }

private:
    QFile* file = nullptr;
    qint64 size = 0;
    qint64 at = 0;
    QByteArray old;
};

// A recording that failed, named after the file it failed on (its folder included).
Result notRecorded(const QString& path, const QString& why)
{
    return Result::failure(platform::texts().historyNotRecorded.arg(path, why));
}

QMutex cacheMutex;
QHash<QString, IndexCache>& caches()
{
    static QHash<QString, IndexCache> byPath;
    return byPath;
}

Result bringUpToDate(IndexCache& cache, QFile& index, const platform::FileIdentity& file)
{
    const qint64 whole = file.size / EntrySize * EntrySize;
    bool fresh = cache.device != file.device || cache.inode != file.inode || whole < cache.covered;
    std::array<char, EntrySize> entry;
    std::array<char, DeviceKeySize> key;
    if (!fresh && cache.covered > EntrySize) {
        if (!readAt(index, 0, entry.data(), EntrySize)) return Result::failure(readError(index));
        fresh = QByteArrayView(entry.data(), EntrySize) != cache.firstEntry;
    }
    if (!fresh && cache.covered > 0) {
        if (!readAt(index, cache.covered - EntrySize, entry.data(), EntrySize))
            return Result::failure(readError(index));
        fresh = storedDevice(entry.data(), key) != cache.lastDevice;
        // A repeated event may have replaced the only entry, which is also the first.
        if (!fresh && cache.covered == EntrySize) cache.firstEntry = QByteArray(entry.data(), EntrySize);
    }
    if (fresh) {
        cache = IndexCache();
        cache.device = file.device;
        cache.inode = file.inode;
        cache.stored = 0; // whatever was kept is of no use
    }
    QByteArray block;
    for (qint64 position = cache.covered; position < whole;) {
        const qint64 size = std::min(whole - position, LargestBlock * EntrySize);
        block.resize(size);
        if (!readAt(index, position, block.data(), size)) {
            cache = IndexCache();
            return Result::failure(readError(index));
        }
        for (qint64 offset = 0; offset < size; offset += EntrySize) {
            const char* stored = block.constData() + offset;
            const std::string_view device = storedDevice(stored, key);
            cache.remember(device, (position + offset) / EntrySize, stored);
            if (position + offset + EntrySize == whole) cache.lastDevice = device;
        }
        position += size;
    }
    cache.covered = whole;
    return Result::success();
}

// Decides on the stored bytes, before anything is decoded, which entries the filter may accept: never
// one that it would refuse to look at, so HistoryFilter::accepts has the last word.
class Prefilter {
public:
    explicit Prefilter(const HistoryFilter& filter)
    {
        switch (filter.kind) {
        case HistoryFilter::None: how = All; break;
        case HistoryFilter::SelectedDevice:
            if (const auto key = deviceOf(filter.deviceType, filter.manufacturer, filter.uniqueId)) {
                how = Device;
                target = QByteArray(key->data(), qsizetype(key->size()));
            }
            break;
        case HistoryFilter::Group:
            if (const auto bytes = CodePage::get().encode(trimmedText(filter.group))) {
                how = Equal;
                field = GroupField;
                target = *bytes;
            }
            break;
        case HistoryFilter::SearchGroup:
        case HistoryFilter::SearchTag:
        case HistoryFilter::SearchUser: {
            const auto bytes = CodePage::get().encode(trimmedText(upperAscii(filter.search)));
            if (bytes && !bytes->isEmpty()) {
                how = Search;
                field = filter.kind == HistoryFilter::SearchGroup ? GroupField
                        : filter.kind == HistoryFilter::SearchTag ? TagField
                                                                  : UserField;
                target = *bytes;
            }
            break;
        }
        default: break;
        }
        if (how != All && how != Device && target.size() > field.room) how = Nothing;
    }

    bool matchesNothing() const { return how == Nothing; }

    bool candidate(const char* stored) const
    {
        const auto* entry = reinterpret_cast<const uchar*>(stored);
        std::array<uchar, 32> text;
        switch (how) {
        case All: return true;
        case Nothing: return false;
        case Device: {
            std::array<char, DeviceKeySize> key;
            return storedDevice(stored, key) == std::string_view(target.constData(), size_t(target.size()));
        }
        case Equal: {
            const int length = fieldBytes(entry, field, true, text.data());
            return length == target.size() && std::memcmp(text.data(), target.constData(), size_t(length)) == 0;
        }
        case Search: {
            const int length = fieldBytes(entry, field, false, text.data());
            for (int i = 0; i < length; ++i)
                if (text[i] >= 'a' && text[i] <= 'z') text[i] -= 32;
            const auto* begin = reinterpret_cast<const char*>(text.data());
            return std::string_view(begin, size_t(length))
                       .find(std::string_view(target.constData(), size_t(target.size()))) != std::string_view::npos;
        }
        }
        return false;
    }

private:
    enum { All, Nothing, Device, Equal, Search } how = Nothing;
    TextField field{0, 0};
    QByteArray target;
};

} // namespace

bool HistoryFilter::accepts(const HistoryEntry& entry) const
{
    switch (kind) {
    case None: return true;
    case SelectedDevice: return entry.sameDevice(deviceType, manufacturer, uniqueId);
    case Group: return trimmedText(entry.Group) == trimmedText(group);
    case SearchGroup:
    case SearchTag:
    case SearchUser: {
        const QString wanted = trimmedText(upperAscii(search));
        if (wanted.isEmpty()) return false;
        const QString& text = kind == SearchGroup ? entry.Group : kind == SearchTag ? entry.Tag : entry.User;
        return upperAscii(text).contains(wanted);
    }
    default: return false;
    }
}

HistoryStore::HistoryStore(const QString& folder, const QString& indexName, const QString& dataName)
    : indexFile(folder + indexName), dataFile(folder + dataName)
{
}

Result HistoryStore::record(HistoryEntry entry, const std::optional<config::TConfigRecord>& snapshot,
                            const QString& newGroup)
{
    // Held from reading the last entry to the end of the append: two programs never interleave.
    FileLock lock;
    if (const Result locked = lock.acquire(indexFile, FileLock::Mode::Exclusive, FileLock::Create::IfMissing); !locked)
        return notRecorded(indexFile, locked.error);
    QFile index;
    if (!lock.open(index, QIODevice::ReadWrite)) return notRecorded(indexFile, index.errorString());
    const platform::FileIdentity file = lock.identity();
    const qint64 count = file.size / EntrySize;

    bool sameEvent = false;
    qint64 lastSnapshot = NoSnapshot;
    std::array<char, EntrySize> stored;
    if (count > 0) {
        if (!readAt(index, (count - 1) * EntrySize, stored.data(), EntrySize))
            return notRecorded(indexFile, readError(index));
        const HistoryEntry last = HistoryEntry::fromBytes(stored.data());
        sameEvent = trimmedText(last.Activity) == trimmedText(entry.Activity) &&
                    last.sameDevice(entry.DeviceType, entry.Manufacturer, entry.UniqueId);
        lastSnapshot = last.SnapshotIndex;
    }

    QMutexLocker cacheLock(&cacheMutex);
    IndexCache* cache = nullptr;
    if (entry.UniqueId.isEmpty()) {
        entry.Group.clear();
    } else {
        cache = &caches()[indexFile];
        if (cache->stored < 0) { // the first recording of this program into this file
            auto kept = loadIndexCache(indexCacheFile(indexFile));
            *cache = kept ? std::move(*kept) : IndexCache();
            cache->stored = std::max<qint64>(cache->stored, 0);
        }
        if (const Result known = bringUpToDate(*cache, index, file); !known) return notRecorded(indexFile, known.error);
        entry.Group = newGroup;
        if (const auto device = deviceOf(entry.DeviceType, entry.Manufacturer, entry.UniqueId)) {
            for (int pass = 0; pass < 2; ++pass) {
                const auto newest = cache->newest.find(*device);
                if (newest == cache->newest.end()) break;
                if (!readAt(index, newest->second * EntrySize, stored.data(), EntrySize))
                    return notRecorded(indexFile, readError(index));
                std::array<char, DeviceKeySize> key;
                if (storedDevice(stored.data(), key) == *device) {
                    entry.Group = HistoryEntry::fromBytes(stored.data()).Group;
                    break;
                }
                // The file was rewritten behind the cache: read it all once more.
                *cache = IndexCache();
                cache->stored = 0;
                if (const Result known = bringUpToDate(*cache, index, file); !known)
                    return notRecorded(indexFile, known.error);
            }
        }
    }

    // The snapshot first, so that no entry ever points to a snapshot that failed; an entry that fails
    // takes its snapshot back.
    entry.SnapshotIndex = NoSnapshot;
    QFile data(dataFile);
    UndoableWrite snapshotWritten;
    if (snapshot) {
        if (const Result made = platform::createSharedFile(dataFile); !made) return notRecorded(dataFile, made.error);
        if (!data.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) return notRecorded(dataFile, data.errorString());
        const qint64 records = data.size() / config::RecordSize;
        // The same event again takes over its entry's snapshot, but only its own: an entry recorded
        // without one must not take the last snapshot of the file, which belongs to another entry.
        const qint64 position = sameEvent && records > 0 && lastSnapshot == records - 1 ? records - 1 : records;
        if (const Result written = snapshotWritten.write(data, position * config::RecordSize, snapshot->toBytes());
            !written)
            return notRecorded(dataFile, written.error);
        entry.SnapshotIndex = qint32(position);
    }

    const qint64 position = sameEvent ? count - 1 : count;
    const QByteArray bytes = entry.toBytes();
    if (const Result written = UndoableWrite().write(index, position * EntrySize, bytes); !written) {
        snapshotWritten.undo();
        return notRecorded(indexFile, written.error);
    }

    if (cache) {
        std::array<char, DeviceKeySize> key;
        const std::string_view device = storedDevice(bytes.constData(), key);
        cache->remember(device, position, bytes.constData());
        cache->lastDevice = device;
        cache->covered = std::max(cache->covered, (position + 1) * EntrySize);
        if (cache->worthStoring()) storeIndexCache(indexCacheFile(indexFile), *cache);
    }
    return Result::success();
}

Result HistoryStore::append(const HistoryEntry& entry)
{
    FileLock lock;
    if (const Result locked = lock.acquire(indexFile, FileLock::Mode::Exclusive, FileLock::Create::IfMissing); !locked)
        return notRecorded(indexFile, locked.error);
    QFile index;
    if (!lock.open(index, QIODevice::ReadWrite)) return notRecorded(indexFile, index.errorString());
    // After the last whole entry: a partial one left by a failed write is overwritten.
    const qint64 position = lock.identity().size / EntrySize * EntrySize;
    if (const Result written = UndoableWrite().write(index, position, entry.toBytes()); !written)
        return notRecorded(indexFile, written.error);
    return Result::success();
}

std::optional<Listing> HistoryStore::list(const HistoryFilter& filter, int limit, QString* reason) const
{
    if (reason) reason->clear();
    // Shared, so that a repeated event never replaces the last entry while it is read.
    FileLock lock;
    if (const Result locked = lock.acquire(indexFile, FileLock::Mode::Shared, FileLock::Create::Never); !locked) {
        // A history not begun yet has no index file; a folder that is not there is a wrong location.
        if (reason && (!lock.missing() || !platform::folderExists(QFileInfo(indexFile).path()))) *reason = locked.error;
        return std::nullopt;
    }
    QFile index;
    if (!lock.open(index, QIODevice::ReadOnly)) {
        if (reason) *reason = index.errorString();
        return std::nullopt;
    }

    Listing listing;
    const Prefilter prefilter(filter);
    QByteArray block;
    qint64 blockEntries = FirstBlock;
    for (qint64 end = lock.identity().size / EntrySize;
         end > 0 && listing.entries.size() < limit && !prefilter.matchesNothing();) {
        const qint64 begin = std::max<qint64>(0, end - blockEntries);
        block.resize((end - begin) * EntrySize);
        if (!readAt(index, begin * EntrySize, block.data(), block.size())) {
            if (reason) *reason = readError(index);
            return std::nullopt;
        }
        for (qint64 i = end - 1; i >= begin && listing.entries.size() < limit; --i) {
            const char* stored = block.constData() + (i - begin) * EntrySize;
            if (!prefilter.candidate(stored)) continue;
            HistoryEntry entry = HistoryEntry::fromBytes(stored);
            if (filter.accepts(entry)) listing.entries.append(std::move(entry));
        }
        end = begin;
        blockEntries = std::min(blockEntries * 4, LargestBlock);
    }

    for (const HistoryEntry& entry : std::as_const(listing.entries))
        if (!listing.groups.contains(entry.Group)) listing.groups.append(entry.Group);
    std::sort(listing.groups.begin(), listing.groups.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return listing;
}

bool HistoryStore::dataFileExists() const { return QFile::exists(dataFile); }

std::optional<config::TConfigRecord> HistoryStore::snapshot(qint32 number, QString* reason) const
{
    const auto fail = [reason](const QString& text) {
        if (reason) *reason = text;
        return std::nullopt;
    };
    if (number < 0) return fail(why(QT_TRANSLATE_NOOP("HistoryStore", "The entry has no snapshot.")));
    QFile data(dataFile);
    if (!data.open(QIODevice::ReadOnly)) return fail(data.errorString());
    const qint64 position = qint64(number) * config::RecordSize;
    if (data.size() < position + config::RecordSize)
        return fail(why(QT_TRANSLATE_NOOP("HistoryStore", "The data file holds no snapshot %1.")).arg(number));
    QByteArray bytes(config::RecordSize, Qt::Uninitialized);
    if (!readAt(data, position, bytes.data(), bytes.size())) return fail(readError(data));
    return config::TConfigRecord::fromBytes(bytes);
}

std::optional<config::TConfigRecord> HistoryStore::snapshotOf(const HistoryEntry& entry, QString* reason) const
{
    auto record = snapshot(entry.SnapshotIndex, reason);
    if (record && !entry.sameDevice(record->text(config::Field::DeviceType), record->text(config::Field::Manufacturer),
                                    record->text(config::Field::UniqueId))) {
        if (reason)
            *reason = why(QT_TRANSLATE_NOOP(
                "HistoryStore",
                "The snapshot is another device's: the data file was changed after the entry was recorded."));
        return std::nullopt;
    }
    return record;
}

} // namespace history
