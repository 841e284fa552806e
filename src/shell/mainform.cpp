#include "shell/mainform.h"

#include "common/colour.h"
#include "common/fonts.h"
#include "common/random.h"
#include "common/twips.h"
#include "shell/firstpaint.h"
#include "shell/pictures.h"
#include "shell/shelltexts.h"
#include "shell/tipspreference.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

namespace suite::shell {

using drill::DrillKind;

namespace {

// The random drill's draw, 1 to 9, picks the window in this order.
constexpr DrillKind kRandomDrillTable[9] = {
    DrillKind::kcheng, DrillKind::kchengfang, DrillKind::kchu,
    DrillKind::kjiefangcheng, DrillKind::kjia, DrillKind::kkaifang,
    DrillKind::kjian, DrillKind::kplzh, DrillKind::kjieche,
};

constexpr std::uint32_t kButtonColour = 0xC0FFC0;
constexpr std::uint32_t kLabelColour = 0x404040;

QString Utf8(const char* text) { return QString::fromUtf8(text); }

}  // namespace

MainForm::MainForm(Platform& platform)
    : platform_(platform),
      drills_(std::make_unique<drill::DrillWindows>(platform, [this] { ShowMain(); })),
      tools_(platform, [this] { ShowMain(); }),
      kaishi_([this] { return new KaishiForm(platform_, [this] { ShowMain(); }); }),
      ins_([this] { return new InsForm([this] { ShowMain(); }); }),
      zaiban_([] { return new ZaibanForm(); }),
      writer_([] { return new WriterForm(); })
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(Utf8(text::kMainCaption));
    SetNoMaximize();
    SetClientSizeTwips(10005, 8280);
}

MainForm::~MainForm() = default;

std::vector<MainForm::MenuButton> MainForm::MenuButtons()
{
    auto cell = [](int row, int column) {
        return TwipsRect(840 + column * 2820, 1080 + row * 1320, 2700, 1200);
    };
    const QColor warm(0xE0, 0x7A, 0x3C), cool(0x3C, 0x7E, 0xC8), green(0x3A, 0x9A, 0x5B);
    return {
        {&MainForm::Command4, "Command4", text::kAdd, cell(0, 0), 24, {QStringLiteral("+"), warm}},
        {&MainForm::Command5, "Command5", text::kSubtract, cell(0, 1), 24, {QStringLiteral("\u2212"), warm}},
        {&MainForm::Command6, "Command6", text::kMultiply, cell(0, 2), 24, {QStringLiteral("\u00D7"), warm}},
        {&MainForm::Command7, "Command7", text::kDivide, cell(1, 0), 24, {QStringLiteral("\u00F7"), warm}},
        {&MainForm::Command9, "Command9", text::kRoots, cell(1, 1), 21.75, {QStringLiteral("\u221A"), cool}},
        {&MainForm::Command11, "Command11", text::kCounting, cell(1, 2), 21.75, {QStringLiteral("C"), cool}},
        {&MainForm::Command10, "Command10", text::kFactorial, cell(2, 0), 21.75, {QStringLiteral("n!"), cool}},
        {&MainForm::Command8, "Command8", text::kSquares, cell(2, 1), 21.75, {QStringLiteral("x\u00B2"), cool}},
        {&MainForm::Command12, "Command12", text::kQuadratic, cell(2, 2), 15.75, {QStringLiteral("ax\u00B2"), cool}},
        {&MainForm::Command1, "Command1", text::kRandomDrill, TwipsRect(840, 5100, 4110, 1080), 21.75,
         {QStringLiteral("?"), green}},
        {&MainForm::Command13, "Command13", text::kMathTools, TwipsRect(5070, 5100, 4110, 1080), 21.75, {}},
        {&MainForm::Command2, "Command2", text::kGoodbye, TwipsRect(7080, 6600, 2100, 900), 15.75,
         {QStringLiteral("\u2713"), green}},
        {&MainForm::Command3, "Command3", text::kThanksHelp, TwipsRect(3600, 6600, 3000, 600), 18, {}},
    };
}

void MainForm::EnsureBuilt()
{
    if (built_) return;
    built_ = true;
    const std::vector<MenuButton> buttons = MenuButtons();
    std::vector<Badge> badges;
    for (const MenuButton& button : buttons)
        if (!button.badge.sign.isEmpty()) badges.push_back(button.badge);
    MainMenuPictures pictures(TwipsSize(10005, 8280), badges);
    BuildControls(buttons);
    BuildMenus();
    // Taken last, so they are drawn while the controls are made.
    std::vector<QPixmap> drawn = pictures.Badges();
    auto badge = drawn.begin();
    for (const MenuButton& design : buttons)
        if (!design.badge.sign.isEmpty()) (this->*design.control)->setIcon(QIcon(std::move(*badge++)));
    QPalette background = Client()->palette();
    background.setBrush(QPalette::Window, QBrush(pictures.Background()));
    Client()->setPalette(background);
    Client()->setAutoFillBackground(true);
    setWindowIcon(pictures.Icon());
    CenterOnScreen();
}

