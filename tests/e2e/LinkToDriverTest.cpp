// The program's driver link against the real pelmora, over the real channel.
#include "DriverProcess.h"
#include "ProgramUnderTest.h"
#include "ScopedEnvironment.h"
#include "ScriptedDialogs.h"
#include "link/CommandMacro.h"
#include "link/DriverLink.h"
#include "platform/Environment.h"
#include "platform/EventLoop.h"
#include "platform/SocketChannel.h"
#include "platform/Texts.h"
#include "platform/Timer.h"

#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testing_support::ScriptedDialogs;

namespace {

// Waits on the real event loop until a reply to `command` arrives, at most 15 s.
QStringList awaitReply(driverlink::DriverLink& link, const QString& command)
{
    QStringList reply;
    link.onReply = [&](const QStringList& lines) {
        if (lines.value(0) == command) reply = lines;
    };
    e2e::waitAtMost(15000, [&] { return !reply.isEmpty(); });
    link.onReply = nullptr;
    return reply;
}

using EnvironmentGuard = testing_support::ScopedEnvironment;

class LinkToDriverTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    EnvironmentGuard runtime{"XDG_RUNTIME_DIR", dir.path().toLocal8Bit()};
    EnvironmentGuard data{"XDG_DATA_HOME", dir.path().toLocal8Bit()};
    EnvironmentGuard state{"XDG_STATE_HOME", dir.path().toLocal8Bit()};
    EnvironmentGuard config{"XDG_CONFIG_HOME", dir.path().toLocal8Bit()}; // the driver's settings
    ScriptedDialogs dialogs;
};

TEST_F(LinkToDriverTest, StartsTheDriverReadsTheDeviceAndEndsIt)
{
    platform::SocketChannel channel;
    driverlink::DriverLink link(channel);
    ASSERT_TRUE(link.DoNewLink()) << "the driver beside the program was not started";
    EXPECT_TRUE(link.notified()) << "the driver did not offer to send its replies unasked";

    ASSERT_EQ(link.send(driverlink::commandMacro(0, QStringLiteral("0"))), driverlink::SendResult::Accepted);
    const QStringList identity = awaitReply(link, QStringLiteral("0"));
    ASSERT_GE(identity.size(), 13);
    EXPECT_EQ(identity[4], QStringLiteral("Ostrevo"));
    EXPECT_EQ(identity[5], QStringLiteral("PR210"));

    // The temperature transmitter at address 1 asks for command 39.
    ASSERT_EQ(link.send(driverlink::commandMacro(0, QStringLiteral("1"))), driverlink::SendResult::Accepted);
    const QStringList second = awaitReply(link, QStringLiteral("0"));
    ASSERT_GE(second.size(), 13);
    EXPECT_EQ(second[5], QStringLiteral("TM120"));
    EXPECT_EQ(second[11].toInt() & 2, 2);

    EXPECT_TRUE(link.terminate());
    EXPECT_FALSE(link.LinkOpen());
    // The driver is gone: a new conversation cannot be opened.
    platform::waitFor(300);
    platform::SocketChannel probe;
    EXPECT_FALSE(probe.connectTo(QStringLiteral("Pelmora"), QStringLiteral("DdeHartServer")));
}

TEST_F(LinkToDriverTest, NetworkModeSpeaksTcpToTheDriversComputer)
{
    QTcpServer free;
    ASSERT_TRUE(free.listen(QHostAddress::LocalHost, 0));
    const quint16 port = free.serverPort();
    free.close();
    e2e::DriverProcess driver(dir.path(), {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:%1").arg(port)});
    ASSERT_TRUE(driver.start());

    platform::SocketChannel channel;
    driverlink::DriverLink link(channel);
    link.setNetPath(QStringLiteral("\\\\127.0.0.1:%1").arg(port));
    ASSERT_TRUE(link.DoNewLink());
    EXPECT_TRUE(link.notified()) << "no notification over TCP";
    ASSERT_EQ(link.send(driverlink::commandMacro(13, QStringLiteral("0"))), driverlink::SendResult::Accepted);
    const QStringList reply = awaitReply(link, QStringLiteral("13"));
    ASSERT_GE(reply.size(), 7);
    EXPECT_EQ(reply[4], QStringLiteral("PT-101"));
    EXPECT_TRUE(link.terminate());
    EXPECT_TRUE(driver.waitForExit(5000));
}

TEST_F(LinkToDriverTest, WithoutADriverProgramTheLinkStaysClosed)
{
    QTemporaryDir emptyFolder;
    platform::setProgramFolder(emptyFolder.path());
    EnvironmentGuard path("PATH", emptyFolder.path().toLocal8Bit());
    platform::SocketChannel channel;
    driverlink::DriverLink link(channel);
    dialogs.expect(ScriptedDialogs::Kind::Error, platform::texts().ddeConnectionNotFound);
    EXPECT_FALSE(link.DoNewLink());
    EXPECT_EQ(link.send(driverlink::commandMacro(0, QStringLiteral("0"))), driverlink::SendResult::Refused);
    platform::setProgramFolder({});
}

} // namespace
