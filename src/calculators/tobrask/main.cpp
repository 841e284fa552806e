#include "common/fonts.h"
#include "common/qtplatform.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(SUITE_VERSION));
    suite::InstallFontSubstitutions();
    suite::QtPlatformParts parts(QStringLiteral("Tobrask"));

    tobrask::Form1 window(parts.platform);
    suite::ShowAsStarted(&window);
    return app.exec();
}
