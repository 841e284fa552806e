#include "suitestyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace suite {

SuiteStyle::SuiteStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon SuiteStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon(standardPixmap(icon, option, widget));
    return QProxyStyle::standardIcon(icon, option, widget);
}

namespace {

// A dotted frame in the control's text colour, just inside `rect`.
void DrawFocusMark(QPainter* painter, const QStyleOption& option, const QRect& rect)
{
    painter->save();
    painter->setPen(QPen(option.palette.color(QPalette::ButtonText), 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

}  // namespace

void SuiteStyle::drawControl(ControlElement element, const QStyleOption* option,
                             QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus))
        DrawFocusMark(painter, *option, option->rect.adjusted(4, 4, -4, -4));
}

void SuiteStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ToolButton && (option->state & State_HasFocus))
        DrawFocusMark(painter, *option, option->rect.adjusted(4, 4, -4, -4));
}

void SuiteStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    // Option buttons and other controls that ask for a focus frame get the same mark.
    if (element == PE_FrameFocusRect) DrawFocusMark(painter, *option, option->rect);
}

}  // namespace suite
