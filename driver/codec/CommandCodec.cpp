#include "codec/CommandCodec.h"

#include "codec/TextFormat.h"
#include "hart/HartEncoding.h"
#include "hart/HartIdentity.h"
#include "platform/Encoding.h"
#include "platform/ReplyLayout.h"

#include <QHash>
#include <algorithm>

namespace codec {

namespace {

struct Layout {
    QList<Field> request;
    QList<Field> reply;
};

// The reply fields by the lines they stand on (platform/ReplyLayout.h), which must follow each other
// from the first data line: the table names each line, the codec writes the fields in that order.
QList<Field> onLines(std::initializer_list<std::pair<int, Field>> placed)
{
    QList<Field> fields;
    for (const auto& [line, field] : placed) {
        Q_ASSERT(line == replylayout::FirstDataLine + fields.size());
        fields.append(field);
    }
    return fields;
}

const QHash<int, Layout>& layouts()
{
    using namespace replylayout;
    static const QHash<int, Layout> table = [] {
        const Field tag{Kind::Packed, 8, "tag"};
        const Field descriptor{Kind::Packed, 16, "descriptor"};
        const Field message{Kind::Packed, 32, "message"};
        const Field date{Kind::Date, 0, "date"};
        const Field f32{Kind::F32};
        QHash<int, Layout> t;
        t[1] = {{}, onLines({{primaryVariable::Unit, {Kind::Unit}}, {primaryVariable::Value, {Kind::Measured}}})};
        t[2] = {{}, onLines({{loopCurrent::Current, {Kind::Current}}, {loopCurrent::Percent, {Kind::Percent}}})};
        const QList<Field> address =
            onLines({{pollingAddress::Address, {Kind::U8, 0, "polling address"}},
                     {pollingAddress::LoopCurrentMode, {Kind::U8, 0, "loop current mode", true}}});
        t[6] = {address, address};
        const QList<Field> messageLines = onLines({{message::Message, message}});
        t[12] = {{}, messageLines};
        const QList<Field> tagLines = onLines({{tagDescriptorDate::Tag, tag},
                                               {tagDescriptorDate::Descriptor, descriptor},
                                               {tagDescriptorDate::Date, date}});
        t[13] = {{}, tagLines};
        t[14] = {{},
                 onLines({{sensor::SerialNo, {Kind::U24}},
                          {sensor::Unit, {Kind::Unit}},
                          {sensor::UpperLimit, f32},
                          {sensor::LowerLimit, f32},
                          {sensor::MinimumSpan, f32}})};
        t[15] = {{},
                 onLines({{output::Alarm, {Kind::Alarm}},
                          {output::TransferFunction, {Kind::Function}},
                          {output::Unit, {Kind::Unit}},
                          {output::UpperRangeValue, f32},
                          {output::LowerRangeValue, f32},
                          {output::Damping, f32},
                          {output::WriteProtection, {Kind::WriteProtect}},
                          {output::PrivateLabel, {Kind::U8}},
                          // Devices of revision 5 may end their reply before the distributor.
                          {output::Distributor, {Kind::Manufacturer, 0, "", true}}})};
        const QList<Field> assembly = onLines({{finalAssembly::Number, {Kind::U24, 0, "final assembly number"}}});
        t[16] = {{}, assembly};
        t[17] = {messageLines, messageLines};
        t[18] = {tagLines, tagLines};
        t[19] = {assembly, assembly};
        const QList<Field> longTagLines =
            onLines({{longTag::LongTag, {Kind::Latin1, longTag::Characters, "long tag"}}});
        t[20] = {{}, longTagLines};
        t[22] = {longTagLines, longTagLines};
        t[34] = {{{Kind::F32, 0, "damping"}}, onLines({{damping::Damping, f32}})};
        const QList<Field> range = onLines({{range::Unit, {Kind::Unit, 0, "units"}},
                                            {range::UpperRangeValue, {Kind::F32, 0, "upper range value"}},
                                            {range::LowerRangeValue, {Kind::F32, 0, "lower range value"}}});
        t[35] = {range, range};
        for (int plain : {36, 37, 38, 41, 42, 43})
            t[plain] = {{}, {}};
        t[39] = {{{Kind::U8, 0, "EEPROM control"}}, {{Kind::U8}}};
        t[40] = {{{Kind::F32, 0, "current"}}, onLines({{fixedCurrent::Current, f32}})};
        const QList<Field> units = onLines({{code::Code, {Kind::Unit, 0, "units"}}});
        t[44] = {units, units};
        t[45] = {{{Kind::F32, 0, "measured current"}}, {f32}};
        t[46] = t[45];
        const QList<Field> function = onLines({{code::Code, {Kind::Function, 0, "transfer function"}}});
        t[47] = {function, function};
        t[108] = {{{Kind::U8, 0, "burst command number"}}, {{Kind::U8}}};
        t[109] = {{{Kind::U8, 0, "burst mode"}}, {{Kind::U8}}};
        return t;
    }();
    return table;
}

QString invalid(const Field& field, const QString& text)
{
    return QStringLiteral("Invalid value \"%1\" for %2!").arg(text, QString::fromLatin1(field.name));
}

// Every byte of the data as a decimal line.
QStringList byteLines(const QByteArray& data, int offset = 0)
{
    QStringList lines;
    for (int i = offset; i < data.size(); ++i)
        lines.append(QString::number(quint8(data.at(i))));
    return lines;
}

} // namespace

int fieldBytes(const Field& field)
{
    switch (field.kind) {
    case Kind::U16: return 2;
    case Kind::U24: return 3;
    case Kind::U32:
    case Kind::F32:
    case Kind::Current:
    case Kind::Percent:
    case Kind::Measured: return 4;
    case Kind::Packed: return field.size * 3 / 4;
    case Kind::Text:
    case Kind::Latin1: return field.size;
    case Kind::Date: return 3;
    default: return 1;
    }
}

std::optional<TemplateToken> parseTemplateToken(const QString& token)
{
    if (token.size() < 4) return std::nullopt;
    bool ok = false;
    const int command = token.mid(1, 3).toInt(&ok);
    if (!ok || command < 0 || command > 255) return std::nullopt;
    TemplateToken result{token.at(0).toUpper(), command, {}};
    for (int i = 4; i < token.size();) {
        const QChar letter = token.at(i++).toUpper();
        int size = 0;
        while (i < token.size() && token.at(i).isDigit()) {
            size = size * 10 + token.at(i++).digitValue();
            if (size > MaxTextFieldSize) return std::nullopt; // before a long run of digits overflows
        }
        switch (letter.unicode()) {
        case u'B': result.fields.append({Kind::U8, 0, "byte"}); break;
        case u'K': result.fields.append({Kind::Selector, 0, "selector"}); break;
        case u'I': result.fields.append({Kind::U16, 0, "16-bit integer"}); break;
        case u'M': result.fields.append({Kind::U24, 0, "24-bit integer"}); break;
        case u'L': result.fields.append({Kind::U32, 0, "32-bit integer"}); break;
        case u'F': result.fields.append({Kind::F32, 0, "number"}); break;
        case u'D': result.fields.append({Kind::Date, 0, "date"}); break;
        case u'U': result.fields.append({Kind::Unit, 0, "units"}); break;
        case u'T': result.fields.append({Kind::Function, 0, "transfer function"}); break;
        case u'A':
            if (size <= 0 || size % 4 != 0) return std::nullopt;
            result.fields.append({Kind::Packed, size, "text"});
            break;
        case u'S':
            if (size <= 0) return std::nullopt;
            result.fields.append({Kind::Text, size, "text"});
            break;
        default: return std::nullopt;
        }
    }
    return result;
}

std::optional<QByteArray> CommandCodec::encodeField(const Field& field, const QString& text,
                                                    const QByteArray& keptDate) const
{
    QByteArray out;
    auto integer = [&](int bytes, quint32 max) -> bool {
        const auto value = parseUnsigned(text, max);
        if (!value) return false;
        hart::appendUInt(out, *value, bytes);
        return true;
    };
    bool ok = false;
    switch (field.kind) {
    case Kind::U8:
    case Kind::Selector:
    case Kind::Alarm:
    case Kind::WriteProtect:
    case Kind::Manufacturer: ok = integer(1, 0xFF); break;
    case Kind::U16: ok = integer(2, 0xFFFF); break;
    case Kind::U24: ok = integer(3, 0xFFFFFF); break;
    case Kind::U32: ok = integer(4, 0xFFFFFFFF); break;
    case Kind::F32:
    case Kind::Current:
    case Kind::Percent:
    case Kind::Measured:
        if (const auto value = parseNumber(text)) {
            hart::appendFloat(out, *value);
            ok = true;
        }
        break;
    case Kind::Unit:
    case Kind::Function:
        if (const auto code = field.kind == Kind::Unit ? names.unitCode(text) : names.transferFunctionCode(text)) {
            out.append(char(*code));
            ok = true;
        }
        break;
    case Kind::Packed:
        if (const auto packed = hart::packAscii(text, field.size)) {
            out = *packed;
            ok = true;
        }
        break;
    case Kind::Text:
        if (platform::fitsCp1250(text) && platform::toCp1250(text).size() <= field.size) {
            out = platform::toCp1250(text).leftJustified(field.size, ' ');
            ok = true;
        }
        break;
    case Kind::Latin1:
        if (text.size() <= field.size && std::all_of(text.cbegin(), text.cend(), [](QChar c) {
                return c.unicode() >= 0x20 && c.unicode() <= 0xFF;
            })) {
            out = text.toLatin1().leftJustified(field.size, '\0');
            ok = true;
        }
        break;
    case Kind::Date:
        if (text.trimmed().isEmpty() && keptDate.size() == fieldBytes(field)) {
            out = keptDate;
            ok = true;
        } else if (const auto bytes = hart::encodeDate(parseDate(text))) {
            out = *bytes;
            ok = true;
        }
        break;
    }
    if (!ok) return std::nullopt;
    return out;
}

QString CommandCodec::decodeField(const Field& field, const QByteArray& data, int offset) const
{
    switch (field.kind) {
    case Kind::U8:
    case Kind::Selector: return QString::number(quint8(data.at(offset)));
    case Kind::U16: return QString::number(hart::readUInt(data, offset, 2));
    case Kind::U24: return QString::number(hart::readUInt(data, offset, 3));
    case Kind::U32: return QString::number(hart::readUInt(data, offset, 4));
    case Kind::F32: return formatNumber(hart::readFloat(data, offset));
    case Kind::Current: return formatCurrent(hart::readFloat(data, offset));
    case Kind::Percent: return formatPercent(hart::readFloat(data, offset));
    case Kind::Measured: return formatMeasured(hart::readFloat(data, offset));
    case Kind::Unit: return names.unitName(quint8(data.at(offset)));
    case Kind::Function: return names.transferFunctionName(quint8(data.at(offset)));
    case Kind::Alarm: return names.alarmName(quint8(data.at(offset)));
    case Kind::WriteProtect: return names.writeProtectName(quint8(data.at(offset)));
    case Kind::Manufacturer: return names.manufacturerName(quint8(data.at(offset)));
    case Kind::Packed: {
        QString text = hart::unpackAscii(data, offset, fieldBytes(field));
        while (text.endsWith(u' '))
            text.chop(1);
        return text;
    }
    case Kind::Text:
    case Kind::Latin1: {
        QByteArray bytes = data.mid(offset, field.size);
        const int nul = bytes.indexOf('\0');
        if (nul >= 0) bytes.truncate(nul);
        // A device's text is one line of the reply: a line break or other control character in it
        // would shift every line after it.
        for (char& c : bytes)
            if (quint8(c) < 0x20 || (field.kind == Kind::Latin1 && quint8(c) >= 0x7F && quint8(c) < 0xA0)) c = ' ';
        if (field.kind == Kind::Text) return platform::fromCp1250(bytes).trimmed();
        QString text = QString::fromLatin1(bytes);
        while (text.endsWith(u' '))
            text.chop(1);
        return text;
    }
    case Kind::Date: {
        const QDate date = hart::decodeDate(data, offset);
        return date.isValid() ? formatDate(date) : QString();
    }
    }
    return {};
}

Encoded CommandCodec::encodeFields(const QList<Field>& layout, const QStringList& lines,
                                   const QByteArray& keptDate) const
{
    Encoded result;
    for (int i = 0; i < layout.size(); ++i) {
        const Field& field = layout[i];
        if (i >= lines.size() && field.optional) break;
        const QString text = i < lines.size() ? lines[i] : QString();
        const auto bytes = encodeField(field, text, keptDate);
        if (!bytes) return {false, invalid(field, text), {}};
        result.data += *bytes;
    }
    return result;
}

int CommandCodec::decodeFields(const QList<Field>& layout, const QByteArray& data, int offset, QStringList& lines,
                               bool* whole) const
{
    for (const Field& field : layout) {
        const int size = fieldBytes(field);
        if (offset + size > data.size()) {
            if (whole && !field.optional) *whole = false;
            break;
        }
        lines.append(decodeField(field, data, offset));
        offset += size;
    }
    return offset;
}

Encoded CommandCodec::encodeRequest(int command, const QStringList& fields, const QByteArray& keptDate) const
{
    if (command == 11) return encodeFields({{Kind::Packed, 8, "tag"}}, fields);
    const auto it = layouts().find(command);
    if (it == layouts().end()) return {}; // commands without a known layout carry no data
    return encodeFields(it->request, fields, keptDate);
}

std::optional<QStringList> CommandCodec::decodeIdentity(const QByteArray& data) const
{
    using namespace replylayout;
    const auto identity = hart::readIdentity(data);
    if (!identity) return std::nullopt;
    QStringList lines(identity::End - FirstDataLine);
    auto put = [&](identity::Line line, const QString& text) { lines[line - FirstDataLine] = text; };
    put(identity::Manufacturer, names.manufacturerName(identity->manufacturer));
    put(identity::DeviceType, names.deviceTypeName(identity->manufacturer, identity->deviceType));
    put(identity::Preambles, QString::number(quint8(data.at(3))));
    put(identity::UniversalRevision, QString::number(quint8(data.at(4))));
    put(identity::DeviceRevision, QString::number(quint8(data.at(5))));
    put(identity::SoftwareRevision, QString::number(quint8(data.at(6))));
    put(identity::HardwareRevision, QString::number(quint8(data.at(7)) >> 3));
    put(identity::Flags, QString::number(quint8(data.at(8))));
    put(identity::UniqueId, QString::number(hart::readUInt(data, 9, 3)));
    // Revision 6 and later add response preambles, device variables, change counter and extended status,
    // and the expanded device type follows them.
    static_assert(identity::ResponsePreambles == identity::End && identity::ExtendedStatus == identity::End + 3 &&
                  identity::ExpandedDeviceType == identity::ExtendedStatus + 1);
    bool whole = true;
    decodeFields({{Kind::U8}, {Kind::U8}, {Kind::U16}, {Kind::U8}}, data, 12, lines, &whole);
    if (whole && identity->universalRevision >= 6)
        lines.append(u"0x" + QString::number(identity->expandedDeviceType(), 16).rightJustified(4, u'0').toUpper());
    return lines;
}

std::optional<QStringList> CommandCodec::decodeReply(int command, const QByteArray& data) const
{
    if (command == 0 || command == 11) return decodeIdentity(data);
    QStringList lines;
    bool whole = true;
    if (command == 3) {
        // The loop current, then a unit and a value a variable.
        using namespace replylayout::dynamicVariables;
        static_assert(PvUnit == Current + 1 && Pv == PvUnit + 1 && SvUnit == Pv + 1 && Fv == FvUnit + 1 &&
                      End == Fv + 1);
        int offset = decodeFields({{Kind::Current}, {Kind::Unit}, {Kind::Measured}}, data, 0, lines, &whole);
        while (whole && offset + 5 <= data.size())
            offset = decodeFields({{Kind::Unit}, {Kind::Measured}}, data, offset, lines);
        return whole ? std::optional(lines) : std::nullopt;
    }
    const auto it = layouts().find(command);
    if (it == layouts().end()) return byteLines(data); // 48 and device-specific commands: a byte a line
    decodeFields(it->reply, data, 0, lines, &whole);
    return whole ? std::optional(lines) : std::nullopt;
}

Encoded CommandCodec::encodeTemplate(const TemplateToken& token, const QStringList& lines,
                                     const QByteArray& keptDate) const
{
    if (token.kind != u'R') {
        QList<Field> layout = token.fields;
        while (layout.size() < lines.size()) // lines without a type letter are bytes
            layout.append({Kind::U8, 0, "byte"});
        return encodeFields(layout, lines, keptDate);
    }
    Encoded result;
    for (int i = 0; i < token.fields.size(); ++i) {
        if (token.fields[i].kind != Kind::Selector) continue;
        const QString text = i < lines.size() ? lines[i] : QString();
        const auto bytes = encodeField(token.fields[i], text, {});
        if (!bytes) return {false, invalid(token.fields[i], text), {}};
        result.data += *bytes;
    }
    return result;
}

QStringList CommandCodec::decodeTemplate(const TemplateToken& token, const QByteArray& data) const
{
    QStringList lines;
    const int offset = decodeFields(token.fields, data, 0, lines);
    if (token.fields.isEmpty()) return byteLines(data, offset);
    return lines;
}

std::optional<QByteArray> CommandCodec::replyDate(int command, const std::optional<TemplateToken>& token,
                                                  const QByteArray& data) const
{
    const auto it = layouts().find(command);
    const QList<Field> layout = token ? token->fields : it != layouts().end() ? it->reply : QList<Field>();
    int offset = 0;
    for (const Field& field : layout) {
        const int size = fieldBytes(field);
        if (offset + size > data.size()) break;
        if (field.kind == Kind::Date) return data.mid(offset, size);
        offset += size;
    }
    return std::nullopt;
}

} // namespace codec
