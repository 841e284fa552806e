#include "calculators/dorvix/frmmain.h"
#include "calculators/dorvix/placement.h"
#include "calculators/dorvix/sequences.h"
#include "common/colour.h"
#include "common/twips.h"
#include "testkit/fakes.h"
#include "testkit/accessibility.h"
#include "testkit/printing.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <array>
#include <memory>
#include <utility>

namespace suite::dorvix {
namespace {

// Parameterised cases are listed by their names.
using suite::testing::printing::PrintTo;

using testing::MemorySettings;

const QString kUndefined = QStringLiteral("无意义");
const QString kTooBig = QStringLiteral("超出数值范围");

class Dorvix : public ::testing::Test {
protected:
    frmMain& Window()
    {
        if (!w) w = std::make_unique<frmMain>(fake.platform);
        return *w;
    }
    void Type(const QString& a1, const QString& n, const QString& dq)
    {
        Window().Text1->setText(a1);
        w->Text2->setText(n);
        w->Text3->setText(dq);
    }
    QString Stored(const char* key) const
    {
        return fake.settings.values.value(
            MemorySettings::Key(kAppTitle, QStringLiteral("Settings"), QString::fromLatin1(key)));
    }
    void Store(const char* key, const QString& value)
    {
        fake.settings.values[MemorySettings::Key(kAppTitle, QStringLiteral("Settings"),
                                                 QString::fromLatin1(key))] = value;
    }
    QString Preview() { return Window().Text12->toPlainText(); }

