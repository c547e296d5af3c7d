#include "server/LinkServer.h"

#include "codec/ReplyText.h"
#include "platform/Encoding.h"

#include <QDebug>
#include <QHostAddress>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>

namespace server {

using platform::channel::encode;
namespace channel = platform::channel;

namespace {
void flushSocket(QIODevice* socket)
{
    if (auto* l = qobject_cast<QLocalSocket*>(socket)) l->flush();
    if (auto* t = qobject_cast<QTcpSocket*>(socket)) t->flush();
}

// Closes at once, dropping what was not sent: a close would wait for a reader that never comes.
void abortSocket(QIODevice* socket)
{
    if (auto* l = qobject_cast<QLocalSocket*>(socket)) l->abort();
    if (auto* t = qobject_cast<QTcpSocket*>(socket)) t->abort();
}
} // namespace

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
    clients[socket] = Client{socket, ++lastId, {}, network, false, false, false, false, {}};
    connect(socket, &QIODevice::readyRead, this, [this, socket] { readFrom(socket); });
    if (auto* l = qobject_cast<QLocalSocket*>(socket))
        connect(l, &QLocalSocket::disconnected, this, [this, socket] { gone(socket); });
    else if (auto* t = qobject_cast<QTcpSocket*>(socket))
        connect(t, &QTcpSocket::disconnected, this, [this, socket] { gone(socket); });
    if (socket->bytesAvailable() > 0) readFrom(socket);
}

void LinkServer::forget(QIODevice* socket)
{
    const auto it = clients.find(socket);
    if (it == clients.end()) return;
    // A command still queued is nobody's any more; one on the wire ends and its reply is dropped.
    const quint64 id = it->second.id;
    std::erase_if(queue, [id](const Queued& q) { return q.client == id; });
    clients.erase(it);
    socket->deleteLater();
}

void LinkServer::gone(QIODevice* socket)
{
    const auto it = clients.find(socket);
    if (it == clients.end() || it->second.dropped) return;
    it->second.dropped = true;
    forgetLater(it->second.id);
}

void LinkServer::forgetLater(quint64 id)
{
    QMetaObject::invokeMethod(
        this,
        [this, id] {
            for (auto& [socket, each] : clients)
                if (each.id == id) {
                    QIODevice* const leaving = socket;
                    abortSocket(leaving);
                    forget(leaving);
                    return;
                }
        },
        Qt::QueuedConnection);
}

void LinkServer::readFrom(QIODevice* socket)
{
    auto it = clients.find(socket);
    if (it == clients.end()) return;
    Client& client = it->second;
    if (client.dropped) return;
    client.reader.feed(socket->readAll());
    while (auto message = client.reader.next()) {
        handle(client, *message);
        if (!clients.count(socket) || !socket->isOpen() || client.dropped) return; // closed by that message
    }
    if (client.reader.broken()) {
        reply(client, encode("ERR", QByteArrayLiteral("malformed message: ") + client.reader.failure().toLatin1()));
        socket->close();
    }
}

void LinkServer::reply(Client& client, const QByteArray& bytes)
{
    if (client.dropped) return;
    client.socket->write(bytes);
    if (client.socket->bytesToWrite() <= MaxUnsentBytes) return;
    flushSocket(client.socket); // what the system takes now is no longer waiting here
    if (client.socket->bytesToWrite() > MaxUnsentBytes) drop(client);
}

void LinkServer::drop(Client& client)
{
    qWarning().noquote() << QStringLiteral("a conversation that leaves its answers unread is closed (%1 bytes unsent)")
                                .arg(client.socket->bytesToWrite());
    client.dropped = true;
    // Callers up the stack still hold the client: it is closed and forgotten from the event loop.
    forgetLater(client.id);
}

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
            reply(client, platform::channel::encodeWithPayload("DATA", platform::toCp1250(client.item)));
        return;
    }
    if (message.verb == "ADVISE" || message.verb == "UNADVISE") {
        advise(client, platform::fromCp1250(message.argument).trimmed(), message.verb == "ADVISE");
        return;
    }
    if (message.verb == "EXECUTE") {
        if (message.payload == channel::TerminateMacro)
            terminate(client);
        else
            execute(client, message.payload);
        return;
    }
    if (message.verb == "SIM") {
        controlSimulator(client, platform::fromCp1250(message.argument).trimmed());
        return;
    }
    reply(client, encode("ERR", "unknown message"));
}

void LinkServer::advise(Client& client, const QString& item, bool on)
{
    if (item.compare(channel::ReplyItem, Qt::CaseInsensitive) != 0) {
        reply(client, encode("ERR", "unknown item"));
        return;
    }
    client.advised = on;
    reply(client, encode("OK"));
}

void LinkServer::notify(Client& client)
{
    if (client.advised) reply(client, platform::channel::encodeWithPayload("NOTIFY", platform::toCp1250(client.item)));
}

void LinkServer::controlSimulator(Client& client, const QString& request)
{
    // The bench around the devices belongs to whoever sits at this computer, not to the network.
    if (client.network) {
        reply(client, encode("ERR", "the simulated devices are controlled on the local socket only"));
        return;
    }
    if (!simulatorControl) {
        reply(client, encode("ERR", "no simulated devices"));
        return;
    }
    const SimulatorAnswer answer = simulatorControl(request);
    const QString text = answer.text.simplified(); // one header line for an error
    if (!answer.ok) {
        reply(client, encode("ERR", platform::toCp1250(text)));
        return;
    }
    qInfo().noquote() << u"simulator: " + text;
    reply(client, platform::channel::encodeWithPayload("DATA", platform::toCp1250(text)));
}

void LinkServer::execute(Client& client, const QByteArray& macro)
{
    if (client.commandPending) {
        reply(client, encode("ERR", "busy"));
        return;
    }
    // Busy before OK: a request after the OK never sees the previous reply. The notification of it
    // follows the OK, so the conversation knows its command was taken before it hears of it.
    const bool changed = client.item != codec::BusyText;
    client.item = codec::BusyText;
    client.commandPending = true;
    queue.push_back({client.id, macro});
    reply(client, encode("OK"));
    if (changed) notify(client);
    runQueue();
}

void LinkServer::terminate(Client& client)
{
    reply(client, encode("OK"));
    client.socket->waitForBytesWritten(1000);
    const bool others = std::any_of(clients.begin(), clients.end(), [&client](const auto& entry) {
        return entry.second.connected && !entry.second.dropped && entry.second.id != client.id;
    });
    if (!others) {
        if (onTerminate) onTerminate();
        return;
    }
    // Another program still works with the driver: only this conversation ends.
    qInfo("terminate from one conversation while others go on: that conversation is closed");
    client.socket->close();
}

void LinkServer::runQueue()
{
    if (running) return; // a reply given at once inside execute(): the loop below goes on
    running = true;
    while (!session.busy() && !queue.empty()) {
        const Queued next = std::move(queue.front());
        queue.pop_front();
        session.execute(next.macro, [this, id = next.client](const QString& text) { settle(id, text); });
    }
    running = false;
}

void LinkServer::settle(quint64 id, const QString& text)
{
    for (auto& [socket, client] : clients) {
        if (client.id != id) continue;
        client.commandPending = false;
        const bool changed = client.item != text;
        client.item = text;
        if (changed) notify(client);
        break;
    }
    runQueue();
}

} // namespace server
