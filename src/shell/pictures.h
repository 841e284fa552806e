#pragma once
// Brenvale's own pictures, drawn at run time: the main menu background, the small pictures
// on its buttons and the window icon.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <future>

namespace suite::shell {

// Starts drawing the main menu's background on a thread of its own, in the format a pixmap
// of this screen paints in. Call it on the GUI thread.
std::future<QImage> DrawBackgroundPicture(const QSize& size);
// A round badge with a short mathematical sign on it ("+", "√", "n!").
QPixmap ButtonPicture(const QString& sign, const QColor& colour, int size = 40);
QIcon BrenvaleIcon();

}  // namespace suite::shell
