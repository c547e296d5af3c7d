// pelmora on real wires, end to end: the simulated devices of pelmora-slave on the far end of a
// pseudo-terminal pair and behind a HART-IP server on this computer, read through Tarvik's link
// with every text as the built-in simulated devices give it.
#include "DriverProcess.h"
#include "ProgramUnderTest.h"
#include "SlaveProcess.h"
#include "link/CommandMacro.h"
#include "link/DriverLink.h"
#include "platform/SocketChannel.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// What Tarvik reads of the pressure transmitter (the identity, its [READ] list with the templates
// of its definition file, the on-line values), and the temperature transmitter's identity.
const QStringList ReadMacros{
    driverlink::commandMacro(0, QStringLiteral("0")),
    driverlink::commandMacro(12, QStringLiteral("0")),
    driverlink::commandMacro(13, QStringLiteral("0")),
    driverlink::commandMacro(14, QStringLiteral("0")),
    driverlink::commandMacro(15, QStringLiteral("0")),
    driverlink::commandMacro(16, QStringLiteral("0")),
    driverlink::commandMacro(255, QStringLiteral("0"), {QStringLiteral("R128BB")}),
    driverlink::commandMacro(255, QStringLiteral("0"), {QStringLiteral("R130FF")}),
    driverlink::commandMacro(255, QStringLiteral("0"), {QStringLiteral("R132KF"), QStringLiteral("000")}),
    driverlink::commandMacro(255, QStringLiteral("0"), {QStringLiteral("R132KF"), QStringLiteral("001")}),
    driverlink::commandMacro(1, QStringLiteral("0")),
    driverlink::commandMacro(3, QStringLiteral("0")),
    driverlink::commandMacro(0, QStringLiteral("1")),
};

quint16 freePort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

// Tarvik's driver link to a driver listening on TCP on this computer.
class TarvikLink {
public:
    explicit TarvikLink(quint16 port) : link(channel)
    {
        link.setNetPath(QStringLiteral("\\\\127.0.0.1:%1").arg(port));
        open = link.DoNewLink();
        link.Timer4.setInterval(100); // poll the reply more often than the program does
    }
    ~TarvikLink()
    {
        if (link.LinkOpen()) link.terminate();
    }
    QStringList transact(const QString& macro)
    {
        QStringList reply;
        link.onReply = [&](const QStringList& lines) {
            if (lines.value(0) != QStringLiteral("Busy!")) reply = lines;
        };
        if (link.send(macro) != driverlink::SendResult::Accepted) return {QStringLiteral("<refused>")};
        e2e::waitAtMost(20000, [&] { return !reply.isEmpty(); });
        link.onReply = nullptr;
        return reply;
    }
    QList<QStringList> read(const QStringList& macros)
    {
        QList<QStringList> replies;
        for (const QString& macro : macros)
            replies << transact(macro);
        return replies;
    }

    bool open = false;

private:
    platform::SocketChannel channel;
    driverlink::DriverLink link;
};

// The on-line values move with the process: of those only the units must agree.
QStringList withoutLiveValues(QStringList reply)
{
    const QString command = reply.value(0);
    if (command != u"1" && command != u"2" && command != u"3") return reply;
    for (qsizetype i = 4; i < reply.size(); ++i)
        if (!reply[i].isEmpty() && (reply[i][0].isDigit() || reply[i][0] == u'-')) reply[i] = QStringLiteral("<value>");
    return reply;
}

class WireDriverTest : public ::testing::Test {
protected:
    WireDriverTest() { dialogs.allowModal(QStringLiteral("TCekej")); }

