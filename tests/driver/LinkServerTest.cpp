// Two programs on one driver: each sees only its own replies, their commands take turns on the
// bus, and "terminate" ends the driver only for the last of them.
#include "server/LinkServer.h"
#include "FakeBus.h"
#include "codec/NameTables.h"
#include "platform/ChannelProtocol.h"
#include "session/DriverSession.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QLocalSocket>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <gtest/gtest.h>
#include <memory>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace channel = platform::channel;

namespace {

const QByteArray Identity = QByteArray::fromHex("fe6ed2050503020800"
                                                "0a1b2c");

// A program's end of the link, in this process: every wait handles the server's events too.
class Program {
public:
    explicit Program(const QString& path)
    {
        socket.connectToServer(path);
        const auto answer = ask(channel::encode("CONNECT", "Pelmora DdeHartServer"));
        EXPECT_TRUE(answer && answer->verb == "OK") << "not connected";
    }

    std::optional<channel::Message> ask(const QByteArray& bytes)
    {
        socket.write(bytes);
        socket.flush();
        std::optional<channel::Message> answer;
        handleEventsUntil([&] {
            answer = next();
            return answer.has_value() || socket.state() == QLocalSocket::UnconnectedState;
        });
        return answer;
    }
    // Handles events until the driver has sent `count` texts unasked in all.
    bool awaitNotifications(qsizetype count)
    {
        handleEventsUntil([&] {
            if (next()) ADD_FAILURE() << "a message that answers nothing";
            return notifications.size() >= count;
        });
        return notifications.size() == count;
    }
    QByteArrayList notifications; // what the driver sent unasked
    QByteArray execute(const QByteArray& macro)
    {
        const auto answer = ask(channel::encodeWithPayload("EXECUTE", macro));
        return answer ? answer->verb : QByteArray("<no answer>");
    }
    QString item()
    {
        const auto answer = ask(channel::encode("REQUEST", "DdeHartCommand"));
        return answer && answer->verb == "DATA" ? QString::fromLatin1(answer->payload) : QStringLiteral("<no data>");
    }
    // Sends its last words and goes at once, without waiting for any answer.
    void sayAndLeave(const QByteArray& bytes)
    {
        socket.write(bytes);
        socket.flush();
        socket.abort();
    }
    bool closedByDriver()
    {
        handleEventsUntil([&] { return socket.state() == QLocalSocket::UnconnectedState; });
        return socket.state() == QLocalSocket::UnconnectedState;
    }

    static void handleEventsUntil(const std::function<bool()>& done)
    {
        const QDeadlineTimer giveUp(5000); // only against a hang; nothing here is timed
        while (!done() && !giveUp.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }

private:
    // The next answer; texts sent unasked are put aside.
    std::optional<channel::Message> next()
    {
        reader.feed(socket.readAll());
        auto message = reader.next();
        while (message && message->verb == "NOTIFY") {
            notifications.append(message->payload);
            message = reader.next();
        }
        return message;
    }

    QLocalSocket socket;
    channel::MessageReader reader;
};

class LinkServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QString error;
        ASSERT_TRUE(server.listenLocal(path, error)) << error.toStdString();
        server.onTerminate = [this] { terminated = true; };
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("link"));
    codec::NameTables names;
    drivertest::FakeBus bus;
    session::DriverSession session{bus, names};
    server::LinkServer server{session};
    bool terminated = false;
};

