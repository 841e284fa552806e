#include "common/placement.h"
#include "common/printsurface.h"
#include "common/windowkit.h"
#include "testkit/accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyleOption>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QStatusBar>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <cmath>
#include <functional>

using namespace suite;

namespace {

struct ButtonsForm : Form {
    ButtonsForm()
    {
        for (int i = 0; i < 4; ++i) {
            auto* b = new QPushButton(QString("B%1").arg(i), Client());
            b->setObjectName(QString("Command%1").arg(i + 1));
            b->setGeometry(10, 10 + 30 * i, 80, 25);
            connect(b, &QPushButton::clicked, this, [this, i] { pressed.push_back(i + 1); });
            buttons.push_back(b);
            Tabs().Add(b);
        }
        box = new TextBox(Client());
        box->setGeometry(100, 10, 80, 25);
        Tabs().Add(box);
    }
    std::vector<QPushButton*> buttons;
    TextBox* box;
    std::vector<int> pressed;
};

}  // namespace

TEST(EnterKey, PressesTheFocusedCommandButtonElseTheDefaultTheLearnerCanSee)
{
    enum Focus { Box, Button1, Button3, Option, Tool };
    struct Case {
        const char* label;
        Focus focus;
        bool defaultShown;
        Form::WhileHidden whileHidden;
        bool defaultEnabled;
        std::vector<int> pressed;  // 1..4 push buttons, 5 the tool button
    };
    const Case cases[] = {
        {"box: the default", Box, true, Form::WhileHidden::Silent, true, {3}},
        {"box: a hidden default stays silent", Box, false, Form::WhileHidden::Silent, true, {}},
        {"box: a hidden default set to answer", Box, false, Form::WhileHidden::Answers, true, {3}},
        {"box: a disabled default", Box, true, Form::WhileHidden::Silent, false, {}},
        {"another button: that button", Button1, true, Form::WhileHidden::Silent, true, {1}},
        {"another button with the default hidden", Button1, false, Form::WhileHidden::Answers, true, {1}},
        {"the default itself: once", Button3, true, Form::WhileHidden::Silent, true, {3}},
        {"an option button only chooses: the default", Option, true, Form::WhileHidden::Silent, true, {3}},
        {"a tool button: that button", Tool, true, Form::WhileHidden::Silent, true, {5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ButtonsForm form;
        auto* option = new QRadioButton(QStringLiteral("O"), form.Client());
        auto* tool = new QToolButton(form.Client());
        form.Tabs().Add(option);
        form.Tabs().Add(tool);
        QObject::connect(tool, &QToolButton::clicked, &form, [&form] { form.pressed.push_back(5); });
        form.buttons[2]->setVisible(c.defaultShown);
        form.buttons[2]->setEnabled(c.defaultEnabled);
        form.SetDefaultButton(form.buttons[2], c.whileHidden);
        form.show();
        QWidget* focus = c.focus == Box       ? static_cast<QWidget*>(form.box)
                         : c.focus == Button1 ? form.buttons[0]
                         : c.focus == Button3 ? form.buttons[2]
                         : c.focus == Option  ? static_cast<QWidget*>(option)
                                              : tool;
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
        EXPECT_EQ(form.pressed, c.pressed);
        form.pressed.clear();
        QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_EQ(form.pressed, c.pressed) << "keypad Enter";
    }
}

TEST(DefaultButton, MakingAnotherTheDefaultTakesTheRoleAndDisabledDoesNothing)
{
    ButtonsForm form;
    form.SetDefaultButton(form.buttons[0]);
    form.SetDefaultButton(form.buttons[1]);
    EXPECT_FALSE(form.buttons[0]->isDefault());
    EXPECT_TRUE(form.buttons[1]->isDefault());
    form.PressEnter();
    form.buttons[1]->setEnabled(false);
    form.PressEnter();
    EXPECT_EQ(form.pressed, (std::vector<int>{2}));
    form.SetDefaultButton(nullptr);
    EXPECT_EQ(form.DefaultButton(), nullptr);
}

TEST(DefaultButton, EscapePressesTheCancelButton)
{
    ButtonsForm form;
    form.SetCancelButton(form.buttons[3]);
    form.show();
    QTest::keyClick(form.box, Qt::Key_Escape);
    EXPECT_EQ(form.pressed, (std::vector<int>{4}));
}

TEST(TabOrder, TabIndexMovesOneControlAndKeepsTheOthersInOrder)
{
    ButtonsForm form;
    auto& tabs = form.Tabs();
    tabs.SetTabIndex(form.buttons[3], 0);
    EXPECT_EQ(tabs.Order(), (std::vector<QWidget*>{form.buttons[3], form.buttons[0], form.buttons[1],
                                                   form.buttons[2], form.box}));
    tabs.SetTabIndex(form.buttons[3], 2);
    EXPECT_EQ(tabs.TabIndex(form.buttons[3]), 2);
    EXPECT_EQ(tabs.TabIndex(form.buttons[0]), 0);
    tabs.SetTabIndex(form.box, 99);  // past the end: last
    EXPECT_EQ(tabs.Order().back(), form.box);
}

TEST(TabOrder, TheTabKeySkipsControlsWithoutTabStop)
{
    ButtonsForm form;
    form.Tabs().SetTabStop(form.buttons[1], false);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.buttons[0]->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.buttons[2]);
    EXPECT_EQ(form.Tabs().Stops().size(), 4u);
    // A click still gives it focus.
    QTest::mouseClick(form.buttons[1], Qt::LeftButton);
    EXPECT_EQ(form.buttons[1]->focusPolicy(), Qt::ClickFocus);
    form.Tabs().SetTabStop(form.buttons[1], true);
    EXPECT_EQ(form.buttons[1]->focusPolicy(), Qt::StrongFocus);
}

TEST(TextBox, TheLimitBindsTypingButNotTheProgramsWrites)
{
    TextBox box;
    box.SetTypedLimit(3);
    box.show();
    QTest::keyClicks(&box, "12345");
    EXPECT_EQ(box.text(), "123");
    box.setText("1001");
    EXPECT_EQ(box.text(), "1001");
    QTest::keyClick(&box, Qt::Key_5);  // still no typing past the limit
    EXPECT_EQ(box.text(), "1001");
    QTest::keyClick(&box, Qt::Key_End);
    QTest::keyClick(&box, Qt::Key_Backspace);  // but the learner may shorten it
    EXPECT_EQ(box.text(), "100");
}

namespace {

const QString kLongValue = QStringLiteral("-0.766666666666667");

// A shown box narrower than the value, so that QLineEdit has to scroll the text.
class NarrowBox : public ::testing::Test {
protected:
    NarrowBox()
    {
        box.setFixedWidth(60);
        box.show();
    }
    // The character at the box's left edge once it has painted itself (painting is where
    // QLineEdit scrolls to the caret): 0 when the text is seen from its first character.
    int FirstCharacterSeen()
    {
        box.grab();
        return box.cursorPositionAt(QPoint(box.contentsRect().left() + 5, box.height() / 2));
    }
    TextBox box;
};

struct WriteCase {
    const char* name;
    std::function<void(TextBox&)> steps;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class ProgramWrite : public NarrowBox, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(ProgramWrite, IsSeenFromItsFirstCharacter)
{
    GetParam().steps(box);
    ASSERT_EQ(box.text(), kLongValue);
    EXPECT_EQ(box.cursorPosition(), 0);
    EXPECT_EQ(FirstCharacterSeen(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Roads, ProgramWrite,
    ::testing::Values(
        WriteCase{"Write", [](TextBox& b) { b.setText(kLongValue); }},
        WriteCase{"WriteIntoTheFocusedBox",
                  [](TextBox& b) {
                      b.setFocus();
                      b.setText(kLongValue);
                  }},
        WriteCase{"WriteOverTheLearnersTyping",
                  [](TextBox& b) {
                      QTest::keyClicks(&b, "123456789012345678");
                      b.setText(kLongValue);
                  }},
        WriteCase{"SameTextAgainAfterTheLearnerWentToTheEnd",
                  [](TextBox& b) {
                      b.setText(kLongValue);
                      QTest::keyClick(&b, Qt::Key_End);
                      b.setText(kLongValue);
                  }},
        WriteCase{"ThroughAQLineEditPointer",
                  [](TextBox& b) { static_cast<QLineEdit&>(b).setText(kLongValue); }},
        WriteCase{"AfterAChangeHandlerRewroteTheLearnersTyping",
                  [](TextBox& b) {
                      QObject::connect(&b, &QLineEdit::textEdited, &b, [&b] { b.setText("7"); });
                      QTest::keyClick(&b, Qt::Key_7);
                      b.setText(kLongValue);
                  }}),
    [](const auto& info) { return std::string(info.param.name); });

// A change handler that cuts the box to a whole number on every change, as the guessing
// game's lower bound does, writing through TextBox or through a QLineEdit pointer.
struct RewriteCase {
    const char* name;
    bool throughQLineEdit;
    std::function<void(TextBox&)> learner;
    const char* shown;
};

void PrintTo(const RewriteCase& c, std::ostream* os) { *os << c.name; }

class RewriteWhileTyping : public NarrowBox, public ::testing::WithParamInterface<RewriteCase> {
protected:
    void SetUp() override
    {
        QObject::connect(&box, &QLineEdit::textChanged, &box, [this](const QString& text) {
            bool ok = false;
            const double value = text.toDouble(&ok);
            if (!ok || value == std::floor(value)) return;
            const QString whole = QString::number(std::floor(value), 'f', 0);
            if (GetParam().throughQLineEdit)
                static_cast<QLineEdit&>(box).setText(whole);
            else
                box.setText(whole);
        });
        box.setFocus();
    }
};

void Commit(TextBox& box, const QString& text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(&box, &commit);
}

TEST_P(RewriteWhileTyping, LeavesTheCaretAtTheEndForTheNextKey)
{
    GetParam().learner(box);
    EXPECT_EQ(box.text(), GetParam().shown);
    EXPECT_EQ(box.cursorPosition(), box.text().size());
    // A write of the program's own, outside the learner's typing, is seen from its start again.
    box.setText(kLongValue);
    EXPECT_EQ(box.cursorPosition(), 0);
    EXPECT_EQ(FirstCharacterSeen(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Roads, RewriteWhileTyping,
    ::testing::Values(
        RewriteCase{"Typed", false, [](TextBox& b) { QTest::keyClicks(&b, "2.75"); }, "25"},
        RewriteCase{"TypedLonger", false, [](TextBox& b) { QTest::keyClicks(&b, "12.345"); }, "1245"},
        RewriteCase{"TypedWithAPointerWrite", true, [](TextBox& b) { QTest::keyClicks(&b, "12.345"); }, "1245"},
        RewriteCase{"TypedPastTheBoxsWidth", false,
                    [](TextBox& b) { QTest::keyClicks(&b, "-76666666666666.7"); }, "-76666666666667"},
        RewriteCase{"Pasted", false,
                    [](TextBox& b) {
                        QGuiApplication::clipboard()->setText("2.7");
                        b.PasteWithinLimit();
                        QTest::keyClick(&b, Qt::Key_5);
                    },
                    "25"},
        RewriteCase{"ComposedByAnInputMethod", true,
                    [](TextBox& b) {
                        Commit(b, "2.7");
                        Commit(b, "5");
                    },
                    "25"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NarrowBox, TheLearnersTypingShowsAroundTheCaretAsUsual)
{
    QTest::keyClicks(&box, kLongValue);
    EXPECT_EQ(box.cursorPosition(), kLongValue.size());
    EXPECT_GT(FirstCharacterSeen(), 0);  // the end, where the caret is

    // Going to the end of a written value to read it, and undoing an edit there.
    box.setText(kLongValue);
    QTest::keyClick(&box, Qt::Key_End);
    EXPECT_EQ(box.cursorPosition(), kLongValue.size());
    EXPECT_GT(FirstCharacterSeen(), 0);
    QTest::keyClick(&box, Qt::Key_9);
    QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(box.text(), kLongValue);
    EXPECT_EQ(box.cursorPosition(), kLongValue.size());

    // A click puts the caret where the learner clicked.
    box.setText(kLongValue);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(box.width() - 8, box.height() / 2));
    EXPECT_GT(box.cursorPosition(), 0);
}

}  // namespace

TEST(TextBox, ChangeHandlersRunAtOnceOnProgramWrites)
{
    TextBox box;
    QStringList seen;
    QObject::connect(&box, &QLineEdit::textChanged, [&](const QString& t) { seen << t; });
    box.setText("？");
    seen << "after";
    EXPECT_EQ(seen, (QStringList{"？", "after"}));
}

namespace {
struct Vars {
    int loads = 0;
    int counter = 0;
};
struct CountingForm : Form {
    explicit CountingForm(Vars& v) : vars(v)
    {
        ++vars.loads;
        timer = new QTimer(this);
        timer->start(100000);
        label = new QPushButton("design", Client());
        label->setObjectName("Command1");
    }
    Vars& vars;
    QTimer* timer;
    QPushButton* label;
};
}  // namespace

TEST(FormSlot, ClosingDiscardsTheControlsWhileTheVariablesLiveOn)
{
    Vars vars;
    FormSlot<CountingForm> slot([&] { return new CountingForm(vars); });
    EXPECT_FALSE(slot.IsLoaded());
    slot.Show();
    CountingForm* first = slot.Existing();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(slot.Instance(), first);  // one instance while loaded
    first->label->setText("changed");
    vars.counter = 7;
    QTimer* timer = first->timer;
    first->close();
    EXPECT_FALSE(timer->isActive());  // timers stop with the window
    EXPECT_FALSE(slot.IsLoaded());
    slot.Show();
    CountingForm* second = slot.Existing();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->label->text(), "design");
    EXPECT_EQ(vars.counter, 7);
    EXPECT_EQ(vars.loads, 2);
}

TEST(StatusBar, DateAndTimePanelsShowTheClock)
{
    Form form;
    QStatusBar* bar = form.AddDateTimeStatusBar();
    EXPECT_EQ(bar->objectName(), "sbStatusBar");
    const QDateTime when(QDate(2026, 3, 7), QTime(9, 5));
    EXPECT_EQ(StatusDateText(when), "2026/3/7");
    EXPECT_EQ(StatusTimeText(when), "9:05");
    auto* date = bar->findChild<QWidget*>("sbDate");
    ASSERT_NE(date, nullptr);
    auto* clock = bar->findChild<QTimer*>("sbClock");
    ASSERT_NE(clock, nullptr);
    EXPECT_TRUE(clock->isActive());
}

TEST(PrintSurface, PrintsColouredLinesAndClearsThemAsAWhole)
{
    PrintSurface surface;
    surface.SetForeColor(Qt::red);
    surface.Print(" 1 ");
    surface.SetForeColor(Qt::blue);
    surface.Print(" 2 ");
    ASSERT_EQ(surface.Lines().size(), 2u);
    EXPECT_EQ(surface.Lines()[0].color, QColor(Qt::red));
    EXPECT_EQ(surface.Lines()[1].text, " 2 ");
    surface.Cls();
    EXPECT_TRUE(surface.Lines().empty());
}

namespace {

QAccessibleTextInterface* TextOf(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->textInterface() : nullptr;
}

// Each line as a screen reader asks for it: the line at an offset within it.
QStringList LinesRead(QAccessibleTextInterface* text)
{
    QStringList lines;
    int offset = 0;
    while (offset < text->characterCount()) {
        int start = 0, end = 0;
        lines << text->textAtOffset(offset, QAccessible::LineBoundary, &start, &end).remove('\n');
        if (end <= offset) break;
        offset = end;
    }
    return lines;
}

}  // namespace

TEST(PrintSurface, AScreenReaderReadsThePrintedLinesAsReadOnlyText)
{
    PrintSurface surface;
    surface.setAccessibleName("表");
    const QStringList printed{" 1 / 2 = 0.5 ", "", " 2 的平方= 4 "};
    for (const QString& line : printed) surface.Print(line);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&surface);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::EditableText);
    EXPECT_TRUE(iface->state().readOnly);
    EXPECT_TRUE(iface->state().multiLine);
    EXPECT_EQ(iface->text(QAccessible::Name), "表") << "the lines are the text, not the name";
    QAccessibleTextInterface* text = iface->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), printed.join('\n'));
    EXPECT_EQ(LinesRead(text), printed);
    EXPECT_EQ(text->selectionCount(), 0);
    surface.Cls();
    EXPECT_EQ(text->characterCount(), 0);
}

TEST(PrintSurface, EachCharacterIsFoundWhereItIsPainted)
{
    PrintSurface surface;
    surface.resize(300, 100);
    surface.show();
    surface.Print("ab");
    surface.Print("cde");
    QAccessibleTextInterface* text = TextOf(&surface);
    ASSERT_NE(text, nullptr);
    for (int offset : {0, 1, 3, 5}) {
        const QRect rect = text->characterRect(offset);
        ASSERT_FALSE(rect.isEmpty()) << offset;
        EXPECT_EQ(text->offsetAtPoint(rect.center()), offset) << offset;
    }
    EXPECT_GT(text->characterRect(3).top(), text->characterRect(0).top()) << "the second line lies lower";
    EXPECT_EQ(text->offsetAtPoint(surface.mapToGlobal(QPoint(250, 90))), -1);
}

TEST(PrintSurface, AReprintIsAnnouncedOnceAfterTheHandler)
{
    PrintSurface surface;
    QSignalSpy announced(&surface, &PrintSurface::linesAnnounced);
    auto reprint = [&surface](const QString& text) {
        surface.Cls();
        for (int i = 0; i < 17; ++i) surface.Print(text);
    };
    reprint("x = 1");
    EXPECT_EQ(announced.count(), 0) << "nothing while the handler still prints";
    QCoreApplication::sendPostedEvents(&surface, QEvent::MetaCall);
    ASSERT_EQ(announced.count(), 1);
    const QString first = surface.Text();
    EXPECT_EQ(announced.takeFirst(), (QVariantList{QString(), first}));

    reprint("x = 2");
    QCoreApplication::sendPostedEvents(&surface, QEvent::MetaCall);
    ASSERT_EQ(announced.count(), 1);
    EXPECT_EQ(announced.takeFirst(), (QVariantList{first, surface.Text()}));

    reprint("x = 2");  // the same table again: nothing new to hear
    QCoreApplication::sendPostedEvents(&surface, QEvent::MetaCall);
    EXPECT_EQ(announced.count(), 0);
    EXPECT_TRUE(surface.accessibleName().isEmpty()) << "no name changes either";
}

TEST(PrintSurface, TheLongestLineIsMeasuredInItsOwnFont)
{
    PrintSurface surface;
    QFont small = surface.font(), large = surface.font();
    small.setPointSize(8);
    large.setPointSize(24);
    surface.SetPrintFont(large);
    surface.Print("wide");
    surface.SetPrintFont(small);
    surface.Print("a longer line in a small font");
    const int expected = std::max(QFontMetrics(large, &surface).horizontalAdvance("wide"),
                                  QFontMetrics(small, &surface).horizontalAdvance("a longer line in a small font"));
    EXPECT_EQ(surface.LongestLineWidth(), expected);
    surface.Cls();
    EXPECT_EQ(surface.LongestLineWidth(), 0);
}

TEST(TextBox, PasteIsCutToTheRoomLeft)
{
    TextBox box;
    box.SetTypedLimit(3);
    box.setText("1");
    box.end(false);
    QGuiApplication::clipboard()->setText("2345");
    box.PasteWithinLimit();
    EXPECT_EQ(box.text(), "123");
}

TEST(Form, WithoutAControlBoxOnlyTheProgramCloses)
{
    Vars vars;
    FormSlot<CountingForm> slot([&] {
        auto* f = new CountingForm(vars);
        f->SetNoControlBox();
        return f;
    });
    slot.Show();
    QCloseEvent fromWindowManager;
    QSpontaneKeyEvent::setSpontaneous(&fromWindowManager);
    qApp->notify(slot.Existing(), &fromWindowManager);  // notify keeps the event spontaneous
    EXPECT_TRUE(slot.IsLoaded());
    slot.Existing()->close();
    EXPECT_FALSE(slot.IsLoaded());
}

TEST(Form, TitleBarSettingsCombineInAnyOrder)
{
    Form a, b, c;
    a.SetNoMinimize();
    a.SetNoMaximize();
    b.SetNoMaximize();
    b.SetNoMinimize();
    for (Form* f : {&a, &b}) {
        EXPECT_FALSE(f->windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(f->windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(f->windowFlags() & Qt::WindowCloseButtonHint);
    }
    c.SetNoControlBox();
    c.SetNoMaximize();
    EXPECT_FALSE(c.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                                    Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(c.windowFlags() & Qt::WindowTitleHint);
}

TEST(TextBox, MenuShortcutsWinOverTheBoxsEditingKeys)
{
    Form form;
    QMenu* menu = form.menuBar()->addMenu("控制器(&C)");
    QAction* back = menu->addAction("返回(&X)");
    back->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    int triggered = 0;
    QObject::connect(back, &QAction::triggered, [&] { ++triggered; });
    auto* box = new TextBox(form.Client());
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    box->setFocus();
    box->setText("12");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(triggered, 1);
    EXPECT_EQ(box->text(), "12");  // not cut
}

TEST(Form, OpensWithTheFocusOnTheFirstUsableTabStop)
{
    ButtonsForm form;
    form.Tabs().SetTabStop(form.buttons[0], false);
    form.buttons[1]->setEnabled(false);
    form.buttons[2]->hide();
    form.show();
    EXPECT_EQ(form.focusWidget(), form.buttons[3]);
}

TEST(Form, KeepsItsTitleAsItsNameWhenMinimised)
{
    Form form;
    form.setWindowTitle(QStringLiteral("加法"));
    form.show();
    form.showMinimized();
    ASSERT_TRUE(form.isMinimized());
    // A paused drill changes its title while it lies in the task bar.
    form.setWindowTitle(QStringLiteral("加法（暂停）"));
    EXPECT_EQ(suite::testing::SpokenName(&form), QStringLiteral("加法（暂停）"));
    form.showNormal();
    EXPECT_EQ(suite::testing::SpokenName(&form), QStringLiteral("加法（暂停）"));
}

TEST(PlaceRow, ACaptionNamesTheBoxAfterItUnlessTheBoxHasItsOwnName)
{
    Form form;
    TextBox* first = nullptr;
    TextBox* second = nullptr;
    TextBox* third = nullptr;
    PlaceRow(form, 0, 0, 300,
             {{QStringLiteral("首项"), 600},
              {QStringLiteral("Text1"), 900, &first},
              {QStringLiteral("（"), 300},
              {QStringLiteral("Text2"), 900, &second, QStringLiteral("点P的x0")},
              {QStringLiteral("Text3"), 900, &third}});
    EXPECT_EQ(suite::testing::SpokenName(first), QStringLiteral("首项"));
    EXPECT_EQ(suite::testing::SpokenName(second), QStringLiteral("点P的x0"));
    // Nothing stands before the third box but another box: it has no name, and the test kit
    // says so.
    EXPECT_EQ(suite::testing::UnnamedFocusableControls(&form), QStringList{QStringLiteral("Text3")});
    EXPECT_EQ(form.Tabs().Order(), (std::vector<QWidget*>{first, second, third}));
}

// Dark pixels along the row `y` of a button's face as the style paints it.
int DarkPixelsOnRow(bool focused, int y)
{
    QPushButton button(QStringLiteral("Saltreve"));
    button.resize(200, 33);
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text.clear();  // the caption's own dark pixels are not the mark
    option.palette.setColor(QPalette::Button, QColor(0xC0, 0xFF, 0xC0));
    option.palette.setColor(QPalette::ButtonText, Qt::black);
    option.state = QStyle::State_Enabled | QStyle::State_Raised;
    if (focused) option.state |= QStyle::State_HasFocus;
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QApplication::style()->drawControl(QStyle::CE_PushButton, &option, &painter, &button);
    painter.end();
    int dark = 0;
    for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 64) ++dark;
    return dark;
}

TEST(FocusMark, TheFocusedButtonIsFramedInItsTextColourOnAnyFace)
{
    // The learner finds the focus on a light-green face at a glance.
    EXPECT_EQ(DarkPixelsOnRow(false, 4), 0);
    EXPECT_GT(DarkPixelsOnRow(true, 4), 40);
}
