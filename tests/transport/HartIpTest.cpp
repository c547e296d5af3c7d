// The driver's HART-IP line against a HART-IP server made of the simulated devices, in this
// process on the real event loop, over UDP and TCP: sessions, replies, status codes in the header,
// a session that drops, a server that keeps silent.
#include "TransportTestSupport.h"
#include "transport/HartIpLine.h"
#include "transport/MasterBus.h"

#include "hart/HartIdentity.h"
#include "platform/EventLoop.h"
#include "sim/HartIpServer.h"

#include <QNetworkDatagram>
#include <QTcpServer>
#include <QUdpSocket>
#include <gtest/gtest.h>
#include <random>

using namespace transport;
using namespace transporttest;

namespace {

const hart::Request Identify{hart::Address::shortFrame(0), 0, {}};
const hart::Request ReadTag{hart::Address::longFrame(QByteArray::fromHex("2ed20a1b2c")), 13, {}};

std::optional<hart::Reply> await(hart::Bus& bus, const hart::Request& request)
{
    const auto outcome = transact(bus, request);
    EXPECT_TRUE(platform::waitUntil([&] { return outcome->done; }, 10000)) << "no outcome";
    return outcome->reply;
}

class HartIpTest : public ::testing::TestWithParam<bool> {
protected:
    HartIpTest()
    {
        QString error;
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost, 0, error)) << error.toStdString();
        trace.sink = [this](const QString& line) { traced << line; };
    }
    HartIpOptions options() const
    {
        HartIpOptions o;
        o.host = QStringLiteral("127.0.0.1");
        o.port = server.port();
        o.tcp = GetParam();
        return o;
    }

    LogCatcher log;
    sim::SimBus devices{QString()};
    sim::HartIpServer server{devices};
    WireTrace trace;
    QStringList traced;
};

TEST_P(HartIpTest, ReadsTheDevicesBehindTheServerInOneSession)
{
    HartIpLine line(options(), trace);
    MasterBus bus(line, {1});
    const auto identity = await(bus, Identify);
    ASSERT_TRUE(identity);
    const auto read = hart::readIdentity(identity->data);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->longAddress, ReadTag.address.longAddress);
    const auto tag = await(bus, ReadTag);
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->data, devices.answer(ReadTag)->data);
    EXPECT_EQ(server.sessionsOpened(), 1);
    ASSERT_FALSE(traced.isEmpty());
    // Session initiate: version 1, request, id 0, sequence 0, 13 bytes; a primary master, 60 s.
    EXPECT_TRUE(traced.first().contains(QStringLiteral(" tx 01 00 00 00 00 00 00 0D 01 00 00 EA 60")))
        << traced.first().toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("session open (primary master, inactivity timer 60000 ms)")));
}

TEST_P(HartIpTest, AStatusInTheHeaderIsACommunicationErrorWithALogLine)
{
    HartIpLine line(options(), trace);
    MasterBus bus(line, {1});
    ASSERT_TRUE(await(bus, Identify));
    server.failNextPdu(16);
    EXPECT_FALSE(await(bus, ReadTag));
    EXPECT_TRUE(log.contains(QStringLiteral("the server answers command 13 with status 16")));
    EXPECT_TRUE(await(bus, ReadTag)) << "the session goes on";
}

TEST_P(HartIpTest, ADroppedSessionIsOpenedAgain)
{
    HartIpLine line(options(), trace);
    MasterBus bus(line, {1});
    ASSERT_TRUE(await(bus, Identify));
    server.dropSessions();
    platform::waitFor(50);
    EXPECT_TRUE(await(bus, ReadTag));
    EXPECT_EQ(server.sessionsOpened(), 2);
}

TEST_P(HartIpTest, ASessionTheServerForgotWithoutAWordIsOpenedAgain)
{
    HartIpOptions o = options();
    o.replyTimeoutMs = 200;
    HartIpLine line(o, trace);
    MasterBus bus(line, {1});
    ASSERT_TRUE(await(bus, Identify));
    server.answerUnknownSessions(false);
    server.dropSessions();
    await(bus, ReadTag); // may be lost with the session
    EXPECT_TRUE(await(bus, ReadTag));
    EXPECT_EQ(server.sessionsOpened(), 2);
}

TEST_P(HartIpTest, ClosingTheLineClosesTheSession)
{
    QStringList events;
    server.onEvent = [&](const QString& text) { events << text; };
    {
        HartIpLine line(options(), trace);
        MasterBus bus(line, {1});
        ASSERT_TRUE(await(bus, Identify));
    }
    EXPECT_TRUE(platform::waitUntil([&] { return events.size() == 2; }, 2000)) << events.join(u'\n').toStdString();
    EXPECT_TRUE(events.value(1).contains(QStringLiteral("closed by the master")));
}

