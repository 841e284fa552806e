#include "calculators/distance/frmmain.h"
#include "common/colour.h"
#include "testkit/decimalcomma.h"
#include "testkit/accessibility.h"
#include "testkit/fakes.h"
#include "testkit/printing.h"

#include <QAction>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace suite::distance {
namespace {

// Parameterised cases are listed by their names.
using suite::testing::printing::PrintTo;

const QString kNotBothZero = QStringLiteral("A、B不能同时为0");
const QString kTooBig = QStringLiteral("超出数值范围");

class Distance : public ::testing::Test {
protected:
    void Type(std::initializer_list<TextBox*> boxes, const QStringList& texts)
    {
        int i = 0;
        for (TextBox* box : boxes) box->setText(texts[i++]);
    }
    QStringList Messages() const
    {
        QStringList out;
        for (const auto& m : fake.dialogs.messages) {
            EXPECT_EQ(m.buttons, MsgButtons::Ok);
            EXPECT_EQ(m.icon, MsgIcon::None);
            EXPECT_TRUE(m.title.isEmpty() || m.title == kAppTitle);
            out << m.text;
        }
        return out;
    }
    testing::FakePlatform fake{kAppTitle};
    std::unique_ptr<frmMain> w = std::make_unique<frmMain>(fake.platform);
};

TEST_F(Distance, StartsWithEmptyBoxesAndGreenZeroOnBlack)
{
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Pannigar"));
    for (TextBox* box : {w->Text1, w->Text2, w->Text3, w->Text4, w->Text5, w->Text6, w->Text7, w->Text8, w->Text9})
        EXPECT_TRUE(box->text().isEmpty());
    EXPECT_EQ(w->Text10->text(), QStringLiteral("0."));
    EXPECT_EQ(TextColor(w->Text10), QColor(0, 0xFF, 0));
    EXPECT_EQ(BackColor(w->Text10), QColor(0, 0, 0));
    EXPECT_EQ(w->Command1->text(), QStringLiteral("计算"));
    EXPECT_EQ(w->Command2->text(), QStringLiteral("计算"));
    EXPECT_EQ(w->findChild<QAction*>(QStringLiteral("mnuFileNew")), nullptr);
}

TEST_F(Distance, EveryControlHasANameOfItsOwnForAScreenReader)
{
    EXPECT_EQ(testing::UnnamedFocusableControls(w.get()), QStringList{});
    EXPECT_EQ(testing::SharedNames(w.get()), QStringList{});
    EXPECT_EQ(testing::SpokenName(w->Command1), QStringLiteral("计算 两点间的距离"));
    EXPECT_EQ(testing::SpokenName(w->Command2), QStringLiteral("计算 点到直线的距离"));
    const std::pair<TextBox*, const char*> names[] = {
        {w->Text1, "x1"}, {w->Text2, "y1"}, {w->Text3, "x2"}, {w->Text4, "y2"},
        {w->Text5, "输入已知点的坐标：x0"}, {w->Text6, "输入已知点的坐标：y0"},
        {w->Text7, "直线方程：A"}, {w->Text8, "直线方程：B"}, {w->Text9, "直线方程：C"}, {w->Text10, "d="},
    };
    for (const auto& [box, name] : names) EXPECT_EQ(testing::SpokenName(box), QString::fromUtf8(name));
}

TEST_F(Distance, AboutNamesTheProgram)
{
    w->findChild<QAction*>(QStringLiteral("mnuHelpAbout"))->trigger();
    EXPECT_EQ(Messages(), QStringList{QStringLiteral("Pannigar")});
}

struct PointsCase {
    const char* name;
    QStringList inputs;  // x1, y1, x2, y2
    QString d;
};

class TwoPoints : public Distance, public ::testing::WithParamInterface<PointsCase> {};

TEST_P(TwoPoints, Distance)
{
    Type({w->Text1, w->Text2, w->Text3, w->Text4}, GetParam().inputs);
    w->Command1->click();
    EXPECT_EQ(w->Text10->text(), GetParam().d);
    EXPECT_TRUE(Messages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TwoPoints,
    ::testing::Values(PointsCase{"ThreeFourFive", {"0", "0", "3", "4"}, "5"},
                      PointsCase{"AllEmpty", {"", "", "", ""}, "0"},
                      PointsCase{"NegativeCoordinates", {"-1", "-1", "2", "3"}, "5"},
                      PointsCase{"Diagonal", {"0", "0", "1", "1"}, "1.4142135623731"},
                      PointsCase{"TextReadsZero", {"abc", "", "6x", "8"}, "10"},
                      PointsCase{"BeyondRange", {"0", "0", "1e200", "0"}, kTooBig}),
    [](const auto& info) { return std::string(info.param.name); });

struct LineCase {
    const char* name;
    QStringList inputs;  // x0, y0, A, B, C
    QString d;
    QStringList messages;
};

class PointToLine : public Distance, public ::testing::WithParamInterface<LineCase> {};

TEST_P(PointToLine, DistanceAndBoxesKeptAsTyped)
{
    const LineCase& c = GetParam();
    Type({w->Text5, w->Text6, w->Text7, w->Text8, w->Text9}, c.inputs);
    w->Command2->click();
    EXPECT_EQ(w->Text10->text(), c.d);
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_EQ(w->Text7->text(), c.inputs[2]);
    EXPECT_EQ(w->Text8->text(), c.inputs[3]);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PointToLine,
    ::testing::Values(
        LineCase{"ThreeFour", {"1", "2", "3", "4", "-1"}, "2", {}},
        LineCase{"BothZero", {"1", "1", "0", "0", "5"}, "4.94974746830583", {kNotBothZero}},
        LineCase{"AllEmpty", {"", "", "", "", ""}, "0", {kNotBothZero}},
        LineCase{"PointOnLine", {"1", "1", "1", "1", "-2"}, "0", {}},
        LineCase{"NegativeSide", {"0", "0", "0", "-2", "6"}, "3", {}},
        LineCase{"HugeCoefficients", {"1", "1", "1e200", "0", "0"}, "1", {}},
        LineCase{"TinyCoefficientIsALine", {"2", "3", "1e-170", "0", "0"}, "2", {}},
        LineCase{"TinyLine", {"1", "1", "1e-170", "1e-170", "1e-170"}, "2.12132034355964", {}},
        LineCase{"BeyondRange", {"1e308", "1e308", "1", "1", "1e308"}, kTooBig, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Distance, ReadsAndWritesThePointUnderADecimalCommaLocale)
{
    testing::DecimalCommaLocale comma;
    ASSERT_TRUE(comma.Active());
    Type({w->Text1, w->Text2, w->Text3, w->Text4}, {"0", "0", "1.5", "2"});
    w->Command1->click();
    EXPECT_EQ(w->Text10->text(), QStringLiteral("2.5"));
    Type({w->Text5, w->Text6, w->Text7, w->Text8, w->Text9}, {"0", "0", "0.6", "0.8", "-0.25"});
    w->Command2->click();
    EXPECT_EQ(w->Text10->text(), QStringLiteral("0.25"));
}

TEST_F(Distance, LastPressedButtonOwnsTheResult)
{
    Type({w->Text1, w->Text2, w->Text3, w->Text4}, {"0", "0", "3", "4"});
    Type({w->Text5, w->Text6, w->Text7, w->Text8, w->Text9}, {"1", "2", "3", "4", "-1"});
    w->Command1->click();
    EXPECT_EQ(w->Text10->text(), QStringLiteral("5"));
    w->Command2->click();
    EXPECT_EQ(w->Text10->text(), QStringLiteral("2"));
    w->Command1->click();
    EXPECT_EQ(w->Text10->text(), QStringLiteral("5"));
}

}  // namespace
}  // namespace suite::distance
