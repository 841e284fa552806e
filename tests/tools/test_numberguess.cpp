// The number-guessing game window, driven through its handlers on the platform fakes: the
// secret number comes from the scripted random source and the countdown from direct ticks.
#include "common/colour.h"
#include "testkit/accessibility.h"
#include "testkit/controls.h"
#include "testkit/fakes.h"
#include "tools/guessrules.h"
#include "tools/numberguess.h"
#include "tools/numberguesstexts.h"

#include "printing.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace suite::tools {
namespace {

using namespace guesstexts;
using suite::testing::printing::PrintTo;

constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0x0000FF, kYellow = 0x00FFFF,
                        kGreen = 0x00FF00, kBlue = 0xFF0000;
QColor Bgr(std::uint32_t bgr) { return BgrColor(bgr); }

class GuessFixture : public ::testing::Test {
protected:
    suite::testing::FakePlatform fake;
    NumberguessVars vars;
    int toolsShown = 0;
    FormSlot<NumberguessForm> slot{[this] {
        return new NumberguessForm(fake.platform, vars, [this] { ++toolsShown; });
    }};
    NumberguessForm* w = nullptr;

    void SetUp() override { Open(); }
    void Open()
    {
        slot.Show();
        w = slot.Existing();
    }
    static void Flush() { suite::testing::FlushClosedWindows(); }

    template <class T = QLineEdit>
    T* Get(const char* name) const
    {
        return suite::testing::FindControl<T>(w, name);
    }
    QString Text(const char* name) const { return Get(name)->text(); }
    QString Message() const { return Get<QPlainTextEdit>("Text7")->toPlainText(); }
    QColor MessageColour() const { return TextColor(Get<QPlainTextEdit>("Text7")); }
    // As the learner types: the old text selected, then typed over key by key, each key
    // running the box's change handler.
    void Type(const char* name, const QString& text)
    {
        QLineEdit* box = Get(name);
        EXPECT_TRUE(box->isEnabled()) << name;
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, text);
    }
    bool Enabled(const char* name) const { return Get<QWidget>(name)->isEnabled(); }
    bool MenuEnabled(const char* name) const { return Get<QAction>(name)->isEnabled(); }
    bool TabStop(const char* name) { return w->Tabs().TabStop(Get<QWidget>(name)); }
    QTimer* Timer1() const { return Get<QTimer>("Timer1"); }

    // Clicks the level's option button (0: none).
    void PickLevel(int level)
    {
        if (level > 0) Get<QRadioButton>(QStringLiteral("Option%1").arg(level).toLatin1().constData())->click();
    }
    // The next draw makes `secret` the number to find in low..high.
    void QueueSecret(double secret, double low, double high)
    {
        fake.random.values.push_back(float((secret - low + 0.5) / (high - low + 1)));
    }
    // Level (0: none), range typed, Start.
    void StartGame(int level, const QString& low, const QString& high, double secret)
    {
        PickLevel(level);
        Type("Text8", low);
        Type("Text9", high);
        QueueSecret(secret, low.toDouble(), high.toDouble());
        w->Command1_Click();
    }
    void Guess(const QString& g)
    {
        Type("Text5", g);
        w->Command2_Click();
    }
    void Tick(int times = 1)
    {
        for (int i = 0; i < times; ++i) w->Timer1_Timer();
    }
};

