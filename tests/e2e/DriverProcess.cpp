#include "DriverProcess.h"

#include "platform/Encoding.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

namespace e2e {

DriverProcess::DriverProcess(const QString& folder, const QStringList& extraArguments, bool simulated)
    : folder(folder), extra(extraArguments), simulated(simulated)
{
}

DriverProcess::~DriverProcess()
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}

bool DriverProcess::start()
{
    process.setProgram(QStringLiteral(PELMORA_BIN));
    QStringList arguments{QStringLiteral("--socket"), socketPath(),
                          QStringLiteral("--table"),  QStringLiteral(TARVIK_DATA_DIR "/TABEN.DDF"),
                          QStringLiteral("--log"),    logFile()};
    if (simulated) arguments = QStringList{QStringLiteral("--sim"), stateFile()} + arguments;
    process.setArguments(arguments + extra);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder());
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start();
    if (!process.waitForStarted(5000)) return false;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000) {
        QLocalSocket probe;
        probe.connectToServer(socketPath());
        if (probe.waitForConnected(200)) return true;
        QThread::msleep(20);
    }
    return false;
}

bool DriverProcess::waitForExit(int ms) { return process.waitForFinished(ms); }

bool RawClient::connectTo(const QString& path)
{
    socket.connectToServer(path);
    return socket.waitForConnected(2000);
}

std::optional<platform::channel::Message> RawClient::ask(const QByteArray& bytes)
{
    socket.write(bytes);
    socket.flush();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000) {
        if (auto message = reader.next()) return message;
        if (!socket.waitForReadyRead(1000) && socket.state() != QLocalSocket::ConnectedState) break;
        reader.feed(socket.readAll());
    }
    return reader.next();
}

std::optional<platform::channel::Message> RawClient::execute(const QString& macro)
{
    return ask(platform::channel::encodeWithPayload("EXECUTE", platform::toCp1250(macro)));
}

QString RawClient::request()
{
    const auto answer = ask(platform::channel::encode("REQUEST", "DdeHartCommand"));
    return answer && answer->verb == "DATA" ? platform::fromCp1250(answer->payload) : QStringLiteral("<no data>");
}

QStringList RawClient::transact(const QString& macro, QStringList* seen)
{
    const auto accepted = execute(macro);
    if (!accepted || accepted->verb != "OK") return {QStringLiteral("<refused>")};
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000) {
        const QString text = request();
        if (seen) seen->append(text);
        if (text != QStringLiteral("Busy!")) return text.split(QStringLiteral("\r\n"));
        QThread::msleep(50);
    }
    return {QStringLiteral("<still busy>")};
}

QString macro(int command, int address, const QStringList& data)
{
    return QString::number(command).leftJustified(4, u' ') + QStringLiteral("\r\n") + QString::number(address) +
           QStringLiteral("\r\n") + data.join(QStringLiteral("\r\n"));
}

} // namespace e2e

#include "ProgramUnderTest.h"
#include "platform/EventLoop.h"
#include "platform/Timer.h"

bool e2e::waitAtMost(int ms, const std::function<bool()>& done)
{
    bool late = false;
    platform::Timer guard(ms, true);
    guard.OnTimer = [&] { late = true; };
    platform::waitUntil([&] { return done() || late; });
    return done();
}
