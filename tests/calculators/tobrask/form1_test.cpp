#include "counting.h"
#include "form1.h"
#include "texts.h"
#include "testkit/accessibility.h"
#include "testkit/fakes.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace tobrask {
namespace {

enum class Pick { None, Permutation, Combination, Clear };

class TobraskWindow : public ::testing::Test {
protected:
    TobraskWindow() : window(std::make_unique<Form1>(fake.platform)) {}

    template <class W>
    W* Find(const char* name) const
    {
        auto* widget = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Box(const char* name) const { return Find<QLineEdit>(name); }
    QRadioButton* Option(Pick pick) const
    {
        switch (pick) {
        case Pick::Permutation: return Find<QRadioButton>("Option1");
        case Pick::Combination: return Find<QRadioButton>("Option2");
        case Pick::Clear: return Find<QRadioButton>("Option3");
        case Pick::None: break;
        }
        return nullptr;
    }
    Pick Selected() const
    {
        for (Pick pick : {Pick::Permutation, Pick::Combination, Pick::Clear})
            if (Option(pick)->isChecked()) return pick;
        return Pick::None;
    }
    void Press(const QString& m, const QString& n, Pick pick)
    {
        Box("Text1")->setText(m);
        Box("Text2")->setText(n);
        Option(pick)->setChecked(true);
        Find<QPushButton>("Command1")->click();
    }
    QString Result() const { return Box("Text3")->text(); }

    suite::testing::FakePlatform fake{QStringLiteral("Tobrask")};
    std::unique_ptr<Form1> window;
};

TEST_F(TobraskWindow, OpensWithNoOperationPickedAndTheResultBoxAtZero)
{
    EXPECT_EQ(window->windowTitle(), kCaption);
    EXPECT_EQ(Selected(), Pick::None);
    EXPECT_EQ(Result(), kClearedResult);
    EXPECT_EQ(Find<QLabel>("Label1_0")->text(), kM);
    EXPECT_EQ(Find<QLabel>("Label1_1")->text(), kN);
    EXPECT_EQ(window->DefaultButton(), Find<QPushButton>("Command1"));
    const std::vector<QWidget*> order{Box("Text1"), Box("Text2"), Box("Text3"),
                                      Option(Pick::Permutation), Option(Pick::Combination),
                                      Option(Pick::Clear), Find<QPushButton>("Command1")};
    EXPECT_EQ(window->Tabs().Order(), order);

    // With nothing picked, a press changes nothing.
    Box("Text1")->setText("2");
    Box("Text2")->setText("5");
    Find<QPushButton>("Command1")->click();
    EXPECT_EQ(Result(), kClearedResult);
    EXPECT_TRUE(fake.dialogs.messages.empty());
}

struct CountCase {
    const char* name;
    const char* m;
    const char* n;
    Pick pick;
    const char* result;  // nullptr: the range message, the result box untouched
};

const CountCase kCounts[] = {
    {"permutations_2_of_5", "2", "5", Pick::Permutation, "20"},
    {"combinations_2_of_5", "2", "5", Pick::Combination, "10"},
    {"combinations_none_of_5", "0", "5", Pick::Combination, "1"},
    {"permutations_none_of_5_refused", "0", "5", Pick::Permutation, nullptr},
    {"permutations_m_above_n", "3", "2", Pick::Permutation, nullptr},
    {"combinations_m_above_n", "3", "2", Pick::Combination, nullptr},
    {"permutations_fractional_m", "2.5", "5", Pick::Permutation, nullptr},
    {"combinations_fractional_m", "2.5", "5", Pick::Combination, nullptr},
    {"permutations_fractional_n", "2", "4.5", Pick::Permutation, nullptr},
    {"combinations_fractional_n", "2", "4.5", Pick::Combination, nullptr},
    {"permutations_negative_m", "-2", "3", Pick::Permutation, "1"},
    {"combinations_negative_m", "-2", "3", Pick::Combination, "1"},
    {"twenty_factorial", "20", "20", Pick::Permutation, "2.43290200817664E+18"},
    // Counted down from 170, as the loop multiplies: the last digits differ from 170! itself.
    {"largest_factorial_in_range", "170", "170", Pick::Permutation, "7.257415615308E+306"},
    {"combinations_all_of_170", "170", "170", Pick::Combination, "1"},
    {"leading_number_of_typed_text", "2abc", "5 things", Pick::Permutation, "20"},
    // Far above 2^53 a factor n - 1 rounds to n; the count of factors must still be m.
    {"one_of_a_huge_n", "1", "1E17", Pick::Permutation, "1E+17"},
};

class TobraskCounts : public TobraskWindow, public ::testing::WithParamInterface<CountCase> {};

TEST_P(TobraskCounts, ComputeOrRefuse)
{
    const CountCase& k = GetParam();
    Box("Text3")->setText("previous");
    Press(k.m, k.n, k.pick);
    if (k.result) {
        EXPECT_EQ(Result(), QString::fromLatin1(k.result));
        EXPECT_TRUE(fake.dialogs.messages.empty());
    } else {
        EXPECT_EQ(Result(), QStringLiteral("previous"));
        ASSERT_EQ(fake.dialogs.messages.size(), 1u);
        EXPECT_EQ(fake.dialogs.messages[0].text, kMindTheRange);
        EXPECT_EQ(fake.dialogs.messages[0].icon, suite::MsgIcon::Exclamation);
        EXPECT_EQ(fake.dialogs.messages[0].buttons, suite::MsgButtons::Ok);
        EXPECT_TRUE(fake.dialogs.messages[0].title.isEmpty());
    }
    EXPECT_EQ(Selected(), k.pick);
}

INSTANTIATE_TEST_SUITE_P(Cases, TobraskCounts, ::testing::ValuesIn(kCounts),
                         [](const auto& info) { return std::string(info.param.name); });

struct OverflowCase {
    const char* name;
    const char* m;
    const char* n;
    Pick pick;
};

// Each of these would show an infinity or NaN; the huge ones would also loop for ages.
const OverflowCase kOverflows[] = {
    {"factorial_171", "171", "171", Pick::Permutation},
    {"combination_of_overflowed_products", "199", "200", Pick::Combination},
    {"huge_m_permutations", "1E15", "1E15", Pick::Permutation},
    {"huge_m_combinations", "1E15", "1E15", Pick::Combination},
    {"huge_factors", "2", "1E300", Pick::Permutation},
};

class TobraskOverflow : public TobraskWindow, public ::testing::WithParamInterface<OverflowCase> {};

TEST_P(TobraskOverflow, IsReportedPromptlyAndKeepsTheLastResult)
{
    const OverflowCase& k = GetParam();
    Press("2", "5", Pick::Permutation);
    Press(k.m, k.n, k.pick);
    EXPECT_EQ(Result(), QStringLiteral("20"));
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    EXPECT_EQ(fake.dialogs.messages[0].text, kOutOfRange);
    EXPECT_EQ(fake.dialogs.messages[0].icon, suite::MsgIcon::Exclamation);
}

INSTANTIATE_TEST_SUITE_P(Cases, TobraskOverflow, ::testing::ValuesIn(kOverflows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TobraskWindow, ClearEmptiesTheBoxesOnceAndLeavesCombinationsPicked)
{
    Press("2", "5", Pick::Permutation);
    Press("2", "5", Pick::Clear);
    EXPECT_EQ(Box("Text1")->text(), QString());
    EXPECT_EQ(Box("Text2")->text(), QString());
    EXPECT_EQ(Result(), kClearedResult);
    EXPECT_EQ(Selected(), Pick::Combination);

    // The next press computes combinations.
    Box("Text1")->setText("2");
    Box("Text2")->setText("5");
    Find<QPushButton>("Command1")->click();
    EXPECT_EQ(Result(), QStringLiteral("10"));
}

TEST_F(TobraskWindow, ClearWithoutNClearsNothingButStillMovesToCombinations)
{
    for (const char* n : {"", "0", "x"}) {
        SCOPED_TRACE(n);
        Box("Text3")->setText("20");
        Press("7", n, Pick::Clear);
        EXPECT_EQ(Box("Text1")->text(), QStringLiteral("7"));
        EXPECT_EQ(Result(), QStringLiteral("20"));
        EXPECT_EQ(Selected(), Pick::Combination);
    }
    // Without n the other operations do nothing either.
    Press("2", "", Pick::Permutation);
    EXPECT_EQ(Result(), QStringLiteral("20"));
    EXPECT_TRUE(fake.dialogs.messages.empty());
}

TEST_F(TobraskWindow, FocusStartsInTheMBox)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), Box("Text1"));
}

