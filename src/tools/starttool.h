#pragma once
// Starting the programs of the tools window: where each is found on this platform, the
// started notice before or after the start, and a message instead of the notice when a
// program cannot be started.

#include "common/platform.h"

#include <QString>
#include <QStringList>

namespace suite::tools {

// How a program named by its Windows path runs here.
enum class ProgramKind {
    Window,            // has a window of its own, at its mapped path
    Console,           // a console program at its mapped path, run in a terminal window
    SystemCalculator,  // "calc.exe": the desktop's own calculator, found on the search path
};

// When the started notice shows: not at all, before the start (once the learner has closed
// it), or after the start.
enum class Notice { None, Before, After };

// Starts the program minimised with the focus, without waiting and keeping nothing of it,
// with the started notice where `notice` puts it. A program that cannot be found or whose
// start is refused gets an exclamation message in place of the notice that would follow.
// Every call starts one more process. `asker` is the window whose button asked.
void StartTool(Platform& platform, QWidget* asker, const QString& windowsPath, ProgramKind kind,
               Notice notice);

}  // namespace suite::tools
