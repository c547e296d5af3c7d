#include "platform/FileLock.h"

#include "platform/Files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace {

QString lastError() { return QString::fromLocal8Bit(std::strerror(errno)); }

} // namespace

FileLock::FileLock(FileLock&& other) noexcept : fd(std::exchange(other.fd, -1)), wasMissing(other.wasMissing) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept
{
    if (this != &other) {
        release();
        fd = std::exchange(other.fd, -1);
        wasMissing = other.wasMissing;
    }
    return *this;
}

FileLock::~FileLock() { release(); }

void FileLock::release()
{
    if (fd < 0) return;
    ::close(fd); // closing the last descriptor of the open file releases its flock
    fd = -1;
}

Result FileLock::acquire(const QString& path, Mode mode, Create create)
{
    release();
    wasMissing = false;
    const QByteArray name = QFile::encodeName(path);
    int flags = O_CLOEXEC | (mode == Mode::Exclusive ? O_RDWR : O_RDONLY);
    if (create == Create::IfMissing) flags |= O_CREAT;
    // Another program may replace the file between our open and our lock: then the lock we hold is on
    // a file nobody else will look at, so open the new one and lock again.
    for (;;) {
        if (create == Create::IfMissing)
            if (const Result made = createSharedFile(path); !made) return made;
        const int handle = ::open(name.constData(), flags, S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP);
        if (handle < 0) {
            wasMissing = errno == ENOENT;
            return Result::failure(lastError());
        }
        int locked;
        do {
            locked = ::flock(handle, mode == Mode::Exclusive ? LOCK_EX : LOCK_SH);
        } while (locked != 0 && errno == EINTR);
        // A file system that cannot lock (some network shares) leaves the file as shared as it always
        // was: better an unlocked recording than none.
        if (locked != 0 && errno != ENOLCK && errno != EOPNOTSUPP && errno != ENOSYS) {
            const QString why = lastError();
            ::close(handle);
            return Result::failure(why);
        }
        struct stat held {
        }, named{};
        if (::fstat(handle, &held) != 0) {
            const QString why = lastError();
            ::close(handle);
            return Result::failure(why);
        }
        if (::stat(name.constData(), &named) == 0) {
            if (named.st_dev == held.st_dev && named.st_ino == held.st_ino) {
                fd = handle;
                return Result::success();
            }
            ::close(handle);
            continue;
        }
        const int error = errno;
        ::close(handle);
        if (error != ENOENT || create == Create::Never) {
            wasMissing = error == ENOENT;
            return Result::failure(QString::fromLocal8Bit(std::strerror(error)));
        }
    }
}

FileIdentity FileLock::identity() const
{
    struct stat held {};
    if (fd < 0 || ::fstat(fd, &held) != 0) return {};
    return {quint64(held.st_dev), quint64(held.st_ino), qint64(held.st_size)};
}

bool FileLock::open(QFile& file, QIODevice::OpenMode mode) const
{
    return fd >= 0 && file.open(fd, mode | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
}

} // namespace platform
