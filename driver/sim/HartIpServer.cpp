#include "sim/HartIpServer.h"

#include "hart/HartFrame.h"

#include <QNetworkDatagram>
#include <QTcpSocket>

namespace sim {

using namespace hart::ip;

HartIpServer::HartIpServer(SimBus& devices) : devices(devices)
{
    QObject::connect(&tcp, &QTcpServer::newConnection, &tcp, [this] { acceptConnection(); });
    QObject::connect(&udp, &QUdpSocket::readyRead, &udp, [this] { readDatagrams(); });
}

HartIpServer::~HartIpServer()
{
    // The connections go with the server; they must not call back into what is gone by then.
    for (auto& [socket, connection] : connections)
        QObject::disconnect(socket, nullptr, &tcp, nullptr);
}

bool HartIpServer::listen(const QHostAddress& address, quint16 port, QString& error)
{
    if (!tcp.listen(address, port)) {
        error = tcp.errorString();
        return false;
    }
    if (!udp.bind(address, tcp.serverPort())) {
        error = udp.errorString();
        tcp.close();
        return false;
    }
    return true;
}

void HartIpServer::tell(const QString& text) const
{
    if (onEvent) onEvent(text);
}

void HartIpServer::acceptConnection()
{
    while (QTcpSocket* socket = tcp.nextPendingConnection()) {
        connections[socket].key = QStringLiteral("tcp %1").arg(++nextConnection);
        QObject::connect(socket, &QTcpSocket::readyRead, &tcp, [this, socket] { readStream(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, &tcp, [this, socket] {
            const auto connection = connections.find(socket);
            if (connection == connections.end()) return;
            const Key key = connection->second.key;
            connections.erase(connection);
            endSession(key, QStringLiteral("connection closed"));
            socket->deleteLater();
        });
    }
}

void HartIpServer::readStream(QTcpSocket* socket)
{
    auto connection = connections.find(socket);
    if (connection == connections.end()) return;
    connection->second.reader.feed(socket->readAll());
    // Answering may end the session and with it the connection.
    while ((connection = connections.find(socket)) != connections.end()) {
        const auto request = connection->second.reader.next();
        if (!request) {
            if (connection->second.reader.broken()) socket->disconnectFromHost();
            return;
        }
        if (const auto response = answer(connection->second.key, *request)) socket->write(encode(*response));
    }
}

void HartIpServer::readDatagrams()
{
    while (udp.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = udp.receiveDatagram(MaxMessageBytes + 1);
        const auto request = decode(datagram.data());
        if (!request) continue;
        const Key key = QStringLiteral("udp %1 %2").arg(datagram.senderAddress().toString()).arg(datagram.senderPort());
        if (const auto response = answer(key, *request))
            udp.writeDatagram(encode(*response), datagram.senderAddress(), quint16(datagram.senderPort()));
    }
}

std::optional<Message> HartIpServer::answer(const Key& key, const Message& request)
{
    retired.clear();
    if (request.type != MessageType::Request) return std::nullopt;
    Message response;
    response.type = MessageType::Response;
    response.id = request.id;
    response.sequence = request.sequence;
    if (request.version != Version) {
        response.status = status::VersionNotSupported;
        return response;
    }
    if (request.id == MessageId::SessionInitiate) {
        initiate(key, request, response);
        return response;
    }
    const auto session = sessions.find(key);
    if (session == sessions.end()) {
        if (!nakUnknown) return std::nullopt;
        response.type = MessageType::Nak;
        return response;
    }
    session->second.idle->setEnabled(false); // the inactivity timer starts again
    session->second.idle->setEnabled(true);
    switch (request.id) {
    case MessageId::SessionClose: endSession(key, QStringLiteral("closed by the master"), false); return response;
    case MessageId::KeepAlive: return response;
    case MessageId::TokenPassingPdu:
        if (failStatus) {
            response.status = *std::exchange(failStatus, std::nullopt);
            return response;
        }
        if (const auto reply = pduReply(request.body)) {
            response.body = *reply;
            return response;
        }
        return std::nullopt; // no device there
    default: response.type = MessageType::Nak; return response;
    }
}

void HartIpServer::initiate(const Key& key, const Message& request, Message& response)
{
    const auto wanted = readSessionInitiate(request.body);
    if (!wanted) {
        response.status = request.body.size() < 5 ? status::TooFewBytes : status::InvalidSelection;
        return;
    }
    const quint32 granted = qBound(MinInactivityMs, wanted->inactivityMs, MaxInactivityMs);
    if (granted != wanted->inactivityMs) response.status = status::SetToNearest;
    response.body = sessionInitiateBody(wanted->primaryMaster, granted);
    Session& session = sessions[key];
    session.idle = std::make_unique<platform::Timer>(int(granted));
    session.idle->OnTimer = [this, key] { endSession(key, QStringLiteral("inactivity timer ran out")); };
    session.idle->setEnabled(true);
    ++opened;
    tell(QStringLiteral("session opened (%1, %2 master)")
             .arg(key, wanted->primaryMaster ? QStringLiteral("primary") : QStringLiteral("secondary")));
}

std::optional<QByteArray> HartIpServer::pduReply(const QByteArray& pdu)
{
    const auto request = hart::decodePdu(pdu);
    if (!request || request->type != hart::FrameType::Request) return std::nullopt;
    bool burstMode = false;
    for (const auto& device : devices.devices())
        if (device.answers(request->address)) burstMode = device.config().burstMode;
    const auto reply = devices.answer(hart::requestOf(*request));
    if (!reply) return std::nullopt;
    return hart::encodePdu(hart::replyFrame(*request, *reply, burstMode));
}

void HartIpServer::endSession(const Key& key, const QString& why, bool closeConnection)
{
    const auto session = sessions.find(key);
    if (session == sessions.end()) return;
    // The timer may be the caller: it goes once the next request comes.
    session->second.idle->setEnabled(false);
    retired.push_back(std::move(session->second.idle));
    sessions.erase(session);
    tell(QStringLiteral("session ended (%1, %2)").arg(key, why));
    if (!closeConnection) return;
    std::vector<QTcpSocket*> closing; // closing one may take it out of the map at once
    for (const auto& [socket, connection] : connections)
        if (connection.key == key) closing.push_back(socket);
    for (QTcpSocket* socket : closing)
        socket->disconnectFromHost();
}

void HartIpServer::dropSessions()
{
    std::vector<Key> keys;
    for (const auto& [key, session] : sessions)
        keys.push_back(key);
    for (const Key& key : keys)
        endSession(key, QStringLiteral("dropped"));
}

} // namespace sim
