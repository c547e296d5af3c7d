#include "detailed/Conditions.h"
#include "DefinitionFiles.h"

#include <QHash>
#include <gtest/gtest.h>

#include <ostream>

using detailed::conditionsOk;

namespace {

const QByteArray OptionLists = "[T05]\r\n0=Off\r\n1=On_spare\r\n2=Auto\r\n"
                               "[T06]\r\n0=Zero\r\n1=One\r\n"
                               "[T07]\r\n0=Same\r\n5=Same\r\n";

struct ConditionCase {
    const char* name;
    const char* conditions; // the lines of [Conditions]
    // "T05=On;T06=Zero": the texts the combo boxes of these lists show; other lists have no box.
    const char* shown;
    bool allowed;
    const char* errors;
};
void PrintTo(const ConditionCase& c, std::ostream* os) { *os << c.name; }

class DetailedConditionsTest : public ::testing::TestWithParam<ConditionCase> {
protected:
    detailed_testing::DefinitionFiles files;
};

TEST_P(DetailedConditionsTest, SelectionAgainstTheAllowedLines)
{
    const ConditionCase& c = GetParam();
    const QString path = files.write(OptionLists + "[Conditions]\r\n" + c.conditions + "\r\n");
    QHash<QString, QString> shown;
    for (const QString& pair : QString::fromUtf8(c.shown).split(u';', Qt::SkipEmptyParts))
        shown.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    const auto shownOption = [&](const QString& list) -> std::optional<QString> {
        if (!shown.contains(list)) return std::nullopt;
        return shown.value(list);
    };
    QString errors = QStringLiteral("before\r\n");
    EXPECT_EQ(conditionsOk(path, shownOption, errors), c.allowed);
    EXPECT_EQ(errors, QStringLiteral("before\r\n") + QString::fromUtf8(c.errors));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DetailedConditionsTest,
    ::testing::Values(ConditionCase{"first_line_holds", "1=T05001_T06000\r\n2=T05000", "T05=On;T06=Zero", true, ""},
                      ConditionCase{"no_line_holds", "1=T05001_T06000\r\n2=T05000", "T05=On;T06=One", false, ""},
                      ConditionCase{"second_line_holds_whatever_the_other_box", "1=T05001_T06000\r\n2=T05000",
                                    "T05=Off;T06=One", true, ""},
                      ConditionCase{"option_in_no_line", "1=T05001_T06000\r\n2=T05000", "T05=Auto;T06=Zero", false, ""},
                      ConditionCase{"several_codes_in_one_token", "1=T05000001002", "T05=Auto", true, ""},
                      ConditionCase{"semicolon_separates_tokens", "1=T05001;T06001", "T05=On;T06=One", true, ""},
                      ConditionCase{"without_line_1_all_is_allowed", "2=T05001", "T05=Off", true, ""},
                      ConditionCase{"missing_line_in_between_is_skipped", "1=T05002\r\n3=T05001", "T05=On", true, ""},
                      ConditionCase{"short_line_holds", "1=T05\r\n2=T05002", "T05=On", true, ""},
                      ConditionCase{"short_rest_is_ignored", "1=T05001_T06", "T05=On;T06=One", true, ""},
                      ConditionCase{"last_option_of_equal_texts_wins", "1=T07005", "T07=Same", true, ""},
                      ConditionCase{"earlier_option_of_equal_texts_loses", "1=T07000", "T07=Same", false, ""},
                      ConditionCase{"text_of_no_option_is_code_252", "1=T05252", "T05=Elsewhere", true, ""},
                      ConditionCase{"list_without_box_is_not_satisfied", "1=X99001", "T05=On", false, ""},
                      ConditionCase{"list_without_box_is_not_even_code_252", "1=X99252", "T05=On", false, ""},
                      ConditionCase{"code_not_a_number", "1=T0500x", "T05=Off", false, "Cond. line 1 T05\r\n"},
                      ConditionCase{"codes_not_whole", "1=T050011", "T05=On", true, "Cond. line 1 T05\r\n"},
                      ConditionCase{"each_faulty_token_reported", "1=T05001_T06x01\r\n3=T0600_T05000", "T05=On;T06=One",
                                    false, "Cond. line 1 T06\r\nCond. line 3 T06\r\n"},
                      ConditionCase{"faults_reported_also_without_box", "1=X9900x", "", false,
                                    "Cond. line 1 X99\r\n"}));

TEST(DetailedConditionsFileTest, NoFileOrNoConditionsAllowsAll)
{
    detailed_testing::DefinitionFiles files;
    int asked = 0;
    const auto shownOption = [&](const QString&) -> std::optional<QString> {
        ++asked;
        return std::nullopt;
    };
    QString errors;
    EXPECT_TRUE(conditionsOk(files.missing(), shownOption, errors));
    EXPECT_TRUE(conditionsOk(files.write(OptionLists), shownOption, errors));
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(errors.isEmpty());
}

} // namespace
