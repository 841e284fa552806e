#pragma once
// Word-wrapped labels whose fixed box is too small for their text in some fonts.

#include <QString>

class QLabel;

namespace suite::shell {

// Gives the label the named face at `points`, stepping down by 0.75 pt (not below
// `smallest`) while the wrapped text is taller than the label's box, so no line is cut off.
void FitWrappedText(QLabel* label, const QString& face, double points, double smallest);

}  // namespace suite::shell
