#pragma once
// The program's clock and message loop. Every timer and every "wait until ..." goes through the
// current EventLoop: in the program it is Qt's event loop (a wait sleeps until the next event),
// in tests a VirtualClock that jumps from one timer to the next.
#include <QtGlobal>
#include <functional>

namespace platform {

class Timer;

class EventLoop {
public:
    virtual ~EventLoop() = default;
    // Arms the timer to fire after its interval (restarting it when it was armed already).
    virtual void start(Timer& timer) = 0;
    virtual void stop(Timer& timer) = 0;
    // Handles what is pending now without waiting.
    virtual void processMessages() = 0;
    // Sleeps until at least one event happened and handles it.
    virtual void waitForEvents() = 0;
    // Milliseconds on a monotonic clock.
    virtual qint64 nowMs() const = 0;
};

// The loop in use; the Qt loop unless a test installed another one.
EventLoop& eventLoop();
// Installs a loop (nullptr goes back to the Qt loop). Timers armed on the old loop must be stopped first.
void setEventLoop(EventLoop* loop);

void processMessages();
// Handles events, sleeping between them, until done() holds.
void waitUntil(const std::function<bool()>& done);
// The same, giving up after limitMs; false when done() did not come to hold.
bool waitUntil(const std::function<bool()>& done, int limitMs);
// Handles events for the given time, sleeping between them.
void waitFor(int ms);

} // namespace platform
