#include "calculators/symmetry/frmabout.h"
#include "calculators/symmetry/frmmain.h"
#include "common/colour.h"
#include "testkit/fakes.h"
#include "testkit/accessibility.h"
#include "testkit/printing.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace suite::symmetry {
namespace {

// Parameterised cases are listed by their names.
using suite::testing::printing::PrintTo;

const QString kNotALine = QStringLiteral("老兄！这不是直线方程！");
const QString kOnTheLine = QStringLiteral("点在直线上！");

// What the learner sees when each message box comes up.
struct Seen {
    QString message;
    QString a, b, x, y;
};

class Symmetry : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCoreApplication::setApplicationVersion(QStringLiteral(SUITE_VERSION));
        w = std::make_unique<frmMain>(fake.platform);
        fake.dialogs.onDialog = [this] {
            seen.push_back({fake.dialogs.messages.back().text, w->Text3->text(), w->Text4->text(),
                            w->Text6->text(), w->Text7->text()});
        };
    }
    void Type(const QStringList& five)
    {
        TextBox* boxes[] = {w->Text1, w->Text2, w->Text3, w->Text4, w->Text5};
        for (int i = 0; i < 5; ++i) boxes[i]->setText(five[i]);
    }
    testing::FakePlatform fake{kAppTitle};
    std::unique_ptr<frmMain> w;
    std::vector<Seen> seen;
};

TEST_F(Symmetry, StartsWithEmptyInputsAndZeroResultsInLightGreenOnBlack)
{
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Ostrelle"));
    for (TextBox* box : {w->Text1, w->Text2, w->Text3, w->Text4, w->Text5}) EXPECT_TRUE(box->text().isEmpty());
    for (TextBox* box : {w->Text6, w->Text7}) {
        EXPECT_EQ(box->text(), QStringLiteral("0"));
        EXPECT_EQ(TextColor(box), QColor(0x80, 0xFF, 0x80));
        EXPECT_EQ(BackColor(box), QColor(0, 0, 0));
    }
    EXPECT_EQ(w->Command1->text(), QStringLiteral("OK"));
    EXPECT_NE(w->findChild<QAction*>(QStringLiteral("mnuFileNew")), nullptr);
}

struct ReflectionCase {
    const char* name;
    QStringList inputs;  // x0, y0, A, B, C
    QString x, y;
    QString a, b;        // the A and B boxes afterwards
    QStringList messages;
};

class Reflections : public Symmetry, public ::testing::WithParamInterface<ReflectionCase> {};

TEST_P(Reflections, ResultBoxesAndMessages)
{
    const ReflectionCase& c = GetParam();
    Type(c.inputs);
    w->Command1->click();
    EXPECT_EQ(w->Text6->text(), c.x);
    EXPECT_EQ(w->Text7->text(), c.y);
    // However long, a result is seen from its sign and first digit.
    EXPECT_EQ(w->Text6->cursorPosition(), 0);
    EXPECT_EQ(w->Text7->cursorPosition(), 0);
    EXPECT_EQ(w->Text3->text(), c.a);
    EXPECT_EQ(w->Text4->text(), c.b);
    QStringList messages;
    for (const auto& m : fake.dialogs.messages) {
        messages << m.text;
        EXPECT_EQ(m.buttons, MsgButtons::Ok);
        EXPECT_EQ(m.icon, MsgIcon::None);
        EXPECT_TRUE(m.title.isEmpty() || m.title == kAppTitle);
    }
    EXPECT_EQ(messages, c.messages);
}

const QString kTooBig = QStringLiteral("超出数值范围");

