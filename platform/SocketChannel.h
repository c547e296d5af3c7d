#pragma once
// The driver conversation over a socket: a Unix-domain socket for the local service, TCP for a
// network service (a service name ending in "ndde$" with topic "HART$").
#include "platform/ChannelProtocol.h"
#include "platform/LinkChannel.h"

#include <QIODevice>
#include <deque>
#include <memory>

namespace platform {

class SocketChannel final : public LinkChannel {
public:
    // Longest wait for the driver's answer to an execute before the transaction counts as lost.
    static constexpr int ExecuteAnswerLimitMs = 10000;
    static constexpr int ConnectLimitMs = 5000;
    // The longest text of the reply item taken from the driver, asked for or sent unasked. A reply to
    // a command of at most 999 bytes stays far below it; a longer text is a malformed answer that ends
    // the conversation, so that a driver cannot make the program decode and show megabytes.
    static constexpr int MaxReplyTextLength = 1 << 16;

    SocketChannel();
    ~SocketChannel() override;

    bool connectTo(const QString& service, const QString& topic) override;
    bool isConnected() const override;
    bool isWaiting() override;
    ExecuteResult execute(const QByteArray& macro) override;
    QByteArray request(const QString& item, int timeoutMs) override;
    void disconnect() override;
    bool advise(const QString& item) override;
    std::optional<QByteArray> takeNotification() override;

    // Why the last connect failed (no driver, a socket folder that is not private, the driver's
    // refusal), or the driver's reason for a refused execute.
    QString lastError() const override { return error; }

private:
    // How long a driver gets to say whether it offers notifications.
    static constexpr int AdviseAnswerLimitMs = 2000;
    enum class Pending { Connect, Advise, Execute, Request, Stale };
    bool open(const QString& service, const QString& topic);
    // Reads what arrived and settles pending answers; false when the connection broke.
    bool pump();
    // Waits (blocking, on this socket only) until the front answer of kind `what` is settled.
    std::optional<channel::Message> awaitAnswer(Pending what, int timeoutMs);
    void close();

    std::unique_ptr<QIODevice> socket;
    channel::MessageReader reader{MaxReplyTextLength};
    std::deque<Pending> pending;
    std::deque<channel::Message> settled; // answers to Connect/Advise/Request waiting for their caller
    std::optional<QByteArray> notified;   // the newest text sent unasked, not yet taken
    qint64 executeSentAt = 0;
    QString error;
};

} // namespace platform
