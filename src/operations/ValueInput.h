#pragma once
// The inputs of the service procedures: an "Input Query" dialog asked again after "Wrong Value!" (or
// the reason a value is refused) until its answer passes the check or the user cancels, and the decimal normalisation
// by which current values are checked (a full stop or a comma both read as the locale's decimal sign).
#include <QString>
#include <functional>
#include <optional>

namespace operations {

// An empty text becomes "0"; every full stop and comma becomes the locale's decimal separator.
QString normalised(const QString& text);

// The loop current a device fixes its output at, or is trimmed at, in mA.
inline constexpr double LowestCurrentMa = 3.5;
inline constexpr double HighestCurrentMa = 23.0;
// Why a typed loop current is refused: "Wrong Value!" for no number, the allowed range for a number
// outside it; nothing when it is taken. Where the input may end fixed current mode, a current of 0
// passes too.
std::optional<QString> currentRefusal(const QString& text, bool zeroEndsFixedMode);
// The prompt of a loop current input: the question, then the unit and the range allowed.
QString currentPrompt(bool zeroEndsFixedMode);

// Why an answer is refused, for the error box; nothing when it passes.
using AnswerCheck = std::function<std::optional<QString>(const QString&)>;
// Asks until the answer passes the check; nothing when cancelled. The answer is returned as typed.
std::optional<QString> askValue(const QString& prompt, const QString& offered, const AnswerCheck& check);
// Asks until the answer, normalised, reads as a whole number from low to high; nothing when cancelled.
// The number is returned in plain decimals (" 3" and "+3" give "3"), as commands and the polling
// address carry it.
std::optional<QString> askInteger(const QString& prompt, const QString& offered, qint64 low, qint64 high);

} // namespace operations
