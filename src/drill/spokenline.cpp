#include "drill/spokenline.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace suite::drill {

namespace {

// A line of text to assistive technology, with none of the pieces it is drawn from.
class SpokenLineInterface : public QAccessibleWidget {
public:
    explicit SpokenLineInterface(QWidget* line) : QAccessibleWidget(line, QAccessible::StaticText) {}
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(SpokenLine::staticMetaObject.className()) && object->isWidgetType())
        return new SpokenLineInterface(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

SpokenLine::SpokenLine(QWidget* parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(MakeInterface), true);
    Q_UNUSED(installed);
    // Drawn by its pieces alone; clicks go to whatever lies below, as they did to the labels.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SpokenLine::Hold(QWidget* piece)
{
    const QPoint onWindow = piece->pos();
    piece->setParent(this);
    piece->move(onWindow - pos());
    // A label without a name of its own announces each new text; this one is never read.
    piece->setAccessibleName(QStringLiteral("题目"));
}

void SpokenLine::FitToPieces()
{
    QRect bounds;
    const auto pieces = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* piece : pieces) bounds |= piece->geometry();
    for (QWidget* piece : pieces) piece->move(piece->pos() - bounds.topLeft());
    setGeometry(bounds.translated(pos()));
}

void SpokenLine::Say(const QString& words)
{
    if (accessibleName() != words) {
        setAccessibleName(words);
        return;
    }
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace suite::drill
