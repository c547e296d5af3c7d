#pragma once
// The byte forms of HART values: big-endian integers and IEEE floats, packed ASCII, dates.
#include <QByteArray>
#include <QDate>
#include <QString>
#include <optional>

namespace hart {

void appendUInt(QByteArray& out, quint32 value, int bytes);
quint32 readUInt(const QByteArray& data, int offset, int bytes);

// The "not used" value. A NaN of any kind goes out as this one, so a value read as not used is written
// back as it came.
inline constexpr quint32 NotUsedFloatBits = 0x7FA00000;
void appendFloat(QByteArray& out, float value);
float readFloat(const QByteArray& data, int offset);

// The characters packed ASCII can carry (after conversion to upper case).
bool isPackable(QChar c);
// Packs text of `characters` characters (a multiple of 4), padded with blanks. Nothing when a
// character cannot be packed or the text is too long.
std::optional<QByteArray> packAscii(const QString& text, int characters);
QString unpackAscii(const QByteArray& data, int offset, int bytes);

// Day, month, year - 1900. Nothing for a date outside 1900..2155.
std::optional<QByteArray> encodeDate(const QDate& date);
QDate decodeDate(const QByteArray& data, int offset);

} // namespace hart