INSTANTIATE_TEST_SUITE_P(
    Cases, Reflections,
    ::testing::Values(
        ReflectionCase{"MirrorLine", {"1", "2", "1", "-1", "0"}, "2", "1", "1", "-1", {}},
        ReflectionCase{"VerticalLine", {"3", "0", "1", "0", "-1"}, "-1", "0", "1", "0", {}},
        ReflectionCase{"FifteenDigits", {"0.1", "0", "3", "0", "1"}, "-0.766666666666667", "0", "3", "0", {}},
        ReflectionCase{"PointOnLine", {"1", "1", "1", "1", "-2"}, "1", "1", "1", "1", {kOnTheLine}},
        ReflectionCase{"AllEmpty", {"", "", "", "", ""}, "0", "0", "1", "1", {kNotALine, kOnTheLine}},
        ReflectionCase{"ZerosCorrected", {"1", "0", "0", "0", "0"}, "0", "-1", "1", "1", {kNotALine}},
        ReflectionCase{"TextReadsZero", {"2", "2", "abc", "x1", "1"}, "-3", "-3", "1", "1", {kNotALine}},
        // The line's coefficients may be as large or as small as doubles go: only the point
        // and the result must stay in range.
        ReflectionCase{"HugeCoefficients", {"1", "-1", "1e200", "1e200", "0"}, "1", "-1",
                       "1e200", "1e200", {kOnTheLine}},
        ReflectionCase{"TinyCoefficientIsALine", {"2", "3", "1e-170", "0", "0"}, "-2", "3", "1e-170", "0", {}},
        ReflectionCase{"TinyLine", {"1", "1", "1e-170", "1e-170", "-2e-170"}, "1", "1", "1e-170", "1e-170",
                       {kOnTheLine}},
        ReflectionCase{"ResultPastTheRange", {"1e308", "0", "1", "0", "1e308"}, kTooBig, "0", "1", "0", {}},
        ReflectionCase{"HugeCoordinate", {"1", "1e308", "1", "-1", "0"}, kTooBig, "1", "1", "-1", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Symmetry, EveryControlHasANameForAScreenReader)
{
    EXPECT_EQ(testing::UnnamedFocusableControls(w.get()), QStringList{});
    EXPECT_EQ(testing::SharedNames(w.get()), QStringList{});
    frmAbout box(kAppTitle, w.get());
    EXPECT_EQ(testing::UnnamedFocusableControls(&box), QStringList{});
    EXPECT_EQ(testing::SharedNames(&box), QStringList{});
    const std::pair<TextBox*, const char*> names[] = {
        {w->Text1, "输入点P的坐标：x0"}, {w->Text2, "输入点P的坐标：y0"}, {w->Text3, "直线方程：A"},
        {w->Text4, "直线方程：B"},       {w->Text5, "直线方程：C"},       {w->Text6, "对称点坐标为：x'"},
        {w->Text7, "对称点坐标为：y'"},
    };
    for (const auto& [box, name] : names) EXPECT_EQ(testing::SpokenName(box), QString::fromUtf8(name));
}

TEST_F(Symmetry, CorrectionFollowsItsMessageAndOnTheLineFollowsTheResult)
{
    w->Text3->setText(QStringLiteral("0"));
    w->Text4->setText(QStringLiteral("0"));
    w->Command1->click();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].message, kNotALine);
    EXPECT_EQ(seen[0].a, QStringLiteral("0"));
    EXPECT_EQ(seen[0].b, QStringLiteral("0"));
    EXPECT_EQ(seen[0].x, QStringLiteral("0"));
    EXPECT_EQ(seen[1].message, kOnTheLine);
    EXPECT_EQ(seen[1].a, QStringLiteral("1"));
    EXPECT_EQ(seen[1].b, QStringLiteral("1"));

    // The result is on screen before the learner is told the point lies on the line.
    seen.clear();
    Type({"5", "-3", "1", "1", "-2"});
    w->Command1->click();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].x, QStringLiteral("5"));
    EXPECT_EQ(seen[0].y, QStringLiteral("-3"));
}

TEST_F(Symmetry, NewEmptiesTheInputsAndResetsTheResults)
{
    Type({"1", "2", "1", "-1", "0"});
    w->Command1->click();
    ASSERT_EQ(w->Text6->text(), QStringLiteral("2"));
    w->findChild<QAction*>(QStringLiteral("mnuFileNew"))->trigger();
    for (TextBox* box : {w->Text1, w->Text2, w->Text3, w->Text4, w->Text5}) EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(w->Text6->text(), QStringLiteral("0"));
    EXPECT_EQ(w->Text7->text(), QStringLiteral("0"));
}

TEST_F(Symmetry, CtrlNTypedInAnInputBoxIsNew)
{
    Type({"1", "2", "1", "-1", "0"});
    w->Command1->click();
    ASSERT_EQ(w->Text6->text(), QStringLiteral("2"));
    w->show();
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->Text5->setFocus();
    QTest::keyClick(w->Text5, Qt::Key_N, Qt::ControlModifier);
    for (TextBox* box : {w->Text1, w->Text2, w->Text3, w->Text4, w->Text5}) EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(w->Text6->text(), QStringLiteral("0"));
    EXPECT_EQ(w->Text7->text(), QStringLiteral("0"));
}

TEST_F(Symmetry, AboutBoxShowsTitleAndVersionModalOverTheMainWindow)
{
    int shown = 0;
    w->showAbout = [&](frmAbout& box) {
        ++shown;
        EXPECT_EQ(box.parentWidget(), w.get());
        EXPECT_TRUE(box.isModal());
        EXPECT_EQ(box.windowTitle(), QStringLiteral("关于 Ostrelle"));
        EXPECT_EQ(box.lblTitle->text(), QStringLiteral("Ostrelle"));
        EXPECT_EQ(box.lblVersion->text(), QStringLiteral("版本 1.0.0"));
        EXPECT_EQ(box.Label2->text(), QStringLiteral("欢迎指点   共同提高"));
        EXPECT_EQ(box.Label6->text(), QStringLiteral("2004年1月20日"));
        EXPECT_EQ(box.cmdOK->text(), QStringLiteral("确定"));
        EXPECT_TRUE(box.cmdOK->isDefault());
        EXPECT_NE(box.findChild<QLabel*>(QStringLiteral("picIcon")), nullptr);
        EXPECT_NE(box.findChild<QFrame*>(QStringLiteral("Line1")), nullptr);
        EXPECT_NE(box.findChild<QFrame*>(QStringLiteral("Line2")), nullptr);
    };
    w->findChild<QAction*>(QStringLiteral("mnuHelpAbout"))->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(fake.dialogs.messages.empty());
}

class AboutKeys : public ::testing::TestWithParam<Qt::Key> {};

TEST_P(AboutKeys, EnterAndEscapePressOk)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(SUITE_VERSION));
    frmAbout box(kAppTitle, nullptr);
    box.show();
    int okPresses = 0;
    QObject::connect(box.cmdOK, &QPushButton::clicked, [&] { ++okPresses; });
    QTest::keyClick(&box, GetParam());
    EXPECT_EQ(okPresses, 1);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutKeys, ::testing::Values(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape));

}  // namespace
}  // namespace suite::symmetry
