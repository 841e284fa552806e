#pragma once
// Brenvale's cues come from its sound module, loaded on a thread of its own from the first
// line of main: linking the sound stack into the program would make every start wait for
// its twenty-odd libraries before main even runs, and loading it while the first window is
// made holds that window back, since the dynamic loader's lock stops the GUI thread too.

#include "common/qtcueplayer.h"

#include <QLibrary>
#include <QStringList>
#include <memory>
#include <thread>

namespace suite::shell {

// Loads the module on a thread from the moment it is made; made before the application
// object, it overlaps the loading with Qt's own start-up.
class SoundModuleLoad {
public:
    // The module beside the program, found without the application object.
    static QString BesideProgram();
    explicit SoundModuleLoad(const QString& modulePath);
    ~SoundModuleLoad();
    SoundModuleLoad(const SoundModuleLoad&) = delete;
    SoundModuleLoad& operator=(const SoundModuleLoad&) = delete;

    // Waits for the load and makes a cue player from the module; null when the module
    // could not be loaded. The player's code lives in the module, which stays loaded.
    std::unique_ptr<PreloadingCuePlayer> NewPlayer();

private:
    QLibrary module_;
    std::thread loader_;
};

// The program's cue player: cues asked for before it is connected to the module wait for it.
// Made after the application object, so the player it holds goes before that object does.
class SoundLibrary final : public QObject, public PreloadingCuePlayer {
public:
    explicit SoundLibrary(SoundModuleLoad& module);
    ~SoundLibrary() override;

    // Cues asked for before Connect wait for it, in order; afterwards they play at once.
    void PlayCue(const QString& relativePath) override;
    void LoadAll() override;
    // Waits for the module and hands it what was asked so far. A module that cannot be
    // loaded leaves the program silent, as a missing sound file does.
    void Connect();

private:
    SoundModuleLoad& module_;
    bool connected_ = false;
    std::unique_ptr<PreloadingCuePlayer> player_;
    QStringList waiting_;
    bool loadAllWaiting_ = false;
};

}  // namespace suite::shell
