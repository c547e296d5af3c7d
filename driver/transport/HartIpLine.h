#pragma once
// A HART-IP server (a gateway or multiplexer on the plant network) as the master sees it, over
// UDP or TCP. Before the first request the line opens a session: a session initiate with the
// master type and an inactivity timer of 60 s. Each try at a transaction is a token-passing PDU
// carrying the request frame; the response with the same sequence number carries the reply. A
// response whose header reports a status other than success is a communication error with a line
// in the log. While idle the line sends a keep-alive once a third of the inactivity timer has
// passed, so the server keeps the session. A session that drops (the TCP connection closes, the
// server answers with an error or a NAK, a keep-alive goes unanswered) is opened anew with the
// next try. Closing the line closes the session.
#include "transport/Line.h"
#include "transport/WireTrace.h"

#include "hart/HartFrame.h"
#include "hart/HartIp.h"
#include "platform/Timer.h"

#include <QHostAddress>
#include <QObject>
#include <memory>
#include <optional>

class QTcpSocket;
class QUdpSocket;
class QHostInfo;

namespace transport {

struct HartIpOptions {
    QString host;
    quint16 port = hart::ip::DefaultPort;
    bool tcp = false;
    bool primaryMaster = true;
    quint32 inactivityMs = 60000;
    int replyTimeoutMs = 2000;
};

class HartIpLine : public Line {
public:
    HartIpLine(HartIpOptions options, const WireTrace& trace);
    ~HartIpLine() override;

    void attempt(const hart::Request& request, std::function<void(const Attempt&)> done) override;
    QString name() const override;
    bool sessionOpen() const { return session == Session::Open; }

private:
    enum class Session { Closed, Opening, Open };
    void openSession();
    void resolved(const QHostInfo& info);
    void connectTo(const QHostAddress& to);
    void send(hart::ip::MessageId id, const QByteArray& body);
    void readDatagrams();
    void readStream();
    void handle(const hart::ip::Message& message);
    void sessionAnswered(const hart::ip::Message& message);
    void pduAnswered(const hart::ip::Message& message);
    void timedOut();
    void sessionLost(const QString& why, Attempt::Outcome outcome);
    void sendPdu();
    void sendKeepAlive();
    void finish(const Attempt& attempt);
    void finishLater(const Attempt& attempt);

    HartIpOptions options;
    const WireTrace& trace;
    QObject context; // owns the sockets' connections
    std::unique_ptr<QTcpSocket> tcp;
    std::unique_ptr<QUdpSocket> udp;
    QHostAddress address;
    int lookup = -1;             // a host name being looked up
    bool sessionInDoubt = false; // a PDU went unanswered
    hart::ip::StreamReader reader;
    Session session = Session::Closed;
    quint16 nextSequence = 0;
    std::optional<quint16> awaited; // the sequence number of the request a response is due for
    hart::ip::MessageId awaitedId = hart::ip::MessageId::KeepAlive;
    hart::Frame frame; // the request of the transaction under way
    std::function<void(const Attempt&)> done;
    std::optional<Attempt> deferred;
    platform::Timer replyWait;
    platform::Timer keepAlive;
    platform::Timer later;
};

} // namespace transport
