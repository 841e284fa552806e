#pragma once
// The window skeleton of the calculators that have a menu bar: a File menu, a Help menu and
// a date-and-time status bar around the program's own controls, and the start-up procedure
// that creates and shows the main window.

#include "common/platform.h"
#include "common/windowkit.h"

#include <QString>
#include <functional>

class QAction;
class QMenu;

namespace suite::calc {

class CalculatorShell : public Form {
    Q_OBJECT
public:
    // withFileNew: the File menu also offers "new" (Ctrl+N) above a separator.
    CalculatorShell(Platform& platform, const QString& caption, bool withFileNew,
                    QWidget* parent = nullptr);

    Platform& Plat() const { return platform_; }

    void mnuFileExit_Click();
    virtual void mnuFileNew_Click() {}
    // The about information: a message box with the program's title.
    virtual void mnuHelpAbout_Click();

protected:
    // Shows a message box with an OK button, no icon and the program's title.
    void Tell(const QString& text);

private:
    Platform& platform_;
};

// Module1: the main window, set once at start-up.
namespace Module1 {
extern Form* mainForm;
// Creates the main window (its load step runs in its constructor), keeps it in mainForm
// and shows it as the program was started: minimised and active from the launcher,
// normally otherwise.
void StartMainWindow(const std::function<Form*()>& create);
}  // namespace Module1

// The whole life of a calculator program: application, version from the build, fonts,
// platform, main window, event loop.
int RunCalculator(int& argc, char** argv, const QString& appTitle,
                  const std::function<Form*(Platform&)>& create);

}  // namespace suite::calc
