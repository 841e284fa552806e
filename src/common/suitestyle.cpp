#include "suitestyle.h"

#include <QStyleFactory>

namespace suite {

SuiteStyle::SuiteStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon SuiteStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon(standardPixmap(icon, option, widget));
    return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace suite