TEST_F(TobraskWindow, EnterInEitherInputBoxPressesOk)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    Option(Pick::Permutation)->setChecked(true);
    Box("Text1")->setText("2");
    Box("Text2")->setText("5");
    for (const char* box : {"Text1", "Text2"}) {
        SCOPED_TRACE(box);
        Box("Text3")->setText("");
        Box(box)->setFocus();
        QTest::keyClick(Box(box), Qt::Key_Return);
        EXPECT_EQ(Result(), QStringLiteral("20"));
    }
}

TEST_F(TobraskWindow, EveryControlHasANameAndTheOptionsAreRadioButtons)
{
    EXPECT_EQ(suite::testing::UnnamedFocusableControls(window.get()), QStringList{});
    EXPECT_EQ(suite::testing::SharedNames(window.get()), QStringList{});
    EXPECT_EQ(suite::testing::SpokenName(Box("Text1")), kM);
    EXPECT_EQ(suite::testing::SpokenName(Box("Text2")), kN);
    EXPECT_EQ(suite::testing::SpokenName(Box("Text3")), kResultName);
    for (Pick pick : {Pick::Permutation, Pick::Combination, Pick::Clear})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(Option(pick))->role(), QAccessible::RadioButton);
}

struct SelectCase {
    const char* name;
    // Moves the selection from "排列" to "组合" the way a learner does.
    std::function<void(QRadioButton* permutation, QRadioButton* combination)> select;
};

