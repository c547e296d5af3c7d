#include "platform/SerialPorts.h"

#include <QSerialPortInfo>
#include <QStringList>

namespace platform {

QList<SerialPort> serialPorts()
{
    QList<SerialPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        QStringList maker;
        if (!info.manufacturer().isEmpty()) maker << info.manufacturer();
        if (!info.serialNumber().isEmpty()) maker << u"serial " + info.serialNumber();
        ports.append({info.systemLocation(), info.description(), maker.join(QStringLiteral(", "))});
    }
    return ports;
}

QString SerialPort::line() const
{
    QString text = location;
    if (!description.isEmpty()) text += QStringLiteral("  ") + description;
    if (!maker.isEmpty()) text += QStringLiteral(" (") + maker + u')';
    return text;
}

} // namespace platform
