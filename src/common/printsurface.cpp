#include "printsurface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace suite {

PrintSurface::PrintSurface(QWidget* parent) : QWidget(parent), font_(font()) {}

void PrintSurface::Print(const QString& text)
{
    lines_.push_back({text, color_, font_});
    SpeakLines();
    update();
}

void PrintSurface::Cls()
{
    lines_.clear();
    SpeakLines();
    update();
}

void PrintSurface::SpeakLines()
{
    // Painted text is invisible to a screen reader; the lines themselves are its name.
    QStringList texts;
    for (const Line& line : lines_) texts << line.text;
    setAccessibleName(texts.join(QLatin1Char('\n')));
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
