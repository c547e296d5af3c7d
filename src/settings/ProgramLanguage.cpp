#include "settings/ProgramLanguage.h"

#include "config/Language.h"
#include "platform/Environment.h"
#include "platform/Texts.h"

#include <QCoreApplication>
#include <QTranslator>

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
    const QString module = programLanguageModule(word, folder, baseName);
    if (module.isEmpty()) return false;
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    if (!translator.load(module)) return false;
    QCoreApplication::installTranslator(&translator);
    platform::setTexts(platform::Texts());
    return true;
}

} // namespace settings
