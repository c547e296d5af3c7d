#pragma once
// The driver's bus over a HART modem on a serial port: the system's port, the serial line that
// frames and times each try, and the master that tries again.
#include "transport/MasterBus.h"
#include "transport/SerialLine.h"
#include "transport/SystemSerialPort.h"

namespace transport {

class SerialBus : public hart::Bus {
public:
    SerialBus(const QString& portName, SerialOptions options, const WireTrace& trace)
        : port(portName), line(port, options, trace), master(line)
    {
        line.open();
    }
    void transact(const hart::Request& request, std::function<void(std::optional<hart::Reply>)> done) override
    {
        master.transact(request, std::move(done));
    }

private:
    SystemSerialPort port;
    SerialLine line;
    MasterBus master;
};

} // namespace transport
