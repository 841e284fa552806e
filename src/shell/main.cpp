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
    // Both load on threads of their own while Qt connects to the display.
    suite::shell::SoundModuleLoad soundModule(suite::shell::SoundModuleLoad::BesideProgram());
    suite::FontconfigWarmup fontconfig;
    QApplication app(argc, argv);
    fontconfig.Wait();
    QApplication::setApplicationName(QStringLiteral("Brenvale"));
    QApplication::setApplicationVersion(QStringLiteral(SUITE_VERSION));
    // The program ends only through the main menu's exit, never because its windows are
    // all hidden for a moment while one hands over to the next.
    QApplication::setQuitOnLastWindowClosed(false);
    suite::InstallFontSubstitutions();
    suite::shell::SoundLibrary cues(soundModule);
    suite::QtPlatformParts parts(QStringLiteral("Quorrin"), &cues);
    // The start-up cue loads when it is played; the other cues wait for the first window.
    suite::shell::AfterFirstPaint(&cues, [&cues] { cues.LoadAll(); });
    suite::shell::MainForm mainMenu(parts.platform);
    mainMenu.Start();
    // The module has loaded meanwhile: the start-up cue starts as the window shows.
    cues.Connect();
    return QApplication::exec();
}
