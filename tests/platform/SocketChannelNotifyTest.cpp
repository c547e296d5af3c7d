// Texts the driver sends unasked, mixed into the answers on the channel: each answer still reaches
// the operation that waits for it, and a text that came before a request's answer never outlives it.
#include "platform/ChannelProtocol.h"
#include "platform/EventLoop.h"
#include "platform/SocketChannel.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <thread>

namespace channel = platform::channel;

namespace {

// A driver on a thread of its own that answers each message with what the script gives.
class ScriptedDriver {
public:
    using Script = std::function<QByteArray(const channel::Message&)>;

    explicit ScriptedDriver(Script script)
    {
        std::promise<quint16> listening;
        auto port = listening.get_future();
        thread = std::thread([this, script, &listening] {
            QTcpServer server;
            server.listen(QHostAddress::LocalHost, 0);
            listening.set_value(server.serverPort());
            if (!server.waitForNewConnection(5000)) return;
            QTcpSocket* socket = server.nextPendingConnection();
            channel::MessageReader reader;
            while (socket->state() == QAbstractSocket::ConnectedState) {
                if (!socket->waitForReadyRead(5000)) break;
                reader.feed(socket->readAll());
                while (auto message = reader.next()) {
                    if (message->verb == "DISCONNECT") return;
                    socket->write(message->verb == "CONNECT" ? channel::encode("OK") : script(*message));
                    socket->flush();
                }
            }
        });
        this->port = port.get();
    }
    ~ScriptedDriver() { thread.join(); }
    QString service() const { return QStringLiteral("\\\\127.0.0.1:%1\\ndde$").arg(port); }

private:
    std::thread thread;
    quint16 port = 0;
};

QByteArray notify(const QByteArray& text) { return channel::encodeWithPayload("NOTIFY", text); }
QByteArray data(const QByteArray& text) { return channel::encodeWithPayload("DATA", text); }

TEST(SocketChannelNotify, TextsSentUnaskedAroundTheAnswersOfRequests)
{
    int requests = 0;
    ScriptedDriver driver([&](const channel::Message& message) -> QByteArray {
        if (message.verb == "ADVISE") return channel::encode("OK");
        if (message.verb == "EXECUTE") return channel::encode("OK") + notify("Busy!");
        switch (++requests) {
        case 1: return notify("R1") + data("R1");  // changed just before the request came
        default: return data("R1") + notify("R2"); // changed just after
        }
    });
    platform::SocketChannel link;
    ASSERT_TRUE(link.connectTo(driver.service(), channel::NetworkTopic)) << link.lastError().toStdString();
    EXPECT_TRUE(link.advise(channel::ReplyItem));

    ASSERT_EQ(link.execute("0   \r\n0"), platform::ExecuteResult::Accepted);
    EXPECT_EQ(link.request(channel::ReplyItem, 5000), "R1");
    EXPECT_FALSE(link.isWaiting());
    EXPECT_EQ(link.takeNotification(), std::nullopt) << "older than the answer of the request after it";

    bool told = false; // even when the text comes inside the request's own wait
    link.onNotified = [&] { told = true; };

    EXPECT_EQ(link.request(channel::ReplyItem, 5000), "R1");
    std::optional<QByteArray> later;
    platform::waitUntil(
        [&] {
            if (!later) later = link.takeNotification();
            return later.has_value();
        },
        5000);
    EXPECT_EQ(later, QByteArray("R2"));
    EXPECT_EQ(link.takeNotification(), std::nullopt) << "given twice";
    EXPECT_TRUE(told);
    link.disconnect();
}

TEST(SocketChannelNotify, ADriverWithoutNotificationsKeepsItsAnswersInOrder)
{
    ScriptedDriver driver([](const channel::Message& message) {
        return message.verb == "ADVISE" ? channel::encode("ERR", "unknown message") : data("reply");
    });
    platform::SocketChannel link;
    ASSERT_TRUE(link.connectTo(driver.service(), channel::NetworkTopic));
    EXPECT_FALSE(link.advise(channel::ReplyItem));
    EXPECT_EQ(link.request(channel::ReplyItem, 5000), "reply") << "the refusal was taken for the answer";
    EXPECT_EQ(link.takeNotification(), std::nullopt);
    link.disconnect();
}

TEST(SocketChannelNotify, AReplyTextLongerThanAnyReplyEndsTheConversation)
{
    const QByteArray huge(platform::SocketChannel::MaxReplyTextLength + 1, 'x');
    for (const QByteArray& verb : {QByteArray("NOTIFY"), QByteArray("DATA")}) {
        ScriptedDriver driver([&](const channel::Message& message) {
            if (message.verb == "ADVISE") return channel::encode("OK");
            return verb == "NOTIFY" ? notify(huge) + data("reply") : data(huge);
        });
        platform::SocketChannel link;
        ASSERT_TRUE(link.connectTo(driver.service(), channel::NetworkTopic));
        EXPECT_TRUE(link.advise(channel::ReplyItem));
        EXPECT_EQ(link.request(channel::ReplyItem, 5000), QByteArray()) << verb.constData();
        EXPECT_FALSE(link.isConnected()) << verb.constData();
        EXPECT_EQ(link.takeNotification(), std::nullopt) << verb.constData();
        link.disconnect();
    }
}

} // namespace
