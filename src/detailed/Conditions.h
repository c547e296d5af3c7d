#pragma once
// The allowed combinations of options of a device ([Conditions] of its definition file). A line of
// condition tokens holds when every combo box named by a token shows one of the token's options; the
// selection is allowed when at least one line holds.
#include <QString>

#include <functional>
#include <optional>

namespace detailed {

// shownOption gives the text shown by the combo box whose list section is the given 3-character
// name (the highest-numbered box when several have it), nullopt when no box has it. A token naming
// such a list is not satisfied: the device cannot be shown to be in any of its options.
// Faulty codes add "Cond. line <k> <list>\r\n" lines to errors. True without a definition file and
// without a condition line 1.
bool conditionsOk(const QString& definitionFile,
                  const std::function<std::optional<QString>(const QString& listSection)>& shownOption,
                  QString& errors);

} // namespace detailed
