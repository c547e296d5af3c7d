#include "config/DefinitionFile.h"

#include "platform/Environment.h"

#include <algorithm>

namespace config {

namespace {

bool safeNamePart(const QString& text)
{
    if (text.trimmed().isEmpty()) return false;
    if (text.contains(u'/') || text.contains(u'\\') || text.contains(QStringLiteral(".."))) return false;
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

} // namespace

QString deviceDefinitionPath(const QString& programFolder, const QString& manufacturer, const QString& type,
                             const QString& revision, const QString& suffix)
{
    if (!safeNamePart(manufacturer) || !safeNamePart(type) || !safeNamePart(revision)) return {};
    return programFolder + manufacturer + u'-' + type + u'-' + revision + suffix;
}

QString tableFilePath(const LanguageState& language)
{
    return language.TableFileName.isEmpty() ? QString() : platform::dataFolder() + language.TableFileName;
}

namespace {
// The paths a definition file of the device may have, in the order they are looked for: with the
// expanded device type first (a device without one makes no such name), then with the type.
QStringList candidatePaths(const DeviceState& state, const QString& suffix)
{
    QStringList paths;
    for (Control type : {Control::RozsirenyTyp, Control::Typ}) {
        const QString path = deviceDefinitionPath(platform::dataFolder(), state.text(Control::Vyrobce),
                                                  state.text(type), state.text(Control::Verze), suffix);
        if (!path.isEmpty()) paths.append(path);
    }
    return paths;
}

QString existingPath(const DeviceState& state, const QString& suffix)
{
    for (const QString& path : candidatePaths(state, suffix))
        if (platform::fileExists(path)) return path;
    return {};
}
} // namespace

QString deviceDefinitionFile(const DeviceState& state, const LanguageState& language)
{
    return existingPath(state, language.DeviceDdfSuffix);
}

QString deviceDefinitionName(const DeviceState& state, const QString& suffix)
{
    const QStringList paths = candidatePaths(state, suffix);
    return paths.isEmpty() ? QString() : paths.first().mid(platform::dataFolder().size());
}

QStringList deviceDefinitionLanguages(const DeviceState& state)
{
    QStringList words;
    for (const LanguageEntry& entry : languageTable())
        if (!existingPath(state, QString::fromUtf16(entry.deviceDdfSuffix)).isEmpty())
            words.append(QString::fromUtf16(entry.settingText));
    return words;
}

} // namespace config
