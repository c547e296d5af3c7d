#include "PlainTemplates.h"

#include "ui/Profile.h"

namespace detailed {

quint8 plainTemplateCommand(const QString& filePath, const QString& section, int k)
{
    if (k < 1 || k > 50) return NoStep;
    const QString value = ui::Profile(filePath).readString(section, QString::number(k));
    if (value.isEmpty()) return NoStep;
    // The number ends at the first separator.
    qsizetype end = 0;
    while (end < value.size() && !QStringLiteral(", _;").contains(value.at(end)))
        ++end;
    bool ok = false;
    const int command = value.left(end).trimmed().toInt(&ok);
    if (!ok) return 0; // a leading token that is no number counts as 0
    if (command < 0 || command > 253) return NoStep;
    return quint8(command);
}

} // namespace detailed
