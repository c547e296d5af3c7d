// The device session on its own, without any window: a read of the simulated pressure transmitter
// fills the state, the detailed items included, and the session says what happened by its signals.
#include "device/DeviceSession.h"
#include "FakeChannel.h"
#include "FakeDriver.h"
#include "ProgramFolder.h"
#include "ScriptedDialogs.h"
#include "platform/VirtualClock.h"

#include <gtest/gtest.h>

using config::Control;
using driverlink::Ending;

namespace {

TEST(DeviceSession, ReadsADeviceWithoutAWindowAndSaysWhatHappened)
{
    ProgramFolder folder{"TABEN.DDF", "Ostrevo-PR210-3-EN.DDF"};
    platform::VirtualClock clock;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FakeChannel channel;
    testing_support::FakeDriver driver{channel};
    testing_support::answerAsPressureTransmitter(driver);
    device::DeviceSession session(channel);
    QStringList events;
    using S = device::DeviceSession;
    QObject::connect(&session, &S::cleared, [&] { events.append(QStringLiteral("cleared")); });
    QObject::connect(&session, &S::identityRead, [&] { events.append(QStringLiteral("identity")); });
    QObject::connect(&session, &S::definitionLoaded, [&] { events.append(QStringLiteral("definition")); });
    QObject::connect(&session, &S::configurationRead, [&] { events.append(QStringLiteral("configuration")); });
    QObject::connect(&session, &S::valuesRead, [&] { events.append(QStringLiteral("values")); });
    QObject::connect(&session, &S::procedureEnded,
                     [&](Ending ending) { events.append(QStringLiteral("ended %1").arg(int(ending))); });

    session.open("en", {});
    session.read();
    ASSERT_TRUE(clock.runUntil([&] { return events.count(QStringLiteral("values")) >= 2; }, 60000));
    events.removeAll(QStringLiteral("values"));
    EXPECT_EQ(events,
              (QStringList{QStringLiteral("cleared"), QStringLiteral("identity"), QStringLiteral("definition"),
                           QStringLiteral("configuration"), QStringLiteral("ended %1").arg(int(Ending::Online))}));
    EXPECT_EQ(session.state.text(Control::Vyrobce), QStringLiteral("Ostrevo"));
    EXPECT_EQ(session.state.text(Control::Oznaceni), QStringLiteral("PT-101"));
    EXPECT_EQ(session.state.text(Control::Jednotky), QStringLiteral("kPa"));
    EXPECT_EQ(session.state.text(Control::PVI), QStringLiteral("12.1 mA"));
    EXPECT_EQ(session.state.items.text(QStringLiteral("E01")), QStringLiteral("3.6"));
    EXPECT_EQ(session.InitialConfig.text(config::Field::UniqueId), QStringLiteral("662316"));

    events.clear();
    session.sequencer.stop(driverlink::StopSender::StopButton);
    EXPECT_EQ(events, QStringList{QStringLiteral("ended %1").arg(int(Ending::Stopped))});
}

} // namespace
