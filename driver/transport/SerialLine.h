#pragma once
// A HART modem on a serial port, as the master sees it. One try at a transaction:
//
//   1. raise RTS (when the driver switches it), write the frame with its preambles: 20 for command
//      0 and for a device that has not said what it needs, otherwise what it asked for in its
//      identity reply, at least 5;
//   2. keep RTS up while the frame is on the line (its characters at 9.17 ms each) and 2 character
//      times more, then drop it;
//   3. wait for the reply to begin within the reply time-out (33 character times for a primary
//      master, 41 for a secondary), read it with the frame receiver, ending a frame as broken when
//      no character comes for 5 character times; take the reply (ACK) from the addressed device for
//      this master, ignoring burst frames (BACK), requests of other masters, an echo of our own and
//      a damaged frame that names another device or command.
//
// A reply that is complete before RTS is down (a modem or simulator quicker than the line) is held
// until then: the line keeps its time either way. A try ends at the latest when the longest frame
// could have followed the reply time-out. What a try came to is handed on from the event loop, once
// the read that brought it has been taken whole. A request is written only when nothing has been
// heard for the gap time-out (the rest of a frame whose length was misread, a burst frame right
// after a reply), waiting at most one reply time-out. When the port vanishes, every try fails at
// once (Communication Error!), the log says so, and the port is opened again as soon as it is back.
#include "transport/BytePort.h"
#include "transport/Line.h"
#include "transport/WireTrace.h"

#include "hart/FrameReceiver.h"
#include "platform/Timer.h"

#include <QHash>
#include <optional>

namespace transport {

struct SerialOptions {
    bool primaryMaster = true;
    bool driverSwitchesRts = true; // false: the modem switches RTS itself
};

class SerialLine : public Line {
public:
    SerialLine(BytePort& port, SerialOptions options, const WireTrace& trace);
    ~SerialLine() override;

    void attempt(const hart::Request& request, std::function<void(const Attempt&)> done) override;
    QString name() const override;

    // Opens the port. When it cannot, the log says why and the port is tried again every second.
    bool open();
    // The preambles a request goes out with.
    int preamblesFor(const hart::Request& request) const;
    int replyTimeoutMs() const;
    static int gapTimeoutMs();
    int tryLimitMs() const;
    static constexpr int ReopenMs = 1000;

private:
    enum class State { Idle, Quieting, Sending, Waiting, Ending };
    void write();
    void bytesArrived(const QByteArray& bytes);
    void frameEnded(const hart::FrameReceiver::Result& result);
    void sendingEnded();
    void portLost(const QString& why);
    void switchRts(bool on);
    void finish(const Attempt& attempt);
    void failLater(const QString& why);
    void handOn(const Attempt& attempt);
    void learnPreambles(const hart::Request& request, const hart::Reply& reply);

    BytePort& port;
    SerialOptions options;
    const WireTrace& trace;
    hart::FrameReceiver receiver;
    State state = State::Idle;
    hart::Frame sent;
    hart::Request sentRequest;
    std::function<void(const Attempt&)> done;
    std::optional<Attempt> early;     // complete before the frame had left
    std::optional<Attempt> deferred;  // the outcome, handed on from the event loop
    QHash<QByteArray, int> preambles; // by long address
    bool rtsWorks = true;
    bool closedReported = false;
    platform::Timer sending;
    platform::Timer replyWait;
    platform::Timer tryLimit;
    platform::Timer quietLimit;
    platform::Timer gap;
    platform::Timer reopen;
    platform::Timer later;
};

} // namespace transport
