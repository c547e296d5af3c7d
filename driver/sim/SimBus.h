#pragma once
// The bus of the simulated devices: hands each request to the device that answers its address and
// delivers the reply after the time the frames would take on a real 1200 bit/s loop, one
// transaction after another; two devices answering at once garble each other. Whatever a device keeps over a restart is
// loaded from the state file at start and written back after every change.
#include "sim/SimTransmitter.h"

#include "platform/Timer.h"

#include <deque>
#include <vector>

namespace sim {

class SimBus : public hart::Bus {
public:
    // An empty path keeps nothing over a restart.
    explicit SimBus(QString stateFile);
    ~SimBus() override;

    void transact(const hart::Request& request, std::function<void(std::optional<hart::Reply>)> done) override;
    // The devices' answer at once, without the time on the wire: for the simulated devices behind a
    // serial line or a HART-IP server, which keep time themselves.
    std::optional<hart::Reply> answer(const hart::Request& request);

    // <shared data folder>/pelmora/simulated-devices.json
    static QString defaultStateFile();
    const QString& stateFile() const { return path; }

    // The pressure transmitter first, then the temperature transmitter, then the flow transmitter.
    std::vector<SimTransmitter>& devices() { return all; }
    SimTransmitter* device(const QString& name);
    // A transaction is on the wire.
    bool isBusy() const { return !queue.empty(); }
    // Writes the state file now, when a device's stored configuration changed outside a transaction.
    void saveIfChanged();

    // The time the transactions so far have taken on the wire.
    struct LineUse {
        int transactions = 0;
        qint64 ms = 0;
    };
    LineUse lineUse() const { return used; }

private:
    struct Transaction {
        hart::Request request;
        std::function<void(std::optional<hart::Reply>)> done;
        std::optional<hart::Reply> reply;
    };
    void startNext();
    void finish();

    QString path;
    bool unsaved = false; // the last save failed
    std::vector<SimTransmitter> all;
    std::deque<Transaction> queue; // the front is on the wire
    platform::Timer wire;
    LineUse used;
};

} // namespace sim
