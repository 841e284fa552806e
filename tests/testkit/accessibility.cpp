#include "accessibility.h"

#include <QAccessible>
#include <QWidget>

namespace suite::testing {

QString SpokenName(QWidget* control)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->text(QAccessible::Name).trimmed() : QString();
}

QStringList UnnamedFocusableControls(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!(control->focusPolicy() & Qt::ClickFocus) || !control->isVisibleTo(window)) continue;
        // The internals of a composite control (a scroll bar's buttons) are its own business.
        if (control->focusProxy()) continue;
        if (SpokenName(control).isEmpty())
            unnamed << (control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                        : control->objectName());
    }
    return unnamed;
}

}  // namespace suite::testing
