#pragma once
// What a screen reader hears of a window's controls.

#include <QList>
#include <QPointer>
#include <QStringList>

class QAccessibleEvent;
class QObject;
class QWidget;

namespace suite::testing {

// The name assistive technology reads for a control (its accessible name, else what Qt
// derives: a button's caption, a box's buddy label).
QString SpokenName(QWidget* control);

// The object names of the controls that the Tab key or a click can focus and that have
// no spoken name; empty when every one of them has one.
QStringList UnnamedFocusableControls(QWidget* window);

// The spoken names that two or more focusable controls of the window share; empty when a
// listener can tell every control from the others by its name.
QStringList SharedNames(QWidget* window);

// The texts a screen reader walking the window's accessible tree meets, in tree order:
// each object's name, skipping nameless and hidden ones.
QStringList SpokenTree(QWidget* window);

// The name-change announcements sent to assistive technology while it lives. Qt sends
// change events only while a screen reader listens, and on the offscreen platform none
// ever does; this switches the sending on as a screen reader's arrival would.
class NameChanges {
public:
    NameChanges();
    ~NameChanges();
    NameChanges(const NameChanges&) = delete;
    NameChanges& operator=(const NameChanges&) = delete;

    // False when Qt could not be made to send its events here.
    bool Listening() const;
    // The objects announced, one entry for each announcement, oldest first.
    QList<QPointer<QObject>> Announced() const { return announced_; }
    void Clear() { announced_.clear(); }

private:
    static void OnUpdate(QAccessibleEvent* event);
    QList<QPointer<QObject>> announced_;
};

}  // namespace suite::testing
