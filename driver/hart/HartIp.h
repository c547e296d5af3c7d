#pragma once
// HART-IP messages: an 8-byte header (version, message type, message id, status, sequence number,
// byte count with the header, all big-endian) and a body. The body of a token-passing PDU is a
// HART frame without preambles; that of a session initiate the master type (1 primary, 0
// secondary) and the inactivity timer in ms. Used by the driver's HART-IP line and by the HART-IP
// server of the simulated devices.
#include <QByteArray>
#include <QString>
#include <optional>

namespace hart::ip {

inline constexpr quint16 DefaultPort = 5094;
inline constexpr int HeaderBytes = 8;
inline constexpr quint8 Version = 1;
// Longer messages than any HART frame needs are refused.
inline constexpr int MaxMessageBytes = HeaderBytes + 1024;

enum class MessageType : quint8 { Request = 0, Response = 1, Publish = 2, Error = 3, Nak = 15 };
enum class MessageId : quint8 {
    SessionInitiate = 0,
    SessionClose = 1,
    KeepAlive = 2,
    TokenPassingPdu = 3,
    DirectPdu = 4,
    AuditLog = 5
};

namespace status {
inline constexpr quint8 Success = 0;
inline constexpr quint8 InvalidSelection = 2; // an unknown master type
inline constexpr quint8 TooFewBytes = 5;
inline constexpr quint8 SetToNearest = 8; // the server took another inactivity timer
inline constexpr quint8 VersionNotSupported = 14;
inline constexpr quint8 AllSessionsInUse = 15;
} // namespace status

struct Message {
    MessageType type = MessageType::Request;
    MessageId id = MessageId::KeepAlive;
    quint8 status = status::Success;
    quint16 sequence = 0;
    QByteArray body;
    quint8 version = Version;
};

QByteArray encode(const Message& message);
// One whole message (a UDP datagram); nothing when it is malformed, with the reason in `why`.
std::optional<Message> decode(const QByteArray& bytes, QString* why = nullptr);

// Messages one after the other on a stream (TCP).
class StreamReader {
public:
    void feed(const QByteArray& bytes) { buffer += bytes; }
    // The next whole message, if there is one. After a malformed header the stream is broken:
    // nothing more comes, and `problem` says why.
    std::optional<Message> next();
    bool broken() const { return !problem.isEmpty(); }
    QString problem;

private:
    QByteArray buffer;
};

QByteArray sessionInitiateBody(bool primaryMaster, quint32 inactivityMs);
struct SessionRequest {
    bool primaryMaster = true;
    quint32 inactivityMs = 0;
};
std::optional<SessionRequest> readSessionInitiate(const QByteArray& body);

QString messageName(MessageId id);

} // namespace hart::ip
