#include "calculators/shell/calcshell.h"
#include "frmmain.h"

int main(int argc, char** argv)
{
    return suite::calc::RunCalculator(argc, argv, suite::symmetry::kAppTitle,
                                      [](suite::Platform& p) { return new suite::symmetry::frmMain(p); });
}
