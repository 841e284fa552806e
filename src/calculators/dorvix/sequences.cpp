#include "sequences.h"

#include "calculators/shell/controls.h"
#include "common/numbers.h"

#include <cmath>
#include <functional>

namespace suite::dorvix {

namespace {

// NaN where the power has no value; std::pow gives an infinity for 0^-1.
double Power(double base, double exponent)
{
    if (base == 0 && exponent < 0) return std::nan("");
    return std::pow(base, exponent);
}

QString PowerResultText(double power, double value)
{
    return std::isnan(power) ? UndefinedText() : calc::ResultText(value);
}

// Terms from a1 on, one per whole unit of n (at least one), each written signed.
QString Preview(double a1, double n, const std::function<double(double)>& next)
{
    const double wanted = n >= 2 ? std::floor(n) : 1;
    const int count = wanted > kPreviewLimit ? kPreviewLimit : static_cast<int>(wanted);
    QString text;
    double t = a1;
    for (int i = 1; i <= count; ++i) {
        if (!std::isfinite(t)) return text + QLatin1Char(' ') + calc::OutOfRangeText();
        text += SignedNumberText(t + 0.0);
        if (i < count) t = next(t);
    }
    if (wanted > kPreviewLimit) text += PreviewCutText();
    return text;
}

}  // namespace

QString PreviewCutText()
{
    return QStringLiteral(" ……（预览只列出前%1项）").arg(kPreviewLimit);
}

QString UndefinedText()
{
    return QStringLiteral("无意义");
}

SequenceTexts Arithmetic(double a1, double n, double d)
{
    const double an = a1 + (n - 1) * d;
    const double sn = (n * a1) + (d * ((n - 1) * n)) / 2;
    return {calc::ResultText(n), calc::ResultText(an), calc::ResultText(sn),
            Preview(a1, n, [d](double t) { return t + d; })};
}

SequenceTexts Geometric(double a1, double n, double q)
{
    const double qn1 = Power(q, n - 1);
    const double an = a1 * qn1;
    QString sum;
    if (q == 1) {
        sum = calc::ResultText(a1 * n);
    } else {
        const double qn = Power(q, n);
        sum = PowerResultText(qn, (a1 * (1 - qn)) / (1 - q));
    }
    return {calc::ResultText(n), PowerResultText(qn1, an), sum,
            Preview(a1, n, [q](double t) { return t * q; })};
}

}  // namespace suite::dorvix
