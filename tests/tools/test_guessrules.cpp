// The guessing game's arithmetic: size classes, time limits, verdicts and hints.
#include "tools/guessrules.h"
#include "tools/numberguesstexts.h"

#include "printing.h"

#include <gtest/gtest.h>

namespace suite::tools {
namespace {

using namespace guesstexts;
using suite::testing::printing::PrintTo;

struct ClassCase {
    double range;
    int sizeClass;
};
void PrintTo(const ClassCase& c, std::ostream* os) { *os << "R=" << c.range; }
class SizeClassTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(SizeClassTest, FirstMatchingRowGivesTheClass)
{
    EXPECT_EQ(SizeClass(GetParam().range), GetParam().sizeClass);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, SizeClassTest,
                         ::testing::Values(ClassCase{3, 1}, ClassCase{10, 1}, ClassCase{11, 2},
                                           ClassCase{100, 2}, ClassCase{101, 3}, ClassCase{1000, 3},
                                           ClassCase{1001, 4}, ClassCase{1000000, 6},
                                           ClassCase{1000001, 7}, ClassCase{100000000, 8},
                                           ClassCase{100000001, 9}, ClassCase{999999999, 9},
                                           ClassCase{1000000000, 0}, ClassCase{1e10, 0}));

struct LimitCase {
    const char* name;
    int level;
    double range;
    std::int16_t previousBonus;
    double limit;
};
class TimeLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(TimeLimitTest, FactorTimesHalvingsPlusBonus)
{
    const LimitCase& c = GetParam();
    EXPECT_EQ(TimeLimit(TimeRuleFor(c.level, SizeClass(c.range), c.previousBonus), c.range), c.limit);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, TimeLimitTest,
    ::testing::Values(
        LimitCase{"Level1Range100", 1, 100, 0, 29}, LimitCase{"Level3Range100", 3, 100, 0, 9},
        LimitCase{"Level1Range1000", 1, 1000, 0, 51}, LimitCase{"Level3Range1000", 3, 1000, 0, 24},
        LimitCase{"Level1Range1000000", 1, 1000000, 0, 161},
        LimitCase{"Level3Range1000000", 3, 1000000, 0, 90},
        // Level 3's bands of classes: 2 below class 3, 4 up to class 5, 10 from class 6.
        LimitCase{"Level3Class5", 3, 100000, 0, 2 * 17 + 4},
        LimitCase{"Level3Class9", 3, 999999999, 0, 4 * 30 + 10},
        // Level 2: the class itself (2 for the smallest ranges) and its own fixed bonus,
        // whatever an earlier game left.
        LimitCase{"Level2Range3", 2, 3, 10, 2 * 2 + 1}, LimitCase{"Level2Range100", 2, 100, 10, 2 * 7 + 1},
        LimitCase{"Level2Range1000", 2, 1000, 4, 3 * 10 + 1},
        // No level picked yet: the class and the bonus left before.
        LimitCase{"NoLevelKeepsBonus", 0, 100, 4, 2 * 7 + 4}, LimitCase{"NoLevelAtFirst", 0, 3, 0, 1 * 2}),
    [](const auto& info) { return std::string(info.param.name); });

struct VerdictCase {
    double guesses;
    QString verdict;
};
void PrintTo(const VerdictCase& c, std::ostream* os) { *os << c.guesses << " guesses"; }
class VerdictTest : public ::testing::TestWithParam<VerdictCase> {};

// A range of 1000 takes ten halvings.
TEST_P(VerdictTest, GuessesAgainstTheHalvingsOfRange1000)
{
    ASSERT_EQ(Halvings(1000), 10);
    EXPECT_EQ(WinVerdict(GetParam().guesses, Halvings(1000)), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(Range1000, VerdictTest,
                         ::testing::Values(VerdictCase{8, kVerdictLucky}, VerdictCase{9, kVerdictSkilful},
                                           VerdictCase{10, kVerdictSkilful}, VerdictCase{11, kVerdictSkilful},
                                           VerdictCase{12, kVerdictUnpractised}, VerdictCase{1, kVerdictLucky}));

TEST(Halvings, RoundsLog2ToTheNearestWhole)
{
    EXPECT_EQ(Halvings(3), 2);  // log2 3 = 1.58
    EXPECT_EQ(Halvings(100), 7);
    EXPECT_EQ(Halvings(1000000), 20);
    EXPECT_EQ(Halvings(1024), 10);
}

struct HintCase {
    double distance;
    QString hint;
};
void PrintTo(const HintCase& c, std::ostream* os) { *os << "d=" << c.distance; }
class HintTest : public ::testing::TestWithParam<HintCase> {};

// Against a range of 100: each band's edges belong to the nearer band's upper end.
TEST_P(HintTest, BandOfTheMissDistance)
{
    EXPECT_EQ(ClosenessHint(GetParam().distance, 100), GetParam().hint);
}

INSTANTIATE_TEST_SUITE_P(Range100, HintTest,
                         ::testing::Values(HintCase{101, kHintFar}, HintCase{51, kHintFar},
                                           HintCase{50, kHintNearer}, HintCase{34, kHintNearer},
                                           HintCase{33, kHintNear}, HintCase{26, kHintNear},
                                           HintCase{25, kHintNotFar}, HintCase{13, kHintNotFar},
                                           HintCase{12, kHintVeryNear}, HintCase{11, kHintVeryNear},
                                           HintCase{10, kHintAlmost}, HintCase{6, kHintAlmost},
                                           HintCase{5, QString()}, HintCase{0, QString()}));

}  // namespace
}  // namespace suite::tools
