#include "tools/toolswindows.h"

namespace suite::tools {

ToolsWindows::ToolsWindows(Platform& platform, std::function<void()> showMain)
    : platform_(platform), showMain_(std::move(showMain))
{
}

void ToolsWindows::ShowTools() { mathtools_.Show(); }

MathtoolsHooks ToolsWindows::Hooks()
{
    MathtoolsHooks hooks;
    hooks.showMain = showMain_;
    hooks.showEquation = [this] { equation_.Show(); };
    hooks.showNumberguess = [this] { numberguess_.Show(); };
    hooks.showMathtable = [this] { mathtable_.Show(); };
    return hooks;
}

}  // namespace suite::tools