void MainForm::BuildControls(const std::vector<MenuButton>& buttons)
{
    Label1 = new QLabel(Utf8(text::kGreeting), Client());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(NamedFont(Utf8(text::kFaceShuti), 18, true));
    SetTextColor(Label1, BgrColor(kLabelColour));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(TwipsRect(480, 180, 9045, 660));

    const QString xingkai = Utf8(text::kFaceXingkai);
    for (const MenuButton& design : buttons) {
        auto* button = new QToolButton(Client());
        button->setObjectName(QString::fromLatin1(design.name));
        button->setText(Utf8(design.caption));
        button->setFont(NamedFont(xingkai, design.points));
        button->setGeometry(design.place);
        SetBackColor(button, BgrColor(kButtonColour));
        button->setAutoFillBackground(true);
        if (!design.badge.sign.isEmpty()) {
            button->setIconSize(QSize(kBadgeSize, kBadgeSize));
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        } else {
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        }
        this->*design.control = button;
    }
    Command2->setFont(NamedFont(Utf8(text::kFaceCaiyun), 15.75, true));
    Command3->setVisible(false);

    Label2 = new QLabel(Utf8(text::kClosingWish), Client());
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(NamedFont(Utf8(text::kFaceXihei), 14.25, true));
    SetTextColor(Label2, BgrColor(kLabelColour));
    Label2->setGeometry(TwipsRect(840, 6810, 5400, 480));

    for (QWidget* control : {Command1, Command2, Command3, Command4, Command5, Command6, Command7,
                             Command8, Command9, Command10, Command11, Command12, Command13})
        Tabs().Add(control);
    // Invisible, it still answers Enter while no button holds the focus.
    SetDefaultButton(Command3, WhileHidden::Answers);

    auto makeTimer = [this](const char* name, int interval) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(name));
        timer->setInterval(interval);
        timer->start();
        return timer;
    };
    Timer1 = makeTimer("Timer1", 1000);
    Timer2 = makeTimer("Timer2", 40000);
    Timer3 = makeTimer("Timer3", 1000);

    connect(Command1, &QAbstractButton::clicked, this, &MainForm::Command1_Click);
    connect(Command2, &QAbstractButton::clicked, this, &MainForm::Command2_Click);
    connect(Command3, &QAbstractButton::clicked, this, &MainForm::Command3_Click);
    connect(Command4, &QAbstractButton::clicked, this, &MainForm::Command4_Click);
    connect(Command5, &QAbstractButton::clicked, this, &MainForm::Command5_Click);
    connect(Command6, &QAbstractButton::clicked, this, &MainForm::Command6_Click);
    connect(Command7, &QAbstractButton::clicked, this, &MainForm::Command7_Click);
    connect(Command8, &QAbstractButton::clicked, this, &MainForm::Command8_Click);
    connect(Command9, &QAbstractButton::clicked, this, &MainForm::Command9_Click);
    connect(Command10, &QAbstractButton::clicked, this, &MainForm::Command10_Click);
    connect(Command11, &QAbstractButton::clicked, this, &MainForm::Command11_Click);
    connect(Command12, &QAbstractButton::clicked, this, &MainForm::Command12_Click);
    connect(Command13, &QAbstractButton::clicked, this, &MainForm::Command13_Click);
}

