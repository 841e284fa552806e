#pragma once
// The suite's widget style: Fusion, which honours the button and box colours the windows set,
// with a focus mark a learner can see: on a light-green or sky-blue face the keyboard focus
// is otherwise only a faint tint of the button's border.

#include <QProxyStyle>

namespace suite {

class SuiteStyle final : public QProxyStyle {
public:
    SuiteStyle();
    // The menu bar's overflow arrow comes from Qt's built-in picture: Fusion reads its own
    // from a PNG resource, and finding a reader for that loads every image-format plugin
    // (JPEG, GIF, ICO) before a window with a menu bar can show. The arrow appears only
    // when the menus do not fit their bar, which they do in every window here.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace suite
