// The simulated devices' state file, which a user may edit or a crash may cut: read into the three
// transmitters, whatever it holds, and written back. What is written reads back to the same devices.
#include "FuzzInput.h"

#include "sim/SimDevices.h"
#include "sim/SimStateFile.h"

#include <QDir>
#include <QFile>

namespace {
std::vector<sim::SimTransmitter> standardDevices()
{
    std::vector<sim::SimTransmitter> devices;
    devices.push_back(sim::makePressureTransmitter());
    devices.push_back(sim::makeTemperatureTransmitter());
    devices.push_back(sim::makeFlowTransmitter());
    return devices;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzzing::writeFile(QStringLiteral("simulated-devices.json"), fuzzing::bytesOf(data, size));
    std::vector<sim::SimTransmitter> devices = standardDevices();
    if (!sim::loadState(path, devices).isEmpty()) {
        // A file nothing could be read from is put aside under a name of its own: not kept here.
        QDir folder(fuzzing::folder());
        for (const QString& name : folder.entryList({QStringLiteral("simulated-devices.json.broken-*")}))
            folder.remove(name);
    }
    if (!sim::saveState(path, devices).isEmpty()) return 0;
    QFile saved(path);
    if (!saved.open(QIODevice::ReadOnly)) __builtin_trap();
    const QByteArray first = saved.readAll();
    saved.close();

    std::vector<sim::SimTransmitter> reread = standardDevices();
    if (!sim::loadState(path, reread).isEmpty() || !sim::saveState(path, reread).isEmpty()) __builtin_trap();
    if (!saved.open(QIODevice::ReadOnly) || saved.readAll() != first) __builtin_trap();
    return 0;
}
