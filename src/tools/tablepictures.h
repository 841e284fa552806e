#pragma once
// The table window's own pictures, drawn at run time: the welcome background and the
// window icon that stands in for it once the table shows.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace suite::tools {

// Squared paper with a faint curve, light enough for blue and dark text on it.
QPixmap WelcomePicture(const QSize& size);
QIcon TableIcon();

}  // namespace suite::tools
