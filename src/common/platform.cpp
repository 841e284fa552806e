#include "platform.h"

namespace suite {

QString NativeRelativePath(const QString& windowsPath)
{
    QString path = windowsPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) path.chop(4);
    return path;
}

}  // namespace suite
