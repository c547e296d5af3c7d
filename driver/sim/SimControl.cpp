#include "sim/SimControl.h"

#include <cmath>

namespace sim {

namespace {
struct Found {
    SimTransmitter* device = nullptr;
    QString error;
};

Found find(SimBus& bus, const QString& key)
{
    for (auto& device : bus.devices())
        if (device.name().compare(key, Qt::CaseInsensitive) == 0) return {&device, {}};
    bool ok = false;
    const uint address = key.toUInt(&ok);
    if (!ok || address > 63)
        return {nullptr, QStringLiteral("\"%1\" is neither a polling address nor a simulated device").arg(key)};
    QStringList names;
    SimTransmitter* found = nullptr;
    for (auto& device : bus.devices()) {
        if (device.config().pollingAddress != address) continue;
        found = &device;
        names << device.name();
    }
    if (names.isEmpty()) return {nullptr, QStringLiteral("no simulated device at polling address %1").arg(address)};
    // On the loop they garble each other; here the name says which one is meant.
    if (names.size() > 1)
        return {nullptr, QStringLiteral("%1 share polling address %2: name the device")
                             .arg(names.join(QStringLiteral(" and ")))
                             .arg(address)};
    return {found, {}};
}

const QString Usage = QStringLiteral("expected INPUT <device> <value>, RELEASE <device>, METER <device> or LINE");
} // namespace

ControlAnswer control(SimBus& bus, const QString& request)
{
    const QStringList words = request.split(u' ', Qt::SkipEmptyParts);
    const QString verb = words.value(0).toUpper();
    if (verb == u"LINE" && words.size() == 1) {
        const SimBus::LineUse used = bus.lineUse();
        return {true, QStringLiteral("%1 transactions, %2 ms on the line").arg(used.transactions).arg(used.ms)};
    }
    const qsizetype expected = verb == u"INPUT" ? 3 : verb == u"RELEASE" || verb == u"METER" ? 2 : 0;
    if (expected == 0 || words.size() != expected) return {false, Usage};
    const Found found = find(bus, words[1]);
    if (!found.device) return {false, found.error};
    SimTransmitter& device = *found.device;
    const QString who =
        QStringLiteral("%1 at polling address %2: ").arg(device.name()).arg(device.config().pollingAddress);

    if (verb == u"INPUT") {
        QString text = words[2];
        text.replace(u',', u'.');
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok || !std::isfinite(value)) return {false, QStringLiteral("\"%1\" is no number").arg(words[2])};
        device.holdProcess(device.pvScale().toBase(value));
        return {true, who + QStringLiteral("sensor input held at %1 %2")
                                .arg(QString::number(value, 'g', 7), unitSymbol(device.config().pvUnit))};
    }
    if (verb == u"RELEASE") {
        device.holdProcess(std::nullopt);
        return {true, who + QStringLiteral("sensor input follows the simulated process")};
    }
    return {true, who + QStringLiteral("a meter in the loop reads %1 mA").arg(device.analogOutputMa(), 0, 'f', 3)};
}

} // namespace sim
