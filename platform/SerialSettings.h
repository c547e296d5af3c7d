#pragma once
// What a serial port really holds after it was set up: some ports take a setting without a word and
// keep another (a pseudo-terminal has neither speed nor parity).
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace platform {

// Checks that the open port `handle` keeps 1200 bit/s and odd parity, and makes a character with a
// parity error arrive as NUL (neither dropped nor passed on as it came). Returns the warnings for
// what it does not keep; nothing when the port cannot be asked at all (it has gone).
std::optional<QStringList> checkHartCharacterSettings(qintptr handle);

} // namespace platform
