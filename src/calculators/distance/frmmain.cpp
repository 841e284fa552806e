#include "frmmain.h"

#include "calculators/shell/controls.h"
#include "calculators/shell/line.h"
#include "common/colour.h"
#include "common/fonts.h"
#include "common/numbers.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace suite::distance {

frmMain::frmMain(Platform& platform, QWidget* parent)
    : CalculatorShell(platform, kAppTitle, false, parent)
{
    Client()->setFont(NamedFont(QStringLiteral("宋体"), 12));
    SetClientSizeTwips(7800, 4080);
    const int h = 360;
    const QFont heading = NamedFont(QStringLiteral("宋体"), 14, true);

    PlaceLabel(Client(), QStringLiteral("两点间的距离计算"), 240, 180, 4000, 420)->setFont(heading);
    const int firstEnd = calc::PlacePointRow(*this, 240, 720, h, {}, 0, 1000, 1, &Text1, &Text2,
                                             QStringLiteral("x1"), QStringLiteral("y1"));
    const int right = calc::PlacePointRow(*this, firstEnd, 720, h, {}, 0, 1000, 3, &Text3, &Text4,
                                          QStringLiteral("x2"), QStringLiteral("y2"));
    Command1 = PlaceButton(*this, QStringLiteral("Command1"), QStringLiteral("计算"),
                           right + 240, 690, 1000, 420);
    // The two buttons share a caption; a screen reader tells them apart by what each computes.
    Command1->setAccessibleName(QStringLiteral("计算 两点间的距离"));

    PlaceLabel(Client(), QStringLiteral("点到直线的距离计算"), 240, 1380, 4000, 420)->setFont(heading);
    calc::PlacePointRow(*this, 240, 1920, h, QStringLiteral("输入已知点的坐标："), 2300, 1000, 5, &Text5, &Text6,
                        QStringLiteral("x0"), QStringLiteral("y0"));
    calc::PlaceLineRow(*this, 240, 2460, h, QStringLiteral("直线方程："), QStringLiteral("=0"), 7, &Text7,
                       &Text8, &Text9);
    Command2 = PlaceButton(*this, QStringLiteral("Command2"), QStringLiteral("计算"),
                           right + 240, 2430, 1000, 420);
    Command2->setAccessibleName(QStringLiteral("计算 点到直线的距离"));
    PlaceRow(*this, 240, 3180, h, {{QStringLiteral("d="), 450}, {QStringLiteral("Text10"), 3600, &Text10}});

    Text10->setText(QStringLiteral("0."));
    SetTextColor(Text10, BgrColor(0x00FF00));
    SetBackColor(Text10, BgrColor(0x000000));

    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
}

void frmMain::Command1_Click()
{
    const double x1 = ReadNumber(Text1->text());
    const double y1 = ReadNumber(Text2->text());
    const double x2 = ReadNumber(Text3->text());
    const double y2 = ReadNumber(Text4->text());
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    Text10->setText(calc::ResultText(std::sqrt(dx * dx + dy * dy)));
}

void frmMain::Command2_Click()
{
    const double x0 = ReadNumber(Text5->text());
    const double y0 = ReadNumber(Text6->text());
    calc::Line typed{ReadNumber(Text7->text()), ReadNumber(Text8->text()), 0};
    if (!typed.IsLine()) {
        // The boxes keep what was typed.
        Tell(QStringLiteral("A、B不能同时为0"));
        typed.A = 1;
        typed.B = 1;
    }
    typed.C = ReadNumber(Text9->text());
    const auto [A, B, C] = calc::Scaled(typed);
    const double norm = A * A + B * B;
    const double d = std::fabs((A * x0 + B * y0) + C) / std::sqrt(norm);
    // A coefficient typed past the double range makes the divisor infinite, which would
    // show a plausible-looking 0.
    Text10->setText(std::isfinite(norm) ? calc::ResultText(d) : calc::OutOfRangeText());
}

}  // namespace suite::distance
