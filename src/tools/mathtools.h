#pragma once
// The tools window: the hub that opens Brenvale's inner tools, starts the calculators and
// the outside programs, and leads back to the main menu. It keeps no variables: every
// showing starts from the design state.

#include "common/platform.h"
// windowkit.h needs the complete button type for its QPointer member.
#include <QAbstractButton>
#include "common/windowkit.h"

#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace suite::tools {

// The windows the tools window leads to. An empty hook leaves its button doing nothing.
struct MathtoolsHooks {
    std::function<void()> showMain;
    std::function<void()> showEquation;
    std::function<void()> showNumberguess;
    std::function<void()> showMathtable;
};

class MathtoolsForm final : public Form {
    Q_OBJECT
public:
    MathtoolsForm(Platform& platform, MathtoolsHooks hooks, QWidget* parent = nullptr);

    // The button "Command<number>", 1 to 18.
    QPushButton* Command(int number) const { return buttons_.at(number); }

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();
    void Command17_Click();
    void Command18_Click();

private:
    void Launch(int number);
    // Unloads the tools window, then shows the window the hook leads to.
    void LeaveFor(const std::function<void()>& show);

    Platform& platform_;
    MathtoolsHooks hooks_;
    QLabel* Label1;
    QLabel* Label2;
    std::array<QPushButton*, 19> buttons_{};
};

}  // namespace suite::tools
