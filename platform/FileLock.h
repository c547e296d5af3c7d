#pragma once
// An advisory lock on a shared file, taken with flock(2) on the file itself and released when the
// object goes (or the program ends, however it ends). Programs that record into one shared file take
// it around their read-modify-append, so that they never interleave. The lock is on the file, not on
// a lock file beside it: nothing stale is left in a shared folder, and the descriptor that holds the
// lock is the one the holder reads and writes through, so a file replaced by another program in the
// meantime can never be written unlocked.
#include "platform/Result.h"

#include <QFile>
#include <QString>
#include <QtGlobal>

namespace platform {

// What a file is, so that a reader can tell a file that grew from one that was replaced.
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
};

class FileLock {
public:
    enum class Mode { Shared, Exclusive };
    enum class Create { IfMissing, Never };

    FileLock() = default;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // Waits until the lock is granted. Create::IfMissing makes a missing file shared by its owner and
    // group (NewFile::Shared): the files locked are those all users of one location record into. A failure carries the
    // platform's words; a missing file with Create::Never is a failure too, and missing() tells it apart. On a file
    // system that has no locks the file is opened all the same, unlocked.
    Result acquire(const QString& path, Mode mode, Create create);
    void release();

    bool missing() const { return wasMissing; }

    // The locked file as it is now (its size may have changed while the lock was waited for).
    FileIdentity identity() const;
    // Opens file on the locked descriptor (unbuffered); the descriptor stays the lock's.
    bool open(QFile& file, QIODevice::OpenMode mode) const;

private:
    int fd = -1;
    bool wasMissing = false;
};

} // namespace platform