void MainForm::BuildMenus()
{
    auto addItem = [](QMenu* menu, const char* name, const char* caption, QKeySequence keys = {}) {
        return AddMenuItem(menu, QString::fromLatin1(name), Utf8(caption), keys);
    };
    QMenu* mnuFile = menuBar()->addMenu(Utf8(text::kMenuControl));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileStart = addItem(mnuFile, "mnuFileStart", text::kMenuStartRandom, QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFile1"));
    mnuFileExit = addItem(mnuFile, "mnuFileExit", text::kMenuExit, QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* mnuAbout = menuBar()->addMenu(Utf8(text::kMenuHelp));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    mnuAboutWord = addItem(mnuAbout, "mnuAboutWord", text::kMenuInstructions, QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuAboutfre = addItem(mnuAbout, "mnuAboutfre", text::kMenuEditionNotes);
    mnuAbout->addSeparator()->setObjectName(QStringLiteral("mnuAbout1"));
    mnuAboutMe = addItem(mnuAbout, "mnuAboutMe", text::kMenuAbout, QKeySequence(Qt::CTRL | Qt::Key_A));

    connect(mnuFileStart, &QAction::triggered, this, &MainForm::mnuFileStart_Click);
    connect(mnuFileExit, &QAction::triggered, this, &MainForm::mnuFileExit_Click);
    connect(mnuAboutWord, &QAction::triggered, this, &MainForm::mnuAboutWord_Click);
    connect(mnuAboutfre, &QAction::triggered, this, &MainForm::mnuAboutfre_Click);
    connect(mnuAboutMe, &QAction::triggered, this, &MainForm::mnuAboutMe_Click);
}

void MainForm::Start()
{
    Form_Load();
    if (!hiddenByLoad_) {
        ShowMain();
        return;
    }
    // The tips window goes first; the menu's pictures and controls are made once it is on
    // screen, or earlier when the menu is asked for.
    AfterFirstPaint(this, [this] { EnsureBuilt(); });
}

void MainForm::Form_Load()
{
    // The file ships with the program; when it is gone or unreadable the learner is asked
    // again, and their choice in the tips window writes a fresh file.
    const QString mode = ReadTipsMode().value_or(QString::fromLatin1(text::kTipsNextStart));
    if (mode == QString::fromLatin1(text::kTipsNextStart) ||
        mode == QString::fromLatin1(text::kTipsEveryStart)) {
        kaishi_.Show();
        hide();
        hiddenByLoad_ = true;
    } else if (mode == QString::fromLatin1(text::kTipsNever)) {
        // Failing here loses nothing: the file already reads as this value.
        WriteTipsMode(mode);
    }

    platform_.random.ReseedFromClock();
    static const char* const kStartCues[] = {text::kCueStart1, text::kCueStart2, text::kCueStart3};
    const int n = std::clamp(DrawNumber(platform_.random, 3), 1, 3);
    platform_.cues.PlayCue(QString::fromLatin1(kStartCues[n - 1]));
}

void MainForm::ShowMain()
{
    EnsureBuilt();
    show();
    raise();
    activateWindow();
    // A drill window shows the menu and then closes itself; take the focus again once it
    // has gone, so Enter and the shortcuts reach the menu without a click.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) activateWindow();
    });
}

void MainForm::OpenDrill(DrillKind kind)
{
    platform_.cues.PlayCue(QString::fromLatin1(text::kCueTada));
    hide();
    drills_->Show(kind);
}

void MainForm::Command4_Click() { OpenDrill(DrillKind::kjia); }
void MainForm::Command5_Click() { OpenDrill(DrillKind::kjian); }
void MainForm::Command6_Click() { OpenDrill(DrillKind::kcheng); }
void MainForm::Command7_Click() { OpenDrill(DrillKind::kchu); }
void MainForm::Command8_Click() { OpenDrill(DrillKind::kchengfang); }
void MainForm::Command9_Click() { OpenDrill(DrillKind::kkaifang); }
void MainForm::Command10_Click() { OpenDrill(DrillKind::kjieche); }
void MainForm::Command11_Click() { OpenDrill(DrillKind::kplzh); }
void MainForm::Command12_Click() { OpenDrill(DrillKind::kjiefangcheng); }

void MainForm::Command13_Click()
{
    // The tools window opens beside the main menu, which stays on screen.
    platform_.cues.PlayCue(QString::fromLatin1(text::kCueTada));
    tools_.ShowTools();
}

void MainForm::Command1_Click() { RandomDrill(true); }
void MainForm::mnuFileStart_Click() { RandomDrill(false); }

void MainForm::RandomDrill(bool hideFirst)
{
    platform_.cues.PlayCue(QString::fromLatin1(text::kCueTada));
    if (hideFirst) hide();
    Command1->setText(QString::fromLatin1(text::kAgain));
    // "Again" alone would not say what it does again.
    Command1->setAccessibleName(QString::fromLatin1(text::kAgain) + QLatin1Char(' ') + Utf8(text::kRandomDrill));
    SetDefaultButton(Command2);
    Tabs().SetTabStop(Command1, false);
    Tabs().SetTabIndex(Command2, 0);
    Tabs().SetTabIndex(Command1, 2);
    Timer2->stop();
    Timer3->stop();
    platform_.random.ReseedFromClock();
    const int n = std::clamp(DrawNumber(platform_.random, 9), 1, 9);
    hide();
    drills_->Show(kRandomDrillTable[n - 1]);
}

void MainForm::Command2_Click() { ExitSteps(false); }
void MainForm::mnuFileExit_Click() { ExitSteps(true); }

void MainForm::ExitSteps(bool fromMenu)
{
    platform_.cues.PlayCue(QString::fromLatin1(text::kCueChimes));
    if (fromMenu) mnuFileExit->setEnabled(false);
    Timer2->stop();
    Timer3->stop();
    exiting_ = true;
    close();
    platform_.program.EndProgram();
}

void MainForm::closeEvent(QCloseEvent* event)
{
    if (exiting_) {
        Form::closeEvent(event);
        return;
    }
    // Closed through the title bar: leave as "再见" does, so no hidden window keeps the
    // program alive.
    platform_.cues.PlayCue(QString::fromLatin1(text::kCueChimes));
    if (built_) {
        Timer2->stop();
        Timer3->stop();
    }
    exiting_ = true;
    Form::closeEvent(event);
    platform_.program.EndProgram();
}

void MainForm::Command3_Click()
{
    hide();
    Command3->setEnabled(false);
    SetDefaultButton(Command1);
    Tabs().SetTabIndex(Command1, 0);
    ins_.Show();
}

void MainForm::mnuAboutWord_Click()
{
    hide();
    ins_.Show();
    mnuAboutWord->setEnabled(false);
}

void MainForm::mnuAboutfre_Click() { zaiban_.Show(); }
void MainForm::mnuAboutMe_Click() { writer_.Show(); }

}  // namespace suite::shell
