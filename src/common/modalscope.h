#pragma once
// While a handler waits on a modal prompt, message box or menu, the program's windows hold
// still, so that the waiting handler runs to its end: ticks of the timers a window owns (its
// QTimer children) are held back, and no window is deleted. When the last wait ends, each
// timer that fell due meanwhile ticks once and each held window goes, both from the event
// loop after the waiting handler has returned.

namespace suite {

class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    // True while any modal wait is under way.
    static bool Active();
};

}  // namespace suite
