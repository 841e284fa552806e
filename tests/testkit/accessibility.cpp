#include "accessibility.h"

#include <QAccessible>
#include <QWidget>
#include <vector>

namespace suite::testing {

QString SpokenName(QWidget* control)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->text(QAccessible::Name).trimmed() : QString();
}

namespace {

std::vector<QWidget*> FocusableControls(QWidget* window)
{
    std::vector<QWidget*> controls;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!(control->focusPolicy() & Qt::ClickFocus) || !control->isVisibleTo(window)) continue;
        // The internals of a composite control (a scroll bar's buttons) are its own business.
        if (control->focusProxy()) continue;
        controls.push_back(control);
    }
    return controls;
}

}  // namespace

QStringList SharedSpokenNames(QWidget* window)
{
    QStringList seen, shared;
    for (QWidget* control : FocusableControls(window)) {
        const QString name = SpokenName(control);
        if (name.isEmpty()) continue;
        if (seen.contains(name) && !shared.contains(name)) shared << name;
        seen << name;
    }
    return shared;
}

QStringList UnnamedFocusableControls(QWidget* window)
{
    QStringList unnamed;
    for (QWidget* control : FocusableControls(window)) {
        if (SpokenName(control).isEmpty())
            unnamed << (control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                                        : control->objectName());
    }
    return unnamed;
}

}  // namespace suite::testing
