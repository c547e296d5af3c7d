#pragma once
// What a device says about itself in its identity reply (command 0, and 11 by tag): the long
// address it answers to, the preambles it needs, and its manufacturer and type. Revisions 5 and
// 6 carry the manufacturer and device type in bytes 1 and 2; revision 7 carries the expanded
// device type there and the manufacturer in bytes 17 and 18. The long address is built the same
// way from both: bytes 1 and 2 (6 bits of the first) and the device id.
#include <QByteArray>
#include <optional>

namespace hart {

struct Identity {
    QByteArray longAddress; // 5 bytes, master and burst bits cleared
    quint8 minPreambles = 5;
    quint8 universalRevision = 5;
    quint16 manufacturer = 0;
    quint16 deviceType = 0; // revision 7: the expanded device type
    bool expandedType = false;

    // The 16-bit device type of revision 7; before it, the one a type first registered with one byte
    // keeps in revision 7: its manufacturer's id, then the type.
    quint16 expandedDeviceType() const { return expandedType ? deviceType : quint16(manufacturer << 8 | deviceType); }
};

// Nothing when the reply is too short to hold an identity.
std::optional<Identity> readIdentity(const QByteArray& data);

} // namespace hart
