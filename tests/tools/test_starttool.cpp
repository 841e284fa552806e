#include "printing.h"
#include "launchlog.h"
#include "tools/starttool.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace suite::tools::testing {
namespace {

using suite::testing::printing::PrintTo;

struct StartCase {
    const char* name;
    const char* path;
    ProgramKind kind;
    Notice notice;
    QStringList present;
    bool startSucceeds;
    QStringList events;
    QString program;  // started, with the arguments below
    QStringList arguments;
    QString message;  // the exclamation message, if any
};

const QString kNoCalculator = QStringLiteral(
    "找不到桌面计算器（gnome-calculator、kcalc、qalculate-qt、qalculate-gtk、mate-calc、galculator、xcalc），无法启动。");
const QString kNoTerminal =
    QStringLiteral("找不到终端窗口（x-terminal-emulator、xterm），无法在控制台窗口中启动 partmathtools/Tarnley。");
const QStringList kTerminals{"x-terminal-emulator", "xterm"};
const QStringList kStarted{"start"};
const QStringList kMessageOnly{"message"};

const StartCase kStartCases[] = {
    // Notice order.
    {"no_notice", "partmathtools\\Lunquet.exe", ProgramKind::Window, Notice::None, {"partmathtools/Lunquet"}, true,
     kStarted, "partmathtools/Lunquet", {}, {}},
    {"notice_before", "partmathtools\\triangle.exe", ProgramKind::Window, Notice::Before,
     {"partmathtools/triangle"}, true, {"notice", "start"}, "partmathtools/triangle", {}, {}},
    {"notice_after", "partmathtools\\Tobrask.exe", ProgramKind::Window, Notice::After, {"partmathtools/Tobrask"},
     true, {"start", "notice"}, "partmathtools/Tobrask", {}, {}},
    // A program that is not there: the message, no notice, no start.
    {"missing_before", "partmathtools\\triangle.exe", ProgramKind::Window, Notice::Before, {}, true, kMessageOnly,
     {}, {}, "找不到程序 partmathtools/triangle，无法启动。"},
    {"missing_after", "partmathtools\\Tobrask.exe", ProgramKind::Window, Notice::After, {"partmathtools/triangle"},
     true, kMessageOnly, {}, {}, "找不到程序 partmathtools/Tobrask，无法启动。"},
    // A start refused after the check: the message in place of a notice still to come.
    {"refused_none", "partmathtools\\Lunquet.exe", ProgramKind::Window, Notice::None, {"partmathtools/Lunquet"},
     false, {"start", "message"}, "partmathtools/Lunquet", {}, "程序 partmathtools/Lunquet 未能启动。"},
    {"refused_before", "partmathtools\\triangle.exe", ProgramKind::Window, Notice::Before,
     {"partmathtools/triangle"}, false, {"notice", "start", "message"}, "partmathtools/triangle", {},
     "程序 partmathtools/triangle 未能启动。"},
    {"refused_after", "partmathtools\\Tobrask.exe", ProgramKind::Window, Notice::After, {"partmathtools/Tobrask"},
     false, {"start", "message"}, "partmathtools/Tobrask", {}, "程序 partmathtools/Tobrask 未能启动。"},
    // The desktop's own calculator: the first found, never a console calculator.
    {"calculator_none", "calc.exe", ProgramKind::SystemCalculator, Notice::None, {}, true, kMessageOnly, {}, {},
     kNoCalculator},
    {"calculator_console_calc_is_not_one", "calc.exe", ProgramKind::SystemCalculator, Notice::None,
     {"calc", "calc.exe"}, true, kMessageOnly, {}, {}, kNoCalculator},
    {"calculator_last_choice", "calc.exe", ProgramKind::SystemCalculator, Notice::None, {"xcalc"}, true, kStarted,
     "xcalc", {}, {}},
    {"calculator_first_choice", "calc.exe", ProgramKind::SystemCalculator, Notice::None,
     {"xcalc", "kcalc", "gnome-calculator"}, true, kStarted, "gnome-calculator", {}, {}},
    {"calculator_in_order", "calc.exe", ProgramKind::SystemCalculator, Notice::None,
     {"galculator", "qalculate-gtk", "mate-calc", "qalculate-qt"}, true, kStarted, "qalculate-qt", {}, {}},
    {"calculator_refused", "calc.exe", ProgramKind::SystemCalculator, Notice::None, {"mate-calc"}, false,
     {"start", "message"}, "mate-calc", {}, "程序 mate-calc 未能启动。"},
    // Console tools run in a terminal window.
    {"console_in_terminal", "partmathtools\\Tarnley.exe", ProgramKind::Console, Notice::None,
     {"partmathtools/Tarnley", "x-terminal-emulator", "xterm"}, true, kStarted, "x-terminal-emulator",
     {"-e", "partmathtools/Tarnley"}, {}},
    {"console_in_xterm", "partmathtools\\Tarnley.exe", ProgramKind::Console, Notice::None,
     {"partmathtools/Tarnley", "xterm"}, true, kStarted, "xterm", {"-e", "partmathtools/Tarnley"}, {}},
    {"console_no_terminal", "partmathtools\\Tarnley.exe", ProgramKind::Console, Notice::None,
     {"partmathtools/Tarnley"}, true, kMessageOnly, {}, {}, kNoTerminal},
    {"console_missing_tool_named_first", "partmathtools\\Tarnley.exe", ProgramKind::Console, Notice::None,
     {}, true, kMessageOnly, {}, {}, "找不到程序 partmathtools/Tarnley，无法启动。"},
    {"console_missing_tool_with_terminal", "partmathtools\\Tarnley.exe", ProgramKind::Console, Notice::None,
     kTerminals, true, kMessageOnly, {}, {}, "找不到程序 partmathtools/Tarnley，无法启动。"},
};

class StartToolTest : public ::testing::TestWithParam<StartCase> {
protected:
    suite::testing::FakePlatform fake;
    QStringList log;
    QWidget toolsWindow;
};

TEST_P(StartToolTest, NoticeStartAndMessageInTheirOrder)
{
    const StartCase& c = GetParam();
    LogLaunches(fake, log);
    fake.launcher.present = c.present;
    fake.launcher.succeed = c.startSucceeds;

    StartTool(fake.platform, &toolsWindow, QString::fromLatin1(c.path), c.kind, c.notice);

    EXPECT_EQ(log, c.events);
    if (c.program.isEmpty()) {
        EXPECT_TRUE(fake.launcher.requests.empty());
    } else {
        ASSERT_EQ(fake.launcher.requests.size(), 1u);
        EXPECT_EQ(fake.launcher.requests[0].path, c.program);
        EXPECT_EQ(fake.launcher.requests[0].arguments, c.arguments);
        EXPECT_EQ(fake.launcher.requests[0].style, StartStyle::MinimizedFocus);
    }
    for (const auto& asked : fake.dialogs.messages) {
        EXPECT_EQ(asked.buttons, MsgButtons::Ok);
        EXPECT_TRUE(asked.title.isEmpty()) << "titled with the program's own title";
        EXPECT_EQ(asked.asker, &toolsWindow) << "the window that asked holds still behind it";
        if (asked.icon == MsgIcon::Information)
            EXPECT_EQ(asked.text, kStartedNotice);
        else
            EXPECT_EQ(asked.text, c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Launcher, StartToolTest, ::testing::ValuesIn(kStartCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartTool, EveryCallStartsOneMoreProcess)
{
    suite::testing::FakePlatform fake;
    fake.launcher.present = {"partmathtools/distance"};
    for (int i = 0; i < 3; ++i)
        StartTool(fake.platform, nullptr, QStringLiteral("partmathtools\\distance.exe"), ProgramKind::Window,
                  Notice::Before);
    EXPECT_EQ(fake.launcher.requests.size(), 3u);
    EXPECT_EQ(fake.dialogs.messages.size(), 3u);
}

}  // namespace
}  // namespace suite::tools::testing
