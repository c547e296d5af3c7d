// One try at a transaction on a serial line, against a port the test plays the far end of, on the
// virtual clock: RTS around the frame, the preambles, the reply and gap time-outs, what is ignored,
// and a port that goes away and comes back.
#include "transport/SerialLine.h"
#include "TransportTestSupport.h"

#include "hart/HartFrame.h"
#include "hart/HartTiming.h"
#include "platform/VirtualClock.h"

#include <gtest/gtest.h>

using namespace transport;
using namespace transporttest;
using namespace hart::timing;

namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

const QByteArray LongAddress = hex("2ed20a1b2c");
const hart::Request Identify{hart::Address::shortFrame(0), 0, {}};
const hart::Request ReadTag{hart::Address::longFrame(LongAddress), 13, {}};

// The pressure transmitter's identity, asking for `preambles`.
QByteArray identity(int preambles)
{
    QByteArray data = hex("fe6ed2000503040800"
                          "0a1b2c");
    data[3] = char(preambles);
    return data;
}

// A device's reply to a request on the line, with its preambles.
QByteArray replyTo(const hart::Request& request, const QByteArray& data = {}, int preambles = 5, bool primary = true)
{
    hart::Frame frame = hart::replyFrame(hart::requestFrame(request, primary), {0, 0, data}, false);
    return hart::encodeFrame(frame, preambles);
}

class SerialLineTest : public ::testing::Test {
protected:
    SerialLineTest()
    {
        trace.sink = [this](const QString& line) { traced << line; };
    }

    std::unique_ptr<SerialLine> makeLine(SerialOptions options = {})
    {
        return std::make_unique<SerialLine>(port, options, trace);
    }
    // The time at which the frame of the last write has left, RTS dropped.
    qint64 frameLeftAt() const
    {
        const auto& write = port.events[writeIndex()];
        return write.atMs + charactersMs(write.bytes.size() + RtsHoldCharacters);
    }
    size_t writeIndex() const
    {
        for (size_t i = port.events.size(); i-- > 0;)
            if (port.events[i].what == QLatin1String("write")) return i;
        return 0;
    }
    void runUntilFrameLeft() { clock.advance(frameLeftAt() - clock.nowMs()); }

    platform::VirtualClock clock;
    LogCatcher log;
    FakePort port;
    WireTrace trace;
    QStringList traced;
};

TEST_F(SerialLineTest, RtsIsUpWhileTheFrameIsOnTheLineAndTheReplyIsTakenAfter)
{
    const auto line = makeLine();
    const auto outcome = attempt(*line, Identify);
    EXPECT_EQ(port.whats(), (QStringList{QStringLiteral("open"), QStringLiteral("rts on"), QStringLiteral("write")}));
    ASSERT_EQ(port.written.size(), 1u);
    EXPECT_EQ(port.written[0], QByteArray(20, char(0xFF)) + hex("0280000082")) << "20 preambles for command 0";

    clock.advance(frameLeftAt() - clock.nowMs() - 1);
    EXPECT_EQ(port.whats().last(), QStringLiteral("write")) << "RTS dropped while the frame was on the line";
    clock.advance(1);
    EXPECT_EQ(port.whats().last(), QStringLiteral("rts off"));

    port.deliver(replyTo(Identify, identity(5)));
    clock.advance(1);
    ASSERT_TRUE(outcome->done);
    EXPECT_EQ(outcome->attempt.outcome, Attempt::Outcome::Reply);
    EXPECT_EQ(outcome->attempt.reply.data, identity(5));
    EXPECT_TRUE(traced.first().contains(QStringLiteral(" tx FF FF FF"))) << traced.join(u'\n').toStdString();
    EXPECT_TRUE(traced.last().contains(QStringLiteral(" rx FF FF FF FF FF 06 80")));
}

TEST_F(SerialLineTest, LongFramesCarryThePreamblesTheDeviceAskedForAtLeastFive)
{
    const std::pair<int, int> cases[] = {{3, 5}, {5, 5}, {7, 7}, {25, 20}};
    for (const auto& [asked, sent] : cases) {
        const auto line = makeLine();
        EXPECT_EQ(line->preamblesFor(ReadTag), IdentifyPreambles) << "a device that has not said what it needs";
        attempt(*line, Identify);
        runUntilFrameLeft();
        port.deliver(replyTo(Identify, identity(asked)));
        clock.advance(SerialLine::gapTimeoutMs()); // the line quiet again
        attempt(*line, ReadTag);
        const QByteArray frame = port.written.back();
        EXPECT_EQ(frame.left(sent), QByteArray(sent, char(0xFF))) << asked;
        EXPECT_EQ(quint8(frame.at(sent)), 0x82) << asked << " asked: " << sent << " sent";
        EXPECT_EQ(line->preamblesFor(Identify), IdentifyPreambles);
        runUntilFrameLeft();
        port.deliver(replyTo(ReadTag));
    }
}

