#pragma once
// The sequencer with a fake main window and an in-process driver, on the virtual clock.
#include "FakeChannel.h"
#include "FakeDriver.h"
#include "FakeHost.h"
#include "ScriptedDialogs.h"
#include "link/DriverLink.h"
#include "link/Sequencer.h"
#include "ui/Random.h"
#include "ui/VirtualClock.h"

#include <gtest/gtest.h>

class SequencerFixture {
protected:
    SequencerFixture()
    {
        ui::seedRandom(7);
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
    void answerAsPressureTransmitter()
    {
        using testing_support::identityLines;
        driver.replies[0] = identityLines(QStringLiteral("Ostrevo"), QStringLiteral("PR210"), QStringLiteral("3"), 0,
                                          QStringLiteral("662316"));
        driver.replies[12] = QStringList{QStringLiteral("SIMULATED")};
        driver.replies[13] = QStringList{QStringLiteral("PT-101"), QStringLiteral("PUMP"), QStringLiteral("8.12.2026")};
        driver.replies[14] = QStringList{QStringLiteral("662316"), QStringLiteral("kPa"), QStringLiteral("1600"),
                                         QStringLiteral("-100"), QStringLiteral("10")};
        driver.replies[15] =
            QStringList{QStringLiteral("High"), QStringLiteral("Linear"), QStringLiteral("kPa"), QStringLiteral("1000"),
                        QStringLiteral("0"),    QStringLiteral("0.5"),    QStringLiteral("No"),  QStringLiteral("250"),
                        QStringLiteral("Ostrevo")};
        driver.replies[16] = QStringList{QStringLiteral("410021")};
        driver.replies[2] = QStringList{QStringLiteral("12.1"), QStringLiteral("50.6")};
        driver.replies[3] = QStringList{QStringLiteral("12.1"), QStringLiteral("kPa"), QStringLiteral("506.2"),
                                        QString::fromUtf8("\xc2\xb0" "C"), QStringLiteral("24.5")};
    }

    ui::VirtualClock clock;
    testing_support::ScriptedDialogs dialogs;
    testing_support::FakeChannel channel;
    testing_support::FakeDriver driver{channel};
    FakeHost host;
    driverlink::DriverLink link{channel};
    driverlink::Sequencer sequencer{link, host};
};
