#pragma once
// Failure messages show texts as text, not as UTF-16 bytes, and parameterised cases by name.
#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace suite::testing::printing {

// Brought into a test's own namespace with a using-declaration, so that argument-dependent
// lookup finds it for the case types declared there.
template <class Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

}  // namespace suite::testing::printing
