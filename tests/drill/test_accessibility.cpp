// What a screen reader hears of a drill window, and option buttons chosen every way a learner can.
#include "drilltestsupport.h"

#include "testkit/accessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

namespace suite::drill::testing {
namespace {

using suite::testing::SpokenName;
using suite::testing::UnnamedFocusableControls;

class DrillAccessibility : public DrillFixture, public ::testing::WithParamInterface<DrillKind> {};

TEST_P(DrillAccessibility, EveryFocusableControlHasANameIdleAndDuringARun)
{
    Open(GetParam());
    EXPECT_EQ(UnnamedFocusableControls(w), QStringList{});
    StartLevel(1);
    EXPECT_EQ(UnnamedFocusableControls(w), QStringList{});
    EXPECT_EQ(SpokenName(Get("Text8")), kQuestionsPrefix);
    EXPECT_EQ(SpokenName(Get("Text2")), kPerQuestion);
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
