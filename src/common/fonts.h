#pragma once
// The windows name Windows faces ("华文行楷", "宋体", "Arial Narrow", ...). Those names stay in the
// code; InstallFontSubstitutions maps each once to a free font of a similar style.

#include <QFont>
#include <QString>

namespace suite {

void InstallFontSubstitutions();
// A font of the named face at a point size (fractional sizes such as 21.75 allowed).
QFont NamedFont(const QString& face, double pointSize, bool bold = false);

}  // namespace suite
