#pragma once
// The procedures as tables of steps. A step is one state number (or, for the template lists, a range
// of them): what it prepares, which command it sends with which data, and what it does when it sends
// nothing, before the sequencer goes on at its next state in the same tick. A step that sends waits in
// its state for the reply, which moves the sequencer one state on. The sequencer interprets the step of
// its current state (StepInterpreter.cpp); the numbers are those the diagnostics and callers know.
#include "link/Procedures.h"

#include <QString>
#include <span>

namespace platform {
struct Texts;
}

namespace driverlink {

// Where a step's command and its data come from.
enum class Source : quint8 {
    None,        // the step sends nothing
    Fixed,       // its command, with its fixed data line when it has one
    StepData,    // its command, with the procedure's step data as the data line
    TagSearch,   // its command to the tag address instead of the polling address, the step data (the tag) as data
    ReadList,    // the template step (state - 200) of the READ list
    WriteList,   // the template step (state - 299) of the WRITE list, with the screen's data for its group
    MethodList,  // the template step (state - 599) of the method's section
    ScanAddress, // its command to the address the scan has come to instead of the polling address; a
                 // command 0 with the scan request
};

// When a step of its own command sends it; otherwise it acts as a step that sends nothing.
enum class When : quint8 {
    Always,
    // The device's flags ask for the EEPROM control after a change.
    EepromAsked,
    // As EepromAsked, after a write list that sent a command: nothing written is nothing to keep.
    EepromAskedAfterWrite,
    // The identity says universal revision 6 or later: the device has a long tag.
    DeviceHasLongTag,
    ScanRange,    // the scan has not passed the last address it asks (the step data)
    ScanAnswered, // a device answered the scan's command 0 at this address
    ScanLongTag,  // it answered, with universal revision 6 or later: it has a long tag
};

// What a step that sends nothing does before the sequencer goes on at the step's next state.
enum class Hook : quint8 {
    None,
    EndWait,             // the wait dialog closes
    EndWaitAfterWriting, // the result goes into the wait dialog, which stays open for the read-back
    WriteListEnd,        // the write list is done: its record kept, the result into the wait dialog
    AdoptAddress,        // the device answers at the new address unless it refused it; the wait dialog closes
    ReleaseFixedCurrent, // the step data becomes "0", so that the next step leaves fixed current mode
    ReadEnd,             // the read is over: the initial configuration, then the end of the sequence
    MethodEnd,           // the method is over: the end of the sequence, the edits not yet written kept
    ScanEnd,             // the scan is over: the sequencer rests, there being no device to go on with
};

// How a step opens the wait dialog (BeginWait) before anything else.
enum class Wait : quint8 { Keep, NoGauge, ReadGauge, WriteGauge };

// What a step does on being taken, after the wait dialog and before its command.
namespace prepare {
inline constexpr quint8 StartWriteList = 1; // the write list's record begins anew
inline constexpr quint8 ClearPages = 2;     // the device data on the pages is emptied
inline constexpr quint8 ShowErrorList = 4;
} // namespace prepare

// The next state of a template step that yields no command: the state after the one taken.
inline constexpr quint16 FollowingState = 0xffff;

struct Step {
    quint16 state = 0;
    quint16 last = 0; // the last state of a template step's range; 0 for a single state
    Wait wait = Wait::Keep;
    quint8 prepare = 0;
    QString platform::Texts::*status = nullptr; // the program status shown, when the step sets one
    Source source = Source::None;
    quint8 command = NoCommand; // the command of Fixed, StepData and TagSearch steps
    const char* data = nullptr; // the fixed data line of a Fixed step
    When when = When::Always;
    Hook hook = Hook::None;
    quint16 next = 0;    // where a step that sends nothing goes on (0: it always sends)
    quint16 awaitIn = 0; // the state a sent step waits in for its reply, when not its own

    quint16 lastState() const { return last ? last : state; }
    bool covers(quint16 s) const { return s >= state && s <= lastState(); }
    bool fromTemplates() const
    {
        return source == Source::ReadList || source == Source::WriteList || source == Source::MethodList;
    }
};

// One procedure: the state it starts at and its steps.
struct ProcedureTable {
    Procedure first;
    std::span<const Step> steps;
};

// Every procedure's table, the on-line loop's first.
std::span<const ProcedureTable> procedureTables();
// The step of a state; nullptr for a state without one (it has no action).
const Step* stepAt(quint16 state);
// The state is a step of the on-line loop.
bool inOnlineLoop(quint16 state);

} // namespace driverlink
