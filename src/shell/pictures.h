#pragma once
// Brenvale's own pictures, drawn at run time: the main menu background, the small pictures
// on its buttons and the window icon.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <future>
#include <vector>

namespace suite::shell {

// A round badge with a short mathematical sign on it ("+", "√", "n!").
QPixmap ButtonPicture(const QString& sign, const QColor& colour, int size = 40);
QIcon BrenvaleIcon();

// The main menu's background and window icon, drawn on threads of their own while the menu's
// buttons are made, in the formats pixmaps of this screen paint in. Made on the GUI thread;
// each getter waits for its picture and is called once.
class MainMenuPictures {
public:
    explicit MainMenuPictures(const QSize& backgroundSize);
    QPixmap Background();
    QIcon Icon();

private:
    std::future<QImage> background_;
    std::future<std::vector<QImage>> icon_;
};

}  // namespace suite::shell
