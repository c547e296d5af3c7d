#include "transport/WireSettings.h"

#include "platform/Environment.h"
#include "platform/Profile.h"

#include <QDir>

namespace transport {

namespace {
// The value's index among the choices (compared without regard to case), or -1 for an empty
// value; a value that is none of them is reported.
int choice(const platform::Profile& file, const QString& section, const QString& key, const QStringList& choices,
           QStringList& problems)
{
    const QString value = file.readString(section, key).trimmed();
    if (value.isEmpty()) return -1;
    for (int i = 0; i < choices.size(); ++i)
        if (value.compare(choices[i], Qt::CaseInsensitive) == 0) return i;
    problems << QStringLiteral("%1: [%2] %3=%4 is none of %5; the default stays")
                    .arg(file.path(), section, key, value, choices.join(QStringLiteral(", ")));
    return -1;
}
} // namespace

QString defaultSettingsFile()
{
    QString config = platform::environment(QStringLiteral("XDG_CONFIG_HOME"));
    if (config.isEmpty()) config = QDir::homePath() + QStringLiteral("/.config");
    return QDir(config).filePath(QStringLiteral("pelmora/pelmora.ini"));
}

QStringList readSettingsFile(const QString& path, WireSettings& settings)
{
    const platform::Profile file(path);
    QStringList problems;
    if (!file.exists()) return problems;
    const QString driver = QStringLiteral("Driver");
    const QString serial = QStringLiteral("Serial");
    const QString hartIp = QStringLiteral("HART-IP");
    using Kind = WireSettings::Kind;
    if (const int kind = choice(file, driver, QStringLiteral("Transport"),
                                {QStringLiteral("sim"), QStringLiteral("serial"), QStringLiteral("hart-ip")}, problems);
        kind >= 0)
        settings.kind = kind == 0 ? Kind::Simulator : kind == 1 ? Kind::Serial : Kind::HartIp;
    if (const int master = choice(file, driver, QStringLiteral("Master"),
                                  {QStringLiteral("primary"), QStringLiteral("secondary")}, problems);
        master >= 0)
        settings.primaryMaster = master == 0;
    if (const int trace =
            choice(file, driver, QStringLiteral("Trace"), {QStringLiteral("no"), QStringLiteral("yes")}, problems);
        trace >= 0)
        settings.trace = trace == 1;
    settings.serialPort = file.readString(serial, QStringLiteral("Port"), settings.serialPort).trimmed();
    if (const int rts =
            choice(file, serial, QStringLiteral("Rts"), {QStringLiteral("driver"), QStringLiteral("modem")}, problems);
        rts >= 0)
        settings.driverSwitchesRts = rts == 0;
    if (const QString host = file.readString(hartIp, QStringLiteral("Host")).trimmed(); !host.isEmpty()) {
        if (!parseHostAndPort(host, settings.hartIpHost, settings.hartIpPort))
            problems << QStringLiteral("%1: [%2] Host=%3 is no host, or has no usable port").arg(path, hartIp, host);
    }
    if (const int protocol =
            choice(file, hartIp, QStringLiteral("Protocol"), {QStringLiteral("udp"), QStringLiteral("tcp")}, problems);
        protocol >= 0)
        settings.tcp = protocol == 1;
    return problems;
}

bool parseHostAndPort(const QString& text, QString& hostOut, quint16& portOut)
{
    QString host;
    quint16 port = portOut;
    const QString rest = text.trimmed();
    QString portText;
    if (rest.startsWith(u'[')) { // [v6 address]:port
        const qsizetype close = rest.indexOf(u']');
        if (close < 0) return false;
        host = rest.mid(1, close - 1);
        portText = rest.mid(close + 1);
        if (!portText.isEmpty() && !portText.startsWith(u':')) return false;
        portText = portText.mid(1);
    } else if (rest.count(u':') == 1) {
        host = rest.section(u':', 0, 0);
        portText = rest.section(u':', 1);
    } else {
        host = rest; // a name, an IPv4 address or a bare IPv6 address
    }
    if (host.isEmpty() || rest.endsWith(u':')) return false;
    for (const QChar c : host)
        if (c.isSpace()) return false; // no host name holds a blank: a comment after the value, say
    if (!portText.isEmpty()) {
        bool ok = false;
        const uint value = portText.toUInt(&ok);
        if (!ok || value == 0 || value > 65535) return false;
        port = quint16(value);
    }
    hostOut = host;
    portOut = port;
    return true;
}

} // namespace transport
