#include "tools/equation.h"

#include "printing.h"
#include "common/numbers.h"
#include "common/colour.h"
#include "testkit/accessibility.h"
#include "testkit/fakes.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

namespace suite::tools {
namespace {

using suite::testing::printing::PrintTo;

const QString kNoLinearTerm = QStringLiteral("一次项系数不能为0！");
const QString kNoQuadraticTerm = QStringLiteral("一元二次方程二次项系数不能为0！");
const QString kConjugate = QStringLiteral("请注意：方程有两个共轭虚数根。");
const QString kNoRealRoot = QStringLiteral("方程无实数解！");
const QString kRight = QStringLiteral("计算正确");
const QString kDoubtful = QStringLiteral("计算可能有误，请刷新后再试。");
const QString kNoXOrY = QStringLiteral("请保证X、Y为有效元，其系数三个方程不能同时为零");
const QString kParallel = QStringLiteral("两直线平行，方程组无解！");
const QString kFirstXZero = QStringLiteral("不完全三元方程组，请重新调整顺序，使第一个方程的 X 项系数不为零。");
const QString kNoUniqueSolve =
    QStringLiteral("方程组可能无解或不定方程有无数解，请重新调整顺序，或将数据输入完整后再试！");
const QString kNoUniqueCheck = QStringLiteral("方程组可能无解，或重新调整顺序后再试！");
const QString kSystemRight = QStringLiteral("方程组解正确！");
const QString kSystemDoubtful = QStringLiteral("方程组解可能有误，请重新调整顺序后再试！");
const QString kOutOfRange = QStringLiteral("数值超出计算范围！");

// A message box as the learner sees it: its text and its icon.
struct Said {
    QString text;
    MsgIcon icon = MsgIcon::None;
    bool operator==(const Said&) const = default;
};
void PrintTo(const Said& s, std::ostream* os)
{
    *os << '"' << s.text.toStdString() << "\" icon " << static_cast<int>(s.icon);
}
using Saids = std::vector<Said>;

class Equation : public ::testing::Test {
protected:
    static void Type(const std::vector<TextBox*>& boxes, const QStringList& texts)
    {
        for (size_t i = 0; i < boxes.size(); ++i) boxes[i]->setText(texts.value(static_cast<int>(i)));
    }
    // Every message box so far, checked for its OK button and the program's title.
    Saids Messages() const
    {
        Saids out;
        for (const auto& m : fake.dialogs.messages) {
            EXPECT_EQ(m.buttons, MsgButtons::Ok) << m.text.toStdString();
            EXPECT_TRUE(m.title.isEmpty()) << m.text.toStdString();
            out.push_back({m.text, m.icon});
        }
        return out;
    }
    std::vector<TextBox*> Linear() const { return {w->Text1, w->Text2}; }
    std::vector<TextBox*> Quadratic() const { return {w->Text4, w->Text5, w->Text6}; }
    std::vector<TextBox*> Cubic() const { return {w->Text10, w->Text11}; }
    std::vector<TextBox*> System() const
    {
        return {w->Text13, w->Text14, w->Text15, w->Text9,  w->Text16, w->Text17,
                w->Text18, w->Text25, w->Text19, w->Text20, w->Text21, w->Text26};
    }
    std::vector<TextBox*> Inputs() const
    {
        std::vector<TextBox*> all = Linear();
        for (const auto& part : {Quadratic(), Cubic(), System()}) all.insert(all.end(), part.begin(), part.end());
        return all;
    }
    std::vector<TextBox*> Results() const
    {
        return {w->Text3, w->Text7, w->Text8, w->Text12, w->Text22, w->Text23, w->Text24};
    }
    std::vector<QPushButton*> Checks() const { return {w->Command6, w->Command7, w->Command8, w->Command5}; }

