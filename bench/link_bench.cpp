// The program against the real pelmora and its simulated transmitters at their 1200 bit/s timing:
//  1. the start of the tarvik program to its main window shown, without a driver running (tarvik starts
//     it) and with one, and its resident memory once connected;
//  2. a full read of the pressure transmitter, from Read! to the first on-line value, with the reply
//     item's notification and without it, beside the floor: the line time of the commands sent (as the
//     simulated wire counts it) for the read with notification, where each step follows its reply at
//     once, and that plus the random pause of 100..299 ms before each step for the polled read;
//  3. a scan of the loop's polling addresses 0..15, with and without notification: its time and the
//     time an empty address costs;
//  4. the CPU both programs use while on-line, over a minute.
// A plain timed program, with figures printed and nothing asserted; run it from the build's bin folder
// (it needs tarvik, pelmora and the data files beside it). Without DISPLAY it runs offscreen.
//   link_bench [reads per mode] [seconds on-line]
//   link_bench --scan   only the scan, against the driver that answers at the usual socket (one started
//                       by hand on another wire, e.g. pelmora --serial), else a simulated one it starts
#include "ScopedEnvironment.h"
#include "ScriptedDialogs.h"
#include "app/TForm1.h"
#include "platform/ChannelProtocol.h"
#include "platform/Environment.h"
#include "platform/EventLoop.h"
#include "platform/SimulatorClient.h"
#include "platform/SocketChannel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLocalSocket>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {

using testing_support::ScopedEnvironment;
namespace channel = platform::channel;

constexpr double MeanStepPauseMs = 199.5; // 100 + random(200)
const QString Unit = QStringLiteral(" kPa");

QString socketPath() { return channel::localSocketPath(channel::LocalService, channel::LocalTopic); }

// Transactions and line time the simulated wire has counted since the driver started.
struct Line {
    int transactions = 0;
    qint64 ms = 0;
};
Line lineUse()
{
    const auto answer = platform::askSimulator(socketPath(), QStringLiteral("LINE"));
    const auto match = QRegularExpression(QStringLiteral("^(\\d+) transactions, (\\d+) ms")).match(answer.text);
    if (!answer.ok || !match.hasMatch()) {
        std::fprintf(stderr, "link_bench: the driver told no line time: %s\n", qPrintable(answer.text));
        return {};
    }
    return {match.captured(1).toInt(), match.captured(2).toLongLong()};
}

// Ends the driver the way the program does when it closes.
void endDriver()
{
    platform::SocketChannel link;
    if (!link.connectTo(channel::LocalService, channel::LocalTopic)) return;
    link.execute(channel::TerminateMacro);
    platform::waitUntil([&] { return !link.isWaiting(); }, 5000);
    platform::waitUntil([] { return !QFile::exists(socketPath()); }, 5000);
}

double cpuSecondsOf(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray text = stat.readAll();
    // Fields after the command name in parentheses: utime and stime are the 12th and 13th of them.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return double(fields.value(11).toLongLong() + fields.value(12).toLongLong()) / double(::sysconf(_SC_CLK_TCK));
}

double ownCpuSeconds()
{
    rusage use{};
    ::getrusage(RUSAGE_SELF, &use);
    return double(use.ru_utime.tv_sec + use.ru_stime.tv_sec) + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

qint64 residentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// The process at the other end of the driver's socket.
pid_t driverPid()
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(2000)) return 0;
    ucred peer{};
    socklen_t size = sizeof peer;
    const bool ok = ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0;
    socket.abort();
    return ok ? peer.pid : 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct StartFigures {
    double shownMs = 0;
    qint64 residentKb = 0;
};

// Starts tarvik and waits for its mark of the main window shown; then its memory, connected.
StartFigures startProgram()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (environment.value(QStringLiteral("DISPLAY")).isEmpty())
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("tarvik.startup.info=true"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    program.start(platform::programFolder() + QStringLiteral("tarvik"));
    QByteArray said;
    const bool shown = platform::waitUntil(
        [&] {
            said += program.readAllStandardError();
            return said.contains("main window shown") || program.state() == QProcess::NotRunning;
        },
        20000);
    StartFigures figures;
    figures.shownMs = double(clock.nsecsElapsed()) / 1e6;
    if (!shown || !said.contains("main window shown")) {
        std::fprintf(stderr, "link_bench: tarvik did not show its window: %s\n", said.constData());
        figures.shownMs = -1;
    }
    platform::waitFor(1000); // settled, connected to the driver
    figures.residentKb = residentKb(program.processId());
    program.terminate();
    program.waitForFinished(5000);
    return figures;
}