    testing::FakePlatform fake{kAppTitle};
    std::unique_ptr<frmMain> w;
};

TEST_F(Dorvix, StartsEmptyWithGreyResultBoxes)
{
    frmMain& f = Window();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Dorvix"));
    EXPECT_EQ(f.findChild<QAction*>(QStringLiteral("mnuFileNew")), nullptr);
    TextBox* results[] = {f.Text4, f.Text5, f.Text6, f.Text7, f.Text8, f.Text9, f.Text10, f.Text11};
    for (TextBox* box : results) {
        EXPECT_TRUE(box->text().isEmpty());
        EXPECT_EQ(BackColor(box), QColor(0xC0, 0xC0, 0xC0));
    }
    EXPECT_TRUE(Preview().isEmpty());
    EXPECT_EQ(BackColor(f.Text12), QColor(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(f.Command1->text(), QStringLiteral("等差数列"));
    EXPECT_EQ(f.Command2->text(), QStringLiteral("等比数列"));
    EXPECT_EQ(f.Command3->text(), QStringLiteral("清除预览"));
}

TEST_F(Dorvix, EveryControlHasANameForAScreenReader)
{
    frmMain& f = Window();
    EXPECT_EQ(testing::UnnamedFocusableControls(&f), QStringList{});
    EXPECT_EQ(testing::SharedNames(&f), QStringList{});
    const std::pair<QWidget*, const char*> names[] = {
        {f.Text1, "首项"}, {f.Text2, "项数"}, {f.Text3, "公差或公比"},
        {f.Text4, "等差数列 第n项的n"}, {f.Text5, "等差数列 第n项"},
        {f.Text6, "等差数列 前n项和的n"}, {f.Text7, "等差数列 前n项和"},
        {f.Text8, "等比数列 第n项的n"}, {f.Text11, "等比数列 前n项和"}, {f.Text12, "预览"},
    };
    for (const auto& [box, name] : names) EXPECT_EQ(testing::SpokenName(box), QString::fromUtf8(name));
}

TEST_F(Dorvix, TabInThePreviewMovesOnToClearPreview)
{
    frmMain& f = Window();
    f.show();
    QApplication::setActiveWindow(&f);
    f.Text12->setFocus();
    QTest::keyClick(f.Text12, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.Command3);
    EXPECT_TRUE(Preview().isEmpty());
}

TEST_F(Dorvix, AboutNamesTheProgram)
{
    Window().findChild<QAction*>(QStringLiteral("mnuHelpAbout"))->trigger();
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    EXPECT_EQ(fake.dialogs.messages[0].text, QStringLiteral("Dorvix"));
}

struct SequenceCase {
    const char* name;
    bool geometric;
    QString a1, n, dq;
    QString nText, term, sum, preview;
};

class Sequences : public Dorvix, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(Sequences, ResultsAndPreview)
{
    const SequenceCase& c = GetParam();
    Type(c.a1, c.n, c.dq);
    frmMain& f = Window();
    (c.geometric ? f.Command2 : f.Command1)->click();
    const std::array<TextBox*, 4> got = c.geometric ? std::array{f.Text8, f.Text9, f.Text10, f.Text11}
                                                    : std::array{f.Text4, f.Text5, f.Text6, f.Text7};
    EXPECT_EQ(got[0]->text(), c.nText);
    EXPECT_EQ(got[1]->text(), c.term);
    EXPECT_EQ(got[2]->text(), c.nText);
    EXPECT_EQ(got[3]->text(), c.sum);
    EXPECT_EQ(Preview(), c.preview);
    // The other sequence's boxes stay as they were.
    const std::array<TextBox*, 4> other = c.geometric ? std::array{f.Text4, f.Text5, f.Text6, f.Text7}
                                                      : std::array{f.Text8, f.Text9, f.Text10, f.Text11};
    for (TextBox* box : other) EXPECT_TRUE(box->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Sequences,
    ::testing::Values(
        SequenceCase{"Arithmetic", false, "1", "5", "2", "5", "9", "25", " 1 3 5 7 9"},
        SequenceCase{"Geometric", true, "1", "5", "2", "5", "16", "31", " 1 2 4 8 16"},
        SequenceCase{"RatioOne", true, "3", "4", "1", "4", "3", "12", " 3 3 3 3"},
        SequenceCase{"NegativeRatio", true, "1", "4", "-2", "4", "-8", "-5", " 1-2 4-8"},
        SequenceCase{"ArithmeticAllEmpty", false, "", "", "", "0", "0", "0", " 0"},
        SequenceCase{"FractionalCountListsA1Only", false, "2", "1.5", "3", "1.5", "3.5", "4.125", " 2"},
        SequenceCase{"NegativeCountListsA1Only", false, "4", "-3", "1", "-3", "0", "-6", " 4"},
        SequenceCase{"FractionalCountIsFloored", false, "1", "3.9", "1", "3.9", "3.9", "9.555", " 1 2 3"},
        // 0 to a negative power and a negative ratio to a fractional power have no value.
        SequenceCase{"GeometricAllEmpty", true, "", "", "", "0", kUndefined, "0", " 0"},
        SequenceCase{"NegativeRatioFractionalCount", true, "1", "2.5", "-2", "2.5", kUndefined, kUndefined, " 1-2"},
        SequenceCase{"ZeroRatio", true, "5", "3", "0", "3", "0", "5", " 5 0 0"},
        SequenceCase{"ArithmeticBeyondRange", false, "1e308", "3", "1e308", "3", kTooBig, kTooBig,
                     " 1E+308 " + kTooBig}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Dorvix, PreviewAppendsUntilCleared)
{
    Type("1", "3", "2");
    frmMain& f = Window();
    f.Command1->click();
    f.Command1->click();
    EXPECT_EQ(Preview(), QStringLiteral(" 1 3 5 1 3 5"));
    f.Command2->click();
    EXPECT_EQ(Preview(), QStringLiteral(" 1 3 5 1 3 5 1 2 4"));
    f.Command3->click();
    EXPECT_TRUE(Preview().isEmpty());
    // Clearing the preview leaves the results.
    EXPECT_EQ(f.Text7->text(), QStringLiteral("9"));
    EXPECT_EQ(f.Text11->text(), QStringLiteral("7"));
    f.Command2->click();
    EXPECT_EQ(Preview(), QStringLiteral(" 1 2 4"));
}

TEST_F(Dorvix, PreviewAppendsAfterWhatTheLearnerTyped)
{
    Window().Text12->setPlainText(QStringLiteral("x"));
    Type("-1", "2", "1");
    w->Command1->click();
    EXPECT_EQ(Preview(), QStringLiteral("x-1 0"));
}

TEST_F(Dorvix, HugeCountIsCutShortAndSaysSo)
{
    Type("1", "1e300", "1");
    QElapsedTimer clock;
    clock.start();
    Window().Command1->click();
    EXPECT_LT(clock.elapsed(), 5000);
    const QString text = Preview();
    EXPECT_TRUE(text.startsWith(QStringLiteral(" 1 2 3 4")));
    EXPECT_TRUE(text.endsWith(QStringLiteral(" 999 1000") + PreviewCutText())) << text.right(60).toStdString();
    EXPECT_EQ(w->Text4->text(), QStringLiteral("1E+300"));

    // Exactly the limit is not cut.
    w->Command3->click();
    Type("1", QString::number(kPreviewLimit), "1");
    w->Command1->click();
    EXPECT_TRUE(Preview().endsWith(QStringLiteral(" 1000")));
}

TEST_F(Dorvix, GeometricOverflowStopsThePreviewAtTheFirstTermOutOfRange)
{
    Type("1", "2000", "10");
    Window().Command2->click();
    EXPECT_EQ(w->Text9->text(), kTooBig);
    EXPECT_EQ(w->Text11->text(), kTooBig);
    const QString text = Preview();
    EXPECT_TRUE(text.endsWith(QStringLiteral(" 1E+308 ") + kTooBig)) << text.right(60).toStdString();
    EXPECT_FALSE(text.contains(PreviewCutText()));
}

// Placement

TEST_F(Dorvix, UnmovedWindowStoresExactlyWhatItRead)
{
    Store("MainLeft", "1234");
    frmMain& f = Window();
    f.show();
    f.close();
    EXPECT_EQ(Stored("MainLeft"), QStringLiteral("1234"));
    EXPECT_EQ(Stored("MainTop"), QStringLiteral("1000"));
    EXPECT_EQ(Stored("MainWidth"), QStringLiteral("6500"));
    EXPECT_EQ(Stored("MainHeight"), QStringLiteral("6500"));
}

struct ExitRoad {
    const char* name;
    bool byMenu;
};

class PlacementRoundTrip : public Dorvix, public ::testing::WithParamInterface<ExitRoad> {};

TEST_P(PlacementRoundTrip, StoredPlacementIsAppliedAndSavedOnClose)
{
    Store("MainLeft", "3000");
    Store("MainTop", "1500");
    Store("MainHeight", "5400");
    Store("MainWidth", "7200");
    frmMain& f = Window();
    EXPECT_EQ(f.pos(), QPoint(200, 100));
    EXPECT_EQ(f.size(), QSize(480, 360));
    f.show();
    f.move(300, 150);
    f.resize(500, 420);
    const QRect at(f.pos(), f.size());
    if (GetParam().byMenu)
        f.findChild<QAction*>(QStringLiteral("mnuFileExit"))->trigger();
    else
        f.close();
    EXPECT_EQ(Stored("MainLeft"), QString::number(at.x() * 15));
    EXPECT_EQ(Stored("MainTop"), QString::number(at.y() * 15));
    EXPECT_EQ(Stored("MainWidth"), QString::number(at.width() * 15));
    EXPECT_EQ(Stored("MainHeight"), QString::number(at.height() * 15));

    // The next run opens where this one closed.
    frmMain next(fake.platform);
    EXPECT_EQ(QRect(next.pos(), next.size()), at);
}

INSTANTIATE_TEST_SUITE_P(Roads, PlacementRoundTrip,
                         ::testing::Values(ExitRoad{"menu", true}, ExitRoad{"closeBox", false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Dorvix, ClosingMinimisedKeepsTheLastSavedPlacement)
{
    Store("MainLeft", "3000");
    frmMain& f = Window();
    f.show();
    f.move(400, 300);
    f.showMinimized();
    ASSERT_TRUE(f.isMinimized());
    f.close();
    EXPECT_EQ(Stored("MainLeft"), QStringLiteral("3000"));
    EXPECT_EQ(fake.settings.values.size(), 1);
}

TEST_F(Dorvix, ClosingMaximisedStoresTheMaximisedPlacementForANormalWindow)
{
    frmMain& f = Window();
    f.show();
    f.showMaximized();
    // The headless platform keeps the size of a maximised window; under a window manager
    // it fills the screen, and that is what must be stored.
    ASSERT_TRUE(f.isMaximized());
    const QRect at(f.pos(), f.size());
    f.close();
    EXPECT_EQ(TwipsToPixels(Stored("MainWidth").toInt()), at.width());
    EXPECT_EQ(TwipsToPixels(Stored("MainHeight").toInt()), at.height());
    frmMain next(fake.platform);
    EXPECT_FALSE(next.isMaximized());
    EXPECT_EQ(QRect(next.pos(), next.size()), at);
}

struct OpeningCase {
    const char* name;
    const char* left;  // nullptr: the key is missing
    const char* top;
    const char* width;
    const char* height;
    QRect opensAt;  // pixels
};

class OpeningPlacement : public Dorvix, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(OpeningPlacement, WindowOpensAt)
{
    const OpeningCase& c = GetParam();
    const std::pair<const char*, const char*> keys[] = {
        {"MainLeft", c.left}, {"MainTop", c.top}, {"MainWidth", c.width}, {"MainHeight", c.height}};
    for (const auto& [key, value] : keys)
        if (value) Store(key, QString::fromUtf8(value));
    const frmMain& f = Window();
    EXPECT_EQ(QRect(f.pos(), f.size()), c.opensAt);
}

const QRect kDefaultPixels(TwipsToPixels(1000), TwipsToPixels(1000), TwipsToPixels(6500), TwipsToPixels(6500));

INSTANTIATE_TEST_SUITE_P(
    Cases, OpeningPlacement,
    ::testing::Values(
        OpeningCase{"FirstRunDefaults", nullptr, nullptr, nullptr, nullptr, kDefaultPixels},
        OpeningCase{"Stored", "3000", "1500", "7200", "5400", QRect(200, 100, 480, 360)},
        OpeningCase{"OddValuesFallBack", "links", "-9e40", "0", "", kDefaultPixels},
        // Saved from a window at x = -101 px, partly left of the primary screen.
        OpeningCase{"LeftOfThePrimaryScreen", "-1515", "1500", "7200", "5400", QRect(-101, 100, 480, 360)},
        OpeningCase{"OffEveryScreenPulledBack", "900000", "-600000", "6000", nullptr,
                    QRect(kDefaultPixels.topLeft(), TwipsSize(6000, 6500))}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlacementStore, EachKeyReadsOnItsOwn)
{
    struct Case {
        QString text;
        int left;  // read as MainLeft (may be negative)
        int width; // read as MainWidth (must be positive)
    };
    const Case cases[] = {
        {"2000", 2000, 2000},
        {" 2000 ", 2000, 2000},
        {"1200.4", 1200, 1200},
        {"-500", -500, 6500},
        {"0", 0, 6500},
        {"abc", 1000, 6500},
        {"12abc", 1000, 6500},
        {"", 1000, 6500},
        {"1E+30", 1000, 6500},
        {"1E+5", 100000, 100000},
    };
    for (const Case& c : cases) {
        testing::MemorySettings store;
        store.Save("Dorvix", "Settings", "MainLeft", c.text);
        store.Save("Dorvix", "Settings", "MainWidth", c.text);
        const Placement p = ReadPlacement(store, "Dorvix");
        EXPECT_EQ(p.left, c.left) << c.text.toStdString();
        EXPECT_EQ(p.width, c.width) << c.text.toStdString();
        EXPECT_EQ(p.top, 1000);
        EXPECT_EQ(p.height, 6500);
    }
}

TEST(PlacementStore, SavesSinglePrecisionTextUnderTheProgramsName)
{
    testing::MemorySettings store;
    SavePlacement(store, "Dorvix", {1005, -30, 19200, 13050});
    EXPECT_EQ(store.values.value(MemorySettings::Key("Dorvix", "Settings", "MainLeft")), "1005");
    EXPECT_EQ(store.values.value(MemorySettings::Key("Dorvix", "Settings", "MainTop")), "-30");
    EXPECT_EQ(store.values.value(MemorySettings::Key("Dorvix", "Settings", "MainWidth")), "19200");
    EXPECT_EQ(store.values.value(MemorySettings::Key("Dorvix", "Settings", "MainHeight")), "13050");
}

TEST(PlacementScreens, TitleBarMustBeReachable)
{
    const QList<QRect> two = {QRect(0, 0, 1280, 900), QRect(1280, 0, 1920, 1080)};
    struct Case {
        const char* name;
        Placement in;
        bool kept;
    };
    const Case cases[] = {
        {"inside", {1000, 1000, 6500, 6500}, true},
        {"onSecondScreen", {30000, 3000, 6500, 6500}, true},
        {"mostlyLeftOfScreen", {-5000, 1000, 6500, 6500}, true},
        {"onlyASliverAtTheRight", {(1280 + 1920 - 10) * 15, 1000, 6500, 6500}, false},
        {"titleBarAboveTheScreen", {1000, -3000, 6500, 6500}, false},
        {"belowEveryScreen", {1000, 1100 * 15, 6500, 6500}, false},
        {"farAway", {900000, 900000, 6500, 6500}, false},
    };
    for (const Case& c : cases) {
        const Placement out = OnScreen(c.in, two);
        if (c.kept) {
            EXPECT_EQ(out, c.in) << c.name;
        } else {
            EXPECT_EQ(out, (Placement{1000, 1000, c.in.width, c.in.height})) << c.name;
        }
    }
}

}  // namespace
}  // namespace suite::dorvix
