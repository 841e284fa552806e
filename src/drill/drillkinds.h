#pragma once
// The nine drill windows as descriptions, and the window that runs each.

#include "drill/drilldescription.h"
#include "drill/drillengine.h"
#include "drill/drillwindows.h"

namespace suite::drill {

inline constexpr DrillKind kAllDrillKinds[] = {
    DrillKind::kjia,       DrillKind::kjian,    DrillKind::kcheng,
    DrillKind::kchu,       DrillKind::kchengfang, DrillKind::kkaifang,
    DrillKind::kjieche,    DrillKind::kplzh,    DrillKind::kjiefangcheng,
};

const DrillDescription& Describe(DrillKind kind);

// A new window of the kind on its variables; its load step has not run yet.
DrillEngine* MakeDrillWindow(DrillKind kind, DrillVariables& variables, Platform& platform,
                             std::function<void()> showMain);

}  // namespace suite::drill
