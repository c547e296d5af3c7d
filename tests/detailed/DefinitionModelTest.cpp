#include "detailed/DefinitionModel.h"
#include "DefinitionFiles.h"

#include <gtest/gtest.h>

#include <ostream>

using detailed::DefinitionModel;
using detailed::DefinitionOption;
using detailed::ItemKind;
using detailed::loadDefinition;
using detailed::longHintText;
using detailed::methodName;

namespace {

// Masks present, so that only the lines under test can add errors.
const QByteArray GoodMasks = "TST1=0\r\nTST2=0\r\nTST3=0\r\n";

class DetailedDefinitionTest : public ::testing::Test {
protected:
    DefinitionModel load(const QByteArray& definitions, const QByteArray& otherSections = {}, double scale = 1.0)
    {
        return loadDefinition(files.write("[Definitions]\r\n" + definitions + "\r\n" + otherSections), scale);
    }
    detailed_testing::DefinitionFiles files;
};

struct ItemCase {
    const char* name;
    const char* line;
    const char* item;
    ItemKind kind;
    int top, left, height, width;
    const char* caption;
    bool error;
};
void PrintTo(const ItemCase& c, std::ostream* os) { *os << c.name; }

class DetailedItemTest : public DetailedDefinitionTest, public ::testing::WithParamInterface<ItemCase> {};

TEST_P(DetailedItemTest, ReadsPlaceAndCaption)
{
    const ItemCase& c = GetParam();
    const DefinitionModel model = load(GoodMasks + c.line);
    ASSERT_EQ(model.items.size(), 1);
    const auto& item = model.items.front();
    EXPECT_EQ(item.name, QLatin1String(c.item));
    EXPECT_EQ(item.kind, c.kind);
    EXPECT_EQ(item.top, c.top);
    EXPECT_EQ(item.left, c.left);
    EXPECT_EQ(item.height, c.height);
    EXPECT_EQ(item.width, c.width);
    EXPECT_EQ(item.caption, QString::fromUtf8(c.caption));
    EXPECT_EQ(model.errors,
              c.error ? QStringLiteral("Error in ") + QLatin1String(c.item) + QStringLiteral("\r\n") : QString());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DetailedItemTest,
    ::testing::Values(
        ItemCase{"frame", "P03=10,0,50,200", "P03", ItemKind::Frame, 10, 0, 50, 200, "", false},
        ItemCase{"heading", "H10=5,12,Display", "H10", ItemKind::Heading, 5, 12, 0, 0, "Display", false},
        ItemCase{"label_keeps_comma_and_blanks", "L01=8,0,Range of the sensor, upper limit", "L01", ItemKind::Label, 8,
                 0, 0, 0, "Range of the sensor, upper limit", false},
        ItemCase{"label_text_ends_at_semicolon", "L50=8,0,Unit;ignored", "L50", ItemKind::Label, 8, 0, 0, 0, "Unit",
                 false},
        ItemCase{"display_value", "V20=84,200,121", "V20", ItemKind::Display, 84, 200, 0, 121, "", false},
        ItemCase{"editable_value", "E30=1 2 3", "E30", ItemKind::Editable, 1, 2, 0, 3, "", false},
        ItemCase{"method_argument", "Q10=1;2;3", "Q10", ItemKind::Argument, 1, 2, 0, 3, "", false},
        ItemCase{"option", "C02=0,72,145,1,T05", "C02", ItemKind::Option, 0, 72, 0, 145, "", false},
        ItemCase{"method_button", "B10=236,12", "B10", ItemKind::Method, 236, 12, 0, 0, "", false},
        ItemCase{"trailing_text_is_ignored", "E01=1,2,3,extra", "E01", ItemKind::Editable, 1, 2, 0, 3, "", false},
        ItemCase{"frame_missing_width", "P01=10,0,50", "P01", ItemKind::Frame, 10, 0, 50, 0, "", true},
        ItemCase{"blank_after_comma_stops_the_numbers", "P01=10, 0,50,200", "P01", ItemKind::Frame, 10, 0, 0, 0, "",
                 true},
        ItemCase{"heading_bad_top", "H01=x,5,Title", "H01", ItemKind::Heading, 0, 5, 0, 0, "Title", true},
        ItemCase{"label_without_caption", "L02=8,0", "L02", ItemKind::Label, 8, 0, 0, 0, "", false},
        ItemCase{"heading_without_text", "H01=10,20", "H01", ItemKind::Heading, 10, 20, 0, 0, "", false},
        ItemCase{"display_too_big", "V01=99999999999,1,2", "V01", ItemKind::Display, 0, 1, 0, 2, "", true},
        ItemCase{"option_without_list", "C01=1,2,3,1", "C01", ItemKind::Option, 1, 2, 0, 3, "", false},
        ItemCase{"button_without_left", "B02=12", "B02", ItemKind::Method, 12, 0, 0, 0, "", true}));

TEST_F(DetailedDefinitionTest, OptionBoxReadsFlagListAndOptions)
{
    const DefinitionModel model = load(GoodMasks + "C02=0,72,145,1,T05\r\n"
                                                   "C03=0,72,145,0,LEVELS\r\n"
                                                   "C05=0,72,145,2,T05\r\n",
                                       "[T05]\r\n"
                                       "9=Nine\r\n"
                                       "0=Off\r\n"
                                       "1=On_spare\r\n"
                                       "2=\r\n"
                                       "8=Eight;ignored\r\n"
                                       "07=leading zero\r\n"
                                       "256=beyond\r\n"
                                       "[LEV]\r\n"
                                       "0=short name\r\n"
                                       "[LEVELS]\r\n"
                                       "3=Low\r\n");
    const auto* c02 = model.item(QStringLiteral("C02"));
    ASSERT_NE(c02, nullptr);
    EXPECT_EQ(c02->writable, 1);
    EXPECT_EQ(c02->listSection, QStringLiteral("T05"));
    // Key order, not file order; a missing or empty key leaves no gap.
    EXPECT_EQ(c02->options, (QList<DefinitionOption>{{0, QStringLiteral("Off")},
                                                     {1, QStringLiteral("On")},
                                                     {8, QStringLiteral("Eight")},
                                                     {9, QStringLiteral("Nine")}}));
    // The list comes from the section named; templates keep only its first three characters.
    const auto* c03 = model.item(QStringLiteral("C03"));
    ASSERT_NE(c03, nullptr);
    EXPECT_EQ(c03->writable, 0);
    EXPECT_EQ(c03->listSection, QStringLiteral("LEV"));
    EXPECT_EQ(c03->options, (QList<DefinitionOption>{{3, QStringLiteral("Low")}}));
    // A flag other than 0 or 1 is a fault and counts as 0; the box keeps its list.
    const auto* c05 = model.item(QStringLiteral("C05"));
    ASSERT_NE(c05, nullptr);
    EXPECT_EQ(c05->writable, 0);
    EXPECT_EQ(c05->options.size(), 4);
    EXPECT_EQ(model.errors, QStringLiteral("Error in C05\r\n"));
}

TEST_F(DetailedDefinitionTest, PlacesAndFlagAreScaled)
{
    const DefinitionModel model =
        load(GoodMasks + "P03=10,0,50,200\r\nE01=3,5,121\r\nC01=0,0,145,1,T05\r\n", "[T05]\r\n0=Off\r\n", 1.5);
    const auto* frame = model.item(QStringLiteral("P03"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ((QList<int>{frame->top, frame->left, frame->height, frame->width}), (QList<int>{15, 0, 75, 300}));
    const auto* edit = model.item(QStringLiteral("E01"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ((QList<int>{edit->top, edit->left, edit->width}), (QList<int>{4, 8, 182})); // 4.5 → 4, 7.5 → 8
    EXPECT_EQ(model.scrollRange, 15 + 75 + 10);
    // The writable flag goes through the same scaled reader: 1 × 1.5 rounds to 2, which is no flag.
    EXPECT_EQ(model.item(QStringLiteral("C01"))->writable, 0);
    EXPECT_EQ(model.errors, QStringLiteral("Error in C01\r\n"));
}

TEST_F(DetailedDefinitionTest, ItemsComeInPoolOrderAndOnlyWhenDefined)
{
    const DefinitionModel model = load(GoodMasks + "B01=1,1\r\n"
                                                   "c01=1,1,1,1,T05\r\n" // names match without regard to case
                                                   "Q01=1,1,1\r\n"
                                                   "E01=1,1,1\r\n"
                                                   "V01=1,1,1\r\n"
                                                   "L01=1,1,x\r\n"
                                                   "H01=1,1,x\r\n"
                                                   "P01=1,1,1,1\r\n"
                                                   "E02=\r\n"      // empty: not defined
                                                   "V21=1,1,1\r\n" // beyond the pool
                                                   "L51=1,1,x\r\n"
                                                   "P00=1,1,1,1\r\n"
                                                   "X01=1,1\r\n");
    QStringList names;
    for (const auto& item : model.items)
        names.append(item.name);
    EXPECT_EQ(names, QStringList({QStringLiteral("P01"), QStringLiteral("H01"), QStringLiteral("L01"),
                                  QStringLiteral("V01"), QStringLiteral("E01"), QStringLiteral("Q01"),
                                  QStringLiteral("C01"), QStringLiteral("B01")}));
}

TEST_F(DetailedDefinitionTest, HintsOfTheKindsThatHaveThem)
{
    const DefinitionModel model = load(GoodMasks + "E05=1,1,1\r\nE05H=Zero|Sets the zero point.\\NUse with care\r\n"
                                                   "B01=1,1\r\nb01h=Run\r\n"
                                                   "L01=1,1,Text\r\nL01H=never shown\r\n"
                                                   "V01=1,1,1\r\n");
    EXPECT_EQ(model.item(QStringLiteral("E05"))->hint, QStringLiteral("Zero|Sets the zero point.\\NUse with care"));
    EXPECT_EQ(model.item(QStringLiteral("B01"))->hint, QStringLiteral("Run"));
    EXPECT_TRUE(model.item(QStringLiteral("L01"))->hint.isEmpty());
    EXPECT_TRUE(model.item(QStringLiteral("V01"))->hint.isEmpty());
}

TEST_F(DetailedDefinitionTest, ScrollRangeReachesBelowTheLowestFrame)
{
    EXPECT_EQ(load(GoodMasks + "P03=10,0,50,200\r\n").scrollRange, 70);
    EXPECT_EQ(load(GoodMasks + "P01=300,0,50,200\r\nP02=10,0,500,200\r\nP03=5,0,5,5\r\n").scrollRange, 520);
    // Only frames count: other items far below leave the area without a scroll range.
    EXPECT_EQ(load(GoodMasks + "E01=900,0,121\r\nL01=700,0,Far\r\n").scrollRange, 0);
}

TEST_F(DetailedDefinitionTest, ErrorsInReadingOrder)
{
    const DefinitionModel model = load("TST2=7\r\nB01=1\r\nP01=1,2\r\nC01=1,1,1,1,T05\r\nL03=1\r\n");
    EXPECT_EQ(model.errors, QStringLiteral("Error in TST1\r\nError in TST3\r\nError in P01\r\nError in L03\r\n"
                                           "Error in B01\r\n"));
    EXPECT_EQ(model.selfTestMasks[1], 7);
}

TEST_F(DetailedDefinitionTest, MainWindowTextsWithTheirDefaults)
{
    const DefinitionModel defaults = load(GoodMasks + "UOV=\r\n");
    EXPECT_EQ(defaults.lowerOutputLabel, QStringLiteral("4 mA"));
    EXPECT_EQ(defaults.upperOutputLabel, QStringLiteral("20 mA"));
    EXPECT_EQ(defaults.lowerOutputDefault, QStringLiteral("4.00"));
    EXPECT_EQ(defaults.upperOutputDefault, QStringLiteral("20.00"));
    EXPECT_EQ(defaults.fixOffValue, QStringLiteral("0.00"));

    const DefinitionModel own = load(GoodMasks + "LOV=3.8 mA\r\nUOV=20.5 mA\r\nLDV=3.80\r\nUDV=20.50\r\nDZV=-1\r\n");
    EXPECT_EQ(own.lowerOutputLabel, QStringLiteral("3.8 mA"));
    EXPECT_EQ(own.upperOutputLabel, QStringLiteral("20.5 mA"));
    EXPECT_EQ(own.lowerOutputDefault, QStringLiteral("3.80"));
    EXPECT_EQ(own.upperOutputDefault, QStringLiteral("20.50"));
    EXPECT_EQ(own.fixOffValue, QStringLiteral("-1"));
}

struct MaskCase {
    const char* name;
    const char* lines;
    quint16 masks[3];
    const char* errors;
};
void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.name; }

class DetailedMaskTest : public DetailedDefinitionTest, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(DetailedMaskTest, EachMaskIsJudgedByItself)
{
    const MaskCase& c = GetParam();
    const DefinitionModel model = load(c.lines);
    EXPECT_EQ(model.selfTestMasks[0], c.masks[0]);
    EXPECT_EQ(model.selfTestMasks[1], c.masks[1]);
    EXPECT_EQ(model.selfTestMasks[2], c.masks[2]);
    EXPECT_EQ(model.errors, QString::fromUtf8(c.errors));
}

INSTANTIATE_TEST_SUITE_P(
    Masks, DetailedMaskTest,
    ::testing::Values(MaskCase{"all_good", "TST1=1\r\nTST2=0\r\nTST3=65535", {1, 0, 65535}, ""},
                      MaskCase{"all_missing", "", {0, 0, 0}, "Error in TST1\r\nError in TST2\r\nError in TST3\r\n"},
                      MaskCase{"second_missing", "TST1=4\r\nTST3=8", {4, 0, 8}, "Error in TST2\r\n"},
                      MaskCase{"empty_value", "TST1=\r\nTST2=1\r\nTST3=1", {0, 1, 1}, "Error in TST1\r\n"},
                      MaskCase{"not_a_number", "TST1=1\r\nTST2=0x10\r\nTST3=1", {1, 0, 1}, "Error in TST2\r\n"},
                      MaskCase{"above_16_bits", "TST1=65536\r\nTST2=1\r\nTST3=1", {0, 1, 1}, "Error in TST1\r\n"},
                      MaskCase{"negative", "TST1=1\r\nTST2=1\r\nTST3=-1", {1, 1, 0}, "Error in TST3\r\n"},
                      MaskCase{"only_first_token_counts", "TST1=12 34\r\nTST2=1\r\nTST3=1", {12, 1, 1}, ""}));

struct CodeListCase {
    const char* name;
    const char* line;
    std::optional<QList<int>> codes;
};
void PrintTo(const CodeListCase& c, std::ostream* os) { *os << c.name; }

class DetailedCodeListTest : public DetailedDefinitionTest, public ::testing::WithParamInterface<CodeListCase> {};

TEST_P(DetailedCodeListTest, NumbersUpToTheFirstFault)
{
    const CodeListCase& c = GetParam();
    const DefinitionModel units = load(GoodMasks + QByteArray("Units=") + c.line);
    EXPECT_EQ(units.units, c.codes);
    EXPECT_EQ(units.transferFunctions, std::nullopt);
    const DefinitionModel functions = load(GoodMasks + QByteArray("TransferFunction=") + c.line);
    EXPECT_EQ(functions.transferFunctions, c.codes);
    EXPECT_EQ(functions.units, std::nullopt);
    // The end of the list is silent.
    EXPECT_TRUE(units.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Lists, DetailedCodeListTest,
                         ::testing::Values(CodeListCase{"blanks", "1 2 7", QList<int>{1, 2, 7}},
                                           CodeListCase{"blank_after_comma_ends", "1, 2", QList<int>{1}},
                                           CodeListCase{"every_separator", "3_4;5,6", QList<int>{3, 4, 5, 6}},
                                           CodeListCase{"letters_end", "1 x 2", QList<int>{1}},
                                           CodeListCase{"present_but_empty", "", QList<int>{}}));

TEST_F(DetailedDefinitionTest, TemplateSectionsGiveStepCountsAndWriteCommands)
{
    const DefinitionModel model = load(GoodMasks, "[READ]\r\n1=0\r\n2=\r\n5=3\r\n51=13\r\n"
                                                  "[WRITE]\r\n1=255_W130_C02_E01\r\n2=34\r\n");
    EXPECT_EQ(model.readStepCount, 5);
    EXPECT_EQ(model.writeStepCount, 2);
    EXPECT_EQ(model.writeCommands, (QSet<int>{255, 34}));

    const DefinitionModel none = load(GoodMasks);
    EXPECT_EQ(none.readStepCount, 0);
    EXPECT_EQ(none.writeStepCount, 0);
    EXPECT_TRUE(none.writeCommands.isEmpty());

    const DefinitionModel full = load(GoodMasks, "[WRITE]\r\n50=17\r\n3=x18\r\n4=18_note\r\n");
    EXPECT_EQ(full.writeStepCount, 50);
    EXPECT_EQ(full.writeCommands, (QSet<int>{17, 0, 18})); // a leading token that is no number is 0
}

TEST_F(DetailedDefinitionTest, TextsAreWindows1250)
{
    const DefinitionModel model = load(GoodMasks + "L01=1,1,Teplota \xB0"
                                                   "C\r\n"); // 0xB0 is the degree sign
    EXPECT_EQ(model.item(QStringLiteral("L01"))->caption, QString::fromUtf8("Teplota \u00B0C"));
}

TEST_F(DetailedDefinitionTest, MissingFileGivesNothing)
{
    const DefinitionModel model = loadDefinition(files.missing(), 1.0);
    EXPECT_FALSE(model.found);
    EXPECT_TRUE(model.items.isEmpty());
    EXPECT_TRUE(model.errors.isEmpty());
    EXPECT_TRUE(load("").found);
}

struct HintCase {
    const char* name;
    const char* hint;
    const char* shown;
};
void PrintTo(const HintCase& c, std::ostream* os) { *os << c.name; }

class DetailedLongHintTest : public ::testing::TestWithParam<HintCase> {};

TEST_P(DetailedLongHintTest, LongPartWithOneLineBreak)
{
    EXPECT_EQ(longHintText(QString::fromUtf8(GetParam().hint)), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Hints, DetailedLongHintTest,
    ::testing::Values(HintCase{"two_parts", "Zero|Sets the zero point.\\NUse with care",
                               "Sets the zero point.\r\nUse with care"},
                      HintCase{"no_bar_is_all_long", "Just text", "Just text"},
                      HintCase{"only_the_first_bar_splits", "s|l1|l2", "l1|l2"},
                      HintCase{"only_the_first_break", "a\\Nb\\Nc", "a\r\nb\\Nc"},
                      HintCase{"small_n_without_capital", "x|a\\nb\\nc", "a\r\nb\\nc"},
                      HintCase{"capital_n_wins_over_an_earlier_small_one", "a\\nb\\Nc", "a\\nb\r\nc"},
                      HintCase{"backslash_runs_end_as_one", "C:\\\\\\temp\\\\x", "C:\\temp\\x"},
                      HintCase{"doubled_backslash_before_n", "a\\\\N", "a\\\r\n"}, HintCase{"empty", "", ""}));

TEST_F(DetailedDefinitionTest, MethodNameFallsBackToTheSection)
{
    const QString path = files.write("[B03METHOD]\r\n1=42\r\n[B04METHOD]\r\nname=Device reset\r\n1=42\r\n");
    EXPECT_EQ(methodName(path, QStringLiteral("B03METHOD")), QStringLiteral("B03METHOD"));
    EXPECT_EQ(methodName(path, QStringLiteral("B04METHOD")), QStringLiteral("Device reset"));
    EXPECT_EQ(methodName(path, QStringLiteral("B05METHOD")), QStringLiteral("B05METHOD"));
    EXPECT_EQ(methodName(files.missing(), QStringLiteral("B01METHOD")), QStringLiteral("B01METHOD"));
}

} // namespace
