#pragma once
// Reading numbers the learner typed and writing numbers the way every window shows them.

#include <QString>
#include <optional>

namespace suite {

// Leading numeric part of a text: blanks skipped, optional sign, digits, "." as the only
// decimal point, optional exponent ("E" or "D"). Anything else ends the number; text with
// no number in front reads 0. Never fails; a number past double range reads as an infinity.
double ReadNumber(const QString& text);

// The whole text as one number (blanks around it allowed, sign, point, exponent), or
// nothing when any part of the text is not part of the number. Empty text is not a number.
std::optional<double> WholeTextNumber(const QString& text);

// Shortest text of a double with up to 15 significant digits; exponent form
// ("2.43290200817664E+18", "1E-05") when the decimal exponent is 15 or more or below -4.
// A magnitude below 1 starts with "0." ("0.25"). Infinities and NaN, which no window
// should show, come out as "1.#INF", "-1.#INF" and "NaN" rather than as garbage.
QString NumberText(double value);
// The same for a value held in single precision: up to 7 significant digits.
QString NumberTextSingle(float value);

// NumberText with a leading blank when the value is not negative.
QString SignedNumberText(double value);
QString SignedNumberTextSingle(float value);
// The form a number takes when printed onto a window surface: signed, with a trailing blank.
QString PrintedNumberText(double value);

// Fixed-decimal writer: at least one digit before the point, the point always written,
// at most `maxDecimals` decimals and never more than 15 significant digits, trailing zeros
// dropped: 2 -> "2.", -0.25 -> "-0.25", 1/3 at 18 decimals -> "0.333333333333333".
QString FixedDecimalText(double value, int maxDecimals);

}  // namespace suite
