#pragma once
// Colours written as 24-bit blue-green-red values (0x0000FF is red), and the system colours
// the windows use as backgrounds.

#include <QColor>
#include <cstdint>

class QWidget;

namespace suite {

QColor BgrColor(std::uint32_t bgr);

// The plain colours the windows name.
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kYellow = 0x00FFFF;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0xFF0000;

enum class SystemColour {
    ButtonFace,
    MenuBar,
    InactiveBorder,
    InactiveTitleBar,
    ActiveTitleBar,
    WindowBackground,
};
QColor SystemColor(SystemColour which);

// Text and background colours of a widget, through its palette.
void SetTextColor(QWidget* widget, const QColor& color);
void SetBackColor(QWidget* widget, const QColor& color);
QColor TextColor(const QWidget* widget);
QColor BackColor(const QWidget* widget);
// Both at once.
void SetColors(QWidget* widget, const QColor& text, const QColor& back);

}  // namespace suite
