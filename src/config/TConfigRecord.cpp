#include "config/TConfigRecord.h"

#include "platform/Encoding.h"

#include <algorithm>
#include <cstring>

namespace config {

namespace {

constexpr int FieldSize = 1 + FieldCapacity;
constexpr int FirstFieldOffset = 11;

// The four pools of detailed setup items, in record order.
struct DetailPool {
    char16_t kind;
    int count;
    int offset;
};
constexpr std::array<DetailPool, 4> DetailPools{
    {{u'C', 30, 704}, {u'E', 30, 1694}, {u'V', 20, 2684}, {u'Q', 10, 3344}}};

static_assert(FirstFieldOffset + FieldCount * FieldSize == 704);
static_assert(3344 + 10 * FieldSize == TConfigRecord::DefLanguageOffset);
static_assert(TConfigRecord::DefLanguageOffset + 1 + TConfigRecord::DefLanguageCapacity == RecordSize);

} // namespace

TConfigRecord::TConfigRecord() { bytes.fill(0); }

std::optional<TConfigRecord> TConfigRecord::fromBytes(const QByteArray& data)
{
    if (data.size() != RecordSize) return std::nullopt;
    TConfigRecord record;
    std::memcpy(record.bytes.data(), data.constData(), RecordSize);
    return record;
}

QByteArray TConfigRecord::toBytes() const { return QByteArray(bytes.data(), RecordSize); }

QByteArray TConfigRecord::readString(int offset, int capacity) const
{
    // A damaged length byte must not reach into the next field.
    const int length = std::min(int(static_cast<unsigned char>(bytes[offset])), capacity);
    return QByteArray(bytes.data() + offset + 1, length);
}

void TConfigRecord::writeString(int offset, int capacity, const QByteArray& value)
{
    const int length = std::min(int(value.size()), capacity);
    bytes[offset] = char(length);
    std::memcpy(bytes.data() + offset + 1, value.constData(), length);
    std::fill(bytes.begin() + offset + 1 + length, bytes.begin() + offset + 1 + capacity, char(0));
}

QString TConfigRecord::magic() const { return platform::fromCp1250(readString(MagicOffset, MagicCapacity)); }

void TConfigRecord::setMagic(const QString& text) { writeString(MagicOffset, MagicCapacity, platform::toCp1250(text)); }

QString TConfigRecord::text(Field field) const
{
    const int offset = offsetOf(field);
    return offset < 0 ? QString() : platform::fromCp1250(readString(offset, FieldCapacity));
}

// Windows-1250 has one byte a character, so cutting the encoded bytes cuts the text by characters
// without splitting a character that is not in the code page.
void TConfigRecord::setText(Field field, const QString& text)
{
    const int offset = offsetOf(field);
    if (offset >= 0) writeString(offset, FieldCapacity, platform::toCp1250(text));
}

QString TConfigRecord::detail(const QString& item) const
{
    const int offset = detailOffset(item);
    return offset < 0 ? QString() : platform::fromCp1250(readString(offset, FieldCapacity));
}

void TConfigRecord::setDetail(const QString& item, const QString& text)
{
    const int offset = detailOffset(item);
    if (offset >= 0) writeString(offset, FieldCapacity, platform::toCp1250(text));
}

QByteArray TConfigRecord::defLanguage() const { return readString(DefLanguageOffset, DefLanguageCapacity); }

void TConfigRecord::setDefLanguage(const QByteArray& code)
{
    writeString(DefLanguageOffset, DefLanguageCapacity, code);
}

int TConfigRecord::offsetOf(Field field)
{
    const int index = static_cast<int>(field);
    if (index < 0 || index >= FieldCount) return -1;
    return FirstFieldOffset + index * FieldSize;
}

int TConfigRecord::detailOffset(const QString& item)
{
    const auto asciiDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (item.size() != 3 || !asciiDigit(item[1]) || !asciiDigit(item[2])) return -1;
    const int number = (item[1].unicode() - u'0') * 10 + (item[2].unicode() - u'0');
    for (const auto& pool : DetailPools)
        if (item[0] == pool.kind && number >= 1 && number <= pool.count) return pool.offset + (number - 1) * FieldSize;
    return -1;
}

QStringList TConfigRecord::detailItems()
{
    QStringList names;
    for (const auto& pool : DetailPools)
        for (int n = 1; n <= pool.count; ++n)
            names.append(QChar(pool.kind) + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
    return names;
}

} // namespace config