TEST_F(SerialLineTest, EachMasterWaitsItsOwnReplyTimeOut)
{
    // A reply beginning 37 character times after the request's end: late for a primary master.
    for (const bool primary : {true, false}) {
        const auto line = makeLine({primary, true});
        const auto outcome = attempt(*line, ReadTag);
        runUntilFrameLeft();
        const qint64 left = clock.nowMs();
        clock.advance(charactersMs(37));
        port.deliver(replyTo(ReadTag, {}, 5, primary));
        clock.advance(1);
        ASSERT_TRUE(outcome->done);
        if (primary) {
            EXPECT_EQ(outcome->attempt.outcome, Attempt::Outcome::NoReply);
            EXPECT_EQ(outcome->atMs - left, charactersMs(PrimaryReplyTimeoutCharacters));
        } else {
            EXPECT_EQ(outcome->attempt.outcome, Attempt::Outcome::Reply);
        }
        clock.advance(1000);
    }
}

TEST_F(SerialLineTest, AGapLongerThanTheLimitBreaksTheReply)
{
    const QByteArray reply = replyTo(ReadTag, hex("514b72c35820"));
    for (const int gap : {SerialLine::gapTimeoutMs() - 1, SerialLine::gapTimeoutMs()}) {
        const auto line = makeLine();
        const auto outcome = attempt(*line, ReadTag);
        runUntilFrameLeft();
        for (int i = 0; i < reply.size(); i += 4) {
            port.deliver(reply.mid(i, 4));
            clock.advance(gap);
        }
        ASSERT_TRUE(outcome->done) << gap;
        EXPECT_EQ(outcome->attempt.outcome,
                  gap < SerialLine::gapTimeoutMs() ? Attempt::Outcome::Reply : Attempt::Outcome::Garbled)
            << "gaps of " << gap << " ms";
        clock.advance(1000);
    }
}

// Another device's burst frame, sent for the primary master or the secondary.
QByteArray burstFrame(bool primary = false)
{
    hart::Frame burst = hart::replyFrame(hart::requestFrame(ReadTag, primary), {0, 0, hex("0c43e10000")}, true);
    burst.type = hart::FrameType::Burst;
    burst.command = 1;
    return hart::encodeFrame(burst, 5);
}

TEST_F(SerialLineTest, OnlyTheReplyToThisRequestFromTheDeviceEndsTheTry)
{
    const auto line = makeLine();
    const auto outcome = attempt(*line, ReadTag);
    runUntilFrameLeft();
    QByteArray damagedBurst = burstFrame();
    damagedBurst[damagedBurst.size() - 4] = '\0'; // a character with a parity error
    const QByteArray ignored[] = {
        damagedBurst,                                            // someone else's frame, damaged
        hart::encodeFrame(hart::requestFrame(ReadTag, true), 5), // an echo of our own request
        burstFrame(),                                            // a device in burst mode
        replyTo(ReadTag, {}, 5, false),                          // the other master's reply
        replyTo({ReadTag.address, 12, {}}),                      // a late reply to another command
    };
    for (const QByteArray& frame : ignored) {
        port.deliver(frame);
        clock.advance(charactersMs(10));
        EXPECT_FALSE(outcome->done);
    }
    port.deliver(replyTo(ReadTag, hex("514b72c35820"), 2)); // two preambles, fewer than asked for
    clock.advance(1);
    ASSERT_TRUE(outcome->done);
    EXPECT_EQ(outcome->attempt.outcome, Attempt::Outcome::Reply);
    EXPECT_EQ(outcome->attempt.reply.data, hex("514b72c35820"));
    EXPECT_EQ(traced.filter(QStringLiteral("ignored")).size(), 4) << traced.join(u'\n').toStdString();
}

TEST_F(SerialLineTest, AReplyQuickerThanTheLineWaitsUntilTheFrameHasLeft)
{
    const auto line = makeLine();
    const auto outcome = attempt(*line, ReadTag);
    port.deliver(replyTo(ReadTag));
    EXPECT_FALSE(outcome->done);
    runUntilFrameLeft();
    ASSERT_TRUE(outcome->done);
    EXPECT_EQ(outcome->attempt.outcome, Attempt::Outcome::Reply);
    EXPECT_EQ(port.whats().last(), QStringLiteral("rts off"));
}

