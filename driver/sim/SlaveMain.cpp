// pelmora-slave: the simulated transmitters on a wire of their own, for trying and testing the
// driver's real transports without hardware: on a serial line at the far end of a pseudo-terminal
// pair (pelmora --serial LINK), and behind a HART-IP server (pelmora --hart-ip 127.0.0.1:PORT).
#include "platform/CommandLine.h"
#include "platform/PseudoTerminal.h"
#include "platform/TerminationSignals.h"
#include "sim/HartIpServer.h"
#include "sim/LineSlave.h"
#include "sim/SimBus.h"

#include <QCoreApplication>
#include <cstdio>
#include <optional>

namespace {

const char* const Usage =
    "Usage: pelmora-slave [--link PATH] [--hart-ip PORT [--address ADDRESS]] [--state FILE] [--revision 5|6|7]\n"
    "                     [--fast] [--preambles N] [--noise SHARE [--noise-kinds LIST] [--seed N]]\n"
    "\n"
    "The simulated transmitters of pelmora (PR210 at polling address 0, TM120 at address 1, the HART 7\n"
    "flow transmitter FLOW7 at address 2) on a wire:\n"
    "  --link PATH        on a serial line: the far end of a pseudo-terminal pair, with a link at PATH to\n"
    "                     the end for the driver (pelmora --serial PATH). Without --hart-ip this is the\n"
    "                     default, and the end's name is printed.\n"
    "  --hart-ip PORT     behind a HART-IP server on PORT, TCP and UDP (0: a free port, printed)\n"
    "  --address ADDRESS  where the HART-IP server listens (default 127.0.0.1)\n"
    "  --state FILE       keep what is written to the devices in FILE (default: nothing is kept)\n"
    "  --revision N       the HART revision PR210 and TM120 speak: 5 (default), 6 or 7 (FLOW7 speaks 7)\n"
    "  --fast             the serial line hands characters over at once instead of at 1200 bit/s\n"
    "  --preambles N      the preambles of each reply (default: as many as the device asks for, 5)\n"
    "  --noise SHARE      this share of the serial replies meets noise (0.1: one in ten)\n"
    "  --noise-kinds LIST which noise: drop, flip, late, burst, busy (default drop,flip,late,burst)\n"
    "  --seed N           the seed of the noise (default 1)\n"
    "It prints \"serial: <device>\" and \"hart-ip: <port>\" once ready, and ends on SIGTERM or SIGINT.\n";

struct Options {
    QString link;
    bool serial = false;
    std::optional<quint16> hartIpPort;
    QString address = QStringLiteral("127.0.0.1");
    QString stateFile;
    int revision = 5;
    sim::LineOptions line;
};

bool parse(const QStringList& args, Options& options, QString& error)
{
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        static const QStringList known{QStringLiteral("--link"),        QStringLiteral("--hart-ip"),
                                       QStringLiteral("--address"),     QStringLiteral("--state"),
                                       QStringLiteral("--revision"),    QStringLiteral("--fast"),
                                       QStringLiteral("--preambles"),   QStringLiteral("--noise"),
                                       QStringLiteral("--noise-kinds"), QStringLiteral("--seed")};
        if (!known.contains(arg)) {
            error = QStringLiteral("unknown option ") + arg;
            return false;
        }
        QString value;
        if (arg != QStringLiteral("--fast")) {
            if (i + 1 >= args.size()) {
                error = arg + QStringLiteral(" needs a value");
                return false;
            }
            value = args[++i];
        }
        bool ok = true;
        if (arg == QStringLiteral("--link")) {
            options.link = value;
            options.serial = true;
        } else if (arg == QStringLiteral("--hart-ip")) {
            options.hartIpPort = quint16(value.toUInt(&ok));
        } else if (arg == QStringLiteral("--address")) {
            options.address = value;
        } else if (arg == QStringLiteral("--state")) {
            options.stateFile = value;
        } else if (arg == QStringLiteral("--revision")) {
            options.revision = value.toInt(&ok);
            ok = ok && options.revision >= 5 && options.revision <= 7;
        } else if (arg == QStringLiteral("--fast")) {
            options.line.realTime = false;
        } else if (arg == QStringLiteral("--preambles")) {
            options.line.replyPreambles = value.toInt(&ok);
            ok = ok && options.line.replyPreambles >= 1 && options.line.replyPreambles <= 30;
        } else if (arg == QStringLiteral("--noise")) {
            options.line.noise.rate = value.toDouble(&ok);
            ok = ok && options.line.noise.rate >= 0.0 && options.line.noise.rate <= 1.0;
        } else if (arg == QStringLiteral("--noise-kinds")) {
            const auto kinds = sim::parseNoiseKinds(value);
            ok = kinds.has_value();
            if (kinds) options.line.noise.kinds = *kinds;
        } else if (arg == QStringLiteral("--seed")) {
            options.line.noise.seed = value.toULongLong(&ok);
        }
        if (!ok) {
            error = QStringLiteral("%1 %2: no usable value").arg(arg, value);
            return false;
        }
    }
    if (!options.hartIpPort) options.serial = true;
    return true;
}

void say(const QString& text)
{
    std::fprintf(stdout, "%s\n", qPrintable(text));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    Options options;
    if (const auto exit = platform::readCommandLine("pelmora-slave", Usage, options, parse)) return *exit;
    QString error;
    // A signal ends the program through its event loop, which removes its link.
    if (!platform::quitEventLoopOnTerminationSignals()) return 1;

    sim::SimBus devices(options.stateFile);
    for (auto& device : devices.devices())
        device.setUniversalRevision(quint8(options.revision));

    platform::PseudoTerminal pty;
    sim::LineSlave slave(devices, options.line);
    if (options.serial) {
        if (!pty.open(options.link, error)) {
            std::fprintf(stderr, "pelmora-slave: %s\n", qPrintable(error));
            return 1;
        }
        pty.onBytes = [&slave](const QByteArray& bytes) { slave.receive(bytes); };
        slave.transmit = [&pty](const QByteArray& bytes) { pty.write(bytes); };
        slave.onNoise = [](sim::LineNoise::Kind kind, int command) {
            std::fprintf(stderr, "pelmora-slave: noise \"%s\" on the reply to command %d\n",
                         qPrintable(sim::noiseName(kind)), command);
        };
        say(u"serial: " + pty.deviceName());
    }
    sim::HartIpServer server(devices);
    if (options.hartIpPort) {
        if (!server.listen(QHostAddress(options.address), *options.hartIpPort, error)) {
            std::fprintf(stderr, "pelmora-slave: HART-IP port %d: %s\n", *options.hartIpPort, qPrintable(error));
            return 1;
        }
        server.onEvent = [](const QString& text) { std::fprintf(stderr, "pelmora-slave: %s\n", qPrintable(text)); };
        say(QStringLiteral("hart-ip: %1").arg(server.port()));
    }
    return QCoreApplication::exec();
}
