#pragma once
// Building the calculators' client areas: rows of fixed captions and text boxes laid out
// left to right in twips, buttons, and the text of a result.

#include "common/windowkit.h"

#include <QString>
#include <vector>

class QLabel;
class QPushButton;

namespace suite::calc {

// One piece of a row: a fixed caption, or (when box is set) a text box named by text.
struct Piece {
    QString text;
    int width;
    TextBox** box = nullptr;
};

// Places the pieces side by side from (left, top), each `height` twips high, and adds the
// boxes to the window's tab order. Returns the right edge in twips.
int PlaceRow(Form& form, int left, int top, int height, const std::vector<Piece>& pieces);

// A caption (none when its width is 0), then a point "(x, y)" whose boxes are named
// "Text<first>" and "Text<first + 1>".
int PlacePointRow(Form& form, int left, int top, int height, const QString& caption,
                  int captionWidth, int boxWidth, int first, TextBox** x, TextBox** y);
// A caption, then the line A "X+" B "Y+" C and its tail ("= 0"); boxes "Text<first>" on.
int PlaceLineRow(Form& form, int left, int top, int height, const QString& caption,
                 const QString& tail, int first, TextBox** a, TextBox** b, TextBox** c);

QLabel* PlaceLabel(QWidget* parent, const QString& text, int left, int top, int width, int height);
QPushButton* PlaceButton(Form& form, const QString& name, const QString& caption, int left,
                         int top, int width, int height);

// Text of a computed result: its NumberText while it is a number, a notice when the
// computation left the double range.
QString ResultText(double value);
QString OutOfRangeText();

}  // namespace suite::calc
