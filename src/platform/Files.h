#pragma once
// Whole files written so that they are never half-written (a temporary file beside the target,
// flushed, then renamed over it), and the beginning of files read without trusting their size.
#include "platform/Result.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform {

// Replaces (or creates) the file with exactly these bytes. On failure the old file stays as it was;
// the result carries the platform's reason.
Result writeFileAtomically(const QString& path, const QByteArray& bytes);

// At most maxBytes from the start of the file; nothing when it cannot be opened or read (why, when
// given, receives the platform's reason).
std::optional<QByteArray> readFileStart(const QString& path, qint64 maxBytes, QString* why = nullptr);

// For tests: the next writes fail after this many bytes, as a full disk or a crash would leave them
// (nothing: no failure).
void injectWriteFault(std::optional<qint64> failAfterBytes);

} // namespace platform
