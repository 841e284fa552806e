#include "optionbutton.h"

#include <QRadioButton>
#include <memory>

namespace suite {

void OnOptionChosen(QRadioButton* option, QObject* context, std::function<void()> handler)
{
    // A click checks the button between its press and its release and then reports the
    // click; a check outside a press came from elsewhere and is the choice itself.
    auto pressing = std::make_shared<bool>(false);
    QObject::connect(option, &QAbstractButton::pressed, context, [pressing] { *pressing = true; });
    QObject::connect(option, &QAbstractButton::released, context, [pressing] { *pressing = false; });
    QObject::connect(option, &QAbstractButton::toggled, context, [pressing, handler](bool on) {
        if (on && !*pressing) handler();
    });
    QObject::connect(option, &QAbstractButton::clicked, context, [handler] { handler(); });
}

}  // namespace suite
