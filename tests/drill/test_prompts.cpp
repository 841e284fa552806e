// A drill window's prompts and message boxes hold its timers, so its handlers run to their end.
#include "drilltestsupport.h"

#include <QPointer>
#include <QTimerEvent>

namespace suite::drill::testing {
namespace {

class WhilePromptOpen : public DrillFixture {
protected:
    // Lets the timer's tick fall due and the dialog's event loop run, as a slow learner would.
    static void TickFallsDue(QTimer* timer)
    {
        QTimerEvent due(timer->timerId());
        QCoreApplication::sendEvent(timer, &due);
        QCoreApplication::sendPostedEvents();
        Flush();
    }
};

TEST_F(WhilePromptOpen, TheLastQuestionsPauseDoesNotCloseTheWindowUnderTheSettings)
{
    Open(DrillKind::kjia);
    w->Option1_Click();
    Type("Text8", "1");
    w->Command1_Click();
    AnswerRight();
    QTimer* timer2 = Timer("Timer2");
    ASSERT_TRUE(timer2->isActive());

    QPointer<DrillEngine> window = w;
    int dialogs = 0;
    fake.dialogs.onDialog = [&] {
        ++dialogs;
        if (window) TickFallsDue(timer2);
        EXPECT_FALSE(window.isNull()) << "dialog " << dialogs;
        EXPECT_EQ(mainShown, 0) << "dialog " << dialogs;
    };
    // The run stays one question long through the custom prompts.
    for (const char* reply : {"100", "1", "20", "0"}) fake.dialogs.Reply(reply);
    w->mnus_Click();
    fake.dialogs.onDialog = nullptr;
    EXPECT_EQ(dialogs, 5);  // four prompts and "设置完毕…"
    ASSERT_FALSE(window.isNull());
    EXPECT_EQ(Text("Text7"), kRight);  // still the verdict, not yet the end of the run
    EXPECT_EQ(V().questionNo, 1);

    // Once the handler is over, the tick that fell due ends the run.
    QCoreApplication::sendPostedEvents();
    Flush();
    EXPECT_EQ(mainShown, 1);
    EXPECT_EQ(windows.Window(DrillKind::kjia), nullptr);
}

TEST_F(WhilePromptOpen, TheCountdownStandsStillBehindARefusal)
{
    Open(DrillKind::kjia);
    StartLevel(1);
    QTimer* timer1 = Timer("Timer1");
    QStringList secondsDuringBox;
    fake.dialogs.onDialog = [&] {
        for (int i = 0; i < 25; ++i) TickFallsDue(timer1);  // past the 20 seconds of the question
        secondsDuringBox << Text("Text1");
    };
    // A range no 16-bit setting holds is refused in a message box.
    for (const char* reply : {"99999", "10", "20", "0"}) fake.dialogs.Reply(reply);
    w->mnus_Click();
    fake.dialogs.onDialog = nullptr;
    ASSERT_FALSE(fake.dialogs.messages.empty());
    EXPECT_EQ(secondsDuringBox, QStringList(secondsDuringBox.size(), QStringLiteral("20")));
    EXPECT_NE(Text("Text7"), kTimeUp);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Text("Text1"), "19");  // one tick for all that fell due
}

}  // namespace
}  // namespace suite::drill::testing
