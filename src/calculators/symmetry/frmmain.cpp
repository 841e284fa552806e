#include "frmmain.h"

#include "calculators/shell/controls.h"
#include "calculators/shell/line.h"
#include "common/colour.h"
#include "common/fonts.h"
#include "common/numbers.h"
#include "frmabout.h"
#include "symmetryicon.h"

#include <QPushButton>
#include <cmath>

namespace suite::symmetry {

frmMain::frmMain(Platform& platform, QWidget* parent)
    : CalculatorShell(platform, kAppTitle, true, parent),
      showAbout([](frmAbout& box) { box.exec(); })
{
    setWindowIcon(ProgramIcon());
    Client()->setFont(NamedFont(QStringLiteral("宋体"), 12));
    SetClientSizeTwips(6300, 3300);

    const int h = 360;
    calc::PlacePointRow(*this, 240, 360, h, QStringLiteral("输入点P的坐标："), 2100, 1200, 1, &Text1, &Text2,
                        QStringLiteral("x0"), QStringLiteral("y0"));
    calc::PlaceLineRow(*this, 240, 1020, h, QStringLiteral("直线方程："), QStringLiteral("＝0"), 3, &Text3,
                       &Text4, &Text5);
    calc::PlacePointRow(*this, 240, 1680, h, QStringLiteral("对称点坐标为："), 2100, 1200, 6, &Text6, &Text7,
                        QStringLiteral("x'"), QStringLiteral("y'"));
    Command1 = PlaceButton(*this, QStringLiteral("Command1"), QStringLiteral("OK"), 2550,
                           2400, 1200, 480);
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);

    for (TextBox* result : {Text6, Text7}) {
        result->setText(QStringLiteral("0"));
        SetTextColor(result, BgrColor(0x80FF80));
        SetBackColor(result, BgrColor(0x000000));
    }
}

void frmMain::Command1_Click()
{
    const double x0 = ReadNumber(Text1->text());
    const double y0 = ReadNumber(Text2->text());
    calc::Line typed{ReadNumber(Text3->text()), ReadNumber(Text4->text()), ReadNumber(Text5->text())};

    if (!typed.IsLine()) {
        Tell(QStringLiteral("老兄！这不是直线方程！"));
        typed.A = 1;
        typed.B = 1;
        Text3->setText(NumberText(1));
        Text4->setText(NumberText(1));
    }

    const auto [A, B, C] = calc::Scaled(typed);
    // The grouping below fixes the last digit shown; keep it.
    const double D = A * A + B * B;
    const double x = ((x0 * (B * B - A * A) - y0 * ((2 * A) * B)) - C * (2 * A)) / D;
    const double y = ((y0 * (A * A - B * B) - x0 * ((2 * A) * B)) - C * (2 * B)) / D;

    // A coefficient typed past the double range makes the divisor infinite, which would
    // turn every numerator into a plausible-looking 0.
    const bool inRange = std::isfinite(D);
    Text6->setText(inRange ? calc::ResultText(x) : calc::OutOfRangeText());
    Text7->setText(inRange ? calc::ResultText(y) : calc::OutOfRangeText());

    if ((A * x0 + B * y0) + C == 0) Tell(QStringLiteral("点在直线上！"));
}

void frmMain::mnuFileNew_Click()
{
    for (TextBox* input : {Text1, Text2, Text3, Text4, Text5}) input->clear();
    Text6->setText(QStringLiteral("0"));
    Text7->setText(QStringLiteral("0"));
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout box(Plat().appTitle, this);
    showAbout(box);
}

}  // namespace suite::symmetry
