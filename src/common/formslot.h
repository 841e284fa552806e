#pragma once

#include "form.h"

#include <QPointer>
#include <functional>

namespace suite {

// One instance of a window class. The window is created (and its load step runs in its
// constructor) on first use; closing it destroys its widgets, and the next use builds them
// again in their design state. Variables that must outlive the widgets live in a struct
// the factory captures.
template <class W>
class FormSlot {
public:
    using Factory = std::function<W*()>;
    explicit FormSlot(Factory factory) : factory_(std::move(factory)) {}
    FormSlot(const FormSlot&) = delete;
    FormSlot& operator=(const FormSlot&) = delete;
    ~FormSlot() { delete form_.data(); }

    W* Instance()
    {
        if (!form_) {
            form_ = factory_();
            form_->setAttribute(Qt::WA_DeleteOnClose);
            QObject::connect(form_.data(), &Form::closed, form_.data(), [this, w = form_.data()] {
                if (form_ == w) form_ = nullptr;
            });
        }
        return form_;
    }
    W* Existing() const { return form_; }
    bool IsLoaded() const { return !form_.isNull(); }
    void Show()
    {
        W* w = Instance();
        w->show();
        w->raise();
        w->activateWindow();
    }

private:
    Factory factory_;
    QPointer<W> form_;
};

}  // namespace suite