TEST_F(SerialLineTest, ADamagedReplyEndsTheTryAsGarbled)
{
    const auto line = makeLine();
    const auto outcome = attempt(*line, ReadTag);
    runUntilFrameLeft();
    QByteArray reply = replyTo(ReadTag, hex("514b72c35820"));
    reply[reply.size() - 3] = '\0'; // a character with a parity error
    port.deliver(reply);
    clock.advance(1);
    ASSERT_TRUE(outcome->done);
    EXPECT_EQ(outcome->attempt.outcome, Attempt::Outcome::Garbled);
    EXPECT_TRUE(traced.last().endsWith(QStringLiteral("[check byte wrong]")));
}

// Whatever the line brings after the request, the try ends, at the latest when the longest frame
// could have followed the reply time-out.
TEST_F(SerialLineTest, WhateverTheLineBringsTheTryEnds)
{
    struct Case {
        const char* name;
        std::vector<QByteArray> batches;
        int everyMs;
    };
    const Case cases[] = {
        {"preambles, then a delimiter with a parity error", {hex("ffff"), hex("ffffff"), hex("00800000")}, 20},
        {"preambles, then no known delimiter", {hex("ffff"), hex("0a")}, 20},
        {"preambles without end", std::vector<QByteArray>(400, hex("ffff")), 16},
        {"bursts of noise", std::vector<QByteArray>(100, hex("1234")), 60},
    };
    for (const Case& c : cases) {
        const auto line = makeLine();
        const auto outcome = attempt(*line, ReadTag);
        runUntilFrameLeft();
        const qint64 left = clock.nowMs();
        for (const QByteArray& batch : c.batches) {
            if (outcome->done) break;
            port.deliver(batch);
            clock.advance(c.everyMs);
        }
        clock.runUntil([&] { return outcome->done; }, 10000);
        ASSERT_TRUE(outcome->done) << c.name;
        EXPECT_NE(outcome->attempt.outcome, Attempt::Outcome::Reply) << c.name;
        // (the clock moves on in steps of the batches)
        EXPECT_LE(clock.nowMs() - left, line->replyTimeoutMs() + charactersMs(LongestFrameCharacters) + c.everyMs)
            << c.name;
        clock.advance(1000);
    }
}

TEST_F(SerialLineTest, WhatIsHeardBeforeAndWhileTheRequestIsSentAnswersNothing)
{
    const auto line = makeLine();
    const auto first = attempt(*line, ReadTag);
    runUntilFrameLeft();
    const QByteArray reply = replyTo(ReadTag, hex("514b72c35820"));
    // The count misread as shorter: the frame ends early and the rest of it is still coming.
    QByteArray misread = reply;
    misread[5 + 7] = char(1);
    port.deliver(misread.left(5 + 10));
    clock.advance(1);
    ASSERT_TRUE(first->done);
    port.deliver(reply.mid(5 + 10, 4));
    const auto second = attempt(*line, ReadTag);
    const auto writes = [&] { return port.whats().count(QStringLiteral("write")); };
    EXPECT_EQ(writes(), 1) << "a request written over a frame still coming";
    clock.advance(SerialLine::gapTimeoutMs());
    EXPECT_EQ(writes(), 2) << "the request waits no longer than the line's silence";

    QByteArray echo = hart::encodeFrame(hart::requestFrame(ReadTag, true), 5);
    echo[echo.size() - 1] = char(echo.back() ^ 0x01); // our own request, damaged
    port.deliver(echo);
    runUntilFrameLeft();
    EXPECT_FALSE(second->done) << "a damaged echo ended the try";
    port.deliver(reply);
    clock.advance(1);
    ASSERT_TRUE(second->done);
    EXPECT_EQ(second->attempt.outcome, Attempt::Outcome::Reply);
}

