#include "form1.h"
#include "texts.h"
#include "testkit/accessibility.h"
#include "testkit/fakes.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

#include <memory>

namespace triangle {
namespace {

using suite::MsgAnswer;
using suite::MsgButtons;
using suite::MsgIcon;

// Counts every time the window is shown, so "never shown" is checked, not just "hidden now".
class ShowCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show) ++shows;
        return false;
    }
    int shows = 0;
};

class TriangleWindow : public ::testing::Test {
protected:
    TriangleWindow()
    {
        window = std::make_unique<Form1>(fake.platform);
        window->installEventFilter(&shows);
        // A script that runs dry would loop on "No" for ever; end the program instead.
        fake.dialogs.onDialog = [this] {
            if (fake.dialogs.inputs.size() + fake.dialogs.messages.size() > 200)
                fake.dialogs.Answer(MsgAnswer::Yes);
        };
    }

    void Sides(const QString& a, const QString& b, const QString& c)
    {
        fake.dialogs.Reply(a);
        fake.dialogs.Reply(b);
        fake.dialogs.Reply(c);
    }
    QString Text(const char* name) const
    {
        auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return label ? label->text() : QString();
    }
    QStringList Prompts() const
    {
        QStringList prompts;
        for (const auto& input : fake.dialogs.inputs) prompts << input.prompt;
        return prompts;
    }
    void Again() { window->findChild<QPushButton*>(QStringLiteral("Command1"))->click(); }

    suite::testing::FakePlatform fake{QStringLiteral("Kelvrim")};
    ShowCounter shows;
    std::unique_ptr<Form1> window;
};

TEST_F(TriangleWindow, StartUpSolvesWhileHiddenAndFillsEveryLabel)
{
    Sides("3", "4", "5");
    EXPECT_TRUE(window->Form_Load());
    EXPECT_EQ(shows.shows, 0);
    EXPECT_EQ(window->windowTitle(), kCaption);
    EXPECT_EQ(Prompts(), (QStringList{kPromptSide1, kPromptSide2, kPromptSide3}));
    for (const auto& input : fake.dialogs.inputs) {
        EXPECT_EQ(input.title, kCaption);
        EXPECT_TRUE(input.defaultText.isEmpty());
    }
    EXPECT_TRUE(fake.dialogs.messages.empty());
    struct Expected {
        const char* label;
        QString text;
    };
    const Expected expected[] = {
        {"Label10", "6"},          {"Label11", "2.5"},        {"Label12", "1"},
        {"Label7", " 36.87" + kDegree}, {"Label8", " 53.13" + kDegree}, {"Label9", " 90" + kDegree},
        {"Label13", "3"},          {"Label14", "4"},          {"Label15", "5"},
        {"Label16", "4.27"},       {"Label17", "3.61"},       {"Label18", "2.5"},
        {"Label19", "4.22"},       {"Label20", "3.35"},       {"Label21", "2.42"},
        {"Label22", "4"},          {"Label23", "3"},          {"Label24", "2.4"},
    };
    for (const Expected& e : expected) EXPECT_EQ(Text(e.label), e.text) << e.label;
    EXPECT_EQ(fake.program.endRequests, 0);
}

TEST_F(TriangleWindow, YesAtStartUpEndsTheProgramWithoutEverShowingTheWindow)
{
    fake.dialogs.Cancel();
    fake.dialogs.Answer(MsgAnswer::Yes);
    EXPECT_FALSE(window->Form_Load());
    EXPECT_EQ(fake.program.endRequests, 1);
    EXPECT_EQ(shows.shows, 0);
    EXPECT_FALSE(window->isVisible());
    // Cancelling side I asks at once, without the other two prompts.
    EXPECT_EQ(Prompts(), QStringList{kPromptSide1});
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    const auto& asked = fake.dialogs.messages[0];
    EXPECT_EQ(asked.text, kEndProgram);
    EXPECT_EQ(asked.buttons, MsgButtons::YesNo);
    EXPECT_EQ(asked.icon, MsgIcon::Information);
    EXPECT_TRUE(asked.title.isEmpty());  // the program's own title
}

