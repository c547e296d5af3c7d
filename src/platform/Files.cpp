#include "platform/Files.h"

#include <QFile>
#include <QSaveFile>

namespace platform {

namespace {
std::optional<qint64> writeFault;
} // namespace

void injectWriteFault(std::optional<qint64> failAfterBytes) { writeFault = failAfterBytes; }

Result writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return Result::failure(file.errorString());
    if (writeFault) {
        // What reaches the disk before the failure lies in the temporary file only.
        file.write(bytes.left(*writeFault));
        file.cancelWriting();
        file.commit();
        return Result::failure(QStringLiteral("write failed after %1 bytes").arg(*writeFault));
    }
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        file.commit();
        return Result::failure(why);
    }
    if (!file.commit()) return Result::failure(file.errorString());
    return Result::success();
}

std::optional<QByteArray> readFileStart(const QString& path, qint64 maxBytes, QString* why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (why) *why = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) {
        if (why) *why = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

} // namespace platform
