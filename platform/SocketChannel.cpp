#include "platform/SocketChannel.h"

#include "platform/Encoding.h"
#include "platform/EventLoop.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QTcpSocket>
#include <utility>

namespace platform {

namespace {
bool waitConnected(QIODevice& device, int ms)
{
    if (auto* local = qobject_cast<QLocalSocket*>(&device)) return local->waitForConnected(ms);
    if (auto* tcp = qobject_cast<QTcpSocket*>(&device)) return tcp->waitForConnected(ms);
    return false;
}

bool connectedState(const QIODevice& device)
{
    if (auto* local = qobject_cast<const QLocalSocket*>(&device)) return local->state() == QLocalSocket::ConnectedState;
    if (auto* tcp = qobject_cast<const QTcpSocket*>(&device)) return tcp->state() == QAbstractSocket::ConnectedState;
    return false;
}
} // namespace

SocketChannel::SocketChannel() = default;

SocketChannel::~SocketChannel() { close(); }

bool SocketChannel::connectTo(const QString& service, const QString& topic)
{
    close();
    if (open(service, topic)) return true;
    close();
    return false;
}

bool SocketChannel::open(const QString& service, const QString& topic)
{
    const bool network = service.endsWith(QStringLiteral("ndde$"), Qt::CaseInsensitive);
    if (network) {
        const auto address = channel::tcpAddressFromNetPath(service);
        if (!address.valid) {
            error = QStringLiteral("no computer named in \"%1\"").arg(service);
            return false;
        }
        auto tcp = std::make_unique<QTcpSocket>();
        tcp->connectToHost(address.host, quint16(address.port));
        socket = std::move(tcp);
    } else {
        // A folder that is not private may hold a socket of someone posing as the driver.
        error = channel::socketFolderProblem(channel::localSocketFolder(service));
        if (!error.isEmpty()) return false;
        auto local = std::make_unique<QLocalSocket>();
        local->connectToServer(channel::localSocketPath(service, topic));
        socket = std::move(local);
    }
    if (!waitConnected(*socket, ConnectLimitMs)) {
        error = socket->errorString();
        return false;
    }
    QObject::connect(socket.get(), &QIODevice::readyRead, [this] { pump(); });
    socket->write(channel::encode("CONNECT", toCp1250(service) + ' ' + toCp1250(topic)));
    pending.push_back(Pending::Connect);
    const auto answer = awaitAnswer(Pending::Connect, ConnectLimitMs);
    if (!answer) {
        error = QStringLiteral("the driver did not answer");
        return false;
    }
    if (answer->verb != "OK") {
        error = fromCp1250(answer->argument);
        return false;
    }
    return true;
}

bool SocketChannel::isConnected() const { return socket && !reader.broken() && connectedState(*socket); }

bool SocketChannel::pump()
{
    if (!socket) return false;
    reader.feed(socket->readAll());
    bool arrived = false;
    while (auto message = reader.next()) {
        if (message->verb == "NOTIFY") { // no answer: the driver sends it when the item changes
            notified = message->payload;
            arrived = true;
            continue;
        }
        if (pending.empty()) continue; // an answer to nothing: ignore it
        const Pending what = pending.front();
        pending.pop_front();
        if (what == Pending::Execute) {
            if (message->verb != "OK") error = fromCp1250(message->argument);
        } else if (what != Pending::Stale) {
            if (what == Pending::Request) { // newer than any text sent unasked before it
                notified.reset();
                arrived = false;
            }
            settled.push_back(*message);
        }
    }
    if (arrived && onNotified) onNotified();
    if (reader.broken()) {
        // Closed by the next operation: this may run inside the socket's own signal.
        error = QStringLiteral("the driver sent a malformed answer: %1").arg(reader.failure());
        return false;
    }
    return isConnected();
}

std::optional<channel::Message> SocketChannel::awaitAnswer(Pending what, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (true) {
        pump();
        if (!settled.empty()) {
            auto message = settled.front();
            settled.pop_front();
            return message;
        }
        if (!socket || !isConnected() || deadline.hasExpired()) break;
        const auto local = qobject_cast<QLocalSocket*>(socket.get());
        const int left = int(deadline.remainingTime());
        if (local ? !local->waitForReadyRead(left) : !socket->waitForReadyRead(left)) {
            if (!isConnected() || deadline.hasExpired()) break;
        }
    }
    // The answer may still come: it is then read and dropped.
    for (auto& p : pending)
        if (p == what && (what == Pending::Request || what == Pending::Advise)) {
            p = Pending::Stale;
            break;
        }
    return std::nullopt;
}

bool SocketChannel::isWaiting()
{
    if (!socket) return false;
    pump();
    for (auto it = pending.begin(); it != pending.end(); ++it) {
        if (*it != Pending::Execute) continue;
        if (eventLoop().nowMs() - executeSentAt < ExecuteAnswerLimitMs) return true;
        *it = Pending::Stale; // lost: its late answer will be read and dropped
    }
    return false;
}

ExecuteResult SocketChannel::execute(const QByteArray& macro)
{
    if (!isConnected()) return ExecuteResult::Refused;
    if (socket->write(channel::encodeWithPayload("EXECUTE", macro)) < 0) return ExecuteResult::Refused;
    pending.push_back(Pending::Execute);
    executeSentAt = eventLoop().nowMs();
    if (auto* local = qobject_cast<QLocalSocket*>(socket.get())) local->flush();
    if (auto* tcp = qobject_cast<QTcpSocket*>(socket.get())) tcp->flush();
    return ExecuteResult::Accepted;
}

QByteArray SocketChannel::request(const QString& item, int timeoutMs)
{
    if (!isConnected()) return {};
    socket->write(channel::encode("REQUEST", toCp1250(item)));
    pending.push_back(Pending::Request);
    const auto answer = awaitAnswer(Pending::Request, timeoutMs);
    if (!answer || answer->verb != "DATA") return {};
    return answer->payload;
}

bool SocketChannel::advise(const QString& item)
{
    if (!isConnected()) return false;
    socket->write(channel::encode("ADVISE", toCp1250(item)));
    pending.push_back(Pending::Advise);
    const auto answer = awaitAnswer(Pending::Advise, AdviseAnswerLimitMs);
    return answer && answer->verb == "OK";
}

std::optional<QByteArray> SocketChannel::takeNotification()
{
    pump();
    return std::exchange(notified, std::nullopt);
}

void SocketChannel::disconnect()
{
    if (isConnected()) {
        socket->write(channel::encode("DISCONNECT"));
        if (auto* local = qobject_cast<QLocalSocket*>(socket.get())) local->waitForBytesWritten(1000);
        if (auto* tcp = qobject_cast<QTcpSocket*>(socket.get())) tcp->waitForBytesWritten(1000);
    }
    close();
}

void SocketChannel::close()
{
    if (socket) {
        socket->disconnect();
        socket->close();
        socket.reset();
    }
    pending.clear();
    settled.clear();
    notified.reset();
    reader = channel::MessageReader(MaxReplyTextLength);
}

} // namespace platform
