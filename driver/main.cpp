// pelmora, the HART driver: serves the link and carries each command to the simulated devices, a
// HART modem on a serial port, or a HART-IP server.
#include "codec/NameTables.h"
#include "log/DriverLog.h"
#include "platform/ChannelProtocol.h"
#include "platform/CommandLine.h"
#include "platform/Environment.h"
#include "platform/SimulatorClient.h"
#include "platform/TerminationSignals.h"
#include "server/LinkServer.h"
#include "session/DriverSession.h"
#include "sim/SimBus.h"
#include "sim/SimControl.h"
#include "transport/HartIpBus.h"
#include "transport/SerialBus.h"
#include "transport/WireSettings.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

const char* const Usage =
    "Usage: pelmora [--sim [FILE] | --serial PORT | --hart-ip HOST[:PORT] [--tcp]] [--master primary|secondary]\n"
    "               [--rts driver|modem] [--trace] [--socket PATH] [--listen ADDRESS:PORT] [--table FILE]\n"
    "               [--log FILE]\n"
    "       pelmora --list-ports\n"
    "       pelmora --set-input ADDRESS VALUE [--socket PATH]\n"
    "       pelmora --release-input ADDRESS [--socket PATH]\n"
    "       pelmora --read-meter ADDRESS [--socket PATH]\n"
    "\n"
    "The HART driver of Tarvik. It serves the driver link and carries each command to the devices: by\n"
    "default to simulated transmitters (a pressure transmitter at polling address 0, a temperature\n"
    "transmitter at address 1, a HART 7 mass flow transmitter at address 2), or over a HART modem on a\n"
    "serial port, or through a HART-IP server.\n"
    "\n"
    "  --sim [FILE]           simulated devices, their state kept in FILE\n"
    "                         (default: ~/.local/share/pelmora/simulated-devices.json)\n"
    "  --serial PORT          a HART modem on the serial port PORT (/dev/ttyUSB0, /dev/ttyS0)\n"
    "  --hart-ip HOST[:PORT]  a HART-IP server (gateway, multiplexer), port 5094 unless given, over UDP\n"
    "  --tcp                  HART-IP over TCP instead of UDP\n"
    "  --master primary|secondary  the master the driver is on the loop (default: primary)\n"
    "  --rts driver|modem     who switches RTS around sending: the driver (default) or the modem itself\n"
    "  --trace                every frame on the wire in the log, in hex, with the time and direction\n"
    "  --list-ports           lists the serial ports of this computer and exits\n"
    "  --socket PATH          the local socket (default: $XDG_RUNTIME_DIR/Pelmora/DdeHartServer)\n"
    "  --listen ADDRESS:PORT  also serve the network link on TCP (default port 20094); anyone who can\n"
    "                         reach that port can write to the devices\n"
    "  --table FILE           the language table file naming the HART codes (units, makers, ...)\n"
    "                         (default: TABEN.DDF in ../share/tarvik from the program's folder, as\n"
    "                         /usr/share/tarvik for /usr/bin/pelmora, else beside the program)\n"
    "  --log FILE             where the driver's messages are appended besides stderr\n"
    "                         (default: $XDG_STATE_HOME/pelmora/pelmora.log, ~/.local/state/...)\n"
    "\n"
    "The wire options may be kept in the driver's settings file, ~/.config/pelmora/pelmora.ini\n"
    "($XDG_CONFIG_HOME/pelmora/pelmora.ini); the command line wins over it.\n"
    "\n"
    "The bench of the simulated devices, for the driver already running on this computer (on the\n"
    "default socket or the one --socket names). ADDRESS is the device's polling address, or its name\n"
    "(PR210, TM120, FLOW7). Each prints what was done and exits with 0, or says why not and exits\n"
    "with 1.\n"
    "  --set-input ADDRESS VALUE  a calibrator holds the sensor input at VALUE, in the unit of the\n"
    "                         device's primary variable, until released or the driver ends\n"
    "  --release-input ADDRESS  the sensor input follows the simulated process again\n"
    "  --read-meter ADDRESS   the loop current a meter in the device's loop reads, in mA\n";

