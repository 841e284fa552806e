// What the equation window writes for equations whose true roots the quadruple-precision
// reference knows: in every result box the writer's text of the true root, digit for digit,
// and from the check the verdict that the roots are right.

#include "equationreference.h"

#include "common/numbers.h"
#include "testkit/fakes.h"
#include "tools/equation.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace suite::tools {
namespace {

using reference::ToDouble;

enum Panel { kLinear, kQuadratic, kCubic, kSystem };

struct RootCase {
    const char* name;
    Panel panel;
    QStringList inputs;  // as typed, box by box
};

void PrintTo(const RootCase& c, std::ostream* os) { *os << c.name; }

class TrueRoots : public ::testing::TestWithParam<RootCase> {
protected:
    std::vector<TextBox*> Inputs(Panel panel) const
    {
        switch (panel) {
        case kLinear: return {w->Text1, w->Text2};
        case kQuadratic: return {w->Text4, w->Text5, w->Text6};
        case kCubic: return {w->Text10, w->Text11};
        default:
            return {w->Text13, w->Text14, w->Text15, w->Text9,  w->Text16, w->Text17,
                    w->Text18, w->Text25, w->Text19, w->Text20, w->Text21, w->Text26};
        }
    }
    std::vector<TextBox*> Results(Panel panel) const
    {
        switch (panel) {
        case kLinear: return {w->Text3};
        case kQuadratic: return {w->Text7, w->Text8};
        case kCubic: return {w->Text12};
        default: return {w->Text22, w->Text23, w->Text24};
        }
    }
    QPushButton* Solve(Panel panel) const { return std::vector{w->Command1, w->Command2, w->Command3, w->Command4}[panel]; }
    QPushButton* Check(Panel panel) const { return std::vector{w->Command6, w->Command7, w->Command8, w->Command5}[panel]; }

    double Number(int i) const { return ReadNumber(GetParam().inputs.value(i)); }

    // The texts of the true roots, as the writer writes them into each result box.
    QStringList Expected() const
    {
        const RootCase& c = GetParam();
        QStringList texts;
        switch (c.panel) {
        case kLinear: texts << FixedDecimalText(ToDouble(-reference::Quad(Number(1)) / Number(0)), 18); break;
        case kQuadratic: {
            const reference::Roots r = reference::Quadratic(Number(0), Number(1), Number(2));
            if (r.complex) {
                const QString re = SignedNumberText(ToDouble(r.values[0]));
                const QString im = SignedNumberText(ToDouble(r.values[1]));
                texts << re + QStringLiteral(" +") + im + QStringLiteral(" i") << re + QStringLiteral(" -") + im + QStringLiteral(" i");
            } else {
                for (reference::Quad x : r.values) texts << FixedDecimalText(ToDouble(x), 16);
            }
            break;
        }
        case kCubic: {
            QStringList roots;
            for (reference::Quad x : reference::Cubic(Number(0), Number(1)).values) roots << FixedDecimalText(ToDouble(x), 18);
            texts << roots.join(QStringLiteral("；"));
            break;
        }
        case kSystem: {
            std::array<SystemRow, 3> rows;
            for (int i = 0; i < 12; ++i) rows[i / 4][i % 4] = Number(i);
            for (reference::Quad x : reference::System(rows).values) texts << FixedDecimalText(ToDouble(x), 12);
            if (texts.size() == 2) texts << QString();
            break;
        }
        }
        return texts;
    }

