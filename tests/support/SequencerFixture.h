#pragma once
// The sequencer with a fake main window and an in-process driver, on the virtual clock.
#include "FakeChannel.h"
#include "FakeDriver.h"
#include "FakeHost.h"
#include "ScriptedDialogs.h"
#include "config/DeviceState.h"
#include "config/SequencerView.h"
#include "link/DriverLink.h"
#include "link/Sequencer.h"
#include "platform/Random.h"
#include "platform/VirtualClock.h"

#include <gtest/gtest.h>

namespace driverlink {
// Sets the sequencer up for a single step or a single reply.
struct SequencerProbe {
    static void at(Sequencer& s, quint16 state, const QString& stepData = {}, quint8 deviceFlags = 0)
    {
        s.SequencerState = state;
        s.StepData = stepData;
        s.DeviceFlags = deviceFlags;
    }
    // As just after a send: the reply to command is awaited in state.
    static void sent(Sequencer& s, quint16 state, quint8 command, bool exchangeRunning = false)
    {
        s.SequencerState = state;
        s.CommandCode = command;
        s.ReplyTaken = false;
        s.ExchangeRunning = exchangeRunning;
    }
    static void setWaitShown(Sequencer& s, bool shown) { s.WaitShown = shown; }
    static void setDeviceFlags(Sequencer& s, quint8 flags) { s.DeviceFlags = flags; }
    static quint8 commandCode(const Sequencer& s) { return s.CommandCode; }
    static bool driverBusy(const Sequencer& s) { return s.DriverBusy; }
};
} // namespace driverlink

class SequencerFixture {
protected:
    SequencerFixture()
    {
        platform::seedRandom(7);
        link.onReply = [this](const QStringList& lines) { sequencer.DdeClientItem1Change(lines); };
        screen.messageRead = [this] { ++ddfChecks; };
        EXPECT_TRUE(link.DoNewLink());
    }

    void startRead() { sequencer.connect(driverlink::Procedure::Read); }
    // Runs until the condition holds; fails the test after a minute of virtual time.
    void runUntil(const std::function<bool()>& done)
    {
        ASSERT_TRUE(clock.runUntil(done, 60000)) << "the sequencer did not get there";
    }
    void answerAsPressureTransmitter() { testing_support::answerAsPressureTransmitter(driver); }
    void at(quint16 state, const QString& stepData = {}, quint8 deviceFlags = 0)
    {
        driverlink::SequencerProbe::at(sequencer, state, stepData, deviceFlags);
    }

    platform::VirtualClock clock;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FakeChannel channel;
    testing_support::FakeDriver driver{channel};
    config::DeviceState state;
    config::ChangeFlags& changes = state.changes;
    config::SequencerView screen{state};
    FakeHost host{state, screen};
    FakeTemplates templates;
    driverlink::DriverLink link{channel};
    driverlink::Sequencer sequencer{link, host, screen, templates};
    int ddfChecks = 0; // definition look-ups after the message reply
};
