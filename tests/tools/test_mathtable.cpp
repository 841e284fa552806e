#include "accessibility.h"
#include "common/colour.h"
#include "common/fonts.h"
#include "fakes.h"
#include "printing.h"
#include "tools/mathtable.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace suite::tools {
namespace {

using suite::testing::FakePlatform;
using suite::testing::UnnamedFocusableControls;
using suite::testing::printing::PrintTo;

const QString kPiText = QStringLiteral(
    "3.1415926535897932384626433832795028841971693993751058209749445923078164062862089986280348253421170679");
const QString kZeroReciprocal = QStringLiteral("       0没有倒数！");

class MathtableTest : public ::testing::Test {
protected:
    void TearDown() override { Flush(); }
    // Closed windows go at the next event loop pass; tests run none.
    static void Flush() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    MathtableForm* Open()
    {
        MathtableForm* w = slot.Instance();
        w->show();
        return w;
    }
    // Opens the window and lets the welcome count down to the table.
    MathtableForm* OpenTable()
    {
        MathtableForm* w = Open();
        for (int tick = 0; tick < 9; ++tick) w->Timer1_Timer();
        return w;
    }
    template <class T = QPushButton>
    T* Control(const char* name)
    {
        auto* control = slot.Existing()->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    TextBox* Text1() { return Control<TextBox>("Text1"); }
    QTimer* Timer1() { return Control<QTimer>("Timer1"); }
    bool Shown(const char* name) { return Control<QWidget>(name)->isVisibleTo(slot.Existing()); }
    QStringList Printed()
    {
        QStringList texts;
        for (const auto& line : slot.Existing()->Surface()->Lines()) texts << line.text;
        return texts;
    }

    FakePlatform fake;
    int toolsShown = 0;
    FormSlot<MathtableForm> slot{[this] { return new MathtableForm(fake.platform, [this] { ++toolsShown; }); }};
};

TEST_F(MathtableTest, OpensOnTheWelcomeWithEveryButtonHidden)
{
    MathtableForm* w = Open();
    EXPECT_EQ(w->objectName(), "mathtable");
    EXPECT_EQ(w->windowTitle(), "电子数学用表");
    EXPECT_EQ(Control<QLabel>("Label1")->text(), "  你好，欢迎使用本程序！" + QString(229, ' '));
    auto* prompt = Control<QLabel>("Label2");
    EXPECT_EQ(prompt->text(), "  请在此输入一个数");
    EXPECT_EQ(TextColor(prompt), BgrColor(0xFF0000));
    EXPECT_EQ(prompt->toolTip(), "喂！老兄，怎么开门啊？ —别急，心里念三声 \"芝麻开门！\"就 OK 啦！");
    EXPECT_TRUE(Shown("Label1"));
    EXPECT_TRUE(Shown("Label2"));
    EXPECT_FALSE(Shown("Text1"));
    EXPECT_EQ(Text1()->text(), "9");
    const std::pair<const char*, const char*> buttons[] = {
        {"Command1", "π"}, {"Command2", "e"}, {"Command3", "Me"}, {"Command4", "Bye"}, {"Command5", "还原为常规窗体"}};
    for (const auto& [name, caption] : buttons) {
        EXPECT_EQ(Control(name)->text(), QString::fromUtf8(caption));
        EXPECT_FALSE(Shown(name)) << name;
    }
    EXPECT_TRUE(Timer1()->isActive());
    EXPECT_EQ(Timer1()->interval(), 1000);
    EXPECT_TRUE(Printed().isEmpty());
    EXPECT_FALSE(w->Surface()->Picture().isNull());
}

TEST_F(MathtableTest, TheNinthTickOpensTheBoxOnTheTableForZero)
{
    MathtableForm* w = Open();
    for (int tick = 1; tick <= 8; ++tick) {
        w->Timer1_Timer();
        EXPECT_EQ(Text1()->text(), QString::number(9 - tick));
        EXPECT_FALSE(Shown("Text1"));
        EXPECT_TRUE(Printed().isEmpty()) << "the hidden box does not print";
    }
    EXPECT_TRUE(Timer1()->isActive());
    w->Timer1_Timer();
    EXPECT_FALSE(Timer1()->isActive());
    EXPECT_TRUE(Shown("Text1"));
    EXPECT_TRUE(Text1()->text().isEmpty());
    EXPECT_EQ(w->focusWidget(), Text1()) << "the learner can type at once";
    EXPECT_FALSE(Shown("Label1"));
    EXPECT_FALSE(Shown("Label2"));
    for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) EXPECT_TRUE(Shown(name)) << name;
    EXPECT_FALSE(Shown("Command5"));
    ASSERT_EQ(Printed().size(), 16);
    EXPECT_EQ(Printed().front(), kZeroReciprocal);
    EXPECT_EQ(w->Surface()->BackColor(), QColor(Qt::black));
    EXPECT_EQ(w->Surface()->Picture().size(), w->windowIcon().pixmap(20).size());
}

TEST_F(MathtableTest, EveryKeystrokeReprintsTheTable)
{
    MathtableForm* w = OpenTable();
    QTest::keyClick(Text1(), '-');
    EXPECT_EQ(Printed().front(), kZeroReciprocal) << "\"-\" alone reads as 0";
    QTest::keyClick(Text1(), '2');
    EXPECT_EQ(Printed().front(), "       1 / -2 =-0.5 ");
    QTest::keyClick(Text1(), '0');
    EXPECT_EQ(Printed().front(), "       1 / -20 =-0.05 ");
    QTest::keyClick(Text1(), Qt::Key_Backspace);
    EXPECT_EQ(Printed().front(), "       1 / -2 =-0.5 ");
    EXPECT_EQ(Text1()->text(), "-2");
    EXPECT_EQ(Text1()->cursorPosition(), 2) << "the next key goes after the text";
    // Each line in its block's colour, in the print font.
    const auto& lines = w->Surface()->Lines();
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0].color, BgrColor(0x00FFFF));
    EXPECT_EQ(lines[9].color, BgrColor(0x404040));
    EXPECT_EQ(lines[15].color, BgrColor(0xFF8080));
    for (const auto& line : lines) {
        EXPECT_EQ(line.font.family(), "Arial Narrow");
        EXPECT_TRUE(line.font.bold());
        EXPECT_DOUBLE_EQ(line.font.pointSizeF(), 14.25);
    }
}

