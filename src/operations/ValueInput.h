#pragma once
// The inputs of the service procedures: an "Input Query" dialog asked again after "Wrong Value!"
// until its answer passes the check or the user cancels, and the decimal normalisation by which
// current values are checked (a full stop or a comma both read as the locale's decimal sign).
#include <QString>
#include <functional>
#include <optional>

namespace operations {

// An empty text becomes "0"; every full stop and comma becomes the locale's decimal separator.
QString normalised(const QString& text);
// A number a device can take as a current: finite and within a float's range ("nan", "inf" and
// "1e39" read as numbers, but the driver would send them as they are).
bool isCurrent(const QString& text);

// Asks until the answer passes the check; nothing when cancelled. The answer is returned as typed.
std::optional<QString> askValue(const QString& prompt, const QString& offered,
                                const std::function<bool(const QString&)>& valid);
// Asks until the answer, normalised, reads as a whole number from low to high; nothing when cancelled.
// The number is returned in plain decimals (" 3" and "+3" give "3"), as commands and the polling
// address carry it.
std::optional<QString> askInteger(const QString& prompt, const QString& offered, qint64 low, qint64 high);

} // namespace operations
