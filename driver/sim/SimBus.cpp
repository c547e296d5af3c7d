#include "sim/SimBus.h"

#include "sim/SimDevices.h"
#include "sim/SimStateFile.h"

#include "platform/Environment.h"

#include <QDebug>

namespace sim {

SimBus::SimBus(QString stateFile) : path(std::move(stateFile))
{
    all.push_back(makePressureTransmitter());
    all.push_back(makeTemperatureTransmitter());
    all.push_back(makeFlowTransmitter());
    for (const QString& problem : loadState(path, all))
        qWarning().noquote() << problem;
    wire.OnTimer = [this] { finish(); };
}

SimBus::~SimBus() = default;

QString SimBus::defaultStateFile() { return platform::sharedDataFolder() + u"pelmora/simulated-devices.json"; }

SimTransmitter* SimBus::device(const QString& name)
{
    for (auto& device : all)
        if (device.name() == name) return &device;
    return nullptr;
}

void SimBus::transact(const hart::Request& request, std::function<void(std::optional<hart::Reply>)> done)
{
    queue.push_back({request, std::move(done), std::nullopt});
    if (queue.size() == 1) startNext();
}

// Devices sharing a polling address (or a tag) all do the command and answer together, garbling
// each other's replies: the master hears nothing it can use.
std::optional<hart::Reply> SimBus::answer(const hart::Request& request)
{
    std::optional<hart::Reply> reply;
    int replies = 0;
    for (auto& device : all) {
        if (!device.answers(request)) continue;
        if (auto answer = device.handle(request)) {
            reply = std::move(answer);
            ++replies;
        }
    }
    if (replies > 1) reply.reset();
    saveIfChanged();
    return reply;
}

// The device answers at once; the reply reaches the master when both frames have crossed the wire.
void SimBus::startNext()
{
    Transaction& next = queue.front();
    next.reply = answer(next.request);
    wire.setInterval(hart::transactionMs(next.request, next.reply));
    wire.setEnabled(true);
    ++used.transactions;
    used.ms += wire.interval();
}

void SimBus::finish()
{
    wire.setEnabled(false);
    Transaction done = std::move(queue.front());
    queue.pop_front();
    // The next one goes on the wire before the callback, which may well queue another.
    if (!queue.empty()) startNext();
    if (done.done) done.done(done.reply);
}

void SimBus::saveIfChanged()
{
    // A change whose save failed (a full disk) is saved with the next transaction, not lost until the next change.
    bool changed = unsaved;
    for (auto& device : all)
        changed = device.takeStoredChange() || changed;
    if (!changed || path.isEmpty()) return;
    const QString error = saveState(path, all);
    unsaved = !error.isEmpty();
    if (unsaved) qWarning().noquote() << u"simulated devices state " + path + u": " + error;
}

} // namespace sim
