#pragma once
// The lines of the table of function values for one number, in the order and colours the
// window prints them. No widgets: the window prints what this returns.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace suite::tools {

struct TableLine {
    QString text;
    // Colour (blue-green-red) set before the line; none keeps the colour left on the surface.
    std::optional<std::uint32_t> bgr;
};

// Ten blocks of values of x, or for a magnitude past 10^20 only the big-number line.
// Every value that would leave double range prints a refusal instead.
std::vector<TableLine> FunctionTableLines(double x);

}  // namespace suite::tools
