#include "common/numbers.h"
#include "testkit/decimalcomma.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <clocale>
#include <string>
#include <cmath>
#include <limits>
#include <optional>

using namespace suite;

// Every table runs under the C locale and under a decimal-comma locale: "." is the only
// decimal point the learner types or reads, whatever the system's locale.
enum class Locale { C, DecimalComma };

void PrintTo(Locale locale, std::ostream* os) { *os << (locale == Locale::C ? "C" : "decimal comma"); }

class NumberHelpers : public ::testing::TestWithParam<Locale> {
protected:
    void SetUp() override
    {
        if (GetParam() == Locale::DecimalComma) {
            comma.emplace();
            ASSERT_TRUE(comma->Active()) << "the decimal-comma locale could not be set";
        }
    }
    std::optional<suite::testing::DecimalCommaLocale> comma;
};

INSTANTIATE_TEST_SUITE_P(Locales, NumberHelpers, ::testing::Values(Locale::C, Locale::DecimalComma),
                         [](const auto& info) {
                             return std::string(info.param == Locale::C ? "C" : "DecimalComma");
                         });

TEST_P(NumberHelpers, ReadNumberTakesTheLeadingNumericPart)
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
        {"-1e400", -INFINITY}, {"1e-400", 0},   {"4.9e-324", 4.9e-324}, {"2 E -3", 0.002},
        {"1e99999999999", INFINITY}, {"0e99999", 0}, {"0.0001e-320", 0},
        {"1000000000000000000000e-330", 1e-309}, {"2,5", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST_P(NumberHelpers, WholeTextNumberAcceptsOnlyANumberAsAWhole)
{
    const struct {
        const char* text;
        bool isNumber;
        double value;
    } cases[] = {
        {"12", true, 12},   {" 12 ", true, 12}, {"-1.5", true, -1.5}, {"1E3", true, 1000},
        {".5", true, 0.5},  {"5.", true, 5},    {"", false, 0},       {"？", false, 0},
        {"12a", false, 0},  {"1 2", false, 0},  {"-", false, 0},      {"1e999", false, 0},
        {"+5", true, 5},    {"1D2", true, 100}, {"-2.5e-1", true, -0.25}, {"1e-400", true, 0},
        {".", false, 0},    {"2,5", false, 0},  {"-1e999", false, 0},
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

TEST_P(NumberHelpers, NumberTextWritesTheShortestTextOfFifteenDigits)
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
        {1e100, "1E+100"},
        {-2.5e-7, "-2.5E-07"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {1.5e15, "1.5E+15"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberText(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST_P(NumberHelpers, NumberTextSinglePrecisionKeepsSevenDigits)
{
    EXPECT_EQ(NumberTextSingle(1.0f / 3), "0.3333333");
    EXPECT_EQ(NumberTextSingle(16777216.0f), "1.677722E+07");
    EXPECT_EQ(NumberTextSingle(100.0f), "100");
}

TEST_P(NumberHelpers, SignedFormsCarryTheirBlanks)
{
    EXPECT_EQ(SignedNumberText(3), " 3");
    EXPECT_EQ(SignedNumberText(0), " 0");
    EXPECT_EQ(SignedNumberText(-3), "-3");
    EXPECT_EQ(SignedNumberTextSingle(2.5f), " 2.5");
    EXPECT_EQ(PrintedNumberText(3), " 3 ");
    EXPECT_EQ(PrintedNumberText(-0.5), "-0.5 ");
}

struct FixedCase {
    double value;
    int decimals;
    const char* text;
};

TEST_P(NumberHelpers, FixedDecimalTextKeepsThePointAndDropsTrailingZeros)
{
    const FixedCase cases[] = {
        {2, 5, "2."},        {-0.25, 5, "-0.25"},  {1.0 / 4, 5, "0.25"},  {0, 3, "0."},
        {1.0 / 3, 4, "0.3333"}, {2.0 / 3, 2, "0.67"}, {-0.001, 2, "0."},  {123.456, 0, "123."},
        {-12.5, 1, "-12.5"}, {0.0996, 2, "0.1"},  {-1e-20, 18, "0."},   {5e-324, 18, "0."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FixedDecimalText(c.value, c.decimals), QString::fromLatin1(c.text)) << c.text;
}

TEST_P(NumberHelpers, FixedDecimalTextWritesNoDigitBeyondTheFifteenthSignificantOne)
{
    const FixedCase cases[] = {
        {1.0 / 3, 18, "0.333333333333333"},
        {-1.0 / 3, 18, "-0.333333333333333"},
        {123456789.123, 12, "123456789.123"},
        {std::sqrt(2.0), 16, "1.4142135623731"},
        {-std::sqrt(2.0), 16, "-1.4142135623731"},
        {0.1 + 0.2, 18, "0.3"},
        {-29.0 / 7, 18, "-4.14285714285714"},
        {1.0000076144933700562e-06, 16, "0.0000010000076145"},
        {0.99999999999999989, 18, "1."},
        {std::pow(64.0, 1.0 / 3), 18, "4."},
        // Where the two limits meet, and where the decimals end first.
        {1.23456789012345678e-4, 18, "0.000123456789012346"},
        {1.23456789012345678e-5, 18, "0.000012345678901235"},
        // Whole digits past the fifteenth are written as zeros.
        {1e20, 2, "100000000000000000000."},
        {123456789012345678.0, 3, "123456789012346000."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FixedDecimalText(c.value, c.decimals), QString::fromLatin1(c.text)) << c.text;
}

TEST(FixedDecimalText, WritesAPointWhateverTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
    const std::string cNumeric = numeric ? numeric : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // where the system has it
    const QString quarter = FixedDecimalText(-0.25, 5);
    const QString third = FixedDecimalText(1.0 / 3, 18);
    std::setlocale(LC_NUMERIC, cNumeric.c_str());
    QLocale::setDefault(before);
    EXPECT_EQ(quarter, "-0.25");
    EXPECT_EQ(third, "0.333333333333333");
}
