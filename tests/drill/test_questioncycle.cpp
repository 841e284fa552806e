#include "drilltestsupport.h"

#include "common/numbers.h"

#include <QTest>

namespace suite::drill::testing {
namespace {

struct BandCase {
    DrillKind kind;
    int hi, mid, lo;
    QString hurry;
};

class Countdown : public DrillFixture, public ::testing::WithParamInterface<BandCase> {
protected:
    // One tick from t + 1 seconds left.
    void TickTo(int t)
    {
        Type("Text1", QString::number(t + 1));
        SetTextColor(Get("Text7"), Bgr(kBlue));
        fake.cues.played.clear();
        w->Timer1_Timer();
    }
    void Expect(int t, std::uint32_t text1, std::uint32_t text7, const QString& message, bool hurryCue)
    {
        TickTo(t);
        EXPECT_EQ(Text("Text1"), QString::number(t)) << t;
        EXPECT_EQ(TextColor(Get("Text1")), Bgr(text1)) << t;
        EXPECT_EQ(TextColor(Get("Text7")), Bgr(text7)) << t;
        EXPECT_EQ(Text("Text7"), message) << t;
        EXPECT_EQ(fake.cues.played.contains(kCueHurry), hurryCue) << t;
    }
};

TEST_P(Countdown, BandsColourTheCountAndTheMessage)
{
    const BandCase& c = GetParam();
    Open(c.kind);
    StartLevel(1);
    Expect(c.hi + 1, kWhite, kWhite, kTakeItEasy, false);
    Expect(c.hi, kWhite, kYellow, kCalm, false);
    Expect(c.mid + 1, kWhite, kYellow, kCalm, false);
    Expect(c.mid, kGreen, kBlue, kKeepCalm, false);  // the message keeps its colour
    Expect(c.lo + 1, kGreen, kBlue, kKeepCalm, false);
    Expect(c.lo, kRed, kRed, c.hurry, true);
    Expect(1, kRed, kRed, c.hurry, true);
    EXPECT_TRUE(Timer("Timer1")->isActive());
}

TEST_P(Countdown, ZeroIsATimeOutThatRevealsTheAnswer)
{
    const BandCase& c = GetParam();
    Open(c.kind);
    StartLevel(1);
    TickTo(0);
    EXPECT_EQ(Text("Text1"), "0");
    EXPECT_EQ(TextColor(Get("Text1")), Bgr(kWhite));
    EXPECT_EQ(Text("Text7"), kTimeUp);
    EXPECT_EQ(TextColor(Get("Text7")), Bgr(kYellow));
    EXPECT_FALSE(Timer("Timer1")->isActive());
    EXPECT_FALSE(Get<QPushButton>("Command2")->isEnabled());
    EXPECT_EQ(TextColor(Get("Text5")), Bgr(kRed));
    EXPECT_EQ(Text("Text5"), NumberText(w->Description().answers(V())[0]));
    const bool retry = w->Description().retry.has_value();
    EXPECT_EQ(Timer("Timer2")->isActive(), !retry);
    if (retry) {
        EXPECT_TRUE(Timer("Timer3")->isActive());
    }
}

INSTANTIATE_TEST_SUITE_P(AllNine, Countdown,
                         ::testing::Values(BandCase{DrillKind::kjia, 30, 10, 3, kHurry},
                                           BandCase{DrillKind::kjian, 30, 10, 3, kHurry},
                                           BandCase{DrillKind::kcheng, 30, 10, 3, kHurry},
                                           BandCase{DrillKind::kchu, 30, 10, 3, kHurry},
                                           BandCase{DrillKind::kchengfang, 30, 10, 3, kHurry},
                                           BandCase{DrillKind::kkaifang, 30, 10, 2, kHurry},
                                           BandCase{DrillKind::kjieche, 20, 10, 2, kHurry},
                                           BandCase{DrillKind::kplzh, 30, 10, 3, kHurry},
                                           BandCase{DrillKind::kjiefangcheng, 120, 60, 5, kHurryQuadratic}),
                         [](const auto& info) { return std::string(KindName(info.param.kind)); });

TEST_F(DrillFixture, TwentySecondsTimeOutOnTheTwentiethTick)
{
    Open(DrillKind::kjia);
    StartLevel(1);
    EXPECT_EQ(Text("Text1"), "20");
    w->Timer1_Timer();
    EXPECT_EQ(Text("Text1"), "19");
    for (int i = 2; i < 20; ++i) w->Timer1_Timer();
    EXPECT_EQ(Text("Text1"), "1");
    w->Timer1_Timer();
    EXPECT_EQ(Text("Text7"), kTimeUp);
}

class ScoreFigures : public DrillFixture, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(ScoreFigures, RoundedAfterEachRightAnswer)
{
    const auto [questions, score] = GetParam();
    Open(DrillKind::kjia);
    w->Option1_Click();
    Type("Text8", QString::number(questions));
    w->Command1_Click();
    for (int q = 1; q <= questions; ++q) {
        EXPECT_EQ(Text("Text9"), QString::number(q));
        AnswerRight();
        EXPECT_EQ(Text("Text7"), kRight);
        EXPECT_FALSE(Get("Text10")->isVisibleTo(w));
        w->Timer2_Timer();
    }
    EXPECT_EQ(windows.Variables(DrillKind::kjia).score, score);
    EXPECT_EQ(mainShown, 1);
    EXPECT_EQ(windows.Window(DrillKind::kjia), nullptr);
    EXPECT_EQ(windows.Variables(DrillKind::kjia).questionTotal, 0);  // the cleared boxes ran their checks
    EXPECT_EQ(windows.Variables(DrillKind::kjia).timeLimit, 0);
}

INSTANTIATE_TEST_SUITE_P(Kjia, ScoreFigures,
                         ::testing::Values(std::pair{10, 100}, std::pair{8, 96}, std::pair{6, 102},
                                           std::pair{3, 99}, std::pair{5, 100}));

TEST_F(DrillFixture, AStartedRunPlaysItsCueAndShowsTheFirstQuestion)
{
    Open(DrillKind::kjia);
    QueueDraw(37, 100);
    QueueDraw(81, 100);
    StartLevel(1);
    EXPECT_EQ(fake.cues.played, QStringList{kCue3});
    EXPECT_EQ(Caption("Label3"), "37");
    EXPECT_EQ(Caption("Label2_2"), "+");
    EXPECT_EQ(Caption("Label4"), "81");
    EXPECT_EQ(Text("Text1"), "20");
    EXPECT_EQ(Text("Text9"), "1");
    EXPECT_EQ(Text("Text7"), kGoodStart);
    EXPECT_EQ(fake.random.reseeds, 1);
    EXPECT_FALSE(StartEnabled());
    EXPECT_TRUE(Get<QPushButton>("Command2")->isEnabled());
    EXPECT_EQ(w->DefaultButton(), Get<QPushButton>("Command2"));
    EXPECT_TRUE(Timer("Timer1")->isActive());
    EXPECT_EQ(BackColor(Get("Text5")), Bgr(kWhite));
    EXPECT_EQ(V().pointsPerQuestion, 10);
}

TEST_F(DrillFixture, EnterPressesNext)
{
    Open(DrillKind::kjia);
    StartLevel(1);
    EXPECT_EQ(w->focusWidget(), Get("Text5"));  // typing goes to the answer box at once
    Type("Text5", "2");
    w->PressEnter();
    EXPECT_EQ(Text("Text7"), kRight);
    EXPECT_EQ(fake.cues.played.last(), kCueRight);
    EXPECT_TRUE(Timer("Timer2")->isActive());
}

TEST_F(DrillFixture, EnterOnTheFocusedStartStartsTheRun)
{
    Open(DrillKind::kjia);
    w->Option1_Click();
    auto* start = Get<QPushButton>("Command1");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Return);  // the default "Next" is disabled in an idle window
    EXPECT_TRUE(Timer("Timer1")->isActive());
    EXPECT_EQ(Text("Text9"), "1");
    EXPECT_EQ(w->focusWidget(), Get("Text5"));
}

TEST_F(DrillFixture, AnswersAreReadAsNumbers)
{
    struct Case {
        QString typed;
        bool right;
    };
    // With no level ever chosen every draw is 1: 1 + 1.
    const Case cases[] = {{"2", true}, {" 2", true}, {"2.0", true}, {"2abc", true}, {"", false}, {"3", false}};
    Open(DrillKind::kjia);
    Type("Text8", "10");
    Type("Text2", "20");
    w->Command1_Click();
    EXPECT_EQ(Caption("Label3"), "1");
    for (const Case& c : cases) {
        Type("Text5", c.typed);
        w->Command2_Click();
        EXPECT_EQ(Text("Text7"), c.right ? kRight : kWrong) << c.typed.toStdString();
        w->Timer2_Timer();
    }
}

TEST_F(DrillFixture, AMissRevealsTheAnswerAndAddsPenaltyQuestions)
{
    Open(DrillKind::kjia);
    for (const char* reply : {"100", "10", "20", "2"}) fake.dialogs.Reply(reply);
    w->Option3_Click();
    QueueDraw(3, 100);
    QueueDraw(4, 100);
    w->Command1_Click();
    Type("Text5", "8");
    w->Command2_Click();
    EXPECT_EQ(fake.cues.played.last(), kCueWrong);
    EXPECT_EQ(Text("Text5"), "7");
    EXPECT_EQ(TextColor(Get("Text5")), Bgr(kRed));
    EXPECT_EQ(Text("Text8"), "12");
    EXPECT_EQ(Text("Text7"), kWrong);  // the grown count's check leaves the verdict
    EXPECT_TRUE(StartEnabled());
    EXPECT_EQ(V().questionTotal, 12);
    EXPECT_EQ(V().pointsPerQuestion, 10);
    EXPECT_EQ(Text("Text1"), "20");
    EXPECT_FALSE(Timer("Timer1")->isActive());
    EXPECT_TRUE(Timer("Timer2")->isActive());
    w->Timer2_Timer();
    EXPECT_EQ(Text("Text9"), "2");
    EXPECT_EQ(Text("Text5"), "");
    EXPECT_EQ(TextColor(Get("Text5")), Bgr(kBlack));
}

enum class Setback { Miss, TimeOut, ShownAnswer };

class Verdict : public DrillFixture, public ::testing::WithParamInterface<DrillKind> {};

TEST_P(Verdict, StaysInTheMessageLineWhileTheCountGrows)
{
    struct Case {
        Setback setback;
        QString message;
        int count;
    };
    const Case cases[] = {{Setback::Miss, kWrong, 12},
                          {Setback::TimeOut, kTimeUp, 12},
                          {Setback::ShownAnswer, kShownAnswer, 11}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        Open(GetParam());
        StartCustom("5", "10", "20", "2");
        if (c.setback == Setback::Miss) AnswerWrong();
        if (c.setback == Setback::TimeOut) {
            Type("Text1", "1");
            w->Timer1_Timer();
        }
        if (c.setback == Setback::ShownAnswer) w->mnuFileKey_Click();
        EXPECT_EQ(Text("Text7"), c.message);
        EXPECT_EQ(Text("Text8"), QString::number(c.count));
        EXPECT_EQ(V().questionTotal, c.count);
        EXPECT_TRUE(StartEnabled());
        w->mnuFileExit_Click();
        Flush();
    }
}

INSTANTIATE_TEST_SUITE_P(CycleRetryAndTwoRoots, Verdict,
                         ::testing::Values(DrillKind::kjia, DrillKind::kchengfang, DrillKind::kjiefangcheng),
                         [](const auto& info) { return std::string(KindName(info.param)); });

TEST_F(DrillFixture, PenaltyWritesPastNineHundredNinetyNineStayWhole)
{
    Open(DrillKind::kjia);
    StartCustom("100", "999", "20", "2");
    AnswerWrong();
    EXPECT_EQ(Text("Text8"), "1001");
    EXPECT_EQ(V().questionTotal, 1001);
    EXPECT_TRUE(StartEnabled());  // the grown count enables Start during the run
}

TEST_F(DrillFixture, APenaltyOnACountBoxWithoutANumberLeavesItAlone)
{
    Open(DrillKind::kjia);
    StartCustom("100", "10", "20", "2");
    Type("Text8", "12x");
    AnswerWrong();
    EXPECT_EQ(Text("Text8"), "12x");
    EXPECT_EQ(V().questionTotal, 12);
    EXPECT_FALSE(Text("Text7").isEmpty());
    EXPECT_NE(Text("Text7"), kWrong);
}

TEST_F(DrillFixture, ANegativePenaltyShortensTheRun)
{
    Open(DrillKind::kjia);
    StartCustom("100", "10", "20", "-3");
    AnswerWrong();
    EXPECT_EQ(Text("Text8"), "7");
}

TEST_F(DrillFixture, ShowAnswerRepeatsTheNumberAndGrowsTheRun)
{
    Open(DrillKind::kjia);
    StartLevel(1);
    for (int q = 1; q <= 3; ++q) {
        AnswerRight();
        w->Timer2_Timer();
    }
    EXPECT_EQ(Text("Text9"), "4");
    w->mnuFileKey_Click();
    EXPECT_EQ(Text("Text7"), kShownAnswer);
    EXPECT_EQ(Text("Text5"), "2");
    EXPECT_EQ(TextColor(Get("Text5")), Bgr(kRed));
    EXPECT_EQ(Text("Text8"), "11");
    EXPECT_TRUE(StartEnabled());  // the grown count's check enables Start during the run
    EXPECT_FALSE(Timer("Timer1")->isActive());
    EXPECT_TRUE(Timer("Timer2")->isActive());
    w->Timer2_Timer();
    QStringList numbers{Text("Text9")};
    while (windows.Window(DrillKind::kjia)) {
        AnswerRight();
        w->Timer2_Timer();
        if (windows.Window(DrillKind::kjia)) numbers << Text("Text9");
    }
    EXPECT_EQ(numbers, (QStringList{"4", "5", "6", "7", "8", "9", "10", "11"}));
    // Eleven right answers of ten points; the shown question earned none.
    EXPECT_EQ(windows.Variables(DrillKind::kjia).score, 110);
}

TEST_F(DrillFixture, ShowAnswerBeforeAnyRunRevealsTheLastQuestion)
{
    // The answer these two windows keep from the last question they drew.
    const std::pair<DrillKind, double> cases[] = {{DrillKind::kjieche, 120}, {DrillKind::kplzh, 210}};
    for (const auto& [kind, kept] : cases) {
        Open(kind);
        V().expectedAnswer = kept;
        w->mnuFileKey_Click();
        EXPECT_EQ(Text("Text5"), NumberText(kept)) << KindName(kind);
        EXPECT_EQ(TextColor(Get("Text5")), Bgr(kRed)) << KindName(kind);
    }
}

TEST_F(DrillFixture, PauseLeavesTheJudgementTimerRunning)
{
    Open(DrillKind::kcheng);
    StartLevel(1);
    AnswerRight();
    fake.cues.played.clear();
    w->mnuFilePause_Click();
    EXPECT_EQ(w->windowTitle(), kChengTitle + kPausedSuffix);
    EXPECT_TRUE(w->windowState() & Qt::WindowMinimized);
    EXPECT_EQ(fake.cues.played, QStringList{kCueLeave});
    EXPECT_FALSE(Menu("mnuFilePause")->isVisible());
    EXPECT_TRUE(Menu("mnuFileContinue")->isVisible());
    EXPECT_TRUE(Timer("Timer2")->isActive());
    w->Timer2_Timer();
    EXPECT_TRUE(Timer("Timer1")->isActive());  // the next countdown runs while minimised
    w->mnuFilePause_Click();
    EXPECT_FALSE(Timer("Timer1")->isActive());
    w->mnuFileContinue_Click();
    EXPECT_EQ(w->windowTitle(), kChengTitle);
    EXPECT_EQ(fake.cues.played.last(), kCueTada);
    EXPECT_TRUE(Timer("Timer1")->isActive());
    EXPECT_TRUE(Menu("mnuFilePause")->isVisible());
    EXPECT_FALSE(Menu("mnuFileContinue")->isVisible());
}

TEST_F(DrillFixture, StartDuringARunBeginsAgainWhileThePendingTimerStillFires)
{
    Open(DrillKind::kjia);
    StartCustom("100", "10", "20", "2");
    AnswerRight();
    w->Timer2_Timer();
    AnswerWrong();  // the penalty write enables Start
    ASSERT_TRUE(StartEnabled());
    w->Command1_Click();
    EXPECT_EQ(Text("Text9"), "1");
    EXPECT_EQ(V().score, 0);
    EXPECT_EQ(V().questionTotal, 12);
    EXPECT_TRUE(Timer("Timer2")->isActive());
    w->Timer2_Timer();
    EXPECT_EQ(Text("Text9"), "2");
}

TEST_F(DrillFixture, LoadStepAndDesignState)
{
    for (DrillKind kind : kAllDrillKinds) {
        Open(kind);
        const std::string name = KindName(kind);
        EXPECT_EQ(w->objectName().toStdString(), name);
        EXPECT_EQ(w->windowTitle(), w->Description().designCaption) << name;
        EXPECT_TRUE(Menu("mnuFileExit")->isEnabled()) << name;
        EXPECT_TRUE(Menu("mnuFileKey")->isVisible()) << name;
        EXPECT_TRUE(Menu("mnuFilePause")->isEnabled()) << name;
        EXPECT_FALSE(Menu("mnuFileContinue")->isVisible()) << name;
        EXPECT_TRUE(Get<QRadioButton>("Option3")->isEnabled()) << name;
        EXPECT_TRUE(Get<QRadioButton>("Option3")->isVisibleTo(w)) << name;
        EXPECT_TRUE(Get<QLabel>("Label1_10")->isVisibleTo(w)) << name;
        EXPECT_FALSE(Get<QLabel>("Label1_12")->isVisibleTo(w)) << name;
        EXPECT_FALSE(Get("Text10")->isVisibleTo(w)) << name;
        EXPECT_EQ(Text("Text10"), "0") << name;
        EXPECT_TRUE(StartEnabled()) << name;
        EXPECT_FALSE(Get<QPushButton>("Command2")->isEnabled()) << name;
        EXPECT_FALSE(Get("Text5")->isVisibleTo(w)) << name;
        EXPECT_EQ(Caption("Label5"), w->Description().intro) << name;
        EXPECT_NE(w->findChild<QWidget*>("sbStatusBar"), nullptr) << name;
        EXPECT_FALSE(w->windowFlags() & Qt::WindowCloseButtonHint) << name;
        EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint) << name;
        EXPECT_EQ(Text("Text7"), kind == DrillKind::kcheng ? QString() : QString("祝你好运！\r\n")) << name;
        EXPECT_EQ(w->findChild<QLabel*>("Label1_13") != nullptr, kind != DrillKind::kcheng) << name;
    }
}

