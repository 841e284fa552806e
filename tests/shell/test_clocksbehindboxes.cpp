// One window's box holds that window's clocks only: the other windows' real timers run on
// behind it, and a run may end meanwhile.
#include "drill/drillengine.h"
#include "drill/drillvariables.h"
#include "shellfixture.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace suite::shell::testing {
namespace {

using drill::DrillEngine;
using drill::DrillKind;

constexpr int kFastTick = 10;  // ms: the windows' one- and three-second clocks, sped up

class ClocksBehindBoxes : public ShellTest {
protected:
    // Main with the tools window open, then the addition drill over it.
    DrillEngine* OpenToolsThenDrill()
    {
        Start();
        Button("Command13")->click();
        Button("Command4")->click();
        DrillEngine* drill = Main().Drills().Window(DrillKind::kjia);
        EXPECT_NE(Main().Tools().Mathtools(), nullptr);
        EXPECT_NE(drill, nullptr);
        if (drill)
            for (const char* name : {"Timer1", "Timer2"}) Timer(drill, name)->setInterval(kFastTick);
        return drill;
    }
    static QTimer* Timer(QWidget* window, const char* name)
    {
        return suite::testing::FindControl<QTimer>(window, name);
    }
    bool DrillGoneAndMainBack() { return !Main().Drills().Window(DrillKind::kjia) && Main().isVisible(); }
};

TEST_F(ClocksBehindBoxes, ADrillsTimeRunsOutAndItsRunEndsWhileTheToolsWindowShowsAMessage)
{
    QPointer<DrillEngine> drill = OpenToolsThenDrill();
    ASSERT_TRUE(drill);
    // One question of two seconds, no penalty: the time-out ends the run.
    for (const char* reply : {"10", "1", "2", "0"}) fake.dialogs.Reply(reply);
    drill->Option3_Click();
    drill->Command1_Click();
    ASSERT_TRUE(Timer(drill, "Timer1")->isActive());

    QWidget* tools = Main().Tools().Mathtools();
    bool endedDuringBox = false;
    fake.dialogs.onDialog = [&] {
        EXPECT_EQ(fake.dialogs.messages.back().asker, tools);
        endedDuringBox = QTest::qWaitFor([&] { return DrillGoneAndMainBack(); }, 5000);
    };
    // Lunquet is not there: the tools window says so in a box.
    Main().Tools().Mathtools()->Command(10)->click();
    fake.dialogs.onDialog = nullptr;

    EXPECT_TRUE(endedDuringBox);
    EXPECT_TRUE(drill.isNull());
    EXPECT_EQ(Main().Drills().Variables(DrillKind::kjia).questionNo, 2);  // past the last question
    EXPECT_EQ(Main().Tools().Mathtools(), tools);
    EXPECT_TRUE(tools->isVisible());
}

TEST_F(ClocksBehindBoxes, ADrillsOwnPromptsHoldItsLastPauseWhileTheTableCountsOn)
{
    // The prompts of the drill's custom settings open during the pause after its last answer:
    // that pause ending the run would close the window under the prompts.
    QPointer<DrillEngine> drill = OpenToolsThenDrill();
    ASSERT_TRUE(drill);
    Main().Tools().Mathtools()->Command(2)->click();
    QWidget* table = Main().Tools().Mathtable();
    ASSERT_NE(table, nullptr);
    QTimer* tableClock = Timer(table, "Timer1");
    tableClock->setInterval(kFastTick);
    // The welcome counts down in the table's hidden box; long enough for every prompt.
    suite::testing::FindControl<QLineEdit>(table, "Text1")->setText(QStringLiteral("1000"));
    int tableTicks = 0;
    QObject::connect(tableClock, &QTimer::timeout, [&] { ++tableTicks; });

    drill->Option1_Click();
    suite::testing::FindControl<QLineEdit>(drill, "Text8")->setText(QStringLiteral("1"));
    drill->Command1_Click();
    const std::vector<double> answer = drill->Description().answers(drill->Variables());
    suite::testing::FindControl<QLineEdit>(drill, "Text5")->setText(QString::number(answer[0], 'f', 0));
    drill->Command2_Click();
    ASSERT_TRUE(Timer(drill, "Timer2")->isActive());

    int prompts = 0;
    fake.dialogs.onDialog = [&] {
        ++prompts;
        // A few of the table's ticks: the drill's pause, as short, falls due meanwhile.
        const int ticksBefore = tableTicks;
        EXPECT_TRUE(QTest::qWaitFor([&] { return tableTicks > ticksBefore + 2; }, 5000)) << "prompt " << prompts;
        EXPECT_FALSE(drill.isNull()) << "prompt " << prompts;
        EXPECT_FALSE(Main().isVisible()) << "prompt " << prompts;
    };
    for (const char* reply : {"100", "1", "20", "0"}) fake.dialogs.Reply(reply);
    drill->mnus_Click();
    fake.dialogs.onDialog = nullptr;
    EXPECT_EQ(prompts, 5);  // four prompts and "设置完毕…"
    ASSERT_FALSE(drill.isNull());
    for (const auto& asked : fake.dialogs.inputs) EXPECT_EQ(asked.asker, drill.data());
    EXPECT_EQ(fake.dialogs.messages.back().asker, drill.data());

    // Once the handler is over, the pause that fell due ends the run.
    EXPECT_TRUE(QTest::qWaitFor([&] { return DrillGoneAndMainBack(); }, 5000));
    EXPECT_NE(Main().Tools().Mathtable(), nullptr);
}

}  // namespace
}  // namespace suite::shell::testing
