#include "config/Language.h"

namespace config {

namespace {

constexpr char NoDefinitionFileMarker = char(255);

constexpr std::array<LanguageEntry, 7> Languages{{
    {u"\u010Desky", "cs", u"TABCZ.DDF", u"-CZ.DDF", ".CSY", "CSY"},
    {u"deutsch", "de", u"TABDE.DDF", u"-DE.DDF", ".DE", "DEU"},
    {u"english", "en", u"TABEN.DDF", u"-EN.DDF", "", "ENU"},
    {u"espanol", "es", u"TABES.DDF", u"-ES.DDF", ".ES", "ESP"},
    {u"francais", "fr", u"TABFR.DDF", u"-FR.DDF", ".FR", "FRA"},
    {u"polski", "pl", u"TABPL.DDF", u"-PL.DDF", ".PLK", "PLK"},
    {u"slovensky", "sk", u"TABSK.DDF", u"-SK.DDF", ".SKY", "SKY"},
}};

} // namespace

void LanguageState::SetLanguageDdf(const QByteArray& code)
{
    if (code.size() < 2) return;
    const QByteArray prefix = code.left(2);
    for (const auto& entry : Languages) {
        if (prefix == entry.code) {
            TableFileName = QString::fromUtf16(entry.tableFileName);
            DeviceDdfSuffix = QString::fromUtf16(entry.deviceDdfSuffix);
            break;
        }
    }
    // Without a suffix the definition file name matches no shipped file, so a record captured
    // without a definition file is shown without a detailed setup.
    if (code.size() >= 3 && code[2] == NoDefinitionFileMarker) DeviceDdfSuffix.clear();
}

const std::array<LanguageEntry, 7>& languageTable() { return Languages; }

std::optional<QByteArray> languageCodeForSetting(const QString& settingText)
{
    for (const auto& entry : Languages)
        if (settingText == QString::fromUtf16(entry.settingText)) return QByteArray(entry.code);
    return std::nullopt;
}

} // namespace config
