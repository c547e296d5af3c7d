// The main window reads the simulated pressure transmitter through the real pelmora.
#include "ProgramUnderTest.h"
#include "app/TForm1.h"
#include "platform/EventLoop.h"
#include "platform/SocketChannel.h"
#include "platform/Timer.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(MainWindowToDriver, ReadShowsTheSimulatedTransmitterAndItsLiveValues)
{
    e2e::ProgramUnderTest program;

    platform::SocketChannel channel;
    TForm1 window(channel);
    window.FormCreate();
    window.createForms();
    ASSERT_TRUE(window.link.LinkOpen()) << "pelmora was not started";

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

    ASSERT_TRUE(e2e::waitAtMost(20000, [&] { return window.form.PV->text().endsWith(QStringLiteral(" kPa")); }));
    const QString first = window.form.PV->text();
    EXPECT_TRUE(e2e::waitAtMost(20000, [&] { return window.form.PV->text() != first; })) << "the value did not move";
    EXPECT_TRUE(window.form.PVI->text().endsWith(QStringLiteral(" mA")));

    window.OdpojClick(driverlink::StopSender::StopButton);
    EXPECT_TRUE(window.FormCloseQuery());
    EXPECT_FALSE(window.link.LinkOpen()) << "the driver was not told to end";
}

} // namespace
