// A window's timers and its lifetime while one of its handlers waits on a modal dialog.
#include "common/modalscope.h"
#include "common/windowkit.h"
#include "testkit/fakes.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>

using namespace suite;

namespace {

// A window with one timer of its own whose ticks are counted.
struct TickingForm : Form {
    TickingForm()
    {
        timer = new QTimer(this);
        timer->start(100000);
        connect(timer, &QTimer::timeout, this, [this] { ++ticks; });
    }
    QTimer* timer;
    int ticks = 0;
};

// What a tick falling due looks like to the program, without waiting for one.
void TickFallsDue(QTimer* timer)
{
    QTimerEvent due(timer->timerId());
    QCoreApplication::sendEvent(timer, &due);
}

// What the dialog's own event loop does with what was posted meanwhile.
void DialogLoopRuns() { QCoreApplication::sendPostedEvents(); }

class Prompt : public ::testing::Test {
protected:
    suite::testing::FakePlatform fake;
    Dialogs& dialogs = fake.platform.dialogs;
};

TEST_F(Prompt, TheWindowsTicksWaitAndTheOneDueRunsAfterTheHandler)
{
    TickingForm form;
    QTimer* clock = form.AddDateTimeStatusBar()->findChild<QTimer*>(QStringLiteral("sbClock"));
    int clockTicks = 0;
    QObject::connect(clock, &QTimer::timeout, [&] { ++clockTicks; });
    int ticksSeen = -1;
    fake.dialogs.onDialog = [&] {
        EXPECT_TRUE(ModalScope::Active());
        TickFallsDue(form.timer);
        TickFallsDue(form.timer);
        TickFallsDue(clock);  // the status bar's clock is not one of the window's timers
        DialogLoopRuns();
        ticksSeen = form.ticks;
    };
    dialogs.InputBox(QStringLiteral("?"));
    EXPECT_EQ(ticksSeen, 0);
    EXPECT_EQ(clockTicks, 1);
    EXPECT_FALSE(ModalScope::Active());
    EXPECT_EQ(form.ticks, 0);  // not in the middle of the handler that asked
    DialogLoopRuns();
    EXPECT_EQ(form.ticks, 1);  // ticks that fell due together run once
    DialogLoopRuns();
    EXPECT_EQ(form.ticks, 1);
}

TEST_F(Prompt, ATimerStoppedMeanwhileHasNothingDue)
{
    TickingForm form;
    fake.dialogs.onDialog = [&] {
        TickFallsDue(form.timer);
        form.timer->stop();
    };
    dialogs.MessageBox(QStringLiteral("!"), MsgButtons::Ok, MsgIcon::Information);
    DialogLoopRuns();
    EXPECT_EQ(form.ticks, 0);
}

TEST_F(Prompt, AWindowClosedMeanwhileGoesOnlyOnceEveryPromptOfTheHandlerIsOver)
{
    QPointer<Form> form = new TickingForm;
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    std::vector<bool> aliveDuringPrompts;
    fake.dialogs.onDialog = [&] {
        if (form && form->isVisible()) form->close();
        DialogLoopRuns();
        aliveDuringPrompts.push_back(!form.isNull());
    };
    // One handler asking twice: the window must outlive both prompts.
    dialogs.InputBox(QStringLiteral("1"));
    dialogs.InputBox(QStringLiteral("2"));
    EXPECT_EQ(aliveDuringPrompts, (std::vector<bool>{true, true}));
    ASSERT_FALSE(form.isNull());
    EXPECT_FALSE(form->isVisible());
    DialogLoopRuns();
    EXPECT_TRUE(form.isNull());
}

TEST_F(Prompt, NestedWaitsReleaseTheWindowsOnlyWhenTheOuterEnds)
{
    TickingForm form;
    fake.dialogs.onDialog = [&] { TickFallsDue(form.timer); };
    {
        const ModalScope menu;  // a context menu open while a prompt comes up
        dialogs.InputBox(QStringLiteral("?"));
        DialogLoopRuns();
        EXPECT_EQ(form.ticks, 0);
    }
    DialogLoopRuns();
    EXPECT_EQ(form.ticks, 1);
}

}  // namespace
