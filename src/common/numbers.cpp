#include "numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace suite {

namespace {

bool IsBlank(QChar c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// printf's %G with a precision, made into the suite's form.
QString GeneralText(double value, int significantDigits)
{
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("1.#INF") : QStringLiteral("-1.#INF");
    if (value == 0.0) return QStringLiteral("0");  // also -0
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", significantDigits, value);
    return QString::fromLatin1(buffer);
}

}  // namespace

double ReadNumber(const QString& text)
{
    // Blanks may stand anywhere in the number, as the learner may type "1 000".
    QString collected;
    int i = 0;
    const int n = text.size();
    auto skipBlanks = [&] {
        while (i < n && IsBlank(text[i])) ++i;
    };
    skipBlanks();
    if (i < n && (text[i] == '+' || text[i] == '-')) collected += text[i++];
    bool digits = false, point = false;
    for (;;) {
        skipBlanks();
        if (i >= n) break;
        const QChar c = text[i];
        if (c >= '0' && c <= '9') {
            collected += c;
            digits = true;
            ++i;
        } else if (c == '.' && !point) {
            collected += c;
            point = true;
            ++i;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    // Exponent only when digits follow the letter (and its sign).
    skipBlanks();
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        int j = i + 1;
        QString exponent = QStringLiteral("E");
        while (j < n && IsBlank(text[j])) ++j;
        if (j < n && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        bool expDigits = false;
        for (;;) {
            while (j < n && IsBlank(text[j])) ++j;
            if (j < n && text[j] >= '0' && text[j] <= '9') {
                exponent += text[j++];
                expDigits = true;
            } else {
                break;
            }
        }
        if (expDigits) collected += exponent;
    }
    const QByteArray latin = collected.toLatin1();
    return std::strtod(latin.constData(), nullptr);
}

std::optional<double> WholeTextNumber(const QString& text)
{
    // Scanned by hand rather than with a regular expression: compiling one costs a program
    // half a megabyte and a millisecond before its first window. The whole text is
    // [ \t]* [+-]? (digits [.] digits* | . digits) ([EeDd] [+-]? digits)? [ \t]*, and may
    // close with one line feed.
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto isDigit = [&](qsizetype at) { return at < n && text[at] >= '0' && text[at] <= '9'; };
    auto skipDigits = [&] {
        const qsizetype from = i;
        while (isDigit(i)) ++i;
        return i > from;
    };
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    const qsizetype begin = i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    const bool wholePart = skipDigits();
    bool fraction = false;
    if (i < n && text[i] == '.') {
        ++i;
        fraction = skipDigits();
    }
    if (!wholePart && !fraction) return std::nullopt;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        if (!skipDigits()) return std::nullopt;
    }
    const qsizetype end = i;
    while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < n && text[i] == '\n' && i + 1 == n) ++i;
    if (i != n) return std::nullopt;
    QByteArray latin = text.mid(begin, end - begin).toLatin1();
    latin.replace('d', 'E').replace('D', 'E');
    const double value = std::strtod(latin.constData(), nullptr);
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
    QString text = QString::number(value, 'f', maxDecimals);
    if (!text.contains('.')) text += '.';
    while (text.endsWith('0')) text.chop(1);
    if (text == QLatin1String("-0.")) text = QStringLiteral("0.");
    return text;
}

}  // namespace suite
