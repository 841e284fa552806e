#pragma once
// What a screen reader hears of a window's controls.

#include <QStringList>

class QWidget;

namespace suite::testing {

// The name assistive technology reads for a control (its accessible name, else what Qt
// derives: a button's caption, a box's buddy label).
QString SpokenName(QWidget* control);

// The object names of the controls that the Tab key or a click can focus and that have
// no spoken name; empty when every one of them has one.
QStringList UnnamedFocusableControls(QWidget* window);

// The spoken names that two or more of those controls share; empty when each has its own.
QStringList SharedSpokenNames(QWidget* window);

}  // namespace suite::testing
