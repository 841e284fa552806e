#pragma once
// A decimal-comma locale (German) for the C library and Qt alike, as a program adopts it
// from the system at start-up. The locale is built into the build folder, so the tests do
// not depend on the locales a machine has installed.

#include <QLocale>
#include <string>

namespace suite::testing {

class DecimalCommaLocale {
public:
    DecimalCommaLocale();
    ~DecimalCommaLocale();
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    // False when the locale could not be set; a test must not pass silently under "C".
    bool Active() const { return active_; }

private:
    std::string savedC_;
    QLocale savedQt_;
    bool active_ = false;
};

}  // namespace suite::testing
