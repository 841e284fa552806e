#include "modalscope.h"

#include "windowkit.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <QTimerEvent>
#include <algorithm>
#include <utility>
#include <vector>

namespace suite {

namespace {

void DeleteWhenFree(Form* form);

class Hold final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer) {
            auto* timer = qobject_cast<QTimer*>(watched);
            if (timer && qobject_cast<Form*>(timer->parent())) {
                const int id = static_cast<QTimerEvent*>(event)->timerId();
                const bool known = std::any_of(due_.begin(), due_.end(),
                                               [&](const auto& d) { return d.first == timer; });
                if (!known) due_.emplace_back(timer, id);
                return true;
            }
        } else if (event->type() == QEvent::DeferredDelete) {
            if (auto* form = qobject_cast<Form*>(watched)) {
                held_.emplace_back(form);
                return true;
            }
        }
        return false;
    }

    void Release()
    {
        // A timer stopped during the wait has nothing due.
        for (const auto& [timer, id] : due_)
            if (timer && timer->isActive() && timer->timerId() == id)
                QCoreApplication::postEvent(timer, new QTimerEvent(id));
        for (const QPointer<Form>& form : held_)
            if (form) DeleteWhenFree(form);
        due_.clear();
        held_.clear();
    }

    void HoldDeletion(Form* form) { held_.emplace_back(form); }

private:
    std::vector<std::pair<QPointer<QTimer>, int>> due_;
    std::vector<QPointer<Form>> held_;
};

int depth = 0;
Hold* hold = nullptr;

void DeleteWhenFree(Form* form)
{
    // Queued, so it runs from the event loop; a wait begun meanwhile (the same handler's
    // next prompt) holds the window again.
    QMetaObject::invokeMethod(
        form,
        [form] {
            if (hold)
                hold->HoldDeletion(form);
            else
                delete form;
        },
        Qt::QueuedConnection);
}

}  // namespace

ModalScope::ModalScope()
{
    if (depth++ == 0 && QCoreApplication::instance()) {
        hold = new Hold;
        QCoreApplication::instance()->installEventFilter(hold);
    }
}

ModalScope::~ModalScope()
{
    if (--depth == 0 && hold) {
        Hold* ending = std::exchange(hold, nullptr);
        if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(ending);
        ending->Release();
        delete ending;
    }
}

bool ModalScope::Active() { return depth > 0; }

}  // namespace suite
