#include "config/CodeTables.h"
#include "config/DeviceState.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

using config::codeTableNames;

namespace {

class ConfigCodeTableTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes, const char* name = "TABEN.DDF") const
    {
        const QString path = dir.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(ConfigCodeTableTest, ListFollowsKeyOrderNotFileOrder)
{
    const QString path = write("[Units]\r\n7=bar\r\n0=kPa\r\n2=mbar\r\n[TransferFunction]\r\n1=Square root\r\n");
    EXPECT_EQ(codeTableNames(path, QStringLiteral("Units")),
              (QStringList{QStringLiteral("kPa"), QStringLiteral("mbar"), QStringLiteral("bar")}));
    EXPECT_EQ(codeTableNames(path, QStringLiteral("TransferFunction")), QStringList{QStringLiteral("Square root")});
}

TEST_F(ConfigCodeTableTest, EmptyValuesAndKeysOutsideTheCodesAreSkipped)
{
    const QString path = write("[Units]\n"
                               "1=\n"
                               "3=   \n"
                               "4=psi\n"
                               "-1=negative\n"
                               "256=beyond\n"
                               "x=letters\n"
                               "255=last\n");
    EXPECT_EQ(codeTableNames(path, QStringLiteral("Units")),
              (QStringList{QStringLiteral("psi"), QStringLiteral("last")}));
}

TEST_F(ConfigCodeTableTest, NamesAreWindows1250)
{
    const QString path = write("[Units]\r\n32=\260C\r\n33=\260F\r\n"); // "°" is the byte 0xB0
    EXPECT_EQ(codeTableNames(path, QStringLiteral("Units")),
              (QStringList{QString::fromUtf8("\u00B0C"), QString::fromUtf8("\u00B0F")}));
}

TEST_F(ConfigCodeTableTest, MissingFileSectionOrNameGivesEmptyList)
{
    EXPECT_TRUE(codeTableNames(dir.filePath(QStringLiteral("TABXX.DDF")), QStringLiteral("Units")).isEmpty());
    // With no language configured the table's name is empty and only the folder remains.
    EXPECT_TRUE(codeTableNames(dir.path() + u'/', QStringLiteral("Units")).isEmpty());
    const QString path = write("[READ]\r\n1=0\r\n");
    EXPECT_TRUE(codeTableNames(path, QStringLiteral("Units")).isEmpty());
    EXPECT_TRUE(codeTableNames(path, QStringLiteral("Units"), {0, 1}).isEmpty());
}

TEST_F(ConfigCodeTableTest, ChosenCodesInTheirOwnOrderSkippingWhatTheTableLacks)
{
    const QString path = write("[Units]\r\n0=kPa\r\n2=mbar\r\n3=\r\n7=bar\r\n300=beyond\r\n");
    EXPECT_EQ(codeTableNames(path, QStringLiteral("Units"), {7, 5, 0, 3, 300, -1, 2}),
              (QStringList{QStringLiteral("bar"), QStringLiteral("kPa"), QStringLiteral("mbar")}));
    EXPECT_TRUE(codeTableNames(path, QStringLiteral("Units"), {}).isEmpty());
}

struct StepCase {
    const char* name;
    const char* content;
    int steps;
};
void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }

