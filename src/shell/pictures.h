#pragma once
// Brenvale's own pictures, drawn at run time: the main menu background, the small pictures
// on its buttons and the window icon.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace suite::shell {

QPixmap BackgroundPicture(const QSize& size);
// A round badge with a short mathematical sign on it ("+", "√", "n!").
QPixmap ButtonPicture(const QString& sign, const QColor& colour, int size = 40);
QIcon BrenvaleIcon();

}  // namespace suite::shell
