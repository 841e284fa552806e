#include "printsurface.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace suite {

namespace {

// Painted text is invisible to a screen reader: the surface offers its lines as a
// read-only multi-line text instead, which screen readers read line by line.
class PrintSurfaceAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PrintSurfaceAccessible(PrintSurface* surface) : QAccessibleWidget(surface, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.editable = false;
        return s;
    }
    using QAccessibleWidget::text;

    // Nothing can be selected; the caret is the reader's own place in the text.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return std::min(caret_, characterCount()); }
    void setCursorPosition(int position) override { caret_ = std::clamp(position, 0, characterCount()); }

    QString text(int startOffset, int endOffset) const override
    {
        const QString all = Surface()->Text();
        startOffset = std::clamp(startOffset, 0, int(all.size()));
        endOffset = std::clamp(endOffset, startOffset, int(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(Surface()->Text().size()); }
    QRect characterRect(int offset) const override
    {
        const QRect local = Surface()->CharacterRect(offset);
        return local.isNull() ? QRect() : QRect(Surface()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override { return Surface()->OffsetAt(Surface()->mapFromGlobal(point)); }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    PrintSurface* Surface() const { return static_cast<PrintSurface*>(widget()); }
    int caret_ = 0;
};

QAccessibleInterface* SurfaceAccessible(const QString&, QObject* object)
{
    auto* surface = qobject_cast<PrintSurface*>(object);
    return surface ? new PrintSurfaceAccessible(surface) : nullptr;
}

}  // namespace

PrintSurface::PrintSurface(QWidget* parent) : QWidget(parent), font_(font())
{
    static const bool factoryInstalled = (QAccessible::installFactory(SurfaceAccessible), true);
    (void)factoryInstalled;
}

void PrintSurface::Print(const QString& text)
{
    lines_.push_back({text, color_, font_});
    LinesChanged();
}

void PrintSurface::Cls()
{
    lines_.clear();
    LinesChanged();
}

void PrintSurface::LinesChanged()
{
    update();
    if (announcePending_) return;
    // A reprint is a Cls and a run of Prints in one handler: assistive technology hears of
    // it once, when the handler is done, rather than once for every line.
    announcePending_ = true;
    QMetaObject::invokeMethod(this, &PrintSurface::AnnounceLines, Qt::QueuedConnection);
}

void PrintSurface::AnnounceLines()
{
    announcePending_ = false;
    const QString text = Text();
    if (text == announced_) return;
    QAccessibleTextUpdateEvent event(this, 0, announced_, text);
    const QString removed = std::exchange(announced_, text);
    QAccessible::updateAccessibility(&event);
    emit linesAnnounced(removed, text);
}

QString PrintSurface::Text() const
{
    QStringList texts;
    for (const Line& line : lines_) texts << line.text;
    return texts.join(QLatin1Char('\n'));
}

int PrintSurface::LongestLineWidth() const
{
    int widest = 0;
    for (const Line& line : lines_) widest = std::max(widest, QFontMetrics(line.font, this).horizontalAdvance(line.text));
    return widest;
}

QRect PrintSurface::CharacterRect(int offset) const
{
    int start = 0, y = 0;
    for (const Line& line : lines_) {
        const QFontMetrics metrics(line.font, this);
        // A line's own characters and the line feed after it, which has no width.
        if (offset >= start && offset <= start + line.text.size()) {
            const int column = offset - start;
            const int x = metrics.horizontalAdvance(line.text.left(column));
            const int width = column < line.text.size() ? metrics.horizontalAdvance(line.text.at(column)) : 0;
            return {x, y, std::max(width, 1), metrics.height()};
        }
        start += int(line.text.size()) + 1;
        y += metrics.height();
    }
    return {};
}

int PrintSurface::OffsetAt(const QPoint& point) const
{
    int start = 0, y = 0;
    for (const Line& line : lines_) {
        const QFontMetrics metrics(line.font, this);
        if (point.y() >= y && point.y() < y + metrics.height()) {
            for (int column = 0; column < line.text.size(); ++column)
                if (point.x() < metrics.horizontalAdvance(line.text.left(column + 1))) return point.x() < 0 ? -1 : start + column;
            return -1;
        }
        start += int(line.text.size()) + 1;
        y += metrics.height();
    }
    return -1;
}

void PrintSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    int y = 0;
    for (const Line& line : lines_) {
        painter.setFont(line.font);
        painter.setPen(line.color);
        const QFontMetrics metrics(line.font, this);
        painter.drawText(0, y + metrics.ascent(), line.text);
        y += metrics.height();
    }
}

}  // namespace suite
