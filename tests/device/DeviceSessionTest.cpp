// The device session on its own, without any window: a read of the simulated pressure transmitter
// fills the state, the detailed items included, and the session says what happened by its signals.
#include "device/DeviceSession.h"
#include "FakeChannel.h"
#include "FakeDriver.h"
#include "PressureSession.h"
#include "ProgramFolder.h"
#include "ScriptedDialogs.h"
#include "SequencerFixture.h"
#include "platform/Texts.h"
#include "platform/VirtualClock.h"

#include <QFile>
#include <gtest/gtest.h>

using config::Control;
using driverlink::Ending;

namespace {

TEST(DeviceSession, ReadsADeviceWithoutAWindowAndSaysWhatHappened)
{
    PressureSession p;
    device::DeviceSession& session = p.session;
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
    ASSERT_TRUE(p.clock.runUntil([&] { return events.count(QStringLiteral("values")) >= 2; }, 60000));
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

// What a device's universal revision decides: from revision 6 on the identity names an expanded device type
// and the long tag is read after the read list and written with its own change flag; a device of revision 5
// shows no long tag and is never sent command 20 or 22. Its definition file is the one named with the
// expanded device type when that exists.
TEST(DeviceSession, TheUniversalRevisionDecidesTheLongTagAndTheDefinitionFilesName)
{
    for (const int revision : {5, 6, 7}) {
        SCOPED_TRACE(revision);
        const bool longTag = revision >= 6;
        ProgramFolder folder{"TABEN.DDF", "Ostrevo-PR210-3-EN.DDF"};
        QFile::copy(folder.path() + QStringLiteral("Ostrevo-PR210-3-EN.DDF"),
                    folder.path() + QStringLiteral("Ostrevo-0x6ED2-3-EN.DDF"));
        platform::VirtualClock clock;
        testing_support::ScriptedDialogs dialogs;
        testing_support::FakeChannel channel;
        testing_support::FakeDriver driver{channel};
        testing_support::answerAsPressureTransmitter(driver);
        QStringList& identity = driver.replies[0];
        identity[3] = QString::number(revision);
        if (longTag)
            identity << QStringLiteral("5") << QStringLiteral("2") << QStringLiteral("0") << QStringLiteral("0")
                     << QStringLiteral("0x6ED2");
        driver.replies[20] = QStringList{QStringLiteral("PT-101 pump discharge, line 1")};
        driver.replies[22] = QStringList{QStringLiteral("PT-101 line 2")};
        device::DeviceSession session(channel);
        session.open("en", {});
        session.read();
        ASSERT_TRUE(clock.runUntil([&] { return session.sequencer.state() == driverlink::states::Online; }, 60000));

        EXPECT_EQ(driver.commands().contains(20), longTag);
        EXPECT_EQ(session.state.has(Control::DlouheOznaceni), longTag);
        EXPECT_EQ(session.state.has(Control::RozsirenyTyp), longTag);
        EXPECT_EQ(session.state.text(Control::DlouheOznaceni),
                  longTag ? QStringLiteral("PT-101 pump discharge, line 1") : QString());
        EXPECT_EQ(session.state.text(Control::VerzeHart), QString::number(revision));
        EXPECT_EQ(session.state.text(Control::RozsirenyTyp), longTag ? QStringLiteral("0x6ED2") : QString());
        EXPECT_TRUE(session.definitionFile(session.language)
                        .endsWith(longTag ? QStringLiteral("Ostrevo-0x6ED2-3-EN.DDF")
                                          : QStringLiteral("Ostrevo-PR210-3-EN.DDF")));

        // The definition's write list has no 22: the long tag is written through the table file's list.
        QFile::remove(folder.path() + QStringLiteral("Ostrevo-PR210-3-EN.DDF"));
        QFile::remove(folder.path() + QStringLiteral("Ostrevo-0x6ED2-3-EN.DDF"));
        driver.sent.clear();
        session.state.edit(Control::DlouheOznaceni, QStringLiteral("PT-101 line 2"));
        EXPECT_EQ(session.sequencer.run(driverlink::Procedure::Write), Ending::Online);
        EXPECT_EQ(driver.commands().contains(22), longTag);
        for (const auto& sent : driver.sent) {
            if (sent.command == 22) {
                EXPECT_EQ(sent.data, QStringList{QStringLiteral("PT-101 line 2")});
            }
        }
        EXPECT_EQ(driver.commands().contains(20), longTag) << "the read-back";
        EXPECT_FALSE(driver.commands().contains(18)) << "a long tag is no tag";
    }
}

// The self-test result is judged by the definition file of the device read: once the state is cleared for
// another device, the last file's masks judge nothing.
TEST(DeviceSession, ClearingForgetsTheLastDefinitionFilesSelfTestMasks)
{
    PressureSession p;
    device::DeviceSession& session = p.session;
    bool ended = false;
    QObject::connect(&session, &device::DeviceSession::procedureEnded, [&] { ended = true; });
    session.open("en", {});
    session.read();
    ASSERT_TRUE(p.clock.runUntil([&] { return ended; }, 60000));
    ASSERT_EQ(session.definition().selfTestMasks[0], 1) << "the file's TST1";
    session.sequencer.stop(driverlink::StopSender::StopButton);

    session.clear(session.language);
    driverlink::SequencerProbe::sent(session.sequencer, 100, 48);
    QStringList status{QStringLiteral("48"), QStringLiteral("0"), {}, {}, QStringLiteral("1")};
    while (status.size() < 16)
        status.append(QStringLiteral("0"));
    session.sequencer.DdeClientItem1Change(status);
    EXPECT_EQ(session.state.errors(), QStringList{platform::texts().testOk});
}

} // namespace
