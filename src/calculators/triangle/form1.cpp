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
    // Each value follows its caption, which labels it for a screen reader.
    auto captioned = [this, client](const QString& caption, int captionLeft, int captionWidth, int top,
                                    int number, const QString& spoken, int left, int width) {
        QLabel* label = MakeLabel(client, {}, caption, captionLeft, top, captionWidth);
        QLabel* value = MakeLabel(client, QStringLiteral("Label%1").arg(number), {}, left, top, width);
        label->setBuddy(value);
        spoken_.insert(value, spoken);
        return value;
    };
    struct Row {
        const QString& caption;
        const QString& spoken;
        int firstLabel;
    };
    // Label numbers follow the window's design: sides 13-15, angles 7-9, then 16-24.
    const std::array<Row, 5> threeValueRows{{
        {kSidesRow, kSidesSpoken, 13},
        {kAnglesRow, kAnglesSpoken, 7},
        {kMediansRow, kMediansSpoken, 16},
        {kBisectorsRow, kBisectorsSpoken, 19},
        {kAltitudesRow, kAltitudesSpoken, 22},
    }};
    const int valueWidth = ValueWidth();
    const int valueLeft = kLeft + kCaptionWidth;
    const int step = valueWidth + kPartCaptionWidth;
    for (int r = 0; r < 5; ++r) {
        const Row& row = threeValueRows[r];
        const int top = kTop + r * kRowHeight;
        for (int i = 0; i < 3; ++i) {
            // The row's caption stands at the left edge, "Ⅱ=" and "Ⅲ=" just before their values.
            const int left = valueLeft + i * step;
            const bool first = i == 0;
            rows_[r][i] = captioned(first ? row.caption : i == 1 ? kSecond : kThird,
                                    first ? kLeft : left - kPartCaptionWidth,
                                    first ? kCaptionWidth : kPartCaptionWidth, top, row.firstLabel + i,
                                    row.spoken + QLatin1Char(' ') + kNumerals[i], left, valueWidth);
        }
    }
    struct Single {
        const QString& caption;
        const QString& spoken;
        int number;
        QLabel** label;
    };
    const std::array<Single, 3> singleRows{{
        {kCircumradiusRow, kCircumradiusSpoken, 11, &Label11_},
        {kInradiusRow, kInradiusSpoken, 12, &Label12_},
        {kAreaRow, kAreaSpoken, 10, &Label10_},
    }};
    for (int r = 0; r < 3; ++r) {
        const Single& row = singleRows[r];
        *row.label = captioned(row.caption, kLeft, kCaptionWidth, kTop + (5 + r) * kRowHeight, row.number,
                               row.spoken, valueLeft, 2 * valueWidth);
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
    Show(Label10_, t.area);
    Show(Label11_, t.circumradius);
    Show(Label12_, t.inradius);
    const std::array<const std::array<QString, 3>*, 5> byRow{&t.sides, &t.angles, &t.medians,
                                                              &t.bisectors, &t.altitudes};
    for (int r = 0; r < 5; ++r) {
        for (int i = 0; i < 3; ++i) Show(rows_[r][i], (*byRow[r])[i]);
    }
}

void Form1::Show(QLabel* value, const QString& text)
{
    value->setText(text);
    // Read on its own, "3" would not say which length it is: "边 Ⅰ = 3".
    value->setAccessibleName(spoken_.value(value) + QStringLiteral(" = ") + text.trimmed());
}

}  // namespace triangle
