#include "transport/SystemSerialPort.h"

#include "platform/SerialPorts.h"
#include "platform/SerialSettings.h"

namespace transport {

SystemSerialPort::SystemSerialPort(QString name) : portName(std::move(name))
{
    QObject::connect(&port, &QSerialPort::readyRead, &port, [this] {
        const QByteArray bytes = port.readAll();
        if (onBytes && !bytes.isEmpty()) onBytes(bytes);
    });
    QObject::connect(&port, &QSerialPort::errorOccurred, &port, [this](QSerialPort::SerialPortError error) {
        // A vanished device (a USB modem unplugged, the other end of a pseudo-terminal closed) shows as
        // an error reading or writing; the port then keeps reporting it until it is closed.
        QString why;
        switch (error) {
        case QSerialPort::ResourceError: why = QStringLiteral("the device is no longer there"); break;
        case QSerialPort::ReadError: why = QStringLiteral("reading from it fails"); break;
        case QSerialPort::WriteError: why = QStringLiteral("writing to it fails"); break;
        default: return;
        }
        if (!port.isOpen()) return;
        port.close();
        if (onLost) onLost(why);
    });
}

SystemSerialPort::~SystemSerialPort() { port.close(); }

bool SystemSerialPort::open(QString& error, QStringList& warnings)
{
    port.setPortName(portName);
    if (!port.open(QIODevice::ReadWrite)) {
        error = port.errorString();
        return false;
    }
    auto need = [&](bool ok, const char* what) {
        if (!ok) warnings << QStringLiteral("cannot set %1 (%2)").arg(QLatin1String(what), port.errorString());
        port.clearError();
    };
    need(port.setBaudRate(1200), "1200 bit/s");
    need(port.setDataBits(QSerialPort::Data8), "8 data bits");
    need(port.setParity(QSerialPort::OddParity), "odd parity");
    need(port.setStopBits(QSerialPort::OneStop), "1 stop bit");
    need(port.setFlowControl(QSerialPort::NoFlowControl), "no flow control");
    // Modems that draw their power from the port need DTR.
    need(port.setDataTerminalReady(true), "DTR");
    const auto kept = platform::checkHartCharacterSettings(port.handle());
    if (!kept) {
        // The device went away while it was being set up.
        error = QStringLiteral("the port could not be set up");
        port.close();
        return false;
    }
    warnings += *kept;
    return true;
}

void SystemSerialPort::close() { port.close(); }

bool SystemSerialPort::write(const QByteArray& bytes) { return port.write(bytes) == bytes.size(); }

bool SystemSerialPort::setRts(bool on)
{
    const bool ok = port.setRequestToSend(on);
    port.clearError();
    return ok;
}

QStringList listSerialPorts()
{
    QStringList lines;
    for (const platform::SerialPort& port : platform::serialPorts())
        lines << port.line();
    return lines;
}

} // namespace transport
