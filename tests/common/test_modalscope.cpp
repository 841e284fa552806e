// A window's timers and its lifetime while one of its handlers waits on a modal dialog, and
// the other windows', which go on meanwhile.
#include "common/modalscope.h"
#include "common/windowkit.h"
#include "testkit/controls.h"
#include "testkit/fakes.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>

using namespace suite;

namespace {

// A window with one timer of its own whose ticks are counted.
struct TickingForm : Form {
    explicit TickingForm(QWidget* parent = nullptr) : Form(parent)
    {
        setWindowFlag(Qt::Window);
        timer = new QTimer(this);
        timer->start(100000);
        connect(timer, &QTimer::timeout, this, [this] { ++ticks; });
    }
    QTimer* timer;
    int ticks = 0;
};

// A window that goes when it closes, as every window of the suite does.
template <class... Args>
QPointer<TickingForm> Shown(Args... args)
{
    auto* form = new TickingForm(args...);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
}

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
    void TearDown() override { suite::testing::FlushClosedWindows(); }
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
        EXPECT_TRUE(ModalScope::Holds(&form));
        TickFallsDue(form.timer);
        TickFallsDue(form.timer);
        TickFallsDue(clock);  // the status bar's clock is not one of the window's timers
        DialogLoopRuns();
        ticksSeen = form.ticks;
    };
    dialogs.InputBox(&form, QStringLiteral("?"));
    EXPECT_EQ(fake.dialogs.inputs.at(0).asker, &form);
    EXPECT_EQ(ticksSeen, 0);
    EXPECT_EQ(clockTicks, 1);
    EXPECT_FALSE(ModalScope::Holds(&form));
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
    dialogs.MessageBox(&form, QStringLiteral("!"), MsgButtons::Ok, MsgIcon::Information);
    DialogLoopRuns();
    EXPECT_EQ(form.ticks, 0);
}

TEST_F(Prompt, AWindowClosedMeanwhileGoesOnlyOnceEveryPromptOfTheHandlerIsOver)
{
    QPointer<TickingForm> form = Shown();
    std::vector<bool> aliveDuringPrompts;
    fake.dialogs.onDialog = [&] {
        if (form && form->isVisible()) form->close();
        DialogLoopRuns();
        aliveDuringPrompts.push_back(!form.isNull());
    };
    // One handler asking twice: the window must outlive both prompts.
    dialogs.InputBox(form, QStringLiteral("1"));
    dialogs.InputBox(form, QStringLiteral("2"));
    EXPECT_EQ(aliveDuringPrompts, (std::vector<bool>{true, true}));
    ASSERT_FALSE(form.isNull());
    EXPECT_FALSE(form->isVisible());
    DialogLoopRuns();
    EXPECT_TRUE(form.isNull());
}

TEST_F(Prompt, NestedWaitsReleaseTheWindowOnlyWhenTheOuterEnds)
{
    TickingForm form;
    QPushButton* button = new QPushButton(form.Client());
    fake.dialogs.onDialog = [&] { TickFallsDue(form.timer); };
    {
        const ModalScope outer(button);  // a wait of one of its controls, with a prompt over it
        EXPECT_TRUE(ModalScope::Holds(&form));
        dialogs.InputBox(&form, QStringLiteral("?"));
        DialogLoopRuns();
        EXPECT_EQ(form.ticks, 0);
    }
    DialogLoopRuns();
    EXPECT_EQ(form.ticks, 1);
}

