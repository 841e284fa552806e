#include "shellfixture.h"
#include "shell/pictures.h"

#include <QTest>

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace suite::shell::testing {
namespace {

using drill::DrillKind;

constexpr DrillKind kAllKinds[] = {
    DrillKind::kjia, DrillKind::kjian, DrillKind::kcheng, DrillKind::kchu, DrillKind::kchengfang,
    DrillKind::kkaifang, DrillKind::kjieche, DrillKind::kplzh, DrillKind::kjiefangcheng,
};

// The one drill window on screen is `name`, and the main menu has made way for it.
void ExpectOnlyDrillOpen(MainForm& main, DrillKind kind, const char* name)
{
    QWidget* window = main.Drills().Existing(kind);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QString::fromLatin1(name));
    EXPECT_TRUE(window->isVisible());
    int open = 0;
    for (DrillKind other : kAllKinds)
        if (main.Drills().Existing(other)) ++open;
    EXPECT_EQ(open, 1);
    EXPECT_FALSE(main.isVisible());
}

// ---- start-up ----

struct StartCase {
    const char* name;
    std::optional<QByteArray> stored;
    bool tips;
    QByteArray fileAfter;
};

const StartCase kStartCases[] = {
    {"next_start", kNextStart, true, kNextStart},
    {"every_start", kEveryStart, true, kEveryStart},
    {"bare_zero", QByteArray("0"), true, QByteArray("0")},
    {"never", kNever, false, kNever},
    {"never_bare_is_rewritten_quoted", QByteArray("2.71828"), false, kNever},
    {"never_with_trailing_field_is_rewritten", QByteArray("  \"2.71828\",x\r\nmore\r\n"), false, kNever},
    {"near_miss_0_0", QByteArray("\"0.0\"\r\n"), false, QByteArray("\"0.0\"\r\n")},
    {"near_miss_3_14", QByteArray("\"3.14\"\r\n"), false, QByteArray("\"3.14\"\r\n")},
    {"blank_before_zero", QByteArray("\" 0\"\r\n"), false, QByteArray("\" 0\"\r\n")},
    {"empty_quoted", QByteArray("\"\"\r\n"), false, QByteArray("\"\"\r\n")},
    {"missing_file_asks_the_learner", std::nullopt, true, QByteArray("<missing>")},
};

class StartUpTest : public ShellTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartUpTest, PreferenceDecidesTipsWindowAndFile)
{
    const StartCase& c = GetParam();
    MainForm& main = Start(c.stored);
    EXPECT_EQ(main.Kaishi() != nullptr, c.tips);
    if (c.tips) {
        EXPECT_TRUE(main.Kaishi()->isVisible());
    }
    EXPECT_EQ(main.isVisible(), !c.tips);
    EXPECT_EQ(PreferenceBytes(), c.fileAfter);
    EXPECT_EQ(fake.cues.played.size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Preference, StartUpTest, ::testing::ValuesIn(kStartCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, StartUpCueFollowsTheDrawEvenWithTips)
{
    const char* cues[] = {"sound\\1.wav", "sound\\2.wav", "sound\\3.wav"};
    for (int n = 1; n <= 3; ++n) {
        for (bool tips : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "n=" << n << " tips=" << tips);
            fake.cues.played.clear();
            const int reseeds = fake.random.reseeds;
            Start(tips ? kNextStart : kNever, n);
            EXPECT_EQ(fake.cues.played, QStringList{QString::fromLatin1(cues[n - 1])});
            EXPECT_GT(fake.random.reseeds, reseeds);
        }
    }
}

// ---- design state ----

TEST_F(ShellTest, MenusCarryTheirCaptionsAndShortcutsAllEnabled)
{
    MainForm& main = Start();
    const struct {
        const char* menu;
        const char* title;
    } menus[] = {{"mnuFile", "控制(&C)"}, {"mnuAbout", "帮助(&H)"}};
    for (const auto& m : menus) {
        auto* menu = main.findChild<QMenu*>(QString::fromLatin1(m.menu));
        ASSERT_NE(menu, nullptr) << m.menu;
        EXPECT_EQ(menu->title(), QString::fromUtf8(m.title));
    }
    const struct {
        const char* item;
        const char* caption;
        QKeySequence keys;
    } items[] = {
        {"mnuFileStart", "开始随机练习(&S)", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"mnuFileExit", "退出(&X)", QKeySequence(Qt::CTRL | Qt::Key_X)},
        {"mnuAboutWord", "简要说明(&H)", QKeySequence(Qt::CTRL | Qt::Key_H)},
        {"mnuAboutfre", "再版说明", QKeySequence()},
        {"mnuAboutMe", "关于(&A)", QKeySequence(Qt::CTRL | Qt::Key_A)},
    };
    for (const auto& i : items) {
        SCOPED_TRACE(i.item);
        QAction* item = Item(i.item);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QString::fromUtf8(i.caption));
        EXPECT_EQ(item->shortcut(), i.keys);
        EXPECT_TRUE(item->isEnabled());
    }
    for (const char* separator : {"mnuFile1", "mnuAbout1"}) {
        ASSERT_NE(Item(separator), nullptr) << separator;
        EXPECT_TRUE(Item(separator)->isSeparator());
    }
}

