#include "controls.h"

#include "common/numbers.h"
#include "common/twips.h"

#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace suite::calc {

int PlaceRow(Form& form, int left, int top, int height, const std::vector<Piece>& pieces)
{
    int x = left;
    for (const Piece& piece : pieces) {
        if (piece.box) {
            auto* box = new TextBox(form.Client());
            box->setObjectName(piece.text);
            box->setGeometry(TwipsRect(x, top, piece.width, height));
            form.Tabs().Add(box);
            *piece.box = box;
        } else {
            QLabel* label = PlaceLabel(form.Client(), piece.text, x, top, piece.width, height);
            label->setAlignment(Qt::AlignCenter);
        }
        x += piece.width;
    }
    return x;
}

namespace {
QString BoxName(int number)
{
    return QStringLiteral("Text%1").arg(number);
}
}  // namespace

int PlacePointRow(Form& form, int left, int top, int height, const QString& caption,
                  int captionWidth, int boxWidth, int first, TextBox** x, TextBox** y)
{
    std::vector<Piece> pieces;
    if (captionWidth > 0) pieces.push_back({caption, captionWidth});
    pieces.insert(pieces.end(), {{QStringLiteral("（"), 300}, {BoxName(first), boxWidth, x},
                                 {QStringLiteral("，"), 300}, {BoxName(first + 1), boxWidth, y},
                                 {QStringLiteral("）"), 300}});
    return PlaceRow(form, left, top, height, pieces);
}

int PlaceLineRow(Form& form, int left, int top, int height, const QString& caption,
                 const QString& tail, int first, TextBox** a, TextBox** b, TextBox** c)
{
    return PlaceRow(form, left, top, height,
                    {{caption, 1500}, {BoxName(first), 900, a}, {QStringLiteral("X+"), 450},
                     {BoxName(first + 1), 900, b}, {QStringLiteral("Y+"), 450},
                     {BoxName(first + 2), 900, c}, {tail, 600}});
}

QLabel* PlaceLabel(QWidget* parent, const QString& text, int left, int top, int width, int height)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(TwipsRect(left, top, width, height));
    label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    return label;
}

QPushButton* PlaceButton(Form& form, const QString& name, const QString& caption, int left,
                         int top, int width, int height)
{
    auto* button = new QPushButton(caption, form.Client());
    button->setObjectName(name);
    button->setGeometry(TwipsRect(left, top, width, height));
    form.Tabs().Add(button);
    return button;
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
