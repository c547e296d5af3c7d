#pragma once
// What every harness shares: the input cut into parts, and a private folder for the parsers that read
// files by name. A harness sees the bytes a file, a driver or a device could send, nothing more.
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace fuzzing {

// The input as bytes.
inline QByteArray bytesOf(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// The input cut at NUL bytes into at most `count` parts, the last one taking the rest; a part the input
// lacks is empty. Files and texts keep NUL bytes in their last part.
QList<QByteArray> parts(const QByteArray& input, int count);

// A folder of this process's own, made once (removed at exit).
QString folder();

// Writes bytes into the folder under `name` and returns the file's path.
QString writeFile(const QString& name, const QByteArray& bytes);

// Writes bytes to a path of the harness's choice, making its folder.
void writePath(const QString& path, const QByteArray& bytes);

// Copies a file shipped in data/ into the folder, once; returns its path there.
QString shippedFile(const QString& name);

} // namespace fuzzing
