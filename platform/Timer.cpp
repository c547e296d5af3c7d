#include "platform/Timer.h"

#include "platform/EventLoop.h"

namespace platform {

Timer::Timer(int intervalMs, bool enabled) : intervalMs(intervalMs) { setEnabled(enabled); }

Timer::~Timer()
{
    if (enabled) eventLoop().stop(*this);
}

void Timer::setInterval(int ms)
{
    if (ms == intervalMs) return;
    intervalMs = ms;
    if (enabled) arm();
}

void Timer::setEnabled(bool on)
{
    if (on == enabled) return;
    enabled = on;
    if (on)
        arm();
    else
        eventLoop().stop(*this);
}

void Timer::arm()
{
    ++arms;
    if (intervalMs > 0)
        eventLoop().start(*this);
    else
        eventLoop().stop(*this); // a zero interval never fires, as with window timers
}

void Timer::fire()
{
    if (enabled && OnTimer) OnTimer();
}

} // namespace platform
