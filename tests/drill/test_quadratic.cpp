#include "drilltestsupport.h"

#include <QTest>

namespace suite::drill::testing {
namespace {

class Quadratic : public DrillFixture {
protected:
    void SetUp() override { Open(DrillKind::kjiefangcheng); }
    // Level 1 (range 10) with draws giving the roots draw1 - draw4 and draw3 - draw2.
    void StartWithDraws(int level, int d1, int d2, int d3, int d4)
    {
        for (int d : {d1, d2, d3, d4}) QueueDraw(d, 10);
        StartLevel(level);
    }
};

TEST_F(Quadratic, RootsAreAcceptedInEitherOrder)
{
    StartWithDraws(1, 4, 6, 1, 1);  // roots 3 and -5
    EXPECT_EQ(V().root1, 3);
    EXPECT_EQ(V().root2, -5);
    EXPECT_EQ(Caption("Label2_1"), "+");
    EXPECT_EQ(Caption("Label3_3"), "2");
    EXPECT_EQ(Caption("Label2_3"), "-");
    EXPECT_EQ(Caption("Label4"), "15");
    Type("Text5", "-5");
    Type("Text6", "3.0");
    w->Command2_Click();
    EXPECT_EQ(Text("Text7"), kRight);
    EXPECT_EQ(TextColor(Get("Text7")), Bgr(kYellow));
    EXPECT_EQ(V().score, 10);
    w->mnuFileKey_Click();
    EXPECT_EQ(Text("Text5"), "3");
    EXPECT_EQ(Text("Text6"), "-5");
    EXPECT_EQ(TextColor(Get("Text6")), Bgr(kRed));
}

TEST_F(Quadratic, AnEmptySecondBoxOnlyAsksForTheOtherRoot)
{
    StartWithDraws(1, 4, 6, 1, 1);
    Type("Text5", "3");
    w->Command2_Click();
    EXPECT_EQ(Text("Text7"), kSecondRoot);
    EXPECT_EQ(TextColor(Get("Text7")), Bgr(kWhite));
    EXPECT_TRUE(Get<QPushButton>("Command2")->isEnabled());
    EXPECT_TRUE(Timer("Timer1")->isActive());
    EXPECT_FALSE(Timer("Timer2")->isActive());
    EXPECT_TRUE(w->Tabs().TabStop(Get("Text6")));
    EXPECT_TRUE(fake.cues.played.endsWith(kCue3));
    // An empty first box with a filled second one is judged at once, the first read as 0.
    Type("Text5", "");
    Type("Text6", "3");
    w->Command2_Click();
    EXPECT_EQ(Text("Text7"), kWrong);
    EXPECT_EQ(Text("Text5"), "3");
    EXPECT_EQ(Text("Text6"), "-5");
    EXPECT_TRUE(Get("Text6")->isEnabled());
}

TEST_F(Quadratic, ZeroCoefficientsShowAMinusAndZero)
{
    StartWithDraws(1, 4, 4, 4, 4);  // both roots 0
    EXPECT_EQ(Caption("Label2_1"), "-");
    EXPECT_EQ(Caption("Label3_3"), "0");
    EXPECT_EQ(Caption("Label2_3"), "-");
    EXPECT_EQ(Caption("Label4"), "0");
}

TEST_F(Quadratic, SignsAndMagnitudesOfTheTerms)
{
    struct Case {
        const char* label;
        int d1, d2, d3, d4;  // roots d1 - d4 and d3 - d2
        QString signB, magnitudeB, signC, magnitudeC;
    };
    const Case cases[] = {
        {"roots 3 and -3", 4, 4, 1, 1, "-", "0", "-", "9"},
        {"roots 0 and 4", 4, 1, 5, 4, "-", "4", "-", "0"},
        {"equal roots 3", 5, 2, 5, 2, "-", "6", "+", "9"},
        {"roots -2 and -3", 1, 5, 2, 3, "+", "5", "+", "6"},
    };
    for (const Case& c : cases) {
        Open(DrillKind::kjiefangcheng);
        StartWithDraws(1, c.d1, c.d2, c.d3, c.d4);
        EXPECT_EQ(Caption("Label2_1"), c.signB) << c.label;
        EXPECT_EQ(Caption("Label3_3"), c.magnitudeB) << c.label;
        EXPECT_EQ(Caption("Label2_3"), c.signC) << c.label;
        EXPECT_EQ(Caption("Label4"), c.magnitudeC) << c.label;
        AnswerRight();
        EXPECT_EQ(Text("Text7"), kRight) << c.label;
        w->mnuFileExit_Click();
        Flush();
    }
}

TEST_F(Quadratic, ASecondBoxOfBlanksIsFilledAndReadsAsZero)
{
    StartWithDraws(1, 4, 1, 5, 4);  // roots 0 and 4
    Type("Text5", "4");
    Type("Text6", "   ");
    w->Command2_Click();
    EXPECT_EQ(Text("Text7"), kRight);
    EXPECT_TRUE(Timer("Timer2")->isActive());
}

TEST_F(Quadratic, TheFocusPassesToTheSecondBox)
{
    StartWithDraws(1, 4, 6, 1, 1);
    Get("Text5")->setFocus();
    ASSERT_EQ(w->focusWidget(), Get("Text5"));
    Type("Text5", "3");
    w->Command2_Click();
    EXPECT_EQ(w->focusWidget(), Get("Text6"));
    EXPECT_TRUE(Get("Text5")->isEnabled());
}

TEST_F(Quadratic, CustomSettingsKeepTheLowerBoundTheLevelLeft)
{
    const std::pair<int, std::int16_t> cases[] = {{0, 0}, {1, 0}, {2, 10}};  // level (0: none), bound
    for (const auto& [level, bound] : cases) {
        DrillVariables& v = windows.Variables(DrillKind::kjiefangcheng);
        v = DrillVariables{};
        Open(DrillKind::kjiefangcheng);
        if (level == 1) w->Option1_Click();
        if (level == 2) w->Option2_Click();
        for (const char* reply : {"5", "10", "60", "1"}) fake.dialogs.Reply(reply);
        w->Option3_Click();
        EXPECT_EQ(V().rootLowerBound, bound) << level;
        EXPECT_EQ(V().rangeMax, 5) << level;
        for (int d : {3, 1, 1, 1}) QueueDraw(d, 5);  // differences 2 and 0
        w->Command1_Click();
        EXPECT_EQ(V().root1, 2 + bound) << level;
        EXPECT_EQ(V().root2, bound) << level;
        w->mnuFileExit_Click();
        Flush();
    }
}

TEST_F(Quadratic, TheSecondLevelKeepsRootsAtLeastTenAway)
{
    StartWithDraws(2, 9, 1, 10, 1);  // differences 8 and 9
    EXPECT_EQ(V().rootLowerBound, 10);
    EXPECT_EQ(V().root1, 18);
    EXPECT_EQ(V().root2, 19);
    EXPECT_EQ(Caption("Label3_3"), "37");
    EXPECT_EQ(Caption("Label4"), "342");
    // Custom settings keep the lower bound.
    for (const char* reply : {"5", "10", "60", "1"}) fake.dialogs.Reply(reply);
    w->mnus_Click();
    EXPECT_EQ(V().rootLowerBound, 10);
    EXPECT_EQ(V().rangeMax, 5);
}

TEST_F(Quadratic, PenaltyStaysUnroundedAndIsUnsetBeforeAnySetting)
{
    Type("Text8", "10");
    Type("Text2", "60");
    w->Command1_Click();
    AnswerWrong();
    EXPECT_EQ(Text("Text8"), "10");  // no penalty set yet
    EXPECT_FALSE(V().quadraticPenalty.has_value());
    for (const char* reply : {"10", "10", "60", "1.5"}) fake.dialogs.Reply(reply);
    w->mnus_Click();
    w->Command1_Click();
    AnswerWrong();
    EXPECT_EQ(Text("Text8"), "11.5");
    EXPECT_FALSE(StartEnabled());
    EXPECT_EQ(Text("Text7"), kWrong);  // the count check disables Start and keeps the verdict
}

TEST_F(Quadratic, ATimeOutRevealsBothRoots)
{
    StartWithDraws(1, 4, 6, 1, 1);
    Type("Text1", "1");
    w->Timer1_Timer();
    EXPECT_EQ(Text("Text7"), kTimeUp);
    EXPECT_EQ(Text("Text5"), "3");
    EXPECT_EQ(Text("Text6"), "-5");
    EXPECT_TRUE(Timer("Timer2")->isActive());
    EXPECT_TRUE(Get("Text6")->isEnabled());
}

TEST_F(Quadratic, EveryNewQuestionTakesTypingIntoTheFirstBox)
{
    enum class Last { Right, Wrong, TimedOut, Shown };
    const std::pair<Last, const char*> cases[] = {
        {Last::Right, "right"}, {Last::Wrong, "wrong"}, {Last::TimedOut, "timed out"}, {Last::Shown, "shown"}};
    w->Option1_Click();
    w->Command1_Click();
    for (const auto& [last, label] : cases) {
        SCOPED_TRACE(label);
        // The learner types the second root and so holds the focus in the second box.
        Get("Text6")->setFocus();
        if (last == Last::Right) AnswerRight();
        if (last == Last::Wrong) AnswerWrong();
        if (last == Last::TimedOut) {
            Type("Text1", "1");
            w->Timer1_Timer();
        }
        if (last == Last::Shown) w->mnuFileKey_Click();
        EXPECT_NE(w->focusWidget(), Get("Text9"));
        const QString number = Text("Text9");
        w->Timer2_Timer();
        ASSERT_EQ(w->focusWidget(), Get("Text5"));
        QTest::keyClicks(w->focusWidget(), "7");
        EXPECT_EQ(Text("Text5"), "7");
        EXPECT_NE(Text("Text9"), number + "7");
    }
}

TEST_F(Quadratic, PauseUsesTheShortTitle)
{
    EXPECT_EQ(w->windowTitle(), kQuadraticCaption);
    w->mnuFilePause_Click();
    EXPECT_EQ(w->windowTitle(), kQuadraticTitle + kPausedSuffix);
    w->mnuFileContinue_Click();
    EXPECT_EQ(w->windowTitle(), kQuadraticTitle);
}

TEST_F(Quadratic, TheRunEndsWithBothBoxesClearedAndTheMagnitudesEmptied)
{
    w->Option1_Click();
    Type("Text8", "1");
    w->Command1_Click();
    AnswerRight();
    w->Timer2_Timer();
    EXPECT_EQ(mainShown, 1);
    EXPECT_EQ(windows.Window(DrillKind::kjiefangcheng), nullptr);
}

}  // namespace
}  // namespace suite::drill::testing
