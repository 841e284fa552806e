#pragma once
// Text printed onto a window surface: lines in a colour and a font, cleared as a whole.
// Assistive technology reads the surface as read-only multi-line text, one line of it for
// each printed line, and hears of a reprint once, after the handler that made it.

#include <QColor>
#include <QFont>
#include <QRect>
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

    // The printed lines in print order, a line feed between two.
    QString Text() const;
    // The width of the widest printed line, in pixels.
    int LongestLineWidth() const;
    // Where a character of the text lies on the surface, and which character lies at a
    // point of it (-1: none); offsets count as in Text().
    QRect CharacterRect(int offset) const;
    int OffsetAt(const QPoint& point) const;

signals:
    // Sent with the change event that assistive technology gets, once per reprint: the
    // text the reprint replaced and the text it printed.
    void linesAnnounced(const QString& removed, const QString& inserted);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void LinesChanged();
    void AnnounceLines();
    std::vector<Line> lines_;
    QColor color_{Qt::black};
    QFont font_;
    bool announcePending_ = false;
    QString announced_;
};

}  // namespace suite
