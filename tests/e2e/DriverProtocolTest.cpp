// An independent client speaking the link protocol to a real pelmora --sim.
#include "DriverProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

using namespace e2e;

namespace {

class DriverProtocolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(driver.start()) << "pelmora did not open its socket";
        ASSERT_TRUE(client.connectTo(driver.socketPath()));
        const auto answer = client.ask(platform::channel::encode("CONNECT", "Pelmora DdeHartServer"));
        ASSERT_TRUE(answer);
        ASSERT_EQ(answer->verb, "OK");
    }
    QTemporaryDir dir;
    DriverProcess driver{dir.path()};
    RawClient client;
};

TEST_F(DriverProtocolTest, IdentityOfThePressureTransmitterWithBusyWhileWorking)
{
    QStringList seen;
    const QStringList reply = client.transact(macro(0, 0), &seen);
    ASSERT_GE(seen.size(), 2) << "no Busy! before the reply";
    EXPECT_EQ(seen.first(), QStringLiteral("Busy!"));
    ASSERT_GE(reply.size(), 13);
    EXPECT_EQ(reply[0], QStringLiteral("0"));
    EXPECT_EQ(reply[1], QStringLiteral("0"));
    EXPECT_EQ(reply[2], QString());
    EXPECT_EQ(reply[4], QStringLiteral("Ostrevo"));
    EXPECT_EQ(reply[5], QStringLiteral("PR210"));
    EXPECT_EQ(reply[8], QStringLiteral("3"));
    EXPECT_EQ(reply[11], QStringLiteral("0"));
    EXPECT_EQ(reply[12], QString::number(0x0A1B2C));
}

TEST_F(DriverProtocolTest, ConfigurationCommandsAtAddressZero)
{
    const QStringList variables = client.transact(macro(3, 0));
    ASSERT_GE(variables.size(), 7);
    EXPECT_EQ(variables[0], QStringLiteral("3"));
    EXPECT_EQ(variables[5], QStringLiteral("kPa"));
    EXPECT_TRUE(variables[6].toDouble() > 0) << variables[6].toStdString();

    const QStringList tag = client.transact(macro(13, 0));
    ASSERT_EQ(tag.size(), 7);
    EXPECT_EQ(tag[4], QStringLiteral("PT-101"));

    const QStringList sensor = client.transact(macro(14, 0));
    ASSERT_EQ(sensor.size(), 9);
    EXPECT_EQ(sensor[5], QStringLiteral("kPa"));
    EXPECT_EQ(sensor[6], QStringLiteral("1600"));
    EXPECT_EQ(sensor[7], QStringLiteral("-100"));

    const QStringList output = client.transact(macro(15, 0));
    ASSERT_GE(output.size(), 12);
    EXPECT_EQ(output[5], QStringLiteral("Linear"));
    EXPECT_EQ(output[6], QStringLiteral("kPa"));
    EXPECT_EQ(output[7], QStringLiteral("1000"));
    EXPECT_EQ(output[8], QStringLiteral("0"));
}

TEST_F(DriverProtocolTest, ErrorsOfTheLoopAndOfTheDevice)
{
    const QStringList absent = client.transact(macro(0, 9));
    EXPECT_EQ(absent, (QStringList{QStringLiteral("0"), QStringLiteral("9"), QStringLiteral("Communication Error!"),
                                   QString()}));
    const QStringList unknown = client.transact(macro(99, 0));
    ASSERT_GE(unknown.size(), 3);
    EXPECT_EQ(unknown[0], QStringLiteral("99"));
    EXPECT_EQ(unknown[2], QStringLiteral("Command Error!"));
}

TEST_F(DriverProtocolTest, AnExecuteWhileWorkingIsRefused)
{
    const auto first = client.execute(macro(0, 0));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->verb, "OK");
    const auto second = client.execute(macro(0, 0));
    ASSERT_TRUE(second);
    EXPECT_EQ(second->verb, "ERR");
}

