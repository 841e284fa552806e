#include "symmetryicon.h"

#include <QPainter>
#include <QPixmap>

namespace suite::symmetry {

QIcon ProgramIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x20, 0x40, 0x80));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(2, 2, 60, 60, 10, 10);
    p.setPen(QPen(QColor(0xF0, 0xF0, 0xF0), 4));
    p.drawLine(12, 52, 52, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x80, 0xFF, 0x80));
    p.drawEllipse(QPointF(20, 20), 6, 6);
    p.drawEllipse(QPointF(44, 44), 6, 6);
    return QIcon(pixmap);
}

}  // namespace suite::symmetry
