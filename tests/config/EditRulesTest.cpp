// What an edit keeps of a change: the caret rule when typing past the end, one pass for a long paste,
// no control characters, and in packed-ASCII and Latin-1 texts only what the device can store.
#include "config/EditRules.h"

#include <gtest/gtest.h>

using config::EditRule;

namespace {

struct EditCase {
    const char* name;
    QString text; // the text after the change
    int caret;    // the caret after the change
    EditRule rule;
    QString kept; // empty with keptCaret -1: the text stands
    int keptCaret;
    bool refused;
};
void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

class EditRuleTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditRuleTest, KeepsWhatTheFieldMayHold)
{
    const EditCase& c = GetParam();
    const auto outcome = config::applyEditRule(c.text, c.caret, c.rule);
    if (c.keptCaret < 0) {
        EXPECT_FALSE(outcome.has_value());
        return;
    }
    ASSERT_TRUE(outcome.has_value());
    EXPECT_EQ(outcome->text, c.kept);
    EXPECT_EQ(outcome->caret, c.keptCaret);
    EXPECT_EQ(outcome->refused, c.refused);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, EditRuleTest,
    ::testing::Values(
        EditCase{"within_the_limit", QStringLiteral("PT-101"), 6, config::TagRule, {}, -1, false},
        EditCase{"ninth_character_typed_at_the_end", QStringLiteral("ABCDEFGHX"), 9, config::TagRule,
                 QStringLiteral("ABCDEFGH"), 8, false},
        EditCase{"ninth_character_typed_in_the_middle", QStringLiteral("ABCXDEFGH"), 4, config::TagRule,
                 QStringLiteral("ABCDEFGH"), 3, false},
        EditCase{"long_paste_keeps_its_beginning", QString(50000, u'A') + QStringLiteral("Z"), 50001, config::TagRule,
                 QStringLiteral("AAAAAAAA"), 8, false},
        EditCase{"paste_before_the_rest", QStringLiteral("12345678") + QStringLiteral("AB"), 8, config::TagRule,
                 QStringLiteral("12345678").left(6) + QStringLiteral("AB"), 6, false},
        EditCase{"line_break_in_a_number", QStringLiteral("900\r\n55"), 7, config::ValueRule, QStringLiteral("90055"),
                 5, false},
        EditCase{"tab_before_the_caret_moves_it", QStringLiteral("\t12"), 1, config::ValueRule, QStringLiteral("12"), 0,
                 false},
        EditCase{"accents_left_out_of_a_message", QString::fromUtf8("\xc5\xbdlu\xc5\xa5ou\xc4\x8dk\xc3\xbd"), 9,
                 config::MessageRule, QStringLiteral("luouk"), 5, true},
        EditCase{"small_letters_and_signs_are_stored",
                 QStringLiteral("pump #3 [a]_"),
                 12,
                 config::MessageRule,
                 {},
                 -1,
                 false},
        EditCase{"braces_and_tilde_are_not", QStringLiteral("a{b}~"), 5, config::DescriptorRule, QStringLiteral("ab"),
                 2, true},
        EditCase{"accents_allowed_in_other_fields", QString::fromUtf8("\xc5\xbd"), 1, config::ValueRule, {}, -1, false},
        // The long tag: Latin-1 as far as Windows-1250 has it; a Czech letter and an n with tilde are left out.
        EditCase{"long_tag_keeps_small_letters_and_latin1_accents",
                 QString::fromUtf8("Stra\xc3\x9f"
                                   "e \xc3\xa4"),
                 8,
                 config::LongTagRule,
                 {},
                 -1,
                 false},
        EditCase{"long_tag_leaves_out_what_latin1_or_the_link_lacks",
                 QString::fromUtf8("\xc4\x8c"
                                   "a\xc3\xb1"
                                   "a"),
                 4, config::LongTagRule, QStringLiteral("aa"), 2, true}));

} // namespace
