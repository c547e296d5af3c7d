// The steps of every procedure. The EEPROM control (command 39 with "0") follows every procedure that
// changes what the device keeps when the device's flags ask for it: such a device forgets at its next
// reset what was not burned. That is the range values set by the input, the zero, the output trims, the
// burst settings, the final assembly number and a write list that sent anything. The step after its
// reply ends the procedure as the step would have without it.
#include "link/ProcedureSteps.h"

#include "platform/Texts.h"

#include <array>

namespace driverlink {

namespace {

using platform::Texts;
constexpr quint16 Online = states::Online;
constexpr quint16 ReadAgain = quint16(Procedure::Read); // the configuration is read again
constexpr quint16 FixedCurrent = quint16(Procedure::FixedOutput);

// A step that sends its own command, with its data from source.
constexpr Step send(quint16 state, quint8 command, Wait wait = Wait::Keep, Source source = Source::Fixed,
                    const char* data = nullptr)
{
    return {.state = state, .wait = wait, .source = source, .command = command, .data = data};
}
// The EEPROM control when the device asks for it; else the procedure ends as hook and next say.
constexpr Step eepromControl(quint16 state, Hook otherwise, quint16 next, When when = When::EepromAsked)
{
    return {.state = state,
            .source = Source::Fixed,
            .command = 39,
            .data = "0",
            .when = when,
            .hook = otherwise,
            .next = next};
}
// A step that sends nothing: the sequencer goes on at next in the same tick.
constexpr Step goOn(quint16 state, Hook hook, quint16 next) { return {.state = state, .hook = hook, .next = next}; }

constexpr Step OnlineSteps[] = {
    {.state = 100, .status = &Texts::readingVariables, .source = Source::Fixed, .command = 2},
    send(101, 3),
    // Command 2 again, awaited as the loop's first step: the loop goes round without its status line.
    {.state = states::OnlineLast, .source = Source::Fixed, .command = 2, .awaitIn = Online},
};

// The identity, the read list, and the long tag of a device that has one: it is read after the list
// whatever the list holds, since no list of a device written for revision 5 names it. A read list
// without a single step reads nothing more.
constexpr Step ReadSteps[] = {
    {.state = 200,
     .wait = Wait::ReadGauge,
     .prepare = prepare::ClearPages | prepare::ShowErrorList,
     .status = &Texts::readingConfiguration,
     .source = Source::Fixed,
     .command = 0},
    {.state = 201, .source = Source::ReadList, .hook = Hook::ReadEnd, .next = Online},
    {.state = 202, .last = 248, .source = Source::ReadList, .next = states::ReadLongTag},
    goOn(states::ReadLast, Hook::None, states::ReadLongTag), // a definition has at most 48 read steps
    {.state = states::ReadLongTag,
     .source = Source::Fixed,
     .command = 20,
     .when = When::DeviceHasLongTag,
     .hook = Hook::ReadEnd,
     .next = Online},
    goOn(states::ReadLongTag + 1, Hook::ReadEnd, Online),
};

constexpr Step ReidentifySteps[] = {send(250, 0), goOn(251, Hook::None, Online)};

constexpr Step WriteSteps[] = {
    // A step whose group of values is unchanged is skipped in the same tick.
    {.state = 300,
     .wait = Wait::WriteGauge,
     .prepare = prepare::StartWriteList,
     .source = Source::WriteList,
     .next = FollowingState},
    {.state = 301, .last = 348, .source = Source::WriteList, .next = FollowingState},
    eepromControl(states::WriteEnd, Hook::WriteListEnd, ReadAgain, When::EepromAskedAfterWrite),
    goOn(states::WriteEnd + 1, Hook::WriteListEnd, ReadAgain),
};

constexpr Step LowerRangeValueSteps[] = {
    send(400, 37, Wait::NoGauge),
    eepromControl(401, Hook::EndWaitAfterWriting, ReadAgain),
    goOn(402, Hook::EndWaitAfterWriting, ReadAgain),
};
constexpr Step UpperRangeValueSteps[] = {
    send(410, 36, Wait::NoGauge),
    eepromControl(411, Hook::EndWaitAfterWriting, ReadAgain),
    goOn(412, Hook::EndWaitAfterWriting, ReadAgain),
};
constexpr Step SensorZeroSteps[] = {
    send(420, 43, Wait::NoGauge),
    eepromControl(421, Hook::EndWait, Online),
    goOn(422, Hook::EndWait, Online),
};

constexpr Step InitializeByTagSteps[] = {
    {.state = 430, .wait = Wait::ReadGauge, .prepare = prepare::ClearPages, .source = Source::TagSearch, .command = 11},
    goOn(431, Hook::None, 201), // the read goes on with its templates
};
constexpr Step InitializeByAddressSteps[] = {
    send(440, 0, Wait::ReadGauge, Source::StepData),
    goOn(441, Hook::None, ReadAgain),
};
constexpr Step ChangeAddressSteps[] = {
    send(450, 6, Wait::NoGauge, Source::StepData),
    goOn(451, Hook::AdoptAddress, Online),
};

constexpr Step DeviceTestSteps[] = {send(500, 41, Wait::NoGauge), send(501, 48), goOn(502, Hook::EndWait, Online)};
constexpr Step DeviceResetSteps[] = {send(510, 42, Wait::NoGauge), goOn(511, Hook::EndWait, Online)};
constexpr Step ClearConfigurationChangedSteps[] = {send(515, 38, Wait::NoGauge), goOn(516, Hook::EndWait, Online)};

constexpr Step FixedOutputSteps[] = {
    send(520, 40, Wait::NoGauge, Source::StepData),
    goOn(521, Hook::EndWait, Online),
};
// Fixes the output for a trim without a wait dialog of its own.
constexpr Step TrimFixOutputSteps[] = {send(530, 40, Wait::Keep, Source::StepData), goOn(531, Hook::None, Online)};
// A trim ends by leaving fixed current mode.
constexpr Step TrimLowerOutputSteps[] = {
    send(540, 45, Wait::NoGauge, Source::StepData),
    eepromControl(541, Hook::ReleaseFixedCurrent, FixedCurrent),
    goOn(542, Hook::ReleaseFixedCurrent, FixedCurrent),
};
constexpr Step TrimUpperOutputSteps[] = {
    send(550, 46, Wait::NoGauge, Source::StepData),
    eepromControl(551, Hook::ReleaseFixedCurrent, FixedCurrent),
    goOn(552, Hook::ReleaseFixedCurrent, FixedCurrent),
};

constexpr Step BurstFunctionSteps[] = {
    send(560, 108, Wait::NoGauge, Source::StepData),
    eepromControl(561, Hook::EndWait, Online),
    goOn(562, Hook::EndWait, Online),
};
constexpr Step BurstModeOnSteps[] = {
    send(570, 109, Wait::NoGauge, Source::Fixed, "1"),
    eepromControl(571, Hook::EndWait, Online),
    goOn(572, Hook::EndWait, Online),
};
constexpr Step BurstModeOffSteps[] = {
    send(580, 109, Wait::NoGauge, Source::Fixed, "0"),
    eepromControl(581, Hook::EndWait, Online),
    goOn(582, Hook::EndWait, Online),
};

constexpr Step FinalAssemblyNumberSteps[] = {
    send(590, 19, Wait::NoGauge, Source::StepData),
    eepromControl(591, Hook::EndWait, ReadAgain),
    goOn(592, Hook::EndWait, ReadAgain),
};

constexpr Step MethodSteps[] = {
    {.state = 600, .wait = Wait::NoGauge, .source = Source::MethodList, .hook = Hook::MethodEnd, .next = Online},
    {.state = 601, .last = 609, .source = Source::MethodList, .hook = Hook::MethodEnd, .next = Online},
    goOn(states::MethodLast + 1, Hook::MethodEnd, Online), // a method has at most ten steps
};

// The scan of the loop: for each polling address the identity (command 0 with the scan request), then,
// from a device that answered, its tag and, from revision 6 on, its long tag. The step of the first address
// past the last one asked ends the scan as its own last step does.
constexpr auto ScanSteps = [] {
    using namespace states;
    std::array<Step, ScanStepsPerAddress * ScanAddresses + 1> steps{};
    for (int address = 0; address < ScanAddresses; ++address) {
        const int first = ScanStepsPerAddress * address;
        const auto state = quint16(ScanBase + first);
        steps[first] = {.state = state,
                        .status = address == 0 ? &Texts::scanningLoop : nullptr,
                        .source = Source::ScanAddress,
                        .command = 0,
                        .when = When::ScanRange,
                        .hook = Hook::ScanEnd,
                        .next = Idle};
        steps[first + 1] = {.state = quint16(state + 1),
                            .source = Source::ScanAddress,
                            .command = 13,
                            .when = When::ScanAnswered,
                            .next = FollowingState};
        steps[first + 2] = {.state = quint16(state + 2),
                            .source = Source::ScanAddress,
                            .command = 20,
                            .when = When::ScanLongTag,
                            .next = FollowingState};
    }
    steps.back() = goOn(ScanEnd, Hook::ScanEnd, Idle);
    return steps;
}();

constexpr ProcedureTable Tables[] = {
    {Procedure::Online, OnlineSteps},
    {Procedure::Read, ReadSteps},
    {Procedure::Reidentify, ReidentifySteps},
    {Procedure::Write, WriteSteps},
    {Procedure::LowerRangeValue, LowerRangeValueSteps},
    {Procedure::UpperRangeValue, UpperRangeValueSteps},
    {Procedure::SensorZero, SensorZeroSteps},
    {Procedure::InitializeByTag, InitializeByTagSteps},
    {Procedure::InitializeByAddress, InitializeByAddressSteps},
    {Procedure::ChangeAddress, ChangeAddressSteps},
    {Procedure::DeviceTest, DeviceTestSteps},
    {Procedure::DeviceReset, DeviceResetSteps},
    {Procedure::ClearConfigurationChanged, ClearConfigurationChangedSteps},
    {Procedure::FixedOutput, FixedOutputSteps},
    {Procedure::TrimFixOutput, TrimFixOutputSteps},
    {Procedure::TrimLowerOutput, TrimLowerOutputSteps},
    {Procedure::TrimUpperOutput, TrimUpperOutputSteps},
    {Procedure::BurstFunction, BurstFunctionSteps},
    {Procedure::BurstModeOn, BurstModeOnSteps},
    {Procedure::BurstModeOff, BurstModeOffSteps},
    {Procedure::FinalAssemblyNumber, FinalAssemblyNumberSteps},
    {Procedure::Method, MethodSteps},
    {Procedure::ScanLoop, ScanSteps},
};

} // namespace

std::span<const ProcedureTable> procedureTables() { return Tables; }

bool inOnlineLoop(quint16 state)
{
    for (const Step& step : OnlineSteps)
        if (step.covers(state)) return true;
    return false;
}

const Step* stepAt(quint16 state)
{
    for (const ProcedureTable& table : Tables)
        for (const Step& step : table.steps)
            if (step.covers(state)) return &step;
    return nullptr;
}

} // namespace driverlink
