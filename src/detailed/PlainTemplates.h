#pragma once
// The command templates of a read or write list in their plain form: step k of a section is the
// command number that key k begins with. Extended templates (255 and a command token) are read by
// the definition-file reader, which takes this over.
#include <QString>

namespace detailed {

inline constexpr quint8 NoStep = 254;

// The command of step k of section in the file; NoStep when k is outside 1..50, the key is missing
// or empty, or its command number is no plain command 0..253.
quint8 plainTemplateCommand(const QString& filePath, const QString& section, int k);

} // namespace detailed
