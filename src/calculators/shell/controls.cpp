#include "controls.h"

#include "common/numbers.h"
#include "common/twips.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace suite::calc {

namespace {
QString BoxName(int number)
{
    return QStringLiteral("Text%1").arg(number);
}
}  // namespace

int PlacePointRow(Form& form, int left, int top, int height, const QString& caption,
                  int captionWidth, int boxWidth, int first, TextBox** x, TextBox** y,
                  const QString& xSymbol, const QString& ySymbol)
{
    // The brackets and the comma beside the boxes would say nothing about them.
    std::vector<Piece> pieces;
    if (captionWidth > 0) pieces.push_back({caption, captionWidth});
    pieces.insert(pieces.end(), {{QStringLiteral("（"), 300}, {BoxName(first), boxWidth, x, caption + xSymbol},
                                 {QStringLiteral("，"), 300}, {BoxName(first + 1), boxWidth, y, caption + ySymbol},
                                 {QStringLiteral("）"), 300}});
    return PlaceRow(form, left, top, height, pieces);
}

int PlaceLineRow(Form& form, int left, int top, int height, const QString& caption,
                 const QString& tail, int first, TextBox** a, TextBox** b, TextBox** c)
{
    return PlaceRow(form, left, top, height,
                    {{caption, 1500}, {BoxName(first), 900, a, caption + QStringLiteral("A")},
                     {QStringLiteral("X+"), 450}, {BoxName(first + 1), 900, b, caption + QStringLiteral("B")},
                     {QStringLiteral("Y+"), 450}, {BoxName(first + 2), 900, c, caption + QStringLiteral("C")},
                     {tail, 600}});
}

QString OutOfRangeText()
{
    return QStringLiteral("超出数值范围");
}

QString ResultText(double value)
{
    // Adding 0 writes a negative zero as "0".
    return std::isfinite(value) ? NumberText(value + 0.0) : OutOfRangeText();
}

}  // namespace suite::calc
