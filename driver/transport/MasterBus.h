#pragma once
// The master's side of every real wire: one transaction at a time, in the order they came, each
// tried again when no valid reply came (nothing, a broken frame, or a reply whose response code
// reports a communication error), up to 3 more times; and sent again after a short wait while the
// device is busy (response code 32) or still working on a delayed response (33..36). A request of a
// scan that meets silence is not tried again. What finally came goes to the session; a transaction
// without a valid reply leaves a line in the log, save a scan's empty address.
#include "transport/Line.h"

#include "hart/HartTiming.h"
#include "platform/Timer.h"

#include <deque>

namespace transport {

struct RetryPolicy {
    int retries = hart::timing::Retries;
    int busyWaitMs = hart::timing::BusyWaitMs;
    int busyRepeats = hart::timing::BusyRepeats;
};

class MasterBus : public hart::Bus {
public:
    explicit MasterBus(Line& line, RetryPolicy policy = {});
    ~MasterBus() override;

    void transact(const hart::Request& request, std::function<void(std::optional<hart::Reply>)> done) override;

private:
    struct Transaction {
        hart::Request request;
        std::function<void(std::optional<hart::Reply>)> done;
        int tries = 0;
        int busyRepeats = 0;
    };
    void tryFront();
    void attempted(const Attempt& attempt);
    void deliver(const std::optional<hart::Reply>& reply);

    Line& line;
    RetryPolicy policy;
    std::deque<Transaction> queue; // the front is on the wire
    platform::Timer busyWait;
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};

// "polling address 3", "device 2E D2 0A 1B 2C", "the broadcast address": for the log.
QString addressText(const hart::Address& address);

} // namespace transport