    QString folder(const QString& name)
    {
        const QString path = dir.filePath(name);
        QDir().mkpath(path);
        return path;
    }
    // A driver listening on TCP; the simulated devices, or the wire its arguments name.
    std::unique_ptr<e2e::DriverProcess> driver(const QString& name, quint16 port, QStringList arguments,
                                               bool simulated = false)
    {
        arguments << QStringLiteral("--listen") << QStringLiteral("127.0.0.1:%1").arg(port);
        auto process = std::make_unique<e2e::DriverProcess>(folder(name), arguments, simulated);
        EXPECT_TRUE(process->start()) << name.toStdString();
        return process;
    }
    // The read as the built-in simulated devices give it.
    QList<QStringList> referenceRead()
    {
        const quint16 port = freePort();
        const auto reference = driver(QStringLiteral("simulated"), port, {}, true);
        TarvikLink link(port);
        EXPECT_TRUE(link.open);
        return link.read(ReadMacros);
    }
    static void expectSameTexts(const QList<QStringList>& got, const QList<QStringList>& expected)
    {
        ASSERT_EQ(got.size(), expected.size());
        for (qsizetype i = 0; i < got.size(); ++i)
            EXPECT_EQ(withoutLiveValues(got[i]), withoutLiveValues(expected[i])) << ReadMacros[int(i)].toStdString();
    }
    static QString text(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir dir;
    testing_support::ScriptedDialogs dialogs;
};

TEST_F(WireDriverTest, ASerialModemGivesTheReadOfTheSimulatedDevicesAndSurvivesBeingUnplugged)
{
    const QList<QStringList> expected = referenceRead();
    const QString line = dir.filePath(QStringLiteral("ttyHART"));
    auto slave =
        std::make_unique<e2e::SlaveProcess>(QStringList{QStringLiteral("--link"), line, QStringLiteral("--fast")});
    ASSERT_TRUE(slave->start());
    const quint16 port = freePort();
    const auto wire =
        driver(QStringLiteral("serial"), port, {QStringLiteral("--serial"), line, QStringLiteral("--trace")});
    TarvikLink link(port);
    ASSERT_TRUE(link.open);
    expectSameTexts(link.read(ReadMacros), expected);
    EXPECT_TRUE(text(wire->logFile()).contains(QStringLiteral(" tx FF FF FF FF FF 82 AE D2 0A 1B 2C 0D 00 CE")))
        << "command 13 to the pressure transmitter in the trace";

    slave->kill();
    EXPECT_EQ(link.transact(driverlink::commandMacro(13, QStringLiteral("0"))).value(2),
              QStringLiteral("Communication Error!"));
    EXPECT_TRUE(text(wire->logFile()).contains(QStringLiteral("is gone")));

    slave = std::make_unique<e2e::SlaveProcess>(QStringList{QStringLiteral("--link"), line, QStringLiteral("--fast")});
    ASSERT_TRUE(slave->start());
    QStringList again;
    e2e::waitAtMost(10000, [&] {
        again = link.transact(driverlink::commandMacro(12, QStringLiteral("0")));
        return again.value(2).isEmpty();
    });
    EXPECT_EQ(again, expected[1]) << "the port was opened again";
}

TEST_F(WireDriverTest, AtTwelveHundredBitsASecondATenthOfTheRepliesDamagedStillGiveTheRead)
{
    const QString line = dir.filePath(QStringLiteral("ttyHART"));
    e2e::SlaveProcess slave({QStringLiteral("--link"), line, QStringLiteral("--noise"), QStringLiteral("0.1"),
                             QStringLiteral("--seed"), QStringLiteral("4")});
    ASSERT_TRUE(slave.start());
    const quint16 port = freePort();
    const auto wire = driver(QStringLiteral("serial"), port, {QStringLiteral("--serial"), line});
    TarvikLink link(port);
    ASSERT_TRUE(link.open);
    for (const QStringList& reply : link.read(ReadMacros))
        EXPECT_EQ(reply.value(2), QString()) << reply.join(u'|').toStdString();
    EXPECT_TRUE(slave.said().contains(QStringLiteral("noise"))) << "no reply met noise";
}

TEST_F(WireDriverTest, AHartIpServerOnThisComputerOverUdpAndTcp)
{
    const QList<QStringList> expected = referenceRead();
    e2e::SlaveProcess slave({QStringLiteral("--hart-ip"), QStringLiteral("0")});
    ASSERT_TRUE(slave.start());
    // UDP, named in the driver's settings file; TCP on the command line.
    const QString config = folder(QStringLiteral("udp/config/pelmora"));
    QFile settings(config + QStringLiteral("/pelmora.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral("[Driver]\r\nTransport=hart-ip\r\n[HART-IP]\r\nHost=127.0.0.1:%1\r\n")
                       .arg(slave.hartIpPort())
                       .toLatin1());
    settings.close();
    const QStringList ways[] = {
        {},
        {QStringLiteral("--hart-ip"), QStringLiteral("127.0.0.1:%1").arg(slave.hartIpPort()), QStringLiteral("--tcp")}};
    const char* names[] = {"udp", "tcp"};
    for (int i = 0; i < 2; ++i) {
        const quint16 port = freePort();
        const auto wire = driver(QString::fromLatin1(names[i]), port, ways[i]);
        TarvikLink link(port);
        ASSERT_TRUE(link.open);
        expectSameTexts(link.read(ReadMacros), expected);
    }
    EXPECT_EQ(slave.said().count(QStringLiteral("session opened")), 2);
}

TEST(WireDriverOptions, HelpNamesTheWiresAndThePortsCanBeListed)
{
    QProcess help;
    help.start(QStringLiteral(PELMORA_BIN), {QStringLiteral("--help")});
    ASSERT_TRUE(help.waitForFinished(5000));
    const QString usage = QString::fromLocal8Bit(help.readAllStandardOutput());
    for (const char* option : {"--serial PORT", "--hart-ip HOST[:PORT]", "--tcp", "--list-ports", "--trace",
                               "--master primary|secondary", "--rts driver|modem", "pelmora.ini"})
        EXPECT_TRUE(usage.contains(QLatin1String(option))) << option;

    QProcess ports;
    ports.start(QStringLiteral(PELMORA_BIN), {QStringLiteral("--list-ports")});
    ASSERT_TRUE(ports.waitForFinished(5000));
    EXPECT_EQ(ports.exitCode(), 0);
    EXPECT_FALSE(ports.readAllStandardOutput().isEmpty());

    QProcess both;
    both.start(QStringLiteral(PELMORA_BIN), {QStringLiteral("--sim"), QStringLiteral("--serial"), QStringLiteral("x")});
    ASSERT_TRUE(both.waitForFinished(5000));
    EXPECT_EQ(both.exitCode(), 1);
    EXPECT_TRUE(both.readAllStandardError().contains("one of --sim, --serial and --hart-ip at a time"));
}

} // namespace
