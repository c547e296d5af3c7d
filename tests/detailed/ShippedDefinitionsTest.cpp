// The definition files shipped with the simulated devices: each language's file says what the English one
// says, in its own words. A translation that lost an item, a template or a printer place would show the
// device differently in that language.
#include "detailed/DefinitionModel.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

namespace {

const QString English = QStringLiteral(TARVIK_DATA_DIR "/Ostrevo-PR210-3-EN.DDF");

// Everything of a file but its words: sections that hold commands, conditions and places, taken as they stand.
QList<QPair<QString, QString>> commandsAndPlaces(const QString& file)
{
    const platform::Profile profile(file);
    QList<QPair<QString, QString>> out;
    for (const QString& section : profile.sectionNames()) {
        for (const auto& [key, value] : profile.sectionValues(section)) {
            const bool words = key.compare(QStringLiteral("NAME"), Qt::CaseInsensitive) == 0 ||
                               (section.compare(QStringLiteral("Definitions"), Qt::CaseInsensitive) == 0 &&
                                (key.endsWith(u'H') || key.startsWith(u'L') || key.startsWith(u'H'))) ||
                               profile.sectionKeys(section).contains(QStringLiteral("0")); // an option list
            out.append({section + u'/' + key, words ? QString() : value});
        }
    }
    return out;
}

class ShippedDefinitionTest : public ::testing::TestWithParam<const char*> {
protected:
    QString file = QStringLiteral(TARVIK_DATA_DIR "/Ostrevo-PR210-3-%1.DDF").arg(QString::fromLatin1(GetParam()));
};

TEST_P(ShippedDefinitionTest, SaysWhatTheEnglishFileSaysInItsOwnWords)
{
    const detailed::DefinitionModel english = detailed::loadDefinition(English, 1.0);
    const detailed::DefinitionModel translated = detailed::loadDefinition(file, 1.0);
    ASSERT_TRUE(translated.found) << file.toStdString();
    EXPECT_EQ(translated.errors, QString());
    EXPECT_EQ(commandsAndPlaces(file), commandsAndPlaces(English));

    ASSERT_EQ(translated.items.size(), english.items.size());
    int translatedTexts = 0;
    for (qsizetype i = 0; i < english.items.size(); ++i) {
        const detailed::DefinitionItem& e = english.items[i];
        const detailed::DefinitionItem& t = translated.items[i];
        const std::string name = e.name.toStdString();
        EXPECT_EQ(t.name, e.name);
        EXPECT_EQ(t.kind, e.kind) << name;
        EXPECT_EQ(QList<int>({t.top, t.left, t.height, t.width, t.writable}),
                  QList<int>({e.top, e.left, e.height, e.width, e.writable}))
            << name;
        EXPECT_EQ(t.caption.isEmpty(), e.caption.isEmpty()) << name;
        EXPECT_EQ(t.hint.isEmpty(), e.hint.isEmpty()) << name;
        EXPECT_EQ(t.hint.count(QStringLiteral("\\N")), e.hint.count(QStringLiteral("\\N"))) << name;
        ASSERT_EQ(t.options.size(), e.options.size()) << name;
        for (qsizetype o = 0; o < e.options.size(); ++o) {
            EXPECT_EQ(t.options[o].code, e.options[o].code) << name;
            translatedTexts += t.options[o].text != e.options[o].text;
        }
        translatedTexts += t.caption != e.caption;
    }
    EXPECT_GT(translatedTexts, english.items.size() / 2) << "the file is hardly translated";
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedDefinitionTest, ::testing::Values("CZ", "DE"));

} // namespace
