#include "detailed/TokenReaders.h"
#include "DefinitionFiles.h"

#include <gtest/gtest.h>

#include <ostream>

using detailed::TakeNumber;
using detailed::TakeScaledNumber;
using detailed::TakeText;

namespace {

struct NumberCase {
    const char* name;
    const char* value;
    int number;
    const char* rest;
    bool error;
};
void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }

class DetailedTakeNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(DetailedTakeNumberTest, TakesOneTokenOffTheFront)
{
    const NumberCase& c = GetParam();
    // The flag is only ever set: a good token leaves an earlier error standing.
    for (const bool before : {false, true}) {
        QString value = QString::fromUtf8(c.value);
        bool error = before;
        EXPECT_EQ(TakeNumber(value, error), c.number);
        EXPECT_EQ(value, QString::fromUtf8(c.rest));
        EXPECT_EQ(error, before || c.error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, DetailedTakeNumberTest,
    ::testing::Values(NumberCase{"comma", "10,20", 10, "20", false}, NumberCase{"blank", "10 20", 10, "20", false},
                      NumberCase{"underscore", "10_20", 10, "20", false},
                      NumberCase{"semicolon", "10;20", 10, "20", false}, NumberCase{"whole_rest", "42", 42, "", false},
                      NumberCase{"negative", "-5,1", -5, "1", false},
                      NumberCase{"tabs_are_trimmed", "\t7\t,1", 7, "1", false},
                      NumberCase{"only_one_separator_dropped", "10,,20", 10, ",20", false},
                      NumberCase{"largest_int", "2147483647", 2147483647, "", false},
                      NumberCase{"letters_are_consumed_as_zero", "1x,20", 0, "20", true},
                      NumberCase{"decimal_point_is_no_integer", "1.5_2", 0, "2", true},
                      NumberCase{"too_big_for_an_int", "2147483648;3", 0, "3", true},
                      NumberCase{"sign_alone", "-,3", 0, "3", true}, NumberCase{"empty_value", "", 0, "", true},
                      NumberCase{"separator_first_consumes_nothing", ",20", 0, ",20", true},
                      NumberCase{"blank_after_comma_is_an_empty_token", " 20", 0, " 20", true}));

struct TextCase {
    const char* name;
    const char* value;
    const char* text;
    const char* rest;
    bool error;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class DetailedTakeTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(DetailedTakeTextTest, TakesOneTokenOffTheFront)
{
    const TextCase& c = GetParam();
    for (const bool before : {false, true}) {
        QString value = QString::fromUtf8(c.value);
        bool error = before;
        EXPECT_EQ(TakeText(value, error), QString::fromUtf8(c.text));
        EXPECT_EQ(value, QString::fromUtf8(c.rest));
        EXPECT_EQ(error, before || c.error);
    }
}

INSTANTIATE_TEST_SUITE_P(Tokens, DetailedTakeTextTest,
                         ::testing::Values(TextCase{"commas_and_blanks_belong_to_the_text",
                                                    "Range of the sensor, upper limit",
                                                    "Range of the sensor, upper limit", "", false},
                                           TextCase{"underscore_ends", "T05_E01", "T05", "E01", false},
                                           TextCase{"semicolon_ends", "W130;E01_C02", "W130", "E01_C02", false},
                                           TextCase{"trimmed", "  On  _spare", "On", "spare", false},
                                           TextCase{"blank_is_no_separator", "10 20", "10 20", "", false},
                                           TextCase{"empty_value", "", "", "", true},
                                           TextCase{"separator_first_is_consumed", "_E01", "", "E01", true},
                                           TextCase{"blanks_only", "   ;x", "", "x", true}));

struct ScaleCase {
    const char* name;
    const char* value;
    double scale;
    int result;
    bool error;
};
void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.name; }

class DetailedTakeScaledNumberTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(DetailedTakeScaledNumberTest, RoundsHalfToEven)
{
    const ScaleCase& c = GetParam();
    QString value = QString::fromUtf8(c.value);
    bool error = false;
    EXPECT_EQ(TakeScaledNumber(value, error, c.scale), c.result);
    EXPECT_EQ(error, c.error);
}

INSTANTIATE_TEST_SUITE_P(Tokens, DetailedTakeScaledNumberTest,
                         ::testing::Values(ScaleCase{"design_scale", "200,1", 1.0, 200, false},
                                           ScaleCase{"enlarged", "200", 1.25, 250, false},
                                           ScaleCase{"rounds_down_below_half", "1", 1.3, 1, false},
                                           ScaleCase{"rounds_up_above_half", "1", 1.7, 2, false},
                                           ScaleCase{"half_to_even_down", "5", 0.5, 2, false},
                                           ScaleCase{"half_to_even_up", "7", 0.5, 4, false},
                                           ScaleCase{"negative_half_to_even", "-3", 0.5, -2, false},
                                           ScaleCase{"error_gives_zero", "x", 2.0, 0, true}));

} // namespace
