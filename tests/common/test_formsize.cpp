// Where a window starts and what size it keeps.
#include "common/windowkit.h"
#include "common/twips.h"

#include <QMenuBar>
#include <QStatusBar>
#include <QWidget>
#include <gtest/gtest.h>

using namespace suite;

namespace {

enum class TitleBar { Ordinary, NoMaximize, NoControlBox };

struct SizeCase {
    const char* name;
    TitleBar titleBar;
    bool fixed;
};

class FormSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FormSize, AWindowWithoutAMaximiseButtonKeepsItsDesignSize)
{
    const SizeCase& c = GetParam();
    Form form;
    if (c.titleBar == TitleBar::NoMaximize) form.SetNoMaximize();
    form.SetClientSizeTwips(6600, 4860);
    if (c.titleBar == TitleBar::NoControlBox) form.SetNoControlBox();  // after the size, as drills do
    form.AddDateTimeStatusBar();
    form.menuBar()->addMenu(QStringLiteral("控制器(&C)"));  // a menu made after the size is set
    form.CenterOnScreen();
    form.show();

    const QSize design(form.Client()->width(),
                       form.Client()->height() + form.menuBar()->height() + form.statusBar()->height());
    EXPECT_EQ(form.Client()->size(), TwipsSize(6600, 4860));
    EXPECT_EQ(form.HasFixedBorder(), c.fixed);
    if (c.fixed) {
        EXPECT_EQ(form.size(), design);
        EXPECT_EQ(form.minimumSize(), design);
        EXPECT_EQ(form.maximumSize(), design);
        form.resize(design * 2);
        EXPECT_EQ(form.size(), design);
        EXPECT_FALSE(form.statusBar()->isSizeGripEnabled());
    } else {
        EXPECT_TRUE(form.statusBar()->isSizeGripEnabled());
        EXPECT_EQ(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        form.resize(design * 2);
        EXPECT_EQ(form.size(), design * 2);
    }
}

INSTANTIATE_TEST_SUITE_P(TitleBars, FormSize,
                         ::testing::Values(SizeCase{"ordinary", TitleBar::Ordinary, false},
                                           SizeCase{"no_maximise", TitleBar::NoMaximize, true},
                                           SizeCase{"no_control_box", TitleBar::NoControlBox, true}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PlaceCase {
    const char* name;
    QSize frame;
    QRect available;
    QPoint topLeft;
};

// A 1280 x 1024 screen with a 30-pixel panel at the top, and one at the left.
const PlaceCase kPlaceCases[] = {
    {"centred", {680, 570}, {0, 30, 1280, 994}, {300, 242}},
    {"whole_screen", {1280, 994}, {0, 30, 1280, 994}, {0, 30}},
    {"taller_than_the_screen", {680, 1400}, {0, 30, 1280, 994}, {300, 30}},
    {"wider_than_the_screen", {2000, 570}, {0, 30, 1280, 994}, {0, 242}},
    {"larger_than_a_screen_with_a_left_panel", {1340, 1136}, {48, 0, 1232, 1024}, {48, 0}},
    {"larger_than_a_second_screen", {1500, 1300}, {1280, 0, 1024, 768}, {1280, 0}},
};

class Placement : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(Placement, ACentredWindowNeverStartsAboveOrLeftOfTheAvailableArea)
{
    const PlaceCase& c = GetParam();
    EXPECT_EQ(CenteredTopLeft(c.frame, c.available), c.topLeft);
}

INSTANTIATE_TEST_SUITE_P(Screens, Placement, ::testing::ValuesIn(kPlaceCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
