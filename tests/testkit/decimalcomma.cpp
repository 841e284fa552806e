#include "decimalcomma.h"

#include <clocale>
#include <cstdlib>
#include <cstring>

namespace suite::testing {

DecimalCommaLocale::DecimalCommaLocale()
{
    savedC_ = std::setlocale(LC_ALL, nullptr);
    // glibc looks in LOCPATH at each setlocale call.
    ::setenv("LOCPATH", SUITE_TEST_LOCALE_DIR, 1);
    active_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr &&
              std::strcmp(std::localeconv()->decimal_point, ",") == 0;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

DecimalCommaLocale::~DecimalCommaLocale()
{
    std::setlocale(LC_ALL, savedC_.c_str());
    QLocale::setDefault(savedQt_);
}

}  // namespace suite::testing
