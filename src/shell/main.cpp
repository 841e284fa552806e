// Brenvale: mental-arithmetic drills with a main menu, start-up tips and help windows.
#include "common/fonts.h"
#include "common/qtplatform.h"
#include "shell/mainform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brenvale"));
    QApplication::setApplicationVersion(QStringLiteral(SUITE_VERSION));
    // The program ends only through the main menu's exit, never because its windows are
    // all hidden for a moment while one hands over to the next.
    QApplication::setQuitOnLastWindowClosed(false);
    suite::InstallFontSubstitutions();
    suite::QtPlatformParts parts(QStringLiteral("Quorrin"));
    suite::shell::MainForm mainMenu(parts.platform);
    mainMenu.Start();
    return QApplication::exec();
}
