#pragma once
// A push button whose caption wraps onto several lines inside the button, as long captions
// of the suite's buttons do.

#include <QPushButton>

namespace suite::shell {

class WrapButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace suite::shell
