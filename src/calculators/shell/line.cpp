#include "line.h"

#include <algorithm>
#include <cmath>

namespace suite::calc {

Line Scaled(const Line& line)
{
    const double larger = std::max(std::fabs(line.A), std::fabs(line.B));
    if (larger == 0 || !std::isfinite(larger)) return line;
    const int power = std::ilogb(larger);
    return {std::scalbn(line.A, -power), std::scalbn(line.B, -power), std::scalbn(line.C, -power)};
}

}  // namespace suite::calc
