// HART frames as bytes: the published test vector, every frame kind both ways, and the PDUs that
// must be refused.
#include "hart/HartFrame.h"

#include <gtest/gtest.h>

using namespace hart;

namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

TEST(HartFrame, TheTestVectorBothWays)
{
    // Address 9A 1A AD 18 8C: the master bit and 1A, then the device type and id; command 36.
    const Frame request = requestFrame({Address::longFrame(hex("1a1aad188c")), 0x24, {}}, true);
    EXPECT_EQ(encodeFrame(request, 5), hex("ffffffffff829a1aad188c24001f"));

    const auto reply = decodePdu(hex("869a1aad188c2402000019"));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->type, FrameType::Reply);
    EXPECT_TRUE(reply->primaryMaster);
    EXPECT_EQ(reply->address.longAddress, hex("1a1aad188c"));
    EXPECT_EQ(reply->command, 0x24);
    EXPECT_EQ(reply->responseCode, 0);
    EXPECT_EQ(reply->deviceStatus, 0);
    EXPECT_TRUE(reply->data.isEmpty());
    EXPECT_TRUE(answers(*reply, request));
    EXPECT_EQ(encodePdu(replyFrame(request, replyOf(*reply), false)), hex("869a1aad188c2402000019"));
}

struct RoundTrip {
    const char* name;
    Frame frame;
    const char* pdu;
};
void PrintTo(const RoundTrip& c, std::ostream* os) { *os << c.name; }

Frame frame(FrameType type, Address address, quint8 command, const char* data, bool primary = true, bool burst = false,
            quint8 code = 0, quint8 status = 0, const char* expansion = "")
{
    Frame f;
    f.type = type;
    f.address = address;
    f.command = command;
    f.data = hex(data);
    f.primaryMaster = primary;
    f.burstMode = burst;
    f.responseCode = code;
    f.deviceStatus = status;
    f.expansion = hex(expansion);
    return f;
}

class FrameLayout : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(FrameLayout, EncodesAndDecodesAlike)
{
    const auto& c = GetParam();
    const QByteArray pdu = encodePdu(c.frame);
    EXPECT_EQ(pdu.toHex(), QByteArray(c.pdu));
    const auto back = decodePdu(pdu);
    ASSERT_TRUE(back);
    EXPECT_EQ(encodePdu(*back), pdu);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameLayout,
    ::testing::Values(
        RoundTrip{"command 0 in a short frame", frame(FrameType::Request, Address::shortFrame(0), 0, ""), "0280000082"},
        RoundTrip{"secondary master at polling address 15",
                  frame(FrameType::Request, Address::shortFrame(15), 0, "", false), "020f00000d"},
        RoundTrip{"long frame with data",
                  frame(FrameType::Request, Address::longFrame(hex("2ed20a1b2c")), 34, "3f000000"),
                  "82aed20a1b2c22043f000000da"},
        RoundTrip{"revision 7: the expanded device type in the address",
                  frame(FrameType::Request, Address::longFrame(hex("21a5000001")), 13, ""), "82a1a50000010d008a"},
        RoundTrip{"broadcast with a tag", frame(FrameType::Request, Address::broadcast(), 11, "514b72c35820"),
                  "8280000000000b06514b72c35820dc"},
        RoundTrip{"reply with code and status",
                  frame(FrameType::Reply, Address::longFrame(hex("2ed20a1b2c")), 1, "0c43e10000", true, false, 0, 0x40),
                  "86aed20a1b2c010700400c43e100002f"},
        RoundTrip{"burst frame of a device in burst mode",
                  frame(FrameType::Burst, Address::longFrame(hex("2ed20a1b2c")), 1, "0c43e10000", false, true),
                  "816ed20a1b2c010700000c43e10000a8"},
        RoundTrip{"expansion bytes",
                  frame(FrameType::Request, Address::shortFrame(1), 3, "", true, false, 0, 0, "aabb"),
                  "4281aabb0300d1"}));

TEST(HartFrame, RefusesMalformedPdus)
{
    const struct {
        const char* pdu;
        const char* why;
    } cases[] = {
        {"869a1aad188c2402000018", "check byte wrong"},
        {"869a1aad188c24020000", "cut short"},
        {"869a1aad188c240200001900", "bytes after the check byte"},
        {"879a1aad188c2402000018", "no known delimiter"},
        {"869a1aad188c24010019", "no response code and status"},
        {"", "empty"},
    };
    for (const auto& c : cases) {
        QString why;
        EXPECT_FALSE(decodePdu(hex(c.pdu), &why)) << c.pdu;
        EXPECT_EQ(why, QLatin1String(c.why)) << c.pdu;
    }
}

TEST(HartFrame, AReplyAnswersItsOwnRequestOnly)
{
    const Frame request = requestFrame({Address::longFrame(hex("2ed20a1b2c")), 13, {}}, true);
    const Frame reply = replyFrame(request, {0, 0, {}}, false);
    EXPECT_TRUE(answers(reply, request));
    Frame other = reply;
    other.command = 12;
    EXPECT_FALSE(answers(other, request)) << "another command";
    other = reply;
    other.primaryMaster = false;
    EXPECT_FALSE(answers(other, request)) << "the other master's reply";
    other = reply;
    other.address = Address::longFrame(hex("2e780b2c3d"));
    EXPECT_FALSE(answers(other, request)) << "another device";
    other = reply;
    other.type = FrameType::Burst;
    EXPECT_FALSE(answers(other, request)) << "a burst frame";
    EXPECT_FALSE(answers(request, request)) << "an echo of the request";

    const Frame byTag = requestFrame({Address::broadcast(), 11, hex("514b72c35820")}, true);
    Frame found = replyFrame(byTag, {0, 0, {}}, false);
    found.address = Address::longFrame(hex("2e780b2c3d"));
    EXPECT_TRUE(answers(found, byTag)) << "a device answers a broadcast under its own address";
}

} // namespace
