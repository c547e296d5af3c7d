#pragma once
// Runs the real pelmora program for a test, on a socket, a state file and a log of the test's own,
// and speaks the link protocol to it as an independent client would.
#include "platform/ChannelProtocol.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <optional>

namespace e2e {

class DriverProcess {
public:
    // A driver of the simulated devices, unless `simulated` is false: then the extra arguments (or
    // the settings file in <folder>/config/pelmora) name its wire. Its settings file is always the
    // test's own.
    explicit DriverProcess(const QString& folder, const QStringList& extraArguments = {}, bool simulated = true);
    ~DriverProcess();
    bool start();
    bool waitForExit(int ms);
    QString socketPath() const { return folder + QStringLiteral("/pelmora.sock"); }
    QString stateFile() const { return folder + QStringLiteral("/sim.json"); }
    QString logFile() const { return folder + QStringLiteral("/pelmora.log"); }
    QString configFolder() const { return folder + QStringLiteral("/config"); }
    QProcess process;

private:
    QString folder;
    QStringList extra;
    bool simulated;
};

class RawClient {
public:
    bool connectTo(const QString& path);
    // Sends one message and waits for the answer.
    std::optional<platform::channel::Message> ask(const QByteArray& bytes);
    std::optional<platform::channel::Message> execute(const QString& macro);
    QString request();
    // Executes a command and polls the item until the reply (not "Busy!") is there.
    QStringList transact(const QString& macro, QStringList* seen = nullptr);

    QLocalSocket socket;

private:
    platform::channel::MessageReader reader;
};

QString macro(int command, int address, const QStringList& data = {});

} // namespace e2e