void PrintTo(const SelectCase& c, std::ostream* os) { *os << c.name; }

class SelectingAnOption : public TobraskWindow, public ::testing::WithParamInterface<SelectCase> {};

TEST_P(SelectingAnOption, CountsForOkHoweverItIsDone)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    Option(Pick::Permutation)->click();
    Box("Text1")->setText("2");
    Box("Text2")->setText("5");
    GetParam().select(Option(Pick::Permutation), Option(Pick::Combination));
    EXPECT_EQ(Selected(), Pick::Combination);
    Find<QPushButton>("Command1")->click();
    EXPECT_EQ(Result(), QStringLiteral("10"));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, SelectingAnOption,
    ::testing::Values(
        SelectCase{"mouse", [](QRadioButton*, QRadioButton* c) {
                       // On the caption: only the circle and the caption take a click.
                       QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(24, c->height() / 2));
                   }},
        SelectCase{"arrow_key",
                   [](QRadioButton* p, QRadioButton*) {
                       p->setFocus();
                       QTest::keyClick(p, Qt::Key_Down);
                   }},
        SelectCase{"space_bar",
                   [](QRadioButton*, QRadioButton* c) {
                       c->setFocus();
                       QTest::keyClick(c, Qt::Key_Space);
                   }},
        SelectCase{"screen_reader_toggle",
                   [](QRadioButton*, QRadioButton* c) {
                       QAccessible::queryAccessibleInterface(c)->actionInterface()->doAction(
                           QAccessibleActionInterface::toggleAction());
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TobraskCounting, ProductsCountTheirFactorsAndStopOnceOverflowed)
{
    EXPECT_EQ(FallingProduct(5, 2), 20);
    EXPECT_EQ(FallingProduct(5, 0), 1);
    EXPECT_EQ(FallingProduct(3, -2), 1);
    EXPECT_EQ(Factorial(0), 1);
    EXPECT_EQ(Factorial(5), 120);
    EXPECT_TRUE(std::isinf(Factorial(1E300)));
    EXPECT_TRUE(std::isinf(FallingProduct(1E300, 1E300)));
}

}  // namespace
}  // namespace tobrask
