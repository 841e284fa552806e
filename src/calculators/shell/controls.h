#pragma once
// The calculators' own rows (a point, a line) and the text of a result.

#include "common/placement.h"

#include <QString>
#include <vector>

class QLabel;
class QPushButton;

namespace suite::calc {

// A caption (none when its width is 0), then a point "(x, y)" whose boxes are named
// "Text<first>" and "Text<first + 1>". A screen reader calls them by the caption and the
// coordinates' symbols ("输入点P的坐标：x0").
int PlacePointRow(Form& form, int left, int top, int height, const QString& caption,
                  int captionWidth, int boxWidth, int first, TextBox** x, TextBox** y,
                  const QString& xSymbol, const QString& ySymbol);
// A caption, then the line A "X+" B "Y+" C and its tail ("= 0"); boxes "Text<first>" on,
// called by the caption and "A", "B", "C".
int PlaceLineRow(Form& form, int left, int top, int height, const QString& caption,
                 const QString& tail, int first, TextBox** a, TextBox** b, TextBox** c);

// Text of a computed result: its NumberText while it is a number, a notice when the
// computation left the double range.
QString ResultText(double value);
QString OutOfRangeText();

}  // namespace suite::calc
