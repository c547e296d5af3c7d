// The trend follows the device session: each on-line reply becomes a sample of what it carried.
#include "trend/TrendRecorder.h"
#include "PressureSession.h"

#include <gtest/gtest.h>

using trend::Sample;
using trend::Variable;

namespace {

TEST(TrendRecorder, TakesWhatEachOnlineReplyCarriedInItsUnitWithTheFixedCurrentAndTheRuns)
{
    PressureSession p;
    platform::VirtualClock& clock = p.clock;
    testing_support::FakeDriver& driver = p.driver;
    device::DeviceSession& session = p.session;
    trend::TrendRecorder recorder(session);
    recorder.clock = [&] { return clock.nowMs(); };
    const trend::TrendStore& store = recorder.store;
    auto readOn = [&](qsizetype samples) {
        ASSERT_TRUE(clock.runUntil([&] { return store.size() >= samples; }, 60000));
    };

    session.open("en", {});
    session.read();
    readOn(6);
    driver.status = QStringLiteral("Loop current fixed. ");
    const qsizetype free = store.size();
    readOn(free + 6);
    session.sequencer.stop(driverlink::StopSender::StopButton);
    const qsizetype firstRun = store.size();
    session.read();
    readOn(firstRun + 4);
    // A current the program fixed counts as fixed while the device's status no longer says so.
    driver.status.clear();
    session.state.setFixedCurrent(QStringLiteral("12.000"));
    readOn(store.size() + 4);

    EXPECT_EQ(recorder.device(), QStringLiteral("Ostrevo, PR210, PT-101, 662316"));
    int withPv = 0, withPercent = 0;
    for (qsizetype i = 0; i < store.size(); ++i) {
        const Sample& sample = store.at(i);
        SCOPED_TRACE(i);
        // Command 2 carries the current and the percent, command 3 the current and the variables.
        EXPECT_TRUE(sample.has(Variable::PVI));
        EXPECT_NE(sample.has(Variable::PV), sample.has(Variable::PVP));
        EXPECT_EQ(sample.has(Variable::PV), sample.has(Variable::SV));
        withPv += sample.has(Variable::PV);
        withPercent += sample.has(Variable::PVP);
        EXPECT_EQ(sample.value(Variable::PVI), double(float(12.1)));
        EXPECT_EQ(store.unit(sample, Variable::PVI), QStringLiteral("mA"));
        if (sample.has(Variable::PV)) {
            EXPECT_EQ(sample.value(Variable::PV), double(float(506.2)));
            EXPECT_EQ(store.unit(sample, Variable::PV), QStringLiteral("kPa"));
            EXPECT_EQ(store.unit(sample, Variable::SV), QString::fromUtf8("\xc2\xb0"
                                                                          "C"));
        } else {
            EXPECT_EQ(store.unit(sample, Variable::PVP), QStringLiteral("%"));
        }
        // The status of the reply that gave the sample; the first sample of each read begins a run.
        // (The reply under way when the status changed may carry either.)
        if (i != free) {
            EXPECT_EQ(bool(sample.flags & Sample::FixedCurrent), i > free)
                << "after the status, then the program, said so";
        }
        EXPECT_EQ(bool(sample.flags & Sample::NewRun), i == 0 || i == firstRun);
    }
    EXPECT_GT(withPv, 2);
    EXPECT_GT(withPercent, 2);
}

} // namespace
