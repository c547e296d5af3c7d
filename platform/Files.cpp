#include "platform/Files.h"
#include "platform/Texts.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
std::optional<qint64> writeFault;

constexpr mode_t SharedMode = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP;
constexpr QFileDevice::Permissions OthersPermissions =
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions SharedPermissions =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup;

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Drops the temporary file; the target stays as it was.
Result cancel(QSaveFile& file, const QString& why)
{
    file.cancelWriting();
    file.commit();
    return Result::failure(why);
}
} // namespace

void injectWriteFault(std::optional<qint64> failAfterBytes) { writeFault = failAfterBytes; }

Result writeWhole(QFileDevice& file, QByteArrayView bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.data() + done, bytes.size() - done);
        if (written <= 0) return Result::failure(file.errorString());
        done += written;
    }
    return Result::success();
}

QString fileNotWrittenText(const QString& path, const QString& reason)
{
    return texts().fileNotWritten.arg(path) + QStringLiteral("\r\n") + reason;
}

Result writeFileOrExplain(const QString& path, const QByteArray& bytes, NewFile newFile)
{
    Result written = writeFileAtomically(path, bytes, newFile);
    if (!written) written.error = fileNotWrittenText(path, written.error);
    return written;
}

Result writeFileAtomically(const QString& path, const QByteArray& bytes, NewFile newFile)
{
    const QFileInfo before(path);
    // Unbuffered: each write reaches the system at once, so its failure is seen where it happens, never
    // only in the flush inside commit(), which would put the short temporary file in the old one's place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return Result::failure(file.errorString());
    if (newFile == NewFile::Shared) {
        // Before anything is written into it, so its content is never readable by others.
        const auto mode = before.exists() ? before.permissions() & ~OthersPermissions : SharedPermissions;
        if (!file.setPermissions(mode)) return cancel(file, file.errorString());
    }
    if (writeFault) {
        // What reaches the disk before the failure lies in the temporary file only.
        file.write(bytes.left(*writeFault));
        return cancel(file, QStringLiteral("write failed after %1 bytes").arg(*writeFault));
    }
    if (const Result written = writeWhole(file, bytes); !written) return cancel(file, written.error);
    if (!file.flush()) return cancel(file, file.errorString());
    // A file system that reserves room late (a network share, a quota) reports a full disk only here.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) return cancel(file, systemError(errno));
    if (!file.commit()) return Result::failure(file.errorString());
    return Result::success();
}

Result createSharedFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, SharedMode);
    if (fd < 0) return errno == EEXIST ? Result::success() : Result::failure(systemError(errno));
    // The umask may have taken the group's write away: give it back before anybody uses the file.
    const bool shared = ::fchmod(fd, SharedMode) == 0;
    const int error = errno;
    ::close(fd);
    if (shared) return Result::success();
    ::unlink(name.constData());
    return Result::failure(systemError(error));
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
