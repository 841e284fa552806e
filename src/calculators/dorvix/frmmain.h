#pragma once
// The sequence previewer: n-th term and sum of an arithmetic or geometric sequence, the
// terms listed in a preview, and the window placement kept between runs.

#include "calculators/shell/calcshell.h"
#include "placement.h"
#include "sequences.h"

#include <array>

class QPlainTextEdit;
class QPushButton;

namespace suite::dorvix {

inline const QString kAppTitle = QStringLiteral("Dorvix");

class frmMain : public calc::CalculatorShell {
    Q_OBJECT
public:
    explicit frmMain(Platform& platform, QWidget* parent = nullptr);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    TextBox* Text1 = nullptr;
    TextBox* Text2 = nullptr;
    TextBox* Text3 = nullptr;
    TextBox* Text4 = nullptr;
    TextBox* Text5 = nullptr;
    TextBox* Text6 = nullptr;
    TextBox* Text7 = nullptr;
    TextBox* Text8 = nullptr;
    TextBox* Text9 = nullptr;
    TextBox* Text10 = nullptr;
    TextBox* Text11 = nullptr;
    QPlainTextEdit* Text12 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

protected:
    void Form_Unload() override;

private:
    void Form_Load();
    void ShowSequence(SequenceTexts (*sequence)(double, double, double), const std::array<TextBox*, 4>& boxes);
    void AppendPreview(const QString& terms);

    Placement applied_ = kDefaultPlacement;
};

}  // namespace suite::dorvix
