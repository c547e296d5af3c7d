// pelmora, the HART driver: serves the link and carries each command to the simulated devices.
#include "codec/NameTables.h"
#include "platform/ChannelProtocol.h"
#include "platform/Environment.h"
#include "server/LinkServer.h"
#include "session/DriverSession.h"
#include "sim/SimBus.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

namespace {

const char* const Usage =
    "Usage: pelmora [--sim [FILE]] [--socket PATH] [--listen ADDRESS:PORT] [--table FILE]\n"
    "\n"
    "The HART driver of Tarvik. It serves the driver link and answers with simulated transmitters\n"
    "(a pressure transmitter at polling address 0, a temperature transmitter at address 1).\n"
    "\n"
    "  --sim [FILE]           simulated devices, their state kept in FILE\n"
    "                         (default: ~/.local/share/pelmora/simulated-devices.json)\n"
    "  --socket PATH          the local socket (default: $XDG_RUNTIME_DIR/Pelmora/DdeHartServer)\n"
    "  --listen ADDRESS:PORT  also serve the network link on TCP (default port 20094)\n"
    "  --table FILE           the language table file naming units and transfer functions\n"
    "                         (default: TABEN.DDF beside the program)\n";

struct Options {
    QString stateFile;
    QString socketPath;
    QString listen;
    QString tableFile;
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
        if (arg == QStringLiteral("--sim")) {
            if (i + 1 < args.size() && !args[i + 1].startsWith(QStringLiteral("--"))) options.stateFile = args[++i];
        } else if (arg == QStringLiteral("--socket")) {
            if (!value(options.socketPath)) return false;
        } else if (arg == QStringLiteral("--listen")) {
            if (!value(options.listen)) return false;
            if (!options.listen.contains(u':'))
                options.listen += u':' + QString::number(platform::channel::DefaultTcpPort);
        } else if (arg == QStringLiteral("--table")) {
            if (!value(options.tableFile)) return false;
        } else {
            error = QStringLiteral("unknown option %1").arg(arg);
            return false;
        }
    }
    return true;
}

int fail(const QString& text)
{
    std::fprintf(stderr, "pelmora: %s\n", qPrintable(text));
    return 1;
}

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
        return fail(error);
    }
    if (options.stateFile.isEmpty()) options.stateFile = sim::SimBus::defaultStateFile();
    if (options.tableFile.isEmpty()) options.tableFile = platform::programFolder() + QStringLiteral("TABEN.DDF");
    if (options.socketPath.isEmpty()) {
        const QString folder = platform::channel::localSocketFolder(platform::channel::LocalService);
        if (!platform::channel::makeLocalSocketFolder(folder))
            return fail(QStringLiteral("cannot create %1").arg(folder));
        options.socketPath =
            platform::channel::localSocketPath(platform::channel::LocalService, platform::channel::LocalTopic);
    }

    codec::NameTables names;
    if (!names.loadTableFile(options.tableFile))
        std::fprintf(stderr, "pelmora: %s not found; units and transfer functions are named by their codes\n",
                     qPrintable(options.tableFile));
    sim::SimBus bus(options.stateFile);
    session::DriverSession session(bus, names);
    server::LinkServer server(session);
    server.onTerminate = [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); };
    if (!server.listenLocal(options.socketPath, error)) return fail(error);
    if (!options.listen.isEmpty() && !server.listenTcp(options.listen, error)) return fail(error);
    return QCoreApplication::exec();
}
