#include "modalscope.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

namespace suite {

namespace {

struct Wait {
    QPointer<QWidget> window;
    bool holdsTimers;
};

// The windows whose handlers wait, innermost last; a window asking again while it waits
// (a prompt over its context menu) is in it twice.
std::vector<Wait> waiting;

// True while the window's timers are held.
bool Waits(const QObject* window)
{
    return window && std::any_of(waiting.begin(), waiting.end(),
                                 [window](const Wait& w) { return w.holdsTimers && w.window == window; });
}

// Deleting an object deletes its children with it, so a waiting window keeps every object it
// belongs to as well as itself. Its sibling windows, and windows of its own, are not kept.
bool Keeps(const QObject* object)
{
    for (const Wait& wait : waiting)
        for (const QObject* o = wait.window.data(); o; o = o->parent())
            if (o == object) return true;
    return false;
}

void DeleteWhenFree(QObject* object);

class Hold final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer) {
            auto* timer = qobject_cast<QTimer*>(watched);
            if (timer && Waits(timer->parent())) {
                const int id = static_cast<QTimerEvent*>(event)->timerId();
                const bool known = std::any_of(due_.begin(), due_.end(),
                                               [&](const auto& d) { return d.first == timer; });
                if (!known) due_.emplace_back(timer, id);
                return true;
            }
        } else if (event->type() == QEvent::DeferredDelete) {
            if (Keeps(watched)) {
                held_.emplace_back(watched);
                return true;
            }
        }
        return false;
    }

    // Lets go of what belongs to windows that no longer wait.
    void Release()
    {
        std::erase_if(due_, [](const std::pair<QPointer<QTimer>, int>& d) {
            const auto& [timer, id] = d;
            if (!timer) return true;
            if (Waits(timer->parent())) return false;
            // A timer stopped during the wait has nothing due.
            if (timer->isActive() && timer->timerId() == id)
                QCoreApplication::postEvent(timer, new QTimerEvent(id));
            return true;
        });
        std::erase_if(held_, [](const QPointer<QObject>& object) {
            if (!object) return true;
            if (Keeps(object)) return false;
            DeleteWhenFree(object);
            return true;
        });
    }

    void HoldDeletion(QObject* object) { held_.emplace_back(object); }

private:
    std::vector<std::pair<QPointer<QTimer>, int>> due_;
    std::vector<QPointer<QObject>> held_;
};

Hold* hold = nullptr;

void DeleteWhenFree(QObject* object)
{
    // Queued, so it runs from the event loop; a wait begun meanwhile (the same handler's
    // next prompt) holds the window again.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [object = QPointer<QObject>(object)] {
            if (!object) return;
            if (hold && Keeps(object))
                hold->HoldDeletion(object);
            else
                delete object.data();
        },
        Qt::QueuedConnection);
}

}  // namespace

ModalScope::ModalScope(QWidget* asker, Holding holding)
{
    waiting.push_back({asker ? asker->window() : nullptr, holding == Holding::TimersAndWindow});
    if (!hold && QCoreApplication::instance()) {
        hold = new Hold;
        QCoreApplication::instance()->installEventFilter(hold);
    }
}

ModalScope::~ModalScope()
{
    // Waits end in the reverse order of their start: each is a handler's stack frame.
    waiting.pop_back();
    if (!hold) return;
    if (!waiting.empty()) {
        hold->Release();
        return;
    }
    Hold* ending = std::exchange(hold, nullptr);
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(ending);
    ending->Release();
    delete ending;
}

bool ModalScope::Holds(const QWidget* window) { return Waits(window); }

}  // namespace suite
