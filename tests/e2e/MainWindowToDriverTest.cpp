// The main window reads and changes the simulated transmitters through the real pelmora.
#include "ProgramUnderTest.h"
#include "app/TForm1.h"
#include "platform/EventLoop.h"
#include "platform/SocketChannel.h"
#include "platform/Texts.h"
#include "platform/Timer.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

using Kind = testing_support::ScriptedDialogs::Kind;

namespace {

TEST(MainWindowToDriver, ReadShowsTheSimulatedTransmitterAndItsLiveValues)
{
    e2e::ProgramUnderTest program;

    platform::SocketChannel channel;
    device::DeviceSession session(channel);
    TForm1 window(session);
    window.FormCreate();
    window.createForms();
    ASSERT_TRUE(window.session.link.LinkOpen()) << "pelmora was not started";

    window.PripojClick();
    ASSERT_TRUE(e2e::waitAtMost(60000, [&] { return !window.form.Pripoj->isEnabled(); })) << "the read did not end";
    EXPECT_EQ(window.form.Vyrobce->text(), QStringLiteral("Ostrevo"));
    EXPECT_EQ(window.form.Typ->text(), QStringLiteral("PR210"));
    EXPECT_EQ(window.form.Oznaceni->text(), QStringLiteral("PT-101"));
    EXPECT_EQ(window.form.Jednotky->currentText(), QStringLiteral("kPa"));
    EXPECT_EQ(window.form.Funkce->currentText(), QStringLiteral("Linear"));
    EXPECT_EQ(window.form.Konec->text(), QStringLiteral("1000"));
    EXPECT_EQ(window.form.Tlumeni->text(), QStringLiteral("0.5"));
    EXPECT_EQ(window.form.HorniMez->text(), QStringLiteral("1600 kPa"));
    EXPECT_EQ(window.form.VerzeHart->text(), QStringLiteral("5"));
    EXPECT_TRUE(window.form.DlouheOznaceni->isHidden()) << "a revision 5 device has no long tag";
    EXPECT_TRUE(window.form.DlouheOznaceniInfo->isHidden());

    ASSERT_TRUE(e2e::waitAtMost(20000, [&] { return window.form.PV->text().endsWith(QStringLiteral(" kPa")); }));
    const QString first = window.form.PV->text();
    EXPECT_TRUE(e2e::waitAtMost(20000, [&] { return window.form.PV->text() != first; })) << "the value did not move";
    EXPECT_TRUE(window.form.PVI->text().endsWith(QStringLiteral(" mA")));

    window.OdpojClick(driverlink::StopSender::StopButton);
    EXPECT_TRUE(window.FormCloseQuery());
    EXPECT_FALSE(window.session.link.LinkOpen()) << "the driver was not told to end";
}

TEST(MainWindowToDriver, AScanOfTheLoopFindsTheSimulatedTransmittersAtTheirAddresses)
{
    e2e::ProgramUnderTest program;
    platform::SocketChannel channel;
    device::DeviceSession session(channel);
    session.open("en", {});
    ASSERT_TRUE(session.link.LinkOpen()) << "pelmora was not started";
    std::optional<driverlink::Ending> ended;
    QObject::connect(&session, &device::DeviceSession::loopScanEnded, [&](driverlink::Ending e) { ended = e; });
    ASSERT_TRUE(session.scanLoop(15));
    ASSERT_TRUE(e2e::waitAtMost(60000, [&] { return ended.has_value(); })) << "the scan did not end";
    EXPECT_EQ(*ended, driverlink::Ending::Online);
    EXPECT_EQ(session.loop.asked(), 16);
    QMap<int, QString> found; // any further simulated device may answer as well
    for (const device::LoopDevice& d : session.loop.devices())
        found.insert(d.address, d.deviceType + u' ' + d.tag);
    EXPECT_EQ(found.value(0), QStringLiteral("PR210 PT-101"));
    EXPECT_EQ(found.value(1).section(u' ', 0, 0), QStringLiteral("TM120"));
    EXPECT_TRUE(session.loop.sameDeviceAddresses().isEmpty());
    EXPECT_TRUE(session.link.terminate());
}

TEST(MainWindowToDriver, TheTemperatureTransmitterKeepsItsNewAssemblyNumberOverAReset)
{
    // It forgets at a reset what was not burned into its EEPROM (its flags ask for command 39).
    e2e::ProgramUnderTest program;
    auto& dialogs = program.dialogs;
    platform::SocketChannel channel;
    device::DeviceSession session(channel);
    TForm1 window(session);
    window.FormCreate();
    window.createForms();
    ASSERT_TRUE(window.session.link.LinkOpen()) << "pelmora was not started";
    const auto readEnded = [&] { return !window.form.Pripoj->isEnabled() && window.session.sequencer.state() <= 102; };

    dialogs.expect(Kind::Input, platform::texts().enterAddress, platform::Answer::Ok, QStringLiteral("1"));
    window.service.Inicializacedotazovacadresou1Click();
    ASSERT_TRUE(e2e::waitAtMost(60000, readEnded)) << "the read did not end";
    ASSERT_EQ(window.form.Typ->text(), QStringLiteral("TM120"));
    ASSERT_NE(window.form.VyrCislo->text(), QStringLiteral("654321"));

    dialogs.expect(Kind::Input, platform::texts().inputAssemblyNumber, platform::Answer::Ok, QStringLiteral("654321"));
    window.service.Writefinalassemblynumber1Click();
    ASSERT_TRUE(e2e::waitAtMost(60000, [&] { return window.form.VyrCislo->text() == QStringLiteral("654321"); }));
    ASSERT_TRUE(e2e::waitAtMost(60000, readEnded));
    window.service.ResetPristrojeClick();

    window.OdpojClick(driverlink::StopSender::StopButton);
    window.PripojClick();
    ASSERT_TRUE(e2e::waitAtMost(60000, readEnded)) << "the read did not end";
    EXPECT_EQ(window.form.VyrCislo->text(), QStringLiteral("654321"));
    window.OdpojClick(driverlink::StopSender::StopButton);
    EXPECT_TRUE(window.FormCloseQuery());
}

// A HART 7 device: its expanded device type and revision on Device Info, its values in its own unit, and a
// long tag that is changed, written and read back, also after the driver has started again.
TEST(MainWindowToDriver, TheHart7FlowTransmitterShowsItsIdentityAndKeepsANewLongTag)
{
    e2e::ProgramUnderTest program;
    auto& dialogs = program.dialogs;
    const QString written = QString::fromUtf8("FT-301 Kesselspeisung Stra\u00dfe 4");
    for (const bool change : {true, false}) {
        platform::SocketChannel channel;
        device::DeviceSession session(channel);
        TForm1 window(session);
        window.FormCreate();
        window.createForms();
        ASSERT_TRUE(window.session.link.LinkOpen()) << "pelmora was not started";
        const auto readEnded = [&] {
            return !window.form.Pripoj->isEnabled() && window.session.sequencer.state() <= 102;
        };
        dialogs.expect(Kind::Input, platform::texts().enterAddress, platform::Answer::Ok, QStringLiteral("2"));
        window.service.Inicializacedotazovacadresou1Click();
        ASSERT_TRUE(e2e::waitAtMost(60000, readEnded)) << "the read did not end";
        EXPECT_EQ(window.form.RozsirenyTyp->text(), QStringLiteral("0x11A8"));
        EXPECT_EQ(window.form.VerzeHart->text(), QStringLiteral("7"));
        EXPECT_EQ(window.form.Jednotky->currentText(), QStringLiteral("kg/h"));
        EXPECT_EQ(window.form.HorniMez->text(), QStringLiteral("24000 kg/h"));
        EXPECT_FALSE(window.form.DlouheOznaceni->isHidden());
        EXPECT_FALSE(window.form.DlouheOznaceniInfo->isHidden());
        if (change) {
            EXPECT_EQ(window.form.DlouheOznaceniInfo->text(), QStringLiteral("FT-301 boiler feed water, line 3"));
            window.form.DlouheOznaceni->setText(written);
            dialogs.expect(Kind::Confirm, platform::texts().writeChangesToDevice, platform::Answer::Yes);
            dialogs.expect(Kind::Information, platform::texts().writtenIntoDevice);
            window.writing.ZapisPrevClick();
            ASSERT_TRUE(e2e::waitAtMost(60000, readEnded)) << "the read-back did not end";
        }
        EXPECT_EQ(window.form.DlouheOznaceniInfo->text(), written);
        EXPECT_EQ(window.form.DlouheOznaceni->text(), written);
        EXPECT_TRUE(window.session.state.errors().isEmpty()) << window.session.state.errors().join(u'\n').toStdString();
        window.OdpojClick(driverlink::StopSender::StopButton);
        EXPECT_TRUE(window.FormCloseQuery()); // ends the driver: the second round starts another
    }
}

} // namespace
