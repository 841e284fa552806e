#include "printsurface.h"

#include <QFontMetrics>
#include <QPainter>

namespace suite {

PrintSurface::PrintSurface(QWidget* parent) : QWidget(parent), font_(font()) {}

void PrintSurface::Print(const QString& text)
{
    lines_.push_back({text, color_, font_});
    update();
}

void PrintSurface::Cls()
{
    lines_.clear();
    update();
}

void PrintSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    int y = 0;
    for (const Line& line : lines_) {
        painter.setFont(line.font);
        painter.setPen(line.color);
        const QFontMetrics metrics(line.font);
        painter.drawText(0, y + metrics.ascent(), line.text);
        y += metrics.height();
    }
}

}  // namespace suite
