#pragma once
// The calling thread reaches files as an ordinary user would, for the life of the object. The tests run
// as root, whom permission bits do not stop: a read-only folder refuses nobody. Root's file-system
// identity is set to an unprivileged user and group, which also takes the thread's right to pass over
// permission bits away; the identity, and with it that right, is put back at the end. A process that is
// not root is an ordinary user already: nothing changes.
#include <sys/fsuid.h>
#include <sys/types.h>
#include <unistd.h>

namespace testing_support {

class UnprivilegedFileAccess {
public:
    // The identity of "nobody" on Linux: owns nothing, belongs to no group the tests use.
    static constexpr uid_t User = 65534;
    static constexpr gid_t Group = 65534;

    UnprivilegedFileAccess()
    {
        if (::geteuid() != 0) return;
        // The group first: a thread that is no longer root may not change it.
        savedGroup = gid_t(::setfsgid(Group));
        savedUser = uid_t(::setfsuid(User));
        changed = true;
    }
    ~UnprivilegedFileAccess()
    {
        if (!changed) return;
        ::setfsuid(savedUser);
        ::setfsgid(savedGroup);
    }
    UnprivilegedFileAccess(const UnprivilegedFileAccess&) = delete;
    UnprivilegedFileAccess& operator=(const UnprivilegedFileAccess&) = delete;

    // Whether files are reached as an ordinary user now (a test that relies on it asserts this first):
    // setfsuid reports no failure, so the identity in force is asked for (an invalid id changes nothing).
    bool active() const { return ::geteuid() != 0 || uid_t(::setfsuid(uid_t(-1))) == User; }

private:
    uid_t savedUser = 0;
    gid_t savedGroup = 0;
    bool changed = false;
};

} // namespace testing_support
