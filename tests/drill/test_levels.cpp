#include "drilltestsupport.h"

#include <QTest>

namespace suite::drill::testing {
namespace {

struct LevelCase {
    DrillKind kind;
    int level;
    QString caption;
    int range;
    QString questions, seconds, message;
};

class Levels : public DrillFixture, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(Levels, PresetFillsTheBoxesAndLeavesTheSecondsMessage)
{
    const LevelCase& c = GetParam();
    Open(c.kind);
    V().penaltyCount = 5;
    if (c.level == 1) {
        w->Option1_Click();
    } else {
        w->Option2_Click();
    }
    EXPECT_EQ(Caption(c.level == 1 ? "Label1_9" : "Label1_11"), c.caption);
    EXPECT_EQ(Text("Text8"), c.questions);
    EXPECT_EQ(Text("Text2"), c.seconds);
    EXPECT_EQ(Text("Text7"), c.message);
    EXPECT_TRUE(StartEnabled());
    EXPECT_EQ(V().rangeMax, c.range);
    EXPECT_EQ(V().penaltyCount, 0);
    EXPECT_EQ(V().questionTotal, c.questions.toDouble());
    EXPECT_EQ(V().timeLimit, c.seconds.toDouble());
}

INSTANTIATE_TEST_SUITE_P(
    AllNine, Levels,
    ::testing::Values(
        LevelCase{DrillKind::kjia, 1, kJiaLevel1, 100, "10", "20", kGoodLuck},
        LevelCase{DrillKind::kjia, 2, kJiaLevel2, 1000, "5", "40", kGoodLuck},
        LevelCase{DrillKind::kjian, 1, kJianLevel1, 100, "10", "20", kGoodLuck},
        LevelCase{DrillKind::kjian, 2, kJianLevel2, 1000, "5", "40", kGoodLuck},
        LevelCase{DrillKind::kcheng, 1, kChengLevel1, 20, "10", "30", kGoodLuck},
        LevelCase{DrillKind::kcheng, 2, kChengLevel2, 30, "5", "60", kGoodLuck},
        LevelCase{DrillKind::kchu, 1, kChuLevel1, 20, "10", "30", kGoodLuck},
        LevelCase{DrillKind::kchu, 2, kChuLevel2, 50, "5", "60", kGoodLuck},
        LevelCase{DrillKind::kchengfang, 1, kSquareLevel1, 20, "10", "30", kGoodLuck},
        LevelCase{DrillKind::kchengfang, 2, kSquareLevel2, 30, "5", "60", kGoodLuck},
        LevelCase{DrillKind::kkaifang, 1, kRootLevel1, 20, "10", "30", kGoodLuck},
        LevelCase{DrillKind::kkaifang, 2, kRootLevel2, 50, "5", "60", kGoodLuck},
        LevelCase{DrillKind::kjieche, 1, kFactorialLevel1, 10, "8", "30", kGoodLuck},
        LevelCase{DrillKind::kjieche, 2, kFactorialLevel2, 17, "5", "90", kTooSlow},
        LevelCase{DrillKind::kplzh, 1, kCountingLevel1, 10, "10", "30", kGoodLuck},
        LevelCase{DrillKind::kplzh, 2, kCountingLevel2, 15, "5", "60", kGoodLuck},
        LevelCase{DrillKind::kjiefangcheng, 1, kQuadraticLevel1, 10, "10", "30", kGoodLuck},
        LevelCase{DrillKind::kjiefangcheng, 2, kQuadraticLevel2, 10, "5", "60", kGoodLuck}),
    [](const auto& info) { return std::string(KindName(info.param.kind)) + "_level" + std::to_string(info.param.level); });

TEST_F(DrillFixture, SecondsMessagesFollowTheThresholds)
{
    struct Case {
        DrillKind kind;
        QString typed;
        QString message;  // empty: the previous message stays
        bool start;
    };
    const Case cases[] = {
        {DrillKind::kjia, "2", kTooQuick, true},     {DrillKind::kjia, "3", kGoodLuck, true},
        {DrillKind::kjia, "89", kGoodLuck, true},    {DrillKind::kjia, "90", kTooSlow, true},
        {DrillKind::kjia, "180", kVeryStrong, true}, {DrillKind::kjia, "0", "", false},
        {DrillKind::kjia, "2.5", kGoodLuck, false},  {DrillKind::kjia, "-5", "", false},
        {DrillKind::kjia, "", "", false},            {DrillKind::kjiefangcheng, "3", kTooQuick, true},
        {DrillKind::kjiefangcheng, "179", kGoodLuck, true},
        {DrillKind::kjiefangcheng, "180", kTooSlow, true},
        {DrillKind::kjiefangcheng, "300", kVeryStrong, true},
    };
    for (const Case& c : cases) {
        Open(c.kind);
        Type("Text7", "before");
        Type("Text2", c.typed);
        EXPECT_EQ(Text("Text7"), c.message.isEmpty() ? QString("before") : c.message) << c.typed.toStdString();
        EXPECT_EQ(StartEnabled(), c.start) << c.typed.toStdString();
    }
}

TEST_F(DrillFixture, CountMessagesAndTheLastCheckDecidesStart)
{
    Open(DrillKind::kjia);
    Type("Text8", "20");
    EXPECT_EQ(Text("Text7"), kLongRun);
    Type("Text8", "19");
    EXPECT_EQ(Text("Text7"), kGoodLuck);
    Type("Text2", "20");
    Type("Text8", "");
    EXPECT_FALSE(StartEnabled());
    Type("Text8", "10");
    Type("Text2", "");
    EXPECT_FALSE(StartEnabled());
    Type("Text2", "20");
    Type("Text8", "1.5");
    EXPECT_FALSE(StartEnabled());
    // A valid seconds box after an unusable count enables Start again.
    Type("Text2", "30");
    EXPECT_TRUE(StartEnabled());
}

TEST_F(DrillFixture, TypingStopsAtThreeCharactersButProgramWritesStayWhole)
{
    Open(DrillKind::kjia);
    QLineEdit* count = Get("Text8");
    count->setFocus();
    QTest::keyClicks(count, "12345");
    EXPECT_EQ(count->text(), "123");
    Type("Text8", "1001");
    EXPECT_EQ(Text("Text8"), "1001");
}

// Each key runs the box's check, which writes the message line: the keys stay in the order
// typed, with the caret after them, before a run and during one.
TEST_F(DrillFixture, SettingBoxesTypedKeyByKeyKeepTheCaretAtTheEnd)
{
    Open(DrillKind::kjia);
    auto typeInto = [this](const char* name, const char* keys) {
        QLineEdit* box = Get(name);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, keys);
        EXPECT_EQ(box->text(), keys) << name;
        EXPECT_EQ(box->cursorPosition(), box->text().size()) << name;
    };
    for (const char* keys : {"2.5", "20", "-5"}) typeInto("Text2", keys);
    for (const char* keys : {"1.5", "20", "12"}) typeInto("Text8", keys);
    Type("Text2", "20");
    Type("Text8", "10");
    w->Command1_Click();
    typeInto("Text8", "15");
    EXPECT_EQ(V().questionTotal, 15);
}

TEST_F(DrillFixture, CustomSettingsAskFourPromptsInOrder)
{
    Open(DrillKind::kjieche);
    for (const char* reply : {"7", "12", "45", "3"}) fake.dialogs.Reply(reply);
    w->Option3_Click();
    ASSERT_EQ(fake.dialogs.inputs.size(), 4u);
    const auto& in = fake.dialogs.inputs;
    EXPECT_EQ(in[0].prompt, kFactorialRange);
    EXPECT_EQ(in[0].title, kRangeTitle);
    EXPECT_EQ(in[0].defaultText, "10");
    EXPECT_EQ(in[1].prompt, kCountPrompt);
    EXPECT_EQ(in[1].title, kCountTitle);
    EXPECT_EQ(in[1].defaultText, "10");
    EXPECT_EQ(in[2].prompt, kTimePrompt);
    EXPECT_EQ(in[2].title, kTimeTitle);
    EXPECT_EQ(in[2].defaultText, "30");
    EXPECT_EQ(in[3].prompt, kPenaltyPrompt);
    EXPECT_EQ(in[3].title, kPenaltyTitle);
    EXPECT_EQ(in[3].defaultText, "2");
    EXPECT_EQ(fake.cues.played, QStringList{kCueBird});
    EXPECT_EQ(V().rangeMax, 7);
    EXPECT_EQ(Text("Text8"), "12");
    EXPECT_EQ(Text("Text2"), "45");
    EXPECT_EQ(V().penaltyCount, 3);
    EXPECT_TRUE(StartEnabled());
    EXPECT_TRUE(fake.dialogs.messages.empty());
}

TEST_F(DrillFixture, EachWindowOffersItsOwnRangePrompt)
{
    for (DrillKind kind : kAllDrillKinds) {
        Open(kind);
        fake.dialogs.inputs.clear();
        w->Option3_Click();
        ASSERT_FALSE(fake.dialogs.inputs.empty());
        EXPECT_EQ(fake.dialogs.inputs[0].prompt, w->Description().rangePrompt) << KindName(kind);
        const bool counting = kind == DrillKind::kjieche || kind == DrillKind::kplzh;
        EXPECT_EQ(fake.dialogs.inputs[0].defaultText, counting ? "10" : "50") << KindName(kind);
    }
}

TEST_F(DrillFixture, CancelledPromptsReadAsZero)
{
    Open(DrillKind::kjia);
    w->Option1_Click();
    for (int i = 0; i < 4; ++i) fake.dialogs.Cancel();
    w->Option3_Click();
    EXPECT_EQ(V().rangeMax, 0);
    EXPECT_EQ(V().penaltyCount, 0);
    EXPECT_EQ(Text("Text8"), "0");
    EXPECT_EQ(Text("Text2"), "0");
    EXPECT_FALSE(StartEnabled());
}

// The seconds box is written after the count box, so its check decides Start and, unless
// its value is not positive, the message.
TEST_F(DrillFixture, AfterCustomSettingsTheSecondsCheckHasTheLastWord)
{
    struct Case {
        const char* count;
        const char* seconds;
        QString message;
        bool start;
    };
    const Case cases[] = {{"", "30", kGoodLuck, true},
                          {"25", "", kLongRun, false},
                          {"25", "200", kVeryStrong, true},
                          {"1.5", "1", kTooQuick, true}};
    for (const Case& c : cases) {
        Open(DrillKind::kjian);
        for (const char* reply : {"50", c.count, c.seconds, "2"}) fake.dialogs.Reply(reply);
        w->Option3_Click();
        EXPECT_EQ(Text("Text7"), c.message) << c.count << "/" << c.seconds;
        EXPECT_EQ(StartEnabled(), c.start) << c.count << "/" << c.seconds;
    }
}

TEST_F(DrillFixture, SettingsMenuDisablesTheLevelsEvenWhenCancelled)
{
    Open(DrillKind::kcheng);
    for (int i = 0; i < 4; ++i) fake.dialogs.Cancel();
    w->mnus_Click();
    for (const char* o : {"Option1", "Option2", "Option3"}) EXPECT_FALSE(Get<QRadioButton>(o)->isEnabled()) << o;
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    EXPECT_EQ(fake.dialogs.messages[0].text, kSettingsDone);
    EXPECT_EQ(fake.dialogs.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(fake.dialogs.messages[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(fake.cues.played.isEmpty());
}

// Ranges a window cannot pose questions from are refused with a message, keeping the old range.
TEST_F(DrillFixture, UnusableCustomRangesAreRefused)
{
    struct Case {
        DrillKind kind;
        QString reply;
        bool accepted;
    };
    const Case cases[] = {
        {DrillKind::kjia, "32767", true},     {DrillKind::kjia, "32768", false},
        {DrillKind::kjia, "-32768", true},    {DrillKind::kjia, "-40000", false},
        {DrillKind::kchu, "0", true},         {DrillKind::kchu, "-5", false},
        {DrillKind::kcheng, "-5", true},      {DrillKind::kjieche, "18", true},
        {DrillKind::kjieche, "19", false},    {DrillKind::kjieche, "171", false},
        {DrillKind::kjieche, "32767", false}, {DrillKind::kjieche, "-19", true},
        {DrillKind::kplzh, "-20", false},     {DrillKind::kplzh, "18", true},
        {DrillKind::kplzh, "23", false},
    };
    for (const Case& c : cases) {
        Open(c.kind);
        V().rangeMax = 9;
        fake.dialogs.messages.clear();
        fake.dialogs.Reply(c.reply);
        w->Option3_Click();
        const std::int16_t expected = c.accepted ? std::int16_t(c.reply.toInt()) : std::int16_t(9);
        EXPECT_EQ(V().rangeMax, expected) << KindName(c.kind) << " " << c.reply.toStdString();
        EXPECT_EQ(fake.dialogs.messages.size(), c.accepted ? 0u : 1u) << KindName(c.kind) << " " << c.reply.toStdString();
        if (!c.accepted && !fake.dialogs.messages.empty()) {
            EXPECT_EQ(fake.dialogs.messages[0].icon, MsgIcon::Exclamation);
            EXPECT_TRUE(fake.dialogs.messages[0].text.contains("9"));
        }
    }
}

TEST_F(DrillFixture, PenaltyRepliesOutsideSixteenBitsAreRefused)
{
    Open(DrillKind::kjian);
    V().penaltyCount = 4;
    for (const char* reply : {"50", "10", "30", "40000"}) fake.dialogs.Reply(reply);
    w->Option3_Click();
    EXPECT_EQ(V().penaltyCount, 4);
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    for (const char* reply : {"50", "10", "30", "-2.5"}) fake.dialogs.Reply(reply);
    w->Option3_Click();
    EXPECT_EQ(V().penaltyCount, -2);  // half to even
}

// An infinite reply would be written as "1.#INF", which the box reads back as 1.
TEST_F(DrillFixture, CountAndTimeRepliesBeyondAnyNumberAreRefused)
{
    struct Case {
        const char* count;
        const char* seconds;
        QString text8, text2;
    };
    const Case cases[] = {{"1e400", "45", "10", "45"}, {"12", "1e999", "12", "20"}};
    for (const Case& c : cases) {
        Open(DrillKind::kjia);
        w->Option1_Click();
        fake.dialogs.messages.clear();
        for (const char* reply : {"50", c.count, c.seconds, "2"}) fake.dialogs.Reply(reply);
        w->Option3_Click();
        EXPECT_EQ(Text("Text8"), c.text8) << c.count;
        EXPECT_EQ(Text("Text2"), c.text2) << c.seconds;
        ASSERT_EQ(fake.dialogs.messages.size(), 1u) << c.count;
        EXPECT_EQ(fake.dialogs.messages[0].icon, MsgIcon::Exclamation);
        w->mnuFileExit_Click();
        Flush();
    }
}

struct RefusedStartCase {
    QString count, seconds;
    const char* boxWithQuery;
    QString message;
};

TEST_F(DrillFixture, StartWithoutCountOrSecondsIsRefusedWithQuery)
{
    const RefusedStartCase cases[] = {
        {"", "20", "Text8", kAskCount},
        {"abc", "20", "Text8", kAskCount},
        {"10", "", "Text2", kAskSeconds},
    };
    for (DrillKind kind : kAllDrillKinds) {
        for (const RefusedStartCase& c : cases) {
            Open(kind);
            Type("Text8", c.count);
            Type("Text2", c.seconds);
            Type("Text5", "stale");
            w->Command1_Click();
            const std::string where = std::string(KindName(kind)) + " " + c.boxWithQuery;
            EXPECT_EQ(Text(c.boxWithQuery), kQuery) << where;
            EXPECT_EQ(Text("Text7"), c.message) << where;
            EXPECT_FALSE(StartEnabled()) << where;
            EXPECT_FALSE(Timer("Timer1")->isActive()) << where;
            EXPECT_FALSE(Get<QRadioButton>("Option1")->isEnabled()) << where;
            EXPECT_FALSE(Get<QLabel>("Label5")->isVisibleTo(w)) << where;
            EXPECT_TRUE(Get("Text5")->isVisibleTo(w)) << where;
            // Only the counting window empties the answer box as it shows the row.
            EXPECT_EQ(Text("Text5"), kind == DrillKind::kplzh ? "" : "stale") << where;
            w->mnuFileExit_Click();
            Flush();
        }
    }
}

TEST_F(DrillFixture, RefusedStartShowsTheDesignCaptionsOfTheRow)
{
    Open(DrillKind::kjieche);
    Type("Text2", "20");
    w->Command1_Click();
    EXPECT_EQ(Caption("Label3_0"), "11");
    EXPECT_EQ(Caption("Label3_1"), kFactorialSign);
    EXPECT_EQ(Caption("Label2_4"), "=");
    EXPECT_TRUE(Get<QLabel>("Label3_0")->isVisibleTo(w));
    Open(DrillKind::kplzh);
    Type("Text2", "20");
    w->Command1_Click();
    EXPECT_EQ(Caption("Label2_2"), "C");
    EXPECT_EQ(Caption("Label3"), "3");
    EXPECT_EQ(Caption("Label4"), "4");
}

}  // namespace
}  // namespace suite::drill::testing
