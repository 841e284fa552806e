#pragma once
#include "testkit/printing.h"

namespace suite::calc::printing {
using suite::testing::printing::PrintTo;
}  // namespace suite::calc::printing