struct ReadFigures {
    double readMs = 0;
    Line line;
};

// One read with a window of its own; the window stays on-line when `stayOnline` is given.
ReadFigures readOnce(bool notification, std::unique_ptr<TForm1>* stayOnline = nullptr)
{
    static platform::SocketChannel channel;
    auto* session = new device::DeviceSession(channel);
    auto window = std::make_unique<TForm1>(*session);
    session->setParent(window.get()); // the session ends with its window
    window->session.link.askForNotifications = notification;
    window->FormCreate();
    window->createForms();
    if (!window->session.link.LinkOpen() || window->session.link.notified() != notification) {
        std::fprintf(stderr, "link_bench: no driver, or notification %s not as asked\n",
                     window->session.link.notified() ? "on" : "off");
        return {};
    }
    const Line before = lineUse();
    QElapsedTimer clock;
    clock.start();
    window->PripojClick();
    const bool online = platform::waitUntil([&] { return window->form.PV->text().endsWith(Unit); }, 120000);
    ReadFigures figures;
    figures.readMs = online ? double(clock.nsecsElapsed()) / 1e6 : -1;
    const Line after = lineUse();
    figures.line = {after.transactions - before.transactions, after.ms - before.ms};
    if (stayOnline) {
        *stayOnline = std::move(window);
        return figures;
    }
    window->OdpojClick(driverlink::StopSender::StopButton);
    platform::waitUntil([&] { return window->form.Pripoj->isEnabled(); }, 20000);
    return figures;
}

struct ScanFigures {
    double scanMs = -1;
    int found = 0;
    double emptyMs = 0; // the median time of an empty address after an empty address
};

// One scan of the polling addresses 0..15, from its start to its end.
ScanFigures scanOnce(bool notification)
{
    static platform::SocketChannel channel;
    device::DeviceSession session(channel);
    session.link.askForNotifications = notification;
    session.open("en", {});
    if (!session.link.LinkOpen() || session.link.notified() != notification) {
        std::fprintf(stderr, "link_bench: no driver, or notification %s not as asked\n",
                     session.link.notified() ? "on" : "off");
        return {};
    }
    std::optional<driverlink::Ending> ended;
    QObject::connect(&session, &device::DeviceSession::loopScanEnded, [&](driverlink::Ending e) { ended = e; });
    std::vector<double> askedAt; // [n]: when address n-1 had been asked
    QElapsedTimer clock;
    QObject::connect(&session, &device::DeviceSession::loopScanned, [&] {
        while (int(askedAt.size()) < session.loop.asked())
            askedAt.push_back(double(clock.nsecsElapsed()) / 1e6);
    });
    clock.start();
    askedAt.push_back(0);
    ScanFigures figures;
    if (!session.scanLoop(15) || !platform::waitUntil([&] { return ended.has_value(); }, 300000) ||
        *ended != driverlink::Ending::Online) {
        std::fprintf(stderr, "link_bench: the scan did not run to its end\n");
        return figures;
    }
    figures.scanMs = double(clock.nsecsElapsed()) / 1e6;
    figures.found = int(session.loop.devices().size());
    const auto empty = [&](int address) {
        return std::none_of(session.loop.devices().begin(), session.loop.devices().end(),
                            [address](const device::LoopDevice& d) { return d.address == address; });
    };
    std::vector<double> emptyTimes;
    for (int address = 1; address + 1 < int(askedAt.size()); ++address)
        if (empty(address) && empty(address - 1)) emptyTimes.push_back(askedAt[address + 1] - askedAt[address]);
    figures.emptyMs = median(emptyTimes);
    return figures;
}

