#include "drilltestsupport.h"

namespace suite::drill::testing {
namespace {

struct RetryCase {
    DrillKind kind;
    std::vector<const char*> redLabels;
    std::uint32_t background;
};

class Retry : public DrillFixture, public ::testing::WithParamInterface<RetryCase> {
protected:
    void ExpectRowColour(std::uint32_t colour)
    {
        for (const char* l : GetParam().redLabels) EXPECT_EQ(TextColor(Get<QLabel>(l)), Bgr(colour)) << l;
    }
};

TEST_P(Retry, AMissAsksTheSameQuestionAgainAtACost)
{
    const RetryCase& c = GetParam();
    Open(c.kind);
    fake.random.values = {0.6f};
    StartLevel(1);  // ten questions of 30 seconds
    const double n = V().operandA;
    const QString question = Caption("Label3");
    Type("Text1", "25");
    AnswerWrong();
    EXPECT_EQ(Text("Text7"), kWrong);
    EXPECT_EQ(TextColor(Get("Text7")), Bgr(kYellow));
    EXPECT_EQ(TextColor(Get("Text5")), Bgr(kRed));
    EXPECT_EQ(Text("Text5"), NumberText(w->Description().answers(V())[0]));
    EXPECT_TRUE(Timer("Timer3")->isActive());
    EXPECT_FALSE(Timer("Timer2")->isActive());
    EXPECT_FALSE(Timer("Timer1")->isActive());

    fake.random.values = {0.1f};
    Timer3Tick();
    EXPECT_EQ(V().operandA, n);
    EXPECT_EQ(Caption("Label3"), question);
    ExpectRowColour(kRed);
    EXPECT_EQ(BackColor(Get("Text5")), Bgr(c.background));
    EXPECT_EQ(Text("Text5"), "");
    EXPECT_EQ(Text("Text7"), kRetry);
    EXPECT_EQ(Text("Text1"), "30");
    EXPECT_EQ(Text("Text9"), "1");
    EXPECT_EQ(Text("Text10"), "-20");
    EXPECT_EQ(V().score, -20);
    EXPECT_TRUE(Timer("Timer1")->isActive());
    EXPECT_FALSE(Timer("Timer3")->isActive());
    EXPECT_TRUE(Get<QPushButton>("Command2")->isEnabled());

    AnswerRight();
    EXPECT_EQ(V().score, -10);
    EXPECT_TRUE(Timer("Timer2")->isActive());
    w->Timer2_Timer();
    EXPECT_EQ(Text("Text9"), "2");
    ExpectRowColour(kBlue);
    EXPECT_EQ(BackColor(Get("Text5")), Bgr(kWhite));
    EXPECT_EQ(TextColor(Get("Text5")), Bgr(kBlack));
}

TEST_P(Retry, ShowAnswerRightAfterARightAnswerAsksItAgain)
{
    Open(GetParam().kind);
    fake.random.values = {0.6f};
    StartLevel(1);
    const double n = V().operandA;
    AnswerRight();
    EXPECT_EQ(V().score, 10);
    w->mnuFileKey_Click();
    EXPECT_FALSE(Timer("Timer2")->isActive());
    EXPECT_TRUE(Timer("Timer3")->isActive());
    EXPECT_EQ(Text("Text7"), kShownAnswer);
    EXPECT_EQ(Text("Text8"), "11");
    fake.random.values = {0.1f};
    Timer3Tick();
    EXPECT_EQ(V().operandA, n);
    EXPECT_EQ(V().score, -10);
    EXPECT_EQ(Text("Text9"), "1");
    AnswerRight();
    w->Timer2_Timer();
    EXPECT_EQ(Text("Text9"), "1");  // the shown question is not counted
}

TEST_P(Retry, ATimeOutIsRetriedAndPauseDoesNotStopIt)
{
    Open(GetParam().kind);
    StartLevel(1);
    Type("Text1", "1");
    w->Timer1_Timer();
    EXPECT_EQ(Text("Text7"), kTimeUp);
    EXPECT_TRUE(Timer("Timer3")->isActive());
    EXPECT_FALSE(Timer("Timer2")->isActive());
    w->mnuFilePause_Click();
    EXPECT_TRUE(Timer("Timer3")->isActive());
    Timer3Tick();
    EXPECT_TRUE(Timer("Timer1")->isActive());
    EXPECT_EQ(Text("Text7"), kRetry);
}

INSTANTIATE_TEST_SUITE_P(SquaresAndRoots, Retry,
                         ::testing::Values(RetryCase{DrillKind::kchengfang, {"Label3", "Label2_2", "Label2_4"}, kGreen},
                                           RetryCase{DrillKind::kkaifang, {"Label3"}, kYellow}),
                         [](const auto& info) { return std::string(KindName(info.param.kind)); });

TEST_F(DrillFixture, RetryDeductionIsTwiceTheWholePointsPerQuestion)
{
    const std::pair<int, int> cases[] = {{3, 66}, {5, 40}, {8, 24}, {10, 20}, {101, 0}};
    for (const auto& [questions, deduction] : cases) {
        Open(DrillKind::kchengfang);
        w->Option1_Click();
        Type("Text8", QString::number(questions));
        w->Command1_Click();
        AnswerWrong();
        Timer3Tick();
        EXPECT_EQ(V().score, -deduction) << questions;
    }
}

TEST_F(DrillFixture, TwoMissesWithPenaltiesGrowTheRunTwice)
{
    Open(DrillKind::kchengfang);
    StartCustom("20", "10", "30", "2");
    AnswerWrong();
    Timer3Tick();
    AnswerWrong();
    Timer3Tick();
    EXPECT_EQ(Text("Text8"), "14");
    EXPECT_EQ(V().score, -40);
}

TEST_F(DrillFixture, ShowAnswerAtQuestionFourOfTenInTheSquaresWindow)
{
    Open(DrillKind::kchengfang);
    StartLevel(1);
    for (int q = 1; q <= 3; ++q) {
        AnswerRight();
        w->Timer2_Timer();
    }
    w->mnuFileKey_Click();
    EXPECT_EQ(Text("Text8"), "11");
    Timer3Tick();
    EXPECT_EQ(Text("Text9"), "4");
    QStringList numbers;
    while (windows.Window(DrillKind::kchengfang)) {
        numbers << Text("Text9");
        AnswerRight();
        w->Timer2_Timer();
    }
    EXPECT_EQ(numbers, (QStringList{"4", "4", "5", "6", "7", "8", "9", "10", "11"}));
}

TEST_F(DrillFixture, StartDuringARetryLeavesTheRetryPendingForTheNewRun)
{
    Open(DrillKind::kkaifang);
    StartCustom("20", "10", "30", "2");
    AnswerWrong();  // the penalty write enables Start
    ASSERT_TRUE(StartEnabled());
    fake.random.values = {0.3f};
    w->Command1_Click();
    const double n = V().operandA;
    EXPECT_EQ(V().score, 0);
    EXPECT_TRUE(Timer("Timer3")->isActive());
    fake.random.values = {0.9f};
    Timer3Tick();
    EXPECT_EQ(V().operandA, n);  // the new run's first question comes back
    EXPECT_EQ(Text("Text9"), "1");
    EXPECT_EQ(V().score, -16);  // 100 / 12 points per question, twice its whole part
}

// Only the square-roots window turns its row back to blue when Start shows it.
TEST_F(DrillFixture, StartAfterARetryResetsTheRowColoursOnlyInTheRootsWindow)
{
    struct Case {
        DrillKind kind;
        std::vector<const char*> labels;
        std::uint32_t colourAfterStart;
    };
    const Case cases[] = {{DrillKind::kkaifang, {"Label3"}, kBlue},
                          {DrillKind::kchengfang, {"Label3", "Label2_2", "Label2_4"}, kRed}};
    for (const Case& c : cases) {
        Open(c.kind);
        StartCustom("20", "10", "30", "2");
        AnswerWrong();
        Timer3Tick();
        ASSERT_TRUE(StartEnabled()) << KindName(c.kind);
        w->Command1_Click();
        for (const char* l : c.labels)
            EXPECT_EQ(TextColor(Get<QLabel>(l)), Bgr(c.colourAfterStart)) << KindName(c.kind) << " " << l;
        EXPECT_EQ(BackColor(Get("Text5")), Bgr(kWhite)) << KindName(c.kind);
        w->mnuFileExit_Click();
        Flush();
    }
}

TEST_F(DrillFixture, ContinueAndShowAnswerDuringARetry)
{
    Open(DrillKind::kchengfang);
    StartCustom("20", "10", "30", "2");
    AnswerWrong();
    EXPECT_EQ(Text("Text8"), "12");
    // Show-answer in the retry shows the answer again and grows the run once more.
    w->mnuFileKey_Click();
    EXPECT_EQ(Text("Text8"), "13");
    EXPECT_EQ(V().questionNo, 0);
    EXPECT_TRUE(Timer("Timer3")->isActive());
    // Continue runs the countdown on from Text1 before the retry resets it.
    w->mnuFilePause_Click();
    w->mnuFileContinue_Click();
    EXPECT_TRUE(Timer("Timer1")->isActive());
    Type("Text1", "1");
    w->Timer1_Timer();
    EXPECT_EQ(Text("Text1"), "0");
    EXPECT_EQ(Text("Text8"), "15");  // a time-out with its penalty update
    EXPECT_FALSE(Timer("Timer1")->isActive());
    Timer3Tick();
    EXPECT_EQ(Text("Text1"), "30");
    EXPECT_EQ(Text("Text9"), "1");
    AnswerRight();
    w->Timer2_Timer();
    EXPECT_EQ(Text("Text9"), "1");  // the shown question was not counted
}

TEST_F(DrillFixture, AtTimeOutTheSquareOfTwelveIsRevealed)
{
    Open(DrillKind::kchengfang);
    w->Option1_Click();
    fake.random.values = {float(11.5 / 20)};
    w->Command1_Click();
    Type("Text1", "1");
    w->Timer1_Timer();
    EXPECT_EQ(Text("Text1"), "0");
    EXPECT_EQ(Text("Text5"), "144");
    Timer3Tick();
    EXPECT_EQ(Caption("Label3"), "12");
}

}  // namespace
}  // namespace suite::drill::testing