TEST_F(TriangleWindow, EveryZeroLikeAnswerStopsThePassAndNoAsksForSideOneAgain)
{
    struct Pass {
        QStringList replies;
        int promptsAsked;
    };
    const Pass passes[] = {
        {{""}, 1},               // cancelled or empty side I
        {{"abc"}, 1},            // not a number
        {{"3", "0"}, 2},         // zero side II
        {{"3", "4", "  "}, 3},   // blank side III
    };
    for (const Pass& pass : passes) {
        for (const QString& reply : pass.replies) fake.dialogs.Reply(reply);
        fake.dialogs.Answer(MsgAnswer::No);
    }
    Sides("1", "1", "1");
    EXPECT_TRUE(window->Form_Load());
    QStringList expectedPrompts;
    const QStringList order{kPromptSide1, kPromptSide2, kPromptSide3};
    for (const Pass& pass : passes) expectedPrompts << order.mid(0, pass.promptsAsked);
    expectedPrompts << order;
    EXPECT_EQ(Prompts(), expectedPrompts);
    ASSERT_EQ(fake.dialogs.messages.size(), std::size(passes));
    for (const auto& asked : fake.dialogs.messages) EXPECT_EQ(asked.text, kEndProgram);
    EXPECT_EQ(Text("Label10"), QStringLiteral("0.433012701892219"));
    EXPECT_EQ(fake.program.endRequests, 0);
}

TEST_F(TriangleWindow, DegenerateSidesAreListedUnderErrorAndAskedAgain)
{
    Sides("1", "2", "3");
    Sides("2", "2", "3");
    EXPECT_TRUE(window->Form_Load());
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    const auto& asked = fake.dialogs.messages[0];
    EXPECT_EQ(asked.text,
              QStringLiteral(" 1") + kSeparator + " 2" + kSeparator + " 3" + kNotATriangle);
    EXPECT_EQ(asked.title, kErrorTitle);
    EXPECT_EQ(asked.icon, MsgIcon::Exclamation);
    EXPECT_EQ(asked.buttons, MsgButtons::Ok);
    EXPECT_EQ(Prompts().size(), 6);
    EXPECT_EQ(Prompts()[3], kPromptSide1);
    EXPECT_EQ(Text("Label9"), " 97.18" + kDegree);
}

TEST_F(TriangleWindow, OverflowingSidesAreReportedAndNeverWrittenAsInfinities)
{
    Sides("1E100", "1E100", "1E100");
    Sides("3", "4", "5");
    EXPECT_TRUE(window->Form_Load());
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    EXPECT_EQ(fake.dialogs.messages[0].text,
              QStringLiteral(" 1E+100， 1E+100， 1E+100 超出计算范围！"));
    EXPECT_EQ(fake.dialogs.messages[0].title, kErrorTitle);
    EXPECT_EQ(Text("Label10"), QStringLiteral("6"));
}

struct LongTextsCase {
    const char* name;
    const char* side;  // all three sides
};

void PrintTo(const LongTextsCase& c, std::ostream* os) { *os << c.name; }

class LongValueTexts : public TriangleWindow, public ::testing::WithParamInterface<LongTextsCase> {};

