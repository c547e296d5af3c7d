#pragma once
// Puts an edit rule on a line edit: every change of its text, typed, pasted or set by the program,
// is corrected once, before anyone else sees the edit again.
#include "config/EditRules.h"

#include <functional>

class QLineEdit;

namespace detailed {

// refused is called when characters the device cannot store were left out.
void bindEditRule(QLineEdit* edit, const config::EditRule& rule, std::function<void()> refused = {});

} // namespace detailed
