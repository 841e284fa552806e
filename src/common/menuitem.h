#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;

namespace suite {

// A menu item with its object name and its shortcut (none when the key is empty).
QAction* AddMenuItem(QMenu* menu, const QString& name, const QString& caption,
                     const QKeySequence& key = {});

}  // namespace suite
