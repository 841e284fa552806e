#pragma once
// The nine drill windows of Brenvale, one instance each, with their variables kept for the
// whole program run. The main menu opens them through this one door.

#include "common/platform.h"

#include <QWidget>
#include <functional>
#include <memory>

namespace suite::drill {

enum class DrillKind { kjia, kjian, kcheng, kchu, kchengfang, kkaifang, kjieche, kplzh, kjiefangcheng };

class DrillEngine;
struct DrillVariables;

class DrillWindows {
public:
    // showMain makes the main menu visible; a drill window calls it when it hands back.
    DrillWindows(Platform& platform, std::function<void()> showMain);
    ~DrillWindows();
    DrillWindows(const DrillWindows&) = delete;
    DrillWindows& operator=(const DrillWindows&) = delete;

    // Shows the window modeless, creating it (and running its load step) when not loaded.
    void Show(DrillKind kind);
    // The window while it is loaded, else nullptr.
    QWidget* Existing(DrillKind kind) const;

    // The same window with its handlers, while it is loaded, else nullptr.
    DrillEngine* Window(DrillKind kind) const;
    // The variables the window keeps between showings.
    DrillVariables& Variables(DrillKind kind);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace suite::drill
