// Brenvale: mental-arithmetic drills with a main menu, start-up tips and help windows.
#include "common/fonts.h"
#include "common/fontwarmup.h"
#include "common/qtplatform.h"
#include "shell/firstpaint.h"
#include "shell/mainform.h"
#include "shell/soundlibrary.h"

#include <QApplication>

int main(int argc, char** argv)
{
    suite::FontconfigWarmup fontconfig;
    QApplication app(argc, argv);
    fontconfig.Wait();
    QApplication::setApplicationName(QStringLiteral("Brenvale"));
    QApplication::setApplicationVersion(QStringLiteral(SUITE_VERSION));
    // The program ends only through the main menu's exit, never because its windows are
    // all hidden for a moment while one hands over to the next.
    QApplication::setQuitOnLastWindowClosed(false);
    suite::InstallFontSubstitutions();
    suite::shell::SoundLibrary cues(suite::shell::SoundLibrary::ModulePath());
    suite::QtPlatformParts parts(QStringLiteral("Quorrin"), &cues);
    // The start-up cue loads when it is played; the other cues wait for the first window.
    suite::shell::AfterFirstPaint(&cues, [&cues] { cues.LoadAll(); });
    suite::shell::MainForm mainMenu(parts.platform);
    mainMenu.Start();
    // The module has loaded while the window was made: the start-up cue starts as it shows.
    cues.Connect();
    return QApplication::exec();
}
