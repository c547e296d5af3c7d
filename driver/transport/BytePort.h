#pragma once
// What the serial line needs of a port: bytes both ways, the RTS line, and word when the port is
// gone (a USB modem unplugged). The system's serial port is one; tests use a port of their own.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace transport {

class BytePort {
public:
    virtual ~BytePort() = default;

    virtual QString name() const = 0;
    // Opens the port and sets it up for HART: 1200 bit/s, 8 data bits, odd parity, 1 stop bit.
    // False, with the reason in `error`, when it cannot be opened. A setting the port cannot hold
    // (a pseudo-terminal has no speed or parity) goes into `warnings`, and the port is used as it is.
    virtual bool open(QString& error, QStringList& warnings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // False when the bytes could not be handed to the port.
    virtual bool write(const QByteArray& bytes) = 0;
    // False when the port cannot switch RTS.
    virtual bool setRts(bool on) = 0;

    std::function<void(const QByteArray& bytes)> onBytes;
    // The port vanished and is closed.
    std::function<void(const QString& why)> onLost;
};

} // namespace transport
