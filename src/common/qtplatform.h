#pragma once
// The production platform on Qt: QMessageBox and QInputDialog, QProcess::startDetached,
// QSettings' INI files. The QSoundEffect cue player is Brenvale's alone: declared in qtcueplayer.h and
// built in suite_cues, which only Brenvale's sound module links.

#include "platform.h"
#include "random.h"

#include <QObject>
#include <memory>

class QMessageBox;
class QWidget;

namespace suite {

// A program without a cue player plays no cue: the calculators.
class NoCues final : public CuePlayer {
public:
    void PlayCue(const QString&) override {}
};

// The window a box of `asker` stands over: the asking window while it is on screen, else none.
// Never another window, which could close and take the open box with it.
QWidget* DialogOwner(QWidget* asker);

// A box as narrow as a short message ("计算正确") would cut its own title off, the title bar
// being only as wide as the box: this makes room for the title in a bold face, with its icon
// and buttons beside it.
void KeepTitleInView(QMessageBox& box);

class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QString appTitle) : appTitle_(std::move(appTitle)) {}

private:
    MsgAnswer ShowMessageBox(QWidget* asker, const QString& text, MsgButtons buttons, MsgIcon icon,
                             const QString& title) override;
    QString ShowInputBox(QWidget* asker, const QString& prompt, const QString& title,
                         const QString& defaultText) override;

    QString appTitle_;
};

// The options with which an outside program found at `program` starts minimised, where it
// has one of its own; empty otherwise.
QStringList IconicStartOptions(const QString& program);

class QtLauncher final : public Launcher {
public:
    QString Find(const QString& relativePath) override;
    bool Start(const QString& relativePath, const QStringList& arguments, StartStyle style) override;
};

// Each program's settings in the INI file where QSettings keeps them,
// <folder>/mathsuite/<app>.ini, read and written through the suite's safe file access:
// QSettings itself writes through a link in the file's place and waits forever on a pipe.
class QtSettingsStore final : public SettingsStore {
public:
    // By default the user's configuration folder.
    explicit QtSettingsStore(QString folder = DefaultFolder());
    static QString DefaultFolder();
    QString FileName(const QString& app) const;

    QString Get(const QString& app, const QString& section, const QString& key,
                const QString& defaultValue) override;
    void Save(const QString& app, const QString& section, const QString& key,
              const QString& value) override;

private:
    QString folder_;
};

class QtProgramControl final : public ProgramControl {
public:
    void EndProgram() override;
};

// Everything a program needs, owned for the program's lifetime. A program with sound passes
// its cue player; without one the program is silent.
struct QtPlatformParts {
    explicit QtPlatformParts(const QString& appTitle, CuePlayer* cuePlayer = nullptr);
    NoCues noCues;
    QtDialogs dialogs;
    ClockRandomSource random;
    QtLauncher launcher;
    QtSettingsStore settings;
    QtProgramControl program;
    Platform platform;
};

// A program started by the launcher with StartStyle::MinimizedFocus learns it here, once.
bool StartedMinimized();
// Shows a program's first window as its starter asked: minimised and active, or normally.
void ShowAsStarted(QWidget* window);

}  // namespace suite
