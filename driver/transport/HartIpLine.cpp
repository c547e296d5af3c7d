#include "transport/HartIpLine.h"

#include "transport/Restart.h"

#include <QDebug>
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QTcpSocket>
#include <QUdpSocket>

namespace transport {

using namespace hart::ip;

namespace {
// The server has to keep the session while idle: a keep-alive after a third of its timer.
constexpr int KeepAliveShare = 3;
constexpr quint32 MinKeepAliveMs = 100;

template <typename Socket> void dispose(std::unique_ptr<Socket>& socket, QObject& context)
{
    if (!socket) return;
    QObject::disconnect(socket.get(), nullptr, &context, nullptr);
    socket->abort();
    socket.release()->deleteLater(); // it may be inside one of its own signals
}
} // namespace

HartIpLine::HartIpLine(HartIpOptions options, const WireTrace& trace) : options(std::move(options)), trace(trace)
{
    replyWait.OnTimer = [this] { timedOut(); };
    keepAlive.OnTimer = [this] {
        if (session == Session::Open && !awaited) sendKeepAlive();
    };
    later.setInterval(1);
    later.OnTimer = [this] {
        later.setEnabled(false);
        if (deferred) finish(*std::exchange(deferred, std::nullopt));
    };
}

HartIpLine::~HartIpLine()
{
    if (session == Session::Open) {
        send(MessageId::SessionClose, {});
        if (tcp) {
            tcp->flush();
            tcp->disconnectFromHost();
        }
    }
    dispose(tcp, context);
    dispose(udp, context);
}

QString HartIpLine::name() const
{
    return QStringLiteral("HART-IP %1:%2 (%3)")
        .arg(options.host)
        .arg(options.port)
        .arg(options.tcp ? QStringLiteral("TCP") : QStringLiteral("UDP"));
}

void HartIpLine::attempt(const hart::Request& request, std::function<void(const Attempt&)> whenDone)
{
    done = std::move(whenDone);
    frame = hart::requestFrame(request, options.primaryMaster);
    if (session == Session::Open && sessionInDoubt)
        sendKeepAlive();
    else if (session == Session::Open)
        sendPdu();
    else if (session == Session::Closed)
        openSession();
}

void HartIpLine::openSession()
{
    session = Session::Opening;
    reader = StreamReader();
    if (!address.isNull()) return connectTo(address);
    if (const QHostAddress literal(options.host); !literal.isNull()) return connectTo(literal);
    // The look-up has the time of an answer, as the connection has.
    restart(replyWait, options.replyTimeoutMs);
    lookup = QHostInfo::lookupHost(options.host, &context, [this](const QHostInfo& info) { resolved(info); });
}

void HartIpLine::resolved(const QHostInfo& info)
{
    lookup = -1;
    if (session != Session::Opening) return;
    if (info.error() != QHostInfo::NoError || info.addresses().isEmpty())
        return sessionLost(QStringLiteral("cannot find %1: %2").arg(options.host, info.errorString()),
                           Attempt::Outcome::Unavailable);
    address = info.addresses().constFirst();
    connectTo(address);
}

void HartIpLine::connectTo(const QHostAddress& to)
{
    address = to;
    if (options.tcp) {
        tcp = std::make_unique<QTcpSocket>();
        QObject::connect(tcp.get(), &QTcpSocket::connected, &context, [this] {
            send(MessageId::SessionInitiate, sessionInitiateBody(options.primaryMaster, options.inactivityMs));
            restart(replyWait, options.replyTimeoutMs);
        });
        QObject::connect(tcp.get(), &QTcpSocket::readyRead, &context, [this] { readStream(); });
        QObject::connect(tcp.get(), &QTcpSocket::errorOccurred, &context, [this] {
            const bool wasOpen = session == Session::Open;
            sessionLost(tcp->errorString(), wasOpen ? Attempt::Outcome::NoReply : Attempt::Outcome::Unavailable);
        });
        tcp->connectToHost(to, options.port);
        restart(replyWait, options.replyTimeoutMs); // for the connection, then for the session initiate
        return;
    }
    udp = std::make_unique<QUdpSocket>();
    QObject::connect(udp.get(), &QUdpSocket::readyRead, &context, [this] { readDatagrams(); });
    udp->bind(to.protocol() == QAbstractSocket::IPv6Protocol ? QHostAddress::AnyIPv6 : QHostAddress::AnyIPv4, 0);
    send(MessageId::SessionInitiate, sessionInitiateBody(options.primaryMaster, options.inactivityMs));
    restart(replyWait, options.replyTimeoutMs);
}

void HartIpLine::send(MessageId id, const QByteArray& body)
{
    Message message;
    message.type = MessageType::Request;
    message.id = id;
    message.sequence = nextSequence++;
    message.body = body;
    const QByteArray bytes = encode(message);
    if (id != MessageId::SessionClose) {
        awaited = message.sequence;
        awaitedId = id;
    }
    trace.sent(bytes, messageName(id));
    if (tcp)
        tcp->write(bytes);
    else if (udp)
        udp->writeDatagram(bytes, address, options.port);
    if (session == Session::Open) restart(keepAlive, keepAlive.interval()); // idle time starts again
}

void HartIpLine::readDatagrams()
{
    while (udp && udp->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = udp->receiveDatagram(MaxMessageBytes + 1);
        // Only the server speaks in the session; anyone else on the network is not listened to.
        if (!datagram.senderAddress().isEqual(address, QHostAddress::TolerantConversion)) {
            trace.received(datagram.data(), u"from " + datagram.senderAddress().toString() + u", ignored");
            continue;
        }
        QString why;
        const auto message = decode(datagram.data(), &why);
        trace.received(datagram.data(), message ? messageName(message->id) : u"malformed: " + why);
        if (message) handle(*message);
    }
}

void HartIpLine::readStream()
{
    if (!tcp) return;
    reader.feed(tcp->readAll());
    while (const auto message = reader.next()) {
        trace.received(encode(*message), messageName(message->id));
        handle(*message);
        if (!tcp) return;
    }
    if (reader.broken()) sessionLost(u"malformed message: " + reader.problem, Attempt::Outcome::NoReply);
}

void HartIpLine::handle(const Message& message)
{
    if (message.type != MessageType::Response && message.type != MessageType::Error && message.type != MessageType::Nak)
        return;
    if (!awaited || message.sequence != *awaited) return; // late, or not ours
    if (message.type == MessageType::Response && message.id != awaitedId) return;
    awaited.reset();
    replyWait.setEnabled(false);
    if (message.type == MessageType::Nak || message.type == MessageType::Error) {
        qWarning().noquote() << QStringLiteral("%1 answers the %2 with %3 (status %4)")
                                    .arg(name(), messageName(awaitedId),
                                         message.type == MessageType::Nak ? QStringLiteral("a NAK")
                                                                          : QStringLiteral("an error"))
                                    .arg(message.status);
        return sessionLost(QStringLiteral("the server ended the session"), Attempt::Outcome::NoReply);
    }
    switch (awaitedId) {
    case MessageId::SessionInitiate: return sessionAnswered(message);
    case MessageId::TokenPassingPdu: return pduAnswered(message);
    case MessageId::KeepAlive:
        if (message.status != status::Success)
            return sessionLost(QStringLiteral("keep-alive refused with status %1").arg(message.status),
                               Attempt::Outcome::NoReply);
        sessionInDoubt = false;
        if (done) sendPdu();
        return;
    default: return;
    }
}

void HartIpLine::sessionAnswered(const Message& message)
{
    if (message.status != status::Success && message.status != status::SetToNearest) {
        const QString why = QStringLiteral("the server refuses the session with status %1").arg(message.status);
        qWarning().noquote() << name() + u": " + why;
        return sessionLost(why, Attempt::Outcome::Unavailable);
    }
    const auto granted = readSessionInitiate(message.body);
    const quint32 inactivity = granted && granted->inactivityMs > 0 ? granted->inactivityMs : options.inactivityMs;
    session = Session::Open;
    restart(keepAlive, int(qMax<quint32>(MinKeepAliveMs, inactivity / KeepAliveShare)));
    qInfo().noquote() << QStringLiteral("%1: session open (%2 master, inactivity timer %3 ms)")
                             .arg(name(),
                                  options.primaryMaster ? QStringLiteral("primary") : QStringLiteral("secondary"))
                             .arg(inactivity);
    if (done) sendPdu();
}

void HartIpLine::pduAnswered(const Message& message)
{
    if (message.status != status::Success) {
        const QString why =
            QStringLiteral("the server answers command %1 with status %2").arg(frame.command).arg(message.status);
        qWarning().noquote() << name() + u": " + why;
        return finish(Attempt::failed(Attempt::Outcome::Unavailable, why));
    }
    QString why;
    const auto reply = hart::decodePdu(message.body, &why);
    if (!reply) return finish(Attempt::failed(Attempt::Outcome::Garbled, u"reply " + why));
    if (!hart::answers(*reply, frame))
        return finish(Attempt::failed(Attempt::Outcome::Garbled, QStringLiteral("a reply to another request")));
    finish(Attempt::replied(hart::replyOf(*reply)));
}

void HartIpLine::timedOut()
{
    replyWait.setEnabled(false);
    if (session != Session::Open)
        return sessionLost(QStringLiteral("no answer within %1 ms").arg(options.replyTimeoutMs),
                           Attempt::Outcome::NoReply);
    if (awaitedId == MessageId::KeepAlive)
        return sessionLost(QStringLiteral("keep-alive unanswered"), Attempt::Outcome::NoReply);
    awaited.reset();
    trace.event(QStringLiteral("no reply within %1 ms").arg(options.replyTimeoutMs));
    // No device at that address, or a server that dropped the session without a word (it restarted,
    // say): a keep-alive before the next PDU tells which, and a lost session is opened again.
    sessionInDoubt = true;
    finish(Attempt::failed(Attempt::Outcome::NoReply, QStringLiteral("no reply")));
}

void HartIpLine::sessionLost(const QString& why, Attempt::Outcome outcome)
{
    if (session == Session::Open)
        qWarning().noquote()
            << QStringLiteral("%1: session lost (%2); it is opened again with the next command").arg(name(), why);
    session = Session::Closed;
    sessionInDoubt = false;
    if (lookup >= 0) QHostInfo::abortHostLookup(std::exchange(lookup, -1));
    if (QHostAddress(options.host).isNull()) address.clear(); // a name is looked up again: it may have moved
    awaited.reset();
    replyWait.setEnabled(false);
    keepAlive.setEnabled(false);
    dispose(tcp, context);
    dispose(udp, context);
    if (done) finishLater(Attempt::failed(outcome, why));
}

void HartIpLine::sendKeepAlive()
{
    send(MessageId::KeepAlive, {});
    restart(replyWait, options.replyTimeoutMs);
}

void HartIpLine::sendPdu()
{
    send(MessageId::TokenPassingPdu, hart::encodePdu(frame));
    restart(replyWait, options.replyTimeoutMs);
}

void HartIpLine::finish(const Attempt& attempt)
{
    if (auto callback = std::exchange(done, nullptr)) callback(attempt);
}

void HartIpLine::finishLater(const Attempt& attempt)
{
    deferred = attempt;
    later.setEnabled(true);
}

} // namespace transport
