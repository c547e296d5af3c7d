#pragma once
// The sequencer's procedures by the state they start at, and the ranges of states that take their
// commands from the templates. A procedure is handed to the sequencer by its first state; the
// sequencer alone moves from state to state.
#include <QtGlobal>

namespace driverlink {

enum class Procedure : quint16 {
    Online = 100, // on-line reading: commands 2 and 3 in turn
    Read = 200,   // the whole configuration, then the on-line loop
    Reidentify = 250,
    Write = 300, // the write list, then the read-back
    LowerRangeValue = 400,
    UpperRangeValue = 410,
    SensorZero = 420,
    InitializeByTag = 430,
    InitializeByAddress = 440,
    ChangeAddress = 450,
    DeviceTest = 500,
    DeviceReset = 510,
    ClearConfigurationChanged = 515,
    FixedOutput = 520,
    TrimFixOutput = 530, // fixes the output for a trim and returns to the on-line loop
    TrimLowerOutput = 540,
    TrimUpperOutput = 550,
    BurstFunction = 560,
    BurstModeOn = 570,
    BurstModeOff = 580,
    FinalAssemblyNumber = 590,
    Method = 600,   // the steps of the method section chosen in the templates
    ScanLoop = 700, // command 0 to every polling address up to the step data, with no device connected
};

// The command code of a step: 0..253 a command sent as it is, 254 no command, 255 a command whose real
// number and data travel in the data lines (an extended template).
inline constexpr quint8 NoCommand = 254;
inline constexpr quint8 ExtendedCommand = 255;

namespace states {
inline constexpr quint16 Online = quint16(Procedure::Online);
inline constexpr quint16 OnlineLast = Online + 2; // the loop's states: commands 2, 3, and 2 again
inline constexpr quint16 Idle = 254;
// Template steps: step k of a section is sent in state base + k.
inline constexpr quint16 ReadBase = 200;
inline constexpr quint16 ReadLast = 249; // a definition has at most 48 read steps: 249 ends the read
// After the read list, the long tag of a device that has one; the read ends after it.
inline constexpr quint16 ReadLongTag = 260;
inline constexpr quint16 WriteBase = 299;
inline constexpr quint16 WriteEnd = 349;
inline constexpr quint16 MethodBase = 599;
inline constexpr quint16 MethodLast = 609;
// The scan of the loop: three steps an address (its identity, its tag, its long tag), addresses 0..63,
// then the end.
inline constexpr quint16 ScanBase = quint16(Procedure::ScanLoop);
inline constexpr int ScanStepsPerAddress = 3;
inline constexpr int ScanAddresses = 64;
inline constexpr quint16 ScanEnd = ScanBase + ScanStepsPerAddress * ScanAddresses;
} // namespace states

// How a procedure handed to the sequencer ended.
enum class Ending {
    Online,             // ran to its end: back in the on-line loop (a scan of the loop, which has no
                        // device to go on with, leaves the sequencer resting)
    CommunicationError, // the driver could not reach the device; the connection was stopped
    Stopped,            // Stop! or the wait dialog's Stop
    Refused,            // the driver took no command ("Command not performed, try again!")
    DriverGone,         // the driver's channel closed
    Closing,            // the program is ending
};

// Who stopped the connection.
enum class StopSender { StopButton, WaitDialog, Decoder };

} // namespace driverlink
