#pragma once
// The tools window and the tools it opens, one instance each, owned by the main menu for the
// whole program run. The windows are siblings, not children of the tools window, so a tool
// opened over it (the table of function values) stays when the tools window is unloaded.

#include "common/platform.h"
// windowkit.h needs the complete button type for its QPointer member.
#include <QAbstractButton>
#include "common/windowkit.h"
#include "tools/equation.h"
#include "tools/mathtable.h"
#include "tools/mathtools.h"
#include "tools/numberguess.h"

#include <functional>

namespace suite::tools {

class ToolsWindows {
public:
    // showMain brings the main menu forward.
    ToolsWindows(Platform& platform, std::function<void()> showMain);
    ToolsWindows(const ToolsWindows&) = delete;
    ToolsWindows& operator=(const ToolsWindows&) = delete;

    // Shows the tools window, a fresh one in its design state when it is not loaded. The
    // tools call this when they hand back.
    void ShowTools();
    // The tools window while it is loaded, else nullptr.
    MathtoolsForm* Mathtools() const { return mathtools_.Existing(); }
    MathtableForm* Mathtable() const { return mathtable_.Existing(); }
    EquationForm* Equation() const { return equation_.Existing(); }
    NumberguessForm* Numberguess() const { return numberguess_.Existing(); }

private:
    // Each tool is a FormSlot below, made with [this] { ShowTools(); } as its way back, and
    // its hook here.
    MathtoolsHooks Hooks();

    Platform& platform_;
    std::function<void()> showMain_;
    FormSlot<MathtoolsForm> mathtools_{[this] { return new MathtoolsForm(platform_, Hooks()); }};
    FormSlot<EquationForm> equation_{[this] { return new EquationForm(platform_, [this] { ShowTools(); }); }};
    NumberguessVars numberguessVars_;
    FormSlot<NumberguessForm> numberguess_{
        [this] { return new NumberguessForm(platform_, numberguessVars_, [this] { ShowTools(); }); }};
    FormSlot<MathtableForm> mathtable_{[this] { return new MathtableForm(platform_, [this] { ShowTools(); }); }};
};

}  // namespace suite::tools