TEST_F(LinkServerTest, EachProgramSeesItsOwnRepliesAndTheCommandsTakeTurns)
{
    Program first(path), second(path);
    EXPECT_EQ(second.item(), QString()) << "an item before any command of its own";

    EXPECT_EQ(first.execute("0   \r\n0\r\n"), "OK");
    EXPECT_EQ(second.execute("0   \r\n1\r\n"), "OK") << "a command of another program waits its turn";
    EXPECT_EQ(second.execute("0   \r\n2\r\n"), "ERR") << "a second command while its own is still waiting";
    ASSERT_EQ(bus.requests.size(), 1u) << "two commands on the bus at once";
    EXPECT_EQ(first.item(), QStringLiteral("Busy!"));
    EXPECT_EQ(second.item(), QStringLiteral("Busy!"));

    bus.complete(hart::Reply{0, 0, Identity});
    EXPECT_TRUE(first.item().startsWith(QStringLiteral("0\r\n0\r\n\r\n\r\n")));
    EXPECT_EQ(second.item(), QStringLiteral("Busy!"));
    ASSERT_EQ(bus.requests.size(), 2u) << "the waiting command did not follow";
    EXPECT_EQ(bus.requests[1].address.polling, 1);

    bus.complete(std::nullopt);
    EXPECT_EQ(second.item(), QStringLiteral("0\r\n1\r\nCommunication Error!\r\n"));
    EXPECT_TRUE(first.item().startsWith(QStringLiteral("0\r\n0\r\n\r\n\r\n"))) << "overwritten by the other's reply";
    EXPECT_EQ(second.execute("0   \r\n2\r\n"), "OK");
}

TEST_F(LinkServerTest, AnAdvisedProgramIsSentEveryChangeOfItsOwnItemAndNoOtherProgramIs)
{
    Program advised(path), plain(path);
    EXPECT_EQ(advised.ask(channel::encode("ADVISE", "Other"))->verb, "ERR");
    EXPECT_EQ(advised.ask(channel::encode("ADVISE", "ddehartcommand"))->verb, "OK");

    EXPECT_EQ(advised.execute("0   \r\n0\r\n"), "OK");
    EXPECT_EQ(plain.execute("0   \r\n1\r\n"), "OK");
    EXPECT_TRUE(advised.awaitNotifications(1));
    EXPECT_EQ(advised.notifications, QByteArrayList{"Busy!"});
    bus.complete(hart::Reply{0, 0, Identity});
    ASSERT_TRUE(advised.awaitNotifications(2));
    EXPECT_TRUE(advised.notifications[1].startsWith("0\r\n0\r\n\r\n\r\n"));
    EXPECT_EQ(advised.item().toLatin1(), advised.notifications[1]) << "the item and its notification differ";

    bus.complete(std::nullopt);
    EXPECT_EQ(plain.item(), QStringLiteral("0\r\n1\r\nCommunication Error!\r\n"));
    EXPECT_TRUE(plain.notifications.isEmpty()) << "a program that never asked was sent texts unasked";
    EXPECT_EQ(advised.notifications.size(), 2) << "told of another program's reply";

    EXPECT_EQ(advised.ask(channel::encode("UNADVISE", "DdeHartCommand"))->verb, "OK");
    EXPECT_EQ(advised.execute("0   \r\n0\r\n"), "OK");
    bus.complete(hart::Reply{0, 0, Identity});
    EXPECT_TRUE(advised.item().startsWith(QStringLiteral("0\r\n0\r\n")));
    EXPECT_EQ(advised.notifications.size(), 2) << "sent unasked after UNADVISE";
}

TEST_F(LinkServerTest, AProgramThatLeavesTakesItsWaitingCommandAlong)
{
    Program first(path), second(path);
    EXPECT_EQ(first.execute("0   \r\n0\r\n"), "OK");
    EXPECT_EQ(second.execute("0   \r\n1\r\n"), "OK");
    EXPECT_FALSE(second.ask(channel::encode("DISCONNECT")));
    ASSERT_TRUE(second.closedByDriver());
    bus.complete(hart::Reply{0, 0, Identity});
    EXPECT_EQ(bus.requests.size(), 1u) << "the command of a program gone went on the bus";
    EXPECT_TRUE(bus.pending.empty());
}

TEST_F(LinkServerTest, TerminateEndsTheDriverOnlyWhenNoOtherProgramIsConnected)
{
    Program first(path), second(path);
    EXPECT_EQ(first.execute("terminate"), "OK");
    EXPECT_TRUE(first.closedByDriver());
    EXPECT_FALSE(terminated) << "the driver ended under the other program";
    EXPECT_EQ(second.execute("0   \r\n0\r\n"), "OK");
    bus.complete(hart::Reply{0, 0, Identity});
    EXPECT_TRUE(second.item().startsWith(QStringLiteral("0\r\n0\r\n")));

    EXPECT_EQ(second.execute("terminate"), "OK");
    EXPECT_TRUE(terminated);
}

