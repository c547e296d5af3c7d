#include "history/HistoryEntry.h"

#include "platform/Encoding.h"
#include "platform/Random.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace history {

namespace {

static_assert(ScrambleByteOffset + 1 == EntrySize);
static_assert(ErrorTextField.offset + 1 + ErrorTextField.room == StampOffset);

constexpr qint64 MSecsPerDay = 86400000;
const QDate StampEpoch(1899, 12, 30);

void putText(char* entry, TextField field, const QByteArray& value, quint8 scramble)
{
    const int length = std::min(int(value.size()), field.room);
    entry[field.offset] = char(length);
    for (int i = 0; i < length; ++i)
        entry[field.offset + 1 + i] = char(quint8(value[i]) ^ scramble);
}

QByteArray takeText(const char* entry, TextField field, quint8 scramble)
{
    // A damaged length byte must not reach into the next field.
    const int length = std::min(int(quint8(entry[field.offset])), field.room);
    QByteArray value(length, Qt::Uninitialized);
    for (int i = 0; i < length; ++i)
        value[i] = char(quint8(entry[field.offset + 1 + i]) ^ scramble);
    return value;
}

bool isTrimmed(QChar c)
{
    const char16_t u = c.unicode();
    return u <= 0x20 || (u >= 0x7F && u <= 0x9F);
}

} // namespace

QByteArray HistoryEntry::toBytes() const
{
    QByteArray bytes(EntrySize, '\0');
    char* entry = bytes.data();
    putText(entry, TagField, platform::toCp1250(Tag), ScrambleByte);
    putText(entry, DeviceTypeField, platform::toCp1250(DeviceType), ScrambleByte);
    putText(entry, ManufacturerField, platform::toCp1250(Manufacturer), ScrambleByte);
    putText(entry, UniqueIdField, platform::toCp1250(UniqueId), ScrambleByte);
    putText(entry, DefLanguageField, DefLanguage, ScrambleByte);
    putText(entry, GroupField, platform::toCp1250(Group), ScrambleByte);
    putText(entry, UserField, platform::toCp1250(User), ScrambleByte);
    putText(entry, ActivityField, platform::toCp1250(Activity), ScrambleByte);
    putText(entry, ErrorTextField, platform::toCp1250(ErrorText), ScrambleByte);
    quint64 stampBits;
    std::memcpy(&stampBits, &Stamp, sizeof stampBits);
    qToLittleEndian(stampBits, entry + StampOffset);
    qToLittleEndian(SnapshotIndex, entry + SnapshotIndexOffset);
    entry[ScrambleByteOffset] = char(ScrambleByte);
    return bytes;
}

HistoryEntry HistoryEntry::fromBytes(const QByteArray& bytes)
{
    return bytes.size() < EntrySize ? HistoryEntry() : fromBytes(bytes.constData());
}

HistoryEntry HistoryEntry::fromBytes(const char* entry)
{
    HistoryEntry e;
    if (!entry) return e;
    const quint8 scramble = quint8(entry[ScrambleByteOffset]);
    e.ScrambleByte = scramble;
    e.Tag = platform::fromCp1250(takeText(entry, TagField, scramble));
    e.DeviceType = platform::fromCp1250(takeText(entry, DeviceTypeField, scramble));
    e.Manufacturer = platform::fromCp1250(takeText(entry, ManufacturerField, scramble));
    e.UniqueId = platform::fromCp1250(takeText(entry, UniqueIdField, scramble));
    e.DefLanguage = takeText(entry, DefLanguageField, scramble);
    e.Group = platform::fromCp1250(takeText(entry, GroupField, scramble));
    e.User = platform::fromCp1250(takeText(entry, UserField, scramble));
    e.Activity = platform::fromCp1250(takeText(entry, ActivityField, scramble));
    e.ErrorText = platform::fromCp1250(takeText(entry, ErrorTextField, scramble));
    const quint64 stampBits = qFromLittleEndian<quint64>(entry + StampOffset);
    std::memcpy(&e.Stamp, &stampBits, sizeof e.Stamp);
    e.SnapshotIndex = qFromLittleEndian<qint32>(entry + SnapshotIndexOffset);
    return e;
}

QString cutToRoom(const QString& text, TextField field)
{
    const QByteArray bytes = platform::toCp1250(text);
    return bytes.size() <= field.room ? text : platform::fromCp1250(bytes.left(field.room));
}

bool HistoryEntry::sameDevice(const QString& type, const QString& manufacturer, const QString& uniqueId) const
{
    return trimmedText(UniqueId) == trimmedText(cutToRoom(uniqueId, UniqueIdField)) &&
           trimmedText(DeviceType) == trimmedText(cutToRoom(type, DeviceTypeField)) &&
           trimmedText(Manufacturer) == trimmedText(cutToRoom(manufacturer, ManufacturerField));
}

// Before the epoch the day counts down but the time of day still counts up (-1.25 is 29 December
// 1899, 6:00), as OLE automation dates count.
double HistoryEntry::stampOf(const QDateTime& local)
{
    const QDateTime t = local.toLocalTime();
    const qint64 days = StampEpoch.daysTo(t.date());
    const double fraction = double(t.time().msecsSinceStartOfDay()) / double(MSecsPerDay);
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}

QDateTime HistoryEntry::dateTime() const
{
    // A damaged stamp must not send the date arithmetic anywhere strange.
    if (!std::isfinite(Stamp) || std::fabs(Stamp) > 3e6) return {};
    const double whole = std::trunc(Stamp);
    qint64 msecs = std::llround(std::fabs(Stamp - whole) * double(MSecsPerDay));
    QDate date = StampEpoch.addDays(qint64(whole));
    if (msecs >= MSecsPerDay) {
        msecs -= MSecsPerDay;
        date = date.addDays(1);
    }
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(int(msecs)));
}

QString trimmedText(const QString& text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && isTrimmed(text[first]))
        ++first;
    while (last > first && isTrimmed(text[last - 1]))
        --last;
    return text.mid(first, last - first);
}

quint8 newScrambleByte() { return quint8(13 + platform::random(57)); }

} // namespace history
