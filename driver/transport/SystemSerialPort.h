#pragma once
// The system's serial port (QSerialPort) as the serial line's byte port. The port checks the parity
// of every character and hands one with a parity or framing error over as NUL (neither dropped nor
// marked), so a damaged character spoils the frame's check byte. A port that vanishes is closed at
// once: it would report the same error again and again.
#include "transport/BytePort.h"

#include <QSerialPort>

namespace transport {

class SystemSerialPort : public BytePort {
public:
    explicit SystemSerialPort(QString name);
    ~SystemSerialPort() override;

    QString name() const override { return portName; }
    bool open(QString& error, QStringList& warnings) override;
    void close() override;
    bool isOpen() const override { return port.isOpen(); }
    bool write(const QByteArray& bytes) override;
    bool setRts(bool on) override;

private:
    QString portName;
    QSerialPort port;
};

// "/dev/ttyUSB0  FT232R USB UART (FTDI, serial A10K3XYZ)", one line a port, for --list-ports.
QStringList listSerialPorts();

} // namespace transport