// As the program does at its end: "terminate", or a last command, and gone before the driver answers. The
// driver's answer then finds the peer gone while it still works for that conversation.
TEST_F(LinkServerTest, AProgramThatLeavesWithItsLastWordLeavesTheOthersServed)
{
    Program staying(path);
    for (const QByteArray& last : {QByteArray("terminate"), QByteArray("0   \r\n1\r\n")}) {
        Program leaving(path);
        leaving.sayAndLeave(channel::encodeWithPayload("EXECUTE", last));
        EXPECT_EQ(staying.execute("0   \r\n0\r\n"), "OK");
        while (!bus.pending.empty())
            bus.complete(hart::Reply{0, 0, Identity});
        EXPECT_TRUE(staying.item().startsWith(QStringLiteral("0\r\n0\r\n"))) << last.toStdString();
    }
    EXPECT_FALSE(terminated) << "the driver ended under the program that stayed";
}

TEST_F(LinkServerTest, TheSimulatorIsControlledBesideTheQueueOnTheLocalSocketOnly)
{
    QStringList requests;
    server.simulatorControl = [&](const QString& request) {
        requests << request;
        return request == QStringLiteral("INPUT 0 5") ? server::SimulatorAnswer{true, QStringLiteral("held at 5")}
                                                      : server::SimulatorAnswer{false, QStringLiteral("no\nway")};
    };
    Program local(path);
    EXPECT_EQ(local.execute("0   \r\n0\r\n"), "OK");
    auto answer = local.ask(channel::encode("SIM", "INPUT 0 5"));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->verb, "DATA") << "answered while a command is on the bus";
    EXPECT_EQ(answer->payload, "held at 5");
    answer = local.ask(channel::encode("SIM", "HOLD"));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->verb, "ERR");
    EXPECT_EQ(answer->argument, "no way") << "one header line";
    EXPECT_EQ(bus.requests.size(), 1u) << "no HART traffic";

    QString error;
    ASSERT_TRUE(server.listenTcp(QStringLiteral("127.0.0.1:0"), error)) << error.toStdString();
    QTcpSocket remote;
    remote.connectToHost(QHostAddress::LocalHost, server.tcpPort());
    channel::MessageReader reader;
    auto askRemote = [&](const QByteArray& bytes) {
        remote.write(bytes);
        std::optional<channel::Message> reply;
        Program::handleEventsUntil([&] {
            reader.feed(remote.readAll());
            reply = reader.next();
            return reply.has_value();
        });
        return reply ? reply->verb : QByteArray("<no answer>");
    };
    EXPECT_EQ(askRemote(channel::encode("CONNECT", "\\\\pc\\ndde$ HART$")), "OK");
    EXPECT_EQ(askRemote(channel::encode("SIM", "INPUT 0 5")), "ERR");

    server.simulatorControl = nullptr;
    answer = local.ask(channel::encode("SIM", "INPUT 0 5"));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->verb, "ERR") << "real devices have no bench";
    EXPECT_EQ(requests, (QStringList{QStringLiteral("INPUT 0 5"), QStringLiteral("HOLD")}));
}

