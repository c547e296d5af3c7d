#include "device/LoopScan.h"

#include "platform/ReplyLayout.h"

namespace device {

using namespace replylayout;

namespace {
// Command 20: the long tag is its one data line.
constexpr int LongTagLine = FirstDataLine;
} // namespace

void LoopScan::begin(int lastAddress)
{
    last = lastAddress;
    askedCount = 0;
    found.clear();
}

LoopDevice* LoopScan::at(int address)
{
    for (LoopDevice& device : found)
        if (device.address == address) return &device;
    return nullptr;
}

void LoopScan::take(int address, const QStringList& lines)
{
    const QString command = lines.value(CommandLine);
    if (command == QStringLiteral("0")) {
        askedCount = address + 1;
        if (lines.size() < identity::End || at(address)) return; // silence, or a reply handed on twice
        LoopDevice device;
        device.address = address;
        device.manufacturer = lines[identity::Manufacturer].trimmed();
        device.deviceType = lines[identity::DeviceType].trimmed();
        device.revision = lines[identity::DeviceRevision].trimmed();
        device.universalRevision = lines[identity::UniversalRevision].trimmed().toInt();
        device.uniqueId = lines[identity::UniqueId].trimmed();
        found.append(device);
        return;
    }
    LoopDevice* device = at(address);
    if (!device) return;
    if (command == QStringLiteral("13") && lines.size() >= tagDescriptorDate::End)
        device->tag = lines[tagDescriptorDate::Tag].trimmed();
    else if (command == QStringLiteral("20") && lines.size() > LongTagLine)
        device->longTag = lines[LongTagLine].trimmed();
}

QList<QList<int>> LoopScan::sameDeviceAddresses() const
{
    QList<QList<int>> groups;
    QList<int> grouped;
    for (int i = 0; i < found.size(); ++i) {
        if (grouped.contains(found[i].address)) continue;
        QList<int> group{found[i].address};
        for (int j = i + 1; j < found.size(); ++j)
            if (found[j].sameDevice(found[i])) group.append(found[j].address);
        if (group.size() < 2) continue;
        grouped += group;
        groups.append(group);
    }
    return groups;
}

} // namespace device
