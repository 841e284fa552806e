#include "drilltestsupport.h"

#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <memory>

namespace suite::drill::testing {
namespace {

// Written out here rather than taken from the code's constants, so a changed blank or mark
// in a caption shows up.
struct WindowTexts {
    DrillKind kind;
    QString caption, paused, continued, intro, level1, level2, rangePrompt, rangeDefault, message;
};

const QString kDesignMessage = QStringLiteral("祝你好运！\r\n");

const WindowTexts kTexts[] = {
    {DrillKind::kjia, "加法口算练习", "加法口算练习（暂停）", "加法口算练习", "你将进行的是：     加法口算练习！",
     "加数≤100", "加数≤1000", "  请输入加数不大于的范围（如≤50,则输入50）", "50", kDesignMessage},
    {DrillKind::kjian, "减法口算练习", "减法口算练习（暂停）", "减法口算练习", "你将进行的是：     减法口算练习！",
     "减数≤100", "减数≤1000", "  请输入减数不大于的范围（如≤50,则输入50）", "50", kDesignMessage},
    {DrillKind::kcheng, "乘法口算练习", "乘法口算练习（暂停）", "乘法口算练习", "你将进行的是：     乘法口算练习！",
     "乘数≤20", "乘数≤30", "  请输入乘数不大于的范围（如≤50,则输入50）", "50", ""},
    {DrillKind::kchu, "除法口算练习", "除法口算练习（暂停）", "除法口算练习", "你将进行的是：     除法口算练习！",
     "商数≤20", "商数≤50", "  请输入商数不大于的范围（如≤50,则输入50）", "50", kDesignMessage},
    {DrillKind::kchengfang, "乘方口算练习", "乘方口算练习（暂停）", "乘方口算练习",
     "你将进行的是：     乘方口算练习！", "底数≤20", "底数≤30", "  请输入底数不大于的范围（如≤50,则输入50）", "50",
     kDesignMessage},
    {DrillKind::kkaifang, "开方口算练习", "开方口算练习（暂停）", "开方口算练习", "你将进行的是：     开方口算练习！",
     "结果≤20", "结果≤50", "  请输入底数不大于的范围（如≤50,则输入50）", "50", kDesignMessage},
    {DrillKind::kjieche, "阶乘口算练习", "阶乘口算练习（暂停）", "阶乘口算练习", "你将进行的是：     阶乘口算练习！",
     "N ≤ 10", "N ≤ 17", "  请输入底数不大于的范围（如≤10,则输入10）", "10", kDesignMessage},
    {DrillKind::kplzh, "排列组合口算练习", "排列组合口算练习（暂停）", "排列组合口算练习",
     "感谢使用！" + QString(23, ' ') + "提示：排列组合问题随机出题，注意看清要求，准备好后单击[Start].", "角码≤10",
     "角码≤15", "  请输入角码不大于的范围（如≤10,则输入10）", "10", kDesignMessage},
    {DrillKind::kjiefangcheng, "解一元二次方程口算练习 V2.0", "解方程口算练习（暂停）", "解方程口算练习",
     "你将进行的是：     解一元二次方程口算练习！", "|根|≤10", "10≤|根|≤20", "  请输入根不大于的范围（如≤50,则输入50）",
     "50", kDesignMessage},
};

TEST_F(DrillFixture, EachWindowShowsItsOwnTexts)
{
    const QStringList statics = {"剩余", "秒", "每题限时", "秒", "第", "题", "共练习", "题", "请选择难度：",
                                 "",     "自定", "",        "得分：", "请选择："};
    for (const WindowTexts& t : kTexts) {
        Open(t.kind);
        const std::string name = KindName(t.kind);
        EXPECT_EQ(w->windowTitle(), t.caption) << name;
        EXPECT_EQ(Caption("Label5"), t.intro) << name;
        EXPECT_EQ(Caption("Label1_9"), t.level1) << name;
        EXPECT_EQ(Caption("Label1_11"), t.level2) << name;
        EXPECT_EQ(Text("Text7"), t.message) << name;
        EXPECT_EQ(Get<QPushButton>("Command1")->text(), "Start") << name;
        EXPECT_EQ(Get<QPushButton>("Command2")->text(), "Next") << name;
        const int captions = t.kind == DrillKind::kcheng ? 13 : 14;
        for (int i = 0; i < captions; ++i) {
            if (statics[i].isEmpty()) continue;
            const QByteArray label = "Label1_" + QByteArray::number(i);
            EXPECT_EQ(Caption(label), statics[i]) << name << " " << label.constData();
        }
        fake.dialogs.inputs.clear();
        w->Option3_Click();
        ASSERT_FALSE(fake.dialogs.inputs.empty()) << name;
        EXPECT_EQ(fake.dialogs.inputs[0].prompt, t.rangePrompt) << name;
        EXPECT_EQ(fake.dialogs.inputs[0].title, "自定范围") << name;
        EXPECT_EQ(fake.dialogs.inputs[0].defaultText, t.rangeDefault) << name;
        w->mnuFilePause_Click();
        EXPECT_EQ(w->windowTitle(), t.paused) << name;
        w->mnuFileContinue_Click();
        EXPECT_EQ(w->windowTitle(), t.continued) << name;
    }
}

TEST_F(DrillFixture, TheControlMenuFromDesignToLoad)
{
    struct Item {
        const char* name;  // nullptr: separator
        QString caption;
        QKeySequence key;
        bool enabledAtDesign, visibleAtDesign;
    };
    const Item items[] = {
        {"mnuFilePause", "暂停(&P)", QKeySequence("Ctrl+P"), false, true},
        {"mnuFileContinue", "继续(&C)", QKeySequence("Ctrl+C"), true, false},
        {nullptr, {}, {}, true, true},
        {"mnuFileKey", "请求答案(&K)", QKeySequence("Ctrl+K"), true, false},
        {"mnus", "设置(&S)", QKeySequence("Ctrl+S"), true, true},
        {nullptr, {}, {}, true, true},
        {"mnuFileExit", "返回(&X)", QKeySequence("Ctrl+X"), false, true},
    };
    for (DrillKind kind : kAllDrillKinds) {
        DrillVariables variables;
        std::unique_ptr<DrillEngine> design(MakeDrillWindow(kind, variables, fake.platform, [] {}));
        const std::string name = KindName(kind);
        const QList<QAction*> top = design->menuBar()->actions();
        ASSERT_EQ(top.size(), 1) << name;
        EXPECT_EQ(top[0]->text(), "控制器(&C)") << name;
        const QList<QAction*> actions = top[0]->menu()->actions();
        ASSERT_EQ(actions.size(), qsizetype(std::size(items))) << name;
        for (std::size_t i = 0; i < std::size(items); ++i) {
            const Item& item = items[i];
            QAction* a = actions[qsizetype(i)];
            EXPECT_EQ(a->isSeparator(), item.name == nullptr) << name << " " << i;
            if (!item.name) continue;
            EXPECT_EQ(a->objectName(), item.name) << name;
            EXPECT_EQ(a->text(), item.caption) << name << " " << item.name;
            EXPECT_EQ(a->shortcut(), item.key) << name << " " << item.name;
            EXPECT_EQ(a->isVisible(), item.visibleAtDesign) << name << " " << item.name;
            // Qt reports a hidden action as disabled, so only shown items tell their state.
            if (item.visibleAtDesign) {
                EXPECT_EQ(a->isEnabled(), item.enabledAtDesign) << name << " " << item.name;
            }
        }
        const bool option3Hidden = kind == DrillKind::kjiefangcheng;
        auto* option3 = design->findChild<QRadioButton*>("Option3");
        EXPECT_EQ(option3->isEnabled(), option3Hidden) << name;
        EXPECT_EQ(option3->isVisibleTo(design.get()), !option3Hidden) << name;
        EXPECT_FALSE(design->findChild<QLabel*>("Label1_10")->isVisibleTo(design.get())) << name;
        design->Form_Load();
        for (const char* item : {"mnuFilePause", "mnuFileKey", "mnus", "mnuFileExit"}) {
            auto* a = design->findChild<QAction*>(item);
            EXPECT_TRUE(a->isVisible() && a->isEnabled()) << name << " " << item;
        }
        EXPECT_FALSE(design->findChild<QAction*>("mnuFileContinue")->isVisible()) << name;
    }
}

TEST_F(DrillFixture, StartMovesTheTabStopsToTheAnswer)
{
    for (DrillKind kind : kAllDrillKinds) {
        Open(kind);
        w->Option1_Click();
        const std::string name = KindName(kind);
        auto stops = [this] { return w->Tabs().Stops(); };
        auto stop = [&stops](QWidget* c) {
            const auto s = stops();
            return std::find(s.begin(), s.end(), c) != s.end();
        };
        for (const char* c : {"Option1", "Option2", "Option3", "Text8", "Text2", "Command1"})
            EXPECT_TRUE(stop(Get<QWidget>(c))) << name << " " << c;
        EXPECT_FALSE(stop(Get<QWidget>("Text5"))) << name;
        w->Command1_Click();
        for (const char* c : {"Option1", "Option2", "Option3", "Text8", "Text2", "Command1"})
            EXPECT_FALSE(stop(Get<QWidget>(c))) << name << " " << c;
        EXPECT_TRUE(stop(Get<QWidget>("Text5"))) << name;
        EXPECT_TRUE(stop(Get<QWidget>("Command2"))) << name;
        if (kind == DrillKind::kjiefangcheng) {
            EXPECT_TRUE(stop(Get<QWidget>("Text6"))) << name;
        }
        EXPECT_EQ(w->DefaultButton(), Get<QPushButton>("Command2")) << name;
    }
}

// Typed count and seconds with no level chosen since the program started: rangeMax is 0.
TEST_F(DrillFixture, WithoutALevelEveryWindowAsksItsSmallestQuestion)
{
    struct Case {
        DrillKind kind;
        Captions captions;
        QStringList answers;
    };
    const Case cases[] = {
        {DrillKind::kjia, {{"Label3", "1"}, {"Label4", "1"}}, {"2"}},
        {DrillKind::kjian, {{"Label3", "1"}, {"Label4", "1"}}, {"0"}},
        {DrillKind::kcheng, {{"Label3", "1"}, {"Label4", "1"}}, {"1"}},
        {DrillKind::kchu, {{"Label3", "1"}, {"Label4", "1"}}, {"1"}},
        {DrillKind::kchengfang, {{"Label3", "1"}, {"Label2_2", "2"}}, {"1"}},
        {DrillKind::kkaifang, {{"Label3", "1"}}, {"1"}},
        {DrillKind::kjieche, {{"Label3_0", "0"}, {"Label3_1", "！ "}}, {"1"}},
        {DrillKind::kplzh, {{"Label3", "0"}, {"Label4", "0"}}, {"1"}},
        {DrillKind::kjiefangcheng,
         {{"Label2_1", "-"}, {"Label3_3", "0"}, {"Label2_3", "-"}, {"Label4", "0"}},
         {"0", "0"}},
    };
    for (const Case& c : cases) {
        Open(c.kind);
        const std::string name = KindName(c.kind);
        fake.random.values = {0.7f, 0.3f, 0.9f, 0.2f};
        Type("Text8", "10");
        Type("Text2", "20");
        w->Command1_Click();
        for (const auto& [label, caption] : c.captions)
            EXPECT_EQ(Caption(label.toLatin1()), caption) << name << " " << label.toStdString();
        Type("Text5", c.answers[0]);
        if (c.answers.size() > 1) Type("Text6", c.answers[1]);
        w->Command2_Click();
        EXPECT_EQ(Text("Text7"), kRight) << name;
    }
}

TEST_F(DrillFixture, PresetRunsWithoutMissesEndAtTheirScore)
{
    struct Case {
        DrillKind kind;
        int level;
        int score;
    };
    // 8 questions of 12.5 points, rounded half to even after each, end at 96.
    const Case cases[] = {{DrillKind::kjieche, 1, 96}, {DrillKind::kjieche, 2, 100},
                          {DrillKind::kplzh, 1, 100},  {DrillKind::kplzh, 2, 100},
                          {DrillKind::kchengfang, 2, 100}, {DrillKind::kjiefangcheng, 2, 100}};
    for (const Case& c : cases) {
        Open(c.kind);
        StartLevel(c.level);
        int asked = 0;
        while (windows.Window(c.kind) && asked < 20) {
            AnswerRight();
            w->Timer2_Timer();
            ++asked;
        }
        EXPECT_EQ(windows.Window(c.kind), nullptr) << KindName(c.kind);
        EXPECT_EQ(windows.Variables(c.kind).score, c.score) << KindName(c.kind) << " level " << c.level;
        Flush();
    }
}

TEST_F(DrillFixture, TypedAnswersAreJudgedAsNumbers)
{
    struct Case {
        DrillKind kind;
        std::int16_t range;
        std::vector<float> draws;
        QString typed;
        bool right;
    };
    auto one = [](int k, int n) { return float((k - 0.5) / n); };
    const Case cases[] = {
        {DrillKind::kkaifang, 20, {one(7, 20)}, "7.0", true},
        {DrillKind::kkaifang, 20, {one(7, 20)}, "49", false},
        {DrillKind::kcheng, 20, {one(12, 20), one(13, 20)}, "   156", true},
        {DrillKind::kcheng, 20, {one(12, 20), one(13, 20)}, "156.0", true},
        {DrillKind::kchu, 20, {one(12, 20), one(13, 20)}, " 12", true},
        {DrillKind::kchu, 20, {one(12, 20), one(13, 20)}, "156", false},
        {DrillKind::kjian, 100, {one(37, 100), one(81, 100)}, "-44", true},
        {DrillKind::kjian, 100, {one(37, 100), one(81, 100)}, "44", false},
    };
    for (const Case& c : cases) {
        Open(c.kind);
        w->Option1_Click();
        V().rangeMax = c.range;
        fake.random.values.assign(c.draws.begin(), c.draws.end());
        w->Command1_Click();
        Type("Text5", c.typed);
        w->Command2_Click();
        EXPECT_EQ(Text("Text7"), c.right ? kRight : kWrong) << KindName(c.kind) << " " << c.typed.toStdString();
    }
}

}  // namespace
}  // namespace suite::drill::testing
