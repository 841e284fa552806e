#include "accessibility.h"

#include <QAccessible>
#include <QWidget>

// Qt's own switch of its accessibility events, which the AT-SPI bridge throws when a screen
// reader arrives. It is exported but unpublished, so it is named here by its symbol.
class QPlatformAccessibility;
class QPlatformIntegration;
extern QPlatformIntegration* qtPlatformIntegration asm("_ZN22QGuiApplicationPrivate20platform_integrationE");
QPlatformAccessibility* QtBaseAccessibility(const QPlatformIntegration*) asm(
    "_ZNK20QPlatformIntegration13accessibilityEv");
void QtSetAccessibilityActive(QPlatformAccessibility*, bool) asm("_ZN22QPlatformAccessibility9setActiveEb");

namespace suite::testing {

namespace {

NameChanges* listener = nullptr;

QList<QWidget*> FocusableControls(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!(control->focusPolicy() & Qt::ClickFocus) || !control->isVisibleTo(window)) continue;
        // The internals of a composite control (a scroll bar's buttons) are its own business.
        if (control->focusProxy()) continue;
        controls << control;
    }
    return controls;
}

void Walk(QAccessibleInterface* node, QStringList& heard)
{
    if (!node || node->state().invisible) return;
    const QString name = node->text(QAccessible::Name).trimmed();
    if (!name.isEmpty()) heard << name;
    for (int i = 0; i < node->childCount(); ++i) Walk(node->child(i), heard);
}

}  // namespace

void NameChanges::OnUpdate(QAccessibleEvent* event)
{
    if (listener && event->type() == QAccessible::NameChanged) listener->announced_ << event->object();
}

QString SpokenName(QWidget* control)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->text(QAccessible::Name).trimmed() : QString();
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

QStringList SharedNames(QWidget* window)
{
    QStringList names;
    QStringList shared;
    for (QWidget* control : FocusableControls(window)) {
        const QString name = SpokenName(control);
        if (names.contains(name) && !shared.contains(name)) shared << name;
        names << name;
    }
    return shared;
}

QStringList SpokenTree(QWidget* window)
{
    QStringList heard;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; root && i < root->childCount(); ++i) Walk(root->child(i), heard);
    return heard;
}

NameChanges::NameChanges()
{
    Q_ASSERT(!listener);
    listener = this;
    // The offscreen platform keeps Qt's own accessibility object, whose switch this is.
    if (qtPlatformIntegration) QtSetAccessibilityActive(QtBaseAccessibility(qtPlatformIntegration), true);
    QAccessible::installUpdateHandler(OnUpdate);
}

NameChanges::~NameChanges()
{
    QAccessible::installUpdateHandler(nullptr);
    if (qtPlatformIntegration) QtSetAccessibilityActive(QtBaseAccessibility(qtPlatformIntegration), false);
    listener = nullptr;
}

bool NameChanges::Listening() const { return QAccessible::isActive(); }

}  // namespace suite::testing
