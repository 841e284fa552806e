#include "accessibility.h"
#include "printing.h"
#include "common/colour.h"
#include "common/twips.h"
#include "launchlog.h"
#include "tools/toolswindows.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace suite::tools::testing {
namespace {

using suite::testing::printing::PrintTo;

class MathtoolsTest : public ::testing::Test {
protected:
    void TearDown() override { Flush(); }
    // Closed windows go at the next event loop pass; tests run none.
    static void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    MathtoolsForm& Open()
    {
        tools.ShowTools();
        EXPECT_NE(tools.Mathtools(), nullptr);
        return *tools.Mathtools();
    }
    QPushButton* Button(int number) { return tools.Mathtools()->Command(number); }

    suite::testing::FakePlatform fake;
    int mainShown = 0;
    ToolsWindows tools{fake.platform, [this] { ++mainShown; }};
};

// ---- design state ----

struct ButtonCase {
    int number;
    const char* caption;
    int row;
    int left;
    bool console;
};
const ButtonCase kButtonCases[] = {
    {5, "Windows计算器", 1, 480, false},        {3, "猜数游戏", 1, 4440, false},
    {1, "Saltreve", 2, 480, false},             {17, "Pannigar", 2, 4440, false},
    {2, "电子数学用表", 3, 480, false},         {10, "Lunquet", 3, 4440, false},
    {11, "Tobrask", 4, 480, false},             {16, "Ferrolt", 4, 4440, false},
    {15, "Vossel", 5, 480, false},              {9, "Skelder（控制台窗口运行）", 5, 4440, true},
    {13, "Dorvix", 6, 480, false},              {7, "Gandrel（控制台窗口运行）", 6, 4440, true},
    {18, "Ostrelle", 7, 480, false},            {8, "Pimmoth（控制台窗口运行）", 7, 4440, true},
    {12, "Kelvrim", 8, 480, false},             {6, "Tarnley（控制台窗口运行）", 8, 4440, true},
    {14, "Hesprin", 9, 480, false},             {4, "返回主菜单", 9, 4440, false},
};

TEST_F(MathtoolsTest, OpensInItsDesignState)
{
    MathtoolsForm& window = Open();
    EXPECT_EQ(window.objectName(), QStringLiteral("mathtools"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("数学工具集锦"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Client()->size(), TwipsSize(7995, 9000));
    EXPECT_EQ(BackColor(window.Client()), BgrColor(0x800000));

    auto* label1 = window.findChild<QLabel*>(QStringLiteral("Label1"));
    auto* label2 = window.findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_TRUE(label1 && label2);
    EXPECT_EQ(label1->text(),
              QStringLiteral("    作者的话：以下工具是一些实用的求解数学问题的小程序，在该版本中整理出来献给大家，希望能对大家学习有所帮助。"));
    EXPECT_EQ(label2->text(), QStringLiteral("欢迎指教！"));
    EXPECT_EQ(label1->geometry(), TwipsRect(600, 240, 6975, 615));
    EXPECT_EQ(label2->geometry(), TwipsRect(600, 8400, 6975, 615));
    EXPECT_EQ(TextColor(label1), QColor(Qt::white));
    EXPECT_EQ(TextColor(label2), QColor(Qt::white));

    EXPECT_EQ(window.findChildren<QPushButton*>().size(), 18);
    for (const ButtonCase& c : kButtonCases) {
        SCOPED_TRACE(c.number);
        QPushButton* button = window.findChild<QPushButton*>(QStringLiteral("Command%1").arg(c.number));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button, Button(c.number));
        EXPECT_EQ(button->text(), QString::fromUtf8(c.caption));
        EXPECT_EQ(button->geometry(), TwipsRect(c.left, 960 + (c.row - 1) * 840, 3015, 495));
        EXPECT_EQ(BackColor(button),
                  c.console ? SystemColor(SystemColour::InactiveTitleBar) : BgrColor(0xC0FFC0));
        EXPECT_TRUE(button->isEnabled());
    }
}

TEST_F(MathtoolsTest, TabOrderStartsAtTheDefaultButtonWhichHoldsTheFocus)
{
    MathtoolsForm& window = Open();
    const int order[] = {4, 3, 1, 2, 11, 15, 13, 18, 12, 9, 5, 7, 8, 16, 17, 6, 10, 14};
    std::vector<QWidget*> expected;
    for (int number : order) expected.push_back(Button(number));
    EXPECT_EQ(window.Tabs().Stops(), expected);
    EXPECT_EQ(window.DefaultButton(), Button(4));
    EXPECT_EQ(window.focusWidget(), Button(4));
    EXPECT_EQ(suite::testing::UnnamedFocusableControls(&window), QStringList());
    EXPECT_EQ(suite::testing::SharedNames(&window), QStringList());
}

TEST_F(MathtoolsTest, EveryShowingAfterAnUnloadStartsFromTheDesignState)
{
    MathtoolsForm& first = Open();
    Button(9)->setText(QStringLiteral("changed"));
    Button(9)->setFocus();
    first.close();
    Flush();
    EXPECT_EQ(tools.Mathtools(), nullptr);

    MathtoolsForm& second = Open();
    EXPECT_EQ(Button(9)->text(), QStringLiteral("Skelder（控制台窗口运行）"));
    EXPECT_EQ(second.focusWidget(), Button(4));
}

TEST_F(MathtoolsTest, ShowingItWhileLoadedKeepsTheOneWindow)
{
    MathtoolsForm& first = Open();
    Button(9)->setText(QStringLiteral("kept"));
    EXPECT_EQ(&Open(), &first);
    EXPECT_EQ(Button(9)->text(), QStringLiteral("kept"));
}

// ---- launcher buttons ----

struct LaunchCase {
    int number;
    QString program;
    QStringList arguments;
    QStringList events;
};
const LaunchCase kLaunchCases[] = {
    {5, "xcalc", {}, {"start"}},
    {6, "x-terminal-emulator", {"-e", "partmathtools/Tarnley"}, {"start"}},
    {7, "x-terminal-emulator", {"-e", "partmathtools/Gandrel"}, {"start"}},
    {8, "x-terminal-emulator", {"-e", "partmathtools/Pimmoth"}, {"start"}},
    {9, "x-terminal-emulator", {"-e", "partmathtools/Skelder"}, {"start"}},
    {10, "partmathtools/Lunquet", {}, {"notice", "start"}},
    {11, "partmathtools/Tobrask", {}, {"start", "notice"}},
    {12, "partmathtools/triangle", {}, {"notice", "start"}},
    {13, "partmathtools/Dorvix", {}, {"notice", "start"}},
    {14, "partmathtools/Hesprin", {}, {"notice", "start"}},
    {15, "partmathtools/Vossel", {}, {"notice", "start"}},
    {16, "partmathtools/Ferrolt", {}, {"notice", "start"}},
    {17, "partmathtools/distance", {}, {"notice", "start"}},
    {18, "partmathtools/symmetry", {}, {"notice", "start"}},
};

void PrintTo(const LaunchCase& c, std::ostream* os) { *os << "Command" << c.number; }

class LaunchButtonTest : public MathtoolsTest, public ::testing::WithParamInterface<LaunchCase> {
protected:
    QStringList log;
};

TEST_P(LaunchButtonTest, StartsItsProgramWithTheNoticeInItsPlace)
{
    const LaunchCase& c = GetParam();
    fake.launcher.present = {c.program, "xcalc", "x-terminal-emulator"};
    if (!c.arguments.isEmpty()) fake.launcher.present << c.arguments.last();
    Open();
    LogLaunches(fake, log);

    Button(c.number)->click();

    EXPECT_EQ(log, c.events);
    ASSERT_EQ(fake.launcher.requests.size(), 1u);
    EXPECT_EQ(fake.launcher.requests[0].path, c.program);
    EXPECT_EQ(fake.launcher.requests[0].arguments, c.arguments);
    EXPECT_EQ(fake.launcher.requests[0].style, StartStyle::MinimizedFocus);
    for (const auto& asked : fake.dialogs.messages) {
        EXPECT_EQ(asked.text, kStartedNotice);
        EXPECT_EQ(asked.icon, MsgIcon::Information);
        EXPECT_TRUE(asked.title.isEmpty());
    }
    ASSERT_NE(tools.Mathtools(), nullptr);
    EXPECT_TRUE(tools.Mathtools()->isVisible());
}

TEST_P(LaunchButtonTest, AMissingProgramGetsTheMessageNoNoticeAndTheWindowStays)
{
    const LaunchCase& c = GetParam();
    Open();
    LogLaunches(fake, log);

    Button(c.number)->click();

    EXPECT_EQ(log, QStringList{"message"});
    EXPECT_TRUE(fake.launcher.requests.empty());
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    EXPECT_EQ(fake.dialogs.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(fake.dialogs.messages[0].title.isEmpty());
    // The message names what is missing: the program (for a console tool the one its
    // terminal would run), or the desktop's calculators.
    const QString missing = c.number == 5          ? QStringLiteral("桌面计算器")
                            : c.arguments.isEmpty() ? c.program
                                                    : c.arguments.last();
    EXPECT_TRUE(fake.dialogs.messages[0].text.contains(missing)) << fake.dialogs.messages[0].text.toStdString();
    ASSERT_NE(tools.Mathtools(), nullptr);
    EXPECT_TRUE(tools.Mathtools()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Mathtools, LaunchButtonTest, ::testing::ValuesIn(kLaunchCases),
                         [](const auto& info) { return "Command" + std::to_string(info.param.number); });

TEST_F(MathtoolsTest, PressingALauncherButtonTwiceStartsTwoCopies)
{
    fake.launcher.present = {"partmathtools/triangle"};
    Open();
    Button(12)->click();
    Button(12)->click();
    ASSERT_EQ(fake.launcher.requests.size(), 2u);
    EXPECT_EQ(fake.launcher.requests[1].path, QStringLiteral("partmathtools/triangle"));
}

TEST_F(MathtoolsTest, AStartStillFollowsTheNoticeWhenTheWindowWentWhileItWasOpen)
{
    fake.launcher.present = {"partmathtools/Dorvix"};
    Open();
    fake.dialogs.onDialog = [this] {
        tools.Mathtools()->close();
        Flush();
    };
    Button(13)->click();
    EXPECT_EQ(tools.Mathtools(), nullptr);
    ASSERT_EQ(fake.launcher.requests.size(), 1u);
    EXPECT_EQ(fake.launcher.requests[0].path, QStringLiteral("partmathtools/Dorvix"));
}

// ---- navigation ----

TEST_F(MathtoolsTest, BackToTheMainMenuUnloadsTheWindow)
{
    Open();
    Button(4)->click();
    EXPECT_EQ(tools.Mathtools(), nullptr);
    EXPECT_EQ(mainShown, 1);
}

TEST_F(MathtoolsTest, EnterInAFreshWindowGoesBackToTheMainMenu)
{
    MathtoolsForm& window = Open();
    QTest::keyClick(window.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(tools.Mathtools(), nullptr);
    EXPECT_EQ(mainShown, 1);
}

TEST_F(MathtoolsTest, ClosedFromItsTitleBarItIsSimplyUnloaded)
{
    Open().close();
    EXPECT_EQ(tools.Mathtools(), nullptr);
    EXPECT_EQ(mainShown, 0);
    Flush();
    EXPECT_TRUE(Open().isVisible());
}

// The solver and the game unload the tools window when they open and show a fresh one when
// they hand back through "返回(&X)".
struct InnerToolCase {
    const char* name;
    int button;
    QWidget* (*window)(const ToolsWindows&);
};
const InnerToolCase kInnerToolCases[] = {
    {"Saltreve", 1, [](const ToolsWindows& t) -> QWidget* { return t.Equation(); }},
    {"Numberguess", 3, [](const ToolsWindows& t) -> QWidget* { return t.Numberguess(); }},
};
class InnerToolTest : public MathtoolsTest, public ::testing::WithParamInterface<InnerToolCase> {};

TEST_P(InnerToolTest, UnloadsTheToolsWindowAndHandsBackToAFreshOne)
{
    const InnerToolCase& c = GetParam();
    Open();
    Button(c.button)->click();
    Flush();
    EXPECT_EQ(tools.Mathtools(), nullptr);
    QWidget* tool = c.window(tools);
    ASSERT_NE(tool, nullptr);
    EXPECT_TRUE(tool->isVisible());
    EXPECT_EQ(mainShown, 0);

    tool->findChild<QAction*>(QStringLiteral("mnuFileExit"))->trigger();
    Flush();
    EXPECT_EQ(c.window(tools), nullptr);
    ASSERT_NE(tools.Mathtools(), nullptr);
    EXPECT_TRUE(tools.Mathtools()->isVisible());
}
INSTANTIATE_TEST_SUITE_P(Mathtools, InnerToolTest, ::testing::ValuesIn(kInnerToolCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MathtoolsTest, TheTableOpensOverTheToolsWindowWhichStaysUsable)
{
    Open();
    Button(2)->click();
    ASSERT_NE(tools.Mathtable(), nullptr);
    EXPECT_TRUE(tools.Mathtable()->isVisible());
    ASSERT_NE(tools.Mathtools(), nullptr);
    EXPECT_TRUE(tools.Mathtools()->isVisible());
    EXPECT_TRUE(Button(12)->isEnabled());
}

TEST_F(MathtoolsTest, TheTableOutlivesTheToolsWindowAndItsByeShowsAFreshOne)
{
    Open();
    Button(2)->click();
    MathtableForm* table = tools.Mathtable();
    ASSERT_NE(table, nullptr);
    Button(4)->click();
    Flush();
    EXPECT_EQ(tools.Mathtools(), nullptr);
    EXPECT_EQ(mainShown, 1);
    ASSERT_EQ(tools.Mathtable(), table);
    EXPECT_TRUE(table->isVisible());

    table->findChild<QPushButton*>(QStringLiteral("Command4"))->click();
    Flush();
    EXPECT_EQ(tools.Mathtable(), nullptr);
    ASSERT_NE(tools.Mathtools(), nullptr);
    EXPECT_TRUE(tools.Mathtools()->isVisible());
    EXPECT_EQ(tools.Mathtools()->focusWidget(), Button(4));
}

}  // namespace
}  // namespace suite::tools::testing
