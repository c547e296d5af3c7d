#include "FakeBus.h"
#include "codec/ReplyText.h"
#include "session/DriverSession.h"

#include <gtest/gtest.h>

using namespace session;

namespace {

using drivertest::FakeBus;

const QByteArray PressureIdentity = QByteArray::fromHex("fe6ed2050503020800"
                                                        "0a1b2c");
const QByteArray PressureLongAddress = QByteArray::fromHex("2ed20a1b2c");

hart::Reply ok(const QByteArray& data = {}, quint8 status = 0) { return {0, status, data}; }

class SessionTest : public ::testing::Test {
protected:
    SessionTest() : session(bus, names) { names.setUnit(12, QStringLiteral("kPa")); }

    bool run(const char* macro)
    {
        return session.execute(QByteArray(macro), [this](const QString& text) { replies.append(text); });
    }
    QString lastReply() const { return replies.isEmpty() ? QString() : replies.last(); }
    void identify(const char* address)
    {
        run(QByteArray(QByteArray("0   \r\n") + address + "\r\n").constData());
        bus.complete(ok(PressureIdentity));
    }

    codec::NameTables names;
    FakeBus bus;
    DriverSession session;
    QStringList replies;
};

TEST_F(SessionTest, CommandZeroGoesInAShortFrameAndTeachesTheLongAddress)
{
    identify("0");
    ASSERT_EQ(bus.requests.size(), 1u);
    EXPECT_FALSE(bus.requests[0].address.isLong);
    EXPECT_EQ(bus.requests[0].address.polling, 0);
    EXPECT_EQ(lastReply(),
              QStringLiteral("0\r\n0\r\n\r\n\r\nOstrevo\r\nPR210\r\n5\r\n5\r\n3\r\n2\r\n1\r\n0\r\n662316"));

    run("13  \r\n0\r\n");
    ASSERT_EQ(bus.requests.size(), 2u);
    EXPECT_TRUE(bus.requests[1].address.isLong);
    EXPECT_EQ(bus.requests[1].address.longAddress, PressureLongAddress);
    EXPECT_EQ(bus.requests[1].command, 13);
}

TEST_F(SessionTest, AnUnknownPollingAddressIsIdentifiedFirst)
{
    run("15  \r\n2\r\n");
    ASSERT_EQ(bus.requests.size(), 1u);
    EXPECT_EQ(bus.requests[0].command, 0);
    EXPECT_EQ(bus.requests[0].address.polling, 2);
    bus.complete(ok(PressureIdentity));
    ASSERT_EQ(bus.requests.size(), 2u);
    EXPECT_EQ(bus.requests[1].command, 15);
    EXPECT_EQ(bus.requests[1].address.longAddress, PressureLongAddress);
    EXPECT_TRUE(replies.isEmpty()) << "answered before the command itself was done";
    bus.complete(ok(QByteArray(18, '\0'))); // output information: 18 bytes
    EXPECT_TRUE(lastReply().startsWith(QStringLiteral("15\r\n2\r\n\r\n")));
    run("15  \r\n2\r\n");
    bus.complete(ok(QByteArray(3, '\0')));
    EXPECT_TRUE(lastReply().startsWith(QStringLiteral("15\r\n2\r\nCommunication Error!\r\n")))
        << "a reply without the data of its command passed for one";
}

TEST_F(SessionTest, NoDeviceGivesCommunicationError)
{
    run("0   \r\n9\r\n");
    bus.complete(std::nullopt);
    EXPECT_EQ(lastReply(), QStringLiteral("0\r\n9\r\nCommunication Error!\r\n"));
    run("13  \r\n9\r\n");
    bus.complete(std::nullopt); // the identification of address 9 fails too
    EXPECT_EQ(lastReply(), QStringLiteral("13\r\n9\r\nCommunication Error!\r\n"));
    EXPECT_FALSE(session.busy());
}

TEST_F(SessionTest, AnUnansweredCommandZeroForgetsWhoWasThere)
{
    identify("3");
    run("0   \r\n3\r\n");
    bus.complete(std::nullopt); // the device was moved elsewhere
    run("13  \r\n3\r\n");
    EXPECT_EQ(bus.requests.back().command, 0) << "the device that was at 3 was asked as if it still were";
}

TEST_F(SessionTest, OnlyACommandZeroMarkedAsAScanIsTriedOnce)
{
    for (const char* macro : {"0   \r\n3\r\nscan", "0   \r\n4\r\n", "13  \r\n5\r\nscan"}) {
        run(macro);
        bus.complete(std::nullopt);
    }
    ASSERT_EQ(bus.requests.size(), 3u);
    EXPECT_TRUE(bus.requests[0].singleTry);
    EXPECT_FALSE(bus.requests[1].singleTry);
    EXPECT_FALSE(bus.requests[2].singleTry) << "the identification before command 13 is no scan";
    EXPECT_EQ(replies.first(), QStringLiteral("0\r\n3\r\nCommunication Error!\r\n"));
}

TEST_F(SessionTest, CommunicationErrorFlagsInTheReply)
{
    identify("0");
    run("1   \r\n0\r\n");
    bus.complete(hart::Reply{0x88, 0, {}});
    EXPECT_EQ(lastReply(), QStringLiteral("1\r\n0\r\nCommunication Error!\r\n"));
}

// The response code rides behind a NUL, where a program that reads the reply as a C text stops.
TEST_F(SessionTest, RefusedCommandsCarryNoDataAndWarningsDo)
{
    identify("0");
    run("99  \r\n0\r\n");
    bus.complete(hart::Reply{64, 0x40, {}});
    EXPECT_EQ(lastReply(), QStringLiteral("99\r\n0\r\nCommand Error!\r\nConfiguration changed. ") + QChar(u'\0') +
                               QStringLiteral("ResponseCode=64"));
    run("35  \r\n0\r\nkPa\r\n5\r\n0");
    bus.complete(hart::Reply{14, 0, QByteArray::fromHex("0c40a0000000000000")});
    EXPECT_EQ(lastReply(), QStringLiteral("35\r\n0\r\nSpan too small, accuracy may be impaired!\r\n\r\nkPa\r\n5\r\n0") +
                               QChar(u'\0') + QStringLiteral("ResponseCode=14"));
    run("35  \r\n0\r\nkPa\r\n5\r\n0");
    bus.complete(hart::Reply{0, 0, QByteArray::fromHex("0c40a0000000000000")});
    EXPECT_FALSE(lastReply().contains(QChar(u'\0'))) << "success has no code to tell";
}

TEST_F(SessionTest, BadDataIsRefusedWithoutSendingAnything)
{
    run("34  \r\n0\r\nfast");
    EXPECT_TRUE(bus.requests.empty());
    EXPECT_EQ(lastReply(), QStringLiteral("34\r\n0\r\nInvalid value \"fast\" for damping!\r\n"));
    run("x\r\n0\r\n");
    EXPECT_EQ(lastReply(), QStringLiteral("x\r\n0\r\nInvalid command number \"x\"!\r\n"));
    run("2   \r\n77\r\n");
    EXPECT_EQ(lastReply(), QStringLiteral("2\r\n77\r\nInvalid polling address \"77\"!\r\n"));
    QByteArray tooLong = "255 \r\n0\r\nW130";
    for (int i = 0; i < 300; ++i) // a byte each: more than the byte count of a frame can say
        tooLong += "\r\n1";
    run(tooLong.constData());
    EXPECT_EQ(lastReply(), QStringLiteral("130\r\n0\r\nRequest data of 300 bytes does not fit a HART frame (at most "
                                          "255)!\r\n"));
    EXPECT_TRUE(bus.requests.empty());
}

TEST_F(SessionTest, Address16IsTheDeviceFoundByTheLastTagSearch)
{
    run("13  \r\n16\r\n");
    EXPECT_TRUE(bus.requests.empty());
    EXPECT_EQ(lastReply(), QStringLiteral("13\r\n16\r\nCommunication Error!\r\n"));

    run("11  \r\n16\r\nPT-101");
    ASSERT_EQ(bus.requests.size(), 1u);
    EXPECT_TRUE(bus.requests[0].address.isBroadcast());
    EXPECT_EQ(bus.requests[0].data.toHex(), QByteArray("414b71c31820"));
    bus.complete(ok(PressureIdentity));
    EXPECT_TRUE(lastReply().startsWith(QStringLiteral("11\r\n16\r\n\r\n\r\nOstrevo\r\n")));

    run("13  \r\n16\r\n");
    ASSERT_EQ(bus.requests.size(), 2u);
    EXPECT_EQ(bus.requests[1].address.longAddress, PressureLongAddress);
    bus.complete(ok(QByteArray(21, '\0')));

    // The tagged device asked for its identity says nothing of who answers at polling address 0.
    const QByteArray otherIdentity = QByteArray::fromHex("fe6ed3050503020800"
                                                         "0b1c2d");
    identify("0");
    run("11  \r\n16\r\nTT-205");
    bus.complete(ok(otherIdentity));
    run("0   \r\n16\r\n");
    bus.complete(ok(otherIdentity));
    run("1   \r\n0\r\n");
    EXPECT_EQ(bus.requests.back().address.longAddress, PressureLongAddress)
        << "a command for 0 went to the tagged device";
}

TEST_F(SessionTest, OneCommandAtATime)
{
    EXPECT_TRUE(run("0   \r\n0\r\n"));
    EXPECT_TRUE(session.busy());
    EXPECT_FALSE(run("0   \r\n1\r\n"));
    EXPECT_EQ(bus.requests.size(), 1u);
    bus.complete(ok(PressureIdentity));
    EXPECT_FALSE(session.busy());
    EXPECT_EQ(replies.size(), 1);
}

TEST_F(SessionTest, ExtendedTemplateUsesItsTokenAndAnswersUnderTheRealNumber)
{
    identify("0");
    run("255 \r\n0\r\nR132KF\r\n001\r\n12\r\n");
    ASSERT_EQ(bus.requests.size(), 2u);
    EXPECT_EQ(bus.requests[1].command, 132);
    EXPECT_EQ(bus.requests[1].data.toHex(), QByteArray("01"));
    bus.complete(ok(QByteArray::fromHex("0141480000")));
    EXPECT_EQ(lastReply(), QStringLiteral("132\r\n0\r\n\r\n\r\n1\r\n12.5"));

    run("255 \r\n0\r\nW005\r\n");
    EXPECT_EQ(bus.requests.back().command, 5);
    bus.complete(ok());
    EXPECT_EQ(lastReply(), QStringLiteral("5\r\n0\r\n\r\n"));

    run("255 \r\n0\r\nR1x0\r\n");
    EXPECT_EQ(lastReply(), QStringLiteral("1x0\r\n0\r\nInvalid command token \"R1x0\"!\r\n"));
}

TEST_F(SessionTest, ANewPollingAddressFollowsTheDevice)
{
    identify("0");
    run("6   \r\n0\r\n3");
    bus.complete(ok(QByteArray::fromHex("03")));
    run("13  \r\n3\r\n");
    EXPECT_EQ(bus.requests.back().command, 13) << "the device at 3 was asked for its identity again";
    EXPECT_EQ(bus.requests.back().address.longAddress, PressureLongAddress);

    bus.complete(ok(QByteArray(21, '\0')));

    // A device that takes another address than the one asked for is found where it says it is.
    run("6   \r\n3\r\n7");
    bus.complete(ok(QByteArray::fromHex("05")));
    const auto sent = bus.requests.size();
    run("13  \r\n5\r\n");
    ASSERT_EQ(bus.requests.size(), sent + 1);
    EXPECT_EQ(bus.requests.back().command, 13) << "no identity asked: the device said it took 5";
}

// A device nobody dated shows no date: a write that keeps that empty date gives the device back the bytes
// it gave, so that its tag can be written without a made-up date.
TEST_F(SessionTest, AnEmptyDateIsTheDateBytesOfADeviceWithoutACalendarDate)
{
    const QByteArray tagAndDescriptor = QByteArray::fromHex("414b71c31820"
                                                            "0a0820820820820820820820");
    const QByteArray february30 = QByteArray::fromHex("1e027b");
    const char* tagWithoutDate = "18  \r\n0\r\nPT-101\r\nB\r\n\r\n";
    const QString refused = QStringLiteral("18\r\n0\r\nInvalid value \"\" for date!\r\n");
    identify("0");
    run(tagWithoutDate);
    EXPECT_EQ(lastReply(), refused) << "a date the device never gave";

    run("13  \r\n0\r\n");
    bus.complete(ok(tagAndDescriptor + february30));
    EXPECT_TRUE(lastReply().endsWith(QStringLiteral("\r\nPT-101\r\nB\r\n")));
    run(tagWithoutDate);
    ASSERT_EQ(bus.requests.back().command, 18);
    EXPECT_EQ(bus.requests.back().data.toHex(), QByteArray(tagAndDescriptor + february30).toHex());
    bus.complete(ok(bus.requests.back().data));
    run("255 \r\n0\r\nW150BD\r\n7\r\n\r\n");
    EXPECT_EQ(bus.requests.back().data.toHex(), QByteArray("071e027b")) << "a template's date";
    bus.complete(ok());

    // Another device has dates of its own.
    run("0   \r\n1\r\n");
    bus.complete(ok(QByteArray::fromHex("fe6ed2050503020800"
                                        "0a1b2d")));
    const auto sent = bus.requests.size();
    run("18  \r\n1\r\nPT-101\r\nB\r\n\r\n");
    EXPECT_EQ(bus.requests.size(), sent);
    EXPECT_TRUE(lastReply().startsWith(QStringLiteral("18\r\n1\r\nInvalid value \"\" for date!")));

    // Once the device holds a calendar date, an empty one is no date of the device's.
    run("13  \r\n0\r\n");
    bus.complete(ok(tagAndDescriptor + QByteArray::fromHex("080c7e")));
    run(tagWithoutDate);
    EXPECT_EQ(lastReply(), refused);
}

} // namespace
