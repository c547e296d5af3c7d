#pragma once
// One wire a master talks over (a modem on a serial line, a HART-IP session): it sends a request
// once and says what came back. Whether to try again is the master's business (MasterBus).
#include "hart/HartTypes.h"

#include <QString>
#include <functional>

namespace transport {

// What one try at a transaction came to.
struct Attempt {
    enum class Outcome {
        Reply,       // a valid reply from the device
        NoReply,     // nothing came in time: worth another try
        Garbled,     // a reply came, but broken: worth another try
        Unavailable, // the wire itself is not there (port gone, server refuses): no use trying again
    };
    Outcome outcome = Outcome::NoReply;
    hart::Reply reply; // Outcome::Reply
    QString why;       // for the log, when there is no reply

    static Attempt replied(const hart::Reply& reply) { return {Outcome::Reply, reply, {}}; }
    static Attempt failed(Outcome outcome, const QString& why) { return {outcome, {}, why}; }
};

class Line {
public:
    virtual ~Line() = default;
    // Sends the request once. done is called exactly once, later, from the event loop.
    virtual void attempt(const hart::Request& request, std::function<void(const Attempt&)> done) = 0;
    // For the log: "serial port /dev/ttyUSB0", "HART-IP 10.0.0.7:5094 (UDP)".
    virtual QString name() const = 0;
};

} // namespace transport
