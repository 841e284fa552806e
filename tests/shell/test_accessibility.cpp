// What a screen reader hears of Brenvale's main menu, tips, instructions and text windows.
#include "shellfixture.h"

#include "testkit/accessibility.h"

namespace suite::shell::testing {
namespace {

using suite::testing::UnnamedFocusableControls;

TEST_F(ShellTest, EveryFocusableControlOfTheShellWindowsHasAName)
{
    for (const QByteArray& preference : {kNextStart, kEveryStart}) {
        SCOPED_TRACE(preference.toStdString());
        MainForm& main = Start(preference);
        ASSERT_NE(main.Kaishi(), nullptr);
        EXPECT_EQ(UnnamedFocusableControls(main.Kaishi()), QStringList{});
    }
    MainForm& main = Start(kNever);
    EXPECT_EQ(UnnamedFocusableControls(&main), QStringList{});
    main.Command3_Click();
    ASSERT_NE(main.Ins(), nullptr);
    EXPECT_EQ(UnnamedFocusableControls(main.Ins()), QStringList{});
    main.Ins()->Label5_Click();
    EXPECT_EQ(UnnamedFocusableControls(main.Ins()), QStringList{});
    Item("mnuAboutfre")->trigger();
    Item("mnuAboutMe")->trigger();
    EXPECT_EQ(UnnamedFocusableControls(main.Zaiban()), QStringList{});
    EXPECT_EQ(UnnamedFocusableControls(main.Writer()), QStringList{});
}

}  // namespace
}  // namespace suite::shell::testing
