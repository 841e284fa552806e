#include "common/fonts.h"
#include "common/fontwarmup.h"
#include "common/qtplatform.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    suite::FontconfigWarmup fontconfig;
    QApplication app(argc, argv);
    fontconfig.Wait();
    QApplication::setApplicationVersion(QStringLiteral(SUITE_VERSION));
    suite::InstallFontSubstitutions();
    suite::QtPlatformParts parts(QStringLiteral("Tobrask"));

    tobrask::Form1 window(parts.platform);
    suite::ShowAsStarted(&window);
    return app.exec();
}
