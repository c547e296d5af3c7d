#pragma once
// Turns the data fields of a command text into HART request data, and HART reply data into the
// data lines of a reply text: one field a line, in the order of the HART reply, numbers plain
// (the on-line values of commands 1, 2 and 3 rounded for reading), codes as names. Every command
// the program sends has its layout here; an extended template brings its own layout in its
// command token (see TemplateToken).
#include "codec/NameTables.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

namespace codec {

enum class Kind {
    U8,
    U16,
    U24,
    U32,
    F32,      // a configuration value, written exactly
    Current,  // on-line: loop current in mA
    Percent,  // on-line: percent of range
    Measured, // on-line: a process variable
    Unit,
    Function,
    Alarm,
    WriteProtect,
    Manufacturer,
    Packed, // packed ASCII, `size` characters
    Text,   // plain Windows-1250 text, `size` bytes, blank-padded
    Latin1, // ISO Latin-1 text, `size` bytes, padded with NUL bytes
    Date,
    Selector, // a byte that a read command sends and the reply repeats
};

struct Field {
    Kind kind;
    int size = 0;
    const char* name = "";
    bool optional = false;
};

struct Encoded {
    bool ok = true;
    QString error; // the text for line 2 when not ok
    QByteArray data;
};

// The longest text line of an extended template: A<n> characters, S<n> bytes.
inline constexpr int MaxTextFieldSize = 128;

// The command token of an extended template: a kind letter, three digits, then one type letter
// per data line (B byte, K selector byte, I 16-bit, M 24-bit, L 32-bit integer, F float, D date,
// U unit, T transfer function, A<n> packed ASCII of n characters, S<n> plain text of n bytes).
struct TemplateToken {
    QChar kind; // R reads: only the K lines go into the request
    int command = 0;
    QList<Field> fields;
};
std::optional<TemplateToken> parseTemplateToken(const QString& token);

class CommandCodec {
public:
    explicit CommandCodec(const NameTables& names) : names(names) {}

    // keptDate: the bytes an empty date stands for, the device's own date that is no calendar date (a
    // device nobody dated shows no date, and a write keeps it as it is); without them an empty date is refused.
    Encoded encodeRequest(int command, const QStringList& fields, const QByteArray& keptDate = {}) const;
    // Nothing when the data is too short for the command's fields (an identity that cannot be read,
    // command 3 without its first variable): such a reply is no valid reply.
    std::optional<QStringList> decodeReply(int command, const QByteArray& data) const;

    Encoded encodeTemplate(const TemplateToken& token, const QStringList& lines, const QByteArray& keptDate = {}) const;
    QStringList decodeTemplate(const TemplateToken& token, const QByteArray& data) const;

    // The bytes of the first date a reply of the command (or template) carries; nothing when it has none.
    std::optional<QByteArray> replyDate(int command, const std::optional<TemplateToken>& token,
                                        const QByteArray& data) const;

    // The identity fields of a command 0 or 11 reply; nothing when it holds no identity.
    std::optional<QStringList> decodeIdentity(const QByteArray& data) const;

private:
    Encoded encodeFields(const QList<Field>& layout, const QStringList& lines, const QByteArray& keptDate = {}) const;
    // Appends one line per field that fits in the data; returns the offset after the last one. Clears
    // whole when a field that is not optional did not fit.
    int decodeFields(const QList<Field>& layout, const QByteArray& data, int offset, QStringList& lines,
                     bool* whole = nullptr) const;
    std::optional<QByteArray> encodeField(const Field& field, const QString& text, const QByteArray& keptDate) const;
    QString decodeField(const Field& field, const QByteArray& data, int offset) const;

    const NameTables& names;
};

int fieldBytes(const Field& field);

} // namespace codec
