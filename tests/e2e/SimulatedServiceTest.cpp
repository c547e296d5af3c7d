// The service procedures against a real pelmora --sim, through the link as any client would send
// them, with the sensor input and the loop meter worked from the command line as on a bench.
#include "DriverProcess.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace e2e;

namespace {

struct BenchRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class SimulatedServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(driver.start()) << "pelmora did not open its socket";
        connect(client, driver);
    }

    static void connect(RawClient& client, DriverProcess& driver)
    {
        ASSERT_TRUE(client.connectTo(driver.socketPath()));
        const auto answer = client.ask(platform::channel::encode("CONNECT", "Pelmora DdeHartServer"));
        ASSERT_TRUE(answer);
        ASSERT_EQ(answer->verb, "OK");
    }

    // pelmora --set-input and its siblings, on this test's driver unless the arguments name a socket.
    BenchRun bench(QStringList arguments)
    {
        if (!arguments.contains(QStringLiteral("--socket")))
            arguments << QStringLiteral("--socket") << driver.socketPath();
        QProcess process;
        process.start(QStringLiteral(PELMORA_BIN), arguments);
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished(5000);
            return {};
        }
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    // What the meter in the pressure transmitter's loop reads, "4.015".
    QString meter()
    {
        const BenchRun run = bench({QStringLiteral("--read-meter"), QStringLiteral("0")});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.endsWith(QStringLiteral(" mA\n"))) << run.out.toStdString();
        return run.out.section(u' ', -2, -2);
    }

    QTemporaryDir dir;
    DriverProcess driver{dir.path()};
    RawClient client;
};

TEST_F(SimulatedServiceTest, AfterAnAddressChangeTheDeviceAnswersOnlyAtItsNewAddressAlsoAfterARestart)
{
    const QStringList changed = client.transact(macro(6, 0, {QStringLiteral("3")}));
    ASSERT_GE(changed.size(), 5);
    EXPECT_EQ(changed[2], QString());
    EXPECT_EQ(changed[4], QStringLiteral("3"));

    QStringList identity = client.transact(macro(0, 3));
    ASSERT_GE(identity.size(), 13);
    EXPECT_EQ(identity[5], QStringLiteral("PR210"));
    EXPECT_TRUE(identity[3].contains(QStringLiteral("Loop current fixed. "))) << "multidrop";
    EXPECT_EQ(client.transact(macro(0, 0)).value(2), QStringLiteral("Communication Error!"));
    EXPECT_EQ(client.transact(macro(2, 3)).value(4), QStringLiteral("4.000"));

    ASSERT_TRUE(client.execute(QStringLiteral("terminate")));
    ASSERT_TRUE(driver.waitForExit(5000));
    DriverProcess again(dir.path());
    ASSERT_TRUE(again.start());
    RawClient fresh;
    connect(fresh, again);
    identity = fresh.transact(macro(0, 3));
    ASSERT_GE(identity.size(), 13);
    EXPECT_EQ(identity[5], QStringLiteral("PR210"));
    EXPECT_TRUE(identity[3].contains(QStringLiteral("Configuration changed. "))) << "the flag is kept";
}

TEST_F(SimulatedServiceTest, LowerRangeValueSetToTheInputAppliedOnTheBench)
{
    BenchRun run = bench({QStringLiteral("--set-input"), QStringLiteral("0"), QStringLiteral("200")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("PR210 at polling address 0: sensor input held at 200 kPa\n"));
    // What the sensor reads of 200 kPa, with its offset and span error (1.0003 x 200 + 1.2).
    EXPECT_EQ(client.transact(macro(1, 0)).value(5), QStringLiteral("201.26"));

    EXPECT_EQ(client.transact(macro(37, 0)).value(2), QString());
    QStringList output = client.transact(macro(15, 0));
    ASSERT_GE(output.size(), 9);
    EXPECT_EQ(output[8], QStringLiteral("201.26"));
    EXPECT_EQ(output[7], QStringLiteral("1201.26")) << "the span is kept";

    run = bench({QStringLiteral("--set-input"), QStringLiteral("0"), QStringLiteral("1700")});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(client.transact(macro(36, 0)).value(2), QStringLiteral("Command Error!")) << "beyond the sensor";
    output = client.transact(macro(15, 0));
    EXPECT_EQ(output.value(7), QStringLiteral("1201.26"));

    run = bench({QStringLiteral("--release-input"), QStringLiteral("PR210")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("PR210 at polling address 0: sensor input follows the simulated process\n"));
}

TEST_F(SimulatedServiceTest, LoopTestFixesTheCurrentUntilReleased)
{
    EXPECT_EQ(client.transact(macro(40, 0, {QStringLiteral("8")})).value(4), QStringLiteral("8"));
    QStringList current = client.transact(macro(2, 0));
    ASSERT_GE(current.size(), 6);
    EXPECT_EQ(current[4], QStringLiteral("8.000"));
    EXPECT_EQ(current[5], QStringLiteral("25.00")) << "the percent goes with the current";
    EXPECT_TRUE(current[3].contains(QStringLiteral("Loop current fixed. ")));

    EXPECT_EQ(client.transact(macro(40, 0, {QStringLiteral("0")})).value(2), QString());
    current = client.transact(macro(2, 0));
    EXPECT_FALSE(current.value(3).contains(QStringLiteral("Loop current fixed. ")));
}

TEST_F(SimulatedServiceTest, TrimAtFourMilliampsMakesTheLoopCarryFour)
{
    ASSERT_EQ(client.transact(macro(40, 0, {QStringLiteral("4.0")})).value(2), QString());
    const QString measured = meter();
    ASSERT_FALSE(measured.isEmpty());
    EXPECT_NE(measured, QStringLiteral("4.000")) << "the untrimmed output is a little off";

    const QStringList trimmed = client.transact(macro(45, 0, {measured}));
    ASSERT_GE(trimmed.size(), 5);
    EXPECT_EQ(trimmed[2], QString());
    EXPECT_EQ(trimmed[4], measured);

    ASSERT_EQ(client.transact(macro(40, 0, {QStringLiteral("4.0")})).value(2), QString());
    EXPECT_EQ(client.transact(macro(2, 0)).value(4), QStringLiteral("4.000"));
    EXPECT_EQ(meter(), QStringLiteral("4.000"));
    EXPECT_EQ(client.transact(macro(40, 0, {QStringLiteral("0")})).value(2), QString());
}

TEST_F(SimulatedServiceTest, TheBenchSaysWhyNot)
{
    BenchRun run = bench({QStringLiteral("--set-input"), QStringLiteral("7"), QStringLiteral("1")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("pelmora: no simulated device at polling address 7\n"));
    EXPECT_EQ(run.out, QString());

    const QString nowhere = dir.filePath(QStringLiteral("nobody.sock"));
    run = bench({QStringLiteral("--read-meter"), QStringLiteral("0"), QStringLiteral("--socket"), nowhere});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("pelmora: no driver answers at %1\n").arg(nowhere));
}

} // namespace
