#include "tools/numberguess.h"

#include "common/colour.h"
#include "common/optionbutton.h"
#include "common/fonts.h"
#include "common/numbers.h"
#include "common/placement.h"
#include "common/random.h"
#include "common/rounding.h"
#include "common/twips.h"
#include "tools/guessrules.h"
#include "tools/numberguesstexts.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

namespace suite::tools {

using namespace guesstexts;

namespace {

const QString kFace = QStringLiteral("宋体");
constexpr int kRowHeight = 360;

void Paint(QWidget* w, std::uint32_t text, const QColor& back) { SetColors(w, BgrColor(text), back); }

QColor ButtonFace() { return SystemColor(SystemColour::ButtonFace); }

void Write(TextBox* box, double value) { box->setText(NumberText(value)); }

// The countdown is held as a 16-bit count, so a number typed into its box past that range
// reads as the nearest end of it at a win as at a tick, never as an infinity.
double SecondsLeft(const QString& text)
{
    using Held = std::numeric_limits<std::int16_t>;
    return std::clamp(ReadNumber(text), double(Held::min()), double(Held::max()));
}

}  // namespace

NumberguessForm::NumberguessForm(Platform& platform, NumberguessVars& vars,
                                 std::function<void()> showTools, QWidget* parent)
    : Form(parent), platform_(platform), v_(vars), showTools_(std::move(showTools))
{
    setObjectName(QStringLiteral("numberguess"));
    setWindowTitle(kCaption);
    BuildControls();
    BuildMenu();
    AddDateTimeStatusBar();
    SetClientSizeTwips(7200, 5280);
    CenterOnScreen();
}

void NumberguessForm::BuildControls()
{
    QWidget* c = Client();
    auto label = [c](const QString& text, int left, int top, int width,
                     Qt::Alignment align = Qt::AlignVCenter | Qt::AlignLeft) {
        QLabel* l = PlaceLabel(c, text, left, top, width, kRowHeight);
        l->setFont(NamedFont(kFace, 10.5));
        l->setAlignment(align);
        return l;
    };
    auto box = [c](const QString& name, QLabel* caption, int left, int top, int width) {
        auto* t = new TextBox(c);
        t->setObjectName(name);
        t->setGeometry(TwipsRect(left, top, width, kRowHeight));
        t->setFont(NamedFont(kFace, 12));
        t->setAlignment(Qt::AlignCenter);
        caption->setBuddy(t);
        return t;
    };
    const Qt::Alignment centred = Qt::AlignCenter;

    Text8 = box(QStringLiteral("Text8"), label(kRangeCaption, 360, 240, 2040), 2400, 240, 1560);
    Text9 = box(QStringLiteral("Text9"), label(kRangeTo, 3960, 240, 420, centred), 4380, 240, 1560);
    for (TextBox* t : {Text8, Text9}) Paint(t, kBlack, BgrColor(kWhite));

    label(kChooseLevel, 360, 780, 1440);
    auto option = [c](const QString& name, const QString& caption, int left) {
        auto* o = new QRadioButton(caption, c);
        o->setObjectName(name);
        o->setGeometry(TwipsRect(left, 780, 1620, kRowHeight));
        o->setFont(NamedFont(kFace, 10.5));
        return o;
    };
    Option1 = option(QStringLiteral("Option1"), kLevel1, 1800);
    Option2 = option(QStringLiteral("Option2"), kLevel2, 3480);
    Option3 = option(QStringLiteral("Option3"), kLevel3, 5160);

    Text2 = box(QStringLiteral("Text2"), label(kLimit, 360, 1320, 600), 960, 1320, 900);
    label(kSeconds, 1860, 1320, 360, centred);
    Label1_0 = label(kRemaining, 3600, 1320, 600);
    Label1_0->setObjectName(QStringLiteral("Label1_0"));
    Text1 = box(QStringLiteral("Text1"), Label1_0, 4200, 1320, 900);
    Label1_1 = label(kSeconds, 5100, 1320, 360, centred);
    Label1_1->setObjectName(QStringLiteral("Label1_1"));

    Text3 = box(QStringLiteral("Text3"), label(kBetween, 360, 1860, 360, centred), 720, 1860, 1560);
    Text4 = box(QStringLiteral("Text4"), label(kAnd, 2280, 1860, 420, centred), 2700, 1860, 1560);
    label(kBetweenEnd, 4260, 1860, 1200);

    Text6 = box(QStringLiteral("Text6"), label(kGuessNo, 360, 2400, 900), 1260, 2400, 600);
    label(kGuessNoEnd, 1860, 2400, 900);
    Label2_2 = label(QString(), 3600, 2400, 900);
    Label2_2->setObjectName(QStringLiteral("Label2_2"));
    Text5 = box(QStringLiteral("Text5"), Label2_2, 4500, 2400, 1560);
    SetGuessCaption(kEnterGuess, kGuessName);
    SetCountdownCaption(kRemaining);
    const std::pair<TextBox*, QString> spoken[] = {{Text8, kRangeLowName},  {Text9, kRangeHighName},
                                                   {Text3, kLowBoundName},  {Text4, kHighBoundName},
                                                   {Text2, kLimitName},     {Text6, kGuessCountName}};
    for (const auto& [control, name] : spoken) control->setAccessibleName(name);

    for (TextBox* t : {Text8, Text9, Text5}) t->SetTypedLimit(9);
    for (TextBox* t : {Text2, Text1, Text6}) SetBackColor(t, SystemColor(SystemColour::MenuBar));
    for (TextBox* t : {Text3, Text4}) SetTextColor(t, BgrColor(kBlue));
    SetBackColor(Text5, ButtonFace());
    for (TextBox* t : {Text2, Text1, Text3, Text4, Text6, Text5}) t->setEnabled(false);

    auto button = [this](const QString& name, const QString& caption, int left) {
        QPushButton* b = PlaceButton(*this, name, caption, left, 2940, 1500, 495);
        b->setFont(NamedFont(kFace, 12, true));
        b->setEnabled(false);
        return b;
    };
    Command1 = button(QStringLiteral("Command1"), kStart, 1440);
    Command2 = button(QStringLiteral("Command2"), kContinue, 4200);
    SetDefaultButton(Command2);

    Text7 = new QPlainTextEdit(c);
    Text7->setObjectName(QStringLiteral("Text7"));
    Text7->setGeometry(TwipsRect(360, 3600, 6480, 1440));
    Text7->setFont(NamedFont(kFace, 10.5));
    // A message area: the learner reads and selects it, and Tab leaves it.
    Text7->setReadOnly(true);
    Text7->setTabChangesFocus(true);
    Text7->setAccessibleName(kMessageName);
    Paint(Text7, kYellow, BgrColor(kBlack));
    SetMessage(kDesignMessage);

    // Design tab order; the game's own stops (the guess box and Continue) come in at Start.
    const std::initializer_list<QWidget*> order{Text8, Text9, Option1, Option2, Option3, Command1, Text5,
                                                Command2, Text2, Text1, Text3, Text4, Text6, Text7};
    int index = 0;
    for (QWidget* w : order) {
        Tabs().Add(w);
        Tabs().SetTabIndex(w, index++);
    }
    Tabs().SetTabStop(Text5, false);
    Tabs().SetTabStop(Command2, false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    OnOptionChosen(Option1, this, [this] { Option1_Click(); });
    OnOptionChosen(Option2, this, [this] { Option2_Click(); });
    OnOptionChosen(Option3, this, [this] { Option3_Click(); });
    connect(Text8, &QLineEdit::textChanged, this, &NumberguessForm::Text8_Change);
    connect(Text9, &QLineEdit::textChanged, this, &NumberguessForm::Text9_Change);
    connect(Command1, &QPushButton::clicked, this, &NumberguessForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &NumberguessForm::Command2_Click);
    connect(Timer1, &QTimer::timeout, this, &NumberguessForm::Timer1_Timer);
}

void NumberguessForm::BuildMenu()
{
    QMenu* menu = menuBar()->addMenu(kMenuControl);
    menu->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNew = AddMenuItem(menu, QStringLiteral("mnuFileNew"), kMenuNew, QKeySequence(Qt::CTRL | Qt::Key_N));
    menu->addSeparator()->setObjectName(QStringLiteral("mnuFileBar1"));
    mnuFileExit = AddMenuItem(menu, QStringLiteral("mnuFileExit"), kMenuExit, QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(mnuFileNew, &QAction::triggered, this, &NumberguessForm::mnuFileNew_Click);
    connect(mnuFileExit, &QAction::triggered, this, &NumberguessForm::mnuFileExit_Click);
}

void NumberguessForm::Option1_Click() { ChooseLevel(1, kYellow, kGreeting1); }
void NumberguessForm::Option2_Click() { ChooseLevel(2, kGreen, kGreeting2); }
void NumberguessForm::Option3_Click() { ChooseLevel(3, kRed, kGreeting3); }

void NumberguessForm::ChooseLevel(int level, std::uint32_t colour, const QString& greeting)
{
    v_.difficultyLevel = level;
    SetTextColor(Text7, BgrColor(colour));
    SetMessage(greeting);
}

void NumberguessForm::Text8_Change()
{
    v_.lowBound = ReadNumber(Text8->text());
    if (v_.lowBound < 0) {
        SetMessage(kNegativeLow);
        Command1->setEnabled(false);
    }
    // A number past double range is no fraction to cut: the box keeps what was typed and
    // Start refuses the range, rather than the box showing an infinity.
    if (std::isfinite(v_.lowBound) && !IsWhole(v_.lowBound)) {
        v_.lowBound = IntPart(v_.lowBound);
        Write(Text8, v_.lowBound);  // runs this handler again, now with a whole number
    }
}

void NumberguessForm::Text9_Change()
{
    v_.highBound = ReadNumber(Text9->text());
    if (v_.highBound < 0) {
        SetMessage(kNegativeHigh);
        Command1->setEnabled(false);
    }
    if (v_.lowBound < v_.highBound && v_.highBound - v_.lowBound > 1) {
        SetMessage(kGoodLuck);
        Command1->setEnabled(true);
    }
}

void NumberguessForm::Command1_Click()
{
    // These stay even when the range is refused below: the learner corrects it and starts.
    Tabs().SetTabStop(Text5, true);
    SetTextColor(Text7, BgrColor(kYellow));
    SetLevelButtonsEnabled(false);
    mnuFileNew->setEnabled(false);
    mnuFileExit->setEnabled(false);
    SetTextColor(Label2_2, BgrColor(kBlue));
    SetGuessCaption(kEnterGuess, kGuessName);
    Text2->setEnabled(true);
    Paint(Text1, kWhite, BgrColor(kBlack));

    v_.lowBound = ReadNumber(Text8->text());
    v_.highBound = ReadNumber(Text9->text());
    if (RefusedRange()) return;
    if (!IsWhole(v_.highBound)) {
        v_.highBound = IntPart(v_.highBound);
        Write(Text9, v_.highBound);
    }
    SetMessage(kGoodStart);
    v_.rangeWidth = v_.highBound - v_.lowBound;
    const TimeRule rule = TimeRuleFor(v_.difficultyLevel, SizeClass(v_.rangeWidth), v_.timeBonus);
    v_.timeFactor = rule.factor;
    v_.timeBonus = rule.bonus;
    v_.timeLimit = TimeLimit(rule, v_.rangeWidth);
    Write(Text2, v_.timeLimit);

    for (QWidget* w : std::initializer_list<QWidget*>{Text1, Text3, Text4, Text5, Text6, Text7})
        w->setEnabled(true);
    Text2->setEnabled(false);
    for (TextBox* t : {Text8, Text9}) {
        SetBackColor(t, ButtonFace());
        t->setEnabled(false);
    }
    SetBackColor(Text5, BgrColor(kWhite));
    Paint(Text6, kWhite, BgrColor(kBlack));
    Command1->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{Text8, Text9, Command1}) Tabs().SetTabStop(w, false);
    for (QWidget* w : std::initializer_list<QWidget*>{Text5, Command2}) Tabs().SetTabStop(w, true);

    Write(Text1, v_.timeLimit);
    v_.guessCount = 0;
    Write(Text6, v_.guessCount);
    platform_.random.ReseedFromClock();
    const double r = platform_.random.NextSingle();
    v_.secretNumber = IntPart(v_.lowBound + (v_.rangeWidth + 1) * r);
    Write(Text3, v_.lowBound);
    Write(Text4, v_.highBound);
    Text5->clear();
    if (!Timer1->isActive()) Timer1->start();
    Command2->setEnabled(true);
    // Start has just gone grey; the learner types the first guess next.
    Text5->setFocus();
}

bool NumberguessForm::RefusedRange()
{
    if (v_.lowBound > v_.highBound) {
        SetMessage(kReversed);
        Text8->setText(kSmall);
        Text9->setText(kLarge);
        return true;
    }
    if (v_.highBound - v_.lowBound <= 2) {
        SetMessage(kTooNarrow);
        return true;
    }
    // Past these no size class fits the range, and its time limit would be left to chance.
    if (v_.lowBound < 0) {
        SetMessage(kNegativeLow);
        return true;
    }
    if (v_.highBound > kWidestRange) {
        SetMessage(kTooWide);
        return true;
    }
    return false;
}

void NumberguessForm::Command2_Click()
{
    const double g = ReadNumber(Text5->text());
    v_.lastGuess = g;
    Paint(Text5, kBlack, BgrColor(kWhite));
    if (g < v_.lowBound || g > v_.highBound) {
        SetTextColor(Text3, BgrColor(kRed));
        SetTextColor(Text4, BgrColor(kRed));
        Write(Text3, v_.lowBound);
        Write(Text4, v_.highBound);
        CountGuess();
        Text5->clear();
        SetMessage(kOutOfRange);
    } else if (g < v_.secretNumber) {
        v_.lowBound = g;
        SetTextColor(Text3, BgrColor(kBlue));
        SetTextColor(Text4, BgrColor(kBlack));
        Write(Text3, g);
        Write(Text4, v_.highBound);
        CountGuess();
        Text5->clear();
    } else if (g > v_.secretNumber) {
        v_.highBound = g;
        SetTextColor(Text4, BgrColor(kBlue));
        SetTextColor(Text3, BgrColor(kBlack));
        Write(Text3, v_.lowBound);
        Write(Text4, g);
        CountGuess();
        Text5->clear();
    } else {
        Win();
    }
    v_.missDistance = IntPart(std::abs(v_.secretNumber - g));
    const QString hint = ClosenessHint(v_.missDistance, v_.rangeWidth);
    if (!hint.isEmpty()) SetMessage(hint);
}

void NumberguessForm::CountGuess()
{
    v_.guessCount += 1;
    Write(Text6, v_.guessCount);
}

void NumberguessForm::Win()
{
    Timer1->stop();
    v_.guessCount += 1;
    v_.idealGuesses = Halvings(v_.rangeWidth);
    SetTextColor(Text7, BgrColor(kGreen));
    SetMessage(WinVerdict(v_.guessCount, v_.idealGuesses));
    Paint(Text6, kGreen, BgrColor(kBlack));
    Write(Text6, v_.guessCount);
    Paint(Text5, kRed, BgrColor(kBlack));
    Message(kWinMessage);
    SetTextColor(Label2_2, BgrColor(kRed));
    SetGuessCaption(QString(), kResultName);
    Command2->setEnabled(false);
    Command1->setEnabled(false);
    Paint(Text1, kGreen, BgrColor(kBlack));
    Write(Text1, std::abs(SecondsLeft(Text1->text()) - v_.timeLimit));
    SetTextColor(Label1_0, BgrColor(kRed));
    SetTextColor(Label1_1, BgrColor(kRed));
    SetCountdownCaption(kUsed);
    Text5->setText(kWon);
    Text2->setEnabled(true);
    Paint(Text2, kGreen, BgrColor(kBlack));
    mnuFileNew->setEnabled(true);
    mnuFileExit->setEnabled(true);
    Tabs().SetTabStop(Text5, false);
}

void NumberguessForm::Timer1_Timer()
{
    const int t = RoundToInt16(ReadNumber(Text1->text()) - 1);
    if (t <= 0) {
        TimeUp();
        return;
    }
    if (t > 60) {
        SetTextColor(Text1, BgrColor(kWhite));
        SetTextColor(Text7, BgrColor(kWhite));
    } else if (t > 30) {
        SetTextColor(Text1, BgrColor(kWhite));
        SetTextColor(Text7, BgrColor(kYellow));
    } else if (t > 10) {
        SetTextColor(Text1, BgrColor(kGreen));
    } else {
        Paint(Text1, kRed, BgrColor(kGreen));
        SetTextColor(Text7, BgrColor(kRed));
        if (t <= 5) SetMessage(kHurry);
    }
    Write(Text1, t);
}

void NumberguessForm::TimeUp()
{
    // Stopped before the message, so no tick runs behind it and no second box stacks up.
    Timer1->stop();
    Text1->setText(kEnd);
    Message(kTimeUpMessage);
    SetTextColor(Label2_2, BgrColor(kRed));
    SetGuessCaption(kAnswerCaption, kAnswerName);
    SetTextColor(Text7, BgrColor(kWhite));
    SetMessage(kGameOver);
    Command2->setEnabled(false);
    Paint(Text6, kBlack, ButtonFace());
    Write(Text6, v_.guessCount);
    Paint(Text5, kGreen, BgrColor(kBlack));
    Write(Text5, v_.secretNumber);
    Text1->setEnabled(false);
    Paint(Text1, kBlack, ButtonFace());
    mnuFileNew->setEnabled(true);
    mnuFileExit->setEnabled(true);
    Tabs().SetTabStop(Text5, false);
}

void NumberguessForm::mnuFileNew_Click()
{
    Text8->clear();
    Text9->clear();
    SetMessage(kGoodLuck);
    for (TextBox* t : {Text2, Text1, Text3, Text4, Text5, Text6}) t->clear();
    for (TextBox* t : {Text1, Text2, Text3, Text4, Text5, Text6}) t->setEnabled(false);
    Text7->setEnabled(true);
    Command2->setEnabled(false);
    Command1->setEnabled(false);
    for (TextBox* t : {Text8, Text9}) {
        SetBackColor(t, BgrColor(kWhite));
        t->setEnabled(true);
    }
    Paint(Text5, kBlack, ButtonFace());
    for (TextBox* t : {Text6, Text1, Text2}) SetBackColor(t, ButtonFace());
    SetTextColor(Text1, BgrColor(kBlack));
    SetTextColor(Label1_0, BgrColor(kBlack));
    SetTextColor(Label1_1, BgrColor(kBlack));
    SetCountdownCaption(kRemaining);
    Label1_1->setText(kSeconds);
    for (QWidget* w : std::initializer_list<QWidget*>{Text8, Text9, Command1}) Tabs().SetTabStop(w, true);
    for (QWidget* w : std::initializer_list<QWidget*>{Text5, Command2}) Tabs().SetTabStop(w, false);
    Timer1->stop();
    SetLevelButtonsEnabled(true);
    Text8->setFocus();
}

void NumberguessForm::mnuFileExit_Click()
{
    close();
    showTools_();
}

void NumberguessForm::closeEvent(QCloseEvent* event)
{
    // Going now would pull the window from under the handler that opened the box.
    if (openMessages_ > 0) {
        closeWaiting_ = true;
        event->ignore();
        return;
    }
    Form::closeEvent(event);
}

void NumberguessForm::Message(const QString& text)
{
    ++openMessages_;
    platform_.dialogs.MessageBox(this, text, MsgButtons::Ok, MsgIcon::None);
    --openMessages_;
    if (openMessages_ == 0 && closeWaiting_) {
        closeWaiting_ = false;
        close();
    }
}

void NumberguessForm::SetGuessCaption(const QString& caption, const QString& spoken)
{
    Label2_2->setText(caption);
    Text5->setAccessibleName(spoken);
}

void NumberguessForm::SetCountdownCaption(const QString& caption)
{
    Label1_0->setText(caption);
    Text1->setAccessibleName(caption + kSecondsName);
}

void NumberguessForm::SetLevelButtonsEnabled(bool on)
{
    for (QRadioButton* o : {Option1, Option2, Option3}) {
        o->setEnabled(on);
        Tabs().SetTabStop(o, on);
    }
}

void NumberguessForm::SetMessage(const QString& text) { Text7->setPlainText(text); }

}  // namespace suite::tools
