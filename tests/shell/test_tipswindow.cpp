#include "shellfixture.h"
#include "testkit/smalldisk.h"
#include "testkit/writefaults.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPaintEvent>

#include <cstdio>
#include <sys/stat.h>

namespace suite::shell::testing {
namespace {

bool Shown(QWidget* window, const char* name)
{
    auto* control = window->findChild<QWidget*>(QString::fromLatin1(name));
    return control && control->isVisibleTo(window);
}

TEST_F(ShellTest, TipsWindowOffersChoicesOrOnlyTheStartButton)
{
    const struct {
        QByteArray stored;
        bool choices;
    } cases[] = {{kNextStart, true}, {QByteArray("0"), true}, {kEveryStart, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        MainForm& main = Start(c.stored);
        KaishiForm* tips = main.Kaishi();
        ASSERT_NE(tips, nullptr);
        EXPECT_EQ(tips->windowTitle(), QStringLiteral("Quorrin："));
        EXPECT_EQ(tips->DefaultButton(), nullptr);
        EXPECT_EQ(Control<QLabel>(tips, "Label1")->text(),
                  QStringLiteral("    朋友，您好！我是Quorrin，我的目标也是把你锻造成新一代的我，心算本领将是你一生的功夫，就看你的了。\r\n"
                                 "    练习的路上我将会一直陪伴这你。上路之前，和对每一个朋友一样，我依然先要为你打气：相信你自己，就没有走不出来的路。另外开始起步的你也一定要有准备，Quorrin可不是一天两天炼就的。我的语文老师说：行百里者半于九十。英语老师说：耐心和持久胜过激烈和狂热。希望你相信，奇迹在坚持中产生！"));
        const char* const captions[][2] = {{"Command1", "我懂了，以后不用再提示"},
                                           {"Command2", "下次启动提示我"},
                                           {"Command3", "每次启动提示我"},
                                           {"Command4", "★ 现在开始练习 ★"}};
        for (const auto& caption : captions)
            EXPECT_EQ(Control(tips, caption[0])->text(), QString::fromUtf8(caption[1])) << caption[0];
        EXPECT_EQ(Shown(tips, "Command1"), c.choices);
        EXPECT_EQ(Shown(tips, "Command2"), c.choices);
        EXPECT_EQ(Shown(tips, "Command3"), c.choices);
        EXPECT_EQ(Shown(tips, "Command4"), !c.choices);
    }
}

struct ButtonCase {
    const char* name;
    QByteArray stored;
    const char* button;
    QByteArray fileAfter;
};

const ButtonCase kButtonCases[] = {
    {"never", kNextStart, "Command1", QByteArray("\"2.71828\"\r\n", 11)},
    {"next_start", kNextStart, "Command2", QByteArray("\"0\"\r\n", 5)},
    {"every_start", kNextStart, "Command3", QByteArray("\"3.1416\"\r\n", 10)},
    {"start_button_writes_nothing", kEveryStart, "Command4", kEveryStart},
    {"missing_file_gets_written", QByteArray(), "Command2", QByteArray("\"0\"\r\n", 5)},
};

class TipsButtonTest : public ShellTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(TipsButtonTest, ButtonStoresChoiceClosesTipsAndShowsMain)
{
    const ButtonCase& c = GetParam();
    MainForm& main = c.stored.isEmpty() ? Start(std::nullopt) : Start(c.stored);
    ASSERT_NE(main.Kaishi(), nullptr);
    EXPECT_FALSE(main.isVisible());

    Control(main.Kaishi(), c.button)->click();
    Flush();
    EXPECT_EQ(PreferenceBytes(), c.fileAfter);
    EXPECT_EQ(main.Kaishi(), nullptr);
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(fake.dialogs.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Buttons, TipsButtonTest, ::testing::ValuesIn(kButtonCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, MenuBehindTheTipsComesWithItsControlsWhenItShows)
{
    for (bool tipsPaintedFirst : {true, false}) {
        SCOPED_TRACE(tipsPaintedFirst ? "tips painted first" : "tips left at once");
        MainForm& main = Start(kNextStart);
        if (tipsPaintedFirst) {
            QPaintEvent paint(main.Kaishi()->rect());
            QCoreApplication::sendEvent(main.Kaishi(), &paint);
            QCoreApplication::sendPostedEvents();
            EXPECT_FALSE(main.isVisible());
            EXPECT_NE(main.findChild<QAbstractButton*>(QStringLiteral("Command4")), nullptr);
        }
        Control(main.Kaishi(), "Command2")->click();
        Flush();
        ASSERT_TRUE(main.isVisible());
        EXPECT_EQ(Button("Command4")->text(), QStringLiteral("加"));
        EXPECT_EQ(Button("Command13")->text(), QStringLiteral("数学工具集锦"));
        EXPECT_EQ(main.Tabs().Order().size(), 13u);
        ASSERT_NE(Item("mnuFileExit"), nullptr);
        EXPECT_TRUE(Item("mnuFileExit")->isEnabled());
        EXPECT_FALSE(main.windowIcon().isNull());
    }
}

// The learner is told the choice will not last, and goes on to the menu.
void ExpectNotSavedAndMainBack(MainForm& main, const suite::testing::ScriptedDialogs& dialogs)
{
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("Wendrake.SWC")));
    EXPECT_EQ(main.Kaishi(), nullptr);
    EXPECT_TRUE(main.isVisible());
}

TEST_F(ShellTest, ChoiceThatCannotBeSavedIsReportedAndTheLearnerGoesOn)
{
    // A folder or a pipe in the file's place: nothing is read or written there, and the pipe
    // holds nothing up.
    for (bool pipe : {false, true}) {
        SCOPED_TRACE(pipe ? "pipe" : "folder");
        fake.dialogs.messages.clear();
        if (pipe) {
            ASSERT_EQ(::mkfifo(kPreferenceFileName, 0644), 0);
        } else {
            ASSERT_TRUE(QDir().mkdir(QString::fromLatin1(kPreferenceFileName)));
        }
        QElapsedTimer clock;
        clock.start();
        MainForm& main = Start(std::nullopt);
        ASSERT_NE(main.Kaishi(), nullptr);
        EXPECT_TRUE(Shown(main.Kaishi(), "Command3"));
        Control(main.Kaishi(), "Command3")->click();
        Flush();
        EXPECT_LT(clock.elapsed(), 1000);
        ExpectNotSavedAndMainBack(main, fake.dialogs);
        EXPECT_EQ(QFileInfo(QString::fromLatin1(kPreferenceFileName)).isDir(), !pipe);
        ::remove(kPreferenceFileName);
    }
}

TEST_F(ShellTest, ChoiceOnAFullDiskIsReportedAndTheOldChoiceKept)
{
    // The disk fills at each step of the write in turn, the last of them included.
    for (WriteStep step : {WriteStep::CreateTemp, WriteStep::Write, WriteStep::Sync, WriteStep::Close,
                           WriteStep::Rename}) {
        SCOPED_TRACE(int(step));
        fake.dialogs.messages.clear();
        MainForm& main = Start(kNextStart);
        const suite::testing::WriteFaults fullDisk{{step, StepOutcome::NoSpace}};
        Control(main.Kaishi(), "Command3")->click();
        Flush();
        ExpectNotSavedAndMainBack(main, fake.dialogs);
        EXPECT_EQ(PreferenceBytes(), kNextStart);
    }
}

TEST_F(ShellTest, ChoiceOnARealFullDiskIsReportedAndTheOldChoiceKept)
{
    const suite::testing::SmallDisk disk(dir_.filePath("disk"));
    if (!disk.Mounted()) GTEST_SKIP() << disk.Error();
    ASSERT_TRUE(QDir::setCurrent(dir_.filePath("disk")));
    MainForm& main = Start(kNextStart);
    ASSERT_TRUE(disk.Fill());
    Control(main.Kaishi(), "Command3")->click();
    Flush();
    ExpectNotSavedAndMainBack(main, fake.dialogs);
    EXPECT_EQ(PreferenceBytes(), kNextStart);
    EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), (QStringList{"ballast", "Wendrake.SWC"}));
    QDir::setCurrent(dir_.path());
}

TEST_F(ShellTest, ALinkInThePreferencesPlaceIsReplacedAtStartUpAndByTheTipsNeverFollowed)
{
    const QString name = QString::fromLatin1(kPreferenceFileName);
    ASSERT_TRUE(QDir().mkdir("elsewhere"));
    const auto targetBytes = [] {
        QFile file("elsewhere/target");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    };
    {
        QFile file("elsewhere/target");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("2.71828");
    }
    // Main's own write at start-up: the bare value is rewritten into the link's place.
    ASSERT_TRUE(QFile::link("elsewhere/target", name));
    MainForm* main = &Start(std::nullopt);
    EXPECT_EQ(main->Kaishi(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(QFileInfo(name).isSymLink());
    EXPECT_EQ(PreferenceBytes(), kNever);
    EXPECT_EQ(targetBytes(), QByteArray("2.71828"));

    // A dangling link: the tips window asks, and its choice lands here, not where the link led.
    ASSERT_TRUE(QFile::remove(name));
    ASSERT_TRUE(QFile::link("elsewhere/missing", name));
    main = &Start(std::nullopt);
    ASSERT_NE(main->Kaishi(), nullptr);
    Control(main->Kaishi(), "Command2")->click();
    Flush();
    EXPECT_TRUE(fake.dialogs.messages.empty());
    EXPECT_FALSE(QFileInfo(name).isSymLink());
    EXPECT_EQ(PreferenceBytes(), kNextStart);
    EXPECT_EQ(QDir("elsewhere").entryList(QDir::Files), QStringList{"target"});
    EXPECT_EQ(targetBytes(), QByteArray("2.71828"));
}

TEST_F(ShellTest, NextStartFollowsTheStoredChoice)
{
    // Each start reads what the previous one's tips window stored.
    MainForm* main = &Start(kNextStart);
    Control(main->Kaishi(), "Command3")->click();
    Flush();
    main = &Start(std::nullopt);
    ASSERT_NE(main->Kaishi(), nullptr);
    EXPECT_TRUE(Shown(main->Kaishi(), "Command4"));
    Control(main->Kaishi(), "Command4")->click();
    Flush();
    EXPECT_EQ(PreferenceBytes(), kEveryStart);

    PutPreference(kNextStart);
    main = &Start(std::nullopt);
    Control(main->Kaishi(), "Command1")->click();
    Flush();
    main = &Start(std::nullopt);
    EXPECT_EQ(main->Kaishi(), nullptr);
    EXPECT_TRUE(main->isVisible());
}

}  // namespace
}  // namespace suite::shell::testing