TEST_F(DrillFixture, ReopenedWindowsStartFromDesignButKeepTheirVariables)
{
    for (DrillKind kind : kAllDrillKinds) {
        Open(kind);
        w->Option2_Click();
        const std::int16_t range = V().rangeMax;
        w->mnuFileExit_Click();
        EXPECT_EQ(windows.Existing(kind), nullptr) << KindName(kind);
        Flush();
        Open(kind);
        EXPECT_EQ(V().rangeMax, range) << KindName(kind);
        EXPECT_EQ(Text("Text8"), "") << KindName(kind);
        EXPECT_EQ(Text("Text2"), "") << KindName(kind);
        EXPECT_FALSE(Get<QRadioButton>("Option2")->isChecked()) << KindName(kind);
        EXPECT_TRUE(Get<QLabel>("Label5")->isVisibleTo(w)) << KindName(kind);
    }
    EXPECT_EQ(mainShown, 9);
    EXPECT_EQ(windows.Variables(DrillKind::kjiefangcheng).rootLowerBound, 10);
}

TEST_F(DrillFixture, TypedSettingsWithoutALevelDrawOnes)
{
    Open(DrillKind::kcheng);
    Type("Text8", "10");
    Type("Text2", "20");
    w->Command1_Click();
    EXPECT_EQ(Caption("Label3"), "1");
    EXPECT_EQ(Caption("Label4"), "1");
    AnswerWrong();
    EXPECT_EQ(Text("Text8"), "10");  // no penalty has been set
}

}  // namespace
}  // namespace suite::drill::testing
