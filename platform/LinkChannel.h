#pragma once
// The conversation with the HART driver: connect to a service and topic, execute a macro without
// waiting for it, request an item's text synchronously, disconnect. A driver may also offer to send
// an item's text unasked whenever it changes (advise); one that does not is simply polled.
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace platform {

enum class ExecuteResult {
    Accepted, // handed to the driver
    Refused,  // no conversation, or it could not be written
};

class LinkChannel {
public:
    virtual ~LinkChannel() = default;
    virtual bool connectTo(const QString& service, const QString& topic) = 0;
    virtual bool isConnected() const = 0;
    // True while the driver has not yet answered the last execute.
    virtual bool isWaiting() = 0;
    virtual ExecuteResult execute(const QByteArray& macro) = 0;
    // The item's text; empty when the driver did not answer within timeoutMs or is gone.
    virtual QByteArray request(const QString& item, int timeoutMs) = 0;
    virtual void disconnect() = 0;
    // Why the last connect failed, in the platform's words; empty when not known.
    virtual QString lastError() const { return {}; }

    // Asks the driver to send the item's text whenever it changes; false when the driver does not
    // offer that (or did not answer): the item is then only polled.
    virtual bool advise(const QString& item)
    {
        (void)item;
        return false;
    }
    // The newest text the driver sent unasked, given once; nothing when none came since the last
    // take, or when a request answered since then was newer.
    virtual std::optional<QByteArray> takeNotification() { return std::nullopt; }
    // Called from the event loop when a text came unasked, possibly inside another operation's wait:
    // take it later, not from here.
    std::function<void()> onNotified;
};

} // namespace platform
