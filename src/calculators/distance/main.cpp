#include "calculators/shell/calcshell.h"
#include "frmmain.h"

int main(int argc, char** argv)
{
    return suite::calc::RunCalculator(argc, argv, suite::distance::kAppTitle,
                                      [](suite::Platform& p) { return new suite::distance::frmMain(p); });
}
