#pragma once
#include <QIcon>

namespace suite::symmetry {
// A point and its mirror image across a line.
QIcon ProgramIcon();
}
