#pragma once
// One whole device configuration as texts, in the packed 3678-byte layout that configuration files
// and history snapshots store byte for byte. Every text is a length byte followed by a fixed number
// of Windows-1250 character bytes; readers trust no length byte further than its field's capacity,
// because records come from files that may be damaged.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace config {

inline constexpr int RecordSize = 3678;
inline constexpr int FieldCapacity = 32;

// The screen fields in record order.
enum class Field {
    UniqueId,
    Manufacturer,
    DeviceType,
    Revision,
    SerialNo,
    SensorSerialNo,
    UpperRangeLimit,
    LowerRangeLimit,
    MinimumSpan,
    WriteProtection,
    AlarmSignaling,
    PollingAddress,
    LowerRangeValue,
    UpperRangeValue,
    Units,
    Damping,
    TransferFunction,
    Tag,
    Descriptor,
    Date,
    Message
};
inline constexpr int FieldCount = 21;

class TConfigRecord {
public:
    static constexpr int MagicCapacity = 10;
    static constexpr int DefLanguageCapacity = 3;
    static constexpr int MagicOffset = 0;
    static constexpr int DefLanguageOffset = 3674;

    TConfigRecord(); // all bytes zero

    // Nothing unless the data is exactly one record long.
    static std::optional<TConfigRecord> fromBytes(const QByteArray& bytes);
    QByteArray toBytes() const;

    // "HART20File" as captured, "HART30File" as stored.
    QString magic() const;
    void setMagic(const QString& text);

    // Texts longer than the capacity keep their first 32 characters.
    QString text(Field field) const;
    void setText(Field field, const QString& text);

    // Detailed setup items "C01".."C30", "E01".."E30", "V01".."V20", "Q01".."Q10" (exactly so written);
    // any other name reads as empty and is not stored.
    QString detail(const QString& item) const;
    void setDetail(const QString& item, const QString& text);

    // The definition-file language and its marker as raw bytes (the third may be the byte 255).
    QByteArray defLanguage() const;
    void setDefLanguage(const QByteArray& code);

    // Byte for byte, the bytes beyond each text's length included.
    bool operator==(const TConfigRecord& other) const { return bytes == other.bytes; }

    // Offset of the field's length byte; -1 for a value outside the enumeration.
    static int offsetOf(Field field);
    // -1 for a name that is no detailed setup item.
    static int detailOffset(const QString& item);
    // The 90 item names in record order.
    static QStringList detailItems();

private:
    QByteArray readString(int offset, int capacity) const;
    void writeString(int offset, int capacity, const QByteArray& value);

    std::array<char, RecordSize> bytes;
};

} // namespace config
