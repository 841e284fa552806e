#pragma once
// The mirror image of a point in a line A·x + B·y + C = 0.

#include "calculators/shell/calcshell.h"

#include <functional>

class QPushButton;

namespace suite::symmetry {

class frmAbout;

inline const QString kAppTitle = QStringLiteral("Ostrelle");

class frmMain : public calc::CalculatorShell {
    Q_OBJECT
public:
    explicit frmMain(Platform& platform, QWidget* parent = nullptr);

    void Command1_Click();
    void mnuFileNew_Click() override;
    void mnuHelpAbout_Click() override;

    // Shows the about box modal over this window; tests replace it to look at the box
    // without blocking.
    std::function<void(frmAbout&)> showAbout;

    TextBox* Text1 = nullptr;
    TextBox* Text2 = nullptr;
    TextBox* Text3 = nullptr;
    TextBox* Text4 = nullptr;
    TextBox* Text5 = nullptr;
    TextBox* Text6 = nullptr;
    TextBox* Text7 = nullptr;
    QPushButton* Command1 = nullptr;
};

}  // namespace suite::symmetry