TEST_F(ShellTest, FreshMainHasItsCaptionsAndDesignTabOrder)
{
    MainForm& main = Start();
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Brenvale"));
    const struct {
        const char* button;
        const char* caption;
    } captions[] = {
        {"Command1", "随机练习"}, {"Command2", "再见"},   {"Command3", "感谢使用！简要说明"},
        {"Command4", "加"},       {"Command5", "减"},     {"Command6", "乘"},
        {"Command7", "除"},       {"Command8", "乘方"},   {"Command9", "开方"},
        {"Command10", "阶乘"},    {"Command11", "排列组合"}, {"Command12", "一元二次方程"},
        {"Command13", "数学工具集锦"},
    };
    for (const auto& c : captions) {
        EXPECT_EQ(Button(c.button)->text(), QString::fromUtf8(c.caption)) << c.button;
        EXPECT_TRUE(Button(c.button)->isEnabled()) << c.button;
    }
    EXPECT_EQ(Control<QLabel>(&main, "Label1")->text(), QStringLiteral("欢迎使用QuorrinBrenvale！ "));
    EXPECT_EQ(Control<QLabel>(&main, "Label2")->text(), QStringLiteral("祝您练习愉快！"));

    std::vector<QWidget*> order;
    for (const char* name : {"Command1", "Command2", "Command3", "Command4", "Command5",
                             "Command6", "Command7", "Command8", "Command9", "Command10",
                             "Command11", "Command12", "Command13"})
        order.push_back(Button(name));
    EXPECT_EQ(main.Tabs().Order(), order);
    // After the instructions' hidden button, Command1 still leads.
    main.Command3_Click();
    main.Ins()->Command1_Click();
    EXPECT_EQ(main.Tabs().Order(), order);
}

TEST_F(ShellTest, MainIsBackedByItsPaintedPictureAndCarriesItsIcon)
{
    MainForm& main = Start();
    const QWidget* client = Control<QWidget>(&main, "client");
    const QPixmap picture = client->palette().brush(QPalette::Window).texture();
    ASSERT_EQ(picture.size(), client->size());
    const QImage image = picture.toImage();
    // The sky runs from pale blue at the top left to a deeper blue at the bottom right.
    EXPECT_NE(image.pixel(1, 1), image.pixel(image.width() - 2, image.height() - 2));
    EXPECT_TRUE(client->autoFillBackground());
    EXPECT_EQ(main.windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
}

TEST_F(ShellTest, EachDrillButtonCarriesItsOwnBadge)
{
    // Drawn ahead on another thread, each must be the badge the GUI thread draws for it.
    const struct {
        const char* button;
        const char* sign;
        QColor colour;
    } cases[] = {
        {"Command4", "+", QColor(0xE0, 0x7A, 0x3C)},
        {"Command7", "\u00F7", QColor(0xE0, 0x7A, 0x3C)},
        {"Command11", "C", QColor(0x3C, 0x7E, 0xC8)},
        {"Command12", "ax\u00B2", QColor(0x3C, 0x7E, 0xC8)},
        {"Command2", "\u2713", QColor(0x3A, 0x9A, 0x5B)},
    };
    MainForm& main = Start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        const QIcon icon = Control<QAbstractButton>(&main, c.button)->icon();
        ASSERT_FALSE(icon.isNull());
        const QImage shown = icon.pixmap(kBadgeSize, kBadgeSize).toImage();
        const QImage drawn = ButtonPicture(QString::fromUtf8(c.sign), c.colour, kBadgeSize).toImage();
        EXPECT_EQ(shown, drawn);
    }
    EXPECT_TRUE(Control<QAbstractButton>(&main, "Command13")->icon().isNull());
}

