#pragma once
// Configuration files: the current kind is one "HART30File" record of 3678 bytes; two older kinds
// are recognised when opening, a 1776-byte "HART20File" record with twenty fields and the oldest
// 230-byte "HART file" record, whose layout is unknown. A file is never trusted: only the bytes of
// the kind are read, and no length byte reaches beyond its field.
#include "config/TConfigRecord.h"

#include <QByteArray>
#include <optional>

namespace config {

enum class FileKind { Hart1, Hart2, Hart3 };

inline constexpr int Hart1RecordSize = 230;
inline constexpr int Hart2RecordSize = 1776;
// The most of a file that opening reads: the largest record.
inline constexpr int LargestRecordSize = RecordSize;

struct OpenedConfiguration {
    FileKind kind = FileKind::Hart3;
    // Hart3: the record as stored. Hart2: its twenty fields, everything else empty. Hart1: empty.
    TConfigRecord record;
};

// The kinds are tried oldest first, each on the file's first bytes; nothing when none matches.
std::optional<OpenedConfiguration> readConfiguration(const QByteArray& fileStart);

// The fields a HART20File carries, in its order.
const std::array<Field, 20>& hart2Fields();

} // namespace config
