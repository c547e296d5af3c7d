// The procedure tables hold together: every procedure starts at a step of its own number, no state has
// two steps, every state a step leads to has a step, every procedure comes back to the on-line loop (the
// scan of the loop, which has no device to go on with, to rest), and a tick that sends nothing always comes
// to a step that sends or to rest.
#include "link/ProcedureSteps.h"

#include <QList>
#include <QSet>
#include <gtest/gtest.h>
#include <vector>

using driverlink::FollowingState;
using driverlink::Procedure;
using driverlink::Source;
using driverlink::Step;
using driverlink::stepAt;
using driverlink::When;

namespace {

bool maySendNothing(const Step& step)
{
    return step.source == Source::None || step.fromTemplates() || step.when != When::Always;
}

// Where the sequencer stands after the step of state: one on from where a sent command's reply is
// awaited, and at once at the step's next when it sends nothing.
QList<quint16> successors(quint16 state)
{
    const Step& step = *stepAt(state);
    QList<quint16> out;
    if (step.source != Source::None) out.append(quint16((step.awaitIn ? step.awaitIn : state) + 1));
    if (maySendNothing(step)) out.append(step.next == FollowingState ? quint16(state + 1) : step.next);
    return out;
}

QList<quint16> allStates()
{
    QList<quint16> states;
    for (const auto& table : driverlink::procedureTables())
        for (const Step& step : table.steps)
            for (int s = step.state; s <= step.lastState(); ++s)
                states.append(quint16(s));
    return states;
}

TEST(ProcedureSteps, EveryProcedureStartsAtAStepOfItsNumber)
{
    using enum Procedure;
    // The procedures callers start, by their first state.
    // clang-format off
    const std::vector<Procedure> started{
        Online, Read, Reidentify, Write, LowerRangeValue, UpperRangeValue, SensorZero, InitializeByTag,
        InitializeByAddress, ChangeAddress, DeviceTest, DeviceReset, ClearConfigurationChanged, FixedOutput,
        TrimFixOutput, TrimLowerOutput, TrimUpperOutput, BurstFunction, BurstModeOn, BurstModeOff,
        FinalAssemblyNumber, Method, ScanLoop};
    // clang-format on
    QSet<quint16> tables;
    for (const auto& table : driverlink::procedureTables()) {
        ASSERT_FALSE(table.steps.empty()) << int(table.first);
        EXPECT_EQ(table.steps.front().state, quint16(table.first));
        tables.insert(quint16(table.first));
    }
    for (Procedure procedure : started) {
        const Step* step = stepAt(quint16(procedure));
        ASSERT_NE(step, nullptr) << int(procedure);
        EXPECT_EQ(step->state, quint16(procedure)) << "starts inside another step's range";
        EXPECT_TRUE(tables.contains(quint16(procedure))) << int(procedure) << " has no table of its own";
    }
    EXPECT_EQ(tables.size(), qsizetype(started.size()));
}

TEST(ProcedureSteps, NoTwoStepsShareAState)
{
    QSet<quint16> seen;
    for (quint16 state : allStates()) {
        EXPECT_FALSE(seen.contains(state)) << state << " has two steps";
        seen.insert(state);
    }
    for (const auto& table : driverlink::procedureTables())
        for (const Step& step : table.steps)
            EXPECT_GE(step.lastState(), step.state);
}

TEST(ProcedureSteps, EveryStateAStepLeadsToHasAStep)
{
    for (quint16 state : allStates())
        for (quint16 next : successors(state))
            EXPECT_TRUE(next == driverlink::states::Idle || stepAt(next)) << state << " leads to " << next;
}

TEST(ProcedureSteps, EveryProcedureComesBackToTheOnlineLoop)
{
    for (const auto& table : driverlink::procedureTables()) {
        QSet<quint16> reached{quint16(table.first)};
        QList<quint16> open{quint16(table.first)};
        while (!open.isEmpty()) {
            const quint16 state = open.takeLast();
            if (!stepAt(state)) continue; // reported by the test above
            for (quint16 next : successors(state))
                if (!reached.contains(next)) {
                    reached.insert(next);
                    open.append(next);
                }
        }
        const quint16 end = table.first == Procedure::ScanLoop ? driverlink::states::Idle : driverlink::states::Online;
        EXPECT_TRUE(reached.contains(end)) << int(table.first) << " never ends";
        EXPECT_EQ(reached.contains(driverlink::states::Idle), table.first == Procedure::ScanLoop)
            << int(table.first) << " rests";
    }
}

TEST(ProcedureSteps, ATickThatSendsNothingComesToAStepThatSends)
{
    for (quint16 start : allStates()) {
        QSet<quint16> passed;
        quint16 state = start;
        while (stepAt(state) && maySendNothing(*stepAt(state))) {
            ASSERT_FALSE(passed.contains(state)) << "a tick from " << start << " goes round through " << state;
            passed.insert(state);
            state = successors(state).last();
        }
    }
}

} // namespace
