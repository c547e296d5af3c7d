#pragma once
// The driver's end of the link: accepts conversations on the local socket (service "Pelmora",
// topic "DdeHartServer") and, when asked, on TCP (a service ending in "ndde$", topic "HART$").
// Each conversation has a reply item of its own, which shows only the replies to its own
// commands. The session works on one command at a time: commands of several conversations wait
// in a queue and take their turns in the order they came, each conversation with at most one
// command queued or on the wire. A SIM message on the local socket controls the simulated devices
// at once, beside the queue: it is no HART traffic. A conversation that asked with ADVISE is sent
// its item's text unasked (NOTIFY) whenever the text changes. A conversation that goes on sending
// while it leaves its answers unread is closed once they pile up: the driver keeps no more than
// MaxUnsentBytes waiting for anyone.
#include "platform/ChannelProtocol.h"
#include "platform/SimulatorClient.h"
#include "session/DriverSession.h"

#include <QObject>
#include <deque>
#include <functional>
#include <map>

class QLocalServer;
class QTcpServer;
class QIODevice;

namespace server {

// What the control of the simulated devices made of a SIM message: what was done, or why not.
using SimulatorAnswer = platform::SimulatorAnswer;

class LinkServer : public QObject {
public:
    // What may wait unsent for one conversation (2 MiB): room for the largest message, far more than a
    // program that reads its answers ever leaves.
    static constexpr qint64 MaxUnsentBytes = 2 * platform::channel::MaxPayloadLength;

    explicit LinkServer(session::DriverSession& session);
    ~LinkServer() override;

    // Listens on a Unix-domain socket; removes a stale socket file, refuses when a driver answers there.
    bool listenLocal(const QString& path, QString& error);
    // Listens on TCP, "ADDRESS:PORT" (the port may be 0 for any free one).
    bool listenTcp(const QString& addressAndPort, QString& error);
    quint16 tcpPort() const;

    // Called once "terminate" has been acknowledged by the last conversation left.
    std::function<void()> onTerminate;
    // Carries out the text of a SIM message; unset when the devices are real.
    std::function<SimulatorAnswer(const QString& request)> simulatorControl;

private:
    struct Client {
        QIODevice* socket = nullptr;
        quint64 id = 0; // replies find their conversation by id: a socket's address may be reused
        platform::channel::MessageReader reader;
        bool network = false;
        bool connected = false;
        bool commandPending = false; // queued or on the wire
        bool advised = false;        // the item's changes are sent unasked
        bool dropped = false;        // gone, or left its answers unread: nothing more is read or sent
        QString item;
    };
    struct Queued {
        quint64 client = 0;
        QByteArray macro;
    };
    void accept(QIODevice* socket, bool network);
    void forget(QIODevice* socket);
    // A conversation whose peer has gone: it takes nothing more at once, and is forgotten from the event
    // loop, since a write that found the peer gone may have come here from code that still holds it.
    void gone(QIODevice* socket);
    void forgetLater(quint64 id);
    void readFrom(QIODevice* socket);
    void handle(Client& client, const platform::channel::Message& message);
    void execute(Client& client, const QByteArray& macro);
    void terminate(Client& client);
    void controlSimulator(Client& client, const QString& request);
    void reply(Client& client, const QByteArray& bytes);
    // Closes a conversation that does not read, once the code that holds it has let go of it.
    void drop(Client& client);
    // Sends an advised conversation its item's text.
    void notify(Client& client);
    void advise(Client& client, const QString& item, bool on);
    // Hands queued commands to the session while it is free.
    void runQueue();
    void settle(quint64 client, const QString& text);

    session::DriverSession& session;
    QLocalServer* local = nullptr;
    QTcpServer* tcp = nullptr;
    std::map<QIODevice*, Client> clients;
    std::deque<Queued> queue;
    quint64 lastId = 0;
    bool running = false; // runQueue is on the stack
};

} // namespace server
