#pragma once
// Colours written as 24-bit blue-green-red values (0x0000FF is red), and the system colours
// the windows use as backgrounds.

#include <QColor>
#include <cstdint>

class QWidget;

namespace suite {

QColor BgrColor(std::uint32_t bgr);

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

}  // namespace suite
