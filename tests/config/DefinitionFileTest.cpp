#include "config/DefinitionFile.h"

#include <gtest/gtest.h>

#include <ostream>

using config::deviceDefinitionPath;

namespace {

const QString folder = QStringLiteral("/opt/tarvik/");

TEST(ConfigDefinitionPath, JoinsFolderIdentityAndSuffix)
{
    EXPECT_EQ(deviceDefinitionPath(folder, QStringLiteral("Velkor"), QStringLiteral("PT 100"), QStringLiteral("3"),
                                   QStringLiteral("-EN.DDF")),
              QStringLiteral("/opt/tarvik/Velkor-PT 100-3-EN.DDF"));
    // Without a suffix (a record made without a definition file) the name ends with the revision.
    EXPECT_EQ(deviceDefinitionPath(folder, QStringLiteral("Velkor"), QStringLiteral("PT100"), QStringLiteral("3"), {}),
              QStringLiteral("/opt/tarvik/Velkor-PT100-3"));
    // Single dots and accented letters are ordinary name characters.
    EXPECT_EQ(deviceDefinitionPath(folder, QString::fromUtf8("M\u011B\u0159en\u00ED s.r.o."), QStringLiteral("v1.0"),
                                   QStringLiteral("2"), QStringLiteral("-CZ.DDF")),
              folder + QString::fromUtf8("M\u011B\u0159en\u00ED s.r.o.-v1.0-2-CZ.DDF"));
}

struct BadCase {
    const char* name;
    QString text;
};
void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class ConfigDefinitionPathRefusedTest : public ::testing::TestWithParam<BadCase> {};

// Whichever of the three identity texts carries it, the device gets no definition file.
TEST_P(ConfigDefinitionPathRefusedTest, InAnyIdentityText)
{
    const QString good = QStringLiteral("X");
    const QString& bad = GetParam().text;
    const QString suffix = QStringLiteral("-EN.DDF");
    EXPECT_TRUE(deviceDefinitionPath(folder, bad, good, good, suffix).isEmpty()) << "manufacturer";
    EXPECT_TRUE(deviceDefinitionPath(folder, good, bad, good, suffix).isEmpty()) << "type";
    EXPECT_TRUE(deviceDefinitionPath(folder, good, good, bad, suffix).isEmpty()) << "revision";
    EXPECT_FALSE(deviceDefinitionPath(folder, good, good, good, suffix).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ConfigDefinitionPathRefusedTest,
    ::testing::Values(BadCase{"ParentFolder", QStringLiteral("..")},
                      BadCase{"ParentPrefix", QStringLiteral("../../etc/passwd")},
                      BadCase{"DotsInside", QStringLiteral("a..b")}, BadCase{"Slash", QStringLiteral("a/b")},
                      BadCase{"LeadingSlash", QStringLiteral("/etc")}, BadCase{"Backslash", QStringLiteral("a\\b")},
                      BadCase{"Tab", QStringLiteral("a\tb")}, BadCase{"LineFeed", QStringLiteral("a\nb")},
                      BadCase{"Nul", QString(QChar(0)) + u'a'}, BadCase{"Unit31", QString(QChar(0x1F))},
                      BadCase{"Delete", QStringLiteral("a") + QChar(0x7F)}, BadCase{"Empty", QString()},
                      BadCase{"Blanks", QStringLiteral("   ")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