INSTANTIATE_TEST_SUITE_P(Protocols, HartIpTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Tcp" : "Udp"; });

TEST(HartIp, IdleSessionsAreKeptAlive)
{
    sim::SimBus devices{QString()};
    sim::HartIpServer server{devices};
    QString error;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0, error));
    WireTrace trace;
    HartIpOptions options;
    options.host = QStringLiteral("127.0.0.1");
    options.port = server.port();
    options.inactivityMs = sim::HartIpServer::MinInactivityMs;
    HartIpLine line(options, trace);
    MasterBus bus(line, {1});
    ASSERT_TRUE(await(bus, Identify));
    platform::waitFor(int(2 * options.inactivityMs));
    EXPECT_TRUE(await(bus, ReadTag));
    EXPECT_EQ(server.sessionsOpened(), 1) << "the session ran out while idle";
}

TEST(HartIp, ASilentOrMissingServerGivesNoReplyAndALogLine)
{
    LogCatcher log;
    WireTrace trace;
    QUdpSocket silent;
    ASSERT_TRUE(silent.bind(QHostAddress::LocalHost, 0));
    HartIpOptions options;
    options.host = QStringLiteral("127.0.0.1");
    options.port = silent.localPort();
    options.replyTimeoutMs = 100;
    {
        HartIpLine line(options, trace);
        MasterBus bus(line, {1});
        EXPECT_FALSE(await(bus, Identify));
        EXPECT_TRUE(log.contains(QStringLiteral("no valid reply after 2 tries")));
    }
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
    options.port = closed.serverPort();
    closed.close();
    options.tcp = true;
    HartIpLine line(options, trace);
    MasterBus bus(line, {1});
    EXPECT_FALSE(await(bus, Identify));
    EXPECT_TRUE(log.contains(QStringLiteral("no valid reply after 1 try"))) << "a refused connection is not retried";
}

// A HART-IP line reads whatever reaches its port from the server's address: empty, cut, over-long and
// random datagrams, and well-formed ones of no session of its own, before every true reply. None of them is
// taken for a reply, and the devices are read as ever.
TEST(HartIp, GarbageDatagramsBeforeEachReplyAreIgnored)
{
    sim::SimBus devices{QString()};
    sim::HartIpServer server{devices};
    QString error;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0, error)) << error.toStdString();
    // Between the line and the server: relays each way and puts the garbage before every reply.
    QUdpSocket facingLine, facingServer;
    ASSERT_TRUE(facingLine.bind(QHostAddress::LocalHost, 0));
    ASSERT_TRUE(facingServer.bind(QHostAddress::LocalHost, 0));
    quint16 linePort = 0;
    std::mt19937 random(2026);
    QByteArray noise(64, '\0');
    const QByteArrayList garbage = {
        QByteArray(),
        QByteArray::fromHex("01"),
        QByteArray::fromHex("0101030000"),       // a header cut short
        QByteArray::fromHex("01010300ffffffff"), // a length far beyond the datagram
        QByteArray::fromHex("01010300ffff0008"), // a reply of a sequence never sent
        QByteArray::fromHex("09010300000000080000"),
        QByteArray(70000, '\xff'),
    };
    QObject::connect(&facingLine, &QUdpSocket::readyRead, [&] {
        while (facingLine.hasPendingDatagrams()) {
            const QNetworkDatagram datagram = facingLine.receiveDatagram();
            linePort = quint16(datagram.senderPort());
            facingServer.writeDatagram(datagram.data(), QHostAddress::LocalHost, server.port());
        }
    });
    QObject::connect(&facingServer, &QUdpSocket::readyRead, [&] {
        while (facingServer.hasPendingDatagrams()) {
            const QNetworkDatagram reply = facingServer.receiveDatagram();
            for (const QByteArray& bytes : garbage)
                facingLine.writeDatagram(bytes.left(65000), QHostAddress::LocalHost, linePort);
            for (char& c : noise)
                c = char(random());
            facingLine.writeDatagram(noise, QHostAddress::LocalHost, linePort);
            facingLine.writeDatagram(reply.data(), QHostAddress::LocalHost, linePort);
        }
    });
    WireTrace trace;
    QStringList traced;
    trace.sink = [&](const QString& line) { traced << line; };
    HartIpOptions options;
    options.host = QStringLiteral("127.0.0.1");
    options.port = facingLine.localPort();
    HartIpLine line(options, trace);
    MasterBus bus(line, {1});
    const auto identity = await(bus, Identify);
    ASSERT_TRUE(identity);
    EXPECT_EQ(identity->data, devices.answer(Identify)->data);
    const auto tag = await(bus, ReadTag);
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->data, devices.answer(ReadTag)->data);
    EXPECT_GE(traced.filter(QStringLiteral("malformed")).size(), 2 * 5) << "the garbage did not reach the line";
}

} // namespace
