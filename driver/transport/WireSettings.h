#pragma once
// What the driver talks over, from its own settings file and its command line (which wins):
//
//   $XDG_CONFIG_HOME/pelmora/pelmora.ini (default ~/.config/pelmora/pelmora.ini)
//   [Driver]
//   Transport=sim        (sim: the simulated devices, serial or hart-ip)
//   Master=primary       (primary or secondary)
//   Trace=no             (yes: every frame on the wire in the log)
//   [Serial]
//   Port=/dev/ttyUSB0
//   Rts=driver           (driver: raised for sending and dropped after it; modem: the modem switches it)
//   [HART-IP]
//   Host=192.168.10.20   (HOST or HOST:PORT, port 5094 unless another is given)
//   Protocol=udp         (udp or tcp)
//
// A value is the whole rest of its line: a comment goes on a line of its own, beginning with ";".
// Values are matched without regard to case. A value the driver cannot use keeps the default, and
// the log says so.
#include "hart/HartIp.h"

#include <QString>
#include <QStringList>

namespace transport {

struct WireSettings {
    enum class Kind { Simulator, Serial, HartIp };
    Kind kind = Kind::Simulator;
    QString serialPort;
    bool driverSwitchesRts = true;
    QString hartIpHost;
    quint16 hartIpPort = hart::ip::DefaultPort;
    bool tcp = false;
    bool primaryMaster = true;
    bool trace = false;
};

// <$XDG_CONFIG_HOME or ~/.config>/pelmora/pelmora.ini
QString defaultSettingsFile();
// Reads the file over `settings` (a missing file changes nothing); one text for the log for each
// value that cannot be used.
QStringList readSettingsFile(const QString& path, WireSettings& settings);
// "HOST" or "HOST:PORT" ("[v6 address]:PORT" too); false when the port is no port.
bool parseHostAndPort(const QString& text, QString& host, quint16& port);

} // namespace transport