struct Options {
    QString control;            // a SIM request for the running driver; empty: be the driver
    bool driverOptions = false; // an option that only the driver itself takes
    QString stateFile;
    QString socketPath;
    QString listen;
    QString tableFile;
    QString logFile;
    bool listPorts = false;
    // Wire options given on the command line; they win over the settings file.
    std::optional<transport::WireSettings::Kind> wire;
    QString serialPort;
    QString hartIp;
    std::optional<bool> tcp;
    std::optional<bool> primaryMaster;
    std::optional<bool> driverSwitchesRts;
    bool trace = false;
};

// The one wire the command line names.
bool chooseWire(Options& options, transport::WireSettings::Kind kind, QString& error)
{
    if (options.wire && *options.wire != kind) {
        error = QStringLiteral("one of --sim, --serial and --hart-ip at a time");
        return false;
    }
    options.wire = kind;
    return true;
}

// Picks one of two words for an option; false when the value is neither.
bool either(const QString& value, const char* first, const char* second, std::optional<bool>& into, QString& error)
{
    if (value == QLatin1String(first) || value == QLatin1String(second)) {
        into = value == QLatin1String(first);
        return true;
    }
    error = QStringLiteral("\"%1\" is neither %2 nor %3").arg(value, QLatin1String(first), QLatin1String(second));
    return false;
}

bool parse(const QStringList& args, Options& options, QString& error)
{
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        auto value = [&](QString& into) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("%1 needs a value").arg(arg);
                return false;
            }
            into = args[++i];
            return true;
        };
        // A bench request: SIM INPUT|RELEASE|METER with the option's values.
        auto control = [&](const char* verb, int values) {
            QStringList words{QString::fromLatin1(verb)};
            for (int n = 0; n < values; ++n)
                if (!value(words.emplace_back())) return false;
            if (!options.control.isEmpty()) {
                error = QStringLiteral("one of --set-input, --release-input and --read-meter at a time");
                return false;
            }
            options.control = words.join(u' ');
            return true;
        };
        static const QStringList benchOptions{QStringLiteral("--set-input"), QStringLiteral("--release-input"),
                                              QStringLiteral("--read-meter"), QStringLiteral("--socket")};
        if (!benchOptions.contains(arg)) options.driverOptions = true;
        if (arg == QStringLiteral("--set-input")) {
            if (!control("INPUT", 2)) return false;
        } else if (arg == QStringLiteral("--release-input")) {
            if (!control("RELEASE", 1)) return false;
        } else if (arg == QStringLiteral("--read-meter")) {
            if (!control("METER", 1)) return false;
        } else if (arg == QStringLiteral("--sim")) {
            if (!chooseWire(options, transport::WireSettings::Kind::Simulator, error)) return false;
            if (i + 1 < args.size() && !args[i + 1].startsWith(QStringLiteral("--"))) options.stateFile = args[++i];
        } else if (arg == QStringLiteral("--serial")) {
            if (!chooseWire(options, transport::WireSettings::Kind::Serial, error) || !value(options.serialPort))
                return false;
        } else if (arg == QStringLiteral("--hart-ip")) {
            if (!chooseWire(options, transport::WireSettings::Kind::HartIp, error) || !value(options.hartIp))
                return false;
        } else if (arg == QStringLiteral("--tcp")) {
            options.tcp = true;
        } else if (arg == QStringLiteral("--master")) {
            QString master;
            if (!value(master) || !either(master, "primary", "secondary", options.primaryMaster, error)) return false;
        } else if (arg == QStringLiteral("--rts")) {
            QString rts;
            if (!value(rts) || !either(rts, "driver", "modem", options.driverSwitchesRts, error)) return false;
        } else if (arg == QStringLiteral("--trace")) {
            options.trace = true;
        } else if (arg == QStringLiteral("--list-ports")) {
            options.listPorts = true;
        } else if (arg == QStringLiteral("--socket")) {
            if (!value(options.socketPath)) return false;
        } else if (arg == QStringLiteral("--listen")) {
            if (!value(options.listen)) return false;
            if (!options.listen.contains(u':'))
                options.listen += u':' + QString::number(platform::channel::DefaultTcpPort);
        } else if (arg == QStringLiteral("--table")) {
            if (!value(options.tableFile)) return false;
        } else if (arg == QStringLiteral("--log")) {
            if (!value(options.logFile)) return false;
        } else {
            error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
    }
    if (!options.control.isEmpty() && options.driverOptions) {
        error = QStringLiteral("--set-input, --release-input and --read-meter take no option but --socket");
        return false;
    }
    return true;
}