    testing::FakePlatform fake;
    std::unique_ptr<EquationForm> w = std::make_unique<EquationForm>(fake.platform, [] {});
};

TEST_P(TrueRoots, AreWrittenDigitForDigitAndCheckedRight)
{
    const RootCase& c = GetParam();
    const std::vector<TextBox*> inputs = Inputs(c.panel);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        inputs[i]->setFocus();
        QTest::keyClicks(inputs[i], c.inputs.value(static_cast<int>(i)));
    }
    Solve(c.panel)->click();
    QStringList written;
    for (TextBox* box : Results(c.panel)) written << box->text();
    EXPECT_EQ(written, Expected());
    const bool complex = fake.dialogs.messages.size() == 1;  // the notice of conjugate roots
    fake.dialogs.messages.clear();
    if (complex) return;
    EXPECT_TRUE(fake.dialogs.messages.empty());
    Check(c.panel)->click();
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    EXPECT_EQ(fake.dialogs.messages[0].text,
              c.panel == kSystem ? QStringLiteral("方程组解正确！") : QStringLiteral("计算正确"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TrueRoots,
    ::testing::Values(
        RootCase{"LinearThird", kLinear, {"3", "1"}},
        RootCase{"LinearSevenths", kLinear, {"7", "29"}},
        RootCase{"LinearLargeConstant", kLinear, {"13", "1000000000001"}},
        RootCase{"LinearRootBelowEveryDecimal", kLinear, {"1e200", "1e-200"}},
        RootCase{"QuadraticTwoRoots", kQuadratic, {"1", "-3", "2"}},
        RootCase{"QuadraticXSquaredMinusTwo", kQuadratic, {"1", "", "-2"}},
        RootCase{"QuadraticSmallRootOfNegativeB", kQuadratic, {"1", "-1000000", "1"}},
        RootCase{"QuadraticLargeRoots", kQuadratic, {"1", "-100000000", "1"}},
        RootCase{"QuadraticBSquaredOverflows", kQuadratic, {"1", "1e200", "1"}},
        RootCase{"QuadraticBSquaredUnderflows", kQuadratic, {"1e-200", "1e-170", ""}},
        RootCase{"QuadraticUnderflowHidesComplexRoots", kQuadratic, {"-7.4e-188", "2.2e-308", "-6.4e-258"}},
        RootCase{"QuadraticNearDoubleRoot", kQuadratic, {"1", "-2.0000000002", "1.0000000002"}},
        RootCase{"QuadraticConjugate", kQuadratic, {"1", "2", "5"}},
        RootCase{"QuadraticConjugateThirds", kQuadratic, {"3", "1", "1"}},
        RootCase{"CubicTwoThreeRoots", kCubic, {"-7", "6"}},
        RootCase{"CubicIrrationalRoots", kCubic, {"-3", "1"}},
        RootCase{"CubicXCubedMinusX", kCubic, {"-1", ""}},
        RootCase{"CubicXCubedMinusThreeX", kCubic, {"-3", "0"}},
        RootCase{"CubicXCubedMinusFourX", kCubic, {"-4", "0"}},
        RootCase{"CubicHugeP", kCubic, {"-1e200", "0"}},
        RootCase{"CubicTinyMiddleRoot", kCubic, {"-1.4e15", "64"}},
        RootCase{"CubicCardanoCancels", kCubic, {"0.0001", "1"}},
        RootCase{"CubicCardanoCancelsLargeQ", kCubic, {"1", "-1000000000000"}},
        RootCase{"CubicCardanoCancelsLargeP", kCubic, {"100000", "-1"}},
        RootCase{"CubicCubeRootOfMinusEight", kCubic, {"0", "8"}},
        RootCase{"CubicDoubleRoot", kCubic, {"-3", "2"}},
        RootCase{"CubicCloseRoots", kCubic, {"-3", "1.9999999999"}},
        RootCase{"SystemTwoUnknowns", kSystem, {"1", "1", "", "-3", "1", "-1", "", "-1"}},
        RootCase{"SystemThreeUnknowns", kSystem, {"1", "1", "1", "-6", "1", "-1", "", "", "1", "", "1", "-4"}},
        RootCase{"SystemSmallFirstX", kSystem, {"0.00001", "1", "1", "-3", "1", "1", "2", "-4", "1", "2", "1", "-4"}},
        RootCase{"SystemTinyFirstX", kSystem, {"1e-8", "1", "1", "-3", "1", "1", "2", "-4", "1", "2", "1", "-4"}},
        RootCase{"SystemHugeCoefficients",
                 kSystem,
                 {"1e200", "2e200", "", "-3e200", "3e200", "1e200", "", "-4e200"}},
        RootCase{"SystemHugeCoefficientsThreeUnknowns",
                 kSystem,
                 {"1e200", "1e200", "1e200", "-6e200", "1e200", "-1e200", "", "", "1e200", "", "1e200", "-4e200"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The true roots the fault reports gave, written as the writer writes them: the reference
// itself is held to them.
TEST(TrueRootsOfTheReports, AreTheReferencesRoots)
{
    const struct {
        double p, q;
        int root;
        const char* text;
    } cubics[] = {
        {0.0001, 1, 0, "-0.999966666666679"},
        {1, -1e12, 0, "9999.99996666667"},
        {1e5, -1, 0, "0.00001"},  // 0.00000999999999999999 at 18 decimals
        {-1.4e15, 64, 1, "0.000000000000045714"},
    };
    for (const auto& c : cubics)
        EXPECT_EQ(FixedDecimalText(ToDouble(reference::Cubic(c.p, c.q).values[c.root]), 18), QString::fromLatin1(c.text))
            << c.p << " " << c.q;
    std::array<SystemRow, 3> rows = {{{0.00001, 1, 1, -3}, {1, 1, 2, -4}, {1, 2, 1, -4}}};
    EXPECT_EQ(FixedDecimalText(ToDouble(reference::System(rows).values[0]), 12), QStringLiteral("-0.500007500113"));
    rows[0][0] = 1e-8;
    EXPECT_EQ(FixedDecimalText(ToDouble(reference::System(rows).values[0]), 12), QStringLiteral("-0.5000000075"));
}

}  // namespace
}  // namespace suite::tools
