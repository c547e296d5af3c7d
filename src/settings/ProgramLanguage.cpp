#include "settings/ProgramLanguage.h"

#include "config/Language.h"
#include "platform/Environment.h"
#include "platform/Texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace settings {

namespace {
const config::LanguageEntry* entryOf(const QString& word)
{
    for (const auto& entry : config::languageTable())
        if (word == QString::fromUtf16(entry.settingText)) return &entry;
    return nullptr;
}
} // namespace

QStringList programLanguages(const QString& folder, const QString& baseName)
{
    QStringList words;
    for (const auto& entry : config::languageTable()) {
        const QString extension = QString::fromLatin1(entry.moduleExtension);
        if (extension.isEmpty() || platform::fileExists(folder + baseName + extension))
            words.append(QString::fromUtf16(entry.settingText));
    }
    return words;
}

QStringList definitionLanguages(const QString& folder)
{
    QStringList words;
    for (const auto& entry : config::languageTable())
        if (platform::fileExists(folder + QString::fromUtf16(entry.tableFileName)))
            words.append(QString::fromUtf16(entry.settingText));
    return words;
}

QString programLanguageModule(const QString& word, const QString& folder, const QString& baseName)
{
    const config::LanguageEntry* entry = entryOf(word);
    if (!entry || QByteArray(entry->moduleExtension).isEmpty()) return {};
    const QString abbreviation = QString::fromLatin1(entry->moduleAbbreviation);
    for (const QString& extension : {abbreviation, abbreviation.left(2)}) {
        const QString path = folder + baseName + u'.' + extension;
        if (platform::fileExists(path)) return path;
    }
    return {};
}

bool installProgramLanguage(const QString& word, const QString& folder, const QString& baseName)
{
    // The program's texts, and Qt's own (the buttons of message boxes, the file and print dialogs) in the
    // same language from the translations that come with Qt; without those they stay English.
    static std::unique_ptr<QTranslator> program;
    static std::unique_ptr<QTranslator> qt;
    const bool wasInstalled = program != nullptr;
    for (auto* translator : {&program, &qt})
        if (*translator) QCoreApplication::removeTranslator(translator->get());
    program.reset();
    qt.reset();

    const QString module = programLanguageModule(word, folder, baseName);
    auto loaded = std::make_unique<QTranslator>();
    if (module.isEmpty() || !loaded->load(module)) {
        if (wasInstalled) platform::setTexts(platform::Texts()); // back to the built-in English texts
        return false;
    }
    program = std::move(loaded);
    QCoreApplication::installTranslator(program.get());
    qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + QString::fromLatin1(entryOf(word)->code),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.get());
    platform::setTexts(platform::Texts());
    return true;
}

} // namespace settings
