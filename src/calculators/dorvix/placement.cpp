#include "placement.h"

#include "common/numbers.h"
#include "common/platform.h"
#include "common/twips.h"

#include <algorithm>
#include <cmath>

namespace suite::dorvix {

namespace {

const QString kSection = QStringLiteral("Settings");

// Far beyond any desktop, yet safe to turn into pixels.
constexpr double kMaxTwips = 1.0e7;

int ReadTwips(SettingsStore& settings, const QString& app, const QString& key, int fallback,
              bool mustBePositive)
{
    const QString text = settings.Get(app, kSection, key, QString::number(fallback));
    const std::optional<double> value = WholeTextNumber(text);
    if (!value) return fallback;
    const float single = static_cast<float>(*value);
    if (!std::isfinite(single) || std::fabs(single) > kMaxTwips) return fallback;
    if (mustBePositive && single < 1) return fallback;
    return static_cast<int>(std::lround(single));
}

}  // namespace

Placement ReadPlacement(SettingsStore& settings, const QString& app)
{
    Placement p = kDefaultPlacement;
    p.left = ReadTwips(settings, app, QStringLiteral("MainLeft"), p.left, false);
    p.top = ReadTwips(settings, app, QStringLiteral("MainTop"), p.top, false);
    p.width = ReadTwips(settings, app, QStringLiteral("MainWidth"), p.width, true);
    p.height = ReadTwips(settings, app, QStringLiteral("MainHeight"), p.height, true);
    return p;
}

void SavePlacement(SettingsStore& settings, const QString& app, const Placement& p)
{
    const auto save = [&](const char* key, int twips) {
        settings.Save(app, kSection, QString::fromLatin1(key),
                      NumberTextSingle(static_cast<float>(twips)));
    };
    save("MainLeft", p.left);
    save("MainTop", p.top);
    save("MainWidth", p.width);
    save("MainHeight", p.height);
}

Placement FromPixels(const QRect& pixels, const Placement& applied)
{
    const auto twips = [](int pixel, int before) {
        return TwipsToPixels(before) == pixel ? before : PixelsToTwips(pixel);
    };
    return {twips(pixels.x(), applied.left), twips(pixels.y(), applied.top),
            twips(pixels.width(), applied.width), twips(pixels.height(), applied.height)};
}

Placement OnScreen(const Placement& placement, const QList<QRect>& screens)
{
    // The strip along the top edge, where the title bar is, must show enough of itself to
    // take hold of with the mouse.
    constexpr int kGripWidth = 40;
    constexpr int kGripHeight = 20;
    const QRect window(TwipsToPixels(placement.left), TwipsToPixels(placement.top),
                       TwipsToPixels(placement.width), TwipsToPixels(placement.height));
    const QRect strip(window.left(), window.top(), window.width(),
                      std::min(kGripHeight, window.height()));
    const int needWidth = std::min(kGripWidth, window.width());
    for (const QRect& screen : screens) {
        const QRect seen = screen.intersected(strip);
        if (seen.width() >= needWidth && seen.height() == strip.height()) return placement;
    }
    Placement moved = placement;
    moved.left = kDefaultPlacement.left;
    moved.top = kDefaultPlacement.top;
    return moved;
}

}  // namespace suite::dorvix
