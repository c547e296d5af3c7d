#pragma once
// The sequencer with a fake main window and an in-process driver, on the virtual clock.
#include "FakeChannel.h"
#include "FakeDriver.h"
#include "FakeHost.h"
#include "ScriptedDialogs.h"
#include "link/DriverLink.h"
#include "link/Sequencer.h"
#include "platform/Random.h"
#include "platform/VirtualClock.h"

#include <gtest/gtest.h>

class SequencerFixture {
protected:
    SequencerFixture()
    {
        platform::seedRandom(7);
        link.onReply = [this](const QStringList& lines) { sequencer.DdeClientItem1Change(lines); };
        EXPECT_TRUE(link.DoNewLink());
        host.onStop = [this] {
            // What Stop! does to the sequencer.
            sequencer.Timer1.setEnabled(false);
            sequencer.TimeoutTimer.setEnabled(false);
            sequencer.SequencerState = driverlink::Sequencer::Idle;
            sequencer.ExchangeRunning = false;
        };
    }

    void startRead()
    {
        sequencer.ExchangeRunning = true;
        sequencer.start(200, true);
    }
    // Runs until the condition holds; fails the test after a minute of virtual time.
    void runUntil(const std::function<bool()>& done)
    {
        ASSERT_TRUE(clock.runUntil(done, 60000)) << "the sequencer did not get there";
    }
    void answerAsPressureTransmitter() { testing_support::answerAsPressureTransmitter(driver); }

    platform::VirtualClock clock;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FakeChannel channel;
    testing_support::FakeDriver driver{channel};
    FakeHost host;
    driverlink::DriverLink link{channel};
    driverlink::Sequencer sequencer{link, host};
};
