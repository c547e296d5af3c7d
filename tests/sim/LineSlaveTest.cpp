// The simulated devices at the far end of a serial line, on the virtual clock: the bytes of their
// replies, when the bytes leave, and what each kind of noise does to them.
#include "sim/LineSlave.h"

#include "hart/FrameReceiver.h"
#include "hart/HartFrame.h"
#include "hart/HartTiming.h"
#include "platform/VirtualClock.h"

#include <gtest/gtest.h>
#include <vector>

using namespace hart::timing;
using Kind = sim::LineNoise::Kind;

namespace {

const hart::Request ReadTag{hart::Address::longFrame(QByteArray::fromHex("2ed20a1b2c")), 13, {}};
const QByteArray Request = hart::encodeFrame(hart::requestFrame(ReadTag, true), 5);

struct Heard {
    qint64 atMs;
    QByteArray bytes;
};

class LineSlaveTest : public ::testing::Test {
protected:
    // Sends the master's bytes at time 0 and collects what comes back within 2 s.
    std::vector<Heard> exchange(sim::LineOptions options, const QByteArray& request = Request)
    {
        sim::LineSlave slave(devices, options);
        std::vector<Heard> heard;
        slave.transmit = [&](const QByteArray& bytes) { heard.push_back({clock.nowMs(), bytes}); };
        slave.receive(request);
        clock.advance(2000);
        return heard;
    }
    static QByteArray joined(const std::vector<Heard>& heard)
    {
        QByteArray all;
        for (const Heard& h : heard)
            all += h.bytes;
        return all;
    }
    // The frames in the bytes, in order.
    static std::vector<hart::FrameReceiver::Result> frames(const QByteArray& bytes)
    {
        hart::FrameReceiver receiver;
        std::vector<hart::FrameReceiver::Result> results;
        for (const char byte : bytes)
            if (auto result = receiver.take(quint8(byte))) results.push_back(*result);
        if (auto rest = receiver.silence()) results.push_back(*rest);
        return results;
    }
    static bool whole(const QByteArray& bytes)
    {
        for (const auto& result : frames(bytes))
            if (result.kind == hart::FrameReceiver::Result::Kind::Frame) return true;
        return false;
    }
    static sim::LineOptions noisy(Kind kind, bool realTime = true)
    {
        sim::LineOptions options;
        options.realTime = realTime;
        options.noise = {1.0, {kind}, 5};
        return options;
    }

    platform::VirtualClock clock;
    sim::SimBus devices{QString()};
};

TEST_F(LineSlaveTest, AtRealTimeTheReplyFollowsTheRequestACharacterAtATime)
{
    const auto heard = exchange({});
    const auto replies = frames(joined(heard));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].kind, hart::FrameReceiver::Result::Kind::Frame);
    EXPECT_EQ(replies[0].frame.type, hart::FrameType::Reply);
    EXPECT_TRUE(hart::answers(replies[0].frame, hart::requestFrame(ReadTag, true)));
    EXPECT_EQ(replies[0].bytes.left(6), QByteArray::fromHex("ffffffffff86")) << "the device's 5 preambles";
    EXPECT_EQ(heard.front().atMs, charactersMs(Request.size()) + charactersMs(TurnAroundCharacters));
    EXPECT_NEAR(double(heard.back().atMs - heard.front().atMs), (replies[0].bytes.size() - 1) * CharacterMs, 1.0)
        << "characters leave one by one";
}

TEST_F(LineSlaveTest, AFastLineAnswersAtOnceAndADamagedRequestGetsNoAnswer)
{
    sim::LineOptions fast;
    fast.realTime = false;
    const auto heard = exchange(fast);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].atMs, 0);
    QByteArray damaged = Request;
    damaged[damaged.size() - 2] = '\x55';
    EXPECT_TRUE(exchange(fast, damaged).empty());
}

TEST_F(LineSlaveTest, EachNoiseDoesWhatItSays)
{
    const QByteArray clean = joined(exchange({}));

    const QByteArray dropped = joined(exchange(noisy(Kind::Drop)));
    EXPECT_EQ(dropped.size(), clean.size() - 1);
    EXPECT_FALSE(whole(dropped));

    const QByteArray flipped = joined(exchange(noisy(Kind::Flip)));
    ASSERT_EQ(flipped.size(), clean.size());
    int differing = 0;
    for (qsizetype i = 0; i < clean.size(); ++i)
        if (flipped[i] != clean[i]) {
            ++differing;
            EXPECT_EQ(flipped[i], '\0') << "a character with a parity error arrives as NUL";
        }
    EXPECT_EQ(differing, 1);
    EXPECT_FALSE(whole(flipped));

    const auto late = exchange(noisy(Kind::Late));
    ASSERT_FALSE(late.empty());
    EXPECT_GT(late.front().atMs, charactersMs(Request.size() + RtsHoldCharacters + SecondaryReplyTimeoutCharacters))
        << "after any master's reply time-out";
    EXPECT_EQ(joined(late), clean);

    const auto burst = frames(joined(exchange(noisy(Kind::Burst))));
    ASSERT_EQ(burst.size(), 2u);
    EXPECT_EQ(burst[0].frame.type, hart::FrameType::Burst);
    EXPECT_EQ(burst[1].frame.type, hart::FrameType::Reply);
}

TEST_F(LineSlaveTest, ABusyDeviceDoesNotDoTheCommand)
{
    const QString before = devices.devices().front().config().message;
    const hart::Request write{ReadTag.address, 17, QByteArray(24, '\x20')};
    const auto replies =
        frames(joined(exchange(noisy(Kind::Busy), hart::encodeFrame(hart::requestFrame(write, true), 5))));
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].frame.responseCode, hart::rc::Busy);
    EXPECT_EQ(devices.devices().front().config().message, before);
}

TEST_F(LineSlaveTest, ADeviceInBurstModeSendsABurstFrameAfterEachReply)
{
    devices.answer({ReadTag.address, 109, QByteArray(1, '\x01')});
    const auto replies = frames(joined(exchange({})));
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_EQ(replies[0].frame.type, hart::FrameType::Reply);
    EXPECT_TRUE(replies[0].frame.burstMode);
    EXPECT_EQ(replies[1].frame.type, hart::FrameType::Burst);
    EXPECT_EQ(replies[1].frame.command, 1) << "the burst command";
}

} // namespace
