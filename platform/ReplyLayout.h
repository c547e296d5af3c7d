#pragma once
// Where each field of a driver reply stands: the reply text is split at CR LF into lines, the first
// four say which command it answers, for which address, with which error and status text, and the
// data lines follow in the order of the HART reply. The driver writes its replies by these names and
// the program reads them by the same names, so the two cannot drift apart.
namespace replylayout {

inline constexpr int CommandLine = 0; // the command number, or "Busy!"
inline constexpr int AddressLine = 1;
inline constexpr int ErrorLine = 2;
inline constexpr int StatusLine = 3;
inline constexpr int FirstDataLine = 4;

// The error line of a reply by which the device refused its command.
inline constexpr char CommandErrorText[] = "Command Error!";

// A driver may add lines of the form key=value, CR LF apart, after the reply text behind a NUL: a
// program that reads the item as a C text, as the classic one does, stops at the NUL and never sees
// them. ResponseCode is the device's response code (decimal) when it answered with one other than 0.
inline constexpr char ExtensionMark = '\0';
inline constexpr char ResponseCodeKey[] = "ResponseCode";

// Commands 0 and 11: who the device is. End is the first line after the fields every revision has;
// revision 6 and later add the five after it. The manufacturer is the 16-bit one of revision 7, else
// the 8-bit one; the expanded device type is four hexadecimal digits after "0x", for revision 6 made
// of its manufacturer and device type as revision 7 makes it for a type first registered with one byte.
namespace identity {
enum Line : int {
    Manufacturer = FirstDataLine,
    DeviceType,
    Preambles,
    UniversalRevision,
    DeviceRevision,
    SoftwareRevision,
    HardwareRevision,
    Flags,
    UniqueId,
    End,
    ResponsePreambles = End,
    DeviceVariables,
    ChangeCounter,
    ExtendedStatus,
    ExpandedDeviceType,
};
} // namespace identity

// The status line: a sentence for each bit of the device status byte that is set, from bit 7 down.
inline constexpr const char* StatusSentences[8] = {
    "Primary variable out of limits. ", "Non-primary variable out of limits. ",
    "Loop current saturated. ",         "Loop current fixed. ",
    "More status available. ",          "Cold start. ",
    "Configuration changed. ",          "Device malfunction. ",
};
inline constexpr int LoopCurrentFixedBit = 3;

// The first universal revision whose devices have a long tag (commands 20 and 22).
inline constexpr int LongTagRevision = 6;

// Commands 20 and 22: up to 32 ISO Latin-1 characters.
namespace longTag {
enum Line : int { LongTag = FirstDataLine, End };
inline constexpr int Characters = 32;
} // namespace longTag

// Command 1.
namespace primaryVariable {
enum Line : int { Unit = FirstDataLine, Value, End };
} // namespace primaryVariable

// Command 2.
namespace loopCurrent {
enum Line : int { Current = FirstDataLine, Percent, End };
} // namespace loopCurrent

// Command 3: the loop current, then a unit and a value for each dynamic variable the device has.
namespace dynamicVariables {
enum Line : int { Current = FirstDataLine, PvUnit, Pv, SvUnit, Sv, TvUnit, Tv, FvUnit, Fv, End };
} // namespace dynamicVariables

// Command 6, request and reply.
namespace pollingAddress {
enum Line : int { Address = FirstDataLine, LoopCurrentMode, End };
} // namespace pollingAddress

// Commands 12 and 17.
namespace message {
enum Line : int { Message = FirstDataLine, End };
} // namespace message

// Commands 13 and 18.
namespace tagDescriptorDate {
enum Line : int { Tag = FirstDataLine, Descriptor, Date, End };
} // namespace tagDescriptorDate

// Command 14: the unit line names the unit of the three values after it.
namespace sensor {
enum Line : int { SerialNo = FirstDataLine, Unit, UpperLimit, LowerLimit, MinimumSpan, End };
} // namespace sensor

// Command 15.
namespace output {
enum Line : int {
    Alarm = FirstDataLine,
    TransferFunction,
    Unit,
    UpperRangeValue,
    LowerRangeValue,
    Damping,
    WriteProtection,
    PrivateLabel,
    Distributor,
    End
};
} // namespace output

// Commands 16 and 19.
namespace finalAssembly {
enum Line : int { Number = FirstDataLine, End };
} // namespace finalAssembly

// Command 34.
namespace damping {
enum Line : int { Damping = FirstDataLine, End };
} // namespace damping

// Command 35, request and reply.
namespace range {
enum Line : int { Unit = FirstDataLine, UpperRangeValue, LowerRangeValue, End };
} // namespace range

// Command 40, request and reply: the loop current fixed, 0 when fixed current mode is left.
namespace fixedCurrent {
enum Line : int { Current = FirstDataLine, End };
} // namespace fixedCurrent

// Command 44 (units) and 47 (transfer function), request and reply.
namespace code {
enum Line : int { Code = FirstDataLine, End };
} // namespace code

// Command 48: a byte a line, the device-specific status bytes first.
namespace additionalStatus {
enum Line : int { Status0 = FirstDataLine, Status1, Status2, End = FirstDataLine + 12 };
} // namespace additionalStatus

} // namespace replylayout
