#include "shell/firstpaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace suite::shell {

namespace {
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QObject* context, std::function<void()> work) : QObject(context), work_(std::move(work))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued, so it runs once this paint has been put on the screen.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    work_();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> work_;
};
}  // namespace

void AfterFirstPaint(QObject* context, std::function<void()> work)
{
    new FirstPaintWatch(context, std::move(work));
}

}  // namespace suite::shell
