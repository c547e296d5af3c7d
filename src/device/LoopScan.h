#pragma once
// What a scan of the loop found: every polling address that answered the scan's command 0, with the
// device's identity, its tag and, from universal revision 6 on, its long tag, in the order of the
// addresses. The session feeds it each reply of the scan; the scan window shows it. Two addresses that
// answer with one device (the same manufacturer, type and unique identifier) are both kept and named:
// the loop has a fault worth a look, or a gateway shows one device twice.
#include <QList>
#include <QString>
#include <QStringList>

namespace device {

struct LoopDevice {
    int address = 0;
    QString manufacturer;
    QString deviceType;
    QString revision;          // the device revision
    int universalRevision = 0; // the HART revision the device speaks
    QString uniqueId;
    QString tag;
    QString longTag; // revision 6 and later, when the device told it

    bool sameDevice(const LoopDevice& other) const
    {
        return manufacturer == other.manufacturer && deviceType == other.deviceType && uniqueId == other.uniqueId;
    }
};

class LoopScan {
public:
    // A new scan of the addresses 0..lastAddress.
    void begin(int lastAddress);
    // A reply of the scan at an address: command 0 finds a device (or an empty address), 13 and 20 name it.
    void take(int address, const QStringList& lines);

    int lastAddress() const { return last; }
    // How many addresses have been asked so far (an address counts once its command 0 was answered).
    int asked() const { return askedCount; }
    const QList<LoopDevice>& devices() const { return found; }
    // The addresses of each device found at more than one of them, each group in the order of the addresses.
    QList<QList<int>> sameDeviceAddresses() const;

private:
    LoopDevice* at(int address);

    int last = 15;
    int askedCount = 0;
    QList<LoopDevice> found;
};

} // namespace device
