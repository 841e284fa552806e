// What a screen reader hears of Brenvale's main menu, tips, instructions and text windows.
#include "shellfixture.h"

#include "testkit/accessibility.h"

namespace suite::shell::testing {
namespace {

using suite::testing::SharedNames;
using suite::testing::UnnamedFocusableControls;

// Every focusable control is named, and by a name no other control of its window has.
void ExpectNamedApart(QWidget* window)
{
    EXPECT_EQ(UnnamedFocusableControls(window), QStringList{}) << window->objectName().toStdString();
    EXPECT_EQ(SharedNames(window), QStringList{}) << window->objectName().toStdString();
}

TEST_F(ShellTest, EveryFocusableControlOfTheShellWindowsHasANameOfItsOwn)
{
    for (const QByteArray& preference : {kNextStart, kEveryStart}) {
        SCOPED_TRACE(preference.toStdString());
        MainForm& main = Start(preference);
        ASSERT_NE(main.Kaishi(), nullptr);
        ExpectNamedApart(main.Kaishi());
    }
    MainForm& main = Start(kNever);
    ExpectNamedApart(&main);
    main.Command3_Click();
    ASSERT_NE(main.Ins(), nullptr);
    ExpectNamedApart(main.Ins());
    main.Ins()->Label5_Click();
    ExpectNamedApart(main.Ins());
    Item("mnuAboutfre")->trigger();
    Item("mnuAboutMe")->trigger();
    ExpectNamedApart(main.Zaiban());
    ExpectNamedApart(main.Writer());
}

TEST_F(ShellTest, AfterARandomDrillItsButtonSaysWhatItDoesAgain)
{
    MainForm& main = Start(kNever);
    Button("Command1")->click();
    ASSERT_EQ(Button("Command1")->text(), QStringLiteral("Again"));
    EXPECT_EQ(suite::testing::SpokenName(Button("Command1")), QStringLiteral("Again 随机练习"));
    ExpectNamedApart(&main);
}

}  // namespace
}  // namespace suite::shell::testing
