#pragma once
// The toolkit's style with a focus mark a learner can see: on a light-green or sky-blue face
// the keyboard focus is otherwise only a faint tint of the button's border.

#include <QProxyStyle>

namespace suite {

class FocusMarkStyle final : public QProxyStyle {
public:
    explicit FocusMarkStyle(QStyle* base) : QProxyStyle(base) {}
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// A dotted frame in the control's text colour, just inside `rect`.
void DrawFocusMark(QPainter* painter, const QStyleOption& option, const QRect& rect);

}  // namespace suite