// ---- openers ----

TEST_F(ShellTest, EachDrillButtonOpensItsWindowAndHidesMain)
{
    const struct {
        const char* button;
        DrillKind kind;
        const char* window;
    } cases[] = {
        {"Command4", DrillKind::kjia, "kjia"},
        {"Command5", DrillKind::kjian, "kjian"},
        {"Command6", DrillKind::kcheng, "kcheng"},
        {"Command7", DrillKind::kchu, "kchu"},
        {"Command8", DrillKind::kchengfang, "kchengfang"},
        {"Command9", DrillKind::kkaifang, "kkaifang"},
        {"Command10", DrillKind::kjieche, "kjieche"},
        {"Command11", DrillKind::kplzh, "kplzh"},
        {"Command12", DrillKind::kjiefangcheng, "kjiefangcheng"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        MainForm& main = Start();
        fake.cues.played.clear();
        Button(c.button)->click();
        ExpectOnlyDrillOpen(main, c.kind, c.window);
        EXPECT_EQ(fake.cues.played, QStringList{QStringLiteral("sound\\Tada.wav")});
        // Caption and default role belong to the random drill alone.
        EXPECT_EQ(Button("Command1")->text(), QStringLiteral("随机练习"));
    }
}

TEST_F(ShellTest, ToolsButtonOpensTheToolsWindowBesideMain)
{
    MainForm& main = Start();
    fake.cues.played.clear();
    Button("Command13")->click();
    QWidget* tools = main.Tools().Mathtools();
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(tools->isVisible());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(fake.cues.played, QStringList{QStringLiteral("sound\\Tada.wav")});
    Button("Command13")->click();
    EXPECT_EQ(main.Tools().Mathtools(), tools);
}

TEST_F(ShellTest, ToolsWindowLeadsBackToMainAndOpensFreshAfterwards)
{
    MainForm& main = Start();
    Button("Command13")->click();
    main.Tools().Mathtools()->Command(4)->click();
    EXPECT_EQ(main.Tools().Mathtools(), nullptr);
    EXPECT_TRUE(main.isVisible());
    Flush();
    Button("Command13")->click();
    ASSERT_NE(main.Tools().Mathtools(), nullptr);
    EXPECT_EQ(main.Tools().Mathtools()->focusWidget(), main.Tools().Mathtools()->Command(4));
}

// ---- random drill ----

struct RandomCase {
    int n;
    DrillKind kind;
    const char* window;
};
const RandomCase kRandomCases[] = {
    {1, DrillKind::kcheng, "kcheng"},       {2, DrillKind::kchengfang, "kchengfang"},
    {3, DrillKind::kchu, "kchu"},           {4, DrillKind::kjiefangcheng, "kjiefangcheng"},
    {5, DrillKind::kjia, "kjia"},           {6, DrillKind::kkaifang, "kkaifang"},
    {7, DrillKind::kjian, "kjian"},         {8, DrillKind::kplzh, "kplzh"},
    {9, DrillKind::kjieche, "kjieche"},
};

class RandomDrillTest : public ShellTest,
                        public ::testing::WithParamInterface<std::tuple<RandomCase, bool>> {};

TEST_P(RandomDrillTest, DrawPicksOneWindowAndHandsDefaultToGoodbye)
{
    const auto& [c, fromMenu] = GetParam();
    MainForm& main = Start();
    fake.cues.played.clear();
    fake.random.QueueDraw(c.n, 9);
    const int reseeds = fake.random.reseeds;
    if (fromMenu)
        Item("mnuFileStart")->trigger();
    else
        Button("Command1")->click();

    ExpectOnlyDrillOpen(main, c.kind, c.window);
    EXPECT_GT(fake.random.reseeds, reseeds);
    EXPECT_EQ(fake.cues.played, QStringList{QStringLiteral("sound\\Tada.wav")});

    QAbstractButton* command1 = Button("Command1");
    QAbstractButton* command2 = Button("Command2");
    EXPECT_EQ(command1->text(), QStringLiteral("Again"));
    EXPECT_EQ(main.DefaultButton(), command2);
    const auto stops = main.Tabs().Stops();
    ASSERT_FALSE(stops.empty());
    EXPECT_EQ(stops.front(), command2);
    EXPECT_EQ(std::count(stops.begin(), stops.end(), command1), 0);
    EXPECT_EQ(main.Tabs().TabIndex(command1), 2);
    EXPECT_FALSE(Timer("Timer2")->isActive());
    EXPECT_FALSE(Timer("Timer3")->isActive());
    EXPECT_TRUE(Timer("Timer1")->isActive());
}

INSTANTIATE_TEST_SUITE_P(Table, RandomDrillTest,
                         ::testing::Combine(::testing::ValuesIn(kRandomCases), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).window) +
                                    (std::get<1>(info.param) ? "_menu" : "_button");
                         });