class ConfigTemplateStepsTest : public ConfigCodeTableTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(ConfigTemplateStepsTest, HighestNonEmptyKey)
{
    const QString path = write(GetParam().content);
    EXPECT_EQ(config::templateStepCount(path, QStringLiteral("READ")), GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(Sections, ConfigTemplateStepsTest,
                         ::testing::Values(StepCase{"Consecutive", "[READ]\n1=13\n2=15\n3=14\n", 3},
                                           StepCase{"GapsCountUpToTheHighest", "[READ]\n1=13\n5=15\n", 5},
                                           StepCase{"FileOrderDoesNotMatter", "[READ]\n9=13\n2=15\n", 9},
                                           StepCase{"KeyFifty", "[READ]\n1=13\n50=15\n", 50},
                                           StepCase{"KeysBeyondFiftyIgnored", "[READ]\n2=13\n51=15\n99=16\n", 2},
                                           StepCase{"OnlyBeyondFifty", "[READ]\n51=15\n", 0},
                                           StepCase{"KeyZeroIsNoStep", "[READ]\n0=13\n", 0},
                                           StepCase{"TrailingEmptyTemplates", "[READ]\n1=13\n2=15\n3=\n4=  \n", 2},
                                           StepCase{"OtherSectionOnly", "[WRITE]\n1=17\n", 0},
                                           StepCase{"NoFileContent", "", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigCodeTableTest, TemplateStepsOfAMissingFileAreNone)
{
    EXPECT_EQ(config::templateStepCount(dir.filePath(QStringLiteral("none.DDF")), QStringLiteral("WRITE")), 0);
}

// A list of the device state selects the entry a device or a record names; a name the table lacks is
// the device's own entry after the table's, never another unit.
struct SelectCase {
    const char* name;
    QStringList entries;
    QString text;
    int index;
    int own; // the index of the device's own entry, -1 without one
};
void PrintTo(const SelectCase& c, std::ostream* os) { *os << c.name; }

class ConfigListSelectionTest : public ::testing::TestWithParam<SelectCase> {};

TEST_P(ConfigListSelectionTest, SelectsByName)
{
    config::DeviceState state;
    state.setEntries(config::Control::Jednotky, GetParam().entries, -1);
    state.setText(config::Control::Jednotky, GetParam().text);
    EXPECT_EQ(state.selected(config::Control::Jednotky), GetParam().index);
    EXPECT_EQ(state.ownEntry(config::Control::Jednotky), GetParam().own);
    EXPECT_EQ(state.text(config::Control::Jednotky), GetParam().text) << "the text shown is the text given";
    EXPECT_EQ(state.fromTable(config::Control::Jednotky), GetParam().index >= 0 && GetParam().own < 0);
}

const QStringList units{QStringLiteral("kPa"), QStringLiteral("bar"), QStringLiteral("mbar"), QStringLiteral("bar"),
                        QStringLiteral("psi")};

INSTANTIATE_TEST_SUITE_P(Lists, ConfigListSelectionTest,
                         ::testing::Values(SelectCase{"EmptyList", {}, QStringLiteral("bar"), 0, 0},
                                           SelectCase{"NoMatchIsTheDevicesOwn", units, QStringLiteral("inH2O"), 5, 5},
                                           SelectCase{"UnknownCode", units, QStringLiteral("Unknown (75)"), 5, 5},
                                           SelectCase{"FirstEntry", units, QStringLiteral("kPa"), 0, -1},
                                           SelectCase{"LastEntry", units, QStringLiteral("psi"), 4, -1},
                                           SelectCase{"DuplicateLastWins", units, QStringLiteral("bar"), 3, -1},
                                           SelectCase{"ExactCase", units, QStringLiteral("KPA"), 5, 5},
                                           SelectCase{"NoTrimming", units, QStringLiteral("psi "), 5, 5},
                                           SelectCase{"EmptyTextSelectsNothing", units, QString(), -1, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

// The device's own entry is this device's: a table name given later, or new table entries (another device
// is read), take it away; the user's pick of another entry keeps it to go back to.
TEST(ConfigListSelection, TheOwnEntryGoesWithTheDevice)
{
    using config::Control;
    config::DeviceState state;
    state.setEntries(Control::Jednotky, units, -1);
    state.setText(Control::Jednotky, QStringLiteral("Unknown (75)"));
    state.pick(Control::Jednotky, 0);
    EXPECT_EQ(state.entries(Control::Jednotky), units + QStringList{QStringLiteral("Unknown (75)")});
    EXPECT_TRUE(state.changes.UnitsChanged);
    state.setText(Control::Jednotky, QStringLiteral("psi"));
    EXPECT_EQ(state.entries(Control::Jednotky), units);
    state.setText(Control::Jednotky, QStringLiteral("Unknown (75)"));
    state.setEntries(Control::Jednotky, units, -1);
    EXPECT_EQ(state.ownEntry(Control::Jednotky), -1);
    EXPECT_TRUE(state.text(Control::Jednotky).isEmpty());
}

} // namespace
