#include "equation.h"

#include "common/colour.h"
#include "common/numbers.h"
#include "common/placement.h"
#include "common/twips.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>

namespace suite::tools {

namespace {

const QString kNoLinearTerm = QStringLiteral("一次项系数不能为0！");
const QString kNoQuadraticTerm = QStringLiteral("一元二次方程二次项系数不能为0！");
const QString kConjugateRoots = QStringLiteral("请注意：方程有两个共轭虚数根。");
const QString kNoRealRoot = QStringLiteral("方程无实数解！");
const QString kRight = QStringLiteral("计算正确");
const QString kDoubtful = QStringLiteral("计算可能有误，请刷新后再试。");
const QString kNoXOrY = QStringLiteral("请保证X、Y为有效元，其系数三个方程不能同时为零");
const QString kParallel = QStringLiteral("两直线平行，方程组无解！");
const QString kFirstXZero =
    QStringLiteral("不完全三元方程组，请重新调整顺序，使第一个方程的 X 项系数不为零。");
const QString kNoUniqueSolution =
    QStringLiteral("方程组可能无解或不定方程有无数解，请重新调整顺序，或将数据输入完整后再试！");
const QString kNoUniqueSolutionCheck = QStringLiteral("方程组可能无解，或重新调整顺序后再试！");
const QString kSystemRight = QStringLiteral("方程组解正确！");
const QString kSystemDoubtful = QStringLiteral("方程组解可能有误，请重新调整顺序后再试！");
const QString kOutOfRange = QStringLiteral("数值超出计算范围！");

// Decimals of the fixed-decimal results, by panel.
constexpr int kLinearDecimals = 18;
constexpr int kQuadraticDecimals = 16;
constexpr int kCubicDecimals = 18;
constexpr int kSystemDecimals = 12;

// Geometry in twips.
constexpr int kLeft = 240;
constexpr int kBoxHeight = 360;
constexpr int kButtonHeight = 420;
constexpr int kCoefficient = 900;
constexpr int kSign = 450;
constexpr int kGap = 120;
constexpr int kSolveWidth = 1200;
constexpr int kResultLeft = kLeft + kSolveWidth + kGap;
// A complex root is written whole, "-8.88888888888888E-308 + 8.88888888888888E+307 i" at
// its longest, and the two of them stand side by side.
constexpr int kRootWidth = 4900;
constexpr int kCheckLeft = kResultLeft + 2 * (kRootWidth + kGap);
constexpr int kCheckWidth = 1000;
constexpr int kClientWidth = kCheckLeft + kCheckWidth + kLeft;
constexpr int kPanelPitch = 1410;

void SetUpBox(TextBox* box, const QString& spokenName, bool result)
{
    box->setAccessibleName(spokenName);
    if (result) {
        box->setReadOnly(true);
        box->setText(QStringLiteral("0"));
        SetBackColor(box, SystemColor(SystemColour::InactiveBorder));
    } else {
        SetBackColor(box, BgrColor(0xE0E0E0));
    }
}

// A row of an equation: each box is named by the term after it.
void PlaceEquationRow(Form& form, int left, int top, const std::vector<Piece>& pieces)
{
    PlaceRow(form, left, top, kBoxHeight, pieces, CaptionOf::BoxBefore);
}

QString Joined(const std::vector<double>& roots, int decimals)
{
    QStringList texts;
    for (double x : roots) texts << FixedDecimalText(x, decimals);
    return texts.join(QStringLiteral("；"));
}

}  // namespace

EquationForm::EquationForm(Platform& platform, std::function<void()> showTools, QWidget* parent)
    : Form(parent), platform_(platform), showTools_(std::move(showTools))
{
    setObjectName(QStringLiteral("equation"));
    setWindowTitle(QStringLiteral("Saltreve"));
    SetClientSizeTwips(kClientWidth, 6630);
    BuildMenu();
    BuildPanels();
    AddDateTimeStatusBar();
}

void EquationForm::BuildPanels()
{
    Form& form = *this;
    auto heading = [this](const QString& text, int top) {
        QLabel* label = PlaceLabel(Client(), text, kLeft, top, 4000, 300);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    };
    auto button = [&form](QPushButton*& member, const char* name, const QString& caption,
                          const QString& panel, int left, int top, int width, bool enabled) {
        member = PlaceButton(form, QString::fromLatin1(name), caption, left, top, width, kButtonHeight);
        member->setAccessibleName(caption + QLatin1Char(' ') + panel);
        member->setEnabled(enabled);
    };
    auto name = [](TextBox* box, const QString& panel, const QString& role, bool result = false) {
        SetUpBox(box, panel + QLatin1Char(' ') + role, result);
    };
    const QString x = QStringLiteral("X+");
    const QString tail = QStringLiteral("=0");
    const QString constant = QStringLiteral("常数项");

    // The three single equations: heading, equation row, then the solve button, the result
    // boxes and the check button.
    struct Single {
        QString heading;
        QString panel;
        std::vector<Piece> equation;
        std::vector<QString> inputRoles;
        QPushButton** solve;
        const char* solveName;
        QString caption;
        std::vector<Piece> results;
        std::vector<QString> resultRoles;
        QPushButton** check;
        const char* checkName;
    };
    const QString xCoefficient = QStringLiteral("X 的系数");
    // The result boxes of the linear and the cubic panel reach to the check button: the
    // cubic's holds three roots, and a long fixed-decimal root shows as much as it can.
    constexpr int kWideResult = kCheckLeft - kGap - kResultLeft;
    const Single singles[] = {
        {QStringLiteral("解一元一次方程："), QStringLiteral("一元一次方程"),
         {{QStringLiteral("Text1"), kCoefficient, &Text1}, {x, kSign},
          {QStringLiteral("Text2"), kCoefficient, &Text2}, {tail, kSign}},
         {xCoefficient, constant},
         &Command1, "Command1", QStringLiteral("X="),
         {{QStringLiteral("Text3"), kWideResult, &Text3}},
         {QStringLiteral("X")},
         &Command6, "Command6"},
        {QStringLiteral("解一元二次方程："), QStringLiteral("一元二次方程"),
         {{QStringLiteral("Text4"), kCoefficient, &Text4}, {QStringLiteral("X²+"), 500},
          {QStringLiteral("Text5"), kCoefficient, &Text5}, {x, kSign},
          {QStringLiteral("Text6"), kCoefficient, &Text6}, {tail, kSign}},
         {QStringLiteral("X² 的系数"), xCoefficient, constant},
         &Command2, "Command2", QStringLiteral("X1= X2="),
         {{QStringLiteral("Text7"), kRootWidth, &Text7}, {QString(), kGap},
          {QStringLiteral("Text8"), kRootWidth, &Text8}},
         {QStringLiteral("X1"), QStringLiteral("X2")},
         &Command7, "Command7"},
        {QStringLiteral("解不完全三次方程："), QStringLiteral("不完全三次方程"),
         {{QStringLiteral("X³+"), 500}, {QStringLiteral("Text10"), kCoefficient, &Text10}, {x, kSign},
          {QStringLiteral("Text11"), kCoefficient, &Text11}, {tail, kSign}},
         {xCoefficient, constant},
         &Command3, "Command3", QStringLiteral("X="),
         {{QStringLiteral("Text12"), kWideResult, &Text12}},
         {QStringLiteral("X")},
         &Command8, "Command8"},
    };
    int top = 120;
    for (const Single& single : singles) {
        heading(single.heading, top);
        PlaceEquationRow(form, kLeft, top + 360, single.equation);
        button(*single.solve, single.solveName, single.caption, single.panel, kLeft, top + 810, kSolveWidth, true);
        PlaceEquationRow(form, kResultLeft, top + 840, single.results);
        button(*single.check, single.checkName, QStringLiteral("验算"), single.panel, kCheckLeft, top + 810,
               kCheckWidth, false);
        auto roles = single.inputRoles.begin();
        for (const Piece& piece : single.equation)
            if (piece.box) name(*piece.box, single.panel, *roles++);
        roles = single.resultRoles.begin();
        for (const Piece& piece : single.results)
            if (piece.box) name(*piece.box, single.panel, *roles++, true);
        top += kPanelPitch;
    }

    // System of two or three linear equations.
    const QString panel = QStringLiteral("方程组");
    heading(QStringLiteral("解二/三元一次方程组："), top);
    const std::array<std::array<const char*, 4>, 3> names = {{{"Text13", "Text14", "Text15", "Text9"},
                                                              {"Text16", "Text17", "Text18", "Text25"},
                                                              {"Text19", "Text20", "Text21", "Text26"}}};
    const std::array<std::array<TextBox**, 4>, 3> boxes = {{{&Text13, &Text14, &Text15, &Text9},
                                                            {&Text16, &Text17, &Text18, &Text25},
                                                            {&Text19, &Text20, &Text21, &Text26}}};
    const QStringList roles = {QStringLiteral("X 的系数"), QStringLiteral("Y 的系数"),
                               QStringLiteral("Z 的系数"), constant};
    const int firstRow = top + 360;
    for (int r = 0; r < 3; ++r) {
        const auto& n = names[r];
        const auto& b = boxes[r];
        PlaceEquationRow(form, kLeft, firstRow + r * 420,
                         {{QString::fromLatin1(n[0]), kCoefficient, b[0]}, {x, kSign},
                          {QString::fromLatin1(n[1]), kCoefficient, b[1]}, {QStringLiteral("Y+"), kSign},
                          {QString::fromLatin1(n[2]), kCoefficient, b[2]}, {QStringLiteral("Z"), kSign},
                          {QString::fromLatin1(n[3]), kCoefficient, b[3]}, {tail, kSign}});
        for (int c = 0; c < 4; ++c)
            name(*b[c], panel, QStringLiteral("第%1个方程 ").arg(r + 1) + roles[c]);
    }
    button(Command4, "Command4", QStringLiteral("解得"), panel, 5880, firstRow + 390, 900, true);
    const std::array<const char*, 3> results = {"Text22", "Text23", "Text24"};
    const std::array<TextBox**, 3> resultBoxes = {&Text22, &Text23, &Text24};
    const QStringList unknowns = {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")};
    for (int r = 0; r < 3; ++r) {
        PlaceRow(form, 6960, firstRow + r * 420, kBoxHeight,
                 {{unknowns[r] + QLatin1Char('='), kSign},
                  {QString::fromLatin1(results[r]), kCheckLeft + kCheckWidth - 6960 - kSign, resultBoxes[r]}});
        name(*resultBoxes[r], panel, unknowns[r], true);
    }
    button(Command5, "Command5", QStringLiteral("验算"), panel, kCheckLeft, firstRow + 3 * 420 + 60,
           kCheckWidth, false);

    connect(Command1, &QPushButton::clicked, this, &EquationForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &EquationForm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &EquationForm::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &EquationForm::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &EquationForm::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &EquationForm::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &EquationForm::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &EquationForm::Command8_Click);
}

void EquationForm::BuildMenu()
{
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("控制(&C)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNew = AddMenuItem(mnuFile, QStringLiteral("mnuFileNew"), QStringLiteral("重置(&N)"),
                             QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFileBar0"));
    mnuFileExit = AddMenuItem(mnuFile, QStringLiteral("mnuFileExit"), QStringLiteral("返回(&X)"),
                              QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(mnuFileNew, &QAction::triggered, this, &EquationForm::mnuFileNew_Click);
    connect(mnuFileExit, &QAction::triggered, this, &EquationForm::mnuFileExit_Click);
}

void EquationForm::Tell(const QString& text, MsgIcon icon)
{
    platform_.dialogs.MessageBox(this, text, MsgButtons::Ok, icon);
}

void EquationForm::TellVerdict(Verdict verdict, const QString& right, const QString& doubtful)
{
    Tell(verdict == Verdict::Right ? right : doubtful);
}

// --- linear -----------------------------------------------------------------------------

void EquationForm::Command1_Click()
{
    Command6->setEnabled(true);
    const Solution s = SolveLinear(ReadNumber(Text1->text()), ReadNumber(Text2->text()));
    if (s.found == Found::NoLeadingTerm)
        Tell(kNoLinearTerm);
    else if (s.found == Found::OutOfRange)
        Tell(kOutOfRange);
    else
        Text3->setText(FixedDecimalText(s.values[0], kLinearDecimals));
}

void EquationForm::Command6_Click()
{
    Command6->setEnabled(false);
    const double a = ReadNumber(Text1->text());
    const double b = ReadNumber(Text2->text());
    const Solution s = SolveLinear(a, b);
    if (s.found == Found::NoLeadingTerm)
        Tell(kNoLinearTerm);
    else if (s.found == Found::OutOfRange)
        Tell(kOutOfRange);
    else
        TellVerdict(JudgeLinear(a, b, s.unrounded[0]), kRight, kDoubtful);
}

// --- quadratic --------------------------------------------------------------------------

double EquationForm::QuadraticLeading()
{
    const double a = ReadNumber(Text4->text());
    if (a != 0) return a;
    Tell(kNoQuadraticTerm);
    Text4->setText(QStringLiteral("1"));
    return 1;
}

void EquationForm::Command2_Click()
{
    Command7->setEnabled(true);
    const double a = QuadraticLeading();
    const Solution s = SolveQuadratic(a, ReadNumber(Text5->text()), ReadNumber(Text6->text()));
    if (s.found == Found::OutOfRange) {
        Tell(kOutOfRange);
    } else if (s.found == Found::ComplexRoots) {
        Tell(kConjugateRoots, MsgIcon::Exclamation);
        Command7->setEnabled(false);
        const QString re = SignedNumberText(s.values[0]);
        const QString im = SignedNumberText(s.values[1]);
        Text7->setText(re + QStringLiteral(" +") + im + QStringLiteral(" i"));
        Text8->setText(re + QStringLiteral(" -") + im + QStringLiteral(" i"));
    } else {
        Text7->setText(FixedDecimalText(s.values[0], kQuadraticDecimals));
        Text8->setText(FixedDecimalText(s.values[1], kQuadraticDecimals));
    }
}

void EquationForm::Command7_Click()
{
    Command7->setEnabled(false);
    const double a = QuadraticLeading();
    const double b = ReadNumber(Text5->text());
    const double c = ReadNumber(Text6->text());
    const Solution s = SolveQuadratic(a, b, c);
    if (s.found == Found::OutOfRange)
        Tell(kOutOfRange);
    else if (s.found == Found::ComplexRoots)
        Tell(kNoRealRoot, MsgIcon::Exclamation);
    else
        TellVerdict(JudgeQuadratic(a, b, c, s.unrounded), kRight, kDoubtful);
}

// --- incomplete cubic -------------------------------------------------------------------

void EquationForm::Command3_Click()
{
    Command8->setEnabled(true);
    const Solution s = SolveCubic(ReadNumber(Text10->text()), ReadNumber(Text11->text()));
    if (s.found == Found::OutOfRange)
        Tell(kOutOfRange);
    else
        Text12->setText(Joined(s.values, kCubicDecimals));
}

void EquationForm::Command8_Click()
{
    Command8->setEnabled(false);
    const double p = ReadNumber(Text10->text());
    const double q = ReadNumber(Text11->text());
    const Solution s = SolveCubic(p, q);
    if (s.found == Found::OutOfRange)
        Tell(kOutOfRange);
    else
        TellVerdict(JudgeCubic(p, q, s.unrounded), kRight, kDoubtful);
}

// --- system -----------------------------------------------------------------------------

std::array<SystemRow, 3> EquationForm::SystemRows() const
{
    auto row = [](TextBox* a, TextBox* b, TextBox* c, TextBox* d) {
        return SystemRow{ReadNumber(a->text()), ReadNumber(b->text()), ReadNumber(c->text()),
                         ReadNumber(d->text())};
    };
    return {row(Text13, Text14, Text15, Text9), row(Text16, Text17, Text18, Text25),
            row(Text19, Text20, Text21, Text26)};
}

bool EquationForm::RefuseSystem(Found found, bool checking)
{
    // The check repeats the solver's refusals without icons, one of them in fewer words.
    const MsgIcon exclamation = checking ? MsgIcon::None : MsgIcon::Exclamation;
    switch (found) {
    case Found::Roots: return false;
    case Found::NoXOrY: Tell(kNoXOrY); break;
    case Found::ParallelLines: Tell(kParallel, checking ? MsgIcon::None : MsgIcon::Critical); break;
    case Found::FirstXZero:
        Tell(kFirstXZero, exclamation);
        Text13->setText(QStringLiteral("?"));
        break;
    case Found::NoUniqueSolution:
        Tell(checking ? kNoUniqueSolutionCheck : kNoUniqueSolution, exclamation);
        break;
    case Found::OutOfRange:
    default: Tell(kOutOfRange); break;
    }
    return true;
}

void EquationForm::Command4_Click()
{
    Command5->setEnabled(true);
    const Solution s = SolveSystem(SystemRows());
    if (RefuseSystem(s.found, false)) return;
    Text22->setText(FixedDecimalText(s.values[0], kSystemDecimals));
    Text23->setText(FixedDecimalText(s.values[1], kSystemDecimals));
    if (s.values.size() == 3)
        Text24->setText(FixedDecimalText(s.values[2], kSystemDecimals));
    else
        Text24->clear();
}

void EquationForm::Command5_Click()
{
    Command5->setEnabled(false);
    const std::array<SystemRow, 3> rows = SystemRows();
    const Solution s = SolveSystem(rows);
    if (RefuseSystem(s.found, true)) return;
    TellVerdict(JudgeSystem(rows, s.unrounded), kSystemRight, kSystemDoubtful);
}

// --- menu -------------------------------------------------------------------------------

void EquationForm::mnuFileNew_Click()
{
    for (TextBox* box : {Text9, Text25, Text26, Text1, Text2, Text3, Text4, Text5, Text6, Text10, Text11,
                         Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20, Text21})
        box->clear();
    for (TextBox* box : {Text3, Text7, Text8, Text12, Text23, Text22, Text24}) box->setText(QStringLiteral("0"));
}

void EquationForm::mnuFileExit_Click()
{
    // The window is on its way out once closed; what to show next is kept apart.
    const std::function<void()> showTools = showTools_;
    close();
    if (showTools) showTools();
}

}  // namespace suite::tools
