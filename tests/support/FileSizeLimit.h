#pragma once
// A limit on the size of the files this process writes, for the life of the object: a write past it
// fails with EFBIG, as one on a full disk fails with ENOSPC, through every layer a real failure goes
// through (buffers, flushes, renames). SIGXFSZ, which would end the process, is ignored meanwhile; the
// limit and the signal's disposition are both put back at the end.
#include <QString>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace testing_support {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ignoring = ::sigaction(SIGXFSZ, &ignore, &savedAction) == 0;
        if (!ignoring || ::getrlimit(RLIMIT_FSIZE, &saved) != 0) return;
        rlimit limited = saved;
        limited.rlim_cur = saved.rlim_cur == RLIM_INFINITY ? bytes : std::min(bytes, saved.rlim_cur);
        limiting = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        if (limiting) ::setrlimit(RLIMIT_FSIZE, &saved);
        if (ignoring) ::sigaction(SIGXFSZ, &savedAction, nullptr);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // Whether the limit is in force (a test that relies on it asserts this first).
    bool active() const { return limiting; }
    // What the platform says of a write past the limit.
    static QString reason() { return QString::fromLocal8Bit(std::strerror(EFBIG)); }

private:
    rlimit saved{};
    struct sigaction savedAction {};
    bool ignoring = false;
    bool limiting = false;
};

} // namespace testing_support
