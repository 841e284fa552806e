#include "common/numbers.h"
#include "printing.h"
#include "tools/functiontable.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace suite::tools {
namespace {

using suite::testing::printing::PrintTo;

// Where each value stands in a full table.
enum Row {
    kReciprocal, kSquare, kSquareRoot, kCube, kCubeRoot, kLogarithms, kFactorial, kPowersOfE,
    kChord, kNote, kSineCosine, kTangentCotangent, kSecantCosecant, kArctan, kArcsin, kArccos,
    kRows
};

QStringList Texts(const std::vector<TableLine>& lines)
{
    QStringList texts;
    for (const TableLine& line : lines) texts << line.text;
    return texts;
}

TEST(FunctionTable, ZeroIsRefusedWhereItHasNoValue)
{
    const QStringList expected = {
        "       0没有倒数！",
        " 0 的平方= 0 ",
        " 0 的平方根= 0 ",
        " 0 的立方= 0 ",
        " 0 的立方根= 0 ",
        "负数和0没有对数！负数和0没有对数！",
        " 0  ! = 1 ",
        " e^ 0 = 1 e^- 0 = 1 ",
        "0不能等分圆周!",
        "以下的三角/反三角函数均以<度>为角度单位。",
        " sin 0  = 0  cos 0  = 1 ",
        " tan 0  = 0  cot 0  不存在!",
        " sec 0  = 1  csc 0  不存在！",
        " arctan( 0 )= 0 ",
        " arcsin( 0 )= 0 ",
        " arccos( 0 )=90",
    };
    EXPECT_EQ(Texts(FunctionTableLines(0)), expected);
    EXPECT_EQ(Texts(FunctionTableLines(-0.0)), expected) << "minus zero prints as zero";
}

TEST(FunctionTable, TwoPrintsEveryItemWithNoSpacingAdded)
{
    const QStringList expected = {
        "       1 /  2 = 0.5 ",
        " 2 的平方= 4 ",
        " 2 的平方根= 1.4142135623731 ",
        " 2 的立方= 8 ",
        " 2 的立方根= 1.25992104989487 ",
        " ln( 2 )= 0.6931  lg( 2 )= 0.301 ",
        " 2  ! = 2 ",
        " e^ 2 = 7.3891 e^- 2 = 0.1353 ",
        " 2 等分圆周直径系数 k= 1 ",
        "以下的三角/反三角函数均以<度>为角度单位。",
        " sin 2  = 0.0349  cos 2  = 0.9994 ",
        " tan 2  = 0.0349  cot 2  = 28.6363 ",
        " sec 2  = 1.0006  csc 2  = 28.6537 ",
        " arctan( 2 )= 63.4349488229221 ",
        " 2 不在反正弦函数定义域内!",
        " 2 不在反余弦函数定义域内!",
    };
    EXPECT_EQ(Texts(FunctionTableLines(2)), expected);
}

TEST(FunctionTable, EachBlockSetsItsOwnColour)
{
    const std::vector<std::uint32_t> expected = {
        0x00FFFF, 0x00FF00, 0x00FF00, 0xFF80FF, 0xFF80FF, 0x8080FF, 0x80C0FF, 0xFFC0C0,
        0xC0C0FF, 0x404040, 0xFFFF00, 0xFFFF00, 0xFFFF00, 0xFF8080, 0xFF8080, 0xFF8080,
    };
    for (double x : {0.0, -2.0, 1e-310}) {
        SCOPED_TRACE(x);
        const auto lines = FunctionTableLines(x);
        ASSERT_EQ(lines.size(), expected.size());
        for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].bgr, expected[i]) << i;
    }
}

struct EdgeCase {
    const char* name;
    const char* typed;
    Row row;
    QString line;
};

class FunctionTableEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(FunctionTableEdge, PrintsTheExpectedLine)
{
    const EdgeCase& c = GetParam();
    const auto lines = FunctionTableLines(ReadNumber(QString::fromUtf8(c.typed)));
    ASSERT_EQ(lines.size(), size_t{kRows});
    EXPECT_EQ(lines[c.row].text, c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, FunctionTableEdge,
    ::testing::Values(
        EdgeCase{"TangentOf90DoesNotExist", "90", kTangentCotangent, " tan 90  不存在! cot 90  = 0 "},
        EdgeCase{"SecantOf90DoesNotExist", "90", kSecantCosecant, " sec 90  不存在！ csc 90  = 1 "},
        EdgeCase{"CotangentOf180DoesNotExist", "180", kTangentCotangent, " tan 180  = 0  cot 180  不存在!"},
        EdgeCase{"CosecantOf180DoesNotExist", "180", kSecantCosecant, " sec 180  =-1  csc 180  不存在！"},
        EdgeCase{"ArcsineOfOne", "1", kArcsin, " arcsin( 1 )=90"},
        EdgeCase{"ArccosineOfOne", "1", kArccos, " arccos( 1 )= 0 "},
        EdgeCase{"ArcsineOfMinusOne", "-1", kArcsin, " arcsin(-1 )=-90"},
        EdgeCase{"ArccosineOfMinusOne", "-1", kArccos, " arccos(-1 )= 180 "},
        EdgeCase{"ArcsineOfMinusHalf", "-0.5", kArcsin, " arcsin(-0.5 )=-30 "},
        EdgeCase{"ArccosineOfMinusHalf", "-0.5", kArccos, " arccos(-0.5 )= 120 "},
        EdgeCase{"NoSquareRootOfANegative", "-0.5", kSquareRoot, "-0.5 没有平方根！"},
        EdgeCase{"RealCubeRootOfANegative", "-8", kCubeRoot, "-8 的立方根=-2 "},
        EdgeCase{"NoLogarithmsOfANegative", "-3", kLogarithms, "负数和0没有对数！负数和0没有对数！"},
        EdgeCase{"LogarithmsOfTen", "10", kLogarithms, " ln( 10 )= 2.3026  lg( 10 )= 1 "},
        EdgeCase{"NegativePowerSignsFollowEachOther", "-3", kPowersOfE, " e^-3 = 0.0498 e^--3 = 20.0855 "},
        EdgeCase{"FractionalFactorialStopsAtItsWholePart", "4.5", kFactorial, " 4.5  ! = 24 "},
        EdgeCase{"NegativeFactorialIsOne", "-3", kFactorial, "-3  ! = 1 "},
        EdgeCase{"FactorialAtTheLimit", "170", kFactorial, " 170  ! = 7.25741561530799E+306 "},
        EdgeCase{"FactorialPastTheLimit", "171", kFactorial, " 171 的阶乘太大!"},
        EdgeCase{"PowersAtTheLimit", "700", kPowersOfE, " e^ 700 = 1.01423245720255E+304 e^- 700 = 0 "},
        EdgeCase{"PowersPastTheLimit", "700.5", kPowersOfE, " e^ 700.5  和 e^- 700.5 幂太大!"},
        EdgeCase{"ChordOfThreeParts", "3", kChord, " 3 等分圆周直径系数 k= 0.866 "},
        EdgeCase{"TheInputLimitItselfIsTabulated", "1E+20", kSquare, " 1E+20 的平方= 1E+40 "},
        EdgeCase{"AsinOutsideTheDomain", "2", kArcsin, " 2 不在反正弦函数定义域内!"},
        EdgeCase{"AcosOutsideTheDomain", "2", kArccos, " 2 不在反余弦函数定义域内!"},
        EdgeCase{"MinusAloneReadsAsZero", "-", kReciprocal, "       0没有倒数！"},
        EdgeCase{"PiReadsToFifteenDigits", "3.14159265358979323846264338327950288", kReciprocal,
                 "       1 /  3.14159265358979 = 0.318309886183791 "},
        // Past double range the line is refused, never printed as an infinity or NaN.
        EdgeCase{"PowersPastMinus700AreRefused", "-709.79", kPowersOfE,
                 " e^-709.79  和 e^--709.79 幂太大!"},
        EdgeCase{"PowersAtMinus700", "-700", kPowersOfE, " e^-700 = 0 e^--700 = 1.01423245720255E+304 "},
        EdgeCase{"ReciprocalOfATinyNumberIsRefused", "1E-310", kReciprocal,
                 "        9.99999999999997E-311 的倒数太大!"},
        EdgeCase{"ChordOfATinyNumberIsRefused", "-1E-310", kChord, "-9.99999999999997E-311 不能等分圆周!"},
        EdgeCase{"ReciprocalOfTheSmallestNormalNumber", "2.2250738585072014E-308", kReciprocal,
                 "       1 /  2.2250738585072E-308 = 4.49423283715579E+307 "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FunctionTable, MagnitudesPastTheInputLimitGiveOnlyTheBigNumberLine)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {1e21, -1e21, 1e20 * (1 + 1e-15), inf, -inf}) {
        SCOPED_TRACE(x);
        const auto lines = FunctionTableLines(x);
        ASSERT_EQ(lines.size(), 5u);
        for (int i = 0; i < 4; ++i) EXPECT_TRUE(lines[i].text.isEmpty());
        EXPECT_EQ(lines[4].text, "  哇!好大的数，我可望不可及……");
        // The line keeps the colour the previous table left.
        for (const TableLine& line : lines) EXPECT_FALSE(line.bgr.has_value());
    }
    for (double x : {1e20, -1e20}) EXPECT_EQ(FunctionTableLines(x).size(), size_t{kRows}) << x;
}

TEST(FunctionTable, NoLineEverShowsAnInfinityOrNaN)
{
    std::vector<double> inputs = {
        1e20, -1e20, 700, -700, 700.0001, -700.0001, 709.79, -709.79, 710, -710, 170, 170.5, -170,
        1e-300, -1e-300, 1e-306, 1e-308, 5e-309, 1e-310, -1e-310, 4.9e-324, -4.9e-324,
        std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
        1 - 1e-16, -(1 - 1e-16), 90, 270, -90, 1e15 + 90, 1e17, 6.02214076e23,
    };
    // Every power of ten in range, either sign, and a little off it.
    for (int e = -320; e <= 20; ++e) {
        const double p = std::pow(10.0, e);
        for (double x : {p, -p, p * 1.5, -p * 1.5}) inputs.push_back(x);
    }
    for (double x : inputs) {
        for (const TableLine& line : FunctionTableLines(x)) {
            EXPECT_FALSE(line.text.contains("INF", Qt::CaseInsensitive)) << x << ": " << line.text.toStdString();
            EXPECT_FALSE(line.text.contains("NaN", Qt::CaseInsensitive)) << x << ": " << line.text.toStdString();
        }
    }
}

}  // namespace
}  // namespace suite::tools
