#pragma once
// Distances in the plane: between two points, and from a point to a line A·x + B·y + C = 0.

#include "calculators/shell/calcshell.h"

class QPushButton;

namespace suite::distance {

inline const QString kAppTitle = QStringLiteral("Pannigar");

class frmMain : public calc::CalculatorShell {
    Q_OBJECT
public:
    explicit frmMain(Platform& platform, QWidget* parent = nullptr);

    void Command1_Click();
    void Command2_Click();

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
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

}  // namespace suite::distance
