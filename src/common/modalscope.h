#pragma once
// While a handler waits on a modal prompt, message box or menu, the window whose handler it
// is holds still, so that the handler runs to its end: ticks of the timers that window owns
// (its QTimer children) are held back, and neither it nor a window it belongs to is deleted.
// Every other window goes on as before: its clocks tick and it may close and go meanwhile.
// When the window's last wait ends, each of its timers that fell due meanwhile ticks once
// and each held window goes, both from the event loop after the waiting handler has returned.

class QWidget;

namespace suite {

class ModalScope {
public:
    // What the wait holds: a box or prompt holds the window's clocks as well as the window;
    // a context menu only keeps the window from going, so its clocks run on while it is open
    // and nobody can stop a countdown by keeping a menu up.
    enum class Holding { TimersAndWindow, WindowOnly };
    // `asker` is the window that waits, or any control on it; nullptr holds nothing.
    explicit ModalScope(QWidget* asker, Holding holding = Holding::TimersAndWindow);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    // True while a handler of this window waits on a wait that holds its timers.
    static bool Holds(const QWidget* window);
};

}  // namespace suite