TEST_F(MathtableTest, ABigNumberKeepsTheColourTheTableLeft)
{
    OpenTable();
    for (const char* typed : {"1E+21", "-1E+21"}) {
        SCOPED_TRACE(typed);
        Text1()->setText(QString::fromLatin1(typed));
        EXPECT_EQ(Printed(), (QStringList{"", "", "", "", "  哇!好大的数，我可望不可及……"}));
        EXPECT_EQ(slot.Existing()->Surface()->Lines().back().color, BgrColor(0xFF8080));
    }
    Text1()->setText("1E+20");
    EXPECT_EQ(Printed().size(), 16);
}

struct FillCase {
    const char* name;  // of the button
    QString text;
    QString reciprocal;
};

class MathtableFillTest : public MathtableTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(MathtableFillTest, MaximisesAndTabulatesItsNumber)
{
    MathtableForm* w = OpenTable();
    Control(GetParam().name)->click();
    EXPECT_TRUE(w->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(Text1()->text(), GetParam().text);
    EXPECT_EQ(Text1()->cursorPosition(), 0) << "the box shows the number from its first digit";
    EXPECT_EQ(Printed().front(), GetParam().reciprocal);
    EXPECT_TRUE(Shown("Command5"));

    Control("Command5")->click();
    EXPECT_FALSE(Shown("Command5"));
    EXPECT_FALSE(w->windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(Text1()->text().isEmpty());
    EXPECT_EQ(Printed().front(), kZeroReciprocal);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, MathtableFillTest,
    ::testing::Values(FillCase{"Command1", kPiText, "       1 /  3.14159265358979 = 0.318309886183791 "},
                      FillCase{"Command2", "2.718281828", "       1 /  2.718281828 = 0.367879441233567 "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MathtableTest, MeTellsAboutTheTableInOneLine)
{
    OpenTable();
    Text1()->setText("2");
    const QStringList before = Printed();
    Control("Command3")->click();
    ASSERT_EQ(fake.dialogs.messages.size(), 1u);
    const auto& about = fake.dialogs.messages.front();
    EXPECT_EQ(about.buttons, MsgButtons::Ok);
    EXPECT_EQ(about.icon, MsgIcon::None);
    EXPECT_TRUE(about.title.isEmpty()) << "the program's title";
    EXPECT_FALSE(about.text.contains('\n'));
    EXPECT_TRUE(about.text.contains("Brenvale"));
    EXPECT_EQ(Printed(), before);
}

TEST_F(MathtableTest, ByeShowsTheToolsWindowAndTheNextOpeningWelcomesAgain)
{
    QPointer<MathtableForm> first = OpenTable();
    QTest::keyClicks(Text1(), "42");
    Control("Command4")->click();
    EXPECT_EQ(toolsShown, 1);
    EXPECT_FALSE(slot.IsLoaded());
    Flush();
    // The next window may well reuse the old one's address; what counts is that it went.
    EXPECT_TRUE(first.isNull());

    Open();
    EXPECT_FALSE(Shown("Text1"));
    EXPECT_EQ(Text1()->text(), "9");
    EXPECT_TRUE(Timer1()->isActive());
    EXPECT_TRUE(Printed().isEmpty());
}

TEST_F(MathtableTest, ClosingByTheTitleBarOnlyUnloadsTheTable)
{
    Open();
    QTimer* countdown = Timer1();
    slot.Existing()->close();
    EXPECT_FALSE(countdown->isActive());
    EXPECT_EQ(toolsShown, 0);
    EXPECT_FALSE(slot.IsLoaded());
}

TEST_F(MathtableTest, KeyboardReachesEveryButtonAndAScreenReaderHearsTheTable)
{
    MathtableForm* w = Open();
    EXPECT_TRUE(UnnamedFocusableControls(w).isEmpty()) << UnnamedFocusableControls(w).join(", ").toStdString();
    OpenTable();
    Control("Command1")->click();
    EXPECT_TRUE(UnnamedFocusableControls(w).isEmpty()) << UnnamedFocusableControls(w).join(", ").toStdString();
    const std::vector<QWidget*> expected = {Text1(), Control("Command1"), Control("Command2"), Control("Command3"),
                                            Control("Command4"), Control("Command5")};
    EXPECT_EQ(w->Tabs().Stops(), expected);
    // Enter presses the focused button.
    Control("Command3")->setFocus();
    w->PressEnter();
    EXPECT_EQ(fake.dialogs.messages.size(), 1u);
    EXPECT_EQ(suite::testing::SharedNames(w), QStringList());
    // Each name starts with the caption the learner sees and says what the button does.
    const std::pair<const char*, const char*> spoken[] = {{"Text1", "请在此输入一个数"},
                                                          {"Command1", "π：填入圆周率"},
                                                          {"Command2", "e：填入自然常数"},
                                                          {"Command3", "Me：关于本程序"},
                                                          {"Command4", "Bye：返回数学工具集锦"},
                                                          {"Command5", "还原为常规窗体"}};
    for (const auto& [name, text] : spoken)
        EXPECT_EQ(suite::testing::SpokenName(Control<QWidget>(name)), QString::fromUtf8(text)) << name;
}

// The surface reads as read-only text, one line for each printed line, and a keystroke's
// reprint is announced once.
TEST_F(MathtableTest, AScreenReaderReadsTheTableLineByLineAndHearsEachReprintOnce)
{
    MathtableForm* w = OpenTable();
    QSignalSpy announced(w->Surface(), &PrintSurface::linesAnnounced);
    QTest::keyClicks(Text1(), "-2");
    QCoreApplication::processEvents();
    EXPECT_EQ(announced.count(), 1) << "\"-\" prints the table for 0 again, \"2\" a new one";
    EXPECT_EQ(announced.last().at(1).toString(), Printed().join('\n'));

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w->Surface());
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    EXPECT_TRUE(iface->state().readOnly);
    EXPECT_EQ(iface->text(QAccessible::Name), "函数值表");
    QAccessibleTextInterface* text = iface->textInterface();
    ASSERT_NE(text, nullptr);
    QStringList lines;
    for (int offset = 0, start = 0, end = 0; offset < text->characterCount(); offset = end)
        lines << text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end).remove('\n');
    EXPECT_EQ(lines, Printed());
    EXPECT_EQ(lines.front(), "       1 / -2 =-0.5 ");
}

// At the design size the lines that fit stay as they are; a longer line widens the window
// until it ends in view.
TEST_F(MathtableTest, ALongLineWidensTheWindowToEndInView)
{
    MathtableForm* w = OpenTable();
    const int designWidth = w->width();
    for (const char* typed : {"0", "2", "-0.5"}) {
        Text1()->selectAll();
        QTest::keyClicks(Text1(), typed);
        QCoreApplication::processEvents();
        EXPECT_EQ(w->width(), designWidth) << typed;
    }
    for (const char* typed : {"-123.456789", "1e20", "-1.2345678901234e19", "0.000123456789012"}) {
        Text1()->selectAll();
        QTest::keyClicks(Text1(), typed);
        QCoreApplication::processEvents();
        EXPECT_LE(w->Surface()->LongestLineWidth(), w->Surface()->width()) << typed;
        EXPECT_EQ(w->Surface()->geometry().left(), 0) << typed;
        EXPECT_TRUE(w->screen()->availableGeometry().contains(w->frameGeometry())) << typed;
    }
    EXPECT_GT(w->width(), designWidth);
    // Shorter lines do not narrow it again: the window does not jump as the learner types.
    const int widened = w->width();
    Text1()->selectAll();
    QTest::keyClicks(Text1(), "2");
    QCoreApplication::processEvents();
    EXPECT_EQ(w->width(), widened);
}

TEST(MathtableFont, ThePrintFaceIsNarrowWithAChineseFaceAfterIt)
{
    EXPECT_EQ(QFontInfo(NamedFont("Arial Narrow", 14.25, true)).family(), "Liberation Sans Narrow");
    const QStringList installed = QFontDatabase::families();
    bool chinese = false;
    for (const QString& face : QFont::substitutes("Arial Narrow"))
        chinese = chinese || (installed.contains(face, Qt::CaseInsensitive) &&
                              QFontDatabase::writingSystems(face).contains(QFontDatabase::SimplifiedChinese));
    EXPECT_TRUE(chinese) << QFont::substitutes("Arial Narrow").join(", ").toStdString();
}

}  // namespace
}  // namespace suite::tools
