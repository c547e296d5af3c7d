#pragma once
// The conversation with the HART driver: connect to a service and topic, execute a macro without
// waiting for it, request an item's text synchronously, disconnect.
#include <QByteArray>
#include <QString>

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
};

} // namespace platform
