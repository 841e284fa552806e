#pragma once
// Finding a window's controls by name, and letting closed windows go.

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace suite::testing {

// The window's control of that name and type; the test fails when there is none.
template <class T>
T* FindControl(const QWidget* window, const char* name)
{
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    if (!control) ADD_FAILURE() << "no control " << name;
    return control;
}

// Closed windows go at the next event loop pass; tests run none, so they flush.
inline void FlushClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace suite::testing