TEST_F(LinkServerTest, AProgramThatSendsOnAndNeverReadsIsDroppedWhileOthersAreServed)
{
    QString error;
    ASSERT_TRUE(server.listenTcp(QStringLiteral("127.0.0.1:0"), error)) << error.toStdString();
    // A plain socket that nothing in this process reads, with a small receive buffer: the answers
    // to its empty lines ("ERR not connected") pile up in the driver.
    const int flooder = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(flooder, 0);
    const int small = 4096;
    ::setsockopt(flooder, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(server.tcpPort());
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::connect(flooder, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    const QByteArray lines(64 * 1024, '\n');
    qint64 sent = 0;
    bool dropped = false;
    Program::handleEventsUntil([&] {
        const auto n = ::send(flooder, lines.constData(), size_t(lines.size()), MSG_DONTWAIT | MSG_NOSIGNAL);
        if (n > 0) sent += n;
        dropped = n < 0 && errno != EAGAIN && errno != EWOULDBLOCK;
        return dropped;
    });
    ::close(flooder);
    EXPECT_TRUE(dropped) << sent << " bytes sent and still served";
    Program other(path);
    EXPECT_EQ(other.item(), QString());
}

// Open files for a crowd of connections, both ends of each in this process; put back at the end.
class OpenFileLimit {
public:
    explicit OpenFileLimit(rlim_t wanted)
    {
        if (::getrlimit(RLIMIT_NOFILE, &saved) != 0) return;
        rlimit raised = saved;
        raised.rlim_cur = std::min(wanted, saved.rlim_max);
        enough = raised.rlim_cur >= wanted && ::setrlimit(RLIMIT_NOFILE, &raised) == 0;
    }
    ~OpenFileLimit() { ::setrlimit(RLIMIT_NOFILE, &saved); }
    bool enough = false;

private:
    rlimit saved{};
};

// Connections that never say a word, and one that sends a megabyte without a line end, cost the
// driver a socket each and nothing more: the endless one is told and closed, and another program's
// commands are answered all the while.
TEST_F(LinkServerTest, IdleCrowdsAndAnEndlessLineLeaveOtherProgramsServed)
{
    constexpr int Crowd = 500;
    OpenFileLimit files(2 * Crowd + 256);
    if (!files.enough) GTEST_SKIP() << "the system allows too few open files for " << Crowd << " connections";
    QString error;
    ASSERT_TRUE(server.listenTcp(QStringLiteral("127.0.0.1:0"), error)) << error.toStdString();
    const auto connected = [](const auto& s) { return s->state() == QAbstractSocket::ConnectedState; };
    // In groups smaller than the listening socket's backlog: a connection beyond it would wait for the
    // system to try again.
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    while (idle.size() <= std::size_t(Crowd)) { // the last one is the endless line's
        for (int i = 0; i < 20; ++i) {
            idle.push_back(std::make_unique<QTcpSocket>());
            idle.back()->connectToHost(QHostAddress::LocalHost, server.tcpPort());
        }
        const auto allConnected = [&] { return std::all_of(idle.begin(), idle.end(), connected); };
        Program::handleEventsUntil(allConnected);
        ASSERT_TRUE(allConnected()) << "the driver did not take connection " << idle.size();
    }
    const std::unique_ptr<QTcpSocket> endlessSocket = std::move(idle.back());
    idle.pop_back();
    QTcpSocket& endless = *endlessSocket;

    endless.write(QByteArray(1024 * 1024, 'x'));
    Program::handleEventsUntil([&] { return endless.state() == QAbstractSocket::UnconnectedState; });
    EXPECT_TRUE(endless.readAll().startsWith("ERR")) << "the endless line was not refused";
    EXPECT_EQ(endless.state(), QAbstractSocket::UnconnectedState) << "the endless line was not closed";

    Program other(path);
    EXPECT_EQ(other.execute("0\r\n0\r\n"), QByteArray("OK"));
    EXPECT_EQ(std::count_if(idle.begin(), idle.end(), connected), std::ssize(idle)) << "an idle connection was dropped";
}

// A program whose message comes a byte at a time keeps nobody waiting: another program is answered
// between its bytes, and it is answered once its message is whole.
TEST_F(LinkServerTest, AProgramThatSendsAByteAtATimeKeepsNobodyWaiting)
{
    QLocalSocket slow;
    slow.connectToServer(path);
    ASSERT_TRUE(slow.waitForConnected(5000));
    Program other(path);
    const QByteArray connect = channel::encode("CONNECT", "Pelmora DdeHartServer");
    for (const char byte : connect.chopped(1)) {
        slow.write(&byte, 1);
        slow.flush();
        EXPECT_EQ(other.item(), QString()) << "another program waited for the slow one";
    }
    EXPECT_EQ(slow.bytesAvailable(), 0) << "answered before its message was whole";
    slow.write(connect.right(1));
    slow.flush();
    channel::MessageReader reader;
    std::optional<channel::Message> answer;
    Program::handleEventsUntil([&] {
        reader.feed(slow.readAll());
        answer = reader.next();
        return answer.has_value();
    });
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->verb, QByteArray("OK"));
}

} // namespace
