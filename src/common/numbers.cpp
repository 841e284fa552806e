#include "numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace suite {

namespace {

bool IsBlank(QChar c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(QChar c) { return c >= '0' && c <= '9'; }

// A decimal number taken apart: sign, the digits before and after the point (at least one
// digit in all), and the exponent (held back from overflowing its own type; anything that
// large is out of range anyway).
struct DecimalParts {
    bool negative = false;
    std::string whole;
    std::string fraction;
    long long exponent = 0;
};

void AddExponentDigit(long long& exponent, QChar digit)
{
    constexpr long long kFarBeyondRange = 1'000'000'000;
    if (exponent < kFarBeyondRange) exponent = exponent * 10 + (digit.unicode() - '0');
}

// std::from_chars reads "." whatever the C library's locale says, unlike strtod.
double ToDouble(const DecimalParts& parts)
{
    const std::string text = parts.whole + "." + parts.fraction + "e" + std::to_string(parts.exponent);
    double value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc::result_out_of_range) {
        // from_chars reports both ends of the range alike: the place of the first significant
        // digit tells whether the number is too large (an infinity) or too small (zero).
        const auto first = parts.whole.find_first_not_of('0');
        const long long order = first != std::string::npos
                                    ? static_cast<long long>(parts.whole.size() - first)
                                    : -static_cast<long long>(parts.fraction.find_first_not_of('0'));
        value = order + parts.exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return parts.negative ? -value : value;
}

// printf's %G with a precision, made into the suite's form, in the C locale's terms
// whatever locale the program runs under.
QString GeneralText(double value, int significantDigits)
{
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("1.#INF") : QStringLiteral("-1.#INF");
    if (value == 0.0) return QStringLiteral("0");  // also -0
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
    (void)error;  // 64 characters hold any double at 15 digits
    return QString::fromLatin1(buffer, static_cast<int>(end - buffer)).toUpper();
}

}  // namespace

double ReadNumber(const QString& text)
{
    // Blanks may stand anywhere in the number, as the learner may type "1 000".
    DecimalParts parts;
    int i = 0;
    const int n = text.size();
    auto skipBlanks = [&] {
        while (i < n && IsBlank(text[i])) ++i;
    };
    skipBlanks();
    if (i < n && (text[i] == '+' || text[i] == '-')) parts.negative = text[i++] == '-';
    bool point = false;
    for (;;) {
        skipBlanks();
        if (i >= n) break;
        const QChar c = text[i];
        if (IsDigit(c)) {
            (point ? parts.fraction : parts.whole) += static_cast<char>(c.unicode());
            ++i;
        } else if (c == '.' && !point) {
            point = true;
            ++i;
        } else {
            break;
        }
    }
    if (parts.whole.empty() && parts.fraction.empty()) return 0.0;
    // Exponent only when digits follow the letter (and its sign).
    skipBlanks();
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        int j = i + 1;
        while (j < n && IsBlank(text[j])) ++j;
        bool negativeExponent = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
        long long exponent = 0;
        bool expDigits = false;
        for (;;) {
            while (j < n && IsBlank(text[j])) ++j;
            if (j < n && IsDigit(text[j])) {
                AddExponentDigit(exponent, text[j++]);
                expDigits = true;
            } else {
                break;
            }
        }
        if (expDigits) parts.exponent = negativeExponent ? -exponent : exponent;
    }
    return ToDouble(parts);
}

std::optional<double> WholeTextNumber(const QString& text)
{
    // Scanned by hand rather than with a regular expression: compiling one costs a program
    // half a megabyte and a millisecond before its first window. The whole text is
    // [ \t]* [+-]? (digits [.] digits* | . digits) ([EeDd] [+-]? digits)? [ \t]*, and may
    // close with one line feed.
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto isDigit = [&](qsizetype at) { return at < n && IsDigit(text[at]); };
    auto takeDigits = [&](std::string& into) {
        const qsizetype from = i;
        while (isDigit(i)) into.push_back(char(text[i++].unicode()));
        return i > from;
    };
    DecimalParts parts;
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) parts.negative = text[i++] == '-';
    const bool wholePart = takeDigits(parts.whole);
    bool fraction = false;
    if (i < n && text[i] == '.') {
        ++i;
        fraction = takeDigits(parts.fraction);
    }
    if (!wholePart && !fraction) return std::nullopt;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        if (!isDigit(i)) return std::nullopt;
        while (isDigit(i)) AddExponentDigit(parts.exponent, text[i++]);
        if (negativeExponent) parts.exponent = -parts.exponent;
    }
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < n && text[i] == '\n' && i + 1 == n) ++i;
    if (i != n) return std::nullopt;
    const double value = ToDouble(parts);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

QString NumberText(double value) { return GeneralText(value, 15); }

QString NumberTextSingle(float value) { return GeneralText(static_cast<double>(value), 7); }

static QString WithSign(QString text, double value)
{
    return (value < 0 && !std::isnan(value)) ? text : QStringLiteral(" ") + text;
}

QString SignedNumberText(double value) { return WithSign(NumberText(value), value); }

QString SignedNumberTextSingle(float value) { return WithSign(NumberTextSingle(value), value); }

QString PrintedNumberText(double value) { return SignedNumberText(value) + QStringLiteral(" "); }

QString FixedDecimalText(double value, int maxDecimals)
{
    if (!std::isfinite(value)) return NumberText(value);
    if (maxDecimals < 0) maxDecimals = 0;
    // QString::number writes "." whatever the locale. Exactly one rounding happens: at the
    // last decimal allowed, or at the 15th significant digit when that comes first, since
    // the digits of a double past the 15th are noise ("0.333333333333333315").
    const double magnitude = std::fabs(value);
    const QString scientific = QString::number(magnitude, 'e', 14);  // d.dddddddddddddde±x
    const int exponent = scientific.mid(scientific.indexOf(QLatin1Char('e')) + 1).toInt();
    QString text;
    if (magnitude == 0 || exponent - 14 < -maxDecimals) {
        text = QString::number(magnitude, 'f', maxDecimals);
        if (!text.contains(QLatin1Char('.'))) text += QLatin1Char('.');
    } else {
        const QString digits = scientific.left(1) + scientific.mid(2, 14);
        if (exponent >= 0) {
            const QString whole = digits.left(exponent + 1).leftJustified(exponent + 1, QLatin1Char('0'));
            text = whole + QLatin1Char('.') + digits.mid(exponent + 1);
        } else {
            text = QStringLiteral("0.") + QString(-exponent - 1, QLatin1Char('0')) + digits;
        }
    }
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    // What rounds to zero is written without a sign.
    if (value < 0 && text != QLatin1String("0.")) text.prepend(QLatin1Char('-'));
    return text;
}

}  // namespace suite
