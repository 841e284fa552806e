#pragma once
// The guessing game's arithmetic, free of widgets: how long a range may take at a level,
// how a win is judged and how close a guess came. Time and verdict are both counted in
// halvings of the range, the steps a binary search of it needs.

#include <QString>
#include <cstdint>

namespace suite::tools {

// The range boxes take nine digits, so no game is wider than this.
constexpr double kWidestRange = 999999999;

// Size class of a range width: 1 up to 10, 2 up to 100, ... 9 up to kWidestRange; 0 past it.
int SizeClass(double rangeWidth);

// Int(log2 R + 0.5).
double Halvings(double rangeWidth);

struct TimeRule {
    double factor;       // seconds per halving
    std::int16_t bonus;  // extra seconds
};
// Level 1, 2 or 3, or 0 while none was ever picked: then the class is the factor and the
// bonus stays what it was.
TimeRule TimeRuleFor(int level, int sizeClass, std::int16_t previousBonus);
// Level 2 has a fixed bonus of its own, as levels 1 and 3 have.
constexpr std::int16_t kLevel2Bonus = 1;

// Seconds for a game: factor times halvings plus bonus.
double TimeLimit(const TimeRule& rule, double rangeWidth);

// The verdict at a win after `guesses` guesses, against the ideal number of halvings.
QString WinVerdict(double guesses, double idealGuesses);

// How close a miss came, or empty within 5% of the range, where no hint is given.
QString ClosenessHint(double missDistance, double rangeWidth);

}  // namespace suite::tools
