// The scan of the loop through the device session, against the fake driver on the virtual clock: what
// answers is listed with its tag (and long tag), silent addresses are passed, and the scan ends on its own,
// on Stop and with a driver that goes away, leaving the device state and the connection as they were.
#include "FakeChannel.h"
#include "FakeDriver.h"
#include "ScriptedDialogs.h"
#include "device/DeviceSession.h"
#include "platform/Texts.h"
#include "platform/VirtualClock.h"

#include <gtest/gtest.h>

using driverlink::Ending;
using testing_support::identityLines;
using testing_support::SentCommand;

namespace {

const QString Scan = QStringLiteral("scan");

QStringList identity(const char* type, const char* revision, int flags, const char* uniqueId)
{
    return identityLines(QStringLiteral("Ostrevo"), QString::fromLatin1(type), QString::fromLatin1(revision), flags,
                         QString::fromLatin1(uniqueId));
}

// The identity of a device of universal revision 7.
QStringList revision7Identity(const QString& uniqueId)
{
    return {QStringLiteral("Ostrevo"), QStringLiteral("FL300"), QStringLiteral("5"),
            QStringLiteral("7"),       QStringLiteral("1"),     QStringLiteral("1"),
            QStringLiteral("1"),       QStringLiteral("0"),     uniqueId,
            QStringLiteral("5"),       QStringLiteral("4"),     QStringLiteral("1"),
            QStringLiteral("0")};
}

class LoopScanTest : public ::testing::Test {
protected:
    LoopScanTest()
    {
        // Each address answers as the test's table of devices says.
        driver.respond = [this](const SentCommand& sent) -> QStringList {
            if (sent.command == 0) return identities.value(sent.address);
            if (sent.command == 13)
                return {tags.value(sent.address), QStringLiteral("DESC"), QStringLiteral("1.1.2026")};
            if (sent.command == 20) return {QStringLiteral("LONG TAG AT ") + sent.address};
            return {};
        };
        QObject::connect(&session, &device::DeviceSession::loopScanEnded, [this](Ending e) { endings.append(e); });
        QObject::connect(&session, &device::DeviceSession::stopped, [this] { ++connectionStops; });
        session.open("en", {});
    }
    void place(const QString& address, const QStringList& identity, const QString& tag)
    {
        driver.addresses.append(address);
        identities.insert(address, identity);
        tags.insert(address, tag);
    }
    void scanToTheEnd(int last)
    {
        ASSERT_TRUE(session.scanLoop(last));
        ASSERT_TRUE(clock.runUntil([&] { return !endings.isEmpty(); }, 600000)) << "the scan never ended";
    }
    QStringList askedAddresses() const
    {
        QStringList asked;
        for (const SentCommand& sent : driver.sent)
            if (sent.command == 0) asked.append(sent.address);
        return asked;
    }