void reportScans(int scans)
{
    std::printf("Scan of polling addresses 0..15 (%d scans each)\n", scans);
    for (const bool notification : {true, false}) {
        std::vector<double> times, empties;
        int found = 0;
        for (int i = 0; i < scans; ++i) {
            const ScanFigures f = scanOnce(notification);
            times.push_back(f.scanMs);
            empties.push_back(f.emptyMs);
            found = f.found;
        }
        std::printf("  %-22s median %.0f ms, %d devices found, an empty address %.0f ms\n",
                    notification ? "with notification:" : "without notification:", median(times), found,
                    median(empties));
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char* argv[])
{
    const bool scanOnly = argc == 2 && std::string_view(argv[1]) == "--scan";
    for (int i = 1; i < argc && !scanOnly; ++i)
        if (atoi(argv[i]) < 1) {
            std::fputs("Usage: link_bench [reads per mode (3)] [seconds on-line (60)]\n"
                       "       link_bench --scan\n",
                       stderr);
            const std::string_view arg = argv[i];
            return arg == "--help" || arg == "-h" ? 0 : 1;
        }
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (scanOnly) {
        QApplication app(argc, argv);
        std::setvbuf(stdout, nullptr, _IOLBF, 0);
        testing_support::ScriptedDialogs dialogs;
        reportScans(1);
        return 0;
    }
    // The programs' folders, driver socket and settings of this run only.
    QTemporaryDir dir;
    ScopedEnvironment runtime{"XDG_RUNTIME_DIR", dir.path().toLocal8Bit()};
    ScopedEnvironment data{"XDG_DATA_HOME", dir.path().toLocal8Bit()};
    ScopedEnvironment state{"XDG_STATE_HOME", dir.path().toLocal8Bit()};
    ScopedEnvironment appData{"APPDATA", dir.path().toLocal8Bit()};
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each figure as soon as it is measured
    const int reads = argc > 1 ? atoi(argv[1]) : 3;
    const int onlineSeconds = argc > 2 ? atoi(argv[2]) : 60;

    testing_support::ScriptedDialogs dialogs;
    dialogs.allowModal(QStringLiteral("TCekej"));

    std::printf("Start of tarvik to its main window shown (%s)\n",
                qEnvironmentVariableIsEmpty("DISPLAY") ? "offscreen" : "on the display");
    std::vector<double> cold, warm;
    qint64 resident = 0;
    for (int i = 0; i < 3; ++i) {
        endDriver();
        const StartFigures first = startProgram(); // starts the driver
        cold.push_back(first.shownMs);
        const StartFigures second = startProgram(); // finds it running
        warm.push_back(second.shownMs);
        resident = std::max({resident, first.residentKb, second.residentKb});
    }
    std::printf("  without a driver running (tarvik starts it): median %.0f ms, slowest %.0f ms   goal < 500 ms\n",
                median(cold), *std::max_element(cold.begin(), cold.end()));
    std::printf("  with the driver running:                     median %.0f ms, slowest %.0f ms\n", median(warm),
                *std::max_element(warm.begin(), warm.end()));
    std::printf("  resident memory, connected:                  %.1f MB   goal < 80 MB\n\n", resident / 1024.0);

    std::printf("Full read of PR210, Read! to the first on-line value (%d reads each)\n", reads);
    std::vector<double> with, without;
    Line line;
    for (int i = 0; i < reads; ++i) {
        const ReadFigures on = readOnce(true);
        const ReadFigures off = readOnce(false);
        with.push_back(on.readMs);
        without.push_back(off.readMs);
        line = on.line;
        if (on.line.transactions != off.line.transactions)
            std::printf("  (the reads sent %d and %d commands)\n", on.line.transactions, off.line.transactions);
    }
    const double polledFloor = double(line.ms) + line.transactions * MeanStepPauseMs;
    std::printf("  commands sent:                 %d, line time %lld ms\n", line.transactions,
                static_cast<long long>(line.ms));
    std::printf("  line + step pauses:            %.0f ms (the floor while every step waited its pause)\n",
                polledFloor);
    std::printf("  with notification:    median %.0f ms (%+.1f %% against the line time; goal within 10 %%)\n",
                median(with), 100.0 * (median(with) - double(line.ms)) / double(line.ms));
    std::printf("  without notification: median %.0f ms (%.2f times the read with notification)\n\n", median(without),
                median(without) / median(with));

    reportScans(reads);

    std::printf("CPU while on-line, over %d s\n", onlineSeconds);
    std::unique_ptr<TForm1> online;
    readOnce(true, &online);
    const pid_t driver = driverPid();
    const double ownBefore = ownCpuSeconds(), driverBefore = cpuSecondsOf(driver);
    platform::waitFor(onlineSeconds * 1000);
    const double own = ownCpuSeconds() - ownBefore, driverUse = cpuSecondsOf(driver) - driverBefore;
    std::printf("  tarvik (this process, its window on-line): %.2f %% of a core   goal < 1 %%\n",
                100.0 * own / onlineSeconds);
    std::printf("  pelmora:                                   %.2f %% of a core   goal < 1 %%\n",
                100.0 * driverUse / onlineSeconds);
    std::printf("  resident memory of this process, on-line:  %.1f MB\n", residentKb(::getpid()) / 1024.0);
    online->OdpojClick(driverlink::StopSender::StopButton);
    platform::waitUntil([&] { return online->form.Pripoj->isEnabled(); }, 20000);
    online->session.link.terminate(); // the last conversation: the driver ends
    online.reset();
    return 0;
}
