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

// A round badge with a short mathematical sign on it ("+", "√", "n!"), as the main menu's
// buttons carry them at kBadgeSize pixels.
struct Badge {
    QString sign;
    QColor colour;
};
inline constexpr int kBadgeSize = 32;
QPixmap ButtonPicture(const QString& sign, const QColor& colour, int size = 40);
QIcon BrenvaleIcon();

// The main menu's background, window icon and button badges, drawn on threads of their own
// while the menu's buttons are made, in the formats pixmaps of this screen paint in. Made on
// the GUI thread; each getter waits for its pictures, and Background is called once.
class MainMenuPictures {
public:
    MainMenuPictures(const QSize& backgroundSize, const std::vector<Badge>& badges);
    QPixmap Background();
    QIcon Icon();
    // The badges in the order they were asked for.
    std::vector<QPixmap> Badges();

private:
    // The icon's pictures, then the badges; waits for them the first time.
    const std::vector<QImage>& SmallPictures();

    std::future<QImage> background_;
    std::vector<std::future<std::vector<QImage>>> smallParts_;
    std::vector<QImage> small_;
};

}  // namespace suite::shell
