#include "form1.h"

#include "common/fonts.h"
#include "common/numbers.h"
#include "common/twips.h"
#include "solver.h"
#include "texts.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace triangle {
namespace {

constexpr int kLeft = 240;
constexpr int kTop = 240;
constexpr int kRowHeight = 420;
constexpr int kCaptionWidth = 1560;
constexpr int kPartCaptionWidth = 540;
constexpr int kLabelHeight = 300;

QFont LabelFont() { return suite::NamedFont(QStringLiteral("宋体"), 10.5); }

// Wide enough for the longest text a value can take, 15 digits in exponent form with a
// sign, in the font the labels get on this system.
int ValueWidth()
{
    const int pixels = QFontMetrics(LabelFont()).horizontalAdvance(QStringLiteral("-8.88888888888888E-308"));
    return suite::PixelsToTwips(pixels + 2);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                  int width)
{
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty()) label->setObjectName(name);
    label->setFont(LabelFont());
    label->setGeometry(suite::TwipsRect(left, top, width, kLabelHeight));
    return label;
}

}  // namespace

Form1::Form1(const suite::Platform& platform, QWidget* parent)
    : suite::Form(parent), platform_(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    // In this order: taking the maximise button away puts the minimise button back.
    SetNoMaximize();
    SetNoMinimize();

    QWidget* client = Client();
    struct Row {
        const QString& caption;
        int firstLabel;
    };
    // Label numbers follow the window's design: sides 13-15, angles 7-9, then 16-24.
    const std::array<Row, 5> threeValueRows{{
        {kSidesRow, 13},
        {kAnglesRow, 7},
        {kMediansRow, 16},
        {kBisectorsRow, 19},
        {kAltitudesRow, 22},
    }};
    const int valueWidth = ValueWidth();
    const int valueLeft = kLeft + kCaptionWidth;
    const int step = valueWidth + kPartCaptionWidth;
    for (int r = 0; r < 5; ++r) {
        const int top = kTop + r * kRowHeight;
        MakeLabel(client, {}, threeValueRows[r].caption, kLeft, top, kCaptionWidth);
        MakeLabel(client, {}, kSecond, valueLeft + valueWidth, top, kPartCaptionWidth);
        MakeLabel(client, {}, kThird, valueLeft + valueWidth + step, top, kPartCaptionWidth);
        for (int i = 0; i < 3; ++i) {
            rows_[r][i] =
                MakeLabel(client, QStringLiteral("Label%1").arg(threeValueRows[r].firstLabel + i),
                          {}, valueLeft + i * step, top, valueWidth);
        }
    }
    struct Single {
        const QString& caption;
        int number;
        QLabel** label;
    };
    const std::array<Single, 3> singleRows{{
        {kCircumradiusRow, 11, &Label11_},
        {kInradiusRow, 12, &Label12_},
        {kAreaRow, 10, &Label10_},
    }};
    for (int r = 0; r < 3; ++r) {
        const int top = kTop + (5 + r) * kRowHeight;
        MakeLabel(client, {}, singleRows[r].caption, kLeft, top, kCaptionWidth);
        *singleRows[r].label = MakeLabel(client, QStringLiteral("Label%1").arg(singleRows[r].number),
                                         {}, valueLeft, top, 2 * valueWidth);
    }

    const int width = valueLeft + 3 * valueWidth + 2 * kPartCaptionWidth + kLeft;
    const int buttonTop = kTop + 8 * kRowHeight + 120;
    Command1_ = new QPushButton(kAgain, client);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command1_->setFont(LabelFont());
    Command1_->setGeometry(suite::TwipsRect((width - 1215) / 2, buttonTop, 1215, 420));
    connect(Command1_, &QPushButton::clicked, this, &Form1::Command1_Click);
    Tabs().Add(Command1_);

    SetClientSizeTwips(width, buttonTop + 420 + kTop);
    setFixedSize(size());
    CenterOnScreen();
}

bool Form1::Form_Load() { return SolveTriangleLoop(false); }

void Form1::Command1_Click()
{
    hide();
    SolveTriangleLoop(true);
}

double Form1::AskSide(const QString& prompt)
{
    return suite::ReadNumber(platform_.dialogs.InputBox(this, prompt, kCaption));
}

bool Form1::SolveTriangleLoop(bool showWhenSolved)
{
    // The sides keep their last values from one pass of prompts to the next.
    double a = 0;
    double b = 0;
    double c = 0;
    for (;;) {
        a = AskSide(kPromptSide1);
        if (a != 0) {
            b = AskSide(kPromptSide2);
            if (b != 0) c = AskSide(kPromptSide3);
        }
        // Decided on the answers themselves rather than on a * b * c, which can underflow.
        const bool stoppedAtZero = a == 0 || b == 0 || c == 0;
        if (!stoppedAtZero) {
            const Result result = Solve(a, b, c);
            if (result.outcome != Outcome::Solved) {
                const QString& tail =
                    result.outcome == Outcome::NotATriangle ? kNotATriangle : kOutOfRange;
                platform_.dialogs.MessageBox(this, SidesMessage(a, b, c, tail), suite::MsgButtons::Ok,
                                             suite::MsgIcon::Exclamation, kErrorTitle);
                continue;
            }
            if (showWhenSolved) show();
            Write(Present(a, b, c, result.solution));
            return true;
        }
        if (platform_.dialogs.MessageBox(this, kEndProgram, suite::MsgButtons::YesNo,
                                         suite::MsgIcon::Information) == suite::MsgAnswer::Yes) {
            platform_.program.EndProgram();
            return false;
        }
    }
}

void Form1::Write(const SolutionTexts& t)
{
    Label10_->setText(t.area);
    Label11_->setText(t.circumradius);
    Label12_->setText(t.inradius);
    const std::array<const std::array<QString, 3>*, 5> byRow{&t.sides, &t.angles, &t.medians,
                                                              &t.bisectors, &t.altitudes};
    for (int r = 0; r < 5; ++r) {
        for (int i = 0; i < 3; ++i) rows_[r][i]->setText((*byRow[r])[i]);
    }
}

}  // namespace triangle
