#pragma once
// Sets the process's umask for the lifetime of the object and puts the old one back.
#include <sys/stat.h>

namespace testing_support {

class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : saved(::umask(mask)) {}
    ~ScopedUmask() { ::umask(saved); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

private:
    mode_t saved;
};

} // namespace testing_support
