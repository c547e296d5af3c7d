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
    return language.TableFileName.isEmpty() ? QString() : platform::programFolder() + language.TableFileName;
}

QString deviceDefinitionFile(const DeviceState& state, const LanguageState& language)
{
    const QString path =
        deviceDefinitionPath(platform::programFolder(), state.text(Control::Vyrobce), state.text(Control::Typ),
                             state.text(Control::Verze), language.DeviceDdfSuffix);
    return !path.isEmpty() && platform::fileExists(path) ? path : QString();
}

QStringList deviceDefinitionLanguages(const DeviceState& state)
{
    QStringList words;
    for (const LanguageEntry& entry : languageTable()) {
        const QString path =
            deviceDefinitionPath(platform::programFolder(), state.text(Control::Vyrobce), state.text(Control::Typ),
                                 state.text(Control::Verze), QString::fromUtf16(entry.deviceDdfSuffix));
        if (!path.isEmpty() && platform::fileExists(path)) words.append(QString::fromUtf16(entry.settingText));
    }
    return words;
}

} // namespace config
