#pragma once
// The far end of a pseudo-terminal pair, where simulated devices sit on their serial line: the
// driver opens the other end (by its name, or by a link of a fixed name to it) as its serial port.
// This end keeps the driver's end open too, so the driver may close and open its port again; when
// this end closes, the driver's port vanishes as an unplugged modem does.
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace platform {

class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Makes the pair; with a link path, also a symbolic link there to the driver's end (an old link
    // there is replaced). False with the reason when it cannot.
    bool open(const QString& link, QString& error);
    // The driver's end: /dev/pts/N.
    QString deviceName() const { return device; }
    void write(const QByteArray& bytes);

    std::function<void(const QByteArray& bytes)> onBytes;

private:
    void readAll();

    int master = -1;
    int slave = -1;
    QString device;
    QString linkPath;
    std::unique_ptr<QSocketNotifier> notifier;
};

} // namespace platform
