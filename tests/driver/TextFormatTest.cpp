#include "codec/TextFormat.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

using namespace codec;

namespace {

TEST(FormatNumber, PlainShortestText)
{
    const std::pair<float, const char*> cases[] = {
        {20.0f, "20"}, {0.25f, "0.25"},           {12.5f, "12.5"},       {0.1f, "0.1"}, {-100.0f, "-100"},
        {-0.0f, "0"},  {10000000.0f, "10000000"}, {1.5e-5f, "0.000015"}, {3.6f, "3.6"}, {1234.567f, "1234.567"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(formatNumber(value), QString::fromLatin1(text)) << text;
    // Only where the plain form would not fit 32 characters, the exponent form.
    EXPECT_EQ(formatNumber(FLT_MAX), QStringLiteral("3.4028235e+38"));
    EXPECT_EQ(formatNumber(1e-31f), QStringLiteral("1e-31"));
    EXPECT_EQ(formatNumber(std::nanf("")), QStringLiteral("NaN"));
}

TEST(FormatOnlineValues, RoundedForReadingNeverInExponentForm)
{
    struct Case {
        QString (*format)(float);
        float value;
        const char* text;
    };
    const Case cases[] = {
        {formatCurrent, 12.789295f, "12.789"},    {formatCurrent, 4.0f, "4.000"},
        {formatCurrent, 3.9999f, "4.000"},        {formatCurrent, -0.0004f, "0.000"},
        {formatPercent, 54.655178f, "54.66"},     {formatPercent, -1.25f, "-1.25"},
        {formatMeasured, 549.33093f, "549.33"},   {formatMeasured, 24.5f, "24.500"},
        {formatMeasured, 123456.7f, "123457"},    {formatMeasured, -0.0123456f, "-0.012346"},
        {formatMeasured, 0.0f, "0.0000"},         {formatMeasured, 1e-7f, "0.0000001000"},
        {formatMeasured, 1e-20f, "0.0000000000"}, {formatMeasured, 1e20f, "100000002004087734272"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.format(c.value), QString::fromLatin1(c.text)) << c.text;
    for (auto format : {formatCurrent, formatPercent, formatMeasured})
        EXPECT_EQ(format(std::nanf("")), QStringLiteral("NaN"));
}

TEST(ParseNumber, WhatATechnicianTypes)
{
    EXPECT_EQ(parseNumber(QStringLiteral("12,5")), 12.5f);
    EXPECT_EQ(parseNumber(QStringLiteral(" 7 ")), 7.0f);
    EXPECT_EQ(parseNumber(QStringLiteral("-0.5")), -0.5f);
    EXPECT_EQ(parseNumber(QStringLiteral("1.5e3")), 1500.0f);
    EXPECT_EQ(parseNumber(QStringLiteral("+2.5E+1")), 25.0f);
    EXPECT_EQ(parseNumber(QStringLiteral("-1e-50")), 0.0f) << "too small for a float is zero";
    EXPECT_TRUE(std::isnan(*parseNumber(QStringLiteral("nan"))));
    EXPECT_EQ(parseNumber(QStringLiteral("-inf")), -INFINITY);
    for (const char* bad : {"", "1.2.3", "12,5.3", "1 000", "abc", "0x10", "1e39", "infinity", "+-5"})
        EXPECT_FALSE(parseNumber(QString::fromLatin1(bad))) << bad;
}

// A device-specific value is written back as the text it was read as: every text a float is given reads
// back as the same float, and fits the 32 characters the program keeps of a value.
TEST(FloatTexts, FitAValueAndReadBackAsTheSameFloat)
{
    auto bits = [](float value) {
        quint32 b = 0;
        std::memcpy(&b, &value, sizeof b);
        return b;
    };
    auto check = [&](QString (*format)(float), float value) {
        const QString text = format(value);
        EXPECT_LE(text.size(), 32) << text.toStdString();
        const std::optional<float> back = parseNumber(text);
        ASSERT_TRUE(back) << text.toStdString();
        EXPECT_EQ(bits(*back), bits(value)) << text.toStdString();
    };
    // Too large for any plain form, or infinite: every format.
    for (float value : {FLT_MAX, -FLT_MAX, 3.4e38f, 1e32f, -1.2345678e31f, INFINITY, -INFINITY})
        for (auto format : {formatNumber, formatCurrent, formatPercent, formatMeasured})
            check(format, value);
    // Configuration values are exact, however small.
    for (float value :
         {FLT_MIN, -FLT_TRUE_MIN, 1e-31f, 7.006492e-45f, 1e-26f, 1e-6f, 0.1f, 1.0f / 3.0f, -42.125f, 123456.79f})
        check(formatNumber, value);
}

TEST(ParseDate, CommonShortForms)
{
    const QDate expected(2026, 12, 8);
    for (const char* text : {"8.12.2026", "08.12.2026", "8.12.26", "2026-12-08", "8-12-2026"})
        EXPECT_EQ(parseDate(QString::fromLatin1(text)), expected) << text;
    EXPECT_EQ(parseDate(QStringLiteral("1.1.49")), QDate(2049, 1, 1));
    EXPECT_EQ(parseDate(QStringLiteral("1.1.50")), QDate(1950, 1, 1));
    for (const char* bad : {"", "31.2.2026", "tomorrow", "13/13/2026"})
        EXPECT_FALSE(parseDate(QString::fromLatin1(bad)).isValid()) << bad;
    EXPECT_EQ(parseDate(formatDate(expected)), expected);
}

} // namespace
