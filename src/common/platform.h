#pragma once
// What the windows ask of the platform: cues, modal dialogs, random numbers, starting
// programs, the per-user settings store and ending the program. Windows receive a Platform
// at construction and never reach these through globals; tests pass fakes.

#include <QString>
#include <QStringList>

class QWidget;

namespace suite {

class RandomSource;

// Plays a cue such as "sound\\Tada.wav" relative to the working directory, asynchronously.
// Never waits and never reports: a missing file or no audio device is silent.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    virtual void PlayCue(const QString& relativePath) = 0;
};

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgAnswer { Ok, Yes, No };

// Modal message boxes and input prompts. An empty title means the program's appTitle.
// `asker` is the window whose handler asks (or a control on it): while the box is open that
// window holds still (ModalScope), whichever implementation shows it, so the handler runs to
// its end; the other windows go on. The box shows over the asking window.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    MsgAnswer MessageBox(QWidget* asker, const QString& text, MsgButtons buttons, MsgIcon icon,
                         const QString& title = {});
    // Cancel yields empty text.
    QString InputBox(QWidget* asker, const QString& prompt, const QString& title = {},
                     const QString& defaultText = {});

protected:
    virtual MsgAnswer ShowMessageBox(QWidget* asker, const QString& text, MsgButtons buttons,
                                     MsgIcon icon, const QString& title) = 0;
    virtual QString ShowInputBox(QWidget* asker, const QString& prompt, const QString& title,
                                 const QString& defaultText) = 0;
};

enum class StartStyle { Normal, MinimizedFocus };

// Starts a program by its path relative to the working directory, written as the windows
// write it ("partmathtools\\triangle.exe"), or by a bare name looked up on the search path;
// no wait, no process kept. False when it failed. MinimizedFocus asks the program's window
// to open minimised: the suite's own programs always do, an outside program where it has a
// start option for it.
class Launcher {
public:
    virtual ~Launcher() = default;
    // The absolute path of the program Start would run; empty when there is none to run.
    virtual QString Find(const QString& relativePath) = 0;
    virtual bool Start(const QString& relativePath, const QStringList& arguments,
                       StartStyle style) = 0;
};

// Per-user settings: application title, section, key to text.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString Get(const QString& app, const QString& section, const QString& key,
                        const QString& defaultValue) = 0;
    virtual void Save(const QString& app, const QString& section, const QString& key,
                      const QString& value) = 0;
};

// Ends the whole program at once. Callers return straight after asking.
class ProgramControl {
public:
    virtual ~ProgramControl() = default;
    virtual void EndProgram() = 0;
};

struct Platform {
    QString appTitle;
    CuePlayer& cues;
    Dialogs& dialogs;
    RandomSource& random;
    Launcher& launcher;
    SettingsStore& settings;
    ProgramControl& program;
};

// Maps a path written with backslashes and ".exe" to this platform's form
// ("partmathtools\\triangle.exe" -> "partmathtools/triangle").
QString NativeRelativePath(const QString& windowsPath);

}  // namespace suite
