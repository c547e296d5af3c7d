// The simulated pressure transmitter has a definition file: the main window reads its device-specific
// items and writes them back through pelmora, and the device keeps them over a driver restart.
#include "DriverProcess.h"
#include "ProgramUnderTest.h"
#include "app/TForm1.h"
#include "detailed/TDetailedSetup.h"
#include "platform/EventLoop.h"
#include "platform/SocketChannel.h"
#include "platform/Texts.h"
#include "platform/Timer.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using Kind = testing_support::ScriptedDialogs::Kind;

namespace {

TEST(DeviceSpecific, ReadAndWriteTheDetailedItemsOfTheSimulatedTransmitter)
{
    e2e::ProgramUnderTest program;
    auto& dialogs = program.dialogs;

    {
        platform::SocketChannel channel;
        device::DeviceSession session(channel);
        TForm1 window(session);
        window.FormCreate();
        window.createForms();
        window.PripojClick();
        ASSERT_TRUE(e2e::waitAtMost(90000, [&] { return !window.form.Pripoj->isEnabled(); })) << "the read did not end";
        config::ItemStore& items = window.session.state.items;
        EXPECT_TRUE(
            window.form.SetupPanels->isTabVisible(window.form.SetupPanels->indexOf(window.form.pDetailedSetup)));
        EXPECT_EQ(items.text(QStringLiteral("C01")), QStringLiteral("Primary variable"));
        EXPECT_EQ(items.text(QStringLiteral("C02")), QStringLiteral("2 decimals"));
        EXPECT_EQ(items.text(QStringLiteral("E01")), QStringLiteral("3.6"));
        EXPECT_EQ(items.text(QStringLiteral("E02")), QStringLiteral("21.75"));
        EXPECT_EQ(items.text(QStringLiteral("E04")), QStringLiteral("1000"));
        EXPECT_FALSE(window.form.Funkce->isHidden()) << "47 is in the write list: the list stays";

        window.form.Tlumeni->setText(QStringLiteral("2.5"));
        items.setText(QStringLiteral("E01"), QStringLiteral("3.7"));
        window.session.state.changes.DetailedChanged = true;
        window.session.state.changes.TagChanged = false;
        dialogs.expect(Kind::Confirm, platform::texts().writeChangesToDevice, platform::Answer::Yes);
        dialogs.expect(Kind::Information, platform::texts().writtenIntoDevice);
        window.form.ZapisPrev->click();
        EXPECT_EQ(window.form.Tlumeni->text(), QStringLiteral("2.5"));
        EXPECT_EQ(items.text(QStringLiteral("E01")), QStringLiteral("3.7"));

        window.OdpojClick(driverlink::StopSender::StopButton);
        EXPECT_TRUE(window.FormCloseQuery()); // ends the driver
    }

    // A new driver on the same state file reports the written values.
    e2e::RawClient client;
    e2e::DriverProcess driver(program.dir.path());
    QFile::copy(program.dir.path() + QStringLiteral("/pelmora/simulated-devices.json"), driver.stateFile());
    ASSERT_TRUE(driver.start());
    ASSERT_TRUE(client.connectTo(driver.socketPath()));
    ASSERT_TRUE(client.ask(platform::channel::encode("CONNECT", "Pelmora DdeHartServer")));
    const QStringList output = client.transact(e2e::macro(15, 0));
    ASSERT_GE(output.size(), 10);
    EXPECT_EQ(output[9], QStringLiteral("2.5"));
    const QStringList alarms = client.transact(e2e::macro(255, 0, {QStringLiteral("R130FF")}));
    ASSERT_GE(alarms.size(), 6);
    EXPECT_EQ(alarms[0], QStringLiteral("130"));
    EXPECT_EQ(alarms[4], QStringLiteral("3.7"));
}

} // namespace
