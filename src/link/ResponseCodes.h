#pragma once
// What a device means by the response code with which it refused a command, from the protocol's
// public command tables, in the program's language. Some codes mean the same for every command
// (2..7, 16, 32..36, 64); the others mean what the command at hand says, and only those of the
// commands the program sends are known here.
#include <QString>

namespace driverlink {

// The meaning of a code for a command; empty when it is not known.
QString responseCodeMeaning(int command, int code);
// The entry of the error list that follows "Command Error!" and the command: the code, and its meaning
// when it is known.
QString responseCodeEntry(int command, int code);

} // namespace driverlink