TEST_P(LongValueTexts, FitTheirLabels)
{
    const QString side = QString::fromLatin1(GetParam().side);
    Sides(side, side, side);
    ASSERT_TRUE(window->Form_Load());
    ASSERT_EQ(Text("Label13"), side);
    for (int number = 7; number <= 24; ++number) {
        const auto* label = window->findChild<QLabel*>(QStringLiteral("Label%1").arg(number));
        ASSERT_NE(label, nullptr) << number;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width())
            << "Label" << number << " cuts " << label->text().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Sides, LongValueTexts,
                         ::testing::Values(LongTextsCase{"fifteen_digits", "3.14159265358979"},
                                           LongTextsCase{"small_exponent_form", "1.23456789012345E-70"},
                                           LongTextsCase{"large_exponent_form", "8.88888888888888E+70"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TriangleWindow, SidesTooSmallForFifteenDigitsAreReportedAsOutOfRange)
{
    Sides("1E-78", "1E-78", "1E-78");
    Sides("3", "4", "5");
    EXPECT_TRUE(window->Form_Load());
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    EXPECT_EQ(fake.dialogs.messages[0].text, QStringLiteral(" 1E-78， 1E-78， 1E-78 超出计算范围！"));
    EXPECT_EQ(fake.dialogs.messages[0].title, kErrorTitle);
    EXPECT_EQ(Text("Label10"), QStringLiteral("6"));
}

class TriangleAgain : public TriangleWindow {
protected:
    void SetUp() override
    {
        Sides("3", "4", "5");
        ASSERT_TRUE(window->Form_Load());
        window->show();
        shows.shows = 0;
    }
};

TEST_F(TriangleAgain, HidesWhileAskingAndShowsOnceANewTriangleIsIn)
{
    std::vector<bool> visibleDuringDialogs;
    auto guard = fake.dialogs.onDialog;
    fake.dialogs.onDialog = [&] {
        visibleDuringDialogs.push_back(window->isVisible());
        guard();
    };
    fake.dialogs.Cancel();
    fake.dialogs.Answer(MsgAnswer::No);
    Sides("2", "2", "3");
    Again();
    EXPECT_EQ(visibleDuringDialogs, std::vector<bool>(5, false));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shows.shows, 1);
    EXPECT_EQ(Text("Label13"), QStringLiteral("2"));
    EXPECT_EQ(Text("Label9"), " 97.18" + kDegree);
}

TEST_F(TriangleAgain, EachValueIsReadWithItsCaptionAndAfterIt)
{
    using suite::testing::SpokenName;
    EXPECT_EQ(suite::testing::UnnamedFocusableControls(window.get()), QStringList{});
    EXPECT_EQ(suite::testing::SharedNames(window.get()), QStringList{});
    const std::pair<const char*, const char*> spoken[] = {
        {"Label13", "边 Ⅰ = 3"},        {"Label14", "边 Ⅱ = 4"},        {"Label15", "边 Ⅲ = 5"},
        {"Label7", "角 Ⅰ = 36.87°"},    {"Label8", "角 Ⅱ = 53.13°"},    {"Label9", "角 Ⅲ = 90°"},
        {"Label16", "中线 Ⅰ = 4.27"},   {"Label17", "中线 Ⅱ = 3.61"},   {"Label18", "中线 Ⅲ = 2.5"},
        {"Label19", "角平分线 Ⅰ = 4.22"}, {"Label20", "角平分线 Ⅱ = 3.35"}, {"Label21", "角平分线 Ⅲ = 2.42"},
        {"Label22", "高线 Ⅰ = 4"},      {"Label23", "高线 Ⅱ = 3"},      {"Label24", "高线 Ⅲ = 2.4"},
        {"Label11", "外接圆半径 = 2.5"}, {"Label12", "内切圆半径 = 1"},   {"Label10", "面积 = 6"},
    };
    for (const auto& [label, name] : spoken)
        EXPECT_EQ(SpokenName(window->findChild<QLabel*>(label)), QString::fromUtf8(name)) << label;
    const QStringList heard = suite::testing::SpokenTree(window.get());
    const QStringList sides = {kSidesRow, "边 Ⅰ = 3", kSecond, "边 Ⅱ = 4", kThird, "边 Ⅲ = 5"};
    EXPECT_EQ(heard.mid(0, sides.size()), sides) << heard.join(" | ").toStdString();

    // A new triangle is read with its own values.
    Sides("2", "2", "3");
    Again();
    EXPECT_EQ(SpokenName(window->findChild<QLabel*>("Label9")), "角 Ⅲ = 97.18°");
    EXPECT_EQ(SpokenName(window->findChild<QLabel*>("Label15")), "边 Ⅲ = 3");
}

TEST_F(TriangleAgain, YesEndsTheProgramWithTheWindowHiddenAndItsResultsUntouched)
{
    fake.dialogs.Reply("0");
    fake.dialogs.Answer(MsgAnswer::Yes);
    Again();
    EXPECT_EQ(fake.program.endRequests, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(shows.shows, 0);
    EXPECT_EQ(Text("Label10"), QStringLiteral("6"));
    EXPECT_EQ(Text("Label13"), QStringLiteral("3"));
}

}  // namespace
}  // namespace triangle
