#include "config/Language.h"

#include "platform/Profile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

using config::LanguageState;

namespace {

struct SetCase {
    const char* name;
    QByteArray code;
    const char* tableFileName; // expected after starting from the German files
    const char* deviceDdfSuffix;
};
void PrintTo(const SetCase& c, std::ostream* os) { *os << c.name; }

class ConfigSetLanguageDdfTest : public ::testing::TestWithParam<SetCase> {};

TEST_P(ConfigSetLanguageDdfTest, ChoosesTableFileAndSuffix)
{
    const auto& c = GetParam();
    LanguageState state;
    state.SetLanguageDdf("de");
    ASSERT_EQ(state.TableFileName, QStringLiteral("TABDE.DDF"));
    state.DdfLanguage = "de ";
    state.DataLanguage = "sk";

    state.SetLanguageDdf(c.code);
    EXPECT_EQ(state.TableFileName, QLatin1String(c.tableFileName));
    EXPECT_EQ(state.DeviceDdfSuffix, QLatin1String(c.deviceDdfSuffix));
    // Choosing files never touches the configured language or the language of the data.
    EXPECT_EQ(state.DdfLanguage, QByteArray("de "));
    EXPECT_EQ(state.DataLanguage, QByteArray("sk"));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ConfigSetLanguageDdfTest,
    ::testing::Values(SetCase{"Czech", "cs", "TABCZ.DDF", "-CZ.DDF"}, SetCase{"German", "de", "TABDE.DDF", "-DE.DDF"},
                      SetCase{"English", "en", "TABEN.DDF", "-EN.DDF"},
                      SetCase{"Spanish", "es", "TABES.DDF", "-ES.DDF"}, SetCase{"French", "fr", "TABFR.DDF", "-FR.DDF"},
                      SetCase{"Polish", "pl", "TABPL.DDF", "-PL.DDF"}, SetCase{"Slovak", "sk", "TABSK.DDF", "-SK.DDF"},
                      SetCase{"OnlyTwoCharactersCount", "english", "TABEN.DDF", "-EN.DDF"},
                      SetCase{"BlankMarkerKeepsSuffix", "en ", "TABEN.DDF", "-EN.DDF"},
                      SetCase{"Marker255EmptiesSuffix", QByteArray("fr\xFF"), "TABFR.DDF", ""},
                      SetCase{"Marker255AfterUnknownCode", QByteArray("xx\xFF"), "TABDE.DDF", ""},
                      SetCase{"Marker255InLongerCode", QByteArray("en\xFF "), "TABEN.DDF", ""},
                      SetCase{"ByteBeyondTheThirdIsNoMarker", QByteArray("en \xFF"), "TABEN.DDF", "-EN.DDF"},
                      SetCase{"UnknownKeepsPrevious", "xx", "TABDE.DDF", "-DE.DDF"},
                      SetCase{"ComparedWithCase", "EN", "TABDE.DDF", "-DE.DDF"},
                      SetCase{"OneCharacterChangesNothing", "e", "TABDE.DDF", "-DE.DDF"},
                      SetCase{"LoneMarkerChangesNothing", QByteArray("\xFF"), "TABDE.DDF", "-DE.DDF"},
                      SetCase{"EmptyChangesNothing", "", "TABDE.DDF", "-DE.DDF"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConfigSetLanguageDdf, StartsEmptyAndAnUnknownCodeNamesNoFile)
{
    LanguageState state;
    state.SetLanguageDdf("zz");
    EXPECT_TRUE(state.TableFileName.isEmpty());
    EXPECT_TRUE(state.DeviceDdfSuffix.isEmpty());
}

TEST(ConfigSetLanguageDdf, SwitchingBackRestoresTheSuffix)
{
    // Opening a record made without a definition file and then restoring the configured language.
    LanguageState state;
    state.SetLanguageDdf(QByteArray("cs\xFF"));
    EXPECT_TRUE(state.DeviceDdfSuffix.isEmpty());
    state.SetLanguageDdf("en");
    EXPECT_EQ(state.TableFileName, QStringLiteral("TABEN.DDF"));
    EXPECT_EQ(state.DeviceDdfSuffix, QStringLiteral("-EN.DDF"));
}

struct SettingCase {
    const char* name;
    QString setting;
    std::optional<QByteArray> code;
};
void PrintTo(const SettingCase& c, std::ostream* os) { *os << c.name; }

class ConfigLanguageSettingTest : public ::testing::TestWithParam<SettingCase> {};

TEST_P(ConfigLanguageSettingTest, GivesTheCode)
{
    EXPECT_EQ(config::languageCodeForSetting(GetParam().setting), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Settings, ConfigLanguageSettingTest,
                         ::testing::Values(SettingCase{"Czech", QString::fromUtf8("česky"), QByteArray("cs")},
                                           SettingCase{"German", QStringLiteral("deutsch"), QByteArray("de")},
                                           SettingCase{"English", QStringLiteral("english"), QByteArray("en")},
                                           SettingCase{"Spanish", QStringLiteral("espanol"), QByteArray("es")},
                                           SettingCase{"French", QStringLiteral("francais"), QByteArray("fr")},
                                           SettingCase{"Polish", QStringLiteral("polski"), QByteArray("pl")},
                                           SettingCase{"Slovak", QStringLiteral("slovensky"), QByteArray("sk")},
                                           SettingCase{"CzechWithoutAccent", QStringLiteral("cesky"), std::nullopt},
                                           SettingCase{"CzechCapitalised", QString::fromUtf8("Česky"), std::nullopt},
                                           SettingCase{"Capitalised", QStringLiteral("English"), std::nullopt},
                                           SettingCase{"LeadingBlank", QStringLiteral(" english"), std::nullopt},
                                           SettingCase{"CodeInsteadOfName", QStringLiteral("en"), std::nullopt},
                                           SettingCase{"Empty", QString(), std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

// The settings file holds the Czech name in Windows-1250, where "č" is the byte 0xE8.
TEST(ConfigLanguageSettingFile, CzechNameReadFromWindows1250File)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VELKOR.INI"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Velkor]\r\nLanguageDdf=\350esky\r\n");
    file.close();

    const platform::Profile settings(path);
    EXPECT_EQ(
        config::languageCodeForSetting(settings.readString(QStringLiteral("Velkor"), QStringLiteral("LanguageDdf"))),
        QByteArray("cs"));
}

} // namespace