TEST_F(ShellTest, DrillHandingBackShowsMainWithAgainKept)
{
    MainForm& main = Start();
    fake.random.QueueDraw(5, 9);
    Button("Command1")->click();
    QWidget* window = main.Drills().Existing(DrillKind::kjia);
    ASSERT_NE(window, nullptr);
    window->close();
    main.ShowMain();
    Flush();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(Button("Command1")->text(), QStringLiteral("Again"));
    // A second random drill keeps everything as the first left it.
    fake.random.QueueDraw(9, 9);
    Button("Command1")->click();
    EXPECT_NE(main.Drills().Existing(DrillKind::kjieche), nullptr);
    EXPECT_EQ(main.DefaultButton(), Button("Command2"));
}

// ---- default button and Enter ----

TEST_F(ShellTest, EnterOnFreshMainPressesTheRandomDrillThatHasTheFocus)
{
    MainForm& main = Start();
    EXPECT_EQ(main.DefaultButton(), Button("Command3"));
    ASSERT_EQ(main.focusWidget(), Button("Command1"));
    fake.random.QueueDraw(5, 9);
    QTest::keyClick(main.focusWidget(), Qt::Key_Return);
    EXPECT_NE(main.Drills().Existing(DrillKind::kjia), nullptr);
    EXPECT_EQ(main.Ins(), nullptr);
    EXPECT_EQ(Button("Command1")->text(), QStringLiteral("Again"));
}

TEST_F(ShellTest, WithNoButtonFocusedEnterReachesTheHiddenInstructionsButtonOnce)
{
    MainForm& main = Start();
    QAbstractButton* command3 = Button("Command3");
    EXPECT_FALSE(command3->isVisibleTo(&main));
    main.focusWidget()->clearFocus();

    main.PressEnter();
    ASSERT_NE(main.Ins(), nullptr);
    EXPECT_TRUE(main.Ins()->isVisible());
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(command3->isEnabled());
    EXPECT_EQ(main.DefaultButton(), Button("Command1"));
    EXPECT_EQ(main.Tabs().Stops().front(), Button("Command1"));
    // The instructions stay reachable from the menu.
    EXPECT_TRUE(Item("mnuAboutWord")->isEnabled());
}

