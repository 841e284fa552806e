#include "shellfixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

namespace suite::shell::testing {
namespace {

class InsTest : public ShellTest {
protected:
    InsForm* OpenByHiddenButton()
    {
        Start();
        Main().Command3_Click();
        return Main().Ins();
    }
    QAbstractButton* StartButton(InsForm* ins) { return Control(ins, "Command1"); }
    QTimer* InsTimer(InsForm* ins) { return ins->findChild<QTimer*>(QStringLiteral("Timer1")); }
};

TEST_F(InsTest, FirstShowingRunsThirtySecondTimer)
{
    InsForm* ins = OpenByHiddenButton();
    ASSERT_NE(ins, nullptr);
    EXPECT_EQ(ins->windowTitle(), QStringLiteral("Instructions"));
    EXPECT_EQ(Control<QLabel>(ins, "Label1")->text(), QStringLiteral("欢迎使用本程序！"));
    EXPECT_EQ(Control<QLabel>(ins, "Label5")->text(),
              QStringLiteral("提示：稍作等待或单击此处可快速返回面板"));
    EXPECT_EQ(StartButton(ins)->text(),
              QString(4, QLatin1Char(' ')) +
                  QStringLiteral("记得本人英语老师有句名言：耐心和持久胜过激烈和狂热，怎么样？准备好了吗？") +
                  QString(43, QLatin1Char(' ')) + QStringLiteral("单击此处开战！"));
    EXPECT_EQ(ins->DefaultButton(), StartButton(ins));
    EXPECT_TRUE(InsTimer(ins)->isActive());
    EXPECT_EQ(InsTimer(ins)->interval(), 30000);
    EXPECT_FALSE(StartButton(ins)->isVisibleTo(ins));
    ins->Timer1_Timer();
    EXPECT_TRUE(StartButton(ins)->isVisible());
    EXPECT_FALSE(InsTimer(ins)->isActive());
}

TEST_F(InsTest, ClickOnHintLineShowsStartButtonAtOnce)
{
    InsForm* ins = OpenByHiddenButton();
    auto* hint = Control<QLabel>(ins, "Label5");
    QTest::mouseClick(hint, Qt::LeftButton);
    EXPECT_TRUE(StartButton(ins)->isVisible());
    EXPECT_FALSE(InsTimer(ins)->isActive());
}

TEST_F(InsTest, StartButtonByClickOrEnterHidesInsAndShowsMain)
{
    for (bool byEnter : {false, true}) {
        SCOPED_TRACE(byEnter);
        InsForm* ins = OpenByHiddenButton();
        ins->Label5_Click();
        if (byEnter)
            ins->PressEnter();
        else
            StartButton(ins)->click();
        Flush();
        EXPECT_EQ(Main().Ins(), ins) << "hidden, not closed";
        EXPECT_FALSE(ins->isVisible());
        EXPECT_FALSE(StartButton(ins)->isVisibleTo(ins));
        EXPECT_TRUE(Main().isVisible());
    }
}

TEST_F(InsTest, EnterLeavesOnlyOnceTheStartButtonShows)
{
    InsForm* ins = OpenByHiddenButton();
    ins->PressEnter();
    EXPECT_TRUE(ins->isVisible());
    EXPECT_FALSE(Main().isVisible());
    ins->Label5_Click();
    ins->PressEnter();
    EXPECT_FALSE(ins->isVisible());
    EXPECT_TRUE(Main().isVisible());
}

TEST_F(InsTest, AKeyboardLearnerClicksTheHintLineWithTheSpaceBar)
{
    InsForm* ins = OpenByHiddenButton();
    auto* hint = Control<QLabel>(ins, "Label5");
    ASSERT_EQ(ins->focusWidget(), hint);  // the first stop while the start button is hidden
    QTest::keyClick(hint, Qt::Key_Return);
    EXPECT_FALSE(StartButton(ins)->isVisibleTo(ins));
    QTest::keyClick(hint, Qt::Key_Space);
    EXPECT_TRUE(StartButton(ins)->isVisible());
    EXPECT_FALSE(InsTimer(ins)->isActive());
    // The start button covers the hint line and takes the focus, so Enter presses it.
    ASSERT_EQ(ins->focusWidget(), StartButton(ins));
    QTest::keyClick(ins->focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(ins->isVisible());
    EXPECT_TRUE(Main().isVisible());
}

TEST_F(InsTest, SecondShowingHasNoTimerUntilHintIsClicked)
{
    InsForm* ins = OpenByHiddenButton();
    ins->Timer1_Timer();
    ins->Command1_Click();
    Item("mnuAboutWord")->trigger();
    ASSERT_EQ(Main().Ins(), ins);
    EXPECT_TRUE(ins->isVisible());
    EXPECT_FALSE(Main().isVisible());
    EXPECT_FALSE(InsTimer(ins)->isActive());
    EXPECT_FALSE(StartButton(ins)->isVisibleTo(ins));
    ins->Label5_Click();
    EXPECT_TRUE(StartButton(ins)->isVisible());
}

TEST_F(ShellTest, TextWindowsHoldTheirLabelsAndNameTheOneVersion)
{
    Start();
    Item("mnuAboutfre")->trigger();
    Item("mnuAboutMe")->trigger();
    const QString version = QStringLiteral(SUITE_VERSION);
    auto* notes = Control<QPlainTextEdit>(Main().Zaiban(), "Text1");
    EXPECT_TRUE(notes->toPlainText().contains(version));
    EXPECT_EQ(Main().Zaiban()->windowTitle(), QStringLiteral("Quorrin 再版说明"));
    WriterForm* writer = Main().Writer();
    EXPECT_EQ(writer->windowTitle(), QStringLiteral("作者"));
    for (int i = 0; i < WriterForm::kLabel1Count; ++i)
        EXPECT_NE(writer->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(i)), nullptr) << i;
    for (int i = 0; i < WriterForm::kLabel4Count; ++i)
        EXPECT_NE(writer->findChild<QLabel*>(QStringLiteral("Label4_%1").arg(i)), nullptr) << i;
    EXPECT_TRUE(Control<QLabel>(writer, "Label1_1")->text().contains(version));
}

}  // namespace
}  // namespace suite::shell::testing

namespace suite::shell::testing {
namespace {

TEST_F(ShellTest, LongTextsFitTheirBoxesWhole)
{
    auto expectFits = [&](QWidget* window, const char* name) {
        SCOPED_TRACE(name);
        ASSERT_NE(window, nullptr);
        auto* label = Control<QLabel>(window, name);
        EXPECT_GT(label->text().size(), 100);
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
    };
    MainForm& main = Start(kNextStart);
    expectFits(main.Kaishi(), "Label1");
    Control(main.Kaishi(), "Command2")->click();
    main.Command3_Click();
    expectFits(main.Ins(), "Label2");
}

}  // namespace
}  // namespace suite::shell::testing
