// What a screen reader hears of a drill window, and option buttons chosen every way a learner can.
#include "drilltestsupport.h"

#include "testkit/accessibility.h"
#include "testkit/printing.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

namespace suite::drill::testing {
namespace {

using suite::testing::NameChanges;
using suite::testing::printing::PrintTo;
using suite::testing::SharedNames;
using suite::testing::SpokenName;
using suite::testing::SpokenTree;
using suite::testing::UnnamedFocusableControls;

class DrillAccessibility : public DrillFixture, public ::testing::WithParamInterface<DrillKind> {};

TEST_P(DrillAccessibility, EveryFocusableControlHasANameOfItsOwnIdleAndDuringARun)
{
    Open(GetParam());
    EXPECT_EQ(UnnamedFocusableControls(w), QStringList{});
    EXPECT_EQ(SharedNames(w), QStringList{});
    StartLevel(1);
    EXPECT_EQ(UnnamedFocusableControls(w), QStringList{});
    EXPECT_EQ(SharedNames(w), QStringList{});
    const std::pair<const char*, QString> boxes[] = {{"Text8", kQuestionsName}, {"Text2", kPerQuestion},
                                                     {"Text9", kQuestionNoName}, {"Text1", kSecondsLeftName},
                                                     {"Text7", kMessageLineName}};
    for (const auto& [box, name] : boxes) EXPECT_EQ(SpokenName(Get(box)), name) << box;
}

struct QuestionCase {
    const char* name;
    DrillKind kind;
    std::vector<float> first;  // draws of the first question, level 1
    QString firstRead;
    std::vector<float> next;  // draws of the question after it
    QString nextRead;
};

class QuestionRead : public DrillFixture, public ::testing::WithParamInterface<QuestionCase> {
protected:
    QAccessibleInterface* Row() const
    {
        return QAccessible::queryAccessibleInterface(Get<QWidget>("questionRow"));
    }
};

TEST_P(QuestionRead, TheRowSaysEachQuestionAsWrittenMathsOnceAnnounced)
{
    const QuestionCase& c = GetParam();
    NameChanges announced;
    ASSERT_TRUE(announced.Listening());
    Open(c.kind);
    fake.random.values.assign(c.first.begin(), c.first.end());
    announced.Clear();
    StartLevel(1);
    ASSERT_NE(Row(), nullptr);
    EXPECT_EQ(Row()->text(QAccessible::Name), c.firstRead);
    EXPECT_EQ(announced.Announced(), QList<QPointer<QObject>>{Get<QWidget>("questionRow")});

    AnswerRight();
    fake.random.values.assign(c.next.begin(), c.next.end());
    announced.Clear();
    w->Timer2_Timer();
    EXPECT_EQ(Row()->text(QAccessible::Name), c.nextRead);
    EXPECT_EQ(announced.Announced(), QList<QPointer<QObject>>{Get<QWidget>("questionRow")});
}

TEST_P(QuestionRead, ThePiecesAreNotReadOnTheirOwn)
{
    const QuestionCase& c = GetParam();
    Open(c.kind);
    fake.random.values.assign(c.first.begin(), c.first.end());
    StartLevel(1);
    EXPECT_EQ(Row()->role(), QAccessible::StaticText);
    EXPECT_EQ(Row()->childCount(), 0);
    const QStringList heard = SpokenTree(w);
    EXPECT_EQ(heard.count(c.firstRead), 1) << heard.join(" | ").toStdString();
    for (QLabel* piece : Get<QWidget>("questionRow")->findChildren<QLabel*>()) {
        if (!piece->text().trimmed().isEmpty()) {
            EXPECT_FALSE(heard.contains(piece->text().trimmed())) << piece->objectName().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllNine, QuestionRead,
    ::testing::Values(
        QuestionCase{"kjia", DrillKind::kjia, {One(7, 100), One(8, 100)}, "7 + 8 =", {One(20, 100), One(5, 100)}, "20 + 5 ="},
        QuestionCase{"kjian", DrillKind::kjian, {One(20, 100), One(5, 100)}, "20 − 5 =", {One(5, 100), One(5, 100)}, "5 − 5 ="},
        QuestionCase{"kcheng", DrillKind::kcheng, {One(7, 20), One(8, 20)}, "7 × 8 =", {One(12, 20), One(13, 20)}, "12 × 13 ="},
        QuestionCase{"kchu", DrillKind::kchu, {One(5, 20), One(3, 20)}, "15 ÷ 3 =", {One(7, 20), One(6, 20)}, "42 ÷ 6 ="},
        QuestionCase{"kchengfang", DrillKind::kchengfang, {One(20, 20)}, "20² =", {One(3, 20)}, "3² ="},
        QuestionCase{"kkaifang", DrillKind::kkaifang, {One(9, 20)}, "√81 =", {One(20, 20)}, "√400 ="},
        QuestionCase{"kjieche", DrillKind::kjieche, {Zero(5, 10)}, "5! =", {Zero(0, 10)}, "0! ="},
        QuestionCase{"kplzh", DrillKind::kplzh, {kPermutation, Zero(9, 10), Zero(3, 10)}, "A(9,3) =",
                     {kCombination, Zero(9, 10), Zero(3, 10)}, "C(9,3) ="},
        // Roots -2 and -3, then 3 and -5, then 2 and -2 with its linear term shown as "- 0".
        QuestionCase{"kjiefangcheng", DrillKind::kjiefangcheng, {One(1, 10), One(4, 10), One(1, 10), One(3, 10)},
                     "X² + 5X + 6 = 0", {One(4, 10), One(6, 10), One(1, 10), One(1, 10)}, "X² + 2X − 15 = 0"},
        QuestionCase{"kjiefangcheng_zero_term", DrillKind::kjiefangcheng,
                     {One(3, 10), One(3, 10), One(1, 10), One(1, 10)}, "X² − 0X − 4 = 0",
                     {One(1, 10), One(1, 10), One(1, 10), One(1, 10)}, "X² − 0X − 0 = 0"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrillFixture, ARetriedQuestionIsAnnouncedAgainAndARevealedAnswerIsNot)
{
    NameChanges announced;
    ASSERT_TRUE(announced.Listening());
    Open(DrillKind::kkaifang);
    QueueDraw(9, 20);
    StartLevel(1);
    announced.Clear();
    AnswerWrong();
    EXPECT_EQ(announced.Announced(), QList<QPointer<QObject>>{});
    Timer3Tick();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Get<QWidget>("questionRow"))->text(QAccessible::Name), "√81 =");
    EXPECT_EQ(announced.Announced(), QList<QPointer<QObject>>{Get<QWidget>("questionRow")});
}

TEST_F(DrillFixture, AStartThatStopsForACountReadsTheDesignCaptions)
{
    Open(DrillKind::kplzh);
    w->Command1_Click();
    ASSERT_EQ(Text("Text7"), kAskCount);
    EXPECT_TRUE(SpokenTree(w).contains("C(4,3) =")) << SpokenTree(w).join(" | ").toStdString();
}

TEST_F(DrillFixture, TheQuadraticRowReadsTheEquationThenEachAnswerBoxAfterItsCaption)
{
    Open(DrillKind::kjiefangcheng);
    for (int d : {1, 4, 1, 3}) QueueDraw(d, 10);
    StartLevel(1);
    QStringList heard = SpokenTree(w);
    const QStringList row = {"X² + 5X + 6 = 0", "X1 =", "X1", "X2 =", "X2"};
    const qsizetype at = heard.indexOf(row.front());
    ASSERT_GE(at, 0) << heard.join(" | ").toStdString();
    EXPECT_EQ(heard.mid(at, row.size()), row);
}

TEST_P(DrillAccessibility, OptionsAreRadioButtonsNamedByTheirCaptions)
{
    Open(GetParam());
    const std::pair<const char*, const char*> options[] = {
        {"Option1", "Label1_9"}, {"Option2", "Label1_11"}, {"Option3", "Label1_10"}};
    for (const auto& [option, caption] : options) {
        auto* button = Get<QRadioButton>(option);
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(spoken, nullptr) << option;
        EXPECT_EQ(spoken->role(), QAccessible::RadioButton) << option;
        EXPECT_EQ(SpokenName(button), Caption(caption)) << option;
    }
}

INSTANTIATE_TEST_SUITE_P(AllNine, DrillAccessibility,
                         ::testing::Values(DrillKind::kjia, DrillKind::kjian, DrillKind::kcheng, DrillKind::kchu,
                                           DrillKind::kchengfang, DrillKind::kkaifang, DrillKind::kjieche,
                                           DrillKind::kplzh, DrillKind::kjiefangcheng),
                         [](const auto& info) { return std::string(KindName(info.param)); });

enum class Way { Mouse, SpaceBar, AccessibleToggle };

void Choose(QRadioButton* option, Way way)
{
    switch (way) {
    case Way::Mouse:
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(4, option->height() / 2));
        break;
    case Way::SpaceBar:
        option->setFocus();
        QTest::keyClick(option, Qt::Key_Space);
        break;
    case Way::AccessibleToggle: {
        QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(option)->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        actions->doAction(QAccessibleActionInterface::toggleAction());
        break;
    }
    }
}

TEST_F(DrillFixture, AnOptionsHandlerRunsOnceHoweverTheLearnerChoosesIt)
{
    const std::pair<Way, const char*> ways[] = {{Way::Mouse, "mouse"},
                                                {Way::SpaceBar, "space bar"},
                                                {Way::AccessibleToggle, "screen reader's toggle"}};
    for (const auto& [way, label] : ways) {
        SCOPED_TRACE(label);
        Open(DrillKind::kjia);
        Choose(Get<QRadioButton>("Option3"), way);
        EXPECT_EQ(fake.dialogs.inputs.size(), 4u);  // the custom prompts, asked once
        EXPECT_EQ(fake.cues.played, QStringList{kCueBird});
        Choose(Get<QRadioButton>("Option1"), way);
        EXPECT_EQ(Text("Text8"), "10");
        EXPECT_EQ(V().rangeMax, 100);
        w->mnuFileExit_Click();
        Flush();
        fake.dialogs.inputs.clear();
        fake.cues.played.clear();
    }
}

TEST_F(DrillFixture, ClickingTheChosenOptionAgainRunsItsHandlerAgain)
{
    Open(DrillKind::kjia);
    auto* option1 = Get<QRadioButton>("Option1");
    Choose(option1, Way::Mouse);
    Type("Text8", "7");
    Choose(option1, Way::Mouse);
    EXPECT_EQ(Text("Text8"), "10");
}

}  // namespace
}  // namespace suite::drill::testing
