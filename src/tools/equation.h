#pragma once
// Saltreve, the equation solver: linear, quadratic and incomplete cubic equations and systems
// of two or three linear equations. Each panel's solve button allows one press of its check
// button, which solves again from the input boxes and says whether the solution holds.

#include "common/platform.h"
#include "common/windowkit.h"
#include "tools/equationsolver.h"

#include <array>
#include <functional>

class QAction;
class QPushButton;

namespace suite::tools {

class EquationForm : public Form {
    Q_OBJECT
public:
    // showTools brings back the tools window when the learner returns through the menu.
    EquationForm(Platform& platform, std::function<void()> showTools, QWidget* parent = nullptr);

public slots:
    void Command1_Click();
    void Command6_Click();
    void Command2_Click();
    void Command7_Click();
    void Command3_Click();
    void Command8_Click();
    void Command4_Click();
    void Command5_Click();
    void mnuFileNew_Click();
    void mnuFileExit_Click();

public:
    // Linear a X + b = 0.
    TextBox* Text1 = nullptr;
    TextBox* Text2 = nullptr;
    TextBox* Text3 = nullptr;
    // Quadratic a X² + b X + c = 0.
    TextBox* Text4 = nullptr;
    TextBox* Text5 = nullptr;
    TextBox* Text6 = nullptr;
    TextBox* Text7 = nullptr;
    TextBox* Text8 = nullptr;
    // Cubic X³ + p X + q = 0.
    TextBox* Text10 = nullptr;
    TextBox* Text11 = nullptr;
    TextBox* Text12 = nullptr;
    // System rows a X + b Y + c Z + d = 0, and X, Y, Z.
    TextBox* Text13 = nullptr;
    TextBox* Text14 = nullptr;
    TextBox* Text15 = nullptr;
    TextBox* Text9 = nullptr;
    TextBox* Text16 = nullptr;
    TextBox* Text17 = nullptr;
    TextBox* Text18 = nullptr;
    TextBox* Text25 = nullptr;
    TextBox* Text19 = nullptr;
    TextBox* Text20 = nullptr;
    TextBox* Text21 = nullptr;
    TextBox* Text26 = nullptr;
    TextBox* Text22 = nullptr;
    TextBox* Text23 = nullptr;
    TextBox* Text24 = nullptr;

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileExit = nullptr;

private:
    void BuildPanels();
    void BuildMenu();
    void Tell(const QString& text, MsgIcon icon = MsgIcon::None);
    std::array<SystemRow, 3> SystemRows() const;
    // The quadratic's a, after the refusal of a zero that goes on with a = 1.
    double QuadraticLeading();
    // Tells why the system has no solution to write, if it has none.
    bool RefuseSystem(Found found, bool checking);
    void TellVerdict(Verdict verdict, const QString& right, const QString& doubtful);

    Platform& platform_;
    std::function<void()> showTools_;
};

}  // namespace suite::tools
