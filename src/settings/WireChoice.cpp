#include "settings/WireChoice.h"

#include "platform/Texts.h"
#include "settings/Folders.h"

#include <QHostAddress>

namespace settings {

using Kind = WireChoice::Kind;

namespace {

struct KindWord {
    Kind kind;
    const char* word;
};
// The words of the key Wire; those of the driver's own settings file where it has one.
constexpr KindWord KindWords[] = {
    {Kind::DriverSettings, "driver"}, {Kind::Simulator, "sim"}, {Kind::Serial, "serial"}, {Kind::HartIp, "hart-ip"}};

// The host as the driver's --hart-ip takes it: an IPv6 address in brackets, since a colon ends the host.
QString hostAndPort(const WireChoice& choice)
{
    const QString host = choice.hartIpHost.contains(u':') ? u'[' + choice.hartIpHost + u']' : choice.hartIpHost;
    return host + u':' + QString::number(choice.hartIpPort);
}

} // namespace

WireChoice readWireChoice(const platform::Profile& file)
{
    auto read = [&](const char* key) { return file.readString(SettingsSection, QString::fromLatin1(key)).trimmed(); };
    WireChoice choice;
    const QString word = read("Wire");
    for (const KindWord& known : KindWords)
        if (word.compare(QLatin1String(known.word), Qt::CaseInsensitive) == 0) choice.kind = known.kind;
    choice.serialPort = read("SerialPort");
    choice.hartIpHost = read("HartIpHost");
    bool ok = false;
    const int port = read("HartIpPort").toInt(&ok);
    if (ok && port > 0 && port <= 65535) choice.hartIpPort = port;
    choice.tcp = read("HartIpProtocol").compare(QStringLiteral("tcp"), Qt::CaseInsensitive) == 0;
    return choice;
}

QList<std::pair<QString, QString>> wireChoiceKeys(const WireChoice& choice)
{
    QString word;
    for (const KindWord& known : KindWords)
        if (known.kind == choice.kind) word = QLatin1String(known.word);
    return {{QStringLiteral("Wire"), word},
            {QStringLiteral("SerialPort"), choice.serialPort},
            {QStringLiteral("HartIpHost"), choice.hartIpHost},
            {QStringLiteral("HartIpPort"), QString::number(choice.hartIpPort)},
            {QStringLiteral("HartIpProtocol"), choice.tcp ? QStringLiteral("tcp") : QStringLiteral("udp")}};
}

QString wireChoiceProblem(const WireChoice& choice)
{
    const platform::Texts& t = platform::texts();
    if (choice.kind == Kind::Serial && choice.serialPort.trimmed().isEmpty()) return t.wireNeedsPort;
    if (choice.kind != Kind::HartIp) return {};
    const QString host = choice.hartIpHost.trimmed();
    // A name or an IPv4 address has no blank and no colon; an IPv6 address must read as one.
    const bool usable = !host.isEmpty() && !host.contains(u' ') &&
                        (!host.contains(u':') || QHostAddress(host).protocol() == QAbstractSocket::IPv6Protocol);
    return usable ? QString() : t.wireNeedsHost.arg(choice.hartIpHost);
}

QStringList driverArguments(const WireChoice& choice)
{
    switch (choice.kind) {
    case Kind::DriverSettings: return {};
    case Kind::Simulator: return {QStringLiteral("--sim")};
    case Kind::Serial: return {QStringLiteral("--serial"), choice.serialPort};
    case Kind::HartIp:
        if (choice.tcp) return {QStringLiteral("--hart-ip"), hostAndPort(choice), QStringLiteral("--tcp")};
        return {QStringLiteral("--hart-ip"), hostAndPort(choice)};
    }
    return {};
}

QString wireStatus(const WireChoice& choice, const DriverInUse& driver)
{
    const platform::Texts& t = platform::texts();
    if (!driver.linkOpen) return t.wireNoDriver;
    if (!driver.netPath.isEmpty()) return t.wireNetDriver.arg(driver.netPath);
    if (!driver.startedHere) return t.wireRunningDriver;
    switch (choice.kind) {
    case Kind::DriverSettings: return t.wireDriverSettings;
    case Kind::Simulator: return t.wireSimulated;
    case Kind::Serial: return t.wireSerial.arg(choice.serialPort);
    case Kind::HartIp:
        return t.wireHartIp.arg(choice.hartIpHost)
            .arg(choice.hartIpPort)
            .arg(choice.tcp ? QStringLiteral("TCP") : QStringLiteral("UDP"));
    }
    return {};
}

} // namespace settings
