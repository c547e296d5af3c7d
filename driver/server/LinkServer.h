#pragma once
// The driver's end of the link: accepts conversations on the local socket (service "Pelmora",
// topic "DdeHartServer") and, when asked, on TCP (a service ending in "ndde$", topic "HART$");
// hands executed macros to the session one at a time and keeps the reply item that every
// conversation reads.
#include "platform/ChannelProtocol.h"
#include "session/DriverSession.h"

#include <QObject>
#include <functional>
#include <map>

class QLocalServer;
class QTcpServer;
class QIODevice;

namespace server {

class LinkServer : public QObject {
public:
    explicit LinkServer(session::DriverSession& session);
    ~LinkServer() override;

    // Listens on a Unix-domain socket; removes a stale socket file, refuses when a driver answers there.
    bool listenLocal(const QString& path, QString& error);
    // Listens on TCP, "ADDRESS:PORT" (the port may be 0 for any free one).
    bool listenTcp(const QString& addressAndPort, QString& error);
    quint16 tcpPort() const;

    QString item() const { return itemText; }
    // Called once "terminate" has been acknowledged.
    std::function<void()> onTerminate;

private:
    struct Client {
        QIODevice* socket = nullptr;
        platform::channel::MessageReader reader;
        bool network = false;
        bool connected = false;
    };
    void accept(QIODevice* socket, bool network);
    void readFrom(QIODevice* socket);
    void handle(Client& client, const platform::channel::Message& message);
    void reply(Client& client, const QByteArray& bytes);

    session::DriverSession& session;
    QLocalServer* local = nullptr;
    QTcpServer* tcp = nullptr;
    std::map<QIODevice*, Client> clients;
    QString itemText;
};

} // namespace server
