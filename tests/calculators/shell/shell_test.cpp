#include "calculators/shell/calcshell.h"
#include "calculators/shell/controls.h"
#include "testkit/fakes.h"
#include "testkit/printing.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QTimerEvent>
#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace suite::calc {
namespace {

// Parameterised cases are listed by their names.
using suite::testing::printing::PrintTo;

class ProbeWindow : public CalculatorShell {
public:
    ProbeWindow(Platform& platform, bool withNew)
        : CalculatorShell(platform, QStringLiteral("Probe"), withNew)
    {
    }
    void mnuFileNew_Click() override { ++newClicks; }
    int unloads = 0;
    int newClicks = 0;

protected:
    void Form_Unload() override { ++unloads; }
};

QStringList Captions(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

struct MenuCase {
    const char* name;
    bool withNew;
    QStringList file;
};

class ShellMenus : public ::testing::TestWithParam<MenuCase> {};

TEST_P(ShellMenus, CaptionsInOrderWithAccessKeys)
{
    testing::FakePlatform fake(QStringLiteral("Probe"));
    ProbeWindow w(fake.platform, GetParam().withNew);

    const auto* file = w.findChild<QMenu*>(QStringLiteral("mnuFile"));
    const auto* help = w.findChild<QMenu*>(QStringLiteral("mnuHelp"));
    ASSERT_TRUE(file && help);
    const QList<QAction*> bar = w.menuBar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0], file->menuAction());
    EXPECT_EQ(bar[1], help->menuAction());
    EXPECT_EQ(file->title(), QStringLiteral("文件(&F)"));
    EXPECT_EQ(help->title(), QStringLiteral("帮助(&H)"));
    EXPECT_EQ(Captions(file), GetParam().file);
    // The trailing blank belongs to the caption.
    EXPECT_EQ(Captions(help), QStringList{QStringLiteral("关于(&A) ")});

    EXPECT_EQ(QKeySequence::mnemonic(file->title()), QKeySequence(Qt::ALT | Qt::Key_F));
    EXPECT_EQ(QKeySequence::mnemonic(help->title()), QKeySequence(Qt::ALT | Qt::Key_H));
    auto* exit = w.findChild<QAction*>(QStringLiteral("mnuFileExit"));
    auto* about = w.findChild<QAction*>(QStringLiteral("mnuHelpAbout"));
    ASSERT_TRUE(exit && about);
    EXPECT_EQ(QKeySequence::mnemonic(exit->text()), QKeySequence(Qt::ALT | Qt::Key_X));
    EXPECT_EQ(QKeySequence::mnemonic(about->text()), QKeySequence(Qt::ALT | Qt::Key_A));
    EXPECT_TRUE(exit->shortcut().isEmpty());
    EXPECT_TRUE(about->shortcut().isEmpty());