    platform::VirtualClock clock;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FakeChannel channel;
    testing_support::FakeDriver driver{channel};
    device::DeviceSession session{channel};
    QMap<QString, QStringList> identities;
    QMap<QString, QString> tags;
    QList<Ending> endings;
    int connectionStops = 0;
};

struct ScanCase {
    const char* name;
    bool knowsScanRequest;
    int lastAddress;
};
void PrintTo(const ScanCase& c, std::ostream* os) { *os << c.name; }

class LoopScanOfAddresses : public LoopScanTest, public ::testing::WithParamInterface<ScanCase> {};

TEST_P(LoopScanOfAddresses, ListsWhatAnswersWithItsTagsAndPassesTheSilentAddresses)
{
    const ScanCase& c = GetParam();
    driver.addresses.clear();
    driver.knowsScanRequest = c.knowsScanRequest;
    place(QStringLiteral("0"), identity("PR210", "3", 0, "662316"), QStringLiteral("PT-101"));
    place(QStringLiteral("1"), identity("TM120", "2", 2, "732221"), QStringLiteral("TT-7"));
    // Polling address 16 travels as "016": "16" names the device found by tag.
    const QString highAddress = c.lastAddress > 15 ? QStringLiteral("016") : QStringLiteral("5");
    place(highAddress, revision7Identity(QStringLiteral("99")), QStringLiteral("FT-3"));
    place(QStringLiteral("40"), identity("PR210", "3", 0, "1"), QStringLiteral("BEYOND"));

    scanToTheEnd(c.lastAddress);
    EXPECT_EQ(endings, QList<Ending>{Ending::Online});
    QStringList expectedAsked;
    for (int address = 0; address <= c.lastAddress; ++address)
        expectedAsked.append(address == 16 ? QStringLiteral("016") : QString::number(address));
    EXPECT_EQ(askedAddresses(), expectedAsked) << "every address asked once, in order";
    for (const SentCommand& sent : driver.sent) {
        if (sent.command != 0) continue;
        EXPECT_EQ(sent.data, QStringList{Scan}) << "without the scan request";
    }

    const QList<device::LoopDevice>& found = session.loop.devices();
    ASSERT_EQ(found.size(), c.lastAddress >= 40 ? 4 : 3);
    EXPECT_EQ(found[0].address, 0);
    EXPECT_EQ(found[0].deviceType, QStringLiteral("PR210"));
    EXPECT_EQ(found[0].revision, QStringLiteral("3"));
    EXPECT_EQ(found[0].uniqueId, QStringLiteral("662316"));
    EXPECT_EQ(found[0].tag, QStringLiteral("PT-101"));
    EXPECT_EQ(found[1].tag, QStringLiteral("TT-7"));
    EXPECT_TRUE(found[0].longTag.isEmpty()) << "a revision-5 device was asked for a long tag";
    EXPECT_EQ(found[2].address, highAddress.toInt());
    EXPECT_EQ(found[2].universalRevision, 7);
    EXPECT_EQ(found[2].longTag, QStringLiteral("LONG TAG AT ") + highAddress);
    EXPECT_EQ(driver.commands().count(20), 1);
    EXPECT_EQ(session.loop.asked(), c.lastAddress + 1);

    // Nothing of it is the device on screen, and no connection runs on.
    EXPECT_TRUE(session.state.text(config::Control::Vyrobce).isEmpty());
    EXPECT_TRUE(session.state.errors().isEmpty()) << session.state.errors().join(u'|').toStdString();
    EXPECT_EQ(session.sequencer.state(), driverlink::states::Idle);
    EXPECT_FALSE(session.sequencer.exchangeRunning());
    EXPECT_EQ(connectionStops, 0);
    const int sent = int(driver.sent.size());
    clock.advance(30000);
    EXPECT_EQ(driver.sent.size(), sent) << "a command after the scan's end";
}

INSTANTIATE_TEST_SUITE_P(Drivers, LoopScanOfAddresses,
                         ::testing::Values(ScanCase{"addresses 0..15", true, 15},
                                           ScanCase{"a driver without the scan request", false, 15},
                                           ScanCase{"addresses 0..63 of a HART 6/7 loop", true, 63}));

TEST_F(LoopScanTest, StopAndALostDriverEndTheScanWhereItIs)
{
    place(QStringLiteral("1"), identity("TM120", "2", 2, "732221"), QStringLiteral("TT-7"));
    for (const Ending ending : {Ending::Stopped, Ending::DriverGone}) {
        endings.clear();
        driver.sent.clear();
        ASSERT_TRUE(session.scanLoop(15));
        ASSERT_TRUE(clock.runUntil([&] { return session.loop.asked() == 3; }, 60000));
        if (ending == Ending::Stopped) {
            session.sequencer.stop(driverlink::StopSender::StopButton, false);
        } else {
            dialogs.expect(testing_support::ScriptedDialogs::Kind::Error, platform::texts().driverStopped);
            channel.connected = false;
        }
        ASSERT_TRUE(clock.runUntil([&] { return !endings.isEmpty(); }, 10000));
        EXPECT_EQ(endings, QList<Ending>{ending});
        clock.advance(10000);
        EXPECT_LE(askedAddresses().size(), 4) << "the scan went on after its end";
        ASSERT_EQ(session.loop.devices().size(), 1);
        EXPECT_EQ(session.loop.devices()[0].tag, QStringLiteral("TT-7"));
        EXPECT_EQ(session.sequencer.state(), driverlink::states::Idle);
        channel.connected = true;
    }
    EXPECT_EQ(connectionStops, 0) << "a scan has no connection to stop";
}

TEST_F(LoopScanTest, ADeviceAnsweringAtTwoAddressesIsListedTwiceAndNamed)
{
    driver.addresses.clear();
    place(QStringLiteral("3"), identity("PR210", "3", 0, "662316"), QStringLiteral("PT-101"));
    place(QStringLiteral("5"), identity("TM120", "2", 2, "732221"), QStringLiteral("TT-7"));
    place(QStringLiteral("7"), identity("PR210", "3", 0, "662316"), QStringLiteral("PT-101"));
    scanToTheEnd(15);
    ASSERT_EQ(session.loop.devices().size(), 3);
    EXPECT_EQ(session.loop.sameDeviceAddresses(), (QList<QList<int>>{{3, 7}}));
}

} // namespace
