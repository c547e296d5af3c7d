#pragma once
// A window timer as the sequencer knows it: an interval, an enabled flag and a handler that runs
// periodically while the timer is enabled. Changing the interval of an enabled timer restarts it;
// enabling an enabled timer changes nothing.
#include <functional>

namespace platform {

class Timer {
public:
    explicit Timer(int intervalMs = 1000, bool enabled = false);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int interval() const { return intervalMs; }
    void setInterval(int ms);
    bool isEnabled() const { return enabled; }
    void setEnabled(bool on);

    std::function<void()> OnTimer;

    // Called by the event loop when the interval has passed.
    void fire();
    // Counts how often the timer was armed; the loop uses it to see a re-arm inside the handler.
    unsigned armCount() const { return arms; }

private:
    void arm();

    int intervalMs;
    bool enabled = false;
    unsigned arms = 0;
};

} // namespace platform
