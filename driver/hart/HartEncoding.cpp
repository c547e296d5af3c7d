#include "hart/HartEncoding.h"

#include <cmath>
#include <cstring>

namespace hart {

void appendUInt(QByteArray& out, quint32 value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

quint32 readUInt(const QByteArray& data, int offset, int bytes)
{
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | quint8(data.at(offset + i));
    return value;
}

void appendFloat(QByteArray& out, float value)
{
    quint32 bits = NotUsedFloatBits;
    if (!std::isnan(value)) std::memcpy(&bits, &value, sizeof bits);
    appendUInt(out, bits, 4);
}

float readFloat(const QByteArray& data, int offset)
{
    const quint32 bits = readUInt(data, offset, 4);
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool isPackable(QChar c)
{
    const char16_t u = c.toUpper().unicode();
    return u >= 0x20 && u <= 0x5F;
}

std::optional<QByteArray> packAscii(const QString& text, int characters)
{
    if (text.size() > characters || characters % 4 != 0) return std::nullopt;
    const QString padded = text.toUpper().leftJustified(characters, u' ');
    QByteArray out;
    for (int i = 0; i < characters; i += 4) {
        quint32 group = 0;
        for (int j = 0; j < 4; ++j) {
            const QChar c = padded.at(i + j);
            if (!isPackable(c)) return std::nullopt;
            group = (group << 6) | (c.unicode() & 0x3F);
        }
        appendUInt(out, group, 3);
    }
    return out;
}

QString unpackAscii(const QByteArray& data, int offset, int bytes)
{
    QString text;
    for (int i = 0; i + 3 <= bytes; i += 3) {
        const quint32 group = readUInt(data, offset + i, 3);
        for (int j = 3; j >= 0; --j) {
            quint8 c = (group >> (6 * j)) & 0x3F;
            if (!(c & 0x20)) c |= 0x40; // bit 6 is the inverse of bit 5
            text.append(QChar(char16_t(c)));
        }
    }
    return text;
}

std::optional<QByteArray> encodeDate(const QDate& date)
{
    if (!date.isValid() || date.year() < 1900 || date.year() > 2155) return std::nullopt;
    QByteArray out;
    out.append(char(date.day()));
    out.append(char(date.month()));
    out.append(char(date.year() - 1900));
    return out;
}

QDate decodeDate(const QByteArray& data, int offset)
{
    return QDate(1900 + quint8(data.at(offset + 2)), quint8(data.at(offset + 1)), quint8(data.at(offset)));
}

} // namespace hart
