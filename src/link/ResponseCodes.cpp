#include "link/ResponseCodes.h"

#include "platform/Texts.h"

#include <initializer_list>

namespace driverlink {

namespace {

using T = platform::Texts;

struct Meaning {
    std::initializer_list<int> commands; // none: every command
    int code;
    QString T::*text;
};

// Command-specific meanings first: they win over the general ones.
const Meaning Meanings[] = {
    {{6}, 2, &T::rcInvalidPollAddress},
    {{6}, 12, &T::rcInvalidLoopCurrentMode},
    {{18}, 9, &T::rcInvalidDate},
    {{35}, 9, &T::rcLowerRangeTooHigh},
    {{35}, 10, &T::rcLowerRangeTooLow},
    {{35}, 11, &T::rcUpperRangeTooHigh},
    {{35}, 12, &T::rcUpperRangeTooLow},
    {{35}, 13, &T::rcRangeValuesOutOfLimits},
    {{35}, 28, &T::rcInvalidRangeUnits},
    {{35}, 29, &T::rcInvalidSpan},
    {{36, 37, 43}, 9, &T::rcAppliedProcessTooHigh},
    {{36, 37, 43}, 10, &T::rcAppliedProcessTooLow},
    {{38}, 9, &T::rcChangeCounterMismatch},
    {{40, 45, 46}, 11, &T::rcLoopCurrentNotActive},
    {{45, 46}, 9, &T::rcIncorrectLoopCurrent},
    {{108}, 9, &T::rcInvalidBurstMessage},
    {{109}, 9, &T::rcNoBandwidth},
    {{}, 2, &T::rcInvalidSelection},
    {{}, 3, &T::rcParameterTooLarge},
    {{}, 4, &T::rcParameterTooSmall},
    {{}, 5, &T::rcTooFewDataBytes},
    {{}, 6, &T::rcDeviceSpecificError},
    {{}, 7, &T::rcWriteProtected},
    {{}, 16, &T::rcAccessRestricted},
    {{}, 32, &T::rcBusy},
    {{}, 33, &T::rcDelayedResponseInitiated},
    {{}, 34, &T::rcDelayedResponseRunning},
    {{}, 35, &T::rcDelayedResponseDead},
    {{}, 36, &T::rcDelayedResponseConflict},
    {{}, 64, &T::rcNotImplemented},
};

bool covers(const Meaning& meaning, int command)
{
    if (meaning.commands.size() == 0) return true;
    for (const int c : meaning.commands)
        if (c == command) return true;
    return false;
}

} // namespace

QString responseCodeMeaning(int command, int code)
{
    for (const Meaning& meaning : Meanings)
        if (meaning.code == code && covers(meaning, command)) return platform::texts().*meaning.text;
    return {};
}

QString responseCodeEntry(int command, int code)
{
    const QString meaning = responseCodeMeaning(command, code);
    const platform::Texts& t = platform::texts();
    return meaning.isEmpty() ? t.responseCodeOnly.arg(code) : t.responseCodeWithMeaning.arg(code).arg(meaning);
}

} // namespace driverlink
