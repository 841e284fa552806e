#include "tools/guessrules.h"

#include "common/rounding.h"
#include "tools/numberguesstexts.h"

#include <cmath>

namespace suite::tools {

using namespace guesstexts;

int SizeClass(double rangeWidth)
{
    double top = 10;
    for (int k = 1; k <= 8; ++k, top *= 10)
        if (rangeWidth <= top) return k;
    return rangeWidth <= kWidestRange ? 9 : 0;
}

double Halvings(double rangeWidth) { return IntPart(std::log(rangeWidth) / std::log(2.0) + 0.5); }

TimeRule TimeRuleFor(int level, int sizeClass, std::int16_t previousBonus)
{
    const int k = sizeClass;
    switch (level) {
    case 1:
        return {double(k + 2), 1};
    case 2:
        return {k == 1 ? 2.0 : double(k), kLevel2Bonus};
    case 3:
        if (k < 3) return {1, 2};
        if (k < 6) return {2, 4};
        return {4, 10};
    default:
        return {double(k), previousBonus};
    }
}

double TimeLimit(const TimeRule& rule, double rangeWidth)
{
    return rule.factor * Halvings(rangeWidth) + rule.bonus;
}

QString WinVerdict(double guesses, double idealGuesses)
{
    if (std::abs(guesses - idealGuesses) <= 1) return kVerdictSkilful;
    return guesses < idealGuesses - 1 ? kVerdictLucky : kVerdictUnpractised;
}

QString ClosenessHint(double missDistance, double rangeWidth)
{
    const double d = missDistance;
    const double r = rangeWidth;
    if (d > 0.5 * r) return kHintFar;
    if (d > 0.33 * r) return kHintNearer;
    if (d > 0.25 * r) return kHintNear;
    if (d > 0.125 * r) return kHintNotFar;
    if (d > 0.1 * r) return kHintVeryNear;
    if (d > 0.05 * r) return kHintAlmost;
    return {};
}

}  // namespace suite::tools
