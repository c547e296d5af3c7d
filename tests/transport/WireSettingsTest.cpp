// The driver's own settings file: what it says about the wire, and what it cannot say.
#include "transport/WireSettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace transport;
using Kind = WireSettings::Kind;

namespace {

WireSettings read(const char* text, QStringList* problems = nullptr)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pelmora.ini"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    WireSettings settings;
    const QStringList found = readSettingsFile(path, settings);
    if (problems) *problems = found;
    return settings;
}

TEST(WireSettings, AMissingFileKeepsTheSimulatedDevices)
{
    WireSettings settings;
    EXPECT_TRUE(readSettingsFile(QStringLiteral("/nonexistent/pelmora.ini"), settings).isEmpty());
    EXPECT_EQ(settings.kind, Kind::Simulator);
    EXPECT_TRUE(settings.primaryMaster);
    EXPECT_TRUE(settings.driverSwitchesRts);
    EXPECT_FALSE(settings.trace);
}

TEST(WireSettings, ASerialModemWithEverySetting)
{
    const WireSettings settings = read("[driver]\r\nTransport=Serial\r\nMaster=SECONDARY\r\nTrace=yes\r\n"
                                       "[Serial]\r\nPort = /dev/ttyUSB0 \r\nRts=modem\r\n");
    EXPECT_EQ(settings.kind, Kind::Serial);
    EXPECT_EQ(settings.serialPort, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_FALSE(settings.primaryMaster);
    EXPECT_FALSE(settings.driverSwitchesRts);
    EXPECT_TRUE(settings.trace);
}

TEST(WireSettings, AHartIpServerWithItsPortAndProtocol)
{
    const WireSettings settings =
        read("[Driver]\nTransport=hart-ip\n[HART-IP]\nHost=gateway.plant:5095\nProtocol=tcp\n");
    EXPECT_EQ(settings.kind, Kind::HartIp);
    EXPECT_EQ(settings.hartIpHost, QStringLiteral("gateway.plant"));
    EXPECT_EQ(settings.hartIpPort, 5095);
    EXPECT_TRUE(settings.tcp);
}

TEST(WireSettings, ValuesItCannotUseKeepTheirDefaultsAndAreReported)
{
    QStringList problems;
    const WireSettings settings =
        read("[Driver]\nTransport=radio\nMaster=third\n[Serial]\nRts=sometimes\n[HART-IP]\nHost=gw:99999\n", &problems);
    EXPECT_EQ(settings.kind, Kind::Simulator);
    EXPECT_TRUE(settings.primaryMaster);
    EXPECT_TRUE(settings.driverSwitchesRts);
    EXPECT_EQ(problems.size(), 4) << problems.join(u'\n').toStdString();
    EXPECT_TRUE(problems.value(0).contains(QStringLiteral("Transport=radio is none of sim, serial, hart-ip")));
}

TEST(WireSettings, HostAndPort)
{
    const struct {
        const char* text;
        bool ok;
        const char* host;
        quint16 port;
    } cases[] = {
        {"10.0.0.7", true, "10.0.0.7", 5094},
        {"10.0.0.7:5095", true, "10.0.0.7", 5095},
        {"gateway", true, "gateway", 5094},
        {"[fe80::1]:6000", true, "fe80::1", 6000},
        {"fe80::1", true, "fe80::1", 5094},
        {"gateway:", false, "", 0},
        {"gateway:0", false, "", 0},
        {"gateway:port", false, "", 0},
        {":5094", false, "", 0},
        {"[fe80::1", false, "", 0},
        {"192.168.10.20 ; HOST or HOST:PORT", false, "", 0}, // a comment after the value
    };
    for (const auto& c : cases) {
        QString host;
        quint16 port = 5094;
        EXPECT_EQ(parseHostAndPort(QString::fromLatin1(c.text), host, port), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(host, QLatin1String(c.host)) << c.text;
        EXPECT_EQ(port, c.port) << c.text;
    }
}

} // namespace
