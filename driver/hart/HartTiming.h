#pragma once
// The timing of a HART loop, in one place for the master on a serial line, the simulated devices
// and the time a transaction takes on the simulated bus. A character is 11 bits (start, 8 data,
// odd parity, stop) at 1200 bit/s.
#include <cmath>

namespace hart::timing {

inline constexpr double CharacterMs = 11.0 * 1000.0 / 1200.0; // 9.17 ms

// Whole milliseconds that n characters take on the line, rounded up.
inline int charactersMs(double characters) { return int(std::ceil(characters * CharacterMs)); }

// Preambles: 20 with command 0 (and whenever the device has not said what it needs), otherwise
// what the device asked for in its identity reply, never fewer than 5. A receiver needs 2.
inline constexpr int IdentifyPreambles = 20;
inline constexpr int MinPreambles = 5;
inline constexpr int ReceivePreambles = 2;

// A master keeps RTS up until the last stop bit has left: the frame, then 2 more character times.
inline constexpr int RtsHoldCharacters = 2;
// A slave must begin its reply within 28 character times of the request's end; a master waits a
// little longer, the primary master 33, the secondary 41, before it counts the reply as missing.
inline constexpr int SlaveTimeoutCharacters = 28;
inline constexpr int PrimaryReplyTimeoutCharacters = 33;   // 303 ms
inline constexpr int SecondaryReplyTimeoutCharacters = 41; // 376 ms
// A sender leaves at most 1 character time between the characters of a frame. A receiver ends a
// frame as broken after 5 character times without one: the allowed gap, the character itself and
// the latency of a USB serial adapter, which hands bytes over in batches every 16 ms.
inline constexpr int GapTimeoutCharacters = 5; // 46 ms
// The longest frame a device may send: 20 preambles, a long address, 3 expansion bytes, 255 data bytes.
inline constexpr int LongestFrameCharacters = 20 + 1 + 5 + 3 + 1 + 1 + 255 + 1;
// How long a simulated slave takes to turn the line around before its reply begins.
inline constexpr int TurnAroundCharacters = 2;

// A transaction without a valid reply is tried again up to 3 times.
inline constexpr int Retries = 3;
// A device that is busy (response code 32) or answers with a delayed response (33..36) gets the
// same command again after a short wait, at most this often.
inline constexpr int BusyWaitMs = 250;
inline constexpr int BusyRepeats = 5;

} // namespace hart::timing