// Asks the running driver; prints its answer, or why there is none.
int controlSimulator(const Options& options)
{
    QString path = options.socketPath;
    if (path.isEmpty()) {
        const QString folder = platform::channel::localSocketFolder(platform::channel::LocalService);
        path = platform::channel::localSocketPath(platform::channel::LocalService, platform::channel::LocalTopic);
        // A driver behind someone else's folder is not ours to believe.
        const QString problem = platform::channel::socketFolderProblem(folder);
        if (!problem.isEmpty() && QFileInfo::exists(folder)) {
            std::fprintf(stderr, "pelmora: %s\n", qPrintable(problem));
            return 1;
        }
    }
    const server::SimulatorAnswer answer = platform::askSimulator(path, options.control);
    std::fprintf(answer.ok ? stdout : stderr, answer.ok ? "%s\n" : "pelmora: %s\n",
                 answer.text.toLocal8Bit().constData());
    return answer.ok ? 0 : 1;
}

// The settings file, then what the command line says.
bool wireSettings(const Options& options, transport::WireSettings& wire, QString& error)
{
    for (const QString& problem : transport::readSettingsFile(transport::defaultSettingsFile(), wire))
        qWarning().noquote() << problem;
    if (options.wire) wire.kind = *options.wire;
    if (!options.serialPort.isEmpty()) wire.serialPort = options.serialPort;
    if (!options.hartIp.isEmpty()) {
        wire.hartIpPort = hart::ip::DefaultPort; // the file's port goes with the file's host only
        if (!transport::parseHostAndPort(options.hartIp, wire.hartIpHost, wire.hartIpPort)) {
            error = QStringLiteral("--hart-ip %1 names no usable host and port").arg(options.hartIp);
            return false;
        }
    }
    if (options.tcp) wire.tcp = *options.tcp;
    if (options.primaryMaster) wire.primaryMaster = *options.primaryMaster;
    if (options.driverSwitchesRts) wire.driverSwitchesRts = *options.driverSwitchesRts;
    wire.trace = wire.trace || options.trace;
    using Kind = transport::WireSettings::Kind;
    if (options.tcp && wire.kind != Kind::HartIp) error = QStringLiteral("--tcp goes with HART-IP");
    if (wire.kind == Kind::Serial && wire.serialPort.isEmpty())
        error = QStringLiteral("the settings file names the serial port as the wire, but no [Serial] Port");
    if (wire.kind == Kind::HartIp && wire.hartIpHost.isEmpty())
        error = QStringLiteral("the settings file names HART-IP as the wire, but no [HART-IP] Host");
    return error.isEmpty();
}

// The bus over the real wire the settings name.
std::unique_ptr<hart::Bus> openWire(const transport::WireSettings& wire, const transport::WireTrace& trace)
{
    if (wire.kind == transport::WireSettings::Kind::Serial)
        return std::make_unique<transport::SerialBus>(
            wire.serialPort, transport::SerialOptions{wire.primaryMaster, wire.driverSwitchesRts}, trace);
    transport::HartIpOptions hartIp;
    hartIp.host = wire.hartIpHost;
    hartIp.port = wire.hartIpPort;
    hartIp.tcp = wire.tcp;
    hartIp.primaryMaster = wire.primaryMaster;
    return std::make_unique<transport::HartIpBus>(hartIp, trace);
}

int fail(const QString& text)
{
    qCritical().noquote() << text;
    return 1;
}

