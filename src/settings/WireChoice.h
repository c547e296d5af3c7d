#pragma once
// The wire of the driver the program starts itself, as the user chose it in Options and the settings file
// keeps it (section [Velkor]: Wire, SerialPort, HartIpHost, HartIpPort, HartIpProtocol): the simulated
// devices, a HART modem on a serial port, a HART-IP gateway, or whatever the driver's own settings file
// says (the choice of a settings file without these keys, so that a driver set up by hand stays as it
// was). The choice becomes the driver's command-line options. A driver found running, or one on another
// computer, is used as it is: the status line then says so instead of naming a wire.
#include "platform/Profile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

namespace settings {

struct WireChoice {
    enum class Kind { DriverSettings, Simulator, Serial, HartIp };
    static constexpr int DefaultHartIpPort = 5094;

    Kind kind = Kind::DriverSettings;
    QString serialPort;
    QString hartIpHost;
    int hartIpPort = DefaultHartIpPort;
    bool tcp = false;

    bool operator==(const WireChoice&) const = default;
};

WireChoice readWireChoice(const platform::Profile& file);
// The keys of the settings file and their values, in the order they are written.
QList<std::pair<QString, QString>> wireChoiceKeys(const WireChoice& choice);
// Why the choice cannot be used (no port, no host, a host that is no name or address), or empty.
QString wireChoiceProblem(const WireChoice& choice);
// The driver's options for the choice: none for the driver's own settings.
QStringList driverArguments(const WireChoice& choice);

// The driver the program talks to now.
struct DriverInUse {
    bool linkOpen = false;
    bool startedHere = false; // by this program, with the options of the choice
    QString netPath;          // the setting NetPath: a driver on another computer
};
// What the status line says of the wire in use.
QString wireStatus(const WireChoice& choice, const DriverInUse& driver);

} // namespace settings
