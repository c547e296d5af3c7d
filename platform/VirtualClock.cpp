#include "platform/VirtualClock.h"

#include "platform/Timer.h"

#include <stdexcept>

namespace platform {

VirtualClock::VirtualClock() : previous(&eventLoop()) { setEventLoop(this); }

VirtualClock::~VirtualClock() { setEventLoop(previous == this ? nullptr : previous); }

void VirtualClock::start(Timer& timer) { armed[&timer] = {now + timer.interval(), order++}; }

void VirtualClock::stop(Timer& timer) { armed.erase(&timer); }

bool VirtualClock::isArmed(const Timer& timer) const { return armed.count(const_cast<Timer*>(&timer)) != 0; }

qint64 VirtualClock::dueIn(const Timer& timer) const
{
    auto it = armed.find(const_cast<Timer*>(&timer));
    return it == armed.end() ? -1 : it->second.due - now;
}

bool VirtualClock::fireNext(qint64 until)
{
    auto next = armed.end();
    for (auto it = armed.begin(); it != armed.end(); ++it) {
        if (next == armed.end() || it->second.due < next->second.due ||
            (it->second.due == next->second.due && it->second.order < next->second.order))
            next = it;
    }
    if (next == armed.end() || next->second.due > until) return false;
    Timer* timer = next->first;
    const qint64 due = next->second.due;
    armed.erase(next);
    now = std::max(now, due);
    const unsigned armsBefore = timer->armCount();
    timer->fire();
    // Periodic, unless the handler stopped or re-armed it.
    if (timer->isEnabled() && timer->armCount() == armsBefore && !armed.count(timer) && timer->interval() > 0)
        armed[timer] = {due + timer->interval(), order++};
    return true;
}

void VirtualClock::processMessages()
{
    while (fireNext(now)) {
    }
}

void VirtualClock::waitForEvents()
{
    if (!fireNext(std::numeric_limits<qint64>::max()))
        throw std::logic_error("waiting for events, but no timer is armed: the wait would never end");
}

void VirtualClock::advance(qint64 ms)
{
    const qint64 until = now + ms;
    while (fireNext(until)) {
    }
    now = until;
}

bool VirtualClock::runUntil(const std::function<bool()>& done, qint64 limitMs)
{
    const qint64 until = now + limitMs;
    while (!done()) {
        if (!fireNext(until)) {
            now = until;
            return done();
        }
    }
    return true;
}

} // namespace platform
