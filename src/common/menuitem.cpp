#include "menuitem.h"

#include <QAction>
#include <QMenu>

namespace suite {

QAction* AddMenuItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key)
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(key);
    item->setShortcutContext(Qt::WindowShortcut);
    return item;
}

}  // namespace suite
