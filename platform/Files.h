#pragma once
// Whole files written so that they are never half-written (a temporary file beside the target,
// every write and the flush checked, then renamed over it), records written into shared files
// whole or not at all, and the beginning of files read without trusting their size.
#include "platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFileDevice>
#include <QString>
#include <optional>

namespace platform {

// How a file is made when it is created. Shared: a file that the users of one machine share (the users
// file, the history files), read and written by its owner and its group and by nobody else, whatever
// the umask.
enum class NewFile { Default, Shared };

// Replaces (or creates) the file with exactly these bytes. On failure the old file stays as it was;
// the result carries the platform's reason. A replaced file keeps its mode; a Shared one loses what
// others were allowed.
Result writeFileAtomically(const QString& path, const QByteArray& bytes, NewFile newFile = NewFile::Default);

// What the user is told of a file that could not be written: its path, then the platform's reason.
QString fileNotWrittenText(const QString& path, const QString& reason);
// writeFileAtomically, its failure told as fileNotWrittenText says.
Result writeFileOrExplain(const QString& path, const QByteArray& bytes, NewFile newFile = NewFile::Default);

// Creates the file empty and Shared when it is missing; a file that is there keeps its mode.
Result createSharedFile(const QString& path);

// Writes all the bytes at the file's position, however many calls the system takes for them. A write
// cut short says nothing of why; the call after it does, so the failure carries the platform's reason.
Result writeWhole(QFileDevice& file, QByteArrayView bytes);

// At most maxBytes from the start of the file; nothing when it cannot be opened or read (why, when
// given, receives the platform's reason).
std::optional<QByteArray> readFileStart(const QString& path, qint64 maxBytes, QString* why = nullptr);

// For tests: the next writes fail after this many bytes, as a full disk or a crash would leave them
// (nothing: no failure).
void injectWriteFault(std::optional<qint64> failAfterBytes);

} // namespace platform
