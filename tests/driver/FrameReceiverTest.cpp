// The receiver fed one character at a time, as a serial port hands them over: preambles of any
// number from 2, noise before and between frames, damaged and cut-short frames, burst frames.
#include "hart/FrameReceiver.h"

#include <array>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace hart;
using Kind = FrameReceiver::Result::Kind;

namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

const QByteArray Reply = hex("869a1aad188c2402000019");
const QByteArray Burst = hex("816ed20a1b2c010700000c43e10000a8");

std::vector<FrameReceiver::Result> feed(FrameReceiver& receiver, const QByteArray& bytes)
{
    std::vector<FrameReceiver::Result> results;
    for (const char byte : bytes)
        if (auto result = receiver.take(quint8(byte))) results.push_back(*result);
    return results;
}

std::vector<Kind> kinds(const std::vector<FrameReceiver::Result>& results)
{
    std::vector<Kind> out;
    for (const auto& result : results)
        out.push_back(result.kind);
    return out;
}

TEST(FrameReceiver, TakesAFrameAfterAnyNumberOfPreamblesFromTwo)
{
    for (const int preambles : {2, 3, 5, 20, 30}) {
        FrameReceiver receiver;
        const auto results = feed(receiver, QByteArray(preambles, char(0xFF)) + Reply);
        ASSERT_EQ(kinds(results), std::vector<Kind>{Kind::Frame}) << preambles << " preambles";
        EXPECT_EQ(results[0].frame.command, 0x24);
        EXPECT_EQ(results[0].bytes, QByteArray(preambles, char(0xFF)) + Reply) << "the trace sees every byte";
    }
    FrameReceiver receiver;
    EXPECT_TRUE(feed(receiver, hex("ff") + Reply).empty()) << "one preamble is noise";
}

TEST(FrameReceiver, NoiseBeforeAndBetweenFramesIsDropped)
{
    FrameReceiver receiver;
    // Noise, a preamble cut off by noise, then a frame; noise after it; a burst frame; the reply.
    const QByteArray line =
        hex("00137f86ff55") + hex("ffffff") + Reply + hex("0000ff") + hex("ffffffff") + Burst + hex("ffff") + Reply;
    const auto results = feed(receiver, line);
    ASSERT_EQ(kinds(results), (std::vector<Kind>{Kind::Frame, Kind::Frame, Kind::Frame}));
    EXPECT_EQ(results[0].noise, hex("00137f86ff55")) << "the trace shows the noise apart from the frame";
    EXPECT_EQ(results[0].bytes, hex("ffffff") + Reply);
    EXPECT_EQ(results[0].frame.type, FrameType::Reply);
    EXPECT_EQ(results[1].frame.type, FrameType::Burst);
    EXPECT_TRUE(results[1].frame.burstMode);
    EXPECT_EQ(results[2].frame.type, FrameType::Reply);
}

TEST(FrameReceiver, SilenceBreaksAFrameThatHasBegun)
{
    FrameReceiver receiver;
    EXPECT_FALSE(receiver.silence()) << "nothing heard";
    EXPECT_TRUE(feed(receiver, hex("1234")).empty());
    EXPECT_FALSE(receiver.frameBegun());
    const auto noise = receiver.silence();
    ASSERT_TRUE(noise);
    EXPECT_EQ(noise->kind, Kind::Noise);
    EXPECT_EQ(noise->bytes, hex("1234"));

    EXPECT_TRUE(feed(receiver, hex("ffff")).empty());
    EXPECT_TRUE(receiver.frameBegun()) << "two preambles: a reply has begun";
    auto broken = receiver.silence();
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->kind, Kind::Broken);

    // A character lost in the middle: the receiver waits for it, and silence ends the frame.
    QByteArray dropped = hex("ffffff") + Burst;
    dropped.remove(12, 1); // a data byte
    EXPECT_TRUE(feed(receiver, dropped).empty());
    broken = receiver.silence();
    ASSERT_TRUE(broken);
    EXPECT_EQ(broken->kind, Kind::Broken);
    EXPECT_EQ(broken->why, QStringLiteral("cut short"));
    ASSERT_EQ(kinds(feed(receiver, hex("ffffff") + Reply)), std::vector<Kind>{Kind::Frame}) << "and reads on";
}

TEST(FrameReceiver, WhateverComesOffTheLineEveryFrameItTakesIsOne)
{
    // Frames of every shape, a third of them damaged (a byte changed, lost or added), with noise
    // between them: each frame taken must be exactly what its bytes say, and nothing damaged is taken.
    std::mt19937 random(42);
    auto upTo = [&](int most) { return std::uniform_int_distribution<int>(0, most)(random); };
    FrameReceiver receiver;
    int sent = 0;
    int taken = 0;
    for (int i = 0; i < 5000; ++i) {
        Frame frame;
        frame.type = std::array{FrameType::Burst, FrameType::Request, FrameType::Reply}[upTo(2)];
        QByteArray address;
        for (int b = 0; b < 5; ++b)
            address.append(char(upTo(255) & (b == 0 ? 0x3F : 0xFF)));
        frame.address = upTo(1) ? Address::longFrame(address) : Address::shortFrame(quint8(upTo(63)));
        frame.primaryMaster = upTo(1);
        frame.burstMode = upTo(1);
        frame.expansion = QByteArray(upTo(3), char(upTo(255)));
        frame.command = quint8(upTo(255));
        frame.responseCode = quint8(upTo(255));
        frame.deviceStatus = quint8(upTo(255));
        frame.data = QByteArray(upTo(30), char(upTo(255)));
        const int preambles = 2 + upTo(18);
        QByteArray bytes = encodeFrame(frame, preambles);
        const bool damaged = upTo(2) == 0;
        if (damaged) {
            const int at = preambles + upTo(int(bytes.size()) - preambles - 1);
            switch (upTo(2)) {
            case 0: bytes[at] = char(bytes.at(at) ^ (1 << upTo(7))); break;
            case 1: bytes.remove(at, 1); break;
            default: bytes.insert(at, char(upTo(255))); break;
            }
        } else {
            ++sent;
        }
        bytes += QByteArray(upTo(3), char(upTo(254))); // noise, no preamble; then the line falls silent
        for (const char byte : bytes) {
            const auto result = receiver.take(quint8(byte));
            if (!result || result->kind != Kind::Frame) continue;
            ++taken;
            qsizetype preambles = 0;
            while (preambles < result->bytes.size() && quint8(result->bytes.at(preambles)) == 0xFF)
                ++preambles;
            EXPECT_EQ(encodeFrame(result->frame, int(preambles)), result->bytes);
        }
        if (const auto rest = receiver.silence(); rest && rest->kind == Kind::Frame) ++taken;
    }
    // Every frame sent whole is taken; a damaged one only when its check byte happens to fit.
    EXPECT_GE(taken, sent);
    EXPECT_LT(taken - sent, 5000 / 3 / 50);
}

} // namespace
