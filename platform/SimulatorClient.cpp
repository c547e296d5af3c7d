#include "platform/SimulatorClient.h"

#include "platform/ChannelProtocol.h"
#include "platform/Encoding.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

namespace platform {

namespace {
constexpr int ConnectMs = 2000;
constexpr int AnswerMs = 10000;

class Conversation {
public:
    explicit Conversation(const QString& path) { socket.connectToServer(path); }
    ~Conversation()
    {
        if (socket.state() != QLocalSocket::ConnectedState) return;
        socket.write(channel::encode("DISCONNECT"));
        socket.waitForBytesWritten(1000);
    }
    bool connected() { return socket.waitForConnected(ConnectMs); }

    std::optional<channel::Message> ask(const QByteArray& bytes)
    {
        socket.write(bytes);
        const QDeadlineTimer deadline(AnswerMs);
        while (true) {
            if (auto message = reader.next()) return message;
            if (reader.broken() || deadline.hasExpired()) return std::nullopt;
            if (!socket.waitForReadyRead(int(deadline.remainingTime()))) return std::nullopt;
            reader.feed(socket.readAll());
        }
    }

private:
    QLocalSocket socket;
    channel::MessageReader reader;
};
} // namespace

SimulatorAnswer askSimulator(const QString& socketPath, const QString& request)
{
    Conversation driver(socketPath);
    if (!driver.connected()) return {false, QStringLiteral("no driver answers at %1").arg(socketPath)};
    const QString names = channel::LocalService + u' ' + channel::LocalTopic;
    const auto hello = driver.ask(channel::encode("CONNECT", names.toLatin1()));
    if (!hello || hello->verb != "OK")
        return {false, QStringLiteral("the driver at %1 refused the conversation").arg(socketPath)};
    const auto answer = driver.ask(channel::encode("SIM", toCp1250(request)));
    if (!answer) return {false, QStringLiteral("the driver at %1 did not answer").arg(socketPath)};
    if (answer->verb == "DATA") return {true, fromCp1250(answer->payload)};
    if (answer->verb == "ERR") return {false, fromCp1250(answer->argument)};
    return {false, QStringLiteral("the driver at %1 gave an unexpected answer").arg(socketPath)};
}

} // namespace platform
