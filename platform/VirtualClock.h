#pragma once
// A clock for tests: time stands still until a test advances it or waits, and then jumps from one
// armed timer to the next, firing each in due order. A 30-second device read takes milliseconds.
#include "platform/EventLoop.h"

#include <map>

namespace platform {

class VirtualClock final : public EventLoop {
public:
    // Installs itself as the program's event loop for its lifetime.
    VirtualClock();
    ~VirtualClock() override;

    void start(Timer& timer) override;
    void stop(Timer& timer) override;
    void processMessages() override;
    // Jumps to the next armed timer and fires it; waiting with nothing armed would never end and throws.
    void waitForEvents() override;
    qint64 nowMs() const override { return now; }

    // Fires every timer that falls due within the next ms milliseconds, then stands at now + ms.
    void advance(qint64 ms);
    // Runs timers until done() holds; false when it did not within limitMs of virtual time.
    bool runUntil(const std::function<bool()>& done, qint64 limitMs);
    bool isArmed(const Timer& timer) const;
    // Milliseconds until the timer fires, or -1 when it is not armed.
    qint64 dueIn(const Timer& timer) const;

private:
    struct Entry {
        qint64 due;
        quint64 order;
    };
    bool fireNext(qint64 until);

    std::map<Timer*, Entry> armed;
    qint64 now = 0;
    quint64 order = 0;
    EventLoop* previous = nullptr;
};

} // namespace platform
