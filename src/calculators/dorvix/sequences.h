#pragma once
// Arithmetic and geometric sequences: the n-th term, the sum of n terms and the preview of
// the terms, as the window shows them.

#include <QString>

namespace suite::dorvix {

// One press of a sequence button: the texts of its four result boxes and what it appends
// to the preview.
struct SequenceTexts {
    QString n;
    QString term;
    QString sum;
    QString preview;
};

// More terms than this in one press would freeze the window for a preview nobody reads;
// the preview then ends with PreviewCutText().
constexpr int kPreviewLimit = 1000;
QString PreviewCutText();
// A power such as (-8)^0.5 or 0^-1.
QString UndefinedText();

SequenceTexts Arithmetic(double a1, double n, double d);
SequenceTexts Geometric(double a1, double n, double q);

}  // namespace suite::dorvix
