#pragma once
// Where the definition file of a device lies. Its name is made of texts the device reports, so a
// name that could leave the program's folder is refused rather than cleaned: such a device simply
// has no definition file.
#include <QString>

namespace config {

// programFolder + manufacturer + "-" + type + "-" + revision + suffix; empty when any of the three
// texts is blank or holds "/", "\\", ".." or a control character.
QString deviceDefinitionPath(const QString& programFolder, const QString& manufacturer, const QString& type,
                             const QString& revision, const QString& suffix);

} // namespace config
