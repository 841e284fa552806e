#include "tools/tablepictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace suite::tools {

QPixmap WelcomePicture(const QSize& size)
{
    QPixmap picture(size);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, 0, size.height());
    paper.setColorAt(0.0, QColor(0xFF, 0xFD, 0xF4));
    paper.setColorAt(1.0, QColor(0xEE, 0xF4, 0xFA));
    p.fillRect(picture.rect(), paper);

    const int step = 20;
    p.setPen(QPen(QColor(0xC8, 0xDC, 0xEC), 1));
    for (int x = step; x < size.width(); x += step) p.drawLine(x, 0, x, size.height());
    for (int y = step; y < size.height(); y += step) p.drawLine(0, y, size.width(), y);

    // A sine curve across the middle, as faint as the squares.
    QPainterPath curve;
    const double mid = size.height() * 0.55, amplitude = size.height() * 0.12;
    for (int x = 0; x <= size.width(); x += 2) {
        const QPointF point(x, mid - amplitude * std::sin(x * 2 * M_PI / size.width() * 1.5));
        if (x == 0)
            curve.moveTo(point);
        else
            curve.lineTo(point);
    }
    p.setPen(QPen(QColor(0xF0, 0xC8, 0xA8), 2));
    p.drawPath(curve);
    return picture;
}

QIcon TableIcon()
{
    // A small table: a blue heading row over ruled white rows.
    QIcon icon;
    for (int size : {16, 20, 32, 48}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        const double u = size / 16.0;
        const QRectF sheet(1 * u, 1.5 * u, 14 * u, 13 * u);
        p.fillRect(sheet, Qt::white);
        p.fillRect(QRectF(sheet.left(), sheet.top(), sheet.width(), 3 * u), QColor(0x2A, 0x6F, 0xC9));
        p.setPen(QPen(QColor(0x7A, 0x8C, 0xA0), std::max(1.0, u * 0.6)));
        for (double y = sheet.top() + 6 * u; y < sheet.bottom(); y += 3 * u)
            p.drawLine(QPointF(sheet.left(), y), QPointF(sheet.right(), y));
        p.drawLine(QPointF(sheet.left() + 5 * u, sheet.top()), QPointF(sheet.left() + 5 * u, sheet.bottom()));
        p.setPen(QPen(QColor(0x33, 0x44, 0x55), std::max(1.0, u * 0.6)));
        p.drawRect(sheet);
        icon.addPixmap(picture);
    }
    return icon;
}

}  // namespace suite::tools
