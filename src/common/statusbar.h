#pragma once

#include <QString>

class QDateTime;

namespace suite {

// Texts of the status bar panels, for a given moment.
QString StatusDateText(const QDateTime& when);
QString StatusTimeText(const QDateTime& when);

}  // namespace suite
