#pragma once
// The wire form of the driver link, shared by the program and the driver: one ASCII header line
// ending in LF, then, for the messages that carry one, exactly as many payload bytes as the header
// names. Client: CONNECT <service> <topic> | EXECUTE <n> | REQUEST <item> | ADVISE <item> |
// UNADVISE <item> | DISCONNECT. Driver: OK | ERR <text> | DATA <n>, and, unasked, NOTIFY <n> with the
// advised item's new text.
#include <QByteArray>
#include <QString>
#include <optional>

namespace platform::channel {

// The fixed names of the conversation, the same on both ends.
inline const QString LocalService = QStringLiteral("Pelmora");
inline const QString LocalTopic = QStringLiteral("DdeHartServer");
inline const QString NetworkTopic = QStringLiteral("HART$");
inline const QString NetworkSuffix = QStringLiteral("ndde$");
inline const QString ReplyItem = QStringLiteral("DdeHartCommand");
inline const QByteArray TerminateMacro = QByteArrayLiteral("terminate");
// The one data line of a command 0 that scans the loop: the driver tries the address once. A driver
// that does not know it reads a command 0, which carries no data, and tries as ever.
inline const QString ScanRequest = QStringLiteral("scan");
// The driver program the client starts when the local driver does not answer.
inline const QString DriverProgram = QStringLiteral("pelmora");

inline constexpr int DefaultTcpPort = 20094;
inline constexpr int MaxHeaderLength = 1024;
inline constexpr int MaxPayloadLength = 1 << 20;

struct Message {
    QByteArray verb;     // CONNECT, EXECUTE, REQUEST, ADVISE, UNADVISE, DISCONNECT, SIM, OK, ERR, DATA, NOTIFY
    QByteArray argument; // the rest of the header line after the verb and one blank
    QByteArray payload;  // for EXECUTE and DATA
};

QByteArray encode(const QByteArray& verb, const QByteArray& argument = {});
QByteArray encodeWithPayload(const QByteArray& verb, const QByteArray& payload);

// Cuts a byte stream into messages.
class MessageReader {
public:
    MessageReader() = default;
    // A reader may take less than the protocol allows, when it knows what the other side can send.
    explicit MessageReader(int maxPayloadLength) : payloadLimit(maxPayloadLength) {}
    void feed(const QByteArray& bytes) { buffer += bytes; }
    // The next complete message, if one is there. After a malformed header the reader is broken
    // for good and returns nothing: the connection must be closed.
    std::optional<Message> next();
    bool broken() const { return failed; }
    QString failure() const { return why; }

private:
    int payloadLimit = MaxPayloadLength;
    QByteArray buffer;
    bool failed = false;
    QString why;
};

// Where the driver of a local service listens: $XDG_RUNTIME_DIR/<service>/<topic>, or
// /tmp/<service>-<uid>/<topic> when that variable is unset.
QString localSocketFolder(const QString& service);
QString localSocketPath(const QString& service, const QString& topic);
// Creates the socket folder, private to this user (mode 0700), when it is not there. An existing
// folder is left as it is: socketFolderProblem() decides whether it may be used.
// False when it cannot be made.
bool makeLocalSocketFolder(const QString& folder);
// Why the socket folder must not be used, or empty when it is fit: a folder of its own (no symbolic
// link), owned by this user, with no access for group or others. Under /tmp another user could
// have made it first and listen there in the driver's place; both ends check before they use it.
QString socketFolderProblem(const QString& folder);

struct TcpAddress {
    QString host;
    int port = DefaultTcpPort;
    bool valid = false;
};
// The computer a network path names: leading and trailing "\" or "/" removed, an optional ":port".
// A service name of network mode (path + "\ndde$") gives the same computer.
TcpAddress tcpAddressFromNetPath(QString netPath);

} // namespace platform::channel
