#pragma once
// Placing controls at twip positions: rows of fixed captions and text boxes laid out left
// to right, labels and buttons. Every window of the suite builds its client area with these.

#include "common/windowkit.h"

#include <QString>
#include <vector>

class QLabel;
class QPushButton;

namespace suite {

// One piece of a row: a fixed caption, or (when box is set) a text box named by text.
// A box is announced to a screen reader by `spoken` when that is set, else by its caption
// (which then becomes its buddy).
struct Piece {
    QString text;
    int width;
    TextBox** box = nullptr;
    QString spoken = {};
};

// Which caption names a box: the one just before it ("边： Ⅰ= [3]"), or, in a row that
// writes an equation ("[a] X²+ [b] X+ [c] =0"), the term just after it.
enum class CaptionOf { BoxAfter, BoxBefore };

// Places the pieces side by side from (left, top), each `height` twips high, and adds the
// boxes to the window's tab order. Returns the right edge in twips.
int PlaceRow(Form& form, int left, int top, int height, const std::vector<Piece>& pieces,
             CaptionOf captions = CaptionOf::BoxAfter);

QLabel* PlaceLabel(QWidget* parent, const QString& text, int left, int top, int width, int height);
QPushButton* PlaceButton(Form& form, const QString& name, const QString& caption, int left,
                         int top, int width, int height);

}  // namespace suite
