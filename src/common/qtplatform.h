#pragma once
// The production platform on Qt: QSoundEffect cues, QMessageBox and QInputDialog,
// QProcess::startDetached, QSettings.

#include "platform.h"
#include "random.h"

#include <QHash>
#include <QObject>
#include <memory>

class QSoundEffect;
class QWidget;

namespace suite {

class QtCuePlayer final : public QObject, public CuePlayer {
public:
    explicit QtCuePlayer(QObject* parent = nullptr);
    ~QtCuePlayer() override;
    void PlayCue(const QString& relativePath) override;

private:
    QSoundEffect* Load(const QString& relativePath);
    QHash<QString, QSoundEffect*> loaded_;
};

class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QString appTitle) : appTitle_(std::move(appTitle)) {}

private:
    MsgAnswer ShowMessageBox(const QString& text, MsgButtons buttons, MsgIcon icon,
                             const QString& title) override;
    QString ShowInputBox(const QString& prompt, const QString& title,
                         const QString& defaultText) override;

    QString appTitle_;
};

class QtLauncher final : public Launcher {
public:
    QString Find(const QString& relativePath) override;
    bool Start(const QString& relativePath, const QStringList& arguments, StartStyle style) override;
};

class QtSettingsStore final : public SettingsStore {
public:
    QString Get(const QString& app, const QString& section, const QString& key,
                const QString& defaultValue) override;
    void Save(const QString& app, const QString& section, const QString& key,
              const QString& value) override;
};

class QtProgramControl final : public ProgramControl {
public:
    void EndProgram() override;
};

// Everything a program needs, owned for the program's lifetime.
struct QtPlatformParts {
    explicit QtPlatformParts(const QString& appTitle);
    QtCuePlayer cues;
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
