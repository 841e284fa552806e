#pragma once
// An option button's handler runs however the learner selects the option: a click, the
// keyboard, or assistive technology, whose toggle action checks the button without a click.

#include <functional>

class QObject;
class QRadioButton;

namespace suite {

// `handler` runs on every click (also on an option already selected) and whenever the
// option becomes selected without one; `context` ends the connection.
void OnOptionChosen(QRadioButton* option, QObject* context, std::function<void()> handler);

}  // namespace suite
