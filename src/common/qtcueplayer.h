#pragma once
// Brenvale's cue player on Qt Multimedia. It lives in a library of its own (suite_cues) so
// that the calculators never link the sound stack; Brenvale loads it as a module once its
// process is running (shell/soundlibrary.h).

#include "platform.h"

#include <QHash>
#include <QObject>

class QSoundEffect;

namespace suite {

// A cue player that can load every cue ahead of its first play.
class PreloadingCuePlayer : public CuePlayer {
public:
    // Loads every cue under "sound" that is not loaded yet, so its first play starts at
    // once; a program calls it once its first window is on screen.
    virtual void LoadAll() = 0;
};

class QtCuePlayer final : public QObject, public PreloadingCuePlayer {
public:
    explicit QtCuePlayer(QObject* parent = nullptr);
    ~QtCuePlayer() override;
    void PlayCue(const QString& relativePath) override;
    void LoadAll() override;

private:
    QSoundEffect* Load(const QString& relativePath);
    QHash<QString, QSoundEffect*> loaded_;
};

}  // namespace suite
