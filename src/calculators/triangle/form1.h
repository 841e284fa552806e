#pragma once
// The triangle solver's only window. It asks for the three sides in input prompts and
// fills its labels with the solved triangle.

#include "common/platform.h"
#include "common/windowkit.h"

#include <QHash>
#include <array>

class QLabel;
class QPushButton;

namespace triangle {

struct SolutionTexts;

class Form1 : public suite::Form {
    Q_OBJECT
public:
    explicit Form1(const suite::Platform& platform, QWidget* parent = nullptr);

    // The load step: runs the input loop while the window is still hidden. False when the
    // learner ended the program from the prompts; the window must then never be shown.
    bool Form_Load();

public slots:
    void Command1_Click();

private:
    // One run of the prompts until a triangle is solved (true) or the learner asks to end
    // the program (false, after asking the platform to end it).
    bool SolveTriangleLoop(bool showWhenSolved);
    double AskSide(const QString& prompt);
    void Write(const SolutionTexts& texts);
    // Writes a value, and its name for a screen reader: the caption's words and the value.
    void Show(QLabel* value, const QString& text);

    suite::Platform platform_;
    QPushButton* Command1_ = nullptr;
    // Value labels by row: sides, angles, medians, bisectors, altitudes.
    std::array<std::array<QLabel*, 3>, 5> rows_{};
    QLabel* Label10_ = nullptr;  // area
    QLabel* Label11_ = nullptr;  // circumradius
    QLabel* Label12_ = nullptr;  // inradius
    QHash<QLabel*, QString> spoken_;  // each value's caption as a screen reader says it
};

}  // namespace triangle
