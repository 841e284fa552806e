#include "shellfixture.h"

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

TEST_F(ShellTest, ChoiceThatCannotBeSavedIsReportedAndTheLearnerGoesOn)
{
    // A folder in the file's place: nothing can be read or written there.
    ASSERT_TRUE(QDir().mkdir(QString::fromLatin1(kPreferenceFileName)));
    MainForm& main = Start(std::nullopt);
    ASSERT_NE(main.Kaishi(), nullptr);
    Control(main.Kaishi(), "Command3")->click();
    Flush();
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    EXPECT_EQ(fake.dialogs.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(fake.dialogs.messages[0].text.contains(QStringLiteral("Wendrake.SWC")));
    EXPECT_EQ(main.Kaishi(), nullptr);
    EXPECT_TRUE(main.isVisible());
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
