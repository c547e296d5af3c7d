// The master's rules over any wire: how often a transaction is tried, what is tried again, how a
// busy device is waited for, and that transactions take turns.
#include "transport/MasterBus.h"
#include "TransportTestSupport.h"

#include "platform/Timer.h"
#include "platform/VirtualClock.h"

#include <deque>
#include <gtest/gtest.h>

using namespace transport;
using namespace transporttest;

namespace {

// A wire that answers each try with the next scripted outcome, a millisecond later.
class ScriptedLine : public Line {
public:
    ScriptedLine()
    {
        later.OnTimer = [this] { answer(); };
    }
    void attempt(const hart::Request& request, std::function<void(const Attempt&)> done) override
    {
        tries.push_back({platform::eventLoop().nowMs(), request.command});
        pending = std::move(done);
        later.setInterval(1);
        later.setEnabled(true);
    }
    QString name() const override { return QStringLiteral("the scripted line"); }

    std::deque<Attempt> script;
    struct Try {
        qint64 atMs;
        int command;
    };
    std::vector<Try> tries;

private:
    void answer()
    {
        later.setEnabled(false);
        const Attempt next =
            script.empty() ? Attempt::failed(Attempt::Outcome::NoReply, QStringLiteral("silence")) : script.front();
        if (!script.empty()) script.pop_front();
        std::exchange(pending, nullptr)(next);
    }
    std::function<void(const Attempt&)> pending;
    platform::Timer later;
};

Attempt reply(quint8 code) { return Attempt::replied({code, 0, {}}); }
Attempt failed(Attempt::Outcome outcome) { return Attempt::failed(outcome, QStringLiteral("scripted")); }

struct RetryCase {
    const char* name;
    std::vector<Attempt> script;
    int tries;
    std::optional<int> code; // of the reply delivered; nothing: no reply
    bool scan = false;       // a scan of the loop: the address is asked once
};
void PrintTo(const RetryCase& c, std::ostream* os) { *os << c.name; }

class MasterRetries : public ::testing::TestWithParam<RetryCase> {};

TEST_P(MasterRetries, TriesAgainOnlyWhatMayComeRightNextTime)
{
    const auto& c = GetParam();
    platform::VirtualClock clock;
    LogCatcher log;
    ScriptedLine line;
    line.script.assign(c.script.begin(), c.script.end());
    MasterBus bus(line);
    const auto outcome = transact(bus, {hart::Address::shortFrame(0), 0, {}, c.scan});
    ASSERT_TRUE(clock.runUntil([&] { return outcome->done; }, 60000));
    EXPECT_EQ(int(line.tries.size()), c.tries);
    EXPECT_EQ(outcome->reply.has_value(), c.code.has_value());
    if (outcome->reply && c.code) {
        EXPECT_EQ(outcome->reply->responseCode, *c.code);
    }
    const bool emptyAddress = c.scan && !c.code;
    EXPECT_EQ(log.contains(QStringLiteral("command 0 to polling address 0 on the scripted line")),
              (!c.code || (*c.code & 0x80)) && !emptyAddress)
        << "a transaction without a valid reply, and only that (save a scan's empty address), leaves a line in the log";
}

using O = Attempt::Outcome;
INSTANTIATE_TEST_SUITE_P(
    Outcomes, MasterRetries,
    ::testing::Values(
        RetryCase{"a reply at once", {reply(0)}, 1, 0},
        RetryCase{"a command error is the device's answer", {reply(64)}, 1, 64},
        RetryCase{"silence, then a reply", {failed(O::NoReply), reply(0)}, 2, 0},
        RetryCase{"a broken frame, then a reply", {failed(O::Garbled), reply(0)}, 2, 0},
        RetryCase{"busy twice, then silence: busy repeats are no retries", {reply(32), reply(32)}, 6, std::nullopt},
        RetryCase{"a communication error reported, then a reply", {reply(0x88), reply(0)}, 2, 0},
        RetryCase{"silence four times: three retries", {}, 4, std::nullopt},
        RetryCase{"communication errors four times", {reply(0x82), reply(0x82), reply(0x82), reply(0x82)}, 4, 0x82},
        RetryCase{"a wire that is not there is not tried again", {failed(O::Unavailable)}, 1, std::nullopt},
        RetryCase{"a scan takes silence for an empty address", {}, 1, std::nullopt, true},
        RetryCase{
            "a scan tries a broken frame again: something is there", {failed(O::Garbled), reply(0)}, 2, 0, true}));

TEST(MasterBus, ABusyDeviceGetsTheSameCommandAgainAfterAShortWait)
{
    platform::VirtualClock clock;
    ScriptedLine line;
    line.script = {reply(hart::rc::Busy), reply(33), reply(34), reply(0)};
    MasterBus bus(line);
    const auto outcome = transact(bus, {hart::Address::shortFrame(0), 40, {}});
    ASSERT_TRUE(clock.runUntil([&] { return outcome->done; }, 60000));
    ASSERT_TRUE(outcome->reply);
    EXPECT_EQ(outcome->reply->responseCode, 0);
    ASSERT_EQ(line.tries.size(), 4u);
    for (size_t i = 1; i < line.tries.size(); ++i) {
        EXPECT_EQ(line.tries[i].command, 40);
        EXPECT_GE(line.tries[i].atMs - line.tries[i - 1].atMs, hart::timing::BusyWaitMs) << "no wait before try " << i;
    }
}

TEST(MasterBus, ADeviceBusyForTooLongGetsItsAnswerPassedOn)
{
    platform::VirtualClock clock;
    ScriptedLine line;
    line.script.assign(10, reply(hart::rc::Busy));
    MasterBus bus(line);
    const auto outcome = transact(bus, {hart::Address::shortFrame(0), 40, {}});
    ASSERT_TRUE(clock.runUntil([&] { return outcome->done; }, 60000));
    ASSERT_TRUE(outcome->reply);
    EXPECT_EQ(outcome->reply->responseCode, hart::rc::Busy);
    EXPECT_EQ(int(line.tries.size()), 1 + hart::timing::BusyRepeats);
}

TEST(MasterBus, TransactionsTakeTurnsInTheOrderTheyCame)
{
    platform::VirtualClock clock;
    ScriptedLine line;
    line.script = {failed(O::NoReply), reply(0), reply(0)};
    MasterBus bus(line);
    const auto first = transact(bus, {hart::Address::shortFrame(0), 1, {}});
    const auto second = transact(bus, {hart::Address::shortFrame(0), 2, {}});
    ASSERT_TRUE(clock.runUntil([&] { return second->done; }, 60000));
    ASSERT_EQ(line.tries.size(), 3u);
    EXPECT_EQ(line.tries[0].command, 1);
    EXPECT_EQ(line.tries[1].command, 1) << "the retry comes before the next command";
    EXPECT_EQ(line.tries[2].command, 2);
    EXPECT_LT(first->atMs, second->atMs);
}

} // namespace
