#include "drilltestsupport.h"

namespace suite::drill::testing {
namespace {

struct GeneratorCase {
    const char* label;
    DrillKind kind;
    std::int16_t range;
    std::vector<float> draws;
    Captions captions;
    QString typed;   // judged right
    QString reveal;  // what an answer reveal writes
};

class Generators : public DrillFixture, public ::testing::WithParamInterface<GeneratorCase> {};

TEST_P(Generators, ShowTheQuestionAndExpectTheRightAnswer)
{
    const GeneratorCase& c = GetParam();
    Open(c.kind);
    w->Option1_Click();
    V().rangeMax = c.range;
    fake.random.values.assign(c.draws.begin(), c.draws.end());
    w->Command1_Click();
    for (const auto& [label, caption] : c.captions) EXPECT_EQ(Caption(label.toLatin1()), caption) << label.toStdString();
    Type("Text5", c.typed);
    w->Command2_Click();
    EXPECT_EQ(Text("Text7"), kRight);
    w->mnuFileKey_Click();
    EXPECT_EQ(Text("Text5"), c.reveal);
    // A neighbour of the right answer is wrong.
    Type("Text5", c.typed + "1");
    w->Command2_Click();
    EXPECT_EQ(Text("Text7"), kWrong);
}

INSTANTIATE_TEST_SUITE_P(
    AllKinds, Generators,
    ::testing::Values(
        GeneratorCase{"kjia", DrillKind::kjia, 100, {One(37, 100), One(81, 100)}, {{"Label3", "37"}, {"Label4", "81"}}, "118", "118"},
        GeneratorCase{"kjia_top_of_range", DrillKind::kjia, 32767, {One(32767, 32767)}, {{"Label3", "32767"}, {"Label4", "32767"}}, "65534", "65534"},
        GeneratorCase{"kjian_negative", DrillKind::kjian, 100, {One(37, 100), One(81, 100)}, {{"Label3", "37"}, {"Label4", "81"}}, "-44", "-44"},
        GeneratorCase{"kjian_equal", DrillKind::kjian, 100, {One(5, 100), One(5, 100)}, {{"Label3", "5"}, {"Label4", "5"}}, "0", "0"},
        GeneratorCase{"kjia_negative_range", DrillKind::kjia, -10, {0.0f, 0.95f}, {{"Label3", "1"}, {"Label4", "9"}}, "10", "10"},
        GeneratorCase{"kcheng", DrillKind::kcheng, 20, {One(12, 20), One(13, 20)}, {{"Label2_2", kTimes}, {"Label3", "12"}, {"Label4", "13"}}, "156", "156"},
        GeneratorCase{"kcheng_3162", DrillKind::kcheng, 3162, {One(3162, 3162)}, {{"Label3", "3162"}}, "9998244", "9998244"},
        GeneratorCase{"kcheng_top_of_range", DrillKind::kcheng, 32767, {One(32767, 32767), One(32765, 32767)}, {{"Label3", "32767"}, {"Label4", "32765"}}, "1073610755", "1073610755"},
        GeneratorCase{"kchu", DrillKind::kchu, 20, {One(7, 20), One(6, 20)}, {{"Label2_2", kDivide}, {"Label3", "42"}, {"Label4", "6"}}, "7", "7"},
        GeneratorCase{"kchu_top_of_range", DrillKind::kchu, 32767, {One(32767, 32767), One(32766, 32767)}, {{"Label3", "1073643522"}, {"Label4", "32766"}}, "32767", "32767"},
        GeneratorCase{"kchengfang", DrillKind::kchengfang, 20, {One(12, 20)}, {{"Label3", "12"}, {"Label2_2", "2"}}, "144", "144"},
        GeneratorCase{"kchengfang_top_of_range", DrillKind::kchengfang, 32767, {One(32767, 32767)}, {{"Label3", "32767"}}, "1073676289", "1073676289"},
        GeneratorCase{"kkaifang", DrillKind::kkaifang, 20, {One(7, 20)}, {{"Label3", "49"}}, "7", "7"},
        GeneratorCase{"kkaifang_top_of_range", DrillKind::kkaifang, 32767, {One(32767, 32767)}, {{"Label3", "1073676289"}}, "32767", "32767"},
        GeneratorCase{"kjieche_zero", DrillKind::kjieche, 10, {Zero(0, 10)}, {{"Label3_0", "0"}, {"Label3_1", kFactorialSign}}, "1", "1"},
        GeneratorCase{"kjieche_14", DrillKind::kjieche, 17, {Zero(14, 17)}, {{"Label3_0", "14"}}, "87178291200", "87178291200"},
        GeneratorCase{"kjieche_17", DrillKind::kjieche, 17, {Zero(17, 17)}, {{"Label3_0", "17"}}, "355687428096000", "355687428096000"},
        GeneratorCase{"kjieche_18", DrillKind::kjieche, 18, {Zero(18, 18)}, {{"Label3_0", "18"}}, "6402373705728000", "6.402373705728E+15"},
        GeneratorCase{"kplzh_A", DrillKind::kplzh, 15, {kPermutation, Zero(15, 15), Zero(2, 15)}, {{"Label2_2", "A"}, {"Label3", "2"}, {"Label4", "15"}}, "210", "210"},
        GeneratorCase{"kplzh_C", DrillKind::kplzh, 15, {kCombination, Zero(15, 15), Zero(2, 15)}, {{"Label2_2", "C"}, {"Label3", "2"}, {"Label4", "15"}}, "105", "105"},
        GeneratorCase{"kplzh_C_r0", DrillKind::kplzh, 10, {kCombination, Zero(6, 10), Zero(0, 10)}, {{"Label3", "0"}, {"Label4", "6"}}, "1", "1"},
        GeneratorCase{"kjia_level_2_top", DrillKind::kjia, 1000, {One(1000, 1000)}, {{"Label3", "1000"}, {"Label4", "1000"}}, "2000", "2000"},
        GeneratorCase{"kjia_range_1", DrillKind::kjia, 1, {0.99f, 0.3f}, {{"Label3", "1"}, {"Label4", "1"}}, "2", "2"},
        GeneratorCase{"kjian_range_1", DrillKind::kjian, 1, {0.99f, 0.3f}, {{"Label3", "1"}, {"Label4", "1"}}, "0", "0"},
        GeneratorCase{"kcheng_level_2_top", DrillKind::kcheng, 30, {One(30, 30)}, {{"Label3", "30"}, {"Label4", "30"}}, "900", "900"},
        GeneratorCase{"kcheng_negative_range_zero", DrillKind::kcheng, -5, {0.1f, 0.5f}, {{"Label3", "0"}, {"Label4", "2"}}, "", "0"},
        GeneratorCase{"kchu_level_2_top", DrillKind::kchu, 50, {One(50, 50)}, {{"Label3", "2500"}, {"Label4", "50"}}, "50", "50"},
        GeneratorCase{"kchu_quotient_1", DrillKind::kchu, 20, {One(1, 20), One(13, 20)}, {{"Label3", "13"}, {"Label4", "13"}}, "1", "1"},
        GeneratorCase{"kchu_divisor_1", DrillKind::kchu, 20, {One(13, 20), One(1, 20)}, {{"Label3", "13"}, {"Label4", "1"}}, "13", "13"},
        GeneratorCase{"kjieche_one", DrillKind::kjieche, 10, {Zero(1, 10)}, {{"Label3_0", "1"}}, "1", "1"},
        GeneratorCase{"kplzh_A_r0", DrillKind::kplzh, 10, {kPermutation, Zero(7, 10), Zero(0, 10)}, {{"Label2_2", "A"}, {"Label3", "0"}, {"Label4", "7"}}, "1", "1"},
        GeneratorCase{"kplzh_C_r_equals_n", DrillKind::kplzh, 10, {kCombination, Zero(6, 10), Zero(6, 10)}, {{"Label2_2", "C"}, {"Label3", "6"}, {"Label4", "6"}}, "1", "1"},
        GeneratorCase{"kplzh_A_n15_r1", DrillKind::kplzh, 15, {kPermutation, Zero(15, 15), Zero(1, 15)}, {{"Label3", "1"}, {"Label4", "15"}}, "15", "15"},
        GeneratorCase{"kplzh_C_n15_r1", DrillKind::kplzh, 15, {kCombination, Zero(15, 15), Zero(1, 15)}, {{"Label3", "1"}, {"Label4", "15"}}, "15", "15"},
        GeneratorCase{"kplzh_redraws_until_r_fits", DrillKind::kplzh, 10, {kPermutation, Zero(3, 10), Zero(5, 10), Zero(5, 10), Zero(5, 10)}, {{"Label2_2", "A"}, {"Label3", "5"}, {"Label4", "5"}}, "120", "120"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(DrillFixture, EmptyAnswerIsRightExactlyWhenTheAnswerIsZero)
{
    Open(DrillKind::kjian);
    w->Option1_Click();
    fake.random.values = {One(5, 100), One(5, 100)};
    w->Command1_Click();
    w->Command2_Click();
    EXPECT_EQ(Text("Text7"), kRight);
}

TEST_F(DrillFixture, EveryDivisionComesOutEven)
{
    Open(DrillKind::kchu);
    StartLevel(2);
    for (int q = 0; q < 5; ++q) {
        const double dividend = Caption("Label3").toDouble();
        const double divisor = Caption("Label4").toDouble();
        EXPECT_GE(divisor, 1);
        EXPECT_EQ(dividend / divisor, V().operandA);
        EXPECT_LE(V().operandA, 50);
        fake.random.values = {float(q) / 5 + 0.1f};
        AnswerRight();
        w->Timer2_Timer();
    }
}

// Only some windows write their verdict in yellow; the others keep the countdown's colour.
TEST_F(DrillFixture, VerdictColourAfterTheLastSeconds)
{
    struct Case {
        DrillKind kind;
        bool yellow;
    };
    const Case cases[] = {{DrillKind::kjia, false}, {DrillKind::kcheng, false}, {DrillKind::kchu, true},
                          {DrillKind::kjieche, true}, {DrillKind::kplzh, true}, {DrillKind::kchengfang, true},
                          {DrillKind::kkaifang, true}};
    for (const Case& c : cases) {
        Open(c.kind);
        StartLevel(1);
        Type("Text1", "2");
        w->Timer1_Timer();
        ASSERT_EQ(TextColor(Get("Text7")), Bgr(kRed)) << KindName(c.kind);
        AnswerRight();
        EXPECT_EQ(Text("Text7"), kRight) << KindName(c.kind);
        EXPECT_EQ(TextColor(Get("Text7")), Bgr(c.yellow ? kYellow : kRed)) << KindName(c.kind);
    }
}

TEST_F(DrillFixture, IntroLinesAndTheirColours)
{
    struct Case {
        DrillKind kind;
        std::optional<std::uint32_t> colour;
    };
    const Case cases[] = {{DrillKind::kcheng, 0x00C000}, {DrillKind::kchu, 0xC000C0}, {DrillKind::kjieche, 0x8080FF},
                          {DrillKind::kplzh, 0x0000C0}};
    for (const Case& c : cases) {
        Open(c.kind);
        EXPECT_EQ(TextColor(Get<QLabel>("Label5")), Bgr(*c.colour)) << KindName(c.kind);
    }
    Open(DrillKind::kplzh);
    EXPECT_EQ(Caption("Label5"), kCountingTip);
}

TEST_F(DrillFixture, TheRadicalSignShowsWithTheRow)
{
    Open(DrillKind::kkaifang);
    for (const char* line : {"Line2", "Line3", "Line4", "Line5"}) EXPECT_FALSE(Get<QWidget>(line)->isVisibleTo(w)) << line;
    StartLevel(1);
    for (const char* line : {"Line2", "Line3", "Line4", "Line5"}) EXPECT_TRUE(Get<QWidget>(line)->isVisibleTo(w)) << line;
    EXPECT_EQ(w->findChild<QLabel*>("Label4"), nullptr);
    EXPECT_EQ(w->findChild<QLabel*>("Label2_2"), nullptr);
}

TEST_F(DrillFixture, TheEndOfARunClearsTheQuestionLabels)
{
    Open(DrillKind::kjieche);
    w->Option1_Click();
    Type("Text8", "1");
    w->Command1_Click();
    QLabel* n = Get<QLabel>("Label3_0");
    AnswerRight();
    w->Timer2_Timer();
    EXPECT_EQ(mainShown, 1);
    EXPECT_TRUE(n->text().isEmpty());
    EXPECT_FALSE(n->isVisible());
}

}  // namespace
}  // namespace suite::drill::testing
