#include "server/LinkServer.h"

#include "codec/ReplyText.h"
#include "platform/Encoding.h"

#include <QHostAddress>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTcpServer>
#include <QTcpSocket>

namespace server {

using platform::channel::encode;
namespace channel = platform::channel;

LinkServer::LinkServer(session::DriverSession& session) : session(session) {}

LinkServer::~LinkServer()
{
    if (local) local->close();
}

bool LinkServer::listenLocal(const QString& path, QString& error)
{
    {
        QLocalSocket probe;
        probe.connectToServer(path);
        if (probe.waitForConnected(500)) {
            error = QStringLiteral("a driver is already running at %1").arg(path);
            return false;
        }
    }
    QLocalServer::removeServer(path);
    local = new QLocalServer(this);
    local->setSocketOptions(QLocalServer::UserAccessOption);
    if (!local->listen(path)) {
        error = local->errorString();
        return false;
    }
    connect(local, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = local->nextPendingConnection())
            accept(socket, false);
    });
    return true;
}

bool LinkServer::listenTcp(const QString& addressAndPort, QString& error)
{
    const int colon = addressAndPort.lastIndexOf(u':');
    bool ok = false;
    const int port = addressAndPort.mid(colon + 1).toInt(&ok);
    QString host = addressAndPort.left(colon);
    if (host.startsWith(u'[') && host.endsWith(u']')) host = host.mid(1, host.size() - 2);
    const QHostAddress address(host);
    if (colon <= 0 || !ok || port < 0 || port > 65535 || address.isNull()) {
        error = QStringLiteral("expected ADDRESS:PORT, got \"%1\"").arg(addressAndPort);
        return false;
    }
    tcp = new QTcpServer(this);
    if (!tcp->listen(address, quint16(port))) {
        error = tcp->errorString();
        return false;
    }
    connect(tcp, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = tcp->nextPendingConnection())
            accept(socket, true);
    });
    return true;
}

quint16 LinkServer::tcpPort() const { return tcp ? tcp->serverPort() : 0; }

void LinkServer::accept(QIODevice* socket, bool network)
{
    clients[socket] = Client{socket, {}, network, false};
    connect(socket, &QIODevice::readyRead, this, [this, socket] { readFrom(socket); });
    auto forget = [this, socket] {
        clients.erase(socket);
        socket->deleteLater();
    };
    if (auto* l = qobject_cast<QLocalSocket*>(socket))
        connect(l, &QLocalSocket::disconnected, this, forget);
    else if (auto* t = qobject_cast<QTcpSocket*>(socket))
        connect(t, &QTcpSocket::disconnected, this, forget);
    if (socket->bytesAvailable() > 0) readFrom(socket);
}

void LinkServer::readFrom(QIODevice* socket)
{
    auto it = clients.find(socket);
    if (it == clients.end()) return;
    Client& client = it->second;
    client.reader.feed(socket->readAll());
    while (auto message = client.reader.next()) {
        handle(client, *message);
        if (!clients.count(socket)) return;
    }
    if (client.reader.broken()) {
        reply(client, encode("ERR", QByteArrayLiteral("malformed message: ") + client.reader.failure().toLatin1()));
        socket->close();
    }
}

void LinkServer::reply(Client& client, const QByteArray& bytes) { client.socket->write(bytes); }

void LinkServer::handle(Client& client, const platform::channel::Message& message)
{
    if (message.verb == "CONNECT") {
        const QString argument = platform::fromCp1250(message.argument).trimmed();
        const int blank = argument.lastIndexOf(u' ');
        const QString service = argument.left(blank).trimmed();
        const QString topic = argument.mid(blank + 1);
        const bool known = client.network ? service.endsWith(channel::NetworkSuffix, Qt::CaseInsensitive) &&
                                                topic == channel::NetworkTopic
                                          : service == channel::LocalService && topic == channel::LocalTopic;
        client.connected = blank > 0 && known;
        reply(client, client.connected ? encode("OK") : encode("ERR", "unknown service or topic"));
        return;
    }
    if (message.verb == "DISCONNECT") {
        client.socket->close();
        return;
    }
    if (!client.connected) {
        reply(client, encode("ERR", "not connected"));
        return;
    }
    if (message.verb == "REQUEST") {
        if (platform::fromCp1250(message.argument).trimmed().compare(channel::ReplyItem, Qt::CaseInsensitive) != 0)
            reply(client, encode("ERR", "unknown item"));
        else
            reply(client, platform::channel::encodeWithPayload("DATA", platform::toCp1250(itemText)));
        return;
    }
    if (message.verb == "EXECUTE") {
        if (message.payload == channel::TerminateMacro) {
            reply(client, encode("OK"));
            client.socket->waitForBytesWritten(1000);
            if (onTerminate) onTerminate();
            return;
        }
        if (session.busy()) {
            reply(client, encode("ERR", "busy"));
            return;
        }
        // Busy before OK: a request after the OK never sees the previous reply.
        itemText = codec::BusyText;
        QIODevice* socket = client.socket;
        session.execute(message.payload, [this](const QString& text) { itemText = text; });
        if (clients.count(socket)) reply(client, encode("OK"));
        return;
    }
    reply(client, encode("ERR", "unknown message"));
}

} // namespace server
