#include "config/ConfigurationFile.h"

#include "platform/Encoding.h"

namespace config {

namespace {

// A magic: its length byte, then its characters.
bool hasMagic(const QByteArray& bytes, const QByteArray& magic)
{
    return bytes.size() > magic.size() && quint8(bytes.at(0)) == magic.size() && bytes.mid(1, magic.size()) == magic;
}

constexpr int Hart2FirstField = 11;
constexpr int Hart2FieldSize = 1 + FieldCapacity;

} // namespace

const std::array<Field, 20>& hart2Fields()
{
    static const std::array<Field, 20> fields{Field::UniqueId,
                                              Field::Manufacturer,
                                              Field::DeviceType,
                                              Field::SerialNo,
                                              Field::SensorSerialNo,
                                              Field::UpperRangeLimit,
                                              Field::LowerRangeLimit,
                                              Field::MinimumSpan,
                                              Field::WriteProtection,
                                              Field::AlarmSignaling,
                                              Field::PollingAddress,
                                              Field::LowerRangeValue,
                                              Field::UpperRangeValue,
                                              Field::Units,
                                              Field::Damping,
                                              Field::TransferFunction,
                                              Field::Tag,
                                              Field::Descriptor,
                                              Field::Date,
                                              Field::Message};
    return fields;
}

std::optional<OpenedConfiguration> readConfiguration(const QByteArray& fileStart)
{
    if (fileStart.size() >= Hart1RecordSize && hasMagic(fileStart, QByteArrayLiteral("HART file")))
        return OpenedConfiguration{FileKind::Hart1, TConfigRecord()};
    if (fileStart.size() >= Hart2RecordSize && hasMagic(fileStart, QByteArrayLiteral("HART20File"))) {
        OpenedConfiguration opened{FileKind::Hart2, TConfigRecord()};
        opened.record.setMagic(QStringLiteral("HART20File"));
        int offset = Hart2FirstField;
        for (Field field : hart2Fields()) {
            const int length = std::min<int>(quint8(fileStart.at(offset)), FieldCapacity);
            opened.record.setText(field, platform::fromCp1250(fileStart.mid(offset + 1, length)));
            offset += Hart2FieldSize;
        }
        return opened;
    }
    if (fileStart.size() >= RecordSize && hasMagic(fileStart, QByteArrayLiteral("HART30File"))) {
        if (const auto record = TConfigRecord::fromBytes(fileStart.left(RecordSize)))
            return OpenedConfiguration{FileKind::Hart3, *record};
    }
    return std::nullopt;
}

} // namespace config