// Until main ends, every message goes to stderr and to the log file.
class RoutedMessages {
public:
    explicit RoutedMessages(const QString& path) : log(path) { driverlog::routeMessagesTo(&log); }
    ~RoutedMessages() { driverlog::routeMessagesTo(nullptr); }

private:
    driverlog::LogFile log;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Options options;
    if (const auto exit = platform::readCommandLine("pelmora", Usage, options, parse)) return *exit;
    QString error;
    if (!options.control.isEmpty()) return controlSimulator(options);
    if (options.listPorts) {
        const QStringList ports = transport::listSerialPorts();
        std::fputs(ports.isEmpty() ? "no serial ports found\n" : qPrintable(ports.join(u'\n') + u'\n'), stdout);
        return 0;
    }
    if (options.logFile.isEmpty()) options.logFile = driverlog::defaultLogFile();
    RoutedMessages messages(options.logFile);
    transport::WireSettings wire;
    if (!wireSettings(options, wire, error)) return fail(error);
    if (options.stateFile.isEmpty()) options.stateFile = sim::SimBus::defaultStateFile();
    if (options.tableFile.isEmpty()) options.tableFile = platform::dataFolder() + QStringLiteral("TABEN.DDF");
    const bool simulated = wire.kind == transport::WireSettings::Kind::Simulator;
    const QString devices = simulated ? u"state file " + options.stateFile
                            : wire.kind == transport::WireSettings::Kind::Serial
                                ? u"serial port " + wire.serialPort
                                : QStringLiteral("HART-IP %1:%2").arg(wire.hartIpHost).arg(wire.hartIpPort);
    qInfo().noquote() << QStringLiteral("starts (%1, table file %2)").arg(devices, options.tableFile);
    if (options.socketPath.isEmpty()) {
        const QString folder = platform::channel::localSocketFolder(platform::channel::LocalService);
        if (!platform::channel::makeLocalSocketFolder(folder))
            return fail(QStringLiteral("cannot create the socket folder %1").arg(folder));
        // Someone else's folder could hand our clients to a driver of theirs.
        if (const QString problem = platform::channel::socketFolderProblem(folder); !problem.isEmpty())
            return fail(problem);
        options.socketPath =
            platform::channel::localSocketPath(platform::channel::LocalService, platform::channel::LocalTopic);
    }

    codec::NameTables names;
    if (!names.loadTableFile(options.tableFile))
        qWarning().noquote()
            << QStringLiteral("%1 not found; every HART code is named \"Unknown (N)\"").arg(options.tableFile);
    // A program working in another language may write the names of its own table.
    const QDir dataFolder(platform::dataFolder());
    for (const QString& table : dataFolder.entryList({QStringLiteral("TAB*.DDF")}, QDir::Files))
        if (QFileInfo(dataFolder.filePath(table)) != QFileInfo(options.tableFile))
            names.acceptTableFile(dataFolder.filePath(table));
    const transport::WireTrace trace(wire.trace);
    std::unique_ptr<sim::SimBus> simulatedBus;
    std::unique_ptr<hart::Bus> wireBus;
    if (simulated)
        simulatedBus = std::make_unique<sim::SimBus>(options.stateFile);
    else
        wireBus = openWire(wire, trace);
    session::DriverSession session(simulated ? static_cast<hart::Bus&>(*simulatedBus) : *wireBus, names);
    server::LinkServer server(session);
    if (simulated)
        server.simulatorControl = [&bus = *simulatedBus](const QString& request) {
            const sim::ControlAnswer answer = sim::control(bus, request);
            return server::SimulatorAnswer{answer.ok, answer.text};
        };
    server.onTerminate = [] {
        qInfo("ends on terminate");
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    };
    // SIGTERM and SIGINT take the same way out: the socket file goes, a HART-IP session is closed.
    platform::onTerminationSignals([] {
        qInfo("ends on a termination signal");
        QCoreApplication::quit();
    });
    // The network first: whoever waits for the local socket to answer (a program that started the
    // driver) then finds the TCP port open as well.
    if (!options.listen.isEmpty() && !server.listenTcp(options.listen, error)) return fail(error);
    if (!server.listenLocal(options.socketPath, error)) return fail(error);
    qInfo().noquote() << QStringLiteral("listens on %1").arg(options.socketPath);
    if (!options.listen.isEmpty())
        qInfo().noquote() << QStringLiteral(
                                 "listens on TCP %1, port %2; anyone who can reach it can write to the devices")
                                 .arg(options.listen.left(options.listen.lastIndexOf(u':')))
                                 .arg(server.tcpPort());
    return QCoreApplication::exec();
}
