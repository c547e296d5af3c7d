#pragma once
// Simulated devices behind a HART-IP server, for tests and for trying the driver's HART-IP line on
// one computer. A master opens a session over TCP or UDP (both on one port) and the devices answer
// the token-passing PDUs it sends in it; a frame for no device there gets no answer, as on a loop.
// A session ends with a session close, when its inactivity timer runs out, or with its TCP
// connection. A request outside a session gets a NAK.
#include "sim/SimBus.h"

#include "hart/HartIp.h"
#include "platform/Timer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QUdpSocket>
#include <map>
#include <memory>
#include <vector>

class QTcpSocket;

namespace sim {

class HartIpServer {
public:
    explicit HartIpServer(SimBus& devices);
    ~HartIpServer();

    // TCP and UDP on the same port; port 0 takes a free one.
    bool listen(const QHostAddress& address, quint16 port, QString& error);
    quint16 port() const { return tcp.serverPort(); }

    // The next PDU is answered with this status in the header and no frame.
    void failNextPdu(quint8 status) { failStatus = status; }
    // Ends every session at once, closing the TCP connections, as a restarted server would.
    void dropSessions();
    // What comes in a session the server does not know: a NAK (true, the default), or no answer at all.
    void answerUnknownSessions(bool answer) { nakUnknown = answer; }
    int sessionsOpened() const { return opened; }
    // Told of each session opened and ended, for the log.
    std::function<void(const QString& text)> onEvent;

    static constexpr quint32 MinInactivityMs = 1000;
    static constexpr quint32 MaxInactivityMs = 3600000;

private:
    struct Session {
        std::unique_ptr<platform::Timer> idle;
    };
    using Key = QString; // "tcp <n>" or "udp <address> <port>"
    std::optional<hart::ip::Message> answer(const Key& key, const hart::ip::Message& request);
    std::optional<QByteArray> pduReply(const QByteArray& pdu);
    void initiate(const Key& key, const hart::ip::Message& request, hart::ip::Message& response);
    // A TCP connection of the session is closed too, unless the master closes it itself.
    void endSession(const Key& key, const QString& why, bool closeConnection = true);
    void acceptConnection();
    void readStream(QTcpSocket* socket);
    void readDatagrams();
    void tell(const QString& text) const;

    SimBus& devices;
    QTcpServer tcp;
    QUdpSocket udp;
    struct Connection {
        Key key;
        hart::ip::StreamReader reader;
    };
    std::map<QTcpSocket*, Connection> connections;
    std::map<Key, Session> sessions;
    std::vector<std::unique_ptr<platform::Timer>> retired;
    std::optional<quint8> failStatus;
    int opened = 0;
    bool nakUnknown = true;
    int nextConnection = 0;
};

} // namespace sim
