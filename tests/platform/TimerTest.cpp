#include "platform/Timer.h"
#include "platform/VirtualClock.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(Timer, FiresPeriodicallyWhileEnabled)
{
    platform::VirtualClock clock;
    platform::Timer timer(100);
    std::vector<qint64> fired;
    timer.OnTimer = [&] { fired.push_back(clock.nowMs()); };
    clock.advance(500);
    EXPECT_TRUE(fired.empty()) << "a disabled timer fired";
    timer.setEnabled(true);
    clock.advance(350);
    EXPECT_EQ(fired, (std::vector<qint64>{600, 700, 800}));
    timer.setEnabled(false);
    clock.advance(1000);
    EXPECT_EQ(fired.size(), 3u);
}

TEST(Timer, ChangingTheIntervalRestartsButEnablingAgainDoesNot)
{
    platform::VirtualClock clock;
    platform::Timer timer(1000, true);
    clock.advance(600);
    timer.setEnabled(true); // already enabled: keeps its due time
    EXPECT_EQ(clock.dueIn(timer), 400);
    timer.setInterval(1000); // same interval: nothing changes
    EXPECT_EQ(clock.dueIn(timer), 400);
    timer.setInterval(300);
    EXPECT_EQ(clock.dueIn(timer), 300);
    timer.setEnabled(false);
    timer.setInterval(50); // disabled: stays off
    EXPECT_FALSE(clock.isArmed(timer));
}

TEST(Timer, AHandlerThatDisablesItselfOrReArmsIsRespected)
{
    platform::VirtualClock clock;
    platform::Timer once(100, true);
    int onceCount = 0;
    once.OnTimer = [&] {
        ++onceCount;
        once.setEnabled(false);
    };
    platform::Timer growing(100, true);
    std::vector<qint64> grown;
    growing.OnTimer = [&] {
        grown.push_back(clock.nowMs());
        growing.setInterval(growing.interval() + 20);
    };
    clock.advance(400);
    EXPECT_EQ(onceCount, 1);
    EXPECT_EQ(grown, (std::vector<qint64>{100, 220, 360}));
}

TEST(Timer, TimersDueAtTheSameTimeFireInArmingOrder)
{
    platform::VirtualClock clock;
    std::vector<char> order;
    platform::Timer a(100), b(100);
    a.OnTimer = [&] {
        order.push_back('a');
        a.setEnabled(false);
    };
    b.OnTimer = [&] {
        order.push_back('b');
        b.setEnabled(false);
    };
    b.setEnabled(true);
    a.setEnabled(true);
    clock.advance(100);
    EXPECT_EQ(order, (std::vector<char>{'b', 'a'}));
}

TEST(VirtualClock, RunUntilStopsAtTheConditionOrTheLimit)
{
    platform::VirtualClock clock;
    platform::Timer timer(250, true);
    int ticks = 0;
    timer.OnTimer = [&] { ++ticks; };
    EXPECT_TRUE(clock.runUntil([&] { return ticks == 4; }, 10000));
    EXPECT_EQ(clock.nowMs(), 1000);
    EXPECT_FALSE(clock.runUntil([] { return false; }, 600));
    EXPECT_EQ(clock.nowMs(), 1600);
}

TEST(VirtualClock, WaitingWithNothingArmedThrowsInsteadOfHanging)
{
    platform::VirtualClock clock;
    EXPECT_THROW(platform::waitUntil([] { return false; }), std::logic_error);
}

TEST(VirtualClock, WaitForSleepsOnTheClock)
{
    platform::VirtualClock clock;
    platform::waitFor(750);
    EXPECT_EQ(clock.nowMs(), 750);
}

} // namespace
