#pragma once
// The driver's bus through a HART-IP server: the HART-IP line and the master that tries again.
// TCP delivers or drops the session, so a try is repeated once, to get over a session that
// dropped; UDP may lose a datagram, and that costs one more try too. Either keeps a silent server
// within about 4 s.
#include "transport/HartIpLine.h"
#include "transport/MasterBus.h"

namespace transport {

class HartIpBus : public hart::Bus {
public:
    HartIpBus(HartIpOptions options, const WireTrace& trace)
        : line(std::move(options), trace), master(line, RetryPolicy{1})
    {
    }
    void transact(const hart::Request& request, std::function<void(std::optional<hart::Reply>)> done) override
    {
        master.transact(request, std::move(done));
    }

private:
    HartIpLine line;
    MasterBus master;
};

} // namespace transport