TEST_F(DriverProtocolTest, UnknownServiceItemAndMessagesAreRefused)
{
    RawClient other;
    ASSERT_TRUE(other.connectTo(driver.socketPath()));
    auto answer = other.ask(platform::channel::encode("REQUEST", "DdeHartCommand"));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->verb, "ERR") << "answered before CONNECT";
    answer = other.ask(platform::channel::encode("CONNECT", "Other DdeHartServer"));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->verb, "ERR");
    answer = client.ask(platform::channel::encode("REQUEST", "Nothing"));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->verb, "ERR");
    answer = client.ask(platform::channel::encode("HELLO"));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->verb, "ERR");
}

TEST_F(DriverProtocolTest, DampingWrittenWith34SurvivesADriverRestart)
{
    const QStringList written = client.transact(macro(34, 0, {QStringLiteral("2.5")}));
    ASSERT_GE(written.size(), 5);
    EXPECT_EQ(written[2], QString());
    EXPECT_EQ(written[4], QStringLiteral("2.5"));
    QStringList output = client.transact(macro(15, 0));
    ASSERT_GE(output.size(), 10);
    EXPECT_EQ(output[9], QStringLiteral("2.5"));

    ASSERT_TRUE(client.execute(QStringLiteral("terminate")));
    ASSERT_TRUE(driver.waitForExit(5000)) << "pelmora did not end on terminate";
    EXPECT_EQ(driver.process.exitCode(), 0);

    DriverProcess again(dir.path());
    ASSERT_TRUE(again.start());
    RawClient fresh;
    ASSERT_TRUE(fresh.connectTo(again.socketPath()));
    ASSERT_TRUE(fresh.ask(platform::channel::encode("CONNECT", "Pelmora DdeHartServer")));
    output = fresh.transact(macro(15, 0));
    ASSERT_GE(output.size(), 10);
    EXPECT_EQ(output[9], QStringLiteral("2.5"));
}

TEST_F(DriverProtocolTest, BadDataGetsAClearErrorAndNothingIsWritten)
{
    const QStringList refused =
        client.transact(macro(18, 0, {QStringLiteral("TAG\xa7"), QStringLiteral("D"), QStringLiteral("1.1.2020")}));
    ASSERT_GE(refused.size(), 3);
    EXPECT_EQ(refused[2], QStringLiteral("Invalid value \"TAG\xa7\" for tag!"));
    const QStringList tag = client.transact(macro(13, 0));
    ASSERT_GE(tag.size(), 5);
    EXPECT_EQ(tag[4], QStringLiteral("PT-101"));
}

TEST_F(DriverProtocolTest, ATerminationSignalEndsTheDriverTheOrdinaryWay)
{
    ASSERT_EQ(::kill(pid_t(driver.process.processId()), SIGTERM), 0);
    ASSERT_TRUE(driver.waitForExit(10000));
    EXPECT_EQ(driver.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(driver.process.exitCode(), 0);
    EXPECT_FALSE(QFile::exists(driver.socketPath())) << "the socket file was left behind";
    QFile log(driver.logFile());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("ends on a termination signal"));
}

TEST(DriverStateFile, AFileCutShortIsKeptAsideAndTheLogSaysWhere)
{
    QTemporaryDir dir;
    DriverProcess driver(dir.path());
    const QByteArray cutShort = R"({"version": 1, "devices": {"PR210": {"tag": "PT-7)";
    {
        QFile state(driver.stateFile());
        ASSERT_TRUE(state.open(QIODevice::WriteOnly));
        state.write(cutShort);
    }
    ASSERT_TRUE(driver.start());
    RawClient client;
    ASSERT_TRUE(client.connectTo(driver.socketPath()));
    ASSERT_TRUE(client.ask(platform::channel::encode("CONNECT", "Pelmora DdeHartServer")));
    const QStringList written = client.transact(macro(34, 0, {QStringLiteral("2.5")}));
    ASSERT_GE(written.size(), 3);
    EXPECT_EQ(written[2], QString()) << "the write that saves the state";

    const QStringList kept = QDir(dir.path()).entryList({QStringLiteral("sim.json.broken-*")});
    ASSERT_EQ(kept.size(), 1);
    QFile broken(dir.filePath(kept[0]));
    ASSERT_TRUE(broken.open(QIODevice::ReadOnly));
    EXPECT_EQ(broken.readAll(), cutShort);
    QFile log(driver.logFile());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString logged = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(logged.contains(QStringLiteral("kept as %1").arg(dir.filePath(kept[0])))) << logged.toStdString();
}

} // namespace
