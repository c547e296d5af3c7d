#pragma once
// The program languages: a language module is a Qt translation file beside the executable, named by
// the executable's base name and the language's extension (tarvik.DE, tarvik.CSY). English is
// built in. A language is loaded at start-up, before any window is made, and holds for the run.
#include <QString>
#include <QStringList>

namespace settings {

// The words the program-language list offers: "english" always, the others whose module exists.
QStringList programLanguages(const QString& folder, const QString& baseName);
// The words the definition-language list offers: those whose language table file exists.
QStringList definitionLanguages(const QString& folder);
// The module of a word: base name + "." + the three-letter language name when that file exists,
// else + the first two letters of it; empty for English, an unknown word or no file.
QString programLanguageModule(const QString& word, const QString& folder, const QString& baseName);
// Loads the module of the word, with Qt's own translation of that language, in place of the one loaded
// before, and remakes the table of texts from it. False when there is none to load: the built-in English
// texts then hold.
bool installProgramLanguage(const QString& word, const QString& folder, const QString& baseName);

} // namespace settings
