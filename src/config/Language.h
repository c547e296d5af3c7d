#pragma once
// The definition-file language: which language table file lies behind the Basic Setup lists and
// which suffix ends every device definition file name. A value: the main window keeps the one
// configured at start-up, and a file or a history entry in another language is shown with its own.
#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

namespace config {

struct LanguageState {
    // The configured code ("en"); a stored record's code carries a third marker byte (a blank, or
    // the byte 255 when no device definition file was in use).
    QByteArray DdfLanguage;
    QString TableFileName;   // "TABEN.DDF", without folder
    QString DeviceDdfSuffix; // "-EN.DDF"; empty for a record made without a definition file
    QByteArray DataLanguage; // the language of the configuration now on screen

    // Only the first two bytes choose the language; an unknown language keeps the files chosen
    // before, and a code shorter than two bytes changes nothing.
    void SetLanguageDdf(const QByteArray& code);
};

struct LanguageEntry {
    const char16_t* settingText; // as the settings file and the options dialog name it
    const char* code;
    const char16_t* tableFileName;
    const char16_t* deviceDdfSuffix;
    // The program-language module beside the executable: the extension its presence is known by
    // (none for the built-in English), and the three-letter language name looked for first.
    const char* moduleExtension;
    const char* moduleAbbreviation;
};
// The seven languages in the order the options dialog offers them.
const std::array<LanguageEntry, 7>& languageTable();

// "česky" → "cs", "english" → "en", …; the text must match exactly (case and accents included).
std::optional<QByteArray> languageCodeForSetting(const QString& settingText);

} // namespace config
