// pelmora, the HART driver: serves the link and carries each command to the simulated devices.
#include "codec/NameTables.h"
#include "log/DriverLog.h"
#include "platform/ChannelProtocol.h"
#include "platform/Environment.h"
#include "server/LinkServer.h"
#include "server/SimulatorClient.h"
#include "session/DriverSession.h"
#include "sim/SimBus.h"
#include "sim/SimControl.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>

namespace {

const char* const Usage =
    "Usage: pelmora [--sim [FILE]] [--socket PATH] [--listen ADDRESS:PORT] [--table FILE] [--log FILE]\n"
    "       pelmora --set-input ADDRESS VALUE [--socket PATH]\n"
    "       pelmora --release-input ADDRESS [--socket PATH]\n"
    "       pelmora --read-meter ADDRESS [--socket PATH]\n"
    "\n"
    "The HART driver of Tarvik. It serves the driver link and answers with simulated transmitters\n"
    "(a pressure transmitter at polling address 0, a temperature transmitter at address 1).\n"
    "\n"
    "  --sim [FILE]           simulated devices, their state kept in FILE\n"
    "                         (default: ~/.local/share/pelmora/simulated-devices.json)\n"
    "  --socket PATH          the local socket (default: $XDG_RUNTIME_DIR/Pelmora/DdeHartServer)\n"
    "  --listen ADDRESS:PORT  also serve the network link on TCP (default port 20094); anyone who can\n"
    "                         reach that port can write to the devices\n"
    "  --table FILE           the language table file naming units and transfer functions\n"
    "                         (default: TABEN.DDF beside the program)\n"
    "  --log FILE             where the driver's messages are appended besides stderr\n"
    "                         (default: $XDG_STATE_HOME/pelmora/pelmora.log, ~/.local/state/...)\n"
    "\n"
    "The bench of the simulated devices, for the driver already running on this computer (on the\n"
    "default socket or the one --socket names). ADDRESS is the device's polling address, or its name\n"
    "(PR210, TM120). Each prints what was done and exits with 0, or says why not and exits with 1.\n"
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
};

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
            if (i + 1 < args.size() && !args[i + 1].startsWith(QStringLiteral("--"))) options.stateFile = args[++i];
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
    const server::SimulatorAnswer answer = server::askSimulator(path, options.control);
    std::fprintf(answer.ok ? stdout : stderr, answer.ok ? "%s\n" : "pelmora: %s\n",
                 answer.text.toLocal8Bit().constData());
    return answer.ok ? 0 : 1;
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
    const QStringList args = QCoreApplication::arguments();
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::fputs(Usage, stdout);
        return 0;
    }
    Options options;
    QString error;
    if (!parse(args, options, error)) {
        std::fputs(Usage, stderr);
        std::fprintf(stderr, "pelmora: %s\n", qPrintable(error));
        return 1;
    }
    if (!options.control.isEmpty()) return controlSimulator(options);
    if (options.logFile.isEmpty()) options.logFile = driverlog::defaultLogFile();
    RoutedMessages messages(options.logFile);
    if (options.stateFile.isEmpty()) options.stateFile = sim::SimBus::defaultStateFile();
    if (options.tableFile.isEmpty()) options.tableFile = platform::programFolder() + QStringLiteral("TABEN.DDF");
    qInfo().noquote()
        << QStringLiteral("starts (state file %1, table file %2)").arg(options.stateFile, options.tableFile);
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
        qWarning().noquote() << QStringLiteral("%1 not found; units and transfer functions are named by their codes")
                                    .arg(options.tableFile);
    // A program working in another language may write the names of its own table.
    const QDir programFolder(platform::programFolder());
    for (const QString& table : programFolder.entryList({QStringLiteral("TAB*.DDF")}, QDir::Files))
        if (QFileInfo(programFolder.filePath(table)) != QFileInfo(options.tableFile))
            names.acceptTableFile(programFolder.filePath(table));
    sim::SimBus bus(options.stateFile);
    session::DriverSession session(bus, names);
    server::LinkServer server(session);
    server.simulatorControl = [&bus](const QString& request) {
        const sim::ControlAnswer answer = sim::control(bus, request);
        return server::SimulatorAnswer{answer.ok, answer.text};
    };
    server.onTerminate = [] {
        qInfo("ends on terminate");
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    };
    if (!server.listenLocal(options.socketPath, error)) return fail(error);
    qInfo().noquote() << QStringLiteral("listens on %1").arg(options.socketPath);
    if (!options.listen.isEmpty()) {
        if (!server.listenTcp(options.listen, error)) return fail(error);
        qInfo().noquote() << QStringLiteral(
                                 "listens on TCP %1, port %2; anyone who can reach it can write to the devices")
                                 .arg(options.listen.left(options.listen.lastIndexOf(u':')))
                                 .arg(server.tcpPort());
    }
    return QCoreApplication::exec();
}
