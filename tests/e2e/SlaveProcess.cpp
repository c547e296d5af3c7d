#include "SlaveProcess.h"

#include <QElapsedTimer>

namespace e2e {

SlaveProcess::SlaveProcess(const QStringList& arguments) : arguments(arguments) {}

SlaveProcess::~SlaveProcess()
{
    if (process.state() == QProcess::NotRunning) return;
    process.terminate(); // it removes its link on the way out
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}

bool SlaveProcess::start()
{
    process.setProgram(QStringLiteral(PELMORA_SLAVE_BIN));
    process.setArguments(arguments);
    process.start();
    if (!process.waitForStarted(5000)) return false;
    const bool wantsHartIp = arguments.contains(QStringLiteral("--hart-ip"));
    const bool wantsSerial = !wantsHartIp || arguments.contains(QStringLiteral("--link"));
    bool serial = false;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 5000 && (serial != wantsSerial || (wantsHartIp && port == 0))) {
        if (!process.canReadLine() && !process.waitForReadyRead(200)) continue;
        while (process.canReadLine()) {
            const QString line = QString::fromLocal8Bit(process.readLine()).trimmed();
            if (line.startsWith(QStringLiteral("serial: "))) serial = true;
            if (line.startsWith(QStringLiteral("hart-ip: "))) port = quint16(line.mid(9).toUInt());
        }
    }
    return serial == wantsSerial && (!wantsHartIp || port != 0);
}

void SlaveProcess::kill()
{
    process.kill();
    process.waitForFinished(5000);
}

QString SlaveProcess::said()
{
    errors += QString::fromLocal8Bit(process.readAllStandardError());
    return errors;
}

} // namespace e2e
