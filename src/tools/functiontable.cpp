#include "tools/functiontable.h"

#include "common/numbers.h"
#include "common/rounding.h"

#include <cmath>

namespace suite::tools {

namespace {

// The table's own constants: angles convert with this π, powers of e use this e.
constexpr double kPi = 3.14159265358979;
constexpr double kE = 2.71828183;
constexpr double kInputLimit = 1e20;
constexpr double kFactorialLimit = 170;
// Past 700 in either direction one of e^x and e^-x leaves double range.
constexpr double kPowerLimit = 700;

QString N(double value) { return PrintedNumberText(value); }

double Round4(double value) { return RoundHalfEven(value, 4); }

double Degrees(double radians) { return radians * 180 / kPi; }

// Int(10^4 * v + 0.5) / 10^4: halves go up.
double LogRound(double value) { return std::floor(1e4 * value + 0.5) / 1e4; }

class Printer {
public:
    void Colour(std::uint32_t bgr) { bgr_ = bgr; }
    void Line(const QString& text) { lines.push_back({text, bgr_}); }
    std::vector<TableLine> lines;

private:
    std::uint32_t bgr_ = 0;
};

void Reciprocal(Printer& p, double x)
{
    p.Colour(0x00FFFF);
    if (x == 0) {
        p.Line(QStringLiteral("       0没有倒数！"));
        return;
    }
    const double r = 1 / x;
    // Below about 5.6E-309 the reciprocal is past double range.
    if (!std::isfinite(r))
        p.Line(QStringLiteral("       ") + N(x) + QStringLiteral("的倒数太大!"));
    else
        p.Line(QStringLiteral("       1 / ") + N(x) + QStringLiteral("=") + N(r));
}

void SquareAndRoot(Printer& p, double x)
{
    p.Colour(0x00FF00);
    p.Line(N(x) + QStringLiteral("的平方=") + N(x * x));
    if (x >= 0)
        p.Line(N(x) + QStringLiteral("的平方根=") + N(std::sqrt(x)));
    else
        p.Line(N(x) + QStringLiteral("没有平方根！"));
}

void CubeAndRoot(Printer& p, double x)
{
    p.Colour(0xFF80FF);
    p.Line(N(x) + QStringLiteral("的立方=") + N(x * x * x));
    const double root = x > 0 ? std::pow(x, 1.0 / 3) : -std::pow(-x, 1.0 / 3);
    p.Line(N(x) + QStringLiteral("的立方根=") + N(root));
}

void Logarithms(Printer& p, double x)
{
    p.Colour(0x8080FF);
    if (x > 0) {
        const double ln = std::log(x);
        p.Line(QStringLiteral(" ln(") + N(x) + QStringLiteral(")=") + N(LogRound(ln)) +
               QStringLiteral(" lg(") + N(x) + QStringLiteral(")=") + N(LogRound(ln / std::log(10.0))));
    } else {
        p.Line(QStringLiteral("负数和0没有对数！负数和0没有对数！"));
    }
}

void Factorial(Printer& p, double x)
{
    p.Colour(0x80C0FF);
    if (x > kFactorialLimit) {
        p.Line(N(x) + QStringLiteral("的阶乘太大!"));
        return;
    }
    double f = 1;
    for (int i = 1; i <= x; ++i) f *= i;
    p.Line(N(x) + QStringLiteral(" ! =") + N(f));
}

void PowersOfE(Printer& p, double x)
{
    p.Colour(0xFFC0C0);
    if (std::fabs(x) > kPowerLimit) {
        p.Line(QStringLiteral(" e^") + N(x) + QStringLiteral(" 和 e^-") + N(x) + QStringLiteral("幂太大!"));
        return;
    }
    p.Line(QStringLiteral(" e^") + N(x) + QStringLiteral("=") + N(Round4(std::pow(kE, x))) +
           QStringLiteral("e^-") + N(x) + QStringLiteral("=") + N(Round4(std::pow(kE, -x))));
}

void ChordCoefficient(Printer& p, double x)
{
    p.Colour(0xC0C0FF);
    if (x == 0) {
        p.Line(QStringLiteral("0不能等分圆周!"));
        return;
    }
    // 90 - 180/x degrees; for a tiny x the angle is past double range and has no cosine.
    const double radians = kPi * ((90 * x - 180) / x) / 180;
    if (!std::isfinite(radians)) {
        p.Line(N(x) + QStringLiteral("不能等分圆周!"));
        return;
    }
    p.Line(N(x) + QStringLiteral("等分圆周直径系数 k=") + N(Round4(std::cos(radians))));
}

void Trigonometry(Printer& p, double x)
{
    p.Colour(0xFFFF00);
    const double theta = x * kPi / 180;
    const double sin = std::sin(theta), cos = std::cos(theta), tan = std::tan(theta);
    const double sinR = Round4(sin), cosR = Round4(cos), tanR = Round4(tan);
    const QString nx = N(x);
    p.Line(QStringLiteral(" sin") + nx + QStringLiteral(" =") + N(sinR) + QStringLiteral(" cos") + nx +
           QStringLiteral(" =") + N(cosR));

    QString line = QStringLiteral(" tan") + nx;
    line += IsWhole((x - 90) / 180) ? QStringLiteral(" 不存在!") : QStringLiteral(" =") + N(tanR);
    line += QStringLiteral(" cot") + nx;
    line += tanR == 0 ? QStringLiteral(" 不存在!") : QStringLiteral(" =") + N(Round4(1 / tan));
    p.Line(line);

    line = QStringLiteral(" sec") + nx;
    line += cosR == 0 ? QStringLiteral(" 不存在！") : QStringLiteral(" =") + N(Round4(1 / cos));
    line += QStringLiteral(" csc") + nx;
    line += sinR == 0 ? QStringLiteral(" 不存在！") : QStringLiteral(" =") + N(Round4(1 / sin));
    p.Line(line);
}

void InverseTrigonometry(Printer& p, double x)
{
    p.Colour(0xFF8080);
    const QString nx = N(x);
    const double rest = 1 - x * x;
    p.Line(QStringLiteral(" arctan(") + nx + QStringLiteral(")=") + N(Degrees(std::atan(x))));

    if (rest > 0)
        p.Line(QStringLiteral(" arcsin(") + nx + QStringLiteral(")=") +
               N(Degrees(std::atan(x / std::sqrt(rest)))));
    else if (x == 1)
        p.Line(QStringLiteral(" arcsin(") + nx + QStringLiteral(")=90"));
    else if (x == -1)
        p.Line(QStringLiteral(" arcsin(") + nx + QStringLiteral(")=-90"));
    else
        p.Line(nx + QStringLiteral("不在反正弦函数定义域内!"));

    if (rest >= 0 && x != 0) {
        double angle = Degrees(std::atan(std::sqrt(rest) / x));
        if (x < 0) angle += 180;
        p.Line(QStringLiteral(" arccos(") + nx + QStringLiteral(")=") + N(angle));
    } else if (x == 0) {
        p.Line(QStringLiteral(" arccos(") + nx + QStringLiteral(")=90"));
    } else {
        p.Line(nx + QStringLiteral("不在反余弦函数定义域内!"));
    }
}

}  // namespace

std::vector<TableLine> FunctionTableLines(double x)
{
    // Past 10^20 either way only this line (also for the infinities a reading can give):
    // further out the cubes would leave double range.
    if (!(std::fabs(x) <= kInputLimit)) {
        std::vector<TableLine> lines(4);
        lines.push_back({QStringLiteral("  哇!好大的数，我可望不可及……"), std::nullopt});
        return lines;
    }
    Printer p;
    Reciprocal(p, x);
    SquareAndRoot(p, x);
    CubeAndRoot(p, x);
    Logarithms(p, x);
    Factorial(p, x);
    PowersOfE(p, x);
    ChordCoefficient(p, x);
    p.Colour(0x404040);
    p.Line(QStringLiteral("以下的三角/反三角函数均以<度>为角度单位。"));
    Trigonometry(p, x);
    InverseTrigonometry(p, x);
    return p.lines;
}

}  // namespace suite::tools
