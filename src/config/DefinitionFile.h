#pragma once
// Where the definition file of a device lies. Its name is made of texts the device reports, so a
// name that could leave the program's folder is refused rather than cleaned: such a device simply
// has no definition file.
#include "config/DeviceState.h"
#include "config/Language.h"

#include <QString>

namespace config {

// programFolder + manufacturer + "-" + type + "-" + revision + suffix; empty when any of the three
// texts is blank or holds "/", "\\", ".." or a control character.
QString deviceDefinitionPath(const QString& programFolder, const QString& manufacturer, const QString& type,
                             const QString& revision, const QString& suffix);

// The language table file of a language in the program's folder; empty when the language names none.
QString tableFilePath(const LanguageState& language);
// The definition file of the device the screen shows, when it exists; else empty. A device with an
// expanded device type (universal revision 6 and later) has it under the name made with that type
// (manufacturer-0x11A8-1-EN.DDF) or, failing that, under the name made with its type as every device.
QString deviceDefinitionFile(const DeviceState& state, const LanguageState& language);
// The file name (without folder) a definition file of the device is looked for under first; empty when
// the device's texts make no name.
QString deviceDefinitionName(const DeviceState& state, const QString& suffix);
// The languages (as the settings name them) in which a definition file of the device the screen shows exists.
QStringList deviceDefinitionLanguages(const DeviceState& state);

} // namespace config
