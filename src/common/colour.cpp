#include "colour.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace suite {

QColor BgrColor(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QColor SystemColor(SystemColour which)
{
    const QPalette palette = QApplication::palette();
    switch (which) {
    case SystemColour::ButtonFace:
        return palette.color(QPalette::Active, QPalette::Button);
    case SystemColour::MenuBar:
        return palette.color(QPalette::Active, QPalette::Window);
    case SystemColour::InactiveBorder:
        return palette.color(QPalette::Inactive, QPalette::Window).lighter(104);
    case SystemColour::InactiveTitleBar:
        return palette.color(QPalette::Inactive, QPalette::Highlight).lighter(160);
    case SystemColour::ActiveTitleBar:
        return palette.color(QPalette::Active, QPalette::Highlight).lighter(140);
    case SystemColour::WindowBackground:
        return palette.color(QPalette::Active, QPalette::Base);
    }
    return palette.color(QPalette::Window);
}

static bool IsTextBox(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w);
}

void SetTextColor(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
        p.setColor(QPalette::Active, role, color);
        p.setColor(QPalette::Inactive, role, color);
    }
    widget->setPalette(p);
}

void SetBackColor(QWidget* widget, const QColor& color)
{
    QPalette p = widget->palette();
    // Disabled boxes keep the colour they were given, as their background tells the learner
    // which boxes are for typing.
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, color);
        p.setColor(group, QPalette::Window, color);
        p.setColor(group, QPalette::Button, color);
    }
    widget->setPalette(p);
    if (!IsTextBox(widget)) widget->setAutoFillBackground(true);
}

QColor TextColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::Active,
                                   IsTextBox(widget) ? QPalette::Text : QPalette::WindowText);
}

QColor BackColor(const QWidget* widget)
{
    return widget->palette().color(QPalette::Active, IsTextBox(widget) ? QPalette::Base : QPalette::Window);
}

void SetColors(QWidget* widget, const QColor& text, const QColor& back)
{
    SetTextColor(widget, text);
    SetBackColor(widget, back);
}

}  // namespace suite
