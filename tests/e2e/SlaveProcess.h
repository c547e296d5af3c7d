#pragma once
// Runs pelmora-slave, the simulated devices on a wire of their own, for a test: on a serial line
// behind a pseudo-terminal (a link to the driver's end in the test's folder) or behind a HART-IP
// server. It ends with the test; kill() makes it vanish as an unplugged modem does.
#include <QProcess>
#include <QStringList>

namespace e2e {

class SlaveProcess {
public:
    explicit SlaveProcess(const QStringList& arguments);
    ~SlaveProcess();
    // Starts it and waits until it says where it is; false when it does not within 5 s.
    bool start();
    void kill();
    quint16 hartIpPort() const { return port; }
    // What it said on stderr so far (the noise it made, the sessions).
    QString said();

private:
    QStringList arguments;
    QProcess process;
    quint16 port = 0;
    QString errors;
};

} // namespace e2e