    auto* fileNew = w.findChild<QAction*>(QStringLiteral("mnuFileNew"));
    ASSERT_EQ(fileNew != nullptr, GetParam().withNew);
    if (fileNew) {
        EXPECT_EQ(QKeySequence::mnemonic(fileNew->text()), QKeySequence(Qt::ALT | Qt::Key_N));
        EXPECT_EQ(fileNew->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        ASSERT_NE(w.findChild<QAction*>(QStringLiteral("mnuFileBar0")), nullptr);
        EXPECT_TRUE(w.findChild<QAction*>(QStringLiteral("mnuFileBar0"))->isSeparator());
        fileNew->trigger();
        EXPECT_EQ(w.newClicks, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Programs, ShellMenus,
    ::testing::Values(MenuCase{"withNew", true, {QStringLiteral("新建(&N)"), QStringLiteral("-"), QStringLiteral("退出(&X)")}},
                      MenuCase{"withoutNew", false, {QStringLiteral("退出(&X)")}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExitCase {
    const char* name;
    bool byMenu;
};

class ShellExit : public ::testing::TestWithParam<ExitCase> {};

TEST_P(ShellExit, UnloadStepRunsOnceThenTheWindowCloses)
{
    testing::FakePlatform fake(QStringLiteral("Probe"));
    ProbeWindow w(fake.platform, false);
    w.show();
    // The main window is the program's only window: closing it ends the program.
    ASSERT_TRUE(w.testAttribute(Qt::WA_QuitOnClose));
    ASSERT_TRUE(QGuiApplication::quitOnLastWindowClosed());
    bool closed = false;
    QObject::connect(&w, &Form::closed, [&] { closed = true; });
    if (GetParam().byMenu)
        w.findChild<QAction*>(QStringLiteral("mnuFileExit"))->trigger();
    else
        w.close();
    EXPECT_EQ(w.unloads, 1);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(w.isVisible());
    for (const QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->isVisible() && top->testAttribute(Qt::WA_QuitOnClose)) << top->objectName().toStdString();
    EXPECT_EQ(fake.program.endRequests, 0);
}

INSTANTIATE_TEST_SUITE_P(Roads, ShellExit,
                         ::testing::Values(ExitCase{"menu", true}, ExitCase{"closeBox", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalcShell, AboutIsAPlainMessageWithTheTitle)
{
    testing::FakePlatform fake(QStringLiteral("Pannigar"));
    ProbeWindow w(fake.platform, false);
    w.findChild<QAction*>(QStringLiteral("mnuHelpAbout"))->trigger();
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    const auto& m = fake.dialogs.messages[0];
    EXPECT_EQ(m.text, QStringLiteral("Pannigar"));
    EXPECT_EQ(m.buttons, MsgButtons::Ok);
    EXPECT_EQ(m.icon, MsgIcon::None);
    EXPECT_TRUE(m.title.isEmpty() || m.title == QStringLiteral("Pannigar"));
}

TEST(CalcShell, CaptionNameAndStatusBar)
{
    const QDateTime before = QDateTime::currentDateTime();
    testing::FakePlatform fake(QStringLiteral("Probe"));
    ProbeWindow w(fake.platform, false);
    EXPECT_EQ(w.objectName(), QStringLiteral("frmMain"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Probe"));
    auto* bar = w.findChild<QStatusBar*>(QStringLiteral("sbStatusBar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar, w.statusBar());
    auto* date = bar->findChild<QLabel*>(QStringLiteral("sbDate"));
    auto* time = bar->findChild<QLabel*>(QStringLiteral("sbTime"));
    ASSERT_TRUE(date && time);
    const QDateTime after = QDateTime::currentDateTime();
    EXPECT_TRUE(date->text() == StatusDateText(before) || date->text() == StatusDateText(after));
    EXPECT_TRUE(time->text() == StatusTimeText(before) || time->text() == StatusTimeText(after));
}

TEST(CalcShell, DateAndTimePanelsRefreshOnTheirOwnClock)
{
    testing::FakePlatform fake(QStringLiteral("Probe"));
    ProbeWindow w(fake.platform, false);
    w.show();
    auto* date = w.findChild<QLabel*>(QStringLiteral("sbDate"));
    auto* time = w.findChild<QLabel*>(QStringLiteral("sbTime"));
    ASSERT_TRUE(date && time);
    QTimer* clock = nullptr;
    for (QTimer* timer : w.statusBar()->findChildren<QTimer*>())
        if (timer->isActive()) clock = timer;
    ASSERT_NE(clock, nullptr);
    // Often enough that the minute shown is never more than a second behind.
    EXPECT_LE(clock->interval(), 1000);

    // One tick of the panels' own clock, no input: stale texts become current again.
    date->setText(QStringLiteral("stale"));
    time->setText(QStringLiteral("stale"));
    const QDateTime before = QDateTime::currentDateTime();
    QTimerEvent tick(clock->timerId());
    QCoreApplication::sendEvent(clock, &tick);
    const QDateTime after = QDateTime::currentDateTime();
    EXPECT_TRUE(date->text() == StatusDateText(before) || date->text() == StatusDateText(after));
    EXPECT_TRUE(time->text() == StatusTimeText(before) || time->text() == StatusTimeText(after));
}

TEST(CalcShell, StartMainWindowKeepsAndShowsTheWindow)
{
    testing::FakePlatform fake(QStringLiteral("Probe"));
    ProbeWindow* created = nullptr;
    Module1::StartMainWindow([&] {
        created = new ProbeWindow(fake.platform, false);
        return created;
    });
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(Module1::mainForm, created);
    EXPECT_TRUE(created->isVisible());
    delete created;
}

TEST(CalcResultText, NumbersAndTheEdgesOfTheRange)
{
    struct Case {
        double value;
        QString text;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {5, QStringLiteral("5")},
        {-0.0, QStringLiteral("0")},
        {7 / std::sqrt(2.0), QStringLiteral("4.94974746830583")},
        {inf, OutOfRangeText()},
        {-inf, OutOfRangeText()},
        {std::numeric_limits<double>::quiet_NaN(), OutOfRangeText()},
    };
    for (const Case& c : cases) EXPECT_EQ(ResultText(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace suite::calc
