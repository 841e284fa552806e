#pragma once
// Where the window opens: its left and top edges, width and height in twips, kept in the
// per-user settings store between runs.

#include <QList>
#include <QRect>
#include <QString>

namespace suite {
class SettingsStore;
}

namespace suite::dorvix {

struct Placement {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const Placement&) const = default;
};

constexpr Placement kDefaultPlacement{1000, 1000, 6500, 6500};

// Each key missing, not a number or absurd gives its default.
Placement ReadPlacement(SettingsStore& settings, const QString& app);
void SavePlacement(SettingsStore& settings, const QString& app, const Placement& placement);

// A placement whose title bar would not lie far enough inside any of the screens (their
// available areas in pixels) to be grabbed opens at the default position, size kept.
Placement OnScreen(const Placement& placement, const QList<QRect>& screens);

// The placement of a window now at `pixels` in twips. A side still at the pixel that
// `applied` gave keeps its twips, so an unmoved window stores what it read.
Placement FromPixels(const QRect& pixels, const Placement& applied);

}  // namespace suite::dorvix
