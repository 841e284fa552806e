#pragma once
// Text printed onto a window surface: lines in a colour and a font, cleared as a whole.
// Assistive technology reads the printed lines as the surface's name.

#include <QColor>
#include <QFont>
#include <QWidget>
#include <vector>

namespace suite {

class PrintSurface : public QWidget {
    Q_OBJECT
public:
    struct Line {
        QString text;
        QColor color;
        QFont font;
    };
    explicit PrintSurface(QWidget* parent = nullptr);

    void SetForeColor(const QColor& color) { color_ = color; }
    void SetPrintFont(const QFont& font) { font_ = font; }
    // Prints one line in the current colour and font, below the previous ones.
    void Print(const QString& text);
    // Clears the surface; printing starts again at the top.
    void Cls();
    const std::vector<Line>& Lines() const { return lines_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void SpeakLines();
    std::vector<Line> lines_;
    QColor color_{Qt::black};
    QFont font_;
};

}  // namespace suite