TEST_F(ShellTest, AfterARandomDrillEnterPressesTheFocusedButtonAndElseSaysGoodbye)
{
    MainForm& main = Start();
    fake.random.QueueDraw(3, 9);
    Item("mnuFileStart")->trigger();
    EXPECT_EQ(main.DefaultButton(), Button("Command2"));
    EXPECT_EQ(main.Tabs().Stops().front(), Button("Command2"));
    main.Drills().Existing(DrillKind::kchu)->close();
    main.ShowMain();
    Flush();

    // Tab to "减" and Enter: the subtraction drill, not the end of the program.
    Button("Command5")->setFocus();
    QTest::keyClick(main.focusWidget(), Qt::Key_Return);
    EXPECT_EQ(fake.program.endRequests, 0);
    ASSERT_NE(main.Drills().Existing(DrillKind::kjian), nullptr);
    main.Drills().Existing(DrillKind::kjian)->close();
    main.ShowMain();
    Flush();

    // With no button focused, Enter says goodbye.
    main.focusWidget()->clearFocus();
    main.PressEnter();
    EXPECT_EQ(fake.program.endRequests, 1);
}

// ---- help menu ----

TEST_F(ShellTest, InstructionsMenuWorksOnceAndTextWindowsAnyNumberOfTimes)
{
    MainForm& main = Start();
    QAction* word = Item("mnuAboutWord");
    word->trigger();
    EXPECT_FALSE(word->isEnabled());
    ASSERT_NE(main.Ins(), nullptr);
    EXPECT_FALSE(main.isVisible());
    main.Ins()->Label5_Click();
    main.Ins()->Command1_Click();
    EXPECT_TRUE(main.isVisible());
    word->trigger();  // a greyed item does nothing
    EXPECT_FALSE(main.Ins()->isVisible());

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        Item("mnuAboutfre")->trigger();
        Item("mnuAboutMe")->trigger();
        ASSERT_NE(main.Zaiban(), nullptr);
        ASSERT_NE(main.Writer(), nullptr);
        EXPECT_TRUE(main.Zaiban()->isVisible());
        EXPECT_TRUE(main.Writer()->isVisible());
        EXPECT_TRUE(main.isVisible());
        EXPECT_TRUE(Item("mnuAboutfre")->isEnabled());
        EXPECT_TRUE(Item("mnuAboutMe")->isEnabled());
    }
    // Closing one only closes that window; the next showing builds it again.
    ZaibanForm* first = main.Zaiban();
    first->close();
    Flush();
    EXPECT_EQ(main.Zaiban(), nullptr);
    EXPECT_TRUE(main.isVisible());
    Item("mnuAboutfre")->trigger();
    EXPECT_NE(main.Zaiban(), nullptr);
}

// ---- exit ----

TEST_F(ShellTest, EveryWayOutEndsTheProgramWithChimes)
{
    enum class Way { Goodbye, Menu, TitleBar };
    for (Way way : {Way::Goodbye, Way::Menu, Way::TitleBar}) {
        SCOPED_TRACE(static_cast<int>(way));
        fake.program.endRequests = 0;
        MainForm& main = Start();
        Item("mnuAboutMe")->trigger();
        fake.cues.played.clear();
        switch (way) {
        case Way::Goodbye: Button("Command2")->click(); break;
        case Way::Menu: Item("mnuFileExit")->trigger(); break;
        case Way::TitleBar: main.close(); break;
        }
        EXPECT_EQ(fake.program.endRequests, 1);
        EXPECT_EQ(fake.cues.played, QStringList{QStringLiteral("sound\\Chimes.wav")});
        EXPECT_FALSE(main.isVisible());
        EXPECT_FALSE(Timer("Timer2")->isActive());
        EXPECT_FALSE(Timer("Timer3")->isActive());
        EXPECT_EQ(Item("mnuFileExit")->isEnabled(), way != Way::Menu);
    }
}

}  // namespace
}  // namespace suite::shell::testing