TEST_F(GuessFixture, OpensInDesignState)
{
    EXPECT_EQ(w->objectName(), "numberguess");
    EXPECT_EQ(w->windowTitle(), kCaption);
    EXPECT_EQ(Message(), kDesignMessage);
    EXPECT_EQ(MessageColour(), Bgr(kYellow));
    EXPECT_EQ(BackColor(Get<QPlainTextEdit>("Text7")), Bgr(kBlack));
    for (const char* box : {"Text8", "Text9"}) {
        EXPECT_TRUE(Enabled(box)) << box;
        EXPECT_EQ(BackColor(Get(box)), Bgr(kWhite)) << box;
        EXPECT_TRUE(Text(box).isEmpty()) << box;
    }
    for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
        EXPECT_FALSE(Enabled(box)) << box;
    for (const char* box : {"Text8", "Text9", "Text5"})
        EXPECT_EQ(static_cast<TextBox*>(Get(box))->TypedLimit(), 9) << box;
    EXPECT_EQ(TextColor(Get("Text3")), Bgr(kBlue));
    EXPECT_FALSE(Enabled("Command1"));
    EXPECT_FALSE(Enabled("Command2"));
    EXPECT_EQ(w->DefaultButton(), Get<QPushButton>("Command2"));
    for (const char* o : {"Option1", "Option2", "Option3"}) EXPECT_FALSE(Get<QRadioButton>(o)->isChecked()) << o;
    EXPECT_TRUE(MenuEnabled("mnuFileNew"));
    EXPECT_TRUE(MenuEnabled("mnuFileExit"));
    EXPECT_EQ(Get<QAction>("mnuFileNew")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(Get<QAction>("mnuFileExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    EXPECT_EQ(Get<QLabel>("Label2_2")->text(), kEnterGuess);
    EXPECT_EQ(Get<QLabel>("Label1_0")->text(), kRemaining);
    EXPECT_FALSE(Timer1()->isActive());
    EXPECT_EQ(Timer1()->interval(), 1000);
    EXPECT_NE(w->findChild<QWidget*>("sbStatusBar"), nullptr);
    EXPECT_FALSE(TabStop("Text5"));
    EXPECT_FALSE(TabStop("Command2"));
    EXPECT_EQ(w->focusWidget(), Get("Text8"));
}

TEST_F(GuessFixture, EveryFocusableControlHasASpokenNameOfItsOwnInEachState)
{
    auto check = [this](const char* state) {
        EXPECT_EQ(suite::testing::UnnamedFocusableControls(w), QStringList()) << state;
        EXPECT_EQ(suite::testing::SharedNames(w), QStringList()) << state;
    };
    check("setting up");
    StartGame(1, "0", "100", 40);
    check("playing");
    Guess("40");
    check("won");
    w->mnuFileNew_Click();
    check("new game");
    StartGame(3, "0", "100", 40);
    Tick(9);
    check("timed out");
}

// The names say what each box holds, where its caption alone ("到", "在", "与") would not;
// the captions the learner sees stay as they are.
TEST_F(GuessFixture, AScreenReaderNamesEachBoxByWhatItHolds)
{
    auto spoken = [this](const char* name) { return suite::testing::SpokenName(Get<QWidget>(name)); };
    const std::pair<const char*, QString> design[] = {
        {"Text8", "范围下限"}, {"Text9", "范围上限"}, {"Text3", "当前下限"}, {"Text4", "当前上限"},
        {"Text2", "限时秒数"}, {"Text1", "剩余秒数"}, {"Text6", "猜数次数"}, {"Text5", "请输入你猜的数"},
        {"Text7", kMessageName}};
    for (const auto& [box, name] : design) EXPECT_EQ(spoken(box), name) << box;
    for (const auto& [label, caption] : {std::pair{"Label1_0", kRemaining}, std::pair{"Label2_2", kEnterGuess}})
        EXPECT_EQ(Get<QLabel>(label)->text(), caption) << label;

    StartGame(1, "0", "1000", 321);
    Guess("321");
    EXPECT_EQ(spoken("Text1"), "用时秒数");
    EXPECT_EQ(spoken("Text5"), kResultName);
    w->mnuFileNew_Click();
    EXPECT_EQ(spoken("Text1"), "剩余秒数");

    StartGame(3, "0", "100", 40);
    EXPECT_EQ(spoken("Text5"), "请输入你猜的数");
    Tick(9);
    EXPECT_EQ(spoken("Text5"), "答案");
    EXPECT_EQ(Get<QLabel>("Label2_2")->text(), kAnswerCaption);
}

struct LevelCase {
    int level;
    std::uint32_t colour;
    QString greeting;
};
void PrintTo(const LevelCase& c, std::ostream* os) { *os << "level " << c.level; }
class LevelButtonTest : public GuessFixture, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(LevelButtonTest, SetsTheLevelAndGreetsInItsColour)
{
    PickLevel(GetParam().level);
    EXPECT_EQ(vars.difficultyLevel, GetParam().level);
    EXPECT_EQ(Message(), GetParam().greeting);
    EXPECT_EQ(MessageColour(), Bgr(GetParam().colour));
}

TEST_P(LevelButtonTest, AScreenReadersToggleChoosesTheLevelToo)
{
    auto* option = Get<QRadioButton>(QStringLiteral("Option%1").arg(GetParam().level).toLatin1().constData());
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(option)->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(vars.difficultyLevel, GetParam().level);
    EXPECT_EQ(Message(), GetParam().greeting);
}

INSTANTIATE_TEST_SUITE_P(ThreeLevels, LevelButtonTest,
                         ::testing::Values(LevelCase{1, kYellow, kGreeting1}, LevelCase{2, kGreen, kGreeting2},
                                           LevelCase{3, kRed, kGreeting3}));

TEST_F(GuessFixture, LowerBoundIsCutToAWholeNumberByItsOwnChangeHandler)
{
    Type("Text8", "2.7");
    EXPECT_EQ(Text("Text8"), "2");
    EXPECT_EQ(vars.lowBound, 2);
    EXPECT_EQ(Message(), kDesignMessage);
}

// The handler rewrites the box as a whole number at a fraction's first decimal; the keys
// typed after it go after the text, never in front of it.
struct CutCase {
    const char* typed;
    const char* shown;
    double lowBound;
};
void PrintTo(const CutCase& c, std::ostream* os) { *os << c.typed; }
class TypedLowerBoundTest : public GuessFixture, public ::testing::WithParamInterface<CutCase> {};

TEST_P(TypedLowerBoundTest, IsCutWithTheCaretLeftAtTheEnd)
{
    auto* box = Get("Text8");
    box->setFocus();
    Type("Text8", GetParam().typed);
    EXPECT_EQ(box->text(), GetParam().shown);
    EXPECT_EQ(box->cursorPosition(), box->text().size());
    EXPECT_EQ(vars.lowBound, GetParam().lowBound);
}

INSTANTIATE_TEST_SUITE_P(Fractions, TypedLowerBoundTest,
                         ::testing::Values(CutCase{"2.75", "25", 25}, CutCase{"12.345", "1245", 1245},
                                           CutCase{"-2.5", "-3", -3}, CutCase{"-2.50", "-30", -30},
                                           CutCase{"7.", "7.", 7}));

TEST_F(GuessFixture, NegativeLowerBoundIsToldOffDisablesStartAndIsCutDownwards)
{
    Type("Text9", "100");
    ASSERT_TRUE(Enabled("Command1"));
    Type("Text8", "-2.5");
    EXPECT_EQ(Text("Text8"), "-3");
    EXPECT_EQ(vars.lowBound, -3);
    EXPECT_EQ(Message(), kNegativeLow);
    EXPECT_FALSE(Enabled("Command1"));
}

TEST_F(GuessFixture, OnlyTheUpperBoundEnablesStartAndOnlyForAGapAboveOne)
{
    Type("Text8", "5");
    Type("Text9", "6");  // gap 1
    EXPECT_FALSE(Enabled("Command1"));
    EXPECT_EQ(Message(), kDesignMessage);
    Type("Text9", "7");
    EXPECT_TRUE(Enabled("Command1"));
    EXPECT_EQ(Message(), kGoodLuck);
    Type("Text8", "6");  // a lower bound never enables nor disables Start by itself
    EXPECT_TRUE(Enabled("Command1"));
    Type("Text9", "-1");
    EXPECT_EQ(Message(), kNegativeHigh);
    EXPECT_FALSE(Enabled("Command1"));
}

struct RefusalCase {
    const char* name;
    const char* low;
    const char* high;
    QString message;
    const char* lowAfter;
    const char* highAfter;
};
class RefusedStartTest : public GuessFixture, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusedStartTest, LeavesTheFirstStepsChangesAndStartUsable)
{
    const RefusalCase& c = GetParam();
    PickLevel(1);
    Type("Text8", c.low);
    Type("Text9", c.high);
    w->Command1_Click();
    EXPECT_EQ(Message(), c.message);
    EXPECT_EQ(Text("Text8"), c.lowAfter);
    EXPECT_EQ(Text("Text9"), c.highAfter);
    EXPECT_FALSE(Timer1()->isActive());
    EXPECT_FALSE(Enabled("Command2"));
    EXPECT_TRUE(Enabled("Text8"));
    EXPECT_TRUE(Enabled("Text2"));
    EXPECT_TRUE(Text("Text2").isEmpty());
    for (const char* o : {"Option1", "Option2", "Option3"}) EXPECT_FALSE(Enabled(o)) << o;
    EXPECT_FALSE(MenuEnabled("mnuFileNew"));
    EXPECT_FALSE(MenuEnabled("mnuFileExit"));
    EXPECT_EQ(fake.random.reseeds, 0);
    for (TextBox* box : w->findChildren<TextBox*>())
        EXPECT_FALSE(box->text().contains("INF")) << box->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    BadRanges, RefusedStartTest,
    ::testing::Values(RefusalCase{"WidthTwo", "0", "2", kTooNarrow, "0", "2"},
                      RefusalCase{"Reversed", "10", "5", kReversed, "（小）", "（大）"},
                      RefusalCase{"NegativeLowerBound", "-5", "10", kNegativeLow, "-5", "10"},
                      RefusalCase{"PastNineDigits", "0", "1e10", kTooWide, "0", "1e10"},
                      RefusalCase{"NegativeReachingPastNineDigits", "-99999999", "999999999", kNegativeLow,
                                  "-99999999", "999999999"},
                      // Past double range: the boxes keep what was typed, never an infinity.
                      RefusalCase{"LowerPastDoubleRange", "1e400", "100", kReversed, "（小）", "（大）"},
                      RefusalCase{"BothPastDoubleRange", "1e400", "1e401", kTooWide, "1e400", "1e401"},
                      RefusalCase{"UpperPastDoubleRange", "0", "1e400", kTooWide, "0", "1e400"},
                      RefusalCase{"NegativeLowerPastDoubleRange", "-1e400", "100", kNegativeLow, "-1e400", "100"},
                      RefusalCase{"NegativeUpperPastDoubleRange", "0", "-1e400", kReversed, "（小）", "（大）"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GuessFixture, AfterAReversedRangeBothBoxesReadZeroSoStartAgainIsTooNarrow)
{
    Type("Text8", "10");
    Type("Text9", "5");
    w->Command1_Click();
    ASSERT_EQ(Message(), kReversed);
    EXPECT_EQ(vars.lowBound, 0);
    EXPECT_EQ(vars.highBound, 0);
    w->Command1_Click();
    EXPECT_EQ(Message(), kTooNarrow);
}

TEST_F(GuessFixture, ACorrectedRangeStartsAfterARefusal)
{
    StartGame(1, "0", "2", 1);
    ASSERT_EQ(Message(), kTooNarrow);
    Type("Text9", "3");
    QueueSecret(2, 0, 3);
    w->Command1_Click();
    EXPECT_TRUE(Timer1()->isActive());
    EXPECT_EQ(vars.rangeWidth, 3);
    EXPECT_EQ(vars.secretNumber, 2);
}

struct StartCase {
    const char* name;
    int level;
    const char* high;
    const char* limit;
};
class StartTest : public GuessFixture, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartTest, ShowsTheTimeLimitInBothBoxes)
{
    StartGame(GetParam().level, "0", GetParam().high, 1);
    EXPECT_EQ(Text("Text2"), GetParam().limit);
    EXPECT_EQ(Text("Text1"), GetParam().limit);
    EXPECT_EQ(Message(), kGoodStart);
}

INSTANTIATE_TEST_SUITE_P(Ranges, StartTest,
                         ::testing::Values(StartCase{"Range3", 1, "3", "7"},
                                           StartCase{"Range100Level1", 1, "100", "29"},
                                           StartCase{"Range100Level3", 3, "100", "9"},
                                           StartCase{"Range1000Level1", 1, "1000", "51"},
                                           StartCase{"Range1000Level3", 3, "1000", "24"},
                                           StartCase{"Range1000000Level1", 1, "1000000", "161"},
                                           StartCase{"Range1000000Level3", 3, "1000000", "90"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GuessFixture, StartSetsUpTheGame)
{
    StartGame(1, "20", "120", 57);
    EXPECT_EQ(vars.rangeWidth, 100);
    EXPECT_EQ(vars.secretNumber, 57);
    EXPECT_EQ(fake.random.reseeds, 1);
    EXPECT_EQ(Text("Text3"), "20");
    EXPECT_EQ(Text("Text4"), "120");
    EXPECT_EQ(Text("Text6"), "0");
    EXPECT_TRUE(Text("Text5").isEmpty());
    EXPECT_TRUE(Timer1()->isActive());
    EXPECT_TRUE(Enabled("Command2"));
    EXPECT_FALSE(Enabled("Command1"));
    for (const char* box : {"Text1", "Text3", "Text4", "Text5", "Text6"}) EXPECT_TRUE(Enabled(box)) << box;
    for (const char* box : {"Text2", "Text8", "Text9"}) EXPECT_FALSE(Enabled(box)) << box;
    EXPECT_EQ(BackColor(Get("Text8")), SystemColor(SystemColour::ButtonFace));
    EXPECT_EQ(BackColor(Get("Text5")), Bgr(kWhite));
    EXPECT_EQ(TextColor(Get("Text1")), Bgr(kWhite));
    EXPECT_EQ(BackColor(Get("Text1")), Bgr(kBlack));
    EXPECT_EQ(BackColor(Get("Text6")), Bgr(kBlack));
    EXPECT_EQ(TextColor(Get<QLabel>("Label2_2")), Bgr(kBlue));
    EXPECT_FALSE(MenuEnabled("mnuFileExit"));
    EXPECT_FALSE(MenuEnabled("mnuFileNew"));
    for (const char* stop : {"Text5", "Command2"}) EXPECT_TRUE(TabStop(stop)) << stop;
    for (const char* off : {"Text8", "Text9", "Command1", "Option1", "Option2", "Option3"})
        EXPECT_FALSE(TabStop(off)) << off;
    EXPECT_EQ(w->focusWidget(), Get("Text5"));
}

TEST_F(GuessFixture, TheDrawCoversBothEndsOfTheRange)
{
    fake.random.values = {0.0f};
    Type("Text8", "10");
    Type("Text9", "20");
    w->Command1_Click();
    EXPECT_EQ(vars.secretNumber, 10);
    w->mnuFileNew_Click();
    fake.random.values = {0.9999999f};
    Type("Text8", "10");
    Type("Text9", "20");
    w->Command1_Click();
    EXPECT_EQ(vars.secretNumber, 20);
}

TEST_F(GuessFixture, AFractionalUpperBoundIsCutAtStart)
{
    StartGame(1, "0", "100.7", 30);
    EXPECT_EQ(Text("Text9"), "100");
    EXPECT_EQ(vars.highBound, 100);
    EXPECT_EQ(vars.rangeWidth, 100);
    EXPECT_EQ(Text("Text2"), "29");
    EXPECT_EQ(Message(), kGoodStart);  // the cut's own good-luck line is overwritten
}

TEST_F(GuessFixture, LevelTwoAddsItsOwnBonusNotTheOneAnEarlierGameLeft)
{
    StartGame(3, "0", "1000000", 5);
    ASSERT_EQ(vars.timeBonus, 10);
    Guess("5");
    w->mnuFileNew_Click();
    StartGame(2, "0", "100", 5);
    EXPECT_EQ(vars.timeBonus, kLevel2Bonus);
    EXPECT_EQ(Text("Text2"), QString::number(2 * 7 + kLevel2Bonus));
}

TEST_F(GuessFixture, WithoutALevelTheClassIsTheFactorAndNoBonusAtFirst)
{
    StartGame(0, "0", "100", 5);
    EXPECT_EQ(vars.timeFactor, 2);
    EXPECT_EQ(Text("Text2"), "14");
}

TEST_F(GuessFixture, GuessesNarrowTheBoundsAndAreCounted)
{
    StartGame(1, "0", "100", 40);
    Guess("30");
    EXPECT_EQ(vars.lowBound, 30);
    EXPECT_EQ(Text("Text3"), "30");
    EXPECT_EQ(Text("Text4"), "100");
    EXPECT_EQ(TextColor(Get("Text3")), Bgr(kBlue));
    EXPECT_EQ(TextColor(Get("Text4")), Bgr(kBlack));
    EXPECT_EQ(Text("Text6"), "1");
    EXPECT_TRUE(Text("Text5").isEmpty());
    EXPECT_EQ(Message(), kHintAlmost);  // 10 away in a range of 100

    Guess("60");
    EXPECT_EQ(vars.highBound, 60);
    EXPECT_EQ(Text("Text3"), "30");
    EXPECT_EQ(Text("Text4"), "60");
    EXPECT_EQ(TextColor(Get("Text3")), Bgr(kBlack));
    EXPECT_EQ(TextColor(Get("Text4")), Bgr(kBlue));
    EXPECT_EQ(Text("Text6"), "2");
    EXPECT_EQ(Message(), kHintNotFar);  // 20 away

    Guess("42");
    EXPECT_EQ(Message(), kHintNotFar) << "within 5% the last hint stays";
    EXPECT_EQ(vars.missDistance, 2);
}

TEST_F(GuessFixture, AGuessOnTheLowerBoundIsInRange)
{
    StartGame(1, "0", "100", 40);
    Guess("30");
    SetTextColor(Get("Text3"), Bgr(kBlack));
    Guess("30");
    EXPECT_EQ(vars.lowBound, 30);
    EXPECT_EQ(TextColor(Get("Text3")), Bgr(kBlue));
    EXPECT_EQ(Text("Text6"), "2");
}

TEST_F(GuessFixture, AGuessOutsideTheBoundsIsCountedAndWarnedOnlyWhenNearTheSecret)
{
    StartGame(1, "0", "100", 40);
    Guess("38");
    Guess("37");  // below the current lower bound 38, but within 5 of the secret
    EXPECT_EQ(Message(), kOutOfRange);
    EXPECT_EQ(TextColor(Get("Text3")), Bgr(kRed));
    EXPECT_EQ(TextColor(Get("Text4")), Bgr(kRed));
    EXPECT_EQ(Text("Text3"), "38");
    EXPECT_EQ(Text("Text4"), "100");
    EXPECT_EQ(Text("Text6"), "2");
    EXPECT_EQ(vars.lowBound, 38);
    Guess("500");
    EXPECT_EQ(Message(), kHintFar);
    EXPECT_EQ(Text("Text6"), "3");
}

// A range of 1000 takes ten halvings; misses outside the bounds make up the count.
struct WinCase {
    int guesses;
    QString verdict;
};
void PrintTo(const WinCase& c, std::ostream* os) { *os << "won at guess " << c.guesses; }
class WinVerdictTest : public GuessFixture, public ::testing::WithParamInterface<WinCase> {};

TEST_P(WinVerdictTest, JudgesTheGuessesAgainstTheHalvings)
{
    StartGame(1, "0", "1000", 500);
    for (int i = 1; i < GetParam().guesses; ++i) Guess("2000");
    Guess("500");
    EXPECT_EQ(Message(), GetParam().verdict);
    EXPECT_EQ(MessageColour(), Bgr(kGreen));
    EXPECT_EQ(Text("Text6"), QString::number(GetParam().guesses));
    EXPECT_EQ(vars.idealGuesses, 10);
}

INSTANTIATE_TEST_SUITE_P(Range1000, WinVerdictTest,
                         ::testing::Values(WinCase{8, kVerdictLucky}, WinCase{10, kVerdictSkilful},
                                           WinCase{11, kVerdictSkilful}, WinCase{12, kVerdictUnpractised}));

TEST_F(GuessFixture, AWinStopsTheClockShowsTheSecondsUsedAndFreesTheMenu)
{
    StartGame(1, "0", "1000", 321);
    Tick(7);
    ASSERT_EQ(Text("Text1"), "44");
    fake.dialogs.onDialog = [this] {
        EXPECT_FALSE(Timer1()->isActive()) << "the clock stops before the message";
    };
    Guess("321");
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    const auto& box = fake.dialogs.messages.front();
    EXPECT_EQ(box.text, kWinMessage);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.icon, MsgIcon::None);
    EXPECT_TRUE(box.title.isEmpty());
    EXPECT_EQ(Text("Text1"), "7");
    EXPECT_EQ(TextColor(Get("Text1")), Bgr(kGreen));
    EXPECT_EQ(Get<QLabel>("Label1_0")->text(), kUsed);
    EXPECT_EQ(TextColor(Get<QLabel>("Label1_0")), Bgr(kRed));
    EXPECT_EQ(Text("Text5"), kWon);
    EXPECT_EQ(TextColor(Get("Text5")), Bgr(kRed));
    EXPECT_TRUE(Get<QLabel>("Label2_2")->text().isEmpty());
    EXPECT_TRUE(Enabled("Text2"));
    EXPECT_EQ(TextColor(Get("Text2")), Bgr(kGreen));
    EXPECT_EQ(TextColor(Get("Text6")), Bgr(kGreen));
    EXPECT_FALSE(Enabled("Command1"));
    EXPECT_FALSE(Enabled("Command2"));
    EXPECT_TRUE(MenuEnabled("mnuFileNew"));
    EXPECT_TRUE(MenuEnabled("mnuFileExit"));
    EXPECT_FALSE(TabStop("Text5"));
    EXPECT_FALSE(Timer1()->isActive());
}

// A win before the next tick reads the countdown as the tick would: held to 16 bits.
struct SecondsUsedCase {
    const char* name;
    const char* typed;
    const char* used;
};
class SecondsUsedTest : public GuessFixture, public ::testing::WithParamInterface<SecondsUsedCase> {};

TEST_P(SecondsUsedTest, AWinAfterATypedCountdownShowsTheSecondsUsedFromTheHeldValue)
{
    StartGame(1, "0", "1000", 321);  // 51 seconds
    Type("Text1", GetParam().typed);
    Guess("321");
    EXPECT_EQ(Text("Text1"), GetParam().used);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, SecondsUsedTest,
    ::testing::Values(SecondsUsedCase{"Ordinary", "44", "7"}, SecondsUsedCase{"Fraction", "44.5", "6.5"},
                      SecondsUsedCase{"PastSixteenBits", "99999", "32716"},
                      SecondsUsedCase{"PastDoubleRange", "1e400", "32716"},
                      SecondsUsedCase{"NegativePastDoubleRange", "-1e400", "32819"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GuessFixture, EnterScoresTheGuess)
{
    StartGame(1, "0", "100", 40);
    Type("Text5", "30");
    QTest::keyClick(Get("Text5"), Qt::Key_Return);
    EXPECT_EQ(Text("Text6"), "1");
    EXPECT_EQ(vars.lowBound, 30);
}

TEST_F(GuessFixture, MenuShortcutsLeaveARunningGameAloneAndStartANewOneAfterIt)
{
    QApplication::setActiveWindow(w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    StartGame(1, "0", "100", 40);
    QTest::keyClick(Get("Text5"), Qt::Key_X, Qt::ControlModifier);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(toolsShown, 0);
    Guess("40");
    QTest::keyClick(Get("Text5"), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(Enabled("Text8"));
    EXPECT_EQ(Message(), kGoodLuck);
}

struct TickCase {
    const char* name;
    const char* before;
    const char* after;
    std::uint32_t text1;
    std::uint32_t back1;  // kWhite: the black of a running game is kept
    std::uint32_t text7;
    bool hurry;
};
class CountdownTest : public GuessFixture, public ::testing::WithParamInterface<TickCase> {};

TEST_P(CountdownTest, EachTickShowsTheSecondsLeftInTheirBand)
{
    const TickCase& c = GetParam();
    StartGame(1, "0", "1000000", 5);
    SetTextColor(Get<QPlainTextEdit>("Text7"), Bgr(0x808080));
    Type("Text1", c.before);
    Tick();
    EXPECT_EQ(Text("Text1"), c.after);
    EXPECT_EQ(TextColor(Get("Text1")), Bgr(c.text1));
    EXPECT_EQ(BackColor(Get("Text1")), Bgr(c.back1 == kWhite ? kBlack : c.back1));
    EXPECT_EQ(MessageColour(), Bgr(c.text7));
    EXPECT_EQ(Message() == kHurry, c.hurry);
    EXPECT_TRUE(Timer1()->isActive());
}

INSTANTIATE_TEST_SUITE_P(
    Bands, CountdownTest,
    ::testing::Values(TickCase{"Above60", "62", "61", kWhite, kWhite, kWhite, false},
                      TickCase{"At60", "61", "60", kWhite, kWhite, kYellow, false},
                      TickCase{"At31", "32", "31", kWhite, kWhite, kYellow, false},
                      TickCase{"At30MessageColourKept", "31", "30", kGreen, kWhite, 0x808080, false},
                      TickCase{"At11", "12", "11", kGreen, kWhite, 0x808080, false},
                      TickCase{"At10", "11", "10", kRed, kGreen, kRed, false},
                      TickCase{"At6", "7", "6", kRed, kGreen, kRed, false},
                      TickCase{"At5", "6", "5", kRed, kGreen, kRed, true},
                      TickCase{"At1", "2", "1", kRed, kGreen, kRed, true},
                      // Half to even: 10.5 goes down to 10, 11.5 - 1 = 10.5 too, 12.5 - 1 up to 12.
                      TickCase{"HalfToEvenDown", "11.5", "10", kRed, kGreen, kRed, false},
                      TickCase{"HalfToEvenUp", "12.5", "12", kGreen, kWhite, 0x808080, false},
                      // A typed countdown past the 16-bit range holds at its top rather than fail.
                      TickCase{"PastSixteenBits", "99999", "32767", kWhite, kWhite, kWhite, false},
                      TickCase{"PastDoubleRange", "1e400", "32767", kWhite, kWhite, kWhite, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GuessFixture, TimeUpStopsTheClockBeforeItsMessageAndShowsTheAnswer)
{
    StartGame(3, "0", "100", 63);
    Guess("10");
    Guess("500");
    fake.dialogs.onDialog = [this] {
        EXPECT_FALSE(Timer1()->isActive()) << "no tick may run behind the message";
        EXPECT_EQ(Text("Text1"), kEnd);
    };
    Tick(9);
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    EXPECT_EQ(fake.dialogs.messages.front().text, kTimeUpMessage);
    EXPECT_EQ(fake.dialogs.messages.front().icon, MsgIcon::None);
    EXPECT_EQ(Text("Text1"), kEnd);
    EXPECT_FALSE(Enabled("Text1"));
    EXPECT_EQ(TextColor(Get("Text1")), Bgr(kBlack));
    EXPECT_EQ(BackColor(Get("Text1")), SystemColor(SystemColour::ButtonFace));
    EXPECT_EQ(Text("Text5"), "63");
    EXPECT_EQ(TextColor(Get("Text5")), Bgr(kGreen));
    EXPECT_EQ(BackColor(Get("Text5")), Bgr(kBlack));
    EXPECT_EQ(Text("Text6"), "2");
    EXPECT_EQ(BackColor(Get("Text6")), SystemColor(SystemColour::ButtonFace));
    EXPECT_EQ(Get<QLabel>("Label2_2")->text(), kAnswerCaption);
    EXPECT_EQ(TextColor(Get<QLabel>("Label2_2")), Bgr(kRed));
    EXPECT_EQ(Message(), kGameOver);
    EXPECT_EQ(MessageColour(), Bgr(kWhite));
    EXPECT_FALSE(Enabled("Command2"));
    EXPECT_FALSE(Enabled("Command1"));
    EXPECT_TRUE(MenuEnabled("mnuFileNew"));
    EXPECT_TRUE(MenuEnabled("mnuFileExit"));
    EXPECT_FALSE(TabStop("Text5"));
    EXPECT_FALSE(Timer1()->isActive());
}

TEST_F(GuessFixture, NewGameReturnsToSettingUpAndKeepsTheLevel)
{
    StartGame(2, "0", "100", 40);
    Guess("40");
    w->mnuFileNew_Click();
    for (const char* box : {"Text8", "Text9", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6"})
        EXPECT_TRUE(Text(box).isEmpty()) << box;
    EXPECT_EQ(Message(), kGoodLuck);
    EXPECT_EQ(MessageColour(), Bgr(kGreen)) << "the win's colour stays";
    for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) EXPECT_FALSE(Enabled(box)) << box;
    for (const char* box : {"Text8", "Text9"}) {
        EXPECT_TRUE(Enabled(box)) << box;
        EXPECT_EQ(BackColor(Get(box)), Bgr(kWhite)) << box;
    }
    EXPECT_EQ(BackColor(Get("Text5")), SystemColor(SystemColour::ButtonFace));
    EXPECT_EQ(TextColor(Get("Text5")), Bgr(kBlack));
    EXPECT_EQ(Get<QLabel>("Label1_0")->text(), kRemaining);
    EXPECT_EQ(TextColor(Get<QLabel>("Label1_0")), Bgr(kBlack));
    EXPECT_TRUE(Get<QLabel>("Label2_2")->text().isEmpty()) << "left as the win made it";
    EXPECT_FALSE(Enabled("Command1"));
    EXPECT_FALSE(Enabled("Command2"));
    for (const char* o : {"Option1", "Option2", "Option3"}) {
        EXPECT_TRUE(Enabled(o)) << o;
        EXPECT_TRUE(TabStop(o)) << o;
    }
    EXPECT_TRUE(Get<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(vars.difficultyLevel, 2);
    for (const char* stop : {"Text8", "Text9", "Command1"}) EXPECT_TRUE(TabStop(stop)) << stop;
    for (const char* off : {"Text5", "Command2"}) EXPECT_FALSE(TabStop(off)) << off;
    EXPECT_FALSE(Timer1()->isActive());
}

TEST_F(GuessFixture, ReturnIsDisabledDuringAGameAndAfterwardsShowsTheToolsWindow)
{
    StartGame(1, "0", "100", 40);
    EXPECT_FALSE(MenuEnabled("mnuFileExit"));
    Guess("40");
    Get<QAction>("mnuFileExit")->trigger();
    EXPECT_EQ(toolsShown, 1);
    Flush();
    EXPECT_FALSE(slot.IsLoaded());
}

TEST_F(GuessFixture, ReopeningKeepsTheVariablesButNotTheControls)
{
    StartGame(3, "0", "100", 40);
    Guess("30");
    w->close();
    Flush();
    ASSERT_FALSE(slot.IsLoaded());
    Open();
    EXPECT_EQ(vars.difficultyLevel, 3);
    EXPECT_EQ(vars.lowBound, 30);
    EXPECT_EQ(vars.secretNumber, 40);
    EXPECT_EQ(vars.guessCount, 1);
    EXPECT_EQ(Message(), kDesignMessage);
    EXPECT_TRUE(Text("Text3").isEmpty());
    EXPECT_FALSE(Get<QRadioButton>("Option3")->isChecked());
    EXPECT_TRUE(Enabled("Option3"));
    EXPECT_FALSE(Timer1()->isActive());
    // The level picked before still rules a game started without picking one.
    StartGame(0, "0", "100", 40);
    EXPECT_EQ(Text("Text2"), "9");
}

TEST_F(GuessFixture, ClosingDuringAGameStopsItsTimerAndShowsNothingElse)
{
    StartGame(1, "0", "100", 40);
    QTimer* timer = Timer1();
    ASSERT_TRUE(timer->isActive());
    w->close();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(toolsShown, 0);
    Flush();
    EXPECT_FALSE(slot.IsLoaded());
}

TEST_F(GuessFixture, AClosingAskedForDuringAMessageWaitsUntilTheBoxIsGone)
{
    StartGame(1, "0", "100", 40);
    fake.dialogs.onDialog = [this] {
        w->close();
        Flush();
        EXPECT_TRUE(slot.IsLoaded()) << "the window outlives its open message box";
        EXPECT_TRUE(w->isVisible());
    };
    Guess("40");
    EXPECT_FALSE(w->isVisible());
    Flush();
    EXPECT_FALSE(slot.IsLoaded());
}

}  // namespace
}  // namespace suite::tools
