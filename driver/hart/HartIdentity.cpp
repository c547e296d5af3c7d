#include "hart/HartIdentity.h"

#include "hart/HartEncoding.h"

namespace hart {

namespace {
constexpr int IdentityBytes = 12;
constexpr int Revision7ManufacturerAt = 17;
} // namespace

std::optional<Identity> readIdentity(const QByteArray& data)
{
    if (data.size() < IdentityBytes) return std::nullopt;
    Identity identity;
    identity.longAddress.append(char(quint8(data.at(1)) & 0x3F));
    identity.longAddress.append(data.at(2));
    identity.longAddress.append(data.mid(9, 3));
    identity.minPreambles = quint8(data.at(3));
    identity.universalRevision = quint8(data.at(4));
    if (identity.universalRevision >= 7) {
        identity.expandedType = true;
        identity.deviceType = quint16(readUInt(data, 1, 2));
        identity.manufacturer = data.size() >= Revision7ManufacturerAt + 2
                                    ? quint16(readUInt(data, Revision7ManufacturerAt, 2))
                                    : quint16(identity.deviceType >> 8);
    } else {
        identity.manufacturer = quint8(data.at(1));
        identity.deviceType = quint8(data.at(2));
    }
    return identity;
}

} // namespace hart
