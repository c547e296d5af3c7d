#include "platform/EventLoop.h"

#include "platform/QtEventLoop.h"
#include "platform/Timer.h"

namespace platform {

namespace {
EventLoop* installed = nullptr;

EventLoop& qtLoop()
{
    static QtEventLoop loop;
    return loop;
}
} // namespace

EventLoop& eventLoop() { return installed ? *installed : qtLoop(); }

void setEventLoop(EventLoop* loop) { installed = loop; }

void processMessages() { eventLoop().processMessages(); }

void waitUntil(const std::function<bool()>& done)
{
    while (!done())
        eventLoop().waitForEvents();
}

bool waitUntil(const std::function<bool()>& done, int limitMs)
{
    bool elapsed = false;
    Timer timer(limitMs);
    timer.OnTimer = [&] {
        elapsed = true;
        timer.setEnabled(false);
    };
    timer.setEnabled(true);
    waitUntil([&] { return elapsed || done(); });
    return done();
}

void waitFor(int ms)
{
    waitUntil([] { return false; }, ms);
}

} // namespace platform