TEST_F(Prompt, AContextMenuKeepsTheWindowButNotItsClocks)
{
    // A learner keeping a box's menu up must not stop the window's countdown.
    QPointer<TickingForm> form = Shown();
    QPushButton* box = new QPushButton(form->Client());
    int ticksInPrompt = -1;
    fake.dialogs.onDialog = [&] {
        TickFallsDue(form->timer);
        DialogLoopRuns();
        ticksInPrompt = form->ticks;
    };
    {
        const ModalScope menu(box, ModalScope::Holding::WindowOnly);
        EXPECT_FALSE(ModalScope::Holds(form));
        TickFallsDue(form->timer);
        DialogLoopRuns();
        EXPECT_EQ(form->ticks, 1);
        // A prompt from the menu holds the clocks again, until it is answered.
        dialogs.InputBox(box, QStringLiteral("?"));
        EXPECT_EQ(ticksInPrompt, 1);
        DialogLoopRuns();
        EXPECT_EQ(form->ticks, 2);
        // The run ends and the window closes while the menu is still open: it stays until then.
        form->close();
        DialogLoopRuns();
        ASSERT_FALSE(form.isNull());
    }
    DialogLoopRuns();
    EXPECT_TRUE(form.isNull());
}

// The other windows while one waits.

TEST_F(Prompt, AnotherWindowTicksOnAndMayGoMeanwhile)
{
    TickingForm asking;
    QPointer<TickingForm> other = Shown();
    QPointer<TickingForm> closing = Shown();
    fake.dialogs.onDialog = [&] {
        EXPECT_FALSE(ModalScope::Holds(other));
        TickFallsDue(other->timer);
        TickFallsDue(other->timer);
        closing->close();
        DialogLoopRuns();
        EXPECT_EQ(other->ticks, 2);
        EXPECT_TRUE(closing.isNull());
    };
    dialogs.MessageBox(&asking, QStringLiteral("!"), MsgButtons::Ok, MsgIcon::Information);
    ASSERT_FALSE(other.isNull());
    DialogLoopRuns();
    EXPECT_EQ(other->ticks, 2);  // nothing held back to run again
    delete other.data();
}

TEST_F(Prompt, TheWindowAWaitingWindowBelongsToStaysWhileItsOwnWindowsMayGo)
{
    // Deleting a window deletes the windows it holds: the one that waits must not go with it.
    QPointer<TickingForm> owner = Shown();
    QPointer<TickingForm> asking = Shown(owner.data());
    QPointer<TickingForm> sibling = Shown(owner.data());
    QPointer<TickingForm> ownWindow = Shown(asking.data());
    fake.dialogs.onDialog = [&] {
        owner->close();
        sibling->close();
        ownWindow->close();
        DialogLoopRuns();
        EXPECT_FALSE(owner.isNull());
        EXPECT_FALSE(asking.isNull());
        EXPECT_TRUE(sibling.isNull());
        EXPECT_TRUE(ownWindow.isNull());
    };
    dialogs.InputBox(asking, QStringLiteral("?"));
    ASSERT_FALSE(owner.isNull());
    DialogLoopRuns();
    EXPECT_TRUE(owner.isNull());
    EXPECT_TRUE(asking.isNull());
}

TEST_F(Prompt, AWindowWaitingInsideAnothersWaitIsFreedWhenItsOwnEnds)
{
    // The outer window's box is open when the inner window's handler asks in turn.
    TickingForm outer;
    TickingForm inner;
    int innerTicksAfterItsBox = -1;
    fake.dialogs.onDialog = [&] {
        if (fake.dialogs.messages.size() == 1) {
            dialogs.MessageBox(&inner, QStringLiteral("inner"), MsgButtons::Ok, MsgIcon::None);
            DialogLoopRuns();
            innerTicksAfterItsBox = inner.ticks;
            EXPECT_TRUE(ModalScope::Holds(&outer));
            EXPECT_FALSE(ModalScope::Holds(&inner));
        } else {
            TickFallsDue(inner.timer);
            TickFallsDue(outer.timer);
            EXPECT_TRUE(ModalScope::Holds(&outer));
            EXPECT_TRUE(ModalScope::Holds(&inner));
        }
    };
    dialogs.MessageBox(&outer, QStringLiteral("outer"), MsgButtons::Ok, MsgIcon::None);
    EXPECT_EQ(innerTicksAfterItsBox, 1);
    EXPECT_EQ(outer.ticks, 0);
    DialogLoopRuns();
    EXPECT_EQ(outer.ticks, 1);
}

}  // namespace
