#include "common/fonts.h"
#include "common/fontwarmup.h"
#include "common/qtplatform.h"
#include "form1.h"
#include "texts.h"

#include <QApplication>

int main(int argc, char** argv)
{
    suite::FontconfigWarmup fontconfig;
    QApplication app(argc, argv);
    fontconfig.Wait();
    QApplication::setApplicationVersion(QStringLiteral(TRIANGLE_VERSION));
    // The prompts come and go while the window is hidden; only closing it ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    suite::InstallFontSubstitutions();
    suite::QtPlatformParts parts(QStringLiteral("Kelvrim"));

    triangle::Form1 window(parts.platform);
    QObject::connect(&window, &suite::Form::closed, &app, &QCoreApplication::quit);
    // A Yes to ending the program during the first prompts leaves before anything is shown.
    if (!window.Form_Load()) return 0;
    suite::ShowAsStarted(&window);
    return app.exec();
}
