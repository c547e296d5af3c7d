#pragma once
// The three readers of the definition-file value syntax. Each takes one token off the front of a
// value and leaves the rest for the next reader; the error flag is only ever set, never cleared, so
// a caller clears it before each part it wants to judge by itself.
#include <QString>

#include <optional>

namespace detailed {

// A decimal integer ending at the first ",", " ", "_" or ";". A token that is no number is consumed
// and gives 0 and the error; an empty token (nothing left, or a separator first) gives 0 and the
// error and consumes nothing, so exactly one separator stands between two numbers.
int TakeNumber(QString& value, bool& error);

// A number token times the scale factor, rounded to the nearest integer, ties to even.
int TakeScaledNumber(QString& value, bool& error, double scale);

// A text ending at the first "_" or ";" (commas and blanks belong to it), trimmed, the separator
// dropped. An empty text sets the error (a command template without its command token is faulty;
// readers to whom an empty text is valid ignore the flag); the separator is consumed all the same,
// so that a reader of a token list always gets on.
QString TakeText(QString& value, bool& error);

// The whole text as a decimal integer (an optional sign and digits, nothing else); nullopt when it
// is none or does not fit an int.
std::optional<int> parseInteger(QStringView text);

// Half to even, saturated to the int range.
int roundHalfToEven(double value);

} // namespace detailed
