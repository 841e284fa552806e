#include "shell/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <iterator>
#include <utility>

namespace suite::shell {

namespace {
constexpr int kIconSizes[] = {16, 32, 48};
QColor IconColour() { return QColor(0x3A, 0x9A, 0x5B); }

// The image format a pixmap of this screen paints in: an image of it paints the same, and
// unlike a pixmap it can be painted on any thread.
QImage::Format PixmapFormat(bool transparent)
{
    QPixmap probe(1, 1);
    if (transparent) probe.fill(Qt::transparent);
    return probe.toImage().format();
}

QImage BackgroundImage(const QSize& size, QImage::Format format)
{
    QImage picture(size, format);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0.0, QColor(0xF4, 0xFB, 0xFF));
    sky.setColorAt(0.55, QColor(0xDD, 0xF1, 0xE4));
    sky.setColorAt(1.0, QColor(0xC9, 0xE4, 0xF5));
    p.fillRect(picture.rect(), sky);

    // A few soft discs keep the surface from looking flat without drawing the eye.
    const struct { double x, y, r; QColor c; } discs[] = {
        {0.12, 0.18, 0.22, QColor(255, 255, 255, 120)},
        {0.88, 0.10, 0.18, QColor(200, 235, 210, 110)},
        {0.80, 0.85, 0.30, QColor(255, 255, 255, 90)},
        {0.20, 0.92, 0.20, QColor(190, 220, 245, 100)},
    };
    const double scale = std::max(size.width(), size.height());
    for (const auto& d : discs) {
        const QPointF centre(d.x * size.width(), d.y * size.height());
        QRadialGradient glow(centre, d.r * scale);
        glow.setColorAt(0.0, d.c);
        QColor edge = d.c;
        edge.setAlpha(0);
        glow.setColorAt(1.0, edge);
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, d.r * scale, d.r * scale);
    }
    return picture;
}

// Paints the badge onto a square device of `size` already filled transparent.
void PaintBadge(QPaintDevice& picture, const QString& sign, const QColor& colour, int size)
{
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QRadialGradient fill(size * 0.35, size * 0.3, size * 0.75);
    fill.setColorAt(0.0, colour.lighter(150));
    fill.setColorAt(1.0, colour);
    p.setPen(QPen(colour.darker(140), 1.5));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, size - 3.0, size - 3.0));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(sign.size() > 1 ? size * 2 / 5 : size * 3 / 5);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, sign);
}
}  // namespace

QPixmap ButtonPicture(const QString& sign, const QColor& colour, int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    PaintBadge(picture, sign, colour, size);
    return picture;
}

QIcon BrenvaleIcon()
{
    QIcon icon;
    for (int size : kIconSizes) icon.addPixmap(ButtonPicture(QStringLiteral("+"), IconColour(), size));
    return icon;
}

MainMenuPictures::MainMenuPictures(const QSize& backgroundSize, const std::vector<Badge>& badges)
{
    const QImage::Format opaque = PixmapFormat(false);
    const QImage::Format transparent = PixmapFormat(true);
    background_ = std::async(std::launch::async,
                             [backgroundSize, opaque] { return BackgroundImage(backgroundSize, opaque); });

    // The icon's sizes first, then the buttons' badges, shared by two threads: one thread
    // alone would keep the menu waiting for its last badges.
    struct Job {
        Badge badge;
        int size;
    };
    std::vector<Job> jobs;
    for (int size : kIconSizes) jobs.push_back({{QStringLiteral("+"), IconColour()}, size});
    for (const Badge& badge : badges) jobs.push_back({badge, kBadgeSize});
    const auto middle = jobs.begin() + static_cast<std::ptrdiff_t>(jobs.size() / 2);
    for (const auto& [from, to] : {std::pair{jobs.begin(), middle}, std::pair{middle, jobs.end()}}) {
        smallParts_.push_back(std::async(std::launch::async, [transparent, part = std::vector<Job>(from, to)] {
            std::vector<QImage> pictures;
            for (const Job& job : part) {
                QImage picture(job.size, job.size, transparent);
                picture.fill(Qt::transparent);
                PaintBadge(picture, job.badge.sign, job.badge.colour, job.size);
                pictures.push_back(picture);
            }
            return pictures;
        }));
    }
}

const std::vector<QImage>& MainMenuPictures::SmallPictures()
{
    for (auto& part : smallParts_)
        for (QImage& picture : part.get()) small_.push_back(std::move(picture));
    smallParts_.clear();
    return small_;
}

QPixmap MainMenuPictures::Background() { return QPixmap::fromImage(background_.get()); }

QIcon MainMenuPictures::Icon()
{
    const std::vector<QImage>& small = SmallPictures();
    QIcon icon;
    for (size_t i = 0; i < std::size(kIconSizes); ++i) icon.addPixmap(QPixmap::fromImage(small[i]));
    return icon;
}

std::vector<QPixmap> MainMenuPictures::Badges()
{
    const std::vector<QImage>& small = SmallPictures();
    std::vector<QPixmap> pixmaps;
    for (size_t i = std::size(kIconSizes); i < small.size(); ++i) pixmaps.push_back(QPixmap::fromImage(small[i]));
    return pixmaps;
}

}  // namespace suite::shell
