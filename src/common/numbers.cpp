#include "numbers.h"

#include <QRegularExpression>
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
    static const QRegularExpression whole(
        QStringLiteral("^[ \\t]*([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[EeDd][+-]?[0-9]+)?)[ \\t]*$"));
    const QRegularExpressionMatch m = whole.match(text);
    if (!m.hasMatch()) return std::nullopt;
    QByteArray latin = m.captured(1).toLatin1();
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
