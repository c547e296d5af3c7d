#pragma once
// The serial ports of this computer as the system knows them: where each is, and what the system says of
// its adapter (a USB modem's description, maker and serial number). The driver lists them for
// --list-ports and the program offers them when the user picks the modem's port: both see the same list.
#include <QList>
#include <QString>

namespace platform {

struct SerialPort {
    QString location;    // "/dev/ttyUSB0"
    QString description; // "FT232R USB UART", or empty
    QString maker;       // "FTDI, serial A10K3XYZ", or empty

    // "/dev/ttyUSB0  FT232R USB UART (FTDI, serial A10K3XYZ)": the location, two blanks and the description,
    // the maker in brackets.
    QString line() const;
};

QList<SerialPort> serialPorts();

} // namespace platform
