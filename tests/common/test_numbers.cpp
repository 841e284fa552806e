#include "common/numbers.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace suite;

TEST(ReadNumber, TakesTheLeadingNumericPart)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},           {"abc", 0},         {"  42", 42},      {"42abc", 42},
        {"-7", -7},        {"+7", 7},          {"3.5", 3.5},      {".5", 0.5},
        {"1.2.3", 1.2},    {"1,5", 1},         {"1 000", 1000},   {" - 3", -3},
        {"2E3", 2000},     {"2e-2", 0.02},     {"2D2", 200},      {"2E", 2},
        {"2E+", 2},        {"5x1E9", 5},       {"-", 0},          {".", 0},
        {"０", 0},          {"12.5秒", 12.5},   {"\t9\n", 9},      {"1e400", INFINITY},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(WholeTextNumber, AcceptsOnlyANumberAsAWhole)
{
    const struct {
        const char* text;
        bool isNumber;
        double value;
    } cases[] = {
        {"12", true, 12},   {" 12 ", true, 12}, {"-1.5", true, -1.5}, {"1E3", true, 1000},
        {".5", true, 0.5},  {"5.", true, 5},    {"", false, 0},       {"？", false, 0},
        {"12a", false, 0},  {"1 2", false, 0},  {"-", false, 0},      {"1e999", false, 0},
        // Signs, exponents, tabs and one closing line feed.
        {"+.5", true, 0.5},     {"\t-12\t", true, -12}, {"1d2", true, 100},  {"2.5e-1", true, 0.25},
        {"1E+2", true, 100},    {"12\n", true, 12},     {"12 \n", true, 12}, {"1E", false, 0},
        {"1e+", false, 0},      {".", false, 0},         {"+", false, 0},     {"12\n\n", false, 0},
        {"\n12", false, 0},     {"12\r\n", false, 0},   {"1.2.3", false, 0}, {"--1", false, 0},
    };
    for (const auto& c : cases) {
        const auto got = WholeTextNumber(QString::fromUtf8(c.text));
        ASSERT_EQ(got.has_value(), c.isNumber) << c.text;
        if (c.isNumber) {
            EXPECT_EQ(*got, c.value) << c.text;
        }
    }
}

static double Factorial(int n)
{
    double f = 1;
    for (int i = 2; i <= n; ++i) f *= i;
    return f;
}

TEST(NumberText, WritesTheShortestTextOfFifteenDigits)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {2, "2"},
        {-2.5, "-2.5"},
        {0.25, "0.25"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {Factorial(17), "355687428096000"},
        {Factorial(20), "2.43290200817664E+18"},
        {Factorial(170), "7.25741561530799E+306"},
        {std::sqrt(3.0) / 4, "0.433012701892219"},
        {3.5 * std::sqrt(2.0), "4.94974746830583"},
        {1e15, "1E+15"},
        {999999999999999, "999999999999999"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {-0.000123, "-0.000123"},
        {std::numeric_limits<double>::infinity(), "1.#INF"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST(NumberText, SinglePrecisionKeepsSevenDigits)
{
    EXPECT_EQ(NumberTextSingle(1.0f / 3), "0.3333333");
    EXPECT_EQ(NumberTextSingle(16777216.0f), "1.677722E+07");
    EXPECT_EQ(NumberTextSingle(100.0f), "100");
}

TEST(NumberText, SignedFormsCarryTheirBlanks)
{
    EXPECT_EQ(SignedNumberText(3), " 3");
    EXPECT_EQ(SignedNumberText(0), " 0");
    EXPECT_EQ(SignedNumberText(-3), "-3");
    EXPECT_EQ(SignedNumberTextSingle(2.5f), " 2.5");
    EXPECT_EQ(PrintedNumberText(3), " 3 ");
    EXPECT_EQ(PrintedNumberText(-0.5), "-0.5 ");
}

TEST(FixedDecimalText, KeepsThePointAndDropsTrailingZeros)
{
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {2, 5, "2."},        {-0.25, 5, "-0.25"},  {1.0 / 4, 5, "0.25"},  {0, 3, "0."},
        {1.0 / 3, 4, "0.3333"}, {2.0 / 3, 2, "0.67"}, {-0.001, 2, "0."},  {123.456, 0, "123."},
        {-12.5, 1, "-12.5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FixedDecimalText(c.value, c.decimals), QString::fromLatin1(c.text)) << c.text;
}