// Whatever ended the try (a reply with a burst frame after it in the same read, a time-out while
// characters are still coming), the next request goes out only once the line has been silent for
// the gap time-out after the last character heard.
TEST_F(SerialLineTest, TheNextRequestWaitsUntilTheLineIsQuiet)
{
    struct Case {
        const char* name;
        std::vector<std::pair<qint64, QByteArray>> reads; // at ms after the request's frame has left
    };
    std::vector<std::pair<qint64, QByteArray>> preambles;
    for (qint64 at = 0; at <= makeLine()->tryLimitMs() + 32; at += 16)
        preambles.push_back({at, hex("ffff")});
    const QByteArray burst = burstFrame();
    const Case cases[] = {
        {"a reply and a burst frame in one read, the burst's rest later",
         {{20, replyTo(ReadTag) + burst.left(8)}, {50, burst.mid(8)}}},
        {"noise as the reply time-out ends the try", {{makeLine()->replyTimeoutMs() - 10, hex("1234")}}},
        {"preambles still coming when the try's limit ends it", preambles},
    };
    for (const Case& c : cases) {
        const auto line = makeLine();
        const size_t before = port.written.size();
        std::shared_ptr<AttemptOutcome> next;
        line->attempt(ReadTag, [&](const Attempt&) { next = attempt(*line, Identify); }); // as the master does
        runUntilFrameLeft();
        const qint64 left = clock.nowMs();
        for (const auto& [at, bytes] : c.reads) {
            clock.advance(left + at - clock.nowMs());
            port.deliver(bytes);
        }
        ASSERT_TRUE(clock.runUntil([&] { return port.written.size() == before + 2; }, 5000)) << c.name;
        EXPECT_EQ(port.events[writeIndex()].atMs - (left + c.reads.back().first), SerialLine::gapTimeoutMs()) << c.name;
        clock.advance(5000);
    }
}

TEST_F(SerialLineTest, AVanishedPortFailsAtOnceAndIsOpenedAgainWhenItIsBack)
{
    const auto line = makeLine();
    const auto during = attempt(*line, ReadTag);
    runUntilFrameLeft();
    port.unplug();
    ASSERT_TRUE(clock.runUntil([&] { return during->done; }, 10));
    EXPECT_EQ(during->attempt.outcome, Attempt::Outcome::Unavailable);
    EXPECT_TRUE(log.contains(QStringLiteral("serial port /dev/ttyTEST is gone (the device is no longer there)")));

    const size_t writes = port.written.size();
    const auto meanwhile = attempt(*line, ReadTag);
    ASSERT_TRUE(clock.runUntil([&] { return meanwhile->done; }, 10));
    EXPECT_EQ(meanwhile->attempt.outcome, Attempt::Outcome::Unavailable);
    EXPECT_EQ(port.written.size(), writes) << "nothing written to a port that is gone";

    port.present = true;
    clock.advance(SerialLine::ReopenMs);
    EXPECT_TRUE(port.isOpen()) << "opened again within a second of coming back";
    const auto after = attempt(*line, ReadTag);
    runUntilFrameLeft();
    port.deliver(replyTo(ReadTag));
    clock.advance(1);
    ASSERT_TRUE(after->done);
    EXPECT_EQ(after->attempt.outcome, Attempt::Outcome::Reply);
}

TEST_F(SerialLineTest, APortThatCannotHoldASettingOrSwitchRtsIsUsedWithAWarning)
{
    port.rtsWorks = false;
    port.openWarnings = {QStringLiteral("the port does not keep odd parity")};
    const auto line = makeLine();
    const auto outcome = attempt(*line, ReadTag);
    runUntilFrameLeft();
    port.deliver(replyTo(ReadTag));
    clock.advance(1);
    ASSERT_TRUE(outcome->done);
    EXPECT_EQ(outcome->attempt.outcome, Attempt::Outcome::Reply);
    EXPECT_TRUE(log.contains(QStringLiteral("the port does not keep odd parity; going on without it")));
    EXPECT_TRUE(log.contains(QStringLiteral("cannot switch RTS; leaving it to the modem")));
}

TEST_F(SerialLineTest, AModemThatSwitchesRtsItselfIsLeftAlone)
{
    const auto line = makeLine({true, false});
    attempt(*line, ReadTag);
    runUntilFrameLeft();
    port.deliver(replyTo(ReadTag));
    EXPECT_FALSE(port.whats().contains(QStringLiteral("rts on")));
    EXPECT_FALSE(port.whats().contains(QStringLiteral("rts off")));
}

TEST_F(SerialLineTest, APortMissingAtStartIsTriedEverySecond)
{
    port.present = false;
    const auto line = makeLine();
    EXPECT_FALSE(line->open());
    EXPECT_TRUE(log.contains(QStringLiteral("cannot open serial port /dev/ttyTEST: No such file or directory")));
    port.present = true;
    clock.advance(SerialLine::ReopenMs);
    EXPECT_TRUE(port.isOpen());
}

} // namespace
