#include "calculators/shell/calcshell.h"
#include "frmmain.h"

int main(int argc, char** argv)
{
    return suite::calc::RunCalculator(argc, argv, suite::dorvix::kAppTitle,
                                      [](suite::Platform& p) { return new suite::dorvix::frmMain(p); });
}
