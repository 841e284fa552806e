#pragma once
// Window and control geometry is given in twips: 15 twips a pixel at 96 dpi.
// Qt's own device-pixel scaling takes care of HiDPI screens.

#include <QRect>
#include <QSize>

namespace suite {

// To the nearest pixel (15 being odd, there are no ties), left of the primary screen too.
constexpr int TwipsToPixels(int twips)
{
    const int shifted = twips + 7;
    return shifted >= 0 ? shifted / 15 : -((-shifted + 14) / 15);
}
constexpr int PixelsToTwips(int pixels) { return pixels * 15; }
inline QRect TwipsRect(int left, int top, int width, int height)
{
    return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height)};
}
inline QSize TwipsSize(int width, int height) { return {TwipsToPixels(width), TwipsToPixels(height)}; }

}  // namespace suite
