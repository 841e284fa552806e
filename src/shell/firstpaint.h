#pragma once
// Start-up work that can wait until the learner sees the program's first window.

#include <functional>

class QObject;

namespace suite::shell {

// Runs `work` once, just after the first window of the program has painted; never when
// `context` is destroyed first.
void AfterFirstPaint(QObject* context, std::function<void()> work);

}  // namespace suite::shell
