#include "hart/HartIp.h"

#include "hart/HartEncoding.h"

namespace hart::ip {

namespace {
// The byte count of a header, or why it cannot be one.
std::optional<int> messageBytes(const QByteArray& header, QString* why)
{
    auto fail = [&](const QString& text) -> std::optional<int> {
        if (why) *why = text;
        return std::nullopt;
    };
    if (quint8(header.at(0)) != Version) return fail(QStringLiteral("version %1").arg(quint8(header.at(0))));
    const int count = int(readUInt(header, 6, 2));
    if (count < HeaderBytes || count > MaxMessageBytes) return fail(QStringLiteral("byte count %1").arg(count));
    return count;
}

Message fromBytes(const QByteArray& bytes)
{
    Message message;
    message.version = quint8(bytes.at(0));
    message.type = MessageType(quint8(bytes.at(1)));
    message.id = MessageId(quint8(bytes.at(2)));
    message.status = quint8(bytes.at(3));
    message.sequence = quint16(readUInt(bytes, 4, 2));
    message.body = bytes.mid(HeaderBytes);
    return message;
}
} // namespace

QByteArray encode(const Message& message)
{
    QByteArray bytes;
    bytes.append(char(message.version));
    bytes.append(char(message.type));
    bytes.append(char(message.id));
    bytes.append(char(message.status));
    appendUInt(bytes, message.sequence, 2);
    appendUInt(bytes, quint32(HeaderBytes + message.body.size()), 2);
    return bytes + message.body;
}

std::optional<Message> decode(const QByteArray& bytes, QString* why)
{
    if (bytes.size() < HeaderBytes) {
        if (why) *why = QStringLiteral("%1 bytes, shorter than a header").arg(bytes.size());
        return std::nullopt;
    }
    const auto count = messageBytes(bytes, why);
    if (!count) return std::nullopt;
    if (*count != bytes.size()) {
        if (why) *why = QStringLiteral("byte count %1 in %2 bytes").arg(*count).arg(bytes.size());
        return std::nullopt;
    }
    return fromBytes(bytes);
}

std::optional<Message> StreamReader::next()
{
    if (broken() || buffer.size() < HeaderBytes) return std::nullopt;
    const auto count = messageBytes(buffer.left(HeaderBytes), &problem);
    if (!count) return std::nullopt;
    if (buffer.size() < *count) return std::nullopt;
    const Message message = fromBytes(buffer.left(*count));
    buffer.remove(0, *count);
    return message;
}

QByteArray sessionInitiateBody(bool primaryMaster, quint32 inactivityMs)
{
    QByteArray body(1, char(primaryMaster ? 1 : 0));
    appendUInt(body, inactivityMs, 4);
    return body;
}

std::optional<SessionRequest> readSessionInitiate(const QByteArray& body)
{
    if (body.size() < 5 || quint8(body.at(0)) > 1) return std::nullopt;
    return SessionRequest{body.at(0) == 1, readUInt(body, 1, 4)};
}

QString messageName(MessageId id)
{
    switch (id) {
    case MessageId::SessionInitiate: return QStringLiteral("session initiate");
    case MessageId::SessionClose: return QStringLiteral("session close");
    case MessageId::KeepAlive: return QStringLiteral("keep-alive");
    case MessageId::TokenPassingPdu: return QStringLiteral("token-passing PDU");
    case MessageId::DirectPdu: return QStringLiteral("direct PDU");
    case MessageId::AuditLog: return QStringLiteral("audit log");
    }
    return QStringLiteral("message %1").arg(int(id));
}

} // namespace hart::ip