    testing::FakePlatform fake;
    int toolsShown = 0;
    std::unique_ptr<EquationForm> w =
        std::make_unique<EquationForm>(fake.platform, [this] { ++toolsShown; });
};

// --- the window as it opens -------------------------------------------------------------

TEST_F(Equation, OpensInDesignState)
{
    EXPECT_EQ(w->objectName(), QStringLiteral("equation"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Saltreve"));
    for (TextBox* box : Inputs()) {
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
        EXPECT_FALSE(box->isReadOnly());
        EXPECT_EQ(BackColor(box), BgrColor(0xE0E0E0));
    }
    for (TextBox* box : Results()) {
        EXPECT_EQ(box->text(), QStringLiteral("0")) << box->objectName().toStdString();
        EXPECT_TRUE(box->isReadOnly());
        EXPECT_EQ(BackColor(box), SystemColor(SystemColour::InactiveBorder));
    }
    for (QPushButton* check : Checks()) {
        EXPECT_FALSE(check->isEnabled());
        EXPECT_EQ(check->text(), QStringLiteral("验算"));
    }
    EXPECT_EQ(w->Command1->text(), QStringLiteral("X="));
    EXPECT_EQ(w->Command2->text(), QStringLiteral("X1= X2="));
    EXPECT_EQ(w->Command3->text(), QStringLiteral("X="));
    EXPECT_EQ(w->Command4->text(), QStringLiteral("解得"));
    for (const char* heading : {"解一元一次方程：", "解一元二次方程：", "解不完全三次方程：", "解二/三元一次方程组："}) {
        bool found = false;
        for (QLabel* label : w->findChildren<QLabel*>()) found = found || label->text() == QString::fromUtf8(heading);
        EXPECT_TRUE(found) << heading;
    }
    EXPECT_NE(w->findChild<QStatusBar*>(QStringLiteral("sbStatusBar")), nullptr);
}

TEST_F(Equation, MenuOffersResetAndReturn)
{
    auto* mnuFile = w->findChild<QMenu*>(QStringLiteral("mnuFile"));
    ASSERT_NE(mnuFile, nullptr);
    EXPECT_EQ(mnuFile->title(), QStringLiteral("控制(&C)"));
    const QList<QAction*> items = mnuFile->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0], w->mnuFileNew);
    EXPECT_EQ(w->mnuFileNew->text(), QStringLiteral("重置(&N)"));
    EXPECT_EQ(w->mnuFileNew->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[1]->objectName(), QStringLiteral("mnuFileBar0"));
    EXPECT_EQ(items[2], w->mnuFileExit);
    EXPECT_EQ(w->mnuFileExit->text(), QStringLiteral("返回(&X)"));
    EXPECT_EQ(w->mnuFileExit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
}

TEST_F(Equation, EveryFocusableControlHasASpokenNameAndTheCheckButtonsTellTheirPanels)
{
    for (QPushButton* check : Checks()) check->setEnabled(true);
    EXPECT_EQ(testing::UnnamedFocusableControls(w.get()), QStringList{});
    QStringList names;
    for (QPushButton* check : Checks()) names << testing::SpokenName(check);
    names.removeDuplicates();
    EXPECT_EQ(names.size(), 4);
}

TEST_F(Equation, NoTwoControlsShareASpokenNameAndEachBoxIsTiedToItsCaption)
{
    for (QPushButton* check : Checks()) check->setEnabled(true);
    QStringList names;
    for (QWidget* control : w->findChildren<QWidget*>())
        if ((control->focusPolicy() & Qt::ClickFocus) && control->isVisibleTo(w.get()))
            names << testing::SpokenName(control);
    const qsizetype all = names.size();
    names.removeDuplicates();
    EXPECT_EQ(names.size(), all);

    // A coefficient by the term after it, a constant by "=0", X, Y, Z of the system by the
    // caption before them; the other results by the solve button beside them, in their names.
    const QString eq = QStringLiteral("=0");
    const std::vector<std::pair<TextBox*, QString>> captions = {
        {w->Text1, "X+"},   {w->Text2, eq},     {w->Text3, ""},     {w->Text4, "X²+"},  {w->Text5, "X+"},
        {w->Text6, eq},     {w->Text7, ""},     {w->Text8, ""},     {w->Text10, "X+"},  {w->Text11, eq},
        {w->Text12, ""},    {w->Text13, "X+"},  {w->Text14, "Y+"},  {w->Text15, "Z"},   {w->Text9, eq},
        {w->Text16, "X+"},  {w->Text17, "Y+"},  {w->Text18, "Z"},   {w->Text25, eq},    {w->Text19, "X+"},
        {w->Text20, "Y+"},  {w->Text21, "Z"},   {w->Text26, eq},    {w->Text22, "X="},  {w->Text23, "Y="},
        {w->Text24, "Z="},
    };
    for (const auto& [box, caption] : captions) {
        QStringList tied;
        for (QLabel* label : w->findChildren<QLabel*>())
            if (label->buddy() == box) tied << label->text();
        EXPECT_EQ(tied, caption.isEmpty() ? QStringList{} : QStringList{caption}) << box->objectName().toStdString();
    }
}

TEST_F(Equation, ByKeyboardAloneTabReachesTheSolveButtonAndEnterPressesIt)
{
    w->show();
    QApplication::setActiveWindow(w.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    ASSERT_EQ(QApplication::focusWidget(), w->Text1);
    QTest::keyClicks(w->Text1, "2");
    QTest::keyClick(w->Text1, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "-4");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), w->Command1);
    QTest::keyClick(w->Command1, Qt::Key_Return);
    EXPECT_EQ(w->Text3->text(), QStringLiteral("2."));
    // The check button, enabled now, is the next stop after the result.
    QTest::keyClick(w->Command1, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->Command6);
}

TEST_F(Equation, ALongResultIsSeenFromItsFirstDigit)
{
    Type(Linear(), {"1e-100", "1"});
    w->Command1->click();
    ASSERT_EQ(w->Text3->text().size(), 103);  // "-1" and a hundred zeros, then the point
    EXPECT_TRUE(w->Text3->text().startsWith(QStringLiteral("-1000")));
    EXPECT_EQ(w->Text3->cursorPosition(), 0);
}

// The room a box gives its text: its contents less Qt's margin beside the text and the caret.
int TextRoom(QLineEdit* box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QMargins margins = box->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2 - 1;
}

TEST_F(Equation, TheLongestTextOfEachResultBoxIsSeenWhole)
{
    // The widest digit in every place, the longest exponents, and the most characters the
    // fixed decimals write below 1e18.
    const QString re = SignedNumberText(-8.88888888888888e-308), im = SignedNumberText(8.88888888888888e+307);
    const QString tiny18 = FixedDecimalText(-0.000888888888888888, 18);
    const QString large18 = FixedDecimalText(-888888888888888000.0, 18);
    const QString semicolon = QStringLiteral("；");
    const struct {
        TextBox* box;
        QString text;
    } cases[] = {
        {w->Text3, tiny18},
        {w->Text3, large18},
        {w->Text7, re + QStringLiteral(" +") + im + QStringLiteral(" i")},
        {w->Text8, re + QStringLiteral(" -") + im + QStringLiteral(" i")},
        {w->Text7, FixedDecimalText(-0.0088888888888888, 16)},
        {w->Text8, FixedDecimalText(-888888888888888000.0, 16)},
        {w->Text12, large18},
        {w->Text12, tiny18 + semicolon + tiny18 + semicolon + tiny18},
        {w->Text22, FixedDecimalText(-888888888888888.0, 12)},
        {w->Text23, FixedDecimalText(-88.8888888888888, 12)},
        {w->Text24, FixedDecimalText(-0.000888888888, 12)},
    };
    w->show();
    for (const auto& c : cases) {
        c.box->setText(c.text);
        EXPECT_LE(c.box->fontMetrics().horizontalAdvance(c.text), TextRoom(c.box))
            << c.box->objectName().toStdString() << " " << c.text.toStdString();
    }
}

// --- solving ----------------------------------------------------------------------------

struct SolveCase {
    const char* name;
    QStringList inputs;
    QStringList results;  // the panel's result boxes afterwards
    Saids messages;
};

class LinearSolve : public Equation, public ::testing::WithParamInterface<SolveCase> {};

TEST_P(LinearSolve, WritesXOrRefuses)
{
    Type(Linear(), GetParam().inputs);
    w->Command1->click();
    EXPECT_EQ(w->Text3->text(), GetParam().results[0]);
    EXPECT_EQ(Messages(), GetParam().messages);
    EXPECT_TRUE(w->Command6->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LinearSolve,
    ::testing::Values(SolveCase{"TwoXMinusFour", {"2", "-4"}, {"2."}, {}},
                      SolveCase{"FourXPlusOne", {"4", "1"}, {"-0.25"}, {}},
                      SolveCase{"ThreeXPlusOne", {"3", "1"}, {"-0.333333333333333"}, {}},
                      SolveCase{"SevenXPlusTwentyNine", {"7", "29"}, {"-4.14285714285714"}, {}},
                      SolveCase{"ZeroB", {"-5", ""}, {"0."}, {}},
                      SolveCase{"EmptyA", {"", "5"}, {"0"}, {{kNoLinearTerm}}},
                      SolveCase{"TextReadsZero", {"abc", "1"}, {"0"}, {{kNoLinearTerm}}},
                      SolveCase{"ResultPastRange", {"1e-200", "1e200"}, {"0"}, {{kOutOfRange}}},
                      SolveCase{"TypedPastRange", {"1e400", "1"}, {"0"}, {{kOutOfRange}}}),
    [](const auto& info) { return std::string(info.param.name); });

class QuadraticSolve : public Equation, public ::testing::WithParamInterface<SolveCase> {};

// results: Text4, Text7, Text8.
TEST_P(QuadraticSolve, WritesBothRootsOrRefuses)
{
    Type(Quadratic(), GetParam().inputs);
    w->Command2->click();
    EXPECT_EQ((QStringList{w->Text4->text(), w->Text7->text(), w->Text8->text()}), GetParam().results);
    EXPECT_EQ(Messages(), GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QuadraticSolve,
    ::testing::Values(
        SolveCase{"TwoRoots", {"1", "-3", "2"}, {"1", "2.", "1."}, {}},
        SolveCase{"XSquaredMinusTwo", {"1", "", "-2"}, {"1", "1.4142135623731", "-1.4142135623731"}, {}},
        SolveCase{"DoubleRootTwice", {"1", "-2", "1"}, {"1", "1.", "1."}, {}},
        SolveCase{"NegativeA", {"-2", "0", "0.5"}, {"-2", "-0.5", "0.5"}, {}},
        SolveCase{"ZeroAGoesOnWithOne", {"", "2", "1"}, {"1", "-1.", "-1."}, {{kNoQuadraticTerm}}},
        // The root of smaller magnitude, once lost to cancellation ("0.0000010000076145").
        SolveCase{"SmallRootOfNegativeB", {"1", "-1000000", "1"}, {"1", "999999.999999", "0.000001"}, {}},
        SolveCase{"SmallRootOfPositiveB", {"1", "1000000", "1"}, {"1", "-0.000001", "-999999.999999"}, {}},
        SolveCase{"Conjugate", {"1", "2", "5"}, {"1", "-1 + 2 i", "-1 - 2 i"}, {{kConjugate, MsgIcon::Exclamation}}},
        SolveCase{"ConjugateKeepsBlankOfPositiveRealPart",
                  {"-1", "2", "-5"},
                  {"-1", " 1 + 2 i", " 1 - 2 i"},
                  {{kConjugate, MsgIcon::Exclamation}}},
        SolveCase{"PurelyImaginary", {"1", "", "4"}, {"1", " 0 + 2 i", " 0 - 2 i"}, {{kConjugate, MsgIcon::Exclamation}}},
        // b² is past double range, the roots -1e-200 and -1e200 are not.
        SolveCase{"DiscriminantPastRange",
                  {"1", "1e200", "1"},
                  {"1", "0.", QStringLiteral("-1") + QString(200, QLatin1Char('0')) + QStringLiteral(".")},
                  {}},
        SolveCase{"RootPastRange", {"1e-300", "1e300", "1"}, {"1e-300", "0", "0"}, {{kOutOfRange}}},
        SolveCase{"ConjugatePastRange", {"1", "1", "1e400"}, {"1", "0", "0"}, {{kOutOfRange}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Equation, ComplexRootsDisableTheQuadraticCheckThatRealRootsLeaveEnabled)
{
    Type(Quadratic(), {"1", "2", "5"});
    w->Command2->click();
    EXPECT_FALSE(w->Command7->isEnabled());
    Type(Quadratic(), {"1", "2", "1"});
    w->Command2->click();
    EXPECT_TRUE(w->Command7->isEnabled());
}

class CubicSolve : public Equation, public ::testing::WithParamInterface<SolveCase> {};

TEST_P(CubicSolve, WritesItsRootsOrRefuses)
{
    Type(Cubic(), GetParam().inputs);
    w->Command3->click();
    EXPECT_EQ(w->Text12->text(), GetParam().results[0]);
    EXPECT_EQ(Messages(), GetParam().messages);
    EXPECT_TRUE(w->Command8->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CubicSolve,
    ::testing::Values(
        // u = 0 and v = -8: the sign of v is kept.
        SolveCase{"CubeRootOfMinusEight", {"0", "8"}, {"-2."}, {}},
        SolveCase{"OneRealRoot", {"1", "-2"}, {"1."}, {}},
        SolveCase{"AllEmpty", {"", ""}, {"0."}, {}},
        // Three real roots, largest first, where "No Root!" used to stand.
        SolveCase{"ThreeRealRoots", {"-7", "6"}, {"2.；1.；-3."}, {}},
        SolveCase{"ThreeIrrationalRoots",
                  {"-3", "1"},
                  {"1.53208888623796；0.347296355333861；-1.87938524157182"},
                  {}},
        // q² is past double range, its cube root is not.
        SolveCase{"CubeRootOfALargeQ",
                  {"0", "1e200"},
                  {QStringLiteral("-464158883361278") + QString(52, QLatin1Char('0')) + QStringLiteral(".")},
                  {}},
        SolveCase{"TypedPastRange", {"-1e400", "0"}, {"0"}, {{kOutOfRange}}}),
    [](const auto& info) { return std::string(info.param.name); });

class SystemSolve : public Equation, public ::testing::WithParamInterface<SolveCase> {};

// results: Text22, Text23, Text24, Text13.
TEST_P(SystemSolve, WritesXYZOrRefuses)
{
    Type(System(), GetParam().inputs);
    w->Command4->click();
    EXPECT_EQ((QStringList{w->Text22->text(), w->Text23->text(), w->Text24->text(), w->Text13->text()}),
              GetParam().results);
    EXPECT_EQ(Messages(), GetParam().messages);
    EXPECT_TRUE(w->Command5->isEnabled());
}

// Inputs row by row: a, b, c, d.
INSTANTIATE_TEST_SUITE_P(
    Cases, SystemSolve,
    ::testing::Values(
        SolveCase{"AllEmpty", {}, {"0", "0", "0", ""}, {{kNoXOrY}}},
        SolveCase{"NoY", {"1", "", "1", "1", "2", "", "", "1"}, {"0", "0", "0", "1"}, {{kNoXOrY}}},
        SolveCase{"TwoUnknowns", {"1", "1", "", "-3", "1", "-1", "", "-1"}, {"2.", "1.", "", "1"}, {}},
        SolveCase{"TwoUnknownsInDecimals", {"2", "3", "0", "-8", "1", "-1", "0", "-1"}, {"2.2", "1.2", "", "2"}, {}},
        SolveCase{"TwoUnknownsIgnoreRowThree",
                  {"1", "1", "", "-3", "1", "-1", "", "-1", "5", "7", "", "9"},
                  {"2.", "1.", "", "1"},
                  {}},
        SolveCase{"ParallelLines", {"2", "2", "", "1", "1", "1", "", "5"}, {"0", "0", "0", "2"}, {{kParallel, MsgIcon::Critical}}},
        SolveCase{"ThreeUnknowns",
                  {"1", "1", "1", "-6", "1", "-1", "", "-0", "1", "", "1", "-4"},
                  {"2.", "2.", "2.", "1"},
                  {}},
        SolveCase{"ThreeUnknownsInTwelveDecimals",
                  {"1", "1", "1", "-1", "1", "-1", "", "", "1", "", "-1", ""},
                  {"0.333333333333", "0.333333333333", "0.333333333333", "1"},
                  {}},
        SolveCase{"ZeroXInRowTwoIsAccepted",
                  {"1", "1", "1", "-6", "", "1", "1", "-4", "1", "", "1", "-4"},
                  {"2.", "2.", "2.", "1"},
                  {}},
        // Rows 2 and 3 would allow a solution, but only row 1 may carry X.
        SolveCase{"FirstRowWithoutX",
                  {"0", "1", "1", "-4", "1", "1", "1", "-6", "1", "-1", "", ""},
                  {"0", "0", "0", "?"},
                  {{kFirstXZero, MsgIcon::Exclamation}}},
        SolveCase{"RowsTwoAndThreeAlike",
                  {"1", "1", "1", "-6", "1", "2", "3", "-10", "2", "4", "6", "-20"},
                  {"0", "0", "0", "1"},
                  {{kNoUniqueSolve, MsgIcon::Exclamation}}},
        // The products of the coefficients are past double range, X and Y (about -1e-200) not.
        SolveCase{"HugeCoefficients", {"1e200", "1", "", "1", "1", "1e200", "", "1"}, {"0.", "0.", "", "1e200"}, {}},
        SolveCase{"SolutionPastRange",
                  {"1e-300", "1", "", "-1e300", "", "1", "", ""},
                  {"0", "0", "0", "1e-300"},
                  {{kOutOfRange}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Equation, AThreeUnknownSolveAfterATwoUnknownOneFillsZAgain)
{
    Type(System(), {"1", "1", "", "-3", "1", "-1", "", "-1"});
    w->Command4->click();
    EXPECT_EQ(w->Text24->text(), QString());
    Type(System(), {"1", "1", "1", "-6", "1", "-1", "", "", "1", "", "1", "-4"});
    w->Command4->click();
    EXPECT_EQ(w->Text24->text(), QStringLiteral("2."));
}

// --- checking ---------------------------------------------------------------------------

struct CheckCase {
    const char* name;
    // Which panel: 0 linear, 1 quadratic, 2 cubic, 3 system.
    int panel;
    QStringList inputs;
    Saids messages;
};

class Check : public Equation, public ::testing::WithParamInterface<CheckCase> {
protected:
    std::vector<TextBox*> Boxes(int panel) const
    {
        switch (panel) {
        case 0: return Linear();
        case 1: return Quadratic();
        case 2: return Cubic();
        default: return System();
        }
    }
    QPushButton* Solve(int panel) const { return std::vector{w->Command1, w->Command2, w->Command3, w->Command4}[panel]; }
};

TEST_P(Check, SolvesAgainFromTheInputsAndGivesOneVerdict)
{
    const CheckCase& c = GetParam();
    QPushButton* check = Checks()[c.panel];
    // The solve only opens the check: the check reads the boxes afresh.
    Solve(c.panel)->click();
    fake.dialogs.messages.clear();
    Type(Boxes(c.panel), c.inputs);
    check->click();
    EXPECT_EQ(Messages(), c.messages);
    EXPECT_FALSE(check->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Check,
    ::testing::Values(
        CheckCase{"LinearRight", 0, {"2", "-4"}, {{kRight}}},
        // A residual of about -3.6e-15 once called this wrong.
        CheckCase{"LinearRightDespiteRounding", 0, {"7", "29"}, {{kRight}}},
        // The residual is measured against the size of the terms, here 2e12.
        CheckCase{"LinearLargeTermsRight", 0, {"13", "1000000000001"}, {{kRight}}},
        CheckCase{"LinearWithoutA", 0, {"", "5"}, {{kNoLinearTerm}}},
        CheckCase{"LinearPastRange", 0, {"1e-200", "1e200"}, {{kOutOfRange}}},
        CheckCase{"QuadraticRight", 1, {"1", "0", "-2"}, {{kRight}}},
        CheckCase{"QuadraticSmallRootRight", 1, {"1", "-1000000", "1"}, {{kRight}}},
        CheckCase{"QuadraticLargeRootsRight", 1, {"1", "-100000000", "1"}, {{kRight}}},
        CheckCase{"QuadraticWithoutAGoesOn", 1, {"0", "2", "1"}, {{kNoQuadraticTerm}, {kRight}}},
        CheckCase{"QuadraticNoRealRoot", 1, {"1", "2", "5"}, {{kNoRealRoot, MsgIcon::Exclamation}}},
        CheckCase{"QuadraticDiscriminantPastRangeRight", 1, {"1", "1e200", "1"}, {{kRight}}},
        CheckCase{"QuadraticPastRange", 1, {"1e-300", "1e300", "1"}, {{kOutOfRange}}},
        CheckCase{"CubicCardanoRight", 2, {"0", "8"}, {{kRight}}},
        CheckCase{"CubicEveryOneOfThreeRootsRight", 2, {"-7", "6"}, {{kRight}}},
        CheckCase{"CubicLargeRootsRight", 2, {"-7000000", "6000000000"}, {{kRight}}},
        CheckCase{"CubicLargeQRight", 2, {"0", "1e200"}, {{kRight}}},
        CheckCase{"CubicPastRange", 2, {"1e400", "0"}, {{kOutOfRange}}},
        CheckCase{"SystemEmpty", 3, {}, {{kNoXOrY}}},
        CheckCase{"SystemTwoUnknownsRight", 3, {"2", "3", "", "-8", "1", "-1", "", "-1"}, {{kSystemRight}}},
        CheckCase{"SystemTwoUnknownsLargeTermsRight",
                  3,
                  {"1000000000", "17000000001", "", "-7000000000", "1", "-1", "", "-1"},
                  {{kSystemRight}}},
        CheckCase{"SystemParallelPlain", 3, {"2", "2", "", "1", "1", "1", "", "5"}, {{kParallel}}},
        CheckCase{"SystemFirstRowWithoutXPlain", 3, {"", "1", "1", "-4", "1", "1", "1", "-6"}, {{kFirstXZero}}},
        CheckCase{"SystemRowsAlikeShortText",
                  3,
                  {"1", "1", "1", "-6", "1", "2", "3", "-10", "2", "4", "6", "-20"},
                  {{kNoUniqueCheck}}},
        CheckCase{"SystemThreeUnknownsRight",
                  3,
                  {"1", "1", "1", "-6", "1", "-1", "", "", "1", "", "1", "-4"},
                  {{kSystemRight}}},
        CheckCase{"SystemHugeCoefficientsRight", 3, {"1e200", "1", "", "1", "1", "1e200", "", "1"}, {{kSystemRight}}},
        CheckCase{"SystemPastRange", 3, {"1e-300", "1", "", "-1e300", "", "1", "", ""}, {{kOutOfRange}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Equation, ChecksLeaveTheResultBoxesAloneAndCorrectOnlyWhatTheirPartSays)
{
    Type(Quadratic(), {"", "2", "1"});
    Type(System(), {"", "1", "1", "-4", "1", "1", "1", "-6"});
    w->Command7->setEnabled(true);
    w->Command5->setEnabled(true);
    w->Command7->click();
    w->Command5->click();
    EXPECT_EQ(w->Text4->text(), QStringLiteral("1"));
    EXPECT_EQ(w->Text13->text(), QStringLiteral("?"));
    for (TextBox* box : Results()) EXPECT_EQ(box->text(), QStringLiteral("0"));
}

class CheckRule : public Equation, public ::testing::WithParamInterface<int> {
protected:
    QPushButton* Solve() const { return std::vector{w->Command1, w->Command2, w->Command3, w->Command4}[GetParam()]; }
    QPushButton* Check() const { return Checks()[GetParam()]; }
};

TEST_P(CheckRule, EachSolveAllowsOneCheckWhateverItsOutcome)
{
    // Empty boxes: every panel refuses or solves trivially, and still opens its check.
    Solve()->click();
    EXPECT_TRUE(Check()->isEnabled());
    const size_t afterSolve = fake.dialogs.messages.size();
    Check()->click();
    EXPECT_FALSE(Check()->isEnabled());
    EXPECT_EQ(fake.dialogs.messages.size(), afterSolve + 1);
    Check()->click();
    EXPECT_EQ(fake.dialogs.messages.size(), afterSolve + 1);
    Solve()->click();
    EXPECT_TRUE(Check()->isEnabled());
}

TEST_P(CheckRule, ResetKeepsTheCheckButtonsState)
{
    Solve()->click();
    w->mnuFileNew->trigger();
    EXPECT_TRUE(Check()->isEnabled());
    for (QPushButton* other : Checks()) {
        if (other != Check()) {
            EXPECT_FALSE(other->isEnabled()) << other->objectName().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Panels, CheckRule, ::testing::Values(0, 1, 2, 3),
                         [](const auto& info) {
                             return std::string(std::vector{"Linear", "Quadratic", "Cubic", "System"}[info.param]);
                         });

TEST_F(Equation, ACheckAfterEditingTheInputsChecksTheEditedEquation)
{
    Type(System(), {"1", "1", "", "-3", "1", "-1", "", "-1"});
    w->Command4->click();
    Type(System(), {"2", "2", "", "1", "1", "1", "", "5"});
    w->Text22->setText(QStringLiteral("nonsense"));
    fake.dialogs.messages.clear();
    w->Command5->click();
    EXPECT_EQ(Messages(), (Saids{{kParallel}}));
}

// --- reset and return -------------------------------------------------------------------

TEST_F(Equation, ResetEmptiesEveryInputAndZeroesEveryResult)
{
    for (TextBox* box : Inputs()) box->setText(QStringLiteral("3"));
    for (TextBox* box : Results()) box->setText(QStringLiteral("9."));
    w->Text13->setText(QStringLiteral("?"));
    w->mnuFileNew->trigger();
    for (TextBox* box : Inputs()) EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    for (TextBox* box : Results()) EXPECT_EQ(box->text(), QStringLiteral("0")) << box->objectName().toStdString();
    EXPECT_TRUE(fake.dialogs.messages.empty());
}

TEST_F(Equation, ReturnClosesTheWindowAndShowsTheToolsWindow)
{
    w->show();
    bool closed = false;
    QObject::connect(w.get(), &Form::closed, [&] { closed = true; });
    w->mnuFileExit->trigger();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(toolsShown, 1);
}

TEST_F(Equation, TheCloseBoxClosesOnlyThisWindow)
{
    w->show();
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(toolsShown, 0);
}

}  // namespace
}  // namespace suite::tools
